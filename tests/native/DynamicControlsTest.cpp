// The outlines of the eleven shapes and the placing of caption and glyph.
#include "controls/DynamicControls.h"

#include "platform/RecordingPaintCanvas.h"

#include <gtest/gtest.h>

namespace traxo {
namespace {

struct OutlineCase {
    TDynamicShape shape;
    int penWidth;
    std::vector<Point> expected;
};

// A 20 by 10 box with corner 3: R = 19, B = 9, W - C - 1 = 16, H - C - 1 = 6.
const OutlineCase kOutlines[] = {
    {fsRectangle, 1, {{0, 0}, {20, 10}}},
    {fsRoundRect, 1, {{0, 0}, {20, 10}}},
    {fsEllipse, 2, {{1, 1}, {20, 10}}},
    {fsJaggedRect, 1, {{0, 3}, {3, 0}, {16, 0}, {19, 3}, {19, 6}, {16, 9}, {3, 9}, {0, 6}}},
    {fsJaggedRect, 2, {{1, 3}, {3, 1}, {16, 1}, {19, 3}, {19, 6}, {16, 9}, {3, 9}, {1, 6}}},
    {fsSemiJagged, 1, {{0, 3}, {3, 0}, {19, 0}, {19, 3}, {19, 6}, {16, 9}, {0, 9}}},
    {fsJaggedNW, 1, {{0, 3}, {3, 0}, {19, 0}, {19, 9}, {0, 9}}},
    {fsJaggedSE, 1, {{0, 0}, {19, 0}, {19, 6}, {16, 9}, {0, 9}}},
    {fsJaggedSW, 1, {{0, 0}, {19, 0}, {19, 9}, {3, 9}, {0, 6}}},
    {fsJaggedLeft, 1, {{0, 3}, {3, 0}, {19, 0}, {19, 9}, {3, 9}, {0, 6}}},
    {fsJaggedRight, 2, {{1, 1}, {16, 1}, {19, 3}, {19, 6}, {16, 9}, {1, 9}}},
    {fsTab, 1, {}},
};

TEST(ShapeOutline, EveryShapeHasItsCornersCut) {
    for (const OutlineCase& c : kOutlines) {
        EXPECT_EQ(ShapeOutline(c.shape, 20, 10, 3, c.penWidth), c.expected)
            << "shape " << int(c.shape) << " pen " << c.penWidth;
    }
}

TEST(DrawShape, UsesTheBoxRoutinesForTheRoundShapesAndPolygonsForTheRest) {
    RecordingPaintCanvas canvas;
    DrawShape(canvas, fsRectangle, 20, 10, 3, 1);
    DrawShape(canvas, fsRoundRect, 20, 10, 5, 1);
    DrawShape(canvas, fsEllipse, 20, 10, 3, 2);
    DrawShape(canvas, fsJaggedNW, 20, 10, 3, 1, {100, 50});
    DrawShape(canvas, fsTab, 20, 10, 3, 1);
    ASSERT_EQ(canvas.calls.size(), 4u);
    EXPECT_EQ(canvas.calls[0].op, PaintOp::Rectangle);
    EXPECT_EQ(canvas.calls[0].rect, (Rect{0, 0, 20, 10}));
    EXPECT_EQ(canvas.calls[1].op, PaintOp::RoundRect);
    EXPECT_EQ(canvas.calls[1].points, (std::vector<Point>{{5, 5}}));
    EXPECT_EQ(canvas.calls[2].op, PaintOp::Ellipse);
    EXPECT_EQ(canvas.calls[2].rect, (Rect{1, 1, 20, 10}));
    EXPECT_EQ(canvas.calls[3].op, PaintOp::Polygon);
    EXPECT_EQ(canvas.calls[3].points,
              (std::vector<Point>{{100, 53}, {103, 50}, {119, 50}, {119, 59}, {100, 59}}));
}

struct PlaceCase {
    const char* name;
    int width;
    TAlignment alignment;
    Size text;
    std::optional<Size> glyph;
    TButtonLayout layout;
    CentreRule centre;
    Point caption;
    Point glyphAt;
};

// A control 30 high with margin 7; a 16 by 16 glyph.
const PlaceCase kPlaces[] = {
    {"left", 100, taLeftJustify, {40, 13}, {}, blGlyphLeft, CentreRule::WholeWidth, {7, 8}, {}},
    {"right", 100, taRightJustify, {40, 13}, {}, blGlyphLeft, CentreRule::WholeWidth, {53, 8}, {}},
    {"centre whole", 100, taCenter, {41, 13}, {}, blGlyphLeft, CentreRule::WholeWidth, {29, 8}, {}},
    {"centre halves", 100, taCenter, {41, 13}, {}, blGlyphLeft, CentreRule::Halves, {30, 8}, {}},
    {"glyph left moves a left caption",
     100,
     taLeftJustify,
     {40, 13},
     Size{16, 16},
     blGlyphLeft,
     CentreRule::WholeWidth,
     {26, 8},
     {7, 7}},
    {"glyph left keeps a centred caption",
     100,
     taCenter,
     {40, 13},
     Size{16, 16},
     blGlyphLeft,
     CentreRule::WholeWidth,
     {30, 8},
     {7, 7}},
    {"glyph right moves a right caption",
     100,
     taRightJustify,
     {40, 13},
     Size{16, 16},
     blGlyphRight,
     CentreRule::WholeWidth,
     {35, 8},
     {81, 7}},
    {"glyph right keeps a left caption",
     100,
     taLeftJustify,
     {40, 13},
     Size{16, 16},
     blGlyphRight,
     CentreRule::WholeWidth,
     {7, 8},
     {81, 7}},
    {"glyph top",
     100,
     taLeftJustify,
     {40, 13},
     Size{16, 16},
     blGlyphTop,
     CentreRule::WholeWidth,
     {7, 16},
     {42, 3}},
    {"glyph bottom",
     100,
     taLeftJustify,
     {40, 13},
     Size{16, 16},
     blGlyphBottom,
     CentreRule::WholeWidth,
     {7, 0},
     {42, 10}},
};

TEST(PlaceCaption, FollowsAlignmentAndGlyphLayout) {
    for (const PlaceCase& c : kPlaces) {
        const CaptionPlacement place =
            PlaceCaption(c.width, 30, 7, c.alignment, c.text, c.glyph, c.layout, c.centre);
        EXPECT_EQ(place.caption, c.caption) << c.name;
        if (c.glyph) {
            EXPECT_EQ(place.glyph, c.glyphAt) << c.name;
        }
    }
}

} // namespace
} // namespace traxo
