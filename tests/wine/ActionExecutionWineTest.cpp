// Plans carried out by the real system: key combinations reach an edit control through the input
// queue, and window commands change a real window's placement.
#include "actions/ActionExecution.h"
#include "actions/ActionExecution_win.h"
#include "platform/Keyboard_win.h"

#include <gtest/gtest.h>
#include <string>
#include <windows.h>

namespace traxo {
namespace {

constexpr wchar_t kFrameClass[] = L"TraxoActionTestFrame";

void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Posted messages and input events may still be on their way when a plan returns.
template <typename Condition> bool OnceItHolds(Condition condition) {
    for (int attempt = 0; attempt < 200 && !condition(); ++attempt) {
        Sleep(10);
        PumpMessages();
    }
    return condition();
}

// One window for the whole suite: under Wine without a window manager, hiding or destroying
// the foreground window waits two seconds for the X focus to move.
class ActionExecutionWine : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        WNDCLASSW frameClass{};
        frameClass.lpfnWndProc = DefWindowProcW;
        frameClass.hInstance = GetModuleHandleW(nullptr);
        frameClass.lpszClassName = kFrameClass;
        RegisterClassW(&frameClass);
        frame_ =
            CreateWindowExW(0, kFrameClass, L"Actions", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 60,
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

    void Run(std::u16string_view action) {
        const PlanContext context{u"c:\\", frame_, ActionSource::UserSet};
        executor_.Execute(PlanAction(action, context, system_));
        PumpMessages();
    }

    std::wstring EditText() const {
        wchar_t text[256] = {};
        GetWindowTextW(edit_, text, 256);
        return text;
    }

    static inline HWND frame_ = nullptr;
    static inline HWND edit_ = nullptr;
    WindowsKeyboard keyboard_;
    WindowsActionSystem system_{nullptr};
    OwnerCommands owner_;
    ActionPlanExecutor executor_{keyboard_, system_, owner_};
};

TEST_F(ActionExecutionWine, KeyCombinationReachesTheFocusedControl) {
    Run(u"@Keystrokes: abc");
    ASSERT_TRUE(OnceItHolds([&] { return EditText() == L"abc"; }));
    Run(u"@Keys: BkSp");
    EXPECT_TRUE(OnceItHolds([&] { return EditText() == L"ab"; }));
    Run(u"@Keys: Shift + Home");
    EXPECT_TRUE(OnceItHolds([&] {
        DWORD start = 1, end = 0;
        SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        return start == 0 && end == 2;
    }));
    EXPECT_EQ(GetAsyncKeyState(VK_SHIFT) & 0x8000, 0);
}

TEST_F(ActionExecutionWine, RestoreTogglesBetweenNormalAndMaximised) {
    EXPECT_EQ(system_.GetShowState(frame_), SW_SHOWNORMAL);
    Run(u"@Special: restore window");
    EXPECT_TRUE(OnceItHolds([] { return IsZoomed(frame_) != FALSE; }));
    EXPECT_EQ(system_.GetShowState(frame_), SW_SHOWMAXIMIZED);
    Run(u"@Special: restore window");
    EXPECT_TRUE(OnceItHolds([] { return IsZoomed(frame_) == FALSE; }));
}

TEST_F(ActionExecutionWine, FileExistenceIsForFilesOnly) {
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    const std::u16string self(module, module + lstrlenW(module));
    EXPECT_TRUE(system_.FileExists(self));
    EXPECT_FALSE(system_.FileExists(self + u".missing"));
    EXPECT_FALSE(system_.FileExists(self.substr(0, self.find_last_of(u'\\'))));
}

} // namespace
} // namespace traxo
