#include "controls/DynamicFrame_win.h"

#include "controls/DynamicPainters.h"
#include "controls/HighContrast_win.h"

#include <windowsx.h>

namespace traxo {
namespace {

bool Contains(Rect area, Point at) {
    return at.x >= area.left && at.x < area.right && at.y >= area.top && at.y < area.bottom;
}

} // namespace

TDynamicFrame::TDynamicFrame(HWND parent, Rect boundsInParent, DynamicLook look)
    : parent_(parent), bounds_(boundsInParent), state_(look, kFrameDisabledColour),
      fadeTimer_(parent, [this] { Tick(); }) {}

TDynamicFrame::~TDynamicFrame() = default;

void TDynamicFrame::SetLook(const DynamicLook& look) {
    state_.SetLook(look);
    RunFadeTimer(state_.TimerNeeded());
    InvalidateArea();
}

void TDynamicFrame::SetCaption(std::u16string caption) {
    DynamicLook look = state_.Look();
    look.Caption = std::move(caption);
    state_.SetLook(look);
}

void TDynamicFrame::SetEnabled(bool enabled) {
    state_.SetEnabled(enabled);
    RunFadeTimer(state_.TimerNeeded());
}

void TDynamicFrame::SetVisible(bool visible) {
    if (visible != visible_) {
        visible_ = visible;
        InvalidateArea();
    }
}

void TDynamicFrame::SetBounds(Rect boundsInParent) {
    InvalidateArea();
    bounds_ = boundsInParent;
    InvalidateArea();
}

void TDynamicFrame::Paint(PaintCanvas& parentCanvas) {
    const Size size{bounds_.right - bounds_.left, bounds_.bottom - bounds_.top};
    const ControlPaint paint =
        PaintWith(state_.Look(), {size, state_.Current(), false, state_.Enabled(), visible_},
                  HighContrastColours());
    PaintFrame(parentCanvas, paint.look, paint.state, {bounds_.left, bounds_.top});
}

void TDynamicFrame::InvalidateArea() {
    const RECT area{bounds_.left, bounds_.top, bounds_.right, bounds_.bottom};
    InvalidateRect(parent_, &area, TRUE);
}

void TDynamicFrame::RunFadeTimer(bool needed) {
    if (needed == fadeTimer_.Running()) {
        return;
    }
    if (needed) {
        fadeTimer_.Start(10);
    } else {
        fadeTimer_.Stop();
    }
}

void TDynamicFrame::Tick() {
    if (OnFading) {
        auto handler = OnFading;
        handler();
    }
    if (state_.Tick().repaint) {
        InvalidateArea();
    }
    RunFadeTimer(state_.TimerNeeded());
}

bool TDynamicFrame::ForwardMouse(UINT message, WPARAM, LPARAM lParam) {
    const Point at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const bool inside = visible_ && Contains(bounds_, at);
    const Point local{at.x - bounds_.left, at.y - bounds_.top};
    if (!inside && !pressed_) {
        return false;
    }
    if (!state_.Enabled()) {
        pressed_ = false; // swallowed
        return inside;
    }
    switch (message) {
    case WM_MOUSEMOVE:
        if (OnMouseMove) {
            OnMouseMove(local);
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        pressed_ = true;
        if (OnMouseDown) {
            OnMouseDown(0, local);
        }
        if (message == WM_LBUTTONDBLCLK && OnDblClick) {
            OnDblClick();
        }
        break;
    case WM_LBUTTONUP: {
        const bool click = pressed_ && inside;
        pressed_ = false;
        if (OnMouseUp) {
            OnMouseUp(0, local);
        }
        if (click && OnClick) {
            auto handler = OnClick;
            handler();
        }
        break;
    }
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (OnMouseDown) {
            OnMouseDown(message == WM_RBUTTONDOWN ? 1 : 2, local);
        }
        break;
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if (OnMouseUp) {
            OnMouseUp(message == WM_RBUTTONUP ? 1 : 2, local);
        }
        break;
    default:
        return false;
    }
    return inside;
}

} // namespace traxo
