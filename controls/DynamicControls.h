#pragma once
// What the animated controls share: their outline shapes, the placing of caption and glyph, and
// the enumerations their looks are written in. Portable: painters draw over PaintCanvas.

#include "platform/PaintCanvas.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace traxo {

enum TDynamicShape : std::uint8_t {
    fsRectangle,
    fsRoundRect,
    fsEllipse,
    fsJaggedRect,
    fsSemiJagged,
    fsJaggedNW,
    fsJaggedSE,
    fsJaggedSW,
    fsJaggedLeft,
    fsJaggedRight,
    fsTab,
};
inline constexpr int kDynamicShapeCount = 11;

enum TTransparentMode : std::uint8_t { tmOpaque, tmAlways, tmWhenInactive };
enum TButtonLayout : std::uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
enum TDynamicAnimation : std::uint8_t { anFromLeft, anFromRight, anFromAbove, anFromBelow };

// The outline of a shape in a W by H box with corner size C. The polygon shapes give their
// corners; fsRectangle, fsRoundRect and fsEllipse give the two corners of their box, (i, i) and
// (W, H). fsTab has no outline of its own (the label draws it) and gives none.
std::vector<Point> ShapeOutline(TDynamicShape shape, int width, int height, int corner,
                                int penWidth);

// Draws the shape with the canvas's current pen and brush, its box's top-left corner at
// `origin`. The pen width decides the inset.
void DrawShape(PaintCanvas& canvas, TDynamicShape shape, int width, int height, int corner,
               int penWidth, Point origin = {});

struct CaptionPlacement {
    Point caption;
    Point glyph; // meaningful only when a glyph was given
};

enum class CentreRule {
    WholeWidth, // (W - text width) div 2: the opaque button and the label
    Halves,     // W div 2 - text width div 2: the windowless button
};

// Where caption and glyph go in a W by H control.
CaptionPlacement PlaceCaption(int width, int height, int margin, TAlignment alignment, Size text,
                              std::optional<Size> glyph, TButtonLayout layout, CentreRule centre);

} // namespace traxo
