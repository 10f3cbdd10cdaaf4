// The rows of the motion list and the action button over the selected row: what each row shows
// of its actions, where, in which colour, and when the button moves or changes its caption.
#include "SetTestSupport.h"
#include "platform/RecordingPaintCanvas.h"
#include "ui/main/MotionListPainter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <optional>
#include <utility>
#include <vector>

namespace traxo {
namespace {

using testing::EmptySet;

constexpr Rect kRow{0, 100, 296, 150};
constexpr Colour kBlack = Rgb(0, 0, 0);

struct Rule {
    int app;
    std::u16string action;
};

// A set of three known programs whose motion 0 has the given actions and a diagonal path.
std::unique_ptr<MotionSet> OneMotion(std::u16string defaultAction, std::vector<Rule> rules) {
    auto set = EmptySet();
    set->knownAppCount = 3;
    Motion& motion = set->motions[0];
    motion.path.points[0] = {0, 0};
    motion.path.points[1] = {100, 100};
    motion.path.count = 2;
    motion.defaultAction.Assign(defaultAction);
    for (std::size_t r = 0; r < rules.size(); ++r) {
        motion.rules[r].appIndex = static_cast<std::uint8_t>(rules[r].app);
        motion.rules[r].action.Assign(rules[r].action);
    }
    motion.ruleCount = static_cast<std::uint8_t>(rules.size());
    set->motionCount = 1;
    return set;
}

RecordingPaintCanvas DrawRow(const MotionSet& set, MotionRowState state = {},
                             Language language = Language::English, Rect row = kRow) {
    RecordingPaintCanvas canvas;
    ListBox1DrawItem(canvas, set, 0, row, state, language, MotionListFonts{}, DpiScale{});
    return canvas;
}

// The one text call drawn in the action's clip rectangle, if any.
std::optional<PaintCall> ActionText(const RecordingPaintCanvas& canvas, Rect row = kRow) {
    const Rect clip{row.left + 57, row.top + 19, row.right - 84, row.bottom};
    std::optional<PaintCall> found;
    for (const PaintCall& call : canvas.CallsOf(PaintOp::Text)) {
        if (call.rect == clip) {
            EXPECT_FALSE(found) << "the action is drawn twice";
            found = call;
        }
    }
    return found;
}

struct Counter {
    std::u16string text;
    Point at;
    Colour colour;
};

struct RowCase {
    const char* name;
    std::u16string defaultAction;
    std::vector<Rule> rules;
    std::u16string shownText;
    Colour textColour;
    bool underlined;
    std::optional<int> icon;
    std::vector<Counter> counters;
};

class MotionRow : public ::testing::TestWithParam<RowCase> {};

TEST_P(MotionRow, ShowsItsActionIconAndCounters) {
    const RowCase& c = GetParam();
    const auto set = OneMotion(c.defaultAction, c.rules);
    const RecordingPaintCanvas canvas = DrawRow(*set);

    const std::optional<PaintCall> text = ActionText(canvas);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->text, c.shownText);
    EXPECT_EQ(text->fontColour, c.textColour);
    EXPECT_EQ(text->font.underline, c.underlined);
    EXPECT_EQ(text->font.face, u"Tahoma");

    const std::vector<PaintCall> icons = canvas.CallsOf(PaintOp::AppIcon);
    if (c.icon) {
        ASSERT_EQ(icons.size(), 1u);
        EXPECT_EQ(icons[0].pictureId, *c.icon);
        EXPECT_EQ(icons[0].rect.left, kRow.right - 79);
        EXPECT_EQ(icons[0].rect.top, kRow.top + 18);
    } else {
        EXPECT_TRUE(icons.empty());
    }

