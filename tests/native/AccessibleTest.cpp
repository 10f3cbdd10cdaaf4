// What the animated controls, the motion list, the pad and the result popup are for a screen
// reader: roles, states, names in both languages, and which pad message is announced.
#include "SetTestSupport.h"
#include "app/EngineTexts.h"
#include "ui/main/MainWindowAccessible.h"

#include <gtest/gtest.h>

namespace traxo {
namespace {

using testing::EmptySet;
namespace bit = accessible_state;

TEST(Accessible, StateBitsAreTheInterfacesOwn) {
    struct Case {
        AccessibleStates states;
        std::uint32_t bits;
    };
    const Case cases[]{
        {{}, 0},
        {{.focused = true}, bit::kFocused},
        {{.pressed = true}, bit::kPressed},
        {{.unavailable = true}, bit::kUnavailable},
        {{.checked = true}, bit::kChecked},
        {{.selected = true, .selectable = true}, bit::kSelected | bit::kSelectable},
        {{.focusable = true, .invisible = true}, bit::kFocusable | bit::kInvisible},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StateBits(c.states), c.bits);
    }
    // The values a reader reads: STATE_SYSTEM_FOCUSED, PRESSED, CHECKED, UNAVAILABLE.
    EXPECT_EQ(bit::kFocused, 0x4u);
    EXPECT_EQ(bit::kPressed, 0x8u);
    EXPECT_EQ(bit::kChecked, 0x10u);
    EXPECT_EQ(bit::kUnavailable, 0x1u);
}

TEST(Accessible, EveryAnimatedControlOfTheMainWindowHasItsRole) {
    struct Case {
        MainControl id;
        AccessibleRole role;
        std::uint32_t value; // ROLE_SYSTEM_*
    };
    const Case cases[]{
        {MainControl::btnActive, AccessibleRole::CheckButton, 0x2C},
        {MainControl::btnHide, AccessibleRole::PushButton, 0x2B},
        {MainControl::btnClear, AccessibleRole::PushButton, 0x2B},
        {MainControl::btnLoad, AccessibleRole::PushButton, 0x2B},
        {MainControl::btnSave, AccessibleRole::PushButton, 0x2B},
        {MainControl::btnSaveAs, AccessibleRole::PushButton, 0x2B},
        {MainControl::btnOptions, AccessibleRole::PushButton, 0x2B},
        {MainControl::btnHelp, AccessibleRole::PushButton, 0x2B},
        {MainControl::btnExit, AccessibleRole::PushButton, 0x2B},
        {MainControl::btnAssign, AccessibleRole::PushButton, 0x2B},
        {MainControl::btnKnownApps, AccessibleRole::PushButton, 0x2B},
        {MainControl::btnCreate, AccessibleRole::PushButton, 0x2B},
        {MainControl::btnDelete, AccessibleRole::PushButton, 0x2B},
        {MainControl::btnRecord, AccessibleRole::PushButton, 0x2B},
        {MainControl::lblSet, AccessibleRole::PageTab, 0x25},
        {MainControl::lblStatus, AccessibleRole::PageTab, 0x25},
        {MainControl::DynamicFrame1, AccessibleRole::Grouping, 0x14},
        {MainControl::DynamicFrame2, AccessibleRole::Grouping, 0x14},
        {MainControl::ListBox1, AccessibleRole::List, 0x21},
        {MainControl::image1, AccessibleRole::Graphic, 0x28},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MainControlRole(c.id), c.role) << LayoutRow(c.id).name;
        EXPECT_EQ(static_cast<std::uint32_t>(c.role), c.value) << LayoutRow(c.id).name;
    }
    // Every animated control of the table is among them.
    for (const MainLayoutRow& row : MainWindowLayoutTable()) {
        if (row.kind == ControlKind::DynamicButton ||
            row.kind == ControlKind::DynamicOpaqueButton) {
            const AccessibleRole role = MainControlRole(row.id);
            EXPECT_TRUE(role == AccessibleRole::PushButton || role == AccessibleRole::CheckButton)
                << row.name;
        }
    }
}

