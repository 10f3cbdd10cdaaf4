#pragma once
// A top-level window of the program: its class registered on first use with the program's icon,
// made hidden and centred on the primary monitor. Its messages come through the one window
// procedure and its guard (platform/WindowBase_win.h).

#include "platform/WindowBase_win.h"

#include <windows.h>

namespace traxo {

class FormWindow : public WindowBase {
protected:
    FormWindow() = default;

    // Registers the class on first use and creates the window hidden, centred on the primary
    // monitor with the given client size. False when the system refuses. classStyle is the
    // class's CS_ style, taken when the class is registered.
    bool CreateForm(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle,
                    SIZE clientSize, HWND owner, UINT classStyle = 0);
};

// The dialogs that exist from the start and are reused; each keeps its own class name.
class PlaceholderForm : public FormWindow {
protected:
    PlaceholderForm(const wchar_t* className, const wchar_t* title, HWND owner) {
        CreateForm(className, title, WS_CAPTION | WS_SYSMENU | WS_POPUP, WS_EX_DLGMODALFRAME,
                   SIZE{400, 300}, owner);
    }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_CLOSE) { // closing a dialog only hides it
            ShowWindow(hwnd(), SW_HIDE);
            return 0;
        }
        return FormWindow::HandleMessage(message, wParam, lParam);
    }
};

} // namespace traxo