    std::vector<PaintCall> counters;
    for (const PaintCall& call : canvas.CallsOf(PaintOp::Text)) {
        if (!call.text.empty() && (call.text[0] == u'+' || call.text[0] == u'-')) {
            counters.push_back(call);
        }
    }
    ASSERT_EQ(counters.size(), c.counters.size());
    for (std::size_t i = 0; i < counters.size(); ++i) {
        EXPECT_EQ(counters[i].text, c.counters[i].text);
        EXPECT_EQ((Point{counters[i].rect.left, counters[i].rect.top}), c.counters[i].at)
            << "counter " << i;
        EXPECT_EQ(counters[i].fontColour, c.counters[i].colour);
    }
}

constexpr Colour kBlue = Rgb(73, 109, 169);
constexpr Colour kRed = Rgb(209, 58, 58);
constexpr Colour kGrey = Rgb(128, 128, 128);
constexpr Colour kLightGrey = Rgb(192, 192, 192);

INSTANTIATE_TEST_SUITE_P(
    Cases, MotionRow,
    ::testing::Values(
        RowCase{"DefaultWithOneOwnAndOneEmptyRule",
                u"@Browser: back",
                {{0, u"@Keys: Ctrl + W"}, {1, u""}},
                u"Browser: back",
                kBlue,
                false,
                0,
                {{u"+1", {236, 112}, kGrey}, {u"-1", {236, 126}, kLightGrey}}},
        RowCase{"NoDefaultThreeRulesShowsTheFirst",
                u"",
                {{2, u"notepad.exe"}, {0, u"@Browser: back"}, {1, u"calc.exe"}},
                u"notepad.exe",
                kBlack,
                false,
                3,
                {{u"+2", {236, 119}, kGrey}}},
        RowCase{"NoDefaultAllRulesEmpty",
                u"",
                {{0, u""}, {1, u""}, {2, u""}},
                u"[ Do nothing ]",
                kRed,
                false,
                std::nullopt,
                {}},
        RowCase{"NoDefaultNoRules", u"", {}, u"[ Do nothing ]", kRed, false, std::nullopt, {}},
        RowCase{"DefaultWebAddressIsUnderlined",
                u"https://example.org/",
                {},
                u"https://example.org/",
                kBlue,
                true,
                0,
                {}},
        RowCase{"UpperCaseAddressToo",
                u"",
                {{1, u"HTTP://EXAMPLE.ORG"}},
                u"HTTP://EXAMPLE.ORG",
                kBlack,
                true,
                2,
                {}},
        RowCase{"KeystrokesAreBlueNotUnderlined",
                u"",
                {{0, u"@Keystrokes: http"}},
                u"Keystrokes: http",
                kBlue,
                false,
                1,
                {}},
        RowCase{"OwnRuleAloneSitsLow",
                u"@Browser: back",
                {{0, u"calc.exe"}},
                u"Browser: back",
                kBlue,
                false,
                0,
                {{u"+1", {236, 119}, kGrey}}},
        RowCase{"SwitchedOffAloneSitsLow",
                u"@Browser: back",
                {{0, u""}, {2, u""}},
                u"Browser: back",
                kBlue,
                false,
                0,
                {{u"-2", {236, 119}, kLightGrey}}},
        RowCase{"RuleForAProgramTheSetLacksHasNoIcon",
                u"",
                {{7, u"calc.exe"}},
                u"calc.exe",
                kBlack,
                false,
                std::nullopt,
                {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MotionRowDrawing, NumberThumbnailAndFillOfAPlainRow) {
    const auto set = OneMotion(u"", {});
    const RecordingPaintCanvas canvas = DrawRow(*set);

    const std::vector<PaintCall> fills = canvas.CallsOf(PaintOp::Fill);
    ASSERT_FALSE(fills.empty());
    EXPECT_EQ(fills[0].rect, kRow);
    EXPECT_EQ(fills[0].brushColour, Rgb(255, 255, 255));

    const std::vector<PaintCall> number = canvas.TextCalls(u"1");
    ASSERT_EQ(number.size(), 1u);
    EXPECT_EQ(number[0].font, (FontSpec{u"Trebuchet MS", 56, true}));
    EXPECT_EQ(number[0].fontColour, Rgb(233, 235, 243));
    EXPECT_EQ(number[0].rect.right, kRow.right); // right-aligned
    EXPECT_EQ(number[0].rect.top, kRow.top - 8);
    EXPECT_EQ(number[0].clip, kRow); // the large digits are cut by the row

    // The path (0,0)-(100,100) spans the 35-pixel box at (10, 5) of the row.
    const std::vector<PaintCall> lines = canvas.CallsOf(PaintOp::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].points, (std::vector<Point>{{10, 105}, {45, 140}}));
    EXPECT_EQ(lines[0].penColour, kGrey);
    EXPECT_TRUE(canvas.CallsOf(PaintOp::FocusRect).empty());
}

TEST(MotionRowDrawing, SelectedRowLeavesItsActionToTheButton) {
    const auto set = OneMotion(u"@Browser: back", {{0, u"calc.exe"}});
    const RecordingPaintCanvas canvas = DrawRow(*set, {.selected = true, .focused = true});

    EXPECT_FALSE(ActionText(canvas));
    EXPECT_EQ(canvas.CallsOf(PaintOp::Fill)[0].brushColour, Rgb(230, 232, 240));
    EXPECT_EQ(canvas.TextCalls(u"1")[0].fontColour, Rgb(160, 175, 186));
    EXPECT_EQ(canvas.CallsOf(PaintOp::Line)[0].penColour, Rgb(65, 111, 186));
    EXPECT_EQ(canvas.TextCalls(u"+1").size(), 1u); // the counters and icon stay
    EXPECT_EQ(canvas.CallsOf(PaintOp::AppIcon).size(), 1u);
    const std::vector<PaintCall> focus = canvas.CallsOf(PaintOp::FocusRect);
    ASSERT_EQ(focus.size(), 1u);
    EXPECT_EQ(focus[0].rect, kRow);
}

TEST(MotionRowDrawing, TextFollowsTheLanguageAndTheDisplayScale) {
    const auto set = OneMotion(u"", {});
    EXPECT_EQ(ActionText(DrawRow(*set, {}, Language::Chinese))->text, u"[无]");

    RecordingPaintCanvas canvas;
    const DpiScale scale{144};
    ListBox1DrawItem(canvas, *set, 0, {0, 150, 444, 225}, {}, Language::English,
                     ScaledMotionListFonts(scale), scale);
    ASSERT_EQ(canvas.CallsOf(PaintOp::Line).size(), 1u);
    EXPECT_EQ(canvas.CallsOf(PaintOp::Line)[0].points, (std::vector<Point>{{15, 158}, {68, 210}}));
    const std::vector<PaintCall> text = canvas.CallsOf(PaintOp::Text);
    EXPECT_EQ(text.back().rect, (Rect{86, 179, 318, 225}));
    EXPECT_EQ(text.back().font.height, 17);
    EXPECT_EQ(canvas.TextCalls(u"1")[0].font.height, 84);
}

TEST(MotionRowDrawing, ALongActionEndsWithAnEllipsisBeforeTheIconColumn) {
    // The clip is 155 pixels wide; the recording canvas measures 7 pixels a character, so 22
    // characters fit: 21 of the text and the ellipsis.
    const auto set = OneMotion(u"@Special: maximise window", {});
    const std::optional<PaintCall> text = ActionText(DrawRow(*set));
    ASSERT_TRUE(text);
    EXPECT_EQ(text->text, u"Special: maximise win\u2026");

    const auto fits = OneMotion(u"calc.exe", {});
    EXPECT_EQ(ActionText(DrawRow(*fits))->text, u"calc.exe");

    // A character outside the basic plane is never cut in half.
    const auto wide = OneMotion(u"C:\\Files\\abcdefghijklmnopqrst\U0001F600x.exe", {});
    EXPECT_EQ(ActionText(DrawRow(*wide))->text, u"abcdefghijklmnopqrst\u2026");
}

TEST(MotionRowDrawing, DamagedCountsStayInsideTheImage) {
    auto set = OneMotion(u"", {});
    set->motions[0].ruleCount = 255; // more than the 101 slots
    set->motions[0].rules[100].action.Assign(u"calc.exe");
    set->motions[0].rules[100].appIndex = 0;
    EXPECT_EQ(ActionText(DrawRow(*set))->text, u"calc.exe");

    set->motionCount = 1;
    RecordingPaintCanvas canvas;
    ListBox1DrawItem(canvas, *set, 5, kRow, {}, Language::English, MotionListFonts{}, DpiScale{});
    EXPECT_TRUE(canvas.CallsOf(PaintOp::Text).empty()); // a row past the live motions is blank
}

// ---- The action button over the selected row ----

struct CaptionCase {
    const char* name;
    std::u16string defaultAction;
    std::vector<Rule> rules;
    Language language;
    std::u16string caption;
};

class AssignButtonCaption : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(AssignButtonCaption, FollowsTheShownAction) {
    const CaptionCase& c = GetParam();
    const auto set = OneMotion(c.defaultAction, c.rules);
    EXPECT_EQ(AssignCaption(set->motions[0], c.language), c.caption);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AssignButtonCaption,
    ::testing::Values(
        CaptionCase{
            "Default", u"@Browser: back", {{0, u"calc.exe"}}, Language::English, u"Browser: back"},
        CaptionCase{"FirstOwnRule",
                    u"",
                    {{0, u""}, {1, u"@Browser: forward"}, {2, u"calc.exe"}},
                    Language::English,
                    u"Browser: forward"},
        CaptionCase{"NothingEnglish", u"", {{0, u""}}, Language::English, u"[ Do nothing ]"},
        CaptionCase{"NothingChinese", u"", {}, Language::Chinese, u"[无]"},
        CaptionCase{"ChineseBuiltIn", u"@Browser: back", {}, Language::Chinese, u"浏览器:后退"}),
    [](const auto& info) { return std::string(info.param.name); });

constexpr Size kList{279, 359}; // the list's client area beside its scroll bar
constexpr Size kPanel{165, 21};

TEST(ActionPanelPlacement, MovesOverTheSelectedRowAndKeepsStillOtherwise) {
    auto set = OneMotion(u"@Browser: back", {});
    set->motions[1].defaultAction.Assign(u"calc.exe");
    set->motionCount = 2;

    const ActionPanelPlacement first =
        PlaceActionPanel({}, *set, 0, kRow, kList, kPanel, Language::English, DpiScale{});
    EXPECT_TRUE(first.changed);
    EXPECT_TRUE(first.captionChanged);
    EXPECT_EQ(first.panel.tag, 0);
    EXPECT_EQ(first.panel.top, kRow.top + 15);
    EXPECT_EQ(first.panel.left, 50);
    EXPECT_TRUE(first.panel.visible);
    EXPECT_EQ(first.panel.caption, u"Browser: back");

    const ActionPanelPlacement again =
        PlaceActionPanel(first.panel, *set, 0, kRow, kList, kPanel, Language::English, DpiScale{});
    EXPECT_FALSE(again.changed);

    // Scrolled: the same motion's row moved, so only the top follows it.
    ActionPanel dragged = first.panel;
    dragged.left = 80;
    const ActionPanelPlacement scrolled = PlaceActionPanel(
        dragged, *set, 0, {0, 50, 296, 100}, kList, kPanel, Language::English, DpiScale{});
    EXPECT_TRUE(scrolled.changed);
    EXPECT_FALSE(scrolled.captionChanged);
    EXPECT_EQ(scrolled.panel.top, 65);
    EXPECT_EQ(scrolled.panel.left, 80);

    const ActionPanelPlacement other = PlaceActionPanel(
        scrolled.panel, *set, 1, {0, 150, 296, 200}, kList, kPanel, Language::English, DpiScale{});
    EXPECT_TRUE(other.captionChanged);
    EXPECT_EQ(other.panel.caption, u"calc.exe");
    EXPECT_EQ(other.panel.left, 50);

    // Refilled list: hidden and owning no row; the next drawing brings it back.
    const ActionPanel hidden = HiddenActionPanel(other.panel);
    EXPECT_FALSE(hidden.visible);
    EXPECT_EQ(hidden.tag, -1);
    EXPECT_TRUE(PlaceActionPanel(hidden, *set, 1, {0, 150, 296, 200}, kList, kPanel,
                                 Language::English, DpiScale{})
                    .panel.visible);

    // No selection, or one outside the live motions: the panel is left alone.
    EXPECT_FALSE(
        PlaceActionPanel(hidden, *set, -1, kRow, kList, kPanel, Language::English, DpiScale{})
            .changed);
    EXPECT_FALSE(
        PlaceActionPanel(hidden, *set, 2, kRow, kList, kPanel, Language::English, DpiScale{})
            .changed);
}

struct ScrollCase {
    const char* name;
    int rowTop; // the selected row's top in the list's client area
    bool visible;
    Rect shown; // the part of the 165 by 21 panel inside the list
};

class ActionPanelScrollTest : public ::testing::TestWithParam<ScrollCase> {};

TEST_P(ActionPanelScrollTest, ThePanelShowsOnlyInsideTheList) {
    const ScrollCase& c = GetParam();
    auto set = OneMotion(u"@Browser: forward", {});
    set->motionCount = 2;
    const ActionPanelPlacement placed = PlaceActionPanel({}, *set, 1, {0, 0, 279, 50}, kList,
                                                         kPanel, Language::English, DpiScale{});
    ASSERT_TRUE(placed.panel.visible);
    const ActionPanelPlacement scrolled =
        PlaceActionPanel(placed.panel, *set, 1, {0, c.rowTop, 279, c.rowTop + 50}, kList, kPanel,
                         Language::English, DpiScale{});
    EXPECT_EQ(scrolled.panel.visible, c.visible);
    EXPECT_EQ(scrolled.panel.shown, c.shown);
    EXPECT_EQ(scrolled.panel.tag, 1) << "a scroll keeps the panel's motion";
    EXPECT_EQ(scrolled.changed, c.rowTop != 0);
}

INSTANTIATE_TEST_SUITE_P(Scrolls, ActionPanelScrollTest,
                         ::testing::Values(ScrollCase{"InView", 0, true, {0, 0, 165, 21}},
                                           ScrollCase{"AboveTheList", -50, false, {}},
                                           ScrollCase{"JustAbove", -36, false, {}},
                                           ScrollCase{"HalfAbove", -25, true, {0, 10, 165, 21}},
                                           ScrollCase{"HalfBelow", 334, true, {0, 0, 165, 10}},
                                           ScrollCase{"BelowTheList", 400, false, {}}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace traxo
