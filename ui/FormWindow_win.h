#pragma once
// The one window-procedure pattern of the program's windows: the static procedure finds the
// object through GWLP_USERDATA (stored from lpCreateParams, cleared on WM_NCDESTROY) and hands
// every message to its HandleMessage.

#include <windows.h>

namespace traxo {

class FormWindow {
public:
    virtual ~FormWindow();
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    HWND hwnd() const { return hwnd_; }

protected:
    FormWindow() = default;

    // Registers the class on first use and creates the window hidden, centred on the primary
    // monitor with the given client size. False when the system refuses. classStyle is the
    // class's CS_ style, taken when the class is registered.
    bool CreateForm(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle,
                    SIZE clientSize, HWND owner, UINT classStyle = 0);

    // Messages not handled go to DefaultHandling.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
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
