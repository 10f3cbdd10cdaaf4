#pragma once
// A test window holding one edit control, in the foreground with the focus, for tests that send
// real input through the system's queue.

#include <windows.h>

#include <gtest/gtest.h>
#include <string>

namespace traxo::wine_testing {

inline void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Input events and posted messages may still be on their way when a call returns: polls for
// up to two seconds, pumping messages.
template <typename Condition> bool OnceItHolds(Condition condition) {
    for (int attempt = 0; attempt < 200 && !condition(); ++attempt) {
        Sleep(10);
        PumpMessages();
    }
    return condition();
}

// One window serves a whole suite: under Wine without a window manager, hiding or destroying
// the foreground window waits two seconds for the X focus to move.
class EditWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        WNDCLASSW frameClass{};
        frameClass.lpfnWndProc = DefWindowProcW;
        frameClass.hInstance = GetModuleHandleW(nullptr);
        frameClass.lpszClassName = kFrameClass;
        RegisterClassW(&frameClass);
        frame_ =
            CreateWindowExW(0, kFrameClass, L"Traxo test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                            500, 120, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        edit_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 10,
                                460, 30, frame_, nullptr, GetModuleHandleW(nullptr), nullptr);
    }

    static void TearDownTestSuite() {
        DestroyWindow(frame_);
        PumpMessages();
        UnregisterClassW(kFrameClass, GetModuleHandleW(nullptr));
    }

    void SetUp() override {
        ASSERT_NE(edit_, nullptr);
        ShowWindow(frame_, SW_RESTORE);
        SetWindowTextW(edit_, L"");
        SetForegroundWindow(frame_);
        SetFocus(edit_);
        PumpMessages();
        ASSERT_EQ(GetForegroundWindow(), frame_) << "the test window must be in the foreground";
        ASSERT_EQ(GetFocus(), edit_) << "the edit control must have the focus";
    }

    static std::wstring EditText() {
        wchar_t text[512] = {};
        GetWindowTextW(edit_, text, 512);
        return text;
    }

    static constexpr wchar_t kFrameClass[] = L"TraxoEditTestFrame";
    static inline HWND frame_ = nullptr;
    static inline HWND edit_ = nullptr;
};

} // namespace traxo::wine_testing
