#include "controls/DynamicState.h"

#include <algorithm>

namespace traxo {

DynamicFadeState::DynamicFadeState(const DynamicLook& look, Colour disabledColour)
    : look_(look), disabledColour_(disabledColour), fade_(look.Colour) {}

void DynamicFadeState::SetLook(const DynamicLook& look) {
    const bool newColour = look.Colour != look_.Colour;
    look_ = look;
    if (newColour && enabled_) {
        fade_.SetCurrent(look.Colour);
    }
}

void DynamicFadeState::SetEnabled(bool enabled) {
    if (enabled == enabled_) {
        return;
    }
    enabled_ = enabled;
    if (enabled) {
        Flash(look_.Colour, look_.FadeInTime);
    } else {
        OnDisabled();
        Flash(disabledColour_, look_.FadeInTime);
    }
}

bool DynamicFadeState::Flash(Colour target, int timeMs) {
    if (!enabled_ && target != disabledColour_) {
        return false;
    }
    fade_.FlashTo(target, timeMs);
    return true;
}

FadeEngine::TickResult DynamicFadeState::Tick() {
    return fade_.Tick(enabled_, look_.Colour, look_.FadeInTime);
}

void DynamicButtonState::MouseEnter() {
    if (!Enabled()) {
        return;
    }
    hover_ = true;
    Fade().FadeTo(pressed_ ? Look().MouseDownColour : Look().SelectedColour, Look().FadeInTime);
}

void DynamicButtonState::MouseMove() {
    if (Enabled() && !hover_) {
        MouseEnter();
    }
}

void DynamicButtonState::MouseLeave() {
    if (!Enabled()) {
        return;
    }
    hover_ = false;
    Fade().FadeTo(pressed_ ? Look().SelectedColour : Look().Colour, Look().FadeOutTime);
}

void DynamicButtonState::MouseDown(int button) {
    if (!Enabled() || button != 0) {
        return;
    }
    pressed_ = true;
    Fade().FadeTo(Look().MouseDownColour, std::max(Look().FadeInTime / 2, 10));
}

bool DynamicButtonState::MouseUp(int button, bool inside) {
    if (!Enabled()) {
        hover_ = false; // a click on a disabled control is swallowed whole
        pressed_ = false;
        return false;
    }
    if (button != 0) {
        return false;
    }
    const bool click = pressed_ && inside;
    pressed_ = false;
    Fade().FadeTo(hover_ ? Look().SelectedColour : Look().Colour, Look().FadeInTime);
    return click;
}

void DynamicButtonState::OnDisabled() {
    hover_ = false;
    pressed_ = false;
}

} // namespace traxo
