// What the result popup shows, when it shows, how it slides away, and how it is painted.

#include "app/ResultPopup.h"

#include "RecognitionTestPaths.h"
#include "actions/ActionLists.h"
#include "platform/RecordingPaintCanvas.h"

#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace traxo {
namespace {

using test::PathOf;
using test::PointsOf;

struct ContentCase {
    const char* name;
    int result;
    std::u16string actionText;
    Language language;
    std::u16string number;
    std::u16string label;
    bool thumbnailIsGesture;
};

void PrintTo(const ContentCase& c, std::ostream* out) {
    *out << c.name;
}

class PopupContentTest : public ::testing::TestWithParam<ContentCase> {};

TEST_P(PopupContentTest, NumberLabelAndThumbnail) {
    const ContentCase& c = GetParam();
    const auto gesture = PathOf({{0, 50}, {50, 50}, {100, 50}});
    const auto motion = PathOf({{50, 0}, {50, 100}, {0, 100}, {0, 0}});
    const PopupContent content =
        MakePopupContent(c.result, *gesture, *motion, c.actionText, c.language);
    EXPECT_EQ(content.number, c.number);
    EXPECT_EQ(content.actionText, c.label);
    EXPECT_EQ(PointsOf(content.thumbnail), PointsOf(c.thumbnailIsGesture ? *gesture : *motion));
}

INSTANTIATE_TEST_SUITE_P(
    Results, PopupContentTest,
    ::testing::Values(
        // An unrecognised gesture leaves actionText empty; the label does not depend on it.
        ContentCase{"unrecognised", -1, u"", Language::English, u"?", u"(unrecognised)", true},
        ContentCase{"unrecognised_chinese", -1, u"", Language::Chinese, u"?", u"（未知手势）",
                    true},
        ContentCase{"first_motion", 0, u"@Keys: Ctrl + W", Language::English, u"1",
                    u"Keys: Ctrl + W", false},
        ContentCase{"twelfth_motion", 11, u"@Keys: Ctrl + W", Language::Chinese, u"12",
                    u"组合键:Ctrl + W", false},
        ContentCase{"hundredth_motion", 99, u"https://example.org/a", Language::English, u"100",
                    u"https://example.org/a", false},
        // The action that ran for the program, e.g. a rule's, is what the label names.
        ContentCase{"program_rule", 4, u"c:\\tools\\notepad.exe", Language::English, u"5",
                    u"notepad.exe", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PopupContentLimitTest, TheLabelIsCutToAThousandCharactersWithoutSplittingAPair) {
    const auto path = PathOf({});
    const std::u16string address = u"https://example.org/" + std::u16string(1500, u'a');
    EXPECT_EQ(MakePopupContent(0, *path, *path, address, Language::English).actionText,
              address.substr(0, 1000));

    // A surrogate pair across the limit is dropped whole.
    std::u16string wide = u"https://example.org/" + std::u16string(979, u'b');
    wide += u"\U0001F600tail";
    ASSERT_EQ(wide[999], u'\xD83D');
    EXPECT_EQ(MakePopupContent(0, *path, *path, wide, Language::English).actionText,
              wide.substr(0, 999));

    const std::u16string exact = u"https://example.org/" + std::u16string(980, u'c');
    EXPECT_EQ(MakePopupContent(0, *path, *path, exact, Language::English).actionText, exact);
}

TEST(PopupContentFromSetTest, TakesTheMatchedMotionsPathAndNeverReadsOutsideTheSet) {
    auto set = std::make_unique<MotionSet>();
    set->motions[2].path = *PathOf({{10, 10}, {90, 90}, {10, 90}});
    set->motionCount = 3;
    const auto gesture = PathOf({{0, 0}, {100, 0}, {50, 50}});
    const PopupContent matched =
        MakePopupContent(2, *gesture, *set, u"@Keys: Alt + F4", Language::English);
    EXPECT_EQ(matched.number, u"3");
    EXPECT_EQ(PointsOf(matched.thumbnail), PointsOf(set->motions[2].path));
    for (const int outside : {-1, 3, 100, 5000}) {
        const PopupContent content =
            MakePopupContent(outside, *gesture, *set, u"", Language::English);
        EXPECT_EQ(content.number, u"?");
        EXPECT_EQ(content.actionText, u"(unrecognised)");
        EXPECT_EQ(PointsOf(content.thumbnail), PointsOf(*gesture));
    }
}

// --- sliding --------------------------------------------------------------------------------

TEST(PopupSlideTest, ASecondInTheCornerThenFivePixelsEveryTwentyMillisecondsUntilGone) {
    PopupSlide slide;
    const Size screen{1280, 1024};
    PopupSlide::Step step = slide.Show(screen, {134, 56});
    EXPECT_EQ(step, (PopupSlide::Step{true, {1146, 968}, 1000}));

    step = slide.Tick(); // the second is over: faster ticks, not yet moving
    EXPECT_EQ(step, (PopupSlide::Step{true, {1146, 968}, 20}));

    int ticks = 0;
    std::vector<int> tops;
    while (step.visible && ticks < 100) {
        step = slide.Tick();
        tops.push_back(step.topLeft.y);
        ++ticks;
    }
    // 968 + 5 * 12 = 1028 is the first top past 1024.
    EXPECT_EQ(ticks, 12);
    EXPECT_EQ(tops.front(), 973);
    EXPECT_EQ(tops[10], 1023);
    EXPECT_FALSE(step.visible);
    EXPECT_EQ(step.timerMs, 0);
    EXPECT_EQ(slide.Tick(), step); // a stray tick after hiding changes nothing
}

TEST(PopupSlideTest, ANewGestureWhileSlidingStartsAgainFromTheCorner) {
    PopupSlide slide;
    slide.Show({800, 600}, {134, 56});
    slide.Tick();
    for (int i = 0; i < 5; ++i) {
        slide.Tick();
    }
    ASSERT_EQ(slide.Current().topLeft.y, 544 + 25);

    const PopupSlide::Step again = slide.Show({800, 600}, {134, 56});
    EXPECT_EQ(again, (PopupSlide::Step{true, {666, 544}, 1000}));
    EXPECT_EQ(slide.Tick().timerMs, 20);
    EXPECT_EQ(slide.Current().topLeft.y, 544);

    // And after hiding too.
    while (slide.Current().visible) {
        slide.Tick();
    }
    EXPECT_TRUE(slide.Show({800, 600}, {134, 56}).visible);
    EXPECT_EQ(slide.Current().timerMs, 1000);
}

// --- painting -------------------------------------------------------------------------------

TEST(PaintResultPopupTest, NumberAndLabelAreRightAlignedInTheirBoxes) {
    RecordingPaintCanvas canvas;
    PopupContent content;
    content.number = u"12";
    content.actionText = u"Keys: Ctrl + W";
    PaintResultPopup(canvas, content);

    const auto number = canvas.TextCalls(u"12");
    ASSERT_EQ(number.size(), 1u);
    EXPECT_EQ(number[0].font.face, u"Tahoma");
    EXPECT_EQ(number[0].font.height, 32);
    EXPECT_EQ(number[0].fontColour, Rgb(186, 198, 205));
    EXPECT_EQ(number[0].rect, (Rect{128 - 14, -2, 128, 30}));
    EXPECT_EQ(number[0].clip, std::optional<Rect>(Rect{73, -2, 128, 34}));

    const auto label = canvas.TextCalls(u"Keys: Ctrl + W");
    ASSERT_EQ(label.size(), 1u);
    EXPECT_EQ(label[0].font.height, 11);
    EXPECT_EQ(label[0].fontColour, Rgb(242, 244, 247));
    EXPECT_EQ(label[0].rect, (Rect{127 - 98, 37, 127, 48}));
    EXPECT_EQ(label[0].clip, std::optional<Rect>(Rect{8, 37, 127, 52}));

    // Nothing is drawn outside the clips: no thumbnail for an empty path.
    EXPECT_TRUE(canvas.CallsOf(PaintOp::Ellipse).empty());
}

TEST(PaintResultPopupTest, ALongLabelShowsItsStartWithAnEllipsis) {
    struct Case {
        std::u16string action;
        std::u16string drawn;
    };
    // The box is 119 pixels wide: 17 characters of 7 pixels.
    const std::vector<Case> cases = {
        {u"Special: maximise window", u"Special: maximis\u2026"},
        {u"Special: maximise", u"Special: maximise"}, // 17 characters fit as they are
        {u"Run: \U0001F600\U0001F600\U0001F600\U0001F600\U0001F600\U0001F600x",
         u"Run: \U0001F600\U0001F600\U0001F600\U0001F600\U0001F600\u2026"},
        {u"Run: 12345\U0001F600\U0001F600\U0001F600\U0001F600",
         u"Run: 12345\U0001F600\U0001F600\U0001F600\u2026"},
    };
    for (const Case& c : cases) {
        RecordingPaintCanvas canvas;
        PopupContent content;
        content.actionText = c.action;
        PaintResultPopup(canvas, content);
        const auto label = canvas.TextCalls(c.drawn);
        ASSERT_EQ(label.size(), 1u) << std::string(c.action.begin(), c.action.end());
        EXPECT_EQ(label[0].rect.left, 8);
        EXPECT_LE(label[0].rect.right, 127);
    }
}

TEST(PaintResultPopupTest, TheThumbnailIsDrawnInWhiteIntoItsSquare) {
    RecordingPaintCanvas canvas;
    PopupContent content;
    content.thumbnail = *PathOf({{0, 0}, {100, 100}});
    content.number = u"?";
    PaintResultPopup(canvas, content);

    const auto ellipses = canvas.CallsOf(PaintOp::Ellipse);
    ASSERT_EQ(ellipses.size(), 2u);
    EXPECT_EQ(ellipses[0].rect, (Rect{1, 1, 7, 7}));     // (4, 4), the start
    EXPECT_EQ(ellipses[1].rect, (Rect{34, 34, 38, 38})); // (36, 36)
    for (const PaintCall& call : canvas.CallsOf(PaintOp::Line)) {
        EXPECT_EQ(call.penColour, Rgb(255, 255, 255));
        EXPECT_EQ(call.clip, std::optional<Rect>(Rect{4, 4, 36, 36}));
    }
    EXPECT_EQ(ellipses[0].brushColour, Rgb(255, 0, 0));
    EXPECT_EQ(ellipses[0].clip, std::optional<Rect>(Rect{4, 4, 36, 36}));
    EXPECT_EQ(canvas.CallsOf(PaintOp::Line).size(), 1u);
}

// At 150 % every box and font is half as large again, so the label is not cut where the
// unscaled box would cut it and the thumbnail keeps its square.
TEST(PaintResultPopupTest, BoxesAndFontsFollowTheScale) {
    RecordingPaintCanvas canvas;
    PopupContent content;
    content.thumbnail = *PathOf({{0, 0}, {100, 100}});
    content.number = u"12";
    content.actionText = u"Keys: Ctrl + W";
    PaintResultPopup(canvas, content, DpiScale{144});

    const auto number = canvas.TextCalls(u"12");
    ASSERT_EQ(number.size(), 1u);
    EXPECT_EQ(number[0].font.height, 48);
    EXPECT_EQ(number[0].clip, std::optional<Rect>(Rect{110, -3, 192, 51}));
    EXPECT_EQ(number[0].rect.right, 192); // right-aligned in the scaled box

    const auto label = canvas.TextCalls(u"Keys: Ctrl + W");
    ASSERT_EQ(label.size(), 1u);
    EXPECT_EQ(label[0].font.height, 17);
    EXPECT_EQ(label[0].clip, std::optional<Rect>(Rect{12, 56, 191, 78}));
    EXPECT_EQ(label[0].rect.right, 191);
    EXPECT_LE(label[0].rect.bottom, 78) << "the label's text is cut at the bottom";

    const auto ellipses = canvas.CallsOf(PaintOp::Ellipse);
    ASSERT_EQ(ellipses.size(), 2u);
    for (const PaintCall& call : ellipses) {
        EXPECT_EQ(call.clip, std::optional<Rect>(Rect{6, 6, 54, 54}));
    }
}

} // namespace
} // namespace traxo
