#include "controls/DynamicOpaqueButton_win.h"

#include "controls/HighContrast_win.h"
namespace traxo {

TDynamicOpaqueButton::TDynamicOpaqueButton(HWND parent, Rect boundsInParent, DynamicLook look)
    : TDynamicOpaqueButton(L"TDynamicOpaqueButton", parent, boundsInParent, std::move(look)) {}

TDynamicOpaqueButton::TDynamicOpaqueButton(const wchar_t* className, HWND parent,
                                           Rect boundsInParent, DynamicLook look)
    : DynamicWindow(className, parent, boundsInParent, WS_TABSTOP), state_(look) {}

void TDynamicOpaqueButton::SetLook(const DynamicLook& look) {
    state_.SetLook(look);
    SyncFadeTimer();
    Invalidate();
    Accessible().Refresh(hwnd()); // a reader hears of a new caption or state
}

void TDynamicOpaqueButton::SetCaption(std::u16string caption) {
    DynamicLook look = state_.Look();
    look.Caption = std::move(caption);
    SetLook(look);
}

void TDynamicOpaqueButton::SetEnabled(bool enabled) {
    state_.SetEnabled(enabled);
    SyncFadeTimer();
    Invalidate();
    Accessible().Refresh(hwnd());
}

void TDynamicOpaqueButton::Paint(GdiPaintCanvas& canvas, Size size) {
    const ControlPaint paint = PaintWith(state_.Look(), PaintState(size), HighContrastColours());
    PaintOpaqueButton(canvas, paint.look, paint.state, Hooks());
}

DynamicPaintState TDynamicOpaqueButton::PaintState(Size size) const {
    return {size,      state_.Current(), state_.Hover(),    state_.Enabled(),
            Visible(), FocusCueShown(),  AccessKeysShown(), AltHeld()};
}

void TDynamicOpaqueButton::FadeTick() {
    if (OnFading) {
        auto handler = OnFading;
        handler();
    }
    if (state_.Tick().repaint) {
        Invalidate();
    }
}

bool TDynamicOpaqueButton::TimerNeeded() const {
    return state_.TimerNeeded();
}

void TDynamicOpaqueButton::MouseEntered() {
    state_.MouseEnter();
}

void TDynamicOpaqueButton::MouseLeft() {
    state_.MouseLeave();
}

void TDynamicOpaqueButton::MouseMoved() {
    state_.MouseMove();
}

void TDynamicOpaqueButton::MousePressed(int button) {
    state_.MouseDown(button);
}

bool TDynamicOpaqueButton::MouseReleased(int button, bool inside) {
    return state_.MouseUp(button, inside);
}

} // namespace traxo
