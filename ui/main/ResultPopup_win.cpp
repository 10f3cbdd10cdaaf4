#include "ui/main/ResultPopup_win.h"

#include "controls/AccessibleObject_win.h"
#include "controls/DynamicFrame_win.h"
#include "controls/DynamicLook.h"
#include "platform/Dpi_win.h"
#include "platform/GdiPaintCanvas_win.h"
#include "platform/OffscreenBitmap_win.h"
#include "platform/ScopedWin_win.h"
#include "ui/main/MainWindowAccessible.h"

namespace traxo {
namespace {

// Where the background picture is missing (a test host without the program's resources) the
// popup keeps its colour, so the labels stay readable.
constexpr COLORREF kBackgroundFallback = RGB(52, 62, 74);

DynamicLook FrameLook(DpiScale scale) {
    DynamicLook look = DefaultFrameLook();
    look.Colour = kColourNone; // no fill: the background shows through
    look.SelectedColour = kColourNone;
    look.MouseDownColour = kColourNone;
    look.BorderColour = kPopupFrameColour;
    look.SelectedBorderColour = kPopupFrameColour;
    look.FrameWidth = scale(2);
    look.CornerWidth = scale(3);
    look.Shape = fsRectangle;
    look.FadeInTime = 200;
    look.FadeOutTime = 300;
    return look;
}

} // namespace

struct TfrmInfo::Impl {
    PopupSlide slide;
    PopupContent content;
    OffscreenBitmap offscreen;
    GdiObjectCache objects;
    ScopedBitmap background;
    std::unique_ptr<TDynamicFrame> frame;
    DpiScale scale;
    Language language = Language::English;
    AccessibleHost accessible; // an alert that says the result

    Size Client() const { return ScaledSize(kPopupClientSize, scale); }
};

TfrmInfo::TfrmInfo(HWND owner) : impl_(std::make_unique<Impl>()) {
    impl_->background.reset(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kPopupBackgroundId), IMAGE_BITMAP, 0,
                   0, LR_CREATEDIBSECTION)));
    impl_->scale = DpiScale{ScreenDpi()}; // the primary monitor's, where the popup shows
    const Size client = impl_->Client();
    CreateForm(L"TfrmInfo", L"", WS_POPUP | WS_BORDER,
               WS_EX_NOACTIVATE | WS_EX_TOPMOST | WS_EX_TOOLWINDOW,
               SIZE{client.width, client.height}, owner);
    if (hwnd() != nullptr) {
        impl_->frame = std::make_unique<TDynamicFrame>(
            hwnd(), Rect{0, 0, client.width, client.height}, FrameLook(impl_->scale));
    }
    auto provider = std::make_unique<FunctionAccessible>();
    provider->describe = [impl = impl_.get()](int) {
        return DescribePopup(impl->content, impl->language);
    };
    impl_->accessible.SetProvider(std::move(provider));
}

// The popup is sized for its monitor's DPI whenever it shows, and when that monitor's DPI
// changes while it is up.
void TfrmInfo::FollowDpi(int dpi) {
    if (dpi == impl_->scale.dpi) {
        return;
    }
    impl_->scale = DpiScale{dpi};
    const Size client = impl_->Client();
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_EXSTYLE));
    const Size frame = FrameSizeAtDpi(client, style, exStyle, dpi);
    SetWindowPos(hwnd(), nullptr, 0, 0, frame.width, frame.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (impl_->frame) {
        impl_->frame->SetLook(FrameLook(impl_->scale));
        impl_->frame->SetBounds({0, 0, client.width, client.height});
    }
}

TfrmInfo::~TfrmInfo() {
    if (hwnd() != nullptr) {
        KillTimer(hwnd(), kHideTimerId);
    }
    impl_->frame.reset(); // its fade timer belongs to this window
}

void TfrmInfo::ShowResult(const PopupContent& content, Language language) {
    if (hwnd() == nullptr) {
        return;
    }
    impl_->content = content;
    impl_->language = language;
    FollowDpi(WindowDpi(hwnd()));
    // The window's outer size, which is what goes into the corner.
    RECT frame{};
    GetWindowRect(hwnd(), &frame);
    const Size window{frame.right - frame.left, frame.bottom - frame.top};
    Apply(
        impl_->slide.Show({GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, window));
    InvalidateRect(hwnd(), nullptr, FALSE);
    UpdateWindow(hwnd());
    AccessibleHost::Notify(hwnd(), EVENT_SYSTEM_ALERT, CHILDID_SELF);
}

void TfrmInfo::Apply(const PopupSlide::Step& step) {
    if (!step.visible) {
        KillTimer(hwnd(), kHideTimerId);
        SetWindowPos(hwnd(), nullptr, step.topLeft.x, step.topLeft.y, 0, 0,
                     SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOZORDER | SWP_HIDEWINDOW);
        return;
    }
    // On top of the always-on-top windows, never activated.
    SetWindowPos(hwnd(), HWND_TOPMOST, step.topLeft.x, step.topLeft.y, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    if (!IsWindowVisible(hwnd())) {
        ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
    }
    SetTimer(hwnd(), kHideTimerId, static_cast<UINT>(step.timerMs), nullptr);
}

void TfrmInfo::timerHideTimer() {
    Apply(impl_->slide.Tick());
}

void TfrmInfo::Paint(HDC dc) {
    const Size client = impl_->Client();
    const int width = client.width;
    const int height = client.height;
    if (!impl_->offscreen.Resize(width, height)) {
        return;
    }
    const HDC memory = impl_->offscreen.Dc();
    if (impl_->background != nullptr) {
        const ScopedBitmapDc source(memory, impl_->background);
        // From the corner: the part of the picture the design shows, stretched by the scale.
        SetStretchBltMode(memory, HALFTONE);
        SetBrushOrgEx(memory, 0, 0, nullptr);
        StretchBlt(memory, 0, 0, width, height, source.get(), 0, 0, kPopupClientSize.width,
                   kPopupClientSize.height, SRCCOPY);
    } else {
        const RECT all{0, 0, width, height};
        SetDCBrushColor(memory, kBackgroundFallback);
        FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    }
    {
        GdiPaintCanvas canvas(memory, &impl_->objects);
        PaintResultPopup(canvas, impl_->content, impl_->scale);
        if (impl_->frame) {
            impl_->frame->Paint(canvas);
        }
    }
    impl_->offscreen.Copy(dc, 0, 0);
}

LRESULT TfrmInfo::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam == kHideTimerId) {
            timerHideTimer();
            return 0;
        }
        break;
    case WM_DPICHANGED:
        FollowDpi(DpiOfChangedMessage(wParam)); // the slide places it; the suggestion is not used
        return 0;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_GETOBJECT:
        if (const LRESULT object = impl_->accessible.Answer(hwnd(), wParam, lParam); object != 0) {
            return object;
        }
        break;
    case WM_ERASEBKGND:
        return 1; // the whole client area is painted in one block
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(hwnd(), &paint);
        Paint(dc);
        EndPaint(hwnd(), &paint);
        return 0;
    }
    case WM_CLOSE:
        KillTimer(hwnd(), kHideTimerId);
        ShowWindow(hwnd(), SW_HIDE); // kept for the rest of the run
        return 0;
    default:
        break;
    }
    return FormWindow::HandleMessage(message, wParam, lParam);
}

} // namespace traxo
