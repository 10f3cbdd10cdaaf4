#pragma once
// A label in a shape of its own (often a tab: fsTab), fading on Enabled changes; its caption
// colour can fade too.

#include "controls/DynamicWindow_win.h"

namespace traxo {

class TDynamicLabel : public DynamicWindow {
public:
    TDynamicLabel(HWND parent, Rect boundsInParent, DynamicLook look = DefaultLabelLook());

    using DynamicWindow::hwnd;
    void SetLook(const DynamicLook& look) override; // a new Colour takes effect at once, no fade
    const DynamicLook& Look() const override { return state_.Look(); }
    void SetCaption(std::u16string caption);
    void SetEnabled(bool enabled);
    bool Enabled() const { return state_.Enabled(); }
    Colour CurrentColour() const { return state_.Current(); }
    // Fades the caption colour from the one shown to `target` over `timeMs`.
    void FadeFontColourTo(Colour target, int timeMs);

protected:
    void Paint(GdiPaintCanvas& canvas, Size size) override;
    void FadeTick() override;
    bool TimerNeeded() const override;
    bool EventsEnabled() const override { return state_.Enabled(); }

private:
    DynamicFadeState state_;
    FadeEngine fontFade_;
};

} // namespace traxo
