// Normalisation decides what every stored motion looks like, so its rounding is pinned down
// point by point; drawing is checked through a canvas that records what it is asked.
#include "RecognitionTestPaths.h"
#include "recognition/MotionGeometry.h"

#include <algorithm>
#include <cstdint>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace traxo {
namespace {

using test::PathOf;
using test::PointsOf;
using test::Stroke;
using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::Field;

constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();

std::vector<Point> Normalised(const std::vector<Point>& raw) {
    return PointsOf(*std::make_unique<MotionPath>(ResizeGesture(*PathOf(raw))));
}

std::vector<std::int32_t> Xs(const std::vector<Point>& points) {
    std::vector<std::int32_t> xs;
    for (const Point& p : points) {
        xs.push_back(p.x);
    }
    return xs;
}

std::vector<Point> Repeated(Point p, int times) {
    return std::vector<Point>(times, p);
}

std::vector<Point> Concat(std::initializer_list<std::vector<Point>> parts) {
    std::vector<Point> all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

TEST(ResizeGesture, ResamplesToTheCountsThatRepeatedStepsGive) {
    const auto countFor = [](int n) {
        return static_cast<int>(Normalised(Stroke({0, 0}, {7, 3}, n)).size());
    };
    EXPECT_EQ(countFor(0), 0);
    EXPECT_EQ(countFor(1), 0);
    EXPECT_EQ(countFor(2), 16);
    EXPECT_EQ(countFor(3), 20);
    EXPECT_EQ(countFor(4), 23);
    EXPECT_EQ(countFor(10), 28);
    EXPECT_EQ(countFor(29), 29);
    EXPECT_EQ(countFor(30), 29);
    for (int n = 31; n <= kMaxPathPoints; ++n) {
        ASSERT_EQ(countFor(n), 30) << "n = " << n;
    }
}

TEST(ResizeGesture, TwoPointsBecomeEightCopiesOfEach) {
    EXPECT_EQ(Normalised({{0, 0}, {10, 0}}),
              Concat({Repeated({0, 50}, 8), Repeated({100, 50}, 8)}));
}

TEST(ResizeGesture, PicksTheRawPointOnAHalfPositionAsTheSumOfDoublesRoundsIt) {
    // With 31 points the step is 31/30; the 16th position sums to 15.5 and a little more, so
    // point 16 is picked and point 15 is not.
    const std::vector<std::int32_t> picked = Xs(Normalised(Stroke({0, 0}, {10, 0}, 31)));
    EXPECT_EQ(std::count(picked.begin(), picked.end(), 50), 0);
    EXPECT_EQ(std::count(picked.begin(), picked.end(), 53), 1);
}

TEST(ResizeGesture, ScalesTheHorizontalStrokeOntoTheWholeWidth) {
    const std::vector<Point> normalised = Normalised(test::HorizontalStroke());
    EXPECT_THAT(Xs(normalised),
                ElementsAre(0, 3, 7, 10, 14, 17, 21, 24, 28, 31, 34, 38, 41, 45, 48, 52, 55, 59, 62,
                            66, 69, 72, 76, 79, 83, 86, 90, 93, 97, 100));
    EXPECT_THAT(normalised, Each(Field(&Point::y, 50)));
}

TEST(ResizeGesture, KeepsAClosedSquareThatAlreadyFillsTheBox) {
    const std::vector<Point> square{{0, 0},    {50, 0},  {100, 0}, {100, 50}, {100, 100},
                                    {50, 100}, {0, 100}, {0, 50},  {0, 0}};
    EXPECT_EQ(Normalised(square),
              Concat({Repeated({0, 0}, 2), Repeated({50, 0}, 3), Repeated({100, 0}, 4),
                      Repeated({100, 50}, 3), Repeated({100, 100}, 4), Repeated({50, 100}, 3),
                      Repeated({0, 100}, 3), Repeated({0, 50}, 4), Repeated({0, 0}, 1)}));
}

TEST(ResizeGesture, SquareBoxSpansTheWholeBoxOnBothAxes) {
    const std::vector<Point> normalised = Normalised(Stroke({10, 20}, {5, 5}, 41));
    EXPECT_EQ(normalised.front(), (Point{0, 0}));
    EXPECT_EQ(normalised.back(), (Point{100, 100}));
}

TEST(ResizeGesture, KeepsTheAspectRatioOfAWideGesture) {
    // 300 pixels wide and 100 high: the height scales by the same factor, about 33 units.
    const std::vector<Point> normalised =
        Normalised(Concat({Stroke({0, 0}, {10, 0}, 31), Stroke({300, 10}, {0, 10}, 10)}));
    const auto [minX, maxX] = std::ranges::minmax(Xs(normalised));
    std::vector<std::int32_t> ys;
    for (const Point& p : normalised) {
        ys.push_back(p.y);
    }
    const auto [minY, maxY] = std::ranges::minmax(ys);
    EXPECT_EQ(minX, 0);
    EXPECT_EQ(maxX, 100);
    EXPECT_EQ(minY, 33);
    EXPECT_EQ(maxY, 67);
}

TEST(ResizeGesture, BoxesAPathBeyondX2000FromX2000) {
    const std::vector<Point> normalised = Normalised(Stroke({2500, 500}, {10, 0}, 31));
    EXPECT_EQ(normalised.front(), (Point{62, 50}));
    EXPECT_EQ(normalised.back(), (Point{100, 50}));
}

TEST(ResizeGesture, CentreRoundsHalvesToEven) {
    // A vertical stroke at x is boxed from x to x + 1, so its centre is x + 0.5: an even x keeps
    // the stroke on the middle line, an odd one moves it by 100 / height.
    EXPECT_THAT(Normalised({{40, 0}, {40, 10}}), Each(Field(&Point::x, 50)));
    EXPECT_THAT(Normalised({{41, 0}, {41, 10}}), Each(Field(&Point::x, 40)));
}

TEST(ResizeGesture, EvenOffsetsLeaveTheNormalisedPathUnchanged) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> offset(-125, 125);
    for (int trial = 0; trial < 500; ++trial) {
        const std::vector<Point> raw =
            test::RandomWalk(random, std::uniform_int_distribution<int>(2, 80)(random), 20);
        const Point shift{2 * offset(random), 2 * offset(random)};
        std::vector<Point> moved = raw;
        for (Point& p : moved) {
            p.x += shift.x;
            p.y += shift.y;
        }
        ASSERT_EQ(Normalised(raw), Normalised(moved)) << "trial " << trial;
    }
}

TEST(ResizeGesture, DefinesTheWholeRecord) {
    auto source = PathOf(Stroke({0, 0}, {3, 1}, 100));
    source->drawIndex = 12345;
    const auto result = std::make_unique<MotionPath>(ResizeGesture(*source));
    EXPECT_EQ(result->count, 30);
    EXPECT_EQ(result->drawIndex, 30);
    EXPECT_TRUE(std::all_of(result->points + 30, result->points + kMaxPathPoints,
                            [](Point p) { return p == Point{}; }));
}

TEST(ResizeGesture, KeepsADamagedCountWithinTheRecord) {
    auto source = PathOf(Stroke({0, 0}, {1, 1}, kMaxPathPoints));
    source->count = 5000;
    EXPECT_EQ(ResizeGesture(*source).count, 30);
    source->count = -3;
    EXPECT_EQ(ResizeGesture(*source).count, 0);
}

TEST(ResizeGesture, ScalesTheWholeInt32RangeWithoutOverflow) {
    EXPECT_EQ(Normalised({{kIntMin, kIntMin}, {kIntMax, kIntMax}}),
              Concat({Repeated({0, 0}, 8), Repeated({100, 100}, 8)}));
    EXPECT_THAT(Normalised({{kIntMax, kIntMin}, {kIntMax, kIntMin}, {kIntMax, kIntMin}}),
                Each(Point{100, 0}));
}

TEST(ResizeGesture, PutsASpotAtAnOddCoordinateHalfABoxOff) {
    // A single spot is boxed 1 by 1 from itself, so at an odd coordinate, where the centre
    // rounds up, it lands 50 units before the middle: the farthest any point can land.
    EXPECT_THAT(Normalised({{41, 8}, {41, 8}, {41, 8}}), Each(Point{-50, 50}));
}

TEST(Distancebetween, IsTheEuclideanDistance) {
    EXPECT_EQ(distancebetween({0, 0}, {3, 4}), 5.0);
    EXPECT_EQ(distancebetween({3, 4}, {0, 0}), 5.0);
    EXPECT_EQ(distancebetween({-7, 2}, {-7, 2}), 0.0);
}

TEST(Distancebetween, SumsTheSquaresInExtendedPrecision) {
    // In doubles alone the squares lose their low bits and the result is one unit off.
    EXPECT_EQ(distancebetween({-1572091828, -294419751}, {1572091828, 294419751}),
              3198847108.2208877);
    EXPECT_EQ(distancebetween({kIntMin, kIntMin}, {kIntMax, kIntMax}), 6074000998.537886);
}

// Records every canvas call as text, in order.
class RecordingCanvas : public Canvas {
public:
    std::vector<std::string> calls;

