// The recording pad when a drawing is cut short (another command or a screen gesture sets it
// idle, or the window loses the mouse) and when the language changes under its messages.

#include "RecordingPadFixture.h"

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

// --- the language ---------------------------------------------------------------------------

TEST_F(RecordingPadTest, ALanguageSwitchRedrawsThePadsMessagesAtOnce) {
    StoreMotion(0, HorizontalLine());
    pad.btnRecordClick();
    window->language = Language::Chinese;
    window->canvas.calls.clear();
    pad.TranslateMe();
    EXPECT_EQ(window->Texts(), (std::vector<std::u16string>{u"点击并拖动鼠标，录制手势"}));
    ASSERT_FALSE(window->canvas.calls.empty());
    EXPECT_EQ(window->canvas.calls.front().op, PaintOp::Fill) << "the English box is left under it";

    // A test's answer and the reminder below it, over the drawn gesture.
    window->language = Language::English;
    pad.SetIdle();
    Draw(HorizontalLine());
    pad.ReminderTimerTimer();
    window->language = Language::Chinese;
    window->canvas.calls.clear();
    pad.TranslateMe();
    EXPECT_EQ(window->Texts(),
              (std::vector<std::u16string>{u"匹配手势#1", u"点击 \"创建\" 来记录一个新的手势"}));
    EXPECT_EQ(window->canvas.CallsOf(PaintOp::Rectangle).size(), 2u);
    EXPECT_GT(window->canvas.CallsOf(PaintOp::Ellipse).size(), 30u) << "the gesture is not redrawn";

    // A pad that shows no words is left alone.
    pad.ShowMotion(0);
    window->canvas.calls.clear();
    pad.TranslateMe();
    EXPECT_TRUE(window->canvas.calls.empty());
}

// --- interrupted recordings -----------------------------------------------------------------

struct Interruption {
    const char* name;
    void (*interrupt)(RecordingPad& pad);
};

void PrintTo(const Interruption& c, std::ostream* out) {
    *out << c.name;
}

class InterruptedRecordingTest : public RecordingPadTest,
                                 public ::testing::WithParamInterface<Interruption> {};

TEST_P(InterruptedRecordingTest, TheMotionKeepsItsOldPathAndTheSetStaysUnmodified) {
    StoreMotion(0, HorizontalLine(), u"@Keys: Ctrl + W");
    const std::vector<Point> before = PointsOf(set->motions[0].path);
    document.SelectMotion(0);
    pad.btnRecordClick();

    const std::vector<Point> drawn = LShape();
    pad.Image1MouseDown(PadButton::Left, drawn.front());
    pad.Image1MouseMove(drawn[5]);
    EXPECT_EQ(PointsOf(set->motions[0].path), before) << "the press overwrote the motion";

    GetParam().interrupt(pad);
    EXPECT_EQ(pad.PadState(), padIdle);
    for (std::size_t i = 6; i < drawn.size(); ++i) {
        pad.Image1MouseMove(drawn[i]); // the release that never came: moves record nothing
    }
    pad.Image1MouseUp(PadButton::Left, drawn.back());

    EXPECT_EQ(PointsOf(set->motions[0].path), before);
    EXPECT_EQ(set->motions[0].defaultAction.View(), u"@Keys: Ctrl + W");
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(pad.PadState(), padIdle);
    EXPECT_EQ(window->recognitions, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Interruptions, InterruptedRecordingTest,
    ::testing::Values(Interruption{"SetIdle", [](RecordingPad& pad) { pad.SetIdle(); }},
                      Interruption{"CaptureLost",
                                   [](RecordingPad& pad) { pad.Image1CaptureLost(); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RecordingPadTest, ALostCaptureShowsTheSelectedMotionAgain) {
    StoreMotion(0, HorizontalLine());
    document.SelectMotion(0);
    pad.btnRecordClick();
    pad.Image1MouseDown(PadButton::Left, {10, 10});
    pad.Image1MouseMove({90, 90});
    window->canvas.calls.clear();
    pad.Image1CaptureLost();
    // The pad is cleared and the stored horizontal line drawn across it again.
    const auto fills = window->canvas.CallsOf(PaintOp::Fill);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].rect, (Rect{0, 0, 483, 400}));
    EXPECT_FALSE(window->canvas.CallsOf(PaintOp::Ellipse).empty());

    // With nothing in progress, a lost capture changes nothing.
    window->canvas.calls.clear();
    pad.btnRecordClick();
    window->canvas.calls.clear();
    pad.Image1CaptureLost();
    EXPECT_EQ(pad.PadState(), padArmed);
    EXPECT_TRUE(window->canvas.calls.empty());
}

TEST_F(RecordingPadTest, ALostCaptureEndsATestWithoutAnAnswer) {
    pad.Image1MouseDown(PadButton::Left, {10, 10});
    pad.Image1CaptureLost();
    EXPECT_EQ(pad.PadState(), padIdle);
    pad.Image1MouseUp(PadButton::Left, {10, 10});
    EXPECT_EQ(window->recognitions, 0);
    EXPECT_FALSE(window->reminderTimer.has_value());
}

} // namespace
} // namespace traxo
