// How a window follows the DPI of its monitor: which DPI it takes, what a font height becomes,
// where the window goes on WM_DPICHANGED; and that a gesture does not depend on the scale of the
// display it was drawn on.
#include "platform/DpiRules.h"

#include "RecognitionTestPaths.h"
#include "recognition/MotionGeometry.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace traxo {
namespace {

TEST(ChooseDpi, PrefersTheMonitorThenTheScreenThenTheDesign) {
    EXPECT_EQ(ChooseDpi(144, 96), 144); // a second monitor at 150 %
    EXPECT_EQ(ChooseDpi(0, 120), 120);  // a system without GetDpiForWindow
    EXPECT_EQ(ChooseDpi(0, 0), 96);     // no screen DC either
    EXPECT_EQ(ChooseDpi(-1, 144), 144);
}

TEST(DpiOfChangedMessage, ReadsTheVerticalDpiFromTheHighWord) {
    EXPECT_EQ(DpiOfChangedMessage((144u << 16) | 144u), 144);
    EXPECT_EQ(DpiOfChangedMessage((192u << 16) | 120u), 192);
    EXPECT_EQ(DpiOfChangedMessage(120u), 120); // a high word of 0 falls back to the low one
    EXPECT_EQ(DpiOfChangedMessage(0u), 96);
    // A 64-bit wParam with bits above the two words set still reads the words.
    EXPECT_EQ(DpiOfChangedMessage((std::uint64_t{0xFFFF} << 32) | (168u << 16) | 168u), 168);
}

TEST(FontHeightAtDpi, CarriesTheHeightKeepingItsSignAndRoundingAsMulDiv) {
    struct Case {
        int height, from, to, expected;
    };
    const Case cases[] = {
        {-12, 96, 144, -18},                       // the message font at 150 %
        {-12, 96, 120, -15}, {-18, 144, 96, -12},  // back to the primary monitor
        {-11, 96, 144, -17},                       // -16.5 rounds away from zero
        {11, 96, 144, 17},   {-16, 120, 120, -16}, // the same DPI leaves it alone
        {-12, 0, 144, -12},                        // an unknown DPI leaves it alone
        {-1, 192, 96, -1},                         // -0.5 rounds to -1
        {-1, 960, 96, -1},                         // never 0, which would be "any height"
        {0, 96, 144, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FontHeightAtDpi(c.height, c.from, c.to), c.expected)
            << c.height << " from " << c.from << " to " << c.to;
    }
}

TEST(WindowRectAtDpi, KeepsTheSuggestedCornerWithTheFrameTheClientNeeds) {
    // The system scaled a 300 by 200 frame by 1.5 and got 450 by 300; the window's own frame at
    // the new DPI is 452 by 303 (borders do not scale linearly).
    EXPECT_EQ(WindowRectAtDpi({1900, 100, 2350, 400}, {452, 303}), (Rect{1900, 100, 2352, 403}));
    // Negative coordinates: a monitor left of the primary one.
    EXPECT_EQ(WindowRectAtDpi({-1500, -20, -1050, 280}, {300, 200}),
              (Rect{-1500, -20, -1200, 180}));
    // Nothing sensible to take: the suggestion stands.
    EXPECT_EQ(WindowRectAtDpi({10, 20, 30, 40}, {0, 0}), (Rect{10, 20, 30, 40}));
}

TEST(ScaledSize, IsTheDesignSizeAtTheScale) {
    EXPECT_EQ(ScaledSize({600, 420}, DpiScale{144}), (Size{900, 630}));
    EXPECT_EQ(ScaledSize({134, 56}, DpiScale{120}), (Size{168, 70}));
    EXPECT_EQ(ScaledSize({600, 420}, DpiScale{}), (Size{600, 420}));
}

// The capture works in physical pixels on every monitor; the same figure drawn at 150 % is 1.5
// times larger, elsewhere on the virtual screen, and must still become the same motion.
TEST(GestureAtTwoScales, NormalisesToTheSameMotion) {
    std::vector<Point> small;
    for (int i = 0; i <= 40; ++i) { // an L with a curve: down, then right, then up a little
        small.push_back(i <= 20 ? Point{100, 100 + i * 6}
                                : Point{100 + (i - 20) * 8, 220 - (i - 20) * (i - 20) / 10});
    }
    std::vector<Point> large;
    for (const Point p : small) {
        large.push_back({-1920 + p.x * 3 / 2, 300 + p.y * 3 / 2}); // a monitor left of the primary
    }
    const auto a = std::make_unique<MotionPath>(ResizeGesture(*test::PathOf(small)));
    const auto b = std::make_unique<MotionPath>(ResizeGesture(*test::PathOf(large)));
    ASSERT_EQ(a->count, b->count);
    ASSERT_GT(a->count, 2);
    for (int i = 0; i < a->count; ++i) {
        const Point pa = PointAt(*a, i);
        const Point pb = PointAt(*b, i);
        EXPECT_LE(std::abs(pa.x - pb.x), 1) << "point " << i;
        EXPECT_LE(std::abs(pa.y - pb.y), 1) << "point " << i;
    }
}

} // namespace
} // namespace traxo
