#include "app/TrayIcon_win.h"

#include "app/EngineTexts.h"
#include "platform/ScopedWin_win.h"
#include "platform/WideText_win.h"

#include <cwchar>
#include <string>

namespace traxo {
namespace {

constexpr UINT kIconId = 1;

void CopyText(wchar_t* target, std::size_t capacity, std::u16string_view text) {
    const std::wstring wide = WideText(text.substr(0, capacity - 1));
    wcsncpy(target, wide.c_str(), capacity - 1);
    target[capacity - 1] = L'\0';
}

} // namespace

TrayIcon::TrayIcon(HWND window, HICON icon, TrayOwner& owner)
    : window_(window), icon_(icon), owner_(owner),
      taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {}

TrayIcon::~TrayIcon() {
    Hide();
    KillTimer(window_, kTrayTimerId);
}

NOTIFYICONDATAW TrayIcon::Data(UINT flags) const {
    // The size of the version-2 record, which every shell since Windows 2000 takes; the
    // balloon fields are part of it.
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V2_SIZE;
    data.hWnd = window_;
    data.uID = kIconId;
    data.uFlags = flags;
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = icon_;
    CopyText(data.szTip, std::size(data.szTip), tip_);
    return data;
}

void TrayIcon::FollowState() {
    std::u16string tip = TrayTipText(owner_.IsActive(), owner_.CurrentLanguage());
    if (tip == tip_) {
        return;
    }
    tip_ = std::move(tip);
    if (visible_) {
        NOTIFYICONDATAW data = Data(NIF_TIP);
        if (Shell_NotifyIconW(NIM_MODIFY, &data) == FALSE) {
            tip_.clear(); // refused: tried again next time
        }
    }
}

void TrayIcon::ShowAtStart() {
    if (!Show()) {
        Hide();
        meantVisible_ = true;
        SetTimer(window_, kTrayTimerId, kTrayTimerInterval, nullptr);
    }
}

bool TrayIcon::Show() {
    meantVisible_ = true;
    tip_ = TrayTipText(owner_.IsActive(), owner_.CurrentLanguage());
    NOTIFYICONDATAW data = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP);
    if (visible_) {
        return true;
    }
    visible_ = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
    if (!visible_) {
        // Already there from before a restart of the window: take it over.
        visible_ = Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
    }
    return visible_;
}

void TrayIcon::Hide() {
    meantVisible_ = false;
    if (!visible_) {
        return;
    }
    NOTIFYICONDATAW data = Data(0);
    Shell_NotifyIconW(NIM_DELETE, &data); // a failure here leaves nothing to do
    visible_ = false;
}

void TrayIcon::trayTimerTimer() {
    if (visible_) {
        KillTimer(window_, kTrayTimerId);
        return;
    }
    if (Show()) {
        KillTimer(window_, kTrayTimerId);
        return;
    }
    Hide();
    meantVisible_ = true; // still wanted: the timer tries again
}

bool TrayIcon::ShowBalloon(std::u16string_view title, std::u16string_view text, UINT seconds) {
    if (!visible_) {
        return false;
    }
    NOTIFYICONDATAW data = Data(NIF_INFO);
    CopyText(data.szInfoTitle, std::size(data.szInfoTitle), title);
    CopyText(data.szInfo, std::size(data.szInfo), text);
    data.uTimeout = seconds * 1000;
    data.dwInfoFlags = NIIF_INFO;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

bool TrayIcon::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    if (message == kCallbackMessage) {
        if (wParam == kIconId) {
            FollowState();
            OnIconMessage(static_cast<UINT>(LOWORD(lParam)));
        }
        return true;
    }
    if (taskbarCreated_ != 0 && message == taskbarCreated_) {
        // The shell restarted and forgot every icon.
        if (meantVisible_) {
            visible_ = false;
            if (!Show()) {
                SetTimer(window_, kTrayTimerId, kTrayTimerInterval, nullptr);
            }
        }
        return true;
    }
    if (message == WM_TIMER && wParam == kTrayTimerId) {
        trayTimerTimer();
        return true;
    }
    if (message == WM_ENDSESSION && wParam != FALSE) {
        Hide(); // shutdown or log-off; the window goes on handling the message
        return false;
    }
    return false;
}

void TrayIcon::OnIconMessage(UINT mouseMessage) {
    switch (TrayActionFor(mouseMessage)) {
    case TrayMouseAction::Configure:
        owner_.Settings1Click();
        break;
    case TrayMouseAction::ShowMenu: {
        POINT at{};
        GetCursorPos(&at);
        PopupIcon(at);
        break;
    }
    case TrayMouseAction::None:
        break;
    }
}

void TrayIcon::PopupIcon(POINT at) {
    const ScopedMenu menu(CreatePopupMenu());
    if (menu.get() == nullptr) {
        return;
    }
    for (const TrayMenuEntry& entry :
         BuildTrayMenu(owner_.CurrentLanguage(), owner_.IsActive(), owner_.WillAutoStart())) {
        if (entry.command == kTraySeparator) {
            AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const std::wstring caption = WideText(entry.caption);
        AppendMenuW(menu.get(), MF_STRING | (entry.checked ? MF_CHECKED : MF_UNCHECKED),
                    entry.command, caption.c_str());
        if (entry.isDefault) {
            SetMenuDefaultItem(menu.get(), entry.command, FALSE);
        }
    }
    // The menu closes when the user clicks elsewhere only if the window is in front.
    SetForegroundWindow(window_);
    const UINT chosen =
        static_cast<UINT>(TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON,
                                         at.x, at.y, 0, window_, nullptr));
    PostMessageW(window_, WM_NULL, 0, 0);
    switch (chosen) {
    case mnActive:
        owner_.mnActiveClick();
        break;
    case mnConfigure:
        owner_.Settings1Click();
        break;
    case mnAutostart:
        owner_.mnAutostartClick();
        break;
    case mnExit:
        owner_.mnExitClick();
        break;
    default:
        break;
    }
}

} // namespace traxo
