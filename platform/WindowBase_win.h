#pragma once
// The one window procedure of the program. Every window and windowed control derives from
// WindowBase: the procedure stores the object from lpCreateParams in GWLP_USERDATA, clears it on
// WM_NCDESTROY and hands each message to HandleMessage inside the one exception guard. Timer
// callbacks and subclass procedures enter through the same guard (CallbackTimer, RunGuarded).

#include "platform/ExceptionGuard.h"

#include <windows.h>

#include <functional>

namespace traxo {

// The program's guard: an exception is shown in a message box titled "Traxo".
ExceptionGuard& WindowGuard();

// Runs `handler` inside the program's guard; `fallback()` is the result when it throws.
template <typename Handler, typename Fallback>
auto RunGuarded(Handler&& handler, Fallback&& fallback) noexcept -> decltype(handler()) {
    return WindowGuard().Run(std::forward<Handler>(handler), std::forward<Fallback>(fallback));
}

// Registers the class once (a class already registered is kept), with the one window procedure.
void RegisterWindowClass(WNDCLASSEXW windowClass);

class WindowBase {
public:
    virtual ~WindowBase(); // destroys the window if it is still there
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;

    HWND hwnd() const { return hwnd_; }

protected:
    WindowBase() = default;

    // Creates a window of a class registered with RegisterWindowClass, handled by this object.
    HWND CreateFor(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style,
                   RECT bounds, HWND parent, HMENU menu = nullptr);

    // Messages not handled go to DefaultHandling.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);
    // After WM_NCDESTROY, when the window is gone.
    virtual void WindowGone() {}

private:
    friend void RegisterWindowClass(WNDCLASSEXW windowClass);
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
};

// A window whose messages go to a function; it lives as long as its window.
using MessageHandler = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;
HWND CreateHandlerWindow(const wchar_t* className, DWORD style, RECT bounds, HWND parent, int id,
                         MessageHandler handler);

// A timer of a window that an object without a window of its own runs: the ticks reach
// `onTick` through the guard, and the timer ends with the object.
class CallbackTimer {
public:
    CallbackTimer(HWND window, std::function<void()> onTick);
    ~CallbackTimer();
    CallbackTimer(const CallbackTimer&) = delete;
    CallbackTimer& operator=(const CallbackTimer&) = delete;

    bool Start(UINT intervalMs);
    void Stop();
    bool Running() const { return running_; }

private:
    static void CALLBACK TimerProc(HWND window, UINT message, UINT_PTR id, DWORD time);

    HWND window_;
    std::function<void()> onTick_;
    bool running_ = false;
};

} // namespace traxo
