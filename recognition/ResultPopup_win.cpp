#include "recognition/ResultPopup_win.h"

namespace traxo {

// The window's painting arrives with the paint canvas; until then it only places and slides.
struct TfrmInfo::Impl {
    PopupSlide slide;
    PopupContent content;
};

TfrmInfo::TfrmInfo(HWND owner) : impl_(std::make_unique<Impl>()) {
    CreateForm(L"TfrmInfo", L"", WS_POPUP, WS_EX_NOACTIVATE | WS_EX_TOPMOST | WS_EX_TOOLWINDOW,
               SIZE{kPopupClientSize.width, kPopupClientSize.height}, owner);
}

TfrmInfo::~TfrmInfo() = default;

void TfrmInfo::ShowResult(const PopupContent& content) {
    impl_->content = content;
    Apply(impl_->slide.Show({GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)},
                            kPopupClientSize));
}

void TfrmInfo::Apply(const PopupSlide::Step& step) {
    if (!step.visible) {
        KillTimer(hwnd(), kHideTimerId);
        ShowWindow(hwnd(), SW_HIDE);
        return;
    }
    SetWindowPos(hwnd(), HWND_TOPMOST, step.topLeft.x, step.topLeft.y, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE);
    ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
    SetTimer(hwnd(), kHideTimerId, static_cast<UINT>(step.timerMs), nullptr);
}

void TfrmInfo::timerHideTimer() {
    Apply(impl_->slide.Tick());
}

void TfrmInfo::Paint(HDC) {}

LRESULT TfrmInfo::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kHideTimerId) {
        timerHideTimer();
        return 0;
    }
    if (message == WM_MOUSEACTIVATE) {
        return MA_NOACTIVATE;
    }
    return FormWindow::HandleMessage(message, wParam, lParam);
}

} // namespace traxo
