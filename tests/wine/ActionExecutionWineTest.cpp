// Plans carried out by the real system: key combinations reach an edit control through the input
// queue, and window commands change a real window's placement.
#include "actions/ActionExecution.h"
#include "actions/ActionExecution_win.h"
#include "platform/Keyboard_win.h"
#include "wine/EditWindowTest.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <string>

namespace traxo {
namespace {

using wine_testing::OnceItHolds;
using wine_testing::PumpMessages;

class ActionExecutionWine : public wine_testing::EditWindowTest {
protected:
    void Run(std::u16string_view action) {
        const PlanContext context{u"c:\\", frame_, ActionSource::UserSet};
        executor_.Execute(PlanAction(action, context, system_));
        PumpMessages();
    }

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

TEST_F(ActionExecutionWine, AProgramThatCannotBeOpenedIsReportedWithTheSystemsReason) {
    const PlanContext context{u"c:\\", frame_, ActionSource::UserSet};
    const auto failure =
        executor_.Execute(PlanAction(u"c:\\no such folder\\missing.exe /q", context, system_));
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->target, u"c:\\no such folder\\missing.exe /q");
    EXPECT_FALSE(failure->reason.empty());
    EXPECT_NE(failure->reason.back(), u'\n');
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
