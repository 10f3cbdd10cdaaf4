#pragma once
// A fading button that paints an opaque rectangle of its own (OutsideColour around its shape).

#include "controls/DynamicWindow_win.h"

namespace traxo {

class TDynamicOpaqueButton : public DynamicWindow {
public:
    TDynamicOpaqueButton(HWND parent, Rect boundsInParent,
                         DynamicLook look = DefaultOpaqueButtonLook());

    using DynamicWindow::hwnd;
    void SetLook(const DynamicLook& look) override; // a new Colour takes effect at once, no fade
    const DynamicLook& Look() const override { return state_.Look(); }
    void SetCaption(std::u16string caption);
    void SetEnabled(bool enabled);
    bool Enabled() const { return state_.Enabled(); }
    Colour CurrentColour() const { return state_.Current(); }
    bool Pressed() const { return state_.Pressed(); } // held down by the mouse

protected:
    // For the classes built on it, which register under their own name.
    TDynamicOpaqueButton(const wchar_t* className, HWND parent, Rect boundsInParent,
                         DynamicLook look);

    void Paint(GdiPaintCanvas& canvas, Size size) override;
    // What both buttons paint from: the state's colour and hover, and the keyboard cues.
    DynamicPaintState PaintState(Size size) const;
    void FadeTick() override;
    bool TimerNeeded() const override;
    void MouseEntered() override;
    void MouseLeft() override;
    void MouseMoved() override;
    void MousePressed(int button) override;
    bool MouseReleased(int button, bool inside) override;
    bool EventsEnabled() const override { return state_.Enabled(); }

    DynamicButtonState state_;
};

} // namespace traxo
