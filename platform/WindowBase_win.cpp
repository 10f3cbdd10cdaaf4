#include "platform/WindowBase_win.h"

#include <set>
#include <string>

namespace traxo {
namespace {

class MessageBoxDisplay final : public ErrorDisplay {
public:
    void ShowError(std::u16string_view text) override {
        const std::wstring wide(text.begin(), text.end());
        MessageBoxW(GetActiveWindow(), wide.c_str(), L"Traxo", MB_OK | MB_ICONERROR);
    }
    std::uint64_t NowMs() override { return GetTickCount64(); }
};

// A window made by CreateHandlerWindow: owned by its window, deleted when that goes.
class HandlerWindow final : public WindowBase {
public:
    explicit HandlerWindow(MessageHandler handler) : handler_(std::move(handler)) {}
    using WindowBase::CreateFor;
    bool* gone = nullptr; // told when the window ends while it is being created

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        return handler_(hwnd(), message, wParam, lParam);
    }
    void WindowGone() override {
        if (gone != nullptr) {
            *gone = true;
        }
        delete this;
    }

private:
    MessageHandler handler_;
};

// The timers alive: a tick that outlives its timer's object is dropped.
std::set<const CallbackTimer*>& LiveTimers() {
    static std::set<const CallbackTimer*> timers;
    return timers;
}

} // namespace

ExceptionGuard& WindowGuard() {
    static MessageBoxDisplay display;
    static ExceptionGuard guard(display);
    return guard;
}

void RegisterWindowClass(WNDCLASSEXW windowClass) {
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = nullptr;
    if (windowClass.hInstance == nullptr) {
        windowClass.hInstance = GetModuleHandleW(nullptr);
    }
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(windowClass.hInstance, windowClass.lpszClassName, &existing)) {
        return;
    }
    windowClass.lpfnWndProc = WindowBase::WindowProc;
    RegisterClassExW(&windowClass);
}

WindowBase::~WindowBase() {
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
}

HWND WindowBase::CreateFor(DWORD exStyle, const wchar_t* className, const wchar_t* title,
                           DWORD style, RECT bounds, HWND parent, HMENU menu) {
    return CreateWindowExW(exStyle, className, title, style, bounds.left, bounds.top,
                           bounds.right - bounds.left, bounds.bottom - bounds.top, parent, menu,
                           GetModuleHandleW(nullptr), this);
}

LRESULT WindowBase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultHandling(message, wParam, lParam);
}

LRESULT WindowBase::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK WindowBase::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created =
            static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        created->hwnd_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* self = reinterpret_cast<WindowBase*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    const LRESULT result = RunGuarded([&] { return self->HandleMessage(message, wParam, lParam); },
                                      [&]() -> LRESULT {
                                          // The window goes on with what it had; a failed paint is
                                          // not asked for again at once.
                                          if (message == WM_PAINT) {
                                              ValidateRect(window, nullptr);
                                          }
                                          return 0;
                                      });
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->WindowGone();
    }
    return result;
}

HWND CreateHandlerWindow(const wchar_t* className, DWORD style, RECT bounds, HWND parent, int id,
                         MessageHandler handler) {
    auto* window = new HandlerWindow(std::move(handler));
    bool gone = false;
    window->gone = &gone;
    const HWND created = window->CreateFor(0, className, L"", style, bounds, parent,
                                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
    if (created != nullptr) {
        window->gone = nullptr;
    } else if (!gone) {
        delete window; // refused before the window existed
    }
    return created;
}

CallbackTimer::CallbackTimer(HWND window, std::function<void()> onTick)
    : window_(window), onTick_(std::move(onTick)) {
    LiveTimers().insert(this);
}

CallbackTimer::~CallbackTimer() {
    Stop();
    LiveTimers().erase(this);
}

bool CallbackTimer::Start(UINT intervalMs) {
    // The window's timer is told apart from its others by this object's address.
    running_ = SetTimer(window_, reinterpret_cast<UINT_PTR>(this), intervalMs,
                        &CallbackTimer::TimerProc) != 0;
    return running_;
}

void CallbackTimer::Stop() {
    if (running_) {
        KillTimer(window_, reinterpret_cast<UINT_PTR>(this));
        running_ = false;
    }
}

void CALLBACK CallbackTimer::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    auto* timer = reinterpret_cast<CallbackTimer*>(id);
    if (LiveTimers().count(timer) == 0) {
        return;
    }
    RunGuarded([timer] { timer->onTick_(); }, [] {});
}

} // namespace traxo
