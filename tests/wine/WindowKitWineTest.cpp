// The one window procedure and its guard under the real system: a handler that throws shows one
// message box titled "Traxo", the window lives on and answers its next message, and the same goes
// for a timer callback and a window run by a function.
#include "platform/WindowBase_win.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace traxo {
namespace {

constexpr UINT kThrowMessage = WM_APP + 1;
constexpr UINT kAnswerMessage = WM_APP + 2;
constexpr wchar_t kTestClass[] = L"TraxoWindowKitTest";

// The message boxes seen (and closed) by the closer, a timer of whatever loop is running.
std::vector<std::wstring>& BoxesSeen() {
    static std::vector<std::wstring> seen;
    return seen;
}

void CALLBACK CloseErrorBox(HWND, UINT, UINT_PTR, DWORD) {
    static HWND lastClosed = nullptr;
    const HWND box = FindWindowW(L"#32770", L"Traxo");
    if (box == nullptr || box == lastClosed || !IsWindowVisible(box)) {
        return;
    }
    wchar_t text[256] = L"";
    GetDlgItemTextW(box, 0xFFFF, text, 256); // the message's static text
    BoxesSeen().emplace_back(text);
    lastClosed = box;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

class ErrorBoxCloser {
public:
    ErrorBoxCloser() : timer_(SetTimer(nullptr, 0, 30, CloseErrorBox)) { BoxesSeen().clear(); }
    ~ErrorBoxCloser() { KillTimer(nullptr, timer_); }

    // Runs the thread's messages until `count` boxes have been seen, for at most ten seconds.
    bool WaitForBoxes(std::size_t count) const {
        const ULONGLONG deadline = GetTickCount64() + 10000;
        while (BoxesSeen().size() < count && GetTickCount64() < deadline) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            MSG message{};
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                DispatchMessageW(&message);
            }
        }
        return BoxesSeen().size() >= count;
    }

private:
    UINT_PTR timer_;
};

class ThrowingWindow final : public WindowBase {
public:
    ThrowingWindow() {
        WNDCLASSEXW windowClass{};
        windowClass.lpszClassName = kTestClass;
        RegisterWindowClass(windowClass);
        CreateFor(0, kTestClass, L"kit test", WS_POPUP, RECT{0, 0, 80, 60}, nullptr);
    }
    std::string error = "handler failed";

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kThrowMessage) {
            throw std::runtime_error(error);
        }
        if (message == kAnswerMessage) {
            return 42;
        }
        return WindowBase::HandleMessage(message, wParam, lParam);
    }
};

TEST(WindowKit, AThrowingHandlerShowsOneMessageAndTheWindowLivesOn) {
    ErrorBoxCloser closer;
    ThrowingWindow window;
    ASSERT_NE(window.hwnd(), nullptr);
    window.error = "handler failed in the kit test";
    // The box is modal: the call returns once the closer has dismissed it.
    EXPECT_EQ(SendMessageW(window.hwnd(), kThrowMessage, 0, 0), 0);
    ASSERT_EQ(BoxesSeen().size(), 1u);
    EXPECT_EQ(BoxesSeen()[0], L"handler failed in the kit test");
    EXPECT_TRUE(IsWindow(window.hwnd()));
    EXPECT_EQ(SendMessageW(window.hwnd(), kAnswerMessage, 0, 0), 42);
    // The same failure at once again is not shown a second time.
    EXPECT_EQ(SendMessageW(window.hwnd(), kThrowMessage, 0, 0), 0);
    EXPECT_EQ(BoxesSeen().size(), 1u);
    EXPECT_EQ(SendMessageW(window.hwnd(), kAnswerMessage, 0, 0), 42);
}

TEST(WindowKit, ATimerCallbackThatThrowsIsCaughtAndShown) {
    ErrorBoxCloser closer;
    ThrowingWindow window;
    int ticks = 0;
    CallbackTimer timer(window.hwnd(), [&ticks] {
        ++ticks;
        throw std::runtime_error("tick failed in the kit test");
    });
    ASSERT_TRUE(timer.Start(10));
    ASSERT_TRUE(closer.WaitForBoxes(1));
    timer.Stop();
    EXPECT_EQ(BoxesSeen()[0], L"tick failed in the kit test");
    EXPECT_GE(ticks, 1);
    EXPECT_TRUE(IsWindow(window.hwnd()));
    EXPECT_EQ(SendMessageW(window.hwnd(), kAnswerMessage, 0, 0), 42);
}

TEST(WindowKit, AWindowRunByAFunctionGoesThroughTheSameGuard) {
    ErrorBoxCloser closer;
    ThrowingWindow parent;
    const HWND child = CreateHandlerWindow(
        kTestClass, WS_CHILD, RECT{0, 0, 10, 10}, parent.hwnd(), 7,
        [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (message == kThrowMessage) {
                throw std::runtime_error("function window failed in the kit test");
            }
            if (message == kAnswerMessage) {
                return 7;
            }
            return DefWindowProcW(window, message, wParam, lParam);
        });
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(GetDlgCtrlID(child), 7);
    EXPECT_EQ(SendMessageW(child, kThrowMessage, 0, 0), 0);
    ASSERT_EQ(BoxesSeen().size(), 1u);
    EXPECT_EQ(BoxesSeen()[0], L"function window failed in the kit test");
    EXPECT_EQ(SendMessageW(child, kAnswerMessage, 0, 0), 7);
    DestroyWindow(child); // the function's window ends with it
    EXPECT_FALSE(IsWindow(child));
}

} // namespace
} // namespace traxo
