// The recording pad against a recording canvas and a main window that notes what it was asked
// to do; recognition is the real recogniser over the document's set.

#include "RecordingPadFixture.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace traxo {
namespace {

using namespace padtest;
using test::PathOf;
using test::PointsOf;
using test::Stroke;

// --- point spacing and capacity --------------------------------------------------------------

struct SpacingCase {
    const char* name;
    Point move; // from the first point at (100, 100)
    int expectedCount;
};

void PrintTo(const SpacingCase& c, std::ostream* out) {
    *out << c.name;
}

class PadSpacingTest : public RecordingPadTest,
                       public ::testing::WithParamInterface<SpacingCase> {};

TEST_P(PadSpacingTest, OnlyMovesOfMoreThanFivePixelsAddAPoint) {
    const SpacingCase& c = GetParam();
    for (const bool recording : {false, true}) {
        SCOPED_TRACE(recording ? "recording" : "testing");
        set->motionCount = 0;
        if (recording) {
            pad.btnCreateClick();
        } else {
            pad.SetIdle();
        }
        pad.Image1MouseDown(PadButton::Left, {100, 100});
        ASSERT_EQ(pad.PadState(), recording ? padRecording : padTesting);
        pad.Image1MouseMove({100 + c.move.x, 100 + c.move.y});
        const MotionPath& path = pad.CapturedPath();
        EXPECT_EQ(Value(path.count), c.expectedCount);
        EXPECT_EQ(Value(path.drawIndex), c.expectedCount);
        if (c.expectedCount == 2) {
            EXPECT_EQ(PointAt(path, 1), (Point{100 + c.move.x, 100 + c.move.y}));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Moves, PadSpacingTest,
                         ::testing::Values(SpacingCase{"none", {0, 0}, 1},
                                           SpacingCase{"five across", {5, 0}, 1},
                                           SpacingCase{"five on a slant", {-3, 4}, 1},
                                           SpacingCase{"six down", {0, 6}, 2},
                                           SpacingCase{"just over five", {4, 4}, 2},
                                           SpacingCase{"far", {-90, 70}, 2}),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name;
                         });

TEST_F(RecordingPadTest, SpacingIsMeasuredFromTheLastPointAddedNotTheLastMove) {
    pad.Image1MouseDown(PadButton::Left, {0, 0});
    for (int x = 3; x <= 12; x += 3) { // 3, 6, 9, 12: only 6 and 12 are more than 5 from the last
        pad.Image1MouseMove({x, 0});
    }
    EXPECT_EQ(PointsOf(pad.CapturedPath()), (std::vector<Point>{{0, 0}, {6, 0}, {12, 0}}));
    // One grey hollow circle per added point, after the red start dot.
    const auto ellipses = window->canvas.CallsOf(PaintOp::Ellipse);
    ASSERT_EQ(ellipses.size(), 3u);
    EXPECT_EQ(ellipses[0].rect, (Rect{-5, -5, 5, 5}));
    EXPECT_EQ(ellipses[0].brushColour, Rgb(255, 0, 0));
    EXPECT_EQ(ellipses[0].penColour, Rgb(255, 0, 0));
    EXPECT_EQ(ellipses[2].rect, (Rect{7, -5, 17, 5}));
    EXPECT_EQ(ellipses[2].penColour, Rgb(128, 128, 128));
    EXPECT_EQ(ellipses[2].brushColour, Rgb(255, 255, 255));
}

TEST_F(RecordingPadTest, APathStopsGrowingAtItsCapacity) {
    for (const bool recording : {false, true}) {
        SCOPED_TRACE(recording ? "recording" : "testing");
        if (recording) {
            pad.btnCreateClick();
        }
        pad.Image1MouseDown(PadButton::Left, {0, 0});
        for (int i = 1; i < kMaxPathPoints + 200; ++i) {
            pad.Image1MouseMove({(i % 2) * 10, i * 10}); // zig-zag: every move adds a point
        }
        const MotionPath& path = pad.CapturedPath();
        EXPECT_EQ(Value(path.count), kMaxPathPoints);
        EXPECT_EQ(Value(path.drawIndex), kMaxPathPoints);
        EXPECT_EQ(PointAt(path, kMaxPathPoints - 1), (Point{0, (kMaxPathPoints - 1) * 10}));
        pad.Image1MouseUp(PadButton::Left, {0, 0});
        EXPECT_EQ(pad.PadState(), padIdle);
    }
    // The record after the path (the motion's action) is untouched.
    EXPECT_TRUE(set->motions[0].defaultAction.IsEmpty());
}

TEST_F(RecordingPadTest, MovesAreIgnoredWhileAGestureIsCapturedOnTheScreen) {
    pad.Image1MouseDown(PadButton::Left, {0, 0});
    window->capturing = true;
    pad.Image1MouseMove({50, 50});
    EXPECT_EQ(Value(pad.CapturedPath().count), 1);
    window->capturing = false;
    pad.Image1MouseMove({50, 50});
    EXPECT_EQ(Value(pad.CapturedPath().count), 2);
}

TEST_F(RecordingPadTest, OnlyTheLeftButtonStartsAGesture) {
    for (const PadButton button : {PadButton::Right, PadButton::Middle}) {
        pad.Image1MouseDown(button, {10, 10});
        EXPECT_EQ(pad.PadState(), padIdle);
        EXPECT_TRUE(window->canvas.calls.empty());
    }
    pad.btnRecordClick();
    pad.Image1MouseDown(PadButton::Right, {10, 10});
    EXPECT_EQ(pad.PadState(), padArmed);
}

// --- creating and recording -----------------------------------------------------------------

TEST_F(RecordingPadTest, CreateAppendsAnEmptyMotionSelectsItAndArmsThePad) {
    StoreMotion(0, HorizontalLine(), u"@Keys: Ctrl + W");
    set->motions[1].defaultAction.Assign(u"left over from an earlier set");
    set->motions[1].ruleCount = 7;
    set->motions[1].path.count = 12;

    pad.btnCreateClick();

    EXPECT_EQ(Value(set->motionCount), 2);
    EXPECT_EQ(Value(set->motions[1].path.count), 0);
    EXPECT_TRUE(set->motions[1].defaultAction.IsEmpty());
    EXPECT_EQ(Value(set->motions[1].ruleCount), 0);
    EXPECT_EQ(document.selectedIndex(), 1);
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(pad.PadState(), padArmed);
    EXPECT_EQ(window->events,
              (std::vector<std::u16string>{u"select 1", u"update buttons", u"hide record",
                                           u"tutorial btnCreate/click"}));
    EXPECT_EQ(window->Texts(), (std::vector<std::u16string>{u"Left-click and drag here to draw."}));
}

TEST_F(RecordingPadTest, TheHundredthMotionIsTheLast) {
    set->motionCount = kMaxMotions;
    document.SelectMotion(4);
    pad.btnCreateClick();
    EXPECT_EQ(Value(set->motionCount), kMaxMotions);
    EXPECT_EQ(window->dialogs,
              (std::vector<std::u16string>{u"You can have a maximum of 100 gestures in a set"}));
    EXPECT_EQ(pad.PadState(), padIdle);
    EXPECT_FALSE(document.IsModified());
    EXPECT_TRUE(window->events.empty());

    set->motionCount = kMaxMotions - 1;
    pad.btnCreateClick();
    EXPECT_EQ(Value(set->motionCount), kMaxMotions);
    EXPECT_EQ(window->dialogs.size(), 1u);
}

TEST_F(RecordingPadTest, RecordingReplacesOnlyThePathWithItsNormalisedForm) {
    StoreMotion(0, HorizontalLine(), u"@Keys: Ctrl + W");
    set->motions[0].ruleCount = 1;
    set->motions[0].rules[0].appIndex = 3;
    set->motions[0].rules[0].action.Assign(u"notepad.exe");
    document.SelectMotion(0);

    pad.btnRecordClick();
    EXPECT_EQ(Value(set->motions[0].path.drawIndex), 0);
    Draw(LShape());

    EXPECT_EQ(PointsOf(set->motions[0].path), PointsOf(ResizeGesture(*PathOf(LShape()))));
    EXPECT_EQ(set->motions[0].defaultAction.View(), u"@Keys: Ctrl + W");
    EXPECT_EQ(Value(set->motions[0].ruleCount), 1);
    EXPECT_EQ(set->motions[0].rules[0].action.View(), u"notepad.exe");
    EXPECT_EQ(Value(set->motions[0].rules[0].appIndex), 3);
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(pad.PadState(), padIdle);
    EXPECT_TRUE(window->Saw(u"repaint list"));
    EXPECT_TRUE(window->Saw(u"list click"));
    EXPECT_TRUE(window->Saw(u"tutorial image1/mouseup"));
}

TEST_F(RecordingPadTest, ReRecordingNeverWarnsAboutTheMotionItself) {
    // Alone in the set, the motion drawn again exactly has nothing to resemble.
    StoreMotion(0, DiagonalDown());
    document.SelectMotion(0);
    pad.btnRecordClick();
    Draw(DiagonalDown());
    ASSERT_EQ(window->recognitions, 1);
    EXPECT_EQ(window->countsSeenWhileRecognising, (std::vector<std::int32_t>{0}));
    EXPECT_EQ(Value(set->motions[0].path.count), 30);
    EXPECT_TRUE(TextsContaining(u"Warning").empty());

    // Beside another motion, a warning may name that one, never the motion itself.
    StoreMotion(1, HorizontalLine());
    window->countsSeenWhileRecognising.clear();
    pad.btnRecordClick();
    Draw(DiagonalDown());
    EXPECT_EQ(window->countsSeenWhileRecognising, (std::vector<std::int32_t>{0, 30}));
    EXPECT_EQ(Value(set->motions[0].path.count), 30);
    for (const std::u16string& warning : TextsContaining(u"Warning")) {
        EXPECT_EQ(warning, u"Warning: this is similar to gesture #2");
    }
}

TEST_F(RecordingPadTest, AMotionLikeAnotherIsStoredWithAWarningNamingIt) {
    StoreMotion(0, HorizontalLine());
    StoreMotion(1, DiagonalDown());
    StoreMotion(2, LShape());
    pad.btnCreateClick();
    window->canvas.calls.clear();
    Draw(LShape());

    EXPECT_EQ(Value(set->motionCount), 4);
    EXPECT_EQ(PointsOf(set->motions[3].path), PointsOf(set->motions[2].path));
    EXPECT_EQ(PointsOf(pad.CapturedPath()), PointsOf(set->motions[3].path));
    EXPECT_EQ(TextsContaining(u"Warning"),
              (std::vector<std::u16string>{u"Warning: this is similar to gesture #3"}));

    // The thumbnail is motion 3's path in the 40 by 40 square at the box's corner: its start
    // marker is the first red ellipse after the warning's box.
    const auto& calls = window->canvas.calls;
    const auto box = std::find_if(calls.begin(), calls.end(), [](const PaintCall& call) {
        return call.op == PaintOp::Rectangle;
    });
    ASSERT_NE(box, calls.end());
    const auto marker = std::find_if(
        box, calls.end(), [](const PaintCall& call) { return call.op == PaintOp::Ellipse; });
    ASSERT_NE(marker, calls.end());
    const Point start = PointAt(set->motions[2].path, 0);
    const Point corner{box->rect.left + 5, box->rect.top + 5};
    const Point at{corner.x + Mapped(start.x, 40), corner.y + Mapped(start.y, 40)};
    EXPECT_EQ(marker->rect, (Rect{at.x - 3, at.y - 3, at.x + 3, at.y + 3}));
    EXPECT_EQ(marker->penColour, Rgb(70, 81, 121));
}

TEST_F(RecordingPadTest, AClickWithoutMovementRecordsAnEmptyMotionAndFindsNothingSimilar) {
    StoreMotion(0, HorizontalLine());
    pad.btnCreateClick();
    pad.Image1MouseDown(PadButton::Left, {50, 50});
    pad.Image1MouseUp(PadButton::Left, {50, 50});
    EXPECT_EQ(Value(set->motions[1].path.count), 0);
    EXPECT_TRUE(TextsContaining(u"Warning").empty());
}

TEST_F(RecordingPadTest, SelectingAnotherMotionDisarmsThePadAndTheMotionKeepsItsPath) {
    StoreMotion(0, HorizontalLine());
    document.SelectMotion(0);
    pad.btnRecordClick();
    pad.SetIdle();
    pad.Image1MouseDown(PadButton::Left, {10, 10});
    pad.Image1MouseMove({90, 10});
    pad.Image1MouseUp(PadButton::Left, {90, 10});
    EXPECT_EQ(PointsOf(set->motions[0].path), PointsOf(ResizeGesture(*PathOf(HorizontalLine()))));
    EXPECT_FALSE(document.IsModified());
}

// --- testing on the pad ---------------------------------------------------------------------

TEST_F(RecordingPadTest, ATestNamesTheMatchedMotionOrSaysItIsUnrecognised) {
    StoreMotion(0, HorizontalLine());
    StoreMotion(1, DiagonalDown());
    StoreMotion(2, LShape());
    StoreMotion(3, Stroke({200, 40}, {0, 9}, 35));

    Draw(LShape());
    EXPECT_EQ(pad.PadState(), padIdle);
    EXPECT_EQ(window->reminderTimer, std::optional<bool>(true));
    EXPECT_EQ(TextsContaining(u"Matches"), (std::vector<std::u16string>{u"Matches #3"}));
    EXPECT_EQ(PointsOf(pad.CapturedPath()), PointsOf(ResizeGesture(*PathOf(LShape()))));

    window->canvas.calls.clear();
    pad.Image1MouseDown(PadButton::Left, {300, 300});
    pad.Image1MouseUp(PadButton::Left, {300, 300});
    EXPECT_EQ(window->Texts(), (std::vector<std::u16string>{u"Unrecognised"}));
    // The empty gesture draws no thumbnail: the message box is the short one.
    const auto boxes = window->canvas.CallsOf(PaintOp::Rectangle);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rect.bottom - boxes[0].rect.top, 30);
}

TEST_F(RecordingPadTest, ATestIsDrawnOverTheWholePadBeforeItsMessage) {
    StoreMotion(0, HorizontalLine());
    Draw(HorizontalLine());
    const auto& calls = window->canvas.calls;
    const auto lastClear = std::find_if(calls.rbegin(), calls.rend(), [](const PaintCall& call) {
        return call.op == PaintOp::Fill;
    });
    ASSERT_NE(lastClear, calls.rend());
    EXPECT_EQ(lastClear->rect, (Rect{0, 0, 483, 400}));
    EXPECT_EQ(lastClear->brushColour, Rgb(255, 255, 255));
    // The normalised stroke spans the pad inside a margin of 8 % of its size: (0, 50) and
    // (100, 50) land at x 38 and 445, y 200.
    const auto next = std::prev(lastClear.base());
    std::vector<Rect> dots;
    for (auto call = next; call != calls.end() && call->op != PaintOp::Rectangle; ++call) {
        if (call->op == PaintOp::Ellipse) {
            dots.push_back(call->rect);
        }
    }
    ASSERT_GE(dots.size(), 2u);
    EXPECT_EQ(dots.front(), (Rect{35, 197, 41, 203}));
    EXPECT_EQ((dots.back().left + dots.back().right) / 2, 483 - 38);
}

TEST_F(RecordingPadTest, AShownMotionKeepsAMarginOfEightPercentOfThePad) {
    // A square along the reference box's edges: every dot stays 8 % inside the pad.
    set->motions[0].path = *PathOf({{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}});
    set->motionCount = 1;
    for (const Size size : {Size{483, 400}, Size{966, 800}}) {
        window->size = size;
        window->canvas.calls.clear();
        pad.ShowMotion(0);
        const int marginX = size.width * 8 / 100;
        const int marginY = size.height * 8 / 100;
        const auto dots = window->canvas.CallsOf(PaintOp::Ellipse);
        ASSERT_EQ(dots.size(), 5u);
        for (const PaintCall& dot : dots) {
            const Point centre{(dot.rect.left + dot.rect.right) / 2,
                               (dot.rect.top + dot.rect.bottom) / 2};
            EXPECT_TRUE(centre.x == marginX || centre.x == size.width - marginX) << centre.x;
            EXPECT_TRUE(centre.y == marginY || centre.y == size.height - marginY) << centre.y;
        }
    }
}

// --- the reminder ---------------------------------------------------------------------------

TEST_F(RecordingPadTest, TheReminderIsDrawnOnceBelowTheResultWhenThePadIsIdle) {
    Draw(HorizontalLine());
    ASSERT_EQ(window->reminderTimer, std::optional<bool>(true));

    pad.btnRecordClick(); // armed: the reminder waits
    window->canvas.calls.clear();
    pad.ReminderTimerTimer();
    EXPECT_TRUE(window->canvas.calls.empty());
    EXPECT_EQ(window->reminderTimer, std::optional<bool>(true));

    pad.SetIdle();
    pad.ReminderTimerTimer();
    EXPECT_EQ(window->Texts(),
              (std::vector<std::u16string>{u"Click \"Create gesture\" to record a new gesture."}));
    EXPECT_EQ(window->reminderTimer, std::optional<bool>(false));
    // Offset 90 moves the box's centre 45 pixels below the result's: (400 / 5) * 3 + 45.
    const auto boxes = window->canvas.CallsOf(PaintOp::Rectangle);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ((boxes[0].rect.top + boxes[0].rect.bottom) / 2, 285);
}

// --- message boxes --------------------------------------------------------------------------

struct MessageCase {
    const char* name;
    bool withPath;
    int offset;
    Size pad;
    Rect box; // for a 10-character text, measured 70 by 13
    Point textAt;
};

void PrintTo(const MessageCase& c, std::ostream* out) {
    *out << c.name;
}

class MessageGeometryTest : public RecordingPadTest,
                            public ::testing::WithParamInterface<MessageCase> {};

TEST_P(MessageGeometryTest, TheBoxIsCentredAndTheTextRightAlignedInsideIt) {
    const MessageCase& c = GetParam();
    window->size = c.pad;
    const auto path = c.withPath ? PathOf({{0, 0}, {100, 100}}) : PathOf({});
    pad.MessageInGestureArea(*path, u"0123456789", c.offset);

    const auto boxes = window->canvas.CallsOf(PaintOp::Rectangle);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rect, c.box);
    EXPECT_EQ(boxes[0].penColour, Rgb(192, 192, 192));
    EXPECT_EQ(boxes[0].brushColour, Rgb(255, 255, 255));
    EXPECT_TRUE(boxes[0].brushSolid);

