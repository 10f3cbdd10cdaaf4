#include "controls/DynamicWindow_win.h"

#include <windowsx.h>

namespace traxo {
namespace {

constexpr UINT_PTR kFadeTimer = 1;
constexpr UINT kFadeInterval = 10;

void RegisterControlClass(const wchar_t* className) {
    WNDCLASSEXW windowClass{};
    windowClass.style = CS_DBLCLKS;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = nullptr; // everything is painted through the bitmap
    windowClass.lpszClassName = className;
    RegisterWindowClass(windowClass);
}

int ButtonOf(UINT message) {
    switch (message) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        return 1;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        return 2;
    default:
        return 0;
    }
}

// A handler is copied before it runs: it may replace itself or end the control.
template <typename Handler, typename... Args> void Fire(const Handler& handler, Args... args) {
    if (handler) {
        Handler copy = handler;
        copy(args...);
    }
}

} // namespace

DynamicWindow::DynamicWindow(const wchar_t* className, HWND parent, Rect bounds, DWORD style) {
    RegisterControlClass(className);
    CreateFor(0, className, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style,
              RECT{bounds.left, bounds.top, bounds.right, bounds.bottom}, parent);
}

DynamicWindow::~DynamicWindow() {
    // Gone while this class's handler and bitmap are still here.
    if (hwnd() != nullptr) {
        DestroyWindow(hwnd());
    }
}

void DynamicWindow::SetBounds(Rect bounds) {
    MoveWindow(hwnd(), bounds.left, bounds.top, bounds.right - bounds.left,
               bounds.bottom - bounds.top, TRUE);
}

Rect DynamicWindow::Bounds() const {
    RECT area{};
    GetWindowRect(hwnd(), &area);
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd()), reinterpret_cast<POINT*>(&area), 2);
    return {area.left, area.top, area.right, area.bottom};
}

void DynamicWindow::SetVisible(bool visible) {
    ShowWindow(hwnd(), visible ? SW_SHOWNA : SW_HIDE);
}

bool DynamicWindow::Visible() const {
    return (GetWindowLongPtrW(hwnd(), GWL_STYLE) & WS_VISIBLE) != 0;
}

void DynamicWindow::Invalidate() {
    if (hwnd() != nullptr) {
        InvalidateRect(hwnd(), nullptr, FALSE);
    }
}

bool DynamicWindow::FocusCueShown() const {
    const auto state = SendMessageW(hwnd(), WM_QUERYUISTATE, 0, 0);
    return GetFocus() == hwnd() && (state & UISF_HIDEFOCUS) == 0;
}

