#pragma once
// The real desktop behind the poll: key states, the cursor, the foreground program, the
// monitors, injected mouse events and Timer1 of the main window.

#include "capture/CaptureDesktop.h"
#include "capture/ForegroundPath.h"

#include <windows.h>

#include <string>

namespace traxo {

// The executable path of the process that owns window; empty when it cannot be read (a system
// process, no access, no process-status library).
std::u16string ExePathOfWindow(HWND window);

class WindowsCaptureDesktop final : public CaptureDesktop {
public:
    // The poll runs on timer timerId of window.
    WindowsCaptureDesktop(HWND window, UINT_PTR timerId) : window_(window), timerId_(timerId) {}

    KeyStates ReadKeyStates(KeysToRead wanted) override;
    Point CursorPos() override;
    Point CursorPosOfMessage() override;
    WindowHandle ForegroundWindow() override;
    std::u16string ForegroundProgramPath() override;
    std::vector<Rect> MonitorBounds() override;
    bool MouseButtonsSwapped() override;
    void InjectMouse(MouseInjection event) override;
    void SetPollInterval(int milliseconds) override;

private:
    HWND window_;
    UINT_PTR timerId_;
    Point lastCursor_; // given again while the cursor cannot be read (a locked desktop)
    ForegroundPathCache foregroundPath_;
};

} // namespace traxo
