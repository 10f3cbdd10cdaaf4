#pragma once
// A frame without a window: the parent calls Paint from its own WM_PAINT (in the parent's
// client coordinates); while it fades the frame invalidates its area of the parent. Mouse
// messages reach it only when the parent hands them over through ForwardMouse.

#include "controls/DynamicEvents.h"
#include "controls/DynamicState.h"
#include "platform/WindowBase_win.h"

#include <windows.h>

namespace traxo {

class TDynamicFrame : public DynamicControlEvents, public DynamicControl {
public:
    TDynamicFrame(HWND parent, Rect boundsInParent, DynamicLook look = DefaultFrameLook());
    ~TDynamicFrame() override;
    TDynamicFrame(const TDynamicFrame&) = delete;
    TDynamicFrame& operator=(const TDynamicFrame&) = delete;

    void SetLook(const DynamicLook& look) override; // a new Colour takes effect at once, no fade
    const DynamicLook& Look() const override { return state_.Look(); }
    void SetCaption(std::u16string caption);
    void SetEnabled(bool enabled);
    void SetVisible(bool visible);
    void SetBounds(Rect boundsInParent) override;
    Rect Bounds() const { return bounds_; }
    bool Enabled() const { return state_.Enabled(); }
    bool Visible() const { return visible_; }
    Colour CurrentColour() const { return state_.Current(); }

    // Draws the frame at its place on the parent's canvas.
    void Paint(PaintCanvas& parentCanvas);
    // A mouse message of the parent (client coordinates); true when it fell on the frame and
    // its events were fired.
    bool ForwardMouse(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Tick();
    void RunFadeTimer(bool needed);
    void InvalidateArea();

    HWND parent_;
    Rect bounds_;
    DynamicFadeState state_;
    bool visible_ = true;
    bool pressed_ = false;
    CallbackTimer fadeTimer_; // the parent's, since the frame has no window
};

} // namespace traxo
