#pragma once
// The notification-area icon with its menu popupIcon. The main window creates one, forwards its
// messages to HandleMessage (the icon's callback, "TaskbarCreated", the retry timer, the end of
// the session); a TrayOwner (the gesture engine) carries out what the icon and its menu ask for.

#include "app/EngineServices.h"
#include "app/TrayMenu.h"
#include "platform/Language.h"

#include <windows.h>

#include <shellapi.h>
#include <string_view>

namespace traxo {

class TrayIcon final : public TrayNotices {
public:
    // The icon's notifications arrive at `window` as this message.
    static constexpr UINT kCallbackMessage = WM_APP + 0x3E7;
    // trayTimer: retries showing the icon every 5000 ms after a failure.
    static constexpr UINT_PTR kTrayTimerId = 0x7471;
    static constexpr UINT kTrayTimerInterval = 5000;

    // `owner` must outlive the icon. The icon is not shown yet.
    TrayIcon(HWND window, HICON icon, TrayOwner& owner);
    ~TrayIcon(); // removes the icon
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // FormCreate's step: show the icon; when the shell is not ready, hide it again and start
    // trayTimer, which retries.
    void ShowAtStart();
    // Adds the icon (or confirms it); false when the shell refuses.
    bool Show();
    void Hide();
    bool Visible() const { return visible_; }
    // The tooltip names the state (active or inactive) in the owner's language: called when the
    // state or the language changes, and before the icon's own messages.
    void FollowState();
    bool MeantToBeVisible() const { return meantVisible_; }

    void trayTimerTimer();

    // The first-run balloon: information icon, shown for `seconds`.
    bool ShowBalloon(std::u16string_view title, std::u16string_view text, UINT seconds);
    void ShowNotice(std::u16string_view title, std::u16string_view text,
                    unsigned seconds) override {
        ShowBalloon(title, text, seconds);
    }

    // true when the message was the icon's; `result` is then what the window returns.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // Opens popupIcon at the given screen point and carries out the chosen entry.
    void PopupIcon(POINT at);

private:
    NOTIFYICONDATAW Data(UINT flags) const;
    void OnIconMessage(UINT mouseMessage);

    HWND window_;
    HICON icon_;
    TrayOwner& owner_;
    UINT taskbarCreated_;
    bool visible_ = false;
    bool meantVisible_ = false;
    std::u16string tip_; // as the shell was last given it
};

} // namespace traxo
