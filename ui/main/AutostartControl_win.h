#pragma once
// The autostart entry as the main window uses it: the tray menu's and options dialog's toggle,
// the check mark, and regCheckTimer's one question five seconds after start. A registry that
// refuses gets one message; nothing else changes and the program goes on.

#include "app/Autostart.h"
#include "app/EngineServices.h"

#include <windows.h>

#include <functional>
#include <string>

namespace traxo {

class AutostartControl final : public AutostartSwitch {
public:
    // regCheckTimer: runs once, 5000 ms after start.
    static constexpr UINT_PTR kRegCheckTimerId = 0x7472;
    static constexpr UINT kRegCheckInterval = 5000;

    // owner: the main window (timer, message boxes). store must outlive this object.
    AutostartControl(HWND owner, StringValueStore& store, std::u16string exePath,
                     std::function<Language()> language);

    void StartCheckTimer(); // at start
    bool willAutoStart();
    // mnAutostartClick; returns the new check mark.
    bool mnAutostartClick();
    void regCheckTimerTimer();
    void IsAutoStartOK();

    bool WillAutoStart() override { return willAutoStart(); }
    void ToggleAutoStart() override { mnAutostartClick(); }
    void StartCheck() override { StartCheckTimer(); }

    // true for the control's own timer message.
    bool HandleMessage(UINT message, WPARAM wParam);

private:
    void ReportRefusal();

    HWND owner_;
    Autostart autostart_;
    std::function<Language()> language_;
};

} // namespace traxo
