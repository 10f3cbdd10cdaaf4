#pragma once
// The behaviour of the animated controls without a window: which colour to fade to, and when,
// for each mouse event and Enabled change. The Win32 classes feed events in, run their 10 ms
// timer while TimerNeeded(), and repaint when a tick says so.

#include "controls/DynamicLook.h"
#include "controls/FadeEngine.h"

namespace traxo {

// The label and the frame: they fade only on Enabled changes (and the label its font colour).
class DynamicFadeState {
public:
    DynamicFadeState(const DynamicLook& look, Colour disabledColour);

    // A new Colour is shown at once, without a fade; the rest is only stored.
    void SetLook(const DynamicLook& look);
    const DynamicLook& Look() const { return look_; }

    // Enabled: a flash to Colour; disabled: a flash to the disabled colour.
    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }

    // A flash to `target` and back to Colour. Ignored while disabled unless it goes to the
    // disabled colour. False when ignored.
    bool Flash(Colour target, int timeMs);

    FadeEngine::TickResult Tick();
    bool TimerNeeded() const { return fade_.Running(); }
    Colour Current() const { return fade_.Current(); }
    Colour DisabledColour() const { return disabledColour_; }

protected:
    FadeEngine& Fade() { return fade_; }
    virtual void OnDisabled() {}

private:
    DynamicLook look_;
    Colour disabledColour_;
    FadeEngine fade_;
    bool enabled_ = true;
};

// The two buttons: hover, pressed and the click.
class DynamicButtonState : public DynamicFadeState {
public:
    explicit DynamicButtonState(const DynamicLook& look,
                                Colour disabledColour = kButtonDisabledColour)
        : DynamicFadeState(look, disabledColour) {}

    void MouseEnter();
    void MouseMove(); // enters when the hover flag is clear (no enter was seen)
    void MouseLeave();
    void MouseDown(int button); // 0 left, 1 right, 2 middle
    // True when the release completes a click: a left press and release inside the control
    // while enabled, however quick. A disabled control swallows it.
    bool MouseUp(int button, bool inside);

    bool Hover() const { return hover_; }
    bool Pressed() const { return pressed_; }

private:
    void OnDisabled() override;

    bool hover_ = false;
    bool pressed_ = false;
};

} // namespace traxo
