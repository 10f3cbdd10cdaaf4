#include "controls/DynamicLabel_win.h"

#include "controls/HighContrast_win.h"

namespace traxo {

TDynamicLabel::TDynamicLabel(HWND parent, Rect boundsInParent, DynamicLook look)
    : DynamicWindow(L"TDynamicLabel", parent, boundsInParent), state_(look, kLabelDisabledColour),
      fontFade_(look.FontColour) {}

void TDynamicLabel::SetLook(const DynamicLook& look) {
    if (look.FontColour != state_.Look().FontColour) {
        fontFade_.SetCurrent(look.FontColour);
    }
    state_.SetLook(look);
    SyncFadeTimer();
    Invalidate();
    Accessible().Refresh(hwnd()); // a reader hears of a new caption or state
}

void TDynamicLabel::SetCaption(std::u16string caption) {
    DynamicLook look = state_.Look();
    look.Caption = std::move(caption);
    SetLook(look);
}

void TDynamicLabel::SetEnabled(bool enabled) {
    state_.SetEnabled(enabled);
    SyncFadeTimer();
    Invalidate();
    Accessible().Refresh(hwnd());
}

void TDynamicLabel::FadeFontColourTo(Colour target, int timeMs) {
    fontFade_.FadeTo(target, timeMs);
    SyncFadeTimer();
}

void TDynamicLabel::Paint(GdiPaintCanvas& canvas, Size size) {
    const SystemColours* highContrast = HighContrastColours();
    const ControlPaint paint = PaintWith(
        state_.Look(), {size, state_.Current(), false, state_.Enabled(), Visible()}, highContrast);
    PaintLabel(canvas, paint.look, paint.state,
               highContrast ? paint.look.FontColour : fontFade_.Current(), Hooks());
}

void TDynamicLabel::FadeTick() {
    if (OnFading) {
        auto handler = OnFading;
        handler();
    }
    const bool fill = state_.Tick().repaint;
    // The caption colour has no flash; it simply goes to its target.
    const bool font = fontFade_.Tick(true, fontFade_.Target(), state_.Look().FadeInTime).repaint;
    if (fill || font) {
        Invalidate();
    }
}

bool TDynamicLabel::TimerNeeded() const {
    return state_.TimerNeeded() || fontFade_.Running();
}

} // namespace traxo
