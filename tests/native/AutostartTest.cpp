#include "app/Autostart.h"

#include "app/TrayMenu.h"
#include "platform/RecordingRegistry.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace traxo {
namespace {

const std::u16string kExe = u"C:\\Program Files\\Traxo\\Traxo.exe";

TEST(RunValue, IsWrittenQuotedAndReadEitherWay) {
    EXPECT_EQ(QuotedRunValue(kExe), u"\"C:\\Program Files\\Traxo\\Traxo.exe\"");
    struct Case {
        std::u16string value;
        std::u16string path;
    };
    const std::vector<Case> cases = {
        {u"\"C:\\Program Files\\Traxo\\Traxo.exe\"", kExe},
        {u"C:\\Program Files\\Traxo\\Traxo.exe", kExe},
        {u"  \"C:\\Program Files\\Traxo\\Traxo.exe\"  ", kExe},
        {u"\"C:\\Program Files\\Traxo\\Traxo.exe\" /min", kExe},
        {u"\"C:\\Unclosed\\Traxo.exe", u"C:\\Unclosed\\Traxo.exe"},
        {u"   ", u""},
        {u"", u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RunValuePath(c.value), c.path);
    }
}

TEST(RunValue, QuestionAtStartOnlyForAnotherCopy) {
    struct Case {
        std::u16string value;
        bool asks;
    };
    const std::vector<Case> cases = {
        {u"", false},                                    // no entry
        {QuotedRunValue(kExe), false},                   // this copy, quoted
        {kExe, false},                                   // this copy, written without quotes
        {u"c:\\PROGRAM FILES\\traxo\\TRAXO.EXE", false}, // differs in A-Z case only
        {u"\"D:\\Old\\Traxo.exe\"", true},               // another copy
        {u"D:\\Old\\Traxo.exe", true},
        {u"   ", true}, // blanks only: off for the menu, but it names no program
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AutostartNeedsQuestion(c.value, kExe), c.asks)
            << std::string(c.value.begin(), c.value.end());
    }
    EXPECT_FALSE(WillAutoStart(u"  \t"));
    EXPECT_TRUE(WillAutoStart(u"x"));
}

class AutostartEntry : public ::testing::Test {
protected:
    RecordingRegistry registry;
    Autostart autostart{registry, kExe};
};

TEST_F(AutostartEntry, ToggleWritesTheQuotedPathThenDeletesIt) {
    EXPECT_FALSE(autostart.State().checked);
    const AutostartOutcome on = autostart.Toggle();
    EXPECT_FALSE(on.refused);
    EXPECT_TRUE(on.checked);
    EXPECT_EQ(registry.values.at(u"traxo"), QuotedRunValue(kExe));
    EXPECT_TRUE(autostart.State().checked);
    const AutostartOutcome off = autostart.Toggle();
    EXPECT_FALSE(off.checked);
    EXPECT_FALSE(registry.values.contains(u"traxo"));
}

TEST_F(AutostartEntry, BlankEntryCountsAsOffAndIsOverwritten) {
    registry.values[u"traxo"] = u"  ";
    EXPECT_FALSE(autostart.State().checked);
    EXPECT_TRUE(autostart.NeedsQuestion());
    EXPECT_TRUE(autostart.Toggle().checked);
    EXPECT_EQ(registry.values.at(u"traxo"), QuotedRunValue(kExe));
}

TEST_F(AutostartEntry, YesPointsTheEntryAtThisCopy) {
    registry.values[u"traxo"] = u"D:\\Old\\Traxo.exe";
    ASSERT_TRUE(autostart.NeedsQuestion());
    EXPECT_TRUE(autostart.PointAtThisCopy().checked);
    EXPECT_EQ(registry.values.at(u"traxo"), QuotedRunValue(kExe));
    EXPECT_FALSE(autostart.NeedsQuestion());
}

TEST_F(AutostartEntry, RefusalChangesNothingAndSaysSo) {
    registry.values[u"traxo"] = u"D:\\Old\\Traxo.exe";
    registry.refuseWrites = true;
    const AutostartOutcome toggled = autostart.Toggle(); // would delete
    EXPECT_TRUE(toggled.refused);
    EXPECT_TRUE(toggled.checked);
    const AutostartOutcome replaced = autostart.PointAtThisCopy();
    EXPECT_TRUE(replaced.refused);
    EXPECT_EQ(registry.values.at(u"traxo"), u"D:\\Old\\Traxo.exe");

    registry.refuseReads = true;
    EXPECT_TRUE(autostart.Toggle().refused);
    EXPECT_TRUE(autostart.State().refused);
    EXPECT_FALSE(autostart.NeedsQuestion()); // an unreadable key asks nothing at start
    EXPECT_EQ(registry.values.at(u"traxo"), u"D:\\Old\\Traxo.exe");
    EXPECT_FALSE(AutostartRefusedText(Language::English).empty());
    EXPECT_NE(AutostartRefusedText(Language::English), AutostartRefusedText(Language::Chinese));
}

TEST(TrayMenu, EntriesInOrderWithChecksAndOneDefault) {
    for (const Language language : kLanguages) {
        for (const bool active : {false, true}) {
            for (const bool autostart : {false, true}) {
                const auto menu = BuildTrayMenu(language, active, autostart);
                ASSERT_EQ(menu.size(), 5u);
                const std::vector<TrayCommand> order{mnActive, mnConfigure, kTraySeparator,
                                                     mnAutostart, mnExit};
                for (std::size_t i = 0; i < menu.size(); ++i) {
                    EXPECT_EQ(menu[i].command, order[i]);
                    EXPECT_EQ(menu[i].isDefault, order[i] == mnConfigure);
                }
                EXPECT_EQ(menu[0].checked, active);
                EXPECT_EQ(menu[3].checked, autostart);
                EXPECT_FALSE(menu[1].checked || menu[4].checked);
            }
        }
    }
    const auto english = BuildTrayMenu(Language::English, false, false);
    EXPECT_EQ(english[1].caption, u"&Configure...");
    EXPECT_EQ(english[3].caption, u"Always run at &startup");
    EXPECT_EQ(BuildTrayMenu(Language::Chinese, false, false)[4].caption, u"退出(&X)");
}

TEST(TrayMenu, MouseMessagesFromTheIcon) {
    struct Case {
        std::uint32_t message;
        TrayMouseAction action;
    };
    const std::vector<Case> cases = {
        {0x0202, TrayMouseAction::Configure}, // left button up
        {0x0400, TrayMouseAction::Configure}, // select
        {0x0401, TrayMouseAction::Configure}, // keyboard select
        {0x0205, TrayMouseAction::ShowMenu},  // right button up
        {0x007B, TrayMouseAction::ShowMenu},  // context menu key
        {0x0201, TrayMouseAction::None},      // left button down: the click comes on release
        {0x0200, TrayMouseAction::None},      // moves
        {0x0204, TrayMouseAction::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TrayActionFor(c.message), c.action) << c.message;
    }
}

} // namespace
} // namespace traxo
