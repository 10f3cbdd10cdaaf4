#pragma once
// The fade of a control's colour: driven by a 10 ms tick, each channel moved by a constant step
// kept as a double so that a fade of t milliseconds takes t div 10 ticks and a fade started
// while another runs continues from the colour reached. The owner runs its timer only while
// Running() says so, so an idle control costs no processor time.

#include "platform/CoreTypes.h"

namespace traxo {

class FadeEngine {
public:
    explicit FadeEngine(Colour current = 0) { SetCurrent(current); }

    Colour Current() const { return current_; }
    Colour Target() const { return target_; }
    bool Running() const { return running_; }
    bool Flashing() const { return flash_; }

    // Shows `colour` at once and stops any fade.
    void SetCurrent(Colour colour);

    // Starts a fade from the colour shown to `target` over `timeMs` (below 10 counts as 10).
    void FadeTo(Colour target, int timeMs);
    // A fade to `target` that, once there, fades back to the resting colour given to Tick.
    void FlashTo(Colour target, int timeMs);

    struct TickResult {
        bool repaint = false; // the colour shown changed
    };
    // One tick of the timer. `enabled` is the control's; `restColour` and `fadeInTime` are where
    // and how fast a finished flash returns. A disabled control only goes on while flashing.
    TickResult Tick(bool enabled, Colour restColour, int fadeInTime);

private:
    Colour current_ = 0;
    Colour target_ = 0;
    double value_[3] = {0, 0, 0};
    double step_[3] = {0, 0, 0};
    bool running_ = false;
    bool flash_ = false;
};

} // namespace traxo