TEST(Accessible, AControlIsNamedByItsCaptionAndTellsItsStates) {
    struct Case {
        MainControl id;
        ControlFacts facts;
        Language language;
        std::u16string action;
        std::uint32_t states;
    };
    const Case cases[]{
        {MainControl::btnSave, {u"Save set"}, Language::English, u"Press", 0},
        {MainControl::btnSave, {u"保存"}, Language::Chinese, u"按下", 0},
        {MainControl::btnActive,
         {u"Active", true, false, true},
         Language::English,
         u"Press",
         bit::kChecked},
        {MainControl::btnActive, {u"关闭", true, false, false}, Language::Chinese, u"按下", 0},
        {MainControl::btnDelete,
         {u"Delete gesture", false},
         Language::English,
         u"",
         bit::kUnavailable},
        {MainControl::btnLoad,
         {u"Load set", true, true, false, false, true},
         Language::English,
         u"Press",
         bit::kPressed | bit::kFocused},
        // A push button is never checked; a disabled one is not pressed.
        {MainControl::btnClear, {u"New set", true, false, true}, Language::English, u"Press", 0},
        {MainControl::btnRecord,
         {u"Record again", false, true},
         Language::English,
         u"",
         bit::kUnavailable},
        {MainControl::lblSet,
         {u"手势组"},
         Language::Chinese,
         u"按下",
         bit::kSelected | bit::kSelectable},
        {MainControl::lblStatus, {u"Testing"}, Language::English, u"Press", bit::kSelectable},
    };
    for (const Case& c : cases) {
        const AccessibleItem item = DescribeMainControl(c.id, c.facts, c.language);
        EXPECT_EQ(item.name, c.facts.caption);
        EXPECT_EQ(item.role, MainControlRole(c.id));
        EXPECT_EQ(item.defaultAction, c.action) << LayoutRow(c.id).name;
        EXPECT_EQ(StateBits(item.states), c.states) << LayoutRow(c.id).name;
    }
}

TEST(Accessible, AButtonsAccessKeyIsItsShortcut) {
    ControlFacts facts{u"Save set"};
    EXPECT_EQ(DescribeMainControl(MainControl::btnSave, facts, Language::English).keyboardShortcut,
              u"");
    facts.accessKey = u'S';
    EXPECT_EQ(DescribeMainControl(MainControl::btnSave, facts, Language::English).keyboardShortcut,
              u"Alt+S");
}

std::unique_ptr<MotionSet> ThreeMotions() {
    auto set = EmptySet();
    set->motionCount = 3;
    set->motions[1].defaultAction.Assign(u"@Browser: back");
    set->motions[2].defaultAction.Assign(u"notepad.exe");
    return set;
}

TEST(Accessible, ListRowsAreNamedByWhatTheyShow) {
    const auto set = ThreeMotions();
    struct Case {
        int index;
        Language language;
        std::u16string name;
    };
    const Case cases[]{
        {1, Language::English, u"Gesture 2: Browser: back"},
        {1, Language::Chinese, u"手势 2：浏览器:后退"},
        {2, Language::English, u"Gesture 3: notepad.exe"},
        {3, Language::English, u""}, // past the set's motions
        {-1, Language::English, u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MotionRowName(*set, c.index, c.language), c.name) << c.index;
    }
    const AccessibleItem row =
        DescribeMotionRow(*set, 1, {true, true, {0, 50, 296, 100}}, Language::English);
    EXPECT_EQ(row.role, AccessibleRole::ListItem);
    EXPECT_EQ(row.name, u"Gesture 2: Browser: back");
    EXPECT_EQ(StateBits(row.states),
              bit::kSelected | bit::kFocused | bit::kSelectable | bit::kFocusable);
    EXPECT_EQ(row.place, (Rect{0, 50, 296, 100}));
    const AccessibleItem other = DescribeMotionRow(*set, 0, {}, Language::English);
    EXPECT_EQ(StateBits(other.states), bit::kSelectable | bit::kFocusable);
    EXPECT_EQ(DescribeMotionList(Language::Chinese).name, u"手势列表");
    EXPECT_EQ(DescribeMotionList(Language::English).role, AccessibleRole::List);
}