    void SetBrushColour(Colour colour) override {
        calls.push_back("brush colour " + std::to_string(colour));
    }
    void SetBrushStyle(BrushStyle style) override {
        calls.push_back(style == BrushStyle::Solid ? "brush solid" : "brush clear");
    }
    void MoveTo(Point to) override { calls.push_back("move " + Text(to)); }
    void LineTo(Point to) override { calls.push_back("line " + Text(to)); }
    void Ellipse(Rect r) override {
        calls.push_back("ellipse " + Text({r.left, r.top}) + " " + Text({r.right, r.bottom}));
    }

private:
    static std::string Text(Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }
};

TEST(DrawInRect, MarksTheStartInRedThenDrawsHollowPointsAlongThePath) {
    RecordingCanvas canvas;
    DrawInRect(*PathOf({{50, 50}, {0, 0}, {100, 100}}), canvas, {0, 0, 40, 40});
    EXPECT_THAT(canvas.calls,
                ElementsAre("brush solid", "brush colour " + std::to_string(Rgb(255, 0, 0)),
                            "move 20,20", "ellipse 17,17 23,23", "brush clear", "line 0,0",
                            "ellipse -2,-2 2,2", "brush clear", "line 40,40",
                            "ellipse 38,38 42,42"));
}

TEST(DrawInRect, MapsFromTheRectsCornerAndRoundsHalvesToEven) {
    RecordingCanvas canvas;
    // 50 units of 41 pixels is 20.5, of 43 pixels 21.5; 25 units of 2 pixels is 0.5.
    DrawInRect(*PathOf({{50, 50}, {25, 25}}), canvas, {10, 100, 51, 143});
    DrawInRect(*PathOf({{25, 25}}), canvas, {0, 0, 2, 6});
    EXPECT_THAT(canvas.calls, testing::Contains("move 30,122"));
    EXPECT_THAT(canvas.calls, testing::Contains("line 20,111"));
    EXPECT_THAT(canvas.calls, testing::Contains("move 0,2"));
}

TEST(DrawInRect, DrawsNothingForAnEmptyPath) {
    RecordingCanvas canvas;
    DrawInRect(*PathOf({}), canvas, {0, 0, 40, 40});
    EXPECT_THAT(canvas.calls, ElementsAre("brush solid"));
}

TEST(DrawInRect, KeepsHugeCoordinatesWithinTheCanvasRange) {
    RecordingCanvas canvas;
    DrawInRect(*PathOf({{kIntMax, kIntMin}}), canvas, {kIntMin, kIntMin, kIntMax, kIntMax});
    ASSERT_EQ(canvas.calls.size(), 4u);
    EXPECT_EQ(canvas.calls[2], "move 1073741824,-1073741824");
}

} // namespace
} // namespace traxo