bool DynamicWindow::AccessKeysShown() const {
    return (SendMessageW(hwnd(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) == 0;
}

void DynamicWindow::SyncFadeTimer() {
    const bool needed = TimerNeeded();
    if (hwnd() == nullptr || needed == timerRunning_) {
        return;
    }
    if (needed) {
        timerRunning_ = SetTimer(hwnd(), kFadeTimer, kFadeInterval, nullptr) != 0;
    } else {
        KillTimer(hwnd(), kFadeTimer);
        timerRunning_ = false;
    }
}

void DynamicWindow::OnPaint() {
    PAINTSTRUCT paint{};
    HDC target = BeginPaint(hwnd(), &paint);
    RECT client{};
    GetClientRect(hwnd(), &client);
    if (target != nullptr && offscreen_.Resize(client.right, client.bottom)) {
        {
            GdiPaintCanvas canvas(offscreen_.Dc(), &objects_);
            Paint(canvas, {client.right, client.bottom});
        }
        offscreen_.Copy(target, 0, 0);
    }
    EndPaint(hwnd(), &paint);
}

void DynamicWindow::SetInside(bool inside) {
    inside_ = inside;
    if (inside) {
        MouseEntered();
    } else {
        MouseLeft();
    }
    SyncFadeTimer();
    Invalidate();
    if (EventsEnabled()) {
        Fire(inside ? OnMouseEnter : OnMouseExit);
    }
}

void DynamicWindow::TrackMouse(LPARAM lParam) {
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    RECT client{};
    GetClientRect(hwnd(), &client);
    const bool inside = PtInRect(&client, at) != 0;
    if (!tracking_) {
        TRACKMOUSEEVENT track{};
        track.cbSize = sizeof(track);
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = hwnd();
        tracking_ = TrackMouseEvent(&track) != 0;
    }
    if (inside != inside_) {
        SetInside(inside); // also while the mouse is captured and dragged off and back
    } else if (inside) {
        MouseMoved();
        SyncFadeTimer();
    }
    if (EventsEnabled()) {
        Fire(OnMouseMove, Point{at.x, at.y});
    }
}

void DynamicWindow::HandleButton(UINT message, LPARAM lParam) {
    const Point at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const int button = ButtonOf(message);
    const bool down = message != WM_LBUTTONUP && message != WM_RBUTTONUP && message != WM_MBUTTONUP;
    if (down) {
        if (!capturing_) {
            SetCapture(hwnd());
            capturing_ = true;
        }
        if (button == 0) {
            leftDown_ = true;
        }
        MousePressed(button);
        SyncFadeTimer();
        Invalidate();
        if (EventsEnabled()) {
            Fire(OnMouseDown, button, at);
            if (message == WM_LBUTTONDBLCLK) {
                Fire(OnDblClick);
            }
        }
        return;
    }
    RECT client{};
    GetClientRect(hwnd(), &client);
    const bool inside = PtInRect(&client, POINT{at.x, at.y}) != 0;
    const bool wasLeftDown = leftDown_;
    if (button == 0) {
        leftDown_ = false;
    }
    if (capturing_ && (wParamButtons_ & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0) {
        capturing_ = false;
        ReleaseCapture();
    }
    const bool click = MouseReleased(button, inside) && wasLeftDown && button == 0;
    if (!inside && inside_) {
        SetInside(false);
    }
    SyncFadeTimer();
    Invalidate();
    const bool enabled = EventsEnabled();
    if (enabled) {
        Fire(OnMouseUp, button, at);
    }
    if (click && enabled) {
        Fire(OnClick); // last: the handler may end the control
    }
}

void DynamicWindow::EndPress(bool inside) {
    const bool click = MouseReleased(0, inside);
    SyncFadeTimer();
    Invalidate();
    if (click && EventsEnabled()) {
        Fire(OnClick); // last: the handler may end the control
    }
}

void DynamicWindow::HandleKey(UINT message, WPARAM key, LPARAM flags) {
    const bool repeat = (flags & (1 << 30)) != 0;
    if (message == WM_KEYDOWN && key == VK_RETURN) {
        MousePressed(0);
        EndPress(true);
    } else if (message == WM_KEYDOWN && key == VK_SPACE && !repeat && !leftDown_) {
        spaceDown_ = true;
        MousePressed(0);
        SyncFadeTimer();
        Invalidate();
    } else if (message == WM_KEYUP && key == VK_SPACE && spaceDown_) {
        spaceDown_ = false;
        EndPress(true);
    }
}

LRESULT DynamicWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // the bitmap covers every pixel
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_PRINTCLIENT: {
        RECT client{};
        GetClientRect(hwnd(), &client);
        if (offscreen_.Resize(client.right, client.bottom)) {
            {
                GdiPaintCanvas canvas(offscreen_.Dc(), &objects_);
                Paint(canvas, {client.right, client.bottom});
            }
            offscreen_.Copy(reinterpret_cast<HDC>(wParam), 0, 0);
        }
        return 0;
    }
    case WM_TIMER:
        if (wParam == kFadeTimer) {
            FadeTick();
            SyncFadeTimer();
            return 0;
        }
        break;
    case WM_MOUSEMOVE:
        TrackMouse(lParam);
        return 0;
    case WM_MOUSELEAVE:
        tracking_ = false;
        if (!capturing_ && inside_) {
            SetInside(false);
        }
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        wParamButtons_ = wParam;
        HandleButton(message, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        if (capturing_ && reinterpret_cast<HWND>(lParam) != hwnd()) {
            // Taken away (a menu, a dialog): the press ends without a click.
            capturing_ = false;
            if (leftDown_) {
                leftDown_ = false;
                MouseReleased(0, false);
                SyncFadeTimer();
                Invalidate();
            }
        }
        return 0;
    case WM_GETDLGCODE: {
        // A dialog hands Enter to the focused control, which presses it.
        const auto* asked = reinterpret_cast<const MSG*>(lParam);
        const bool enter =
            asked != nullptr && asked->message == WM_KEYDOWN && asked->wParam == VK_RETURN;
        return DLGC_BUTTON | (enter ? DLGC_WANTMESSAGE : 0);
    }
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (wParam == VK_SPACE || wParam == VK_RETURN) {
            HandleKey(message, wParam, lParam);
            return 0;
        }
        break;
    case WM_SETFOCUS:
        Invalidate();
        break;
    case WM_KILLFOCUS:
        if (spaceDown_) { // the focus left with Space still down: no click
            spaceDown_ = false;
            EndPress(false);
        }
        Invalidate();
        break;
    case WM_UPDATEUISTATE: {
        const LRESULT result = DefaultHandling(message, wParam, lParam);
        Invalidate();
        return result;
    }
    case WM_SIZE:
        Invalidate();
        break;
    case WM_GETOBJECT:
        if (const LRESULT object = accessible_.Answer(hwnd(), wParam, lParam); object != 0) {
            return object;
        }
        break;
    case WM_DESTROY:
        KillTimer(hwnd(), kFadeTimer);
        timerRunning_ = false;
        break;
    default:
        break;
    }
    return DefaultHandling(message, wParam, lParam);
}

} // namespace traxo