TEST(Accessible, TheFramesAreGroupingsNamedForWhatTheyHold) {
    struct Case {
        MainControl frame;
        Language language;
        std::u16string name;
    };
    const Case cases[]{
        {MainControl::DynamicFrame1, Language::English, u"Gestures"},
        {MainControl::DynamicFrame1, Language::Chinese, u"手势列表"},
        {MainControl::DynamicFrame2, Language::English, u"Gesture pad"},
        {MainControl::DynamicFrame2, Language::Chinese, u"手势板"},
    };
    for (const Case& c : cases) {
        const AccessibleItem item = DescribeFrame(c.frame, {3, 24, 304, 428}, c.language);
        EXPECT_EQ(item.role, AccessibleRole::Grouping);
        EXPECT_EQ(item.name, c.name);
        EXPECT_EQ(item.place, (Rect{3, 24, 304, 428}));
    }
    EXPECT_EQ(DescribeMainClient(u"Traxo").role, AccessibleRole::Client);
    EXPECT_EQ(DescribeMainClient(u"Traxo").name, u"Traxo");
}

TEST(Accessible, ThePadTellsItsMessagesAndAnnouncesEachNewOneOnce) {
    using Messages = std::vector<std::u16string>;
    const Messages none;
    const Messages matches{u"Matches #3"};
    const Messages warned{u"Matches #3", u"Similar to gesture 2"};
    const AccessibleItem pad = DescribePad(warned, Language::English);
    EXPECT_EQ(pad.role, AccessibleRole::Graphic);
    EXPECT_EQ(pad.name, u"Gesture pad");
    EXPECT_EQ(pad.value, u"Matches #3 Similar to gesture 2");
    EXPECT_EQ(DescribePad(none, Language::Chinese).name, u"手势板");
    EXPECT_EQ(PadChildCount(none), 0);
    EXPECT_EQ(PadChildCount(warned), 1);
    EXPECT_EQ(DescribePadAlert(warned).name, u"Similar to gesture 2");
    EXPECT_EQ(DescribePadAlert(warned).role, AccessibleRole::Alert);

    struct Case {
        Messages before;
        Messages after;
        std::optional<std::u16string> announced;
    };
    const Case cases[]{
        {none, matches, u"Matches #3"},
        {matches, warned, u"Similar to gesture 2"},
        {matches, matches, std::nullopt},              // drawn again: said once
        {warned, none, std::nullopt},                  // cleared: nothing to say
        {warned, matches, std::nullopt},               // a message already said
        {matches, {u"Unrecognised"}, u"Unrecognised"}, // the next test
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PadAnnouncement(c.before, c.after), c.announced);
    }
}

TEST(Accessible, ThePopupIsAnAlertThatSaysTheResult) {
    struct Case {
        PopupContent content;
        Language language;
        std::u16string name;
    };
    const Case cases[]{
        {{{}, u"3", u"Browser: back"}, Language::English, u"Gesture 3: Browser: back"},
        {{{}, u"3", u"浏览器:后退"}, Language::Chinese, u"手势 3：浏览器:后退"},
        {{{}, u"?", u"(unrecognised)"}, Language::English, u"(unrecognised)"},
    };
    for (const Case& c : cases) {
        const AccessibleItem item = DescribePopup(c.content, c.language);
        EXPECT_EQ(item.role, AccessibleRole::Alert);
        EXPECT_EQ(item.name, c.name);
    }
}

TEST(Accessible, TheTrayTipNamesTheState) {
    EXPECT_EQ(TrayTipText(true, Language::English), u"Traxo: gestures active");
    EXPECT_EQ(TrayTipText(false, Language::English), u"Traxo: gestures inactive");
    EXPECT_EQ(TrayTipText(true, Language::Chinese), u"Traxo：手势已启动");
    EXPECT_EQ(TrayTipText(false, Language::Chinese), u"Traxo：手势已关闭");
}

} // namespace
} // namespace traxo