    const auto texts = window->canvas.TextCalls(u"0123456789");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ((Point{texts[0].rect.left, texts[0].rect.top}), c.textAt);
    EXPECT_EQ(texts[0].font.face, u"Tahoma");
    EXPECT_EQ(texts[0].font.height, 13);
    EXPECT_EQ(texts[0].fontColour, Rgb(70, 81, 121));

    const auto ellipses = window->canvas.CallsOf(PaintOp::Ellipse);
    if (c.withPath) {
        // (0, 0) and (100, 100) of the box land on the thumbnail square's corners.
        ASSERT_EQ(ellipses.size(), 2u);
        const Point corner{c.box.left + 5, c.box.top + 5};
        EXPECT_EQ(ellipses[0].rect, (Rect{corner.x - 3, corner.y - 3, corner.x + 3, corner.y + 3}));
        EXPECT_EQ(ellipses[1].rect,
                  (Rect{corner.x + 38, corner.y + 38, corner.x + 42, corner.y + 42}));
    } else {
        EXPECT_TRUE(ellipses.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, MessageGeometryTest,
    ::testing::Values(
        // cx 241, cy 240; 80 by 30 (width / 2 = 40)
        MessageCase{"empty", false, 0, {483, 400}, {201, 225, 281, 255}, {206, 234}},
        // 125 by 50 (width / 2 = 62)
        MessageCase{"thumbnail", true, 0, {483, 400}, {179, 215, 303, 265}, {228, 234}},
        // cy 240 + 45
        MessageCase{"reminder offset", false, 90, {483, 400}, {201, 270, 281, 300}, {206, 279}},
        // offset -3 halves toward zero: cy 240 - 1; height 401 gives (401 / 5) * 3 = 240
        MessageCase{"odd sizes", false, -3, {484, 401}, {202, 224, 282, 254}, {207, 233}}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

// At 150 % the pad is 725 by 600: the message font, the box, its padding, the thumbnail and
// the recording dots grow with it, and the text still fits in the box.
TEST_F(RecordingPadTest, TheMessageBoxAndDotsFollowThePadsScale) {
    window->scale = DpiScale{144};
    window->size = {725, 600};
    pad.MessageInGestureArea(*PathOf({{0, 0}, {100, 100}}), u"0123456789", 0);

    const auto texts = window->canvas.TextCalls(u"0123456789");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].font.height, 20);
    const auto boxes = window->canvas.CallsOf(PaintOp::Rectangle);
    ASSERT_EQ(boxes.size(), 1u);
    // 70 + 83 by 75, centred on (362, 360).
    EXPECT_EQ(boxes[0].rect, (Rect{286, 323, 438, 397}));
    EXPECT_EQ((Point{texts[0].rect.left, texts[0].rect.top}), (Point{360, 350}));
    EXPECT_GE(texts[0].rect.top, boxes[0].rect.top);
    EXPECT_LE(texts[0].rect.bottom, boxes[0].rect.bottom);
    const auto ellipses = window->canvas.CallsOf(PaintOp::Ellipse);
    ASSERT_EQ(ellipses.size(), 2u);
    // The thumbnail is the 60 by 60 square at the box's corner (8 in).
    EXPECT_EQ(ellipses[1].rect, (Rect{294 + 58, 331 + 58, 294 + 62, 331 + 62}));

    window->canvas.calls.clear();
    pad.Image1MouseDown(PadButton::Left, {100, 100});
    pad.Image1MouseMove({107, 100}); // closer than the scaled spacing (7.5): no point
    pad.Image1MouseMove({120, 100});
    const auto dots = window->canvas.CallsOf(PaintOp::Ellipse);
    ASSERT_EQ(dots.size(), 2u);
    EXPECT_EQ(dots[0].rect, (Rect{92, 92, 108, 108}));
    EXPECT_EQ(dots[1].rect, (Rect{112, 92, 128, 108}));
    EXPECT_EQ(pad.CapturedPath().count, 2);
}

// --- languages ------------------------------------------------------------------------------

TEST_F(RecordingPadTest, ChineseTextsCarryTheSameNumbers) {
    window->language = Language::Chinese;
    StoreMotion(0, HorizontalLine());
    StoreMotion(1, DiagonalDown());
    StoreMotion(2, LShape());

    pad.btnCreateClick();
    Draw(LShape());
    Draw(DiagonalDown());
    pad.Image1MouseDown(PadButton::Left, {1, 1});
    pad.Image1MouseUp(PadButton::Left, {1, 1});
    pad.ReminderTimerTimer();

    EXPECT_EQ(window->Texts(), (std::vector<std::u16string>{
                                   u"点击并拖动鼠标，录制手势",
                                   u"警告：这个与手势#3相似",
                                   u"匹配手势#2",
                                   u"无法识别",
                                   u"点击 \"创建\" 来记录一个新的手势",
                               }));
}

TEST(PadTextTest, TheWarningNumbersOnlyTheFirstX) {
    EXPECT_EQ(SimilarityWarning(0, Language::English), u"Warning: this is similar to gesture #1");
    EXPECT_EQ(SimilarityWarning(99, Language::English),
              u"Warning: this is similar to gesture #100");
    EXPECT_EQ(SimilarityWarning(11, Language::Chinese), u"警告：这个与手势#12相似");
    EXPECT_EQ(PadMessage(PadText::SetFull, Language::Chinese),
              u"You can have a maximum of 100 gestures in a set");
}

} // namespace
} // namespace traxo
