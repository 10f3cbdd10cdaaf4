// The trigger modes' pictures: the keys to hold stand inside their key cap with room around them.
#include "ui/options/TriggerPictures.h"

#include "platform/RecordingPaintCanvas.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace traxo {
namespace {

struct KeyCase {
    int mode;
    std::vector<std::u16string> lines;
};

class TriggerKeyCap : public ::testing::TestWithParam<KeyCase> {};

TEST_P(TriggerKeyCap, TheKeysLieInsideTheCapWithRoomAround) {
    const KeyCase& c = GetParam();
    // About Tahoma's width at 10 to 11 pixels.
    RecordingPaintCanvas canvas(5);
    PaintTriggerPicture(canvas, c.mode);
    const auto caps = canvas.CallsOf(PaintOp::RoundRect);
    ASSERT_EQ(caps.size(), 2u); // the mouse's body, then the key cap
    const Rect cap = caps[1].rect;
    const auto texts = canvas.CallsOf(PaintOp::Text);
    std::vector<std::u16string> lines;
    constexpr int kRoom = 2;
    for (const PaintCall& text : texts) {
        lines.push_back(text.text);
        EXPECT_GE(text.rect.left, cap.left + kRoom)
            << std::string(text.text.begin(), text.text.end());
        EXPECT_LE(text.rect.right, cap.right - kRoom);
        EXPECT_GE(text.rect.top, cap.top + 1);
        EXPECT_LE(text.rect.bottom, cap.bottom - 1);
        EXPECT_GE(text.font.height, 10) << "too small to read";
    }
    EXPECT_EQ(lines, c.lines);
    EXPECT_LE(cap.right, 42) << "the cap runs into the mouse";
}

INSTANTIATE_TEST_SUITE_P(Modes, TriggerKeyCap,
                         ::testing::Values(KeyCase{0, {u"Ctrl+", u"Shift"}}, KeyCase{2, {u"Ctrl"}},
                                           KeyCase{4, {u"Ctrl"}}));

TEST(TriggerPictures, ModesWithoutKeysDrawNoCap) {
    for (const int mode : {1, 3}) {
        RecordingPaintCanvas canvas;
        PaintTriggerPicture(canvas, mode);
        EXPECT_EQ(canvas.CallsOf(PaintOp::RoundRect).size(), 1u) << mode;
        EXPECT_TRUE(canvas.CallsOf(PaintOp::Text).empty()) << mode;
    }
}

} // namespace
} // namespace traxo
