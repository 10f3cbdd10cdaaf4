#include "controls/DynamicControls.h"

namespace traxo {

std::vector<Point> ShapeOutline(TDynamicShape shape, int width, int height, int corner,
                                int penWidth) {
    const int i = penWidth == 2 ? 1 : 0; // a 2-pixel pen would spill over the top-left edges
    const int w = width;
    const int h = height;
    const int c = corner;
    const int r = w - 1;
    const int b = h - 1;
    switch (shape) {
    case fsRectangle:
    case fsRoundRect:
    case fsEllipse:
        return {{i, i}, {w, h}};
    case fsJaggedRect:
        return {{i, c},         {c, i},         {w - c - 1, i}, {r, c},
                {r, h - c - 1}, {w - c - 1, b}, {c, b},         {i, h - c - 1}};
    case fsSemiJagged:
        return {{i, c}, {c, i}, {r, i}, {r, c}, {r, h - c - 1}, {w - c - 1, b}, {i, b}};
    case fsJaggedNW:
        return {{i, c}, {c, i}, {r, i}, {r, b}, {i, b}};
    case fsJaggedSE:
        return {{i, i}, {r, i}, {r, h - c - 1}, {w - c - 1, b}, {i, b}};
    case fsJaggedSW:
        return {{i, i}, {r, i}, {r, b}, {c, b}, {i, h - c - 1}};
    case fsJaggedLeft:
        return {{i, c}, {c, i}, {r, i}, {r, b}, {c, b}, {i, h - c - 1}};
    case fsJaggedRight:
        return {{i, i}, {w - c - 1, i}, {r, c}, {r, h - c - 1}, {w - c - 1, b}, {i, b}};
    case fsTab:
        break;
    }
    return {};
}

void DrawShape(PaintCanvas& canvas, TDynamicShape shape, int width, int height, int corner,
               int penWidth, Point origin) {
    std::vector<Point> outline = ShapeOutline(shape, width, height, corner, penWidth);
    if (outline.empty()) {
        return;
    }
    for (Point& p : outline) {
        p.x += origin.x;
        p.y += origin.y;
    }
    const Rect box{outline[0].x, outline[0].y, outline[1].x, outline[1].y};
    switch (shape) {
    case fsRectangle:
        canvas.Rectangle(box);
        break;
    case fsRoundRect:
        canvas.RoundRect(box, corner, corner);
        break;
    case fsEllipse:
        canvas.Ellipse(box);
        break;
    default:
        canvas.Polygon(outline);
        break;
    }
}

CaptionPlacement PlaceCaption(int width, int height, int margin, TAlignment alignment, Size text,
                              std::optional<Size> glyph, TButtonLayout layout, CentreRule centre) {
    CaptionPlacement place;
    switch (alignment) {
    case taLeftJustify:
        place.caption.x = margin;
        break;
    case taRightJustify:
        place.caption.x = width - text.width - margin;
        break;
    case taCenter:
        place.caption.x =
            centre == CentreRule::Halves ? width / 2 - text.width / 2 : (width - text.width) / 2;
        break;
    }
    place.caption.y = (height - text.height) / 2;
    if (!glyph) {
        return place;
    }
    const Size g = *glyph;
    switch (layout) {
    case blGlyphLeft:
        if (alignment == taLeftJustify) {
            place.caption.x += g.width + margin / 2;
        }
        place.glyph = {margin, (height - g.height) / 2};
        break;
    case blGlyphRight:
        if (alignment == taRightJustify) {
            place.caption.x -= g.width + 2;
        }
        place.glyph = {width - margin / 2 - g.width, (height - g.height) / 2};
        break;
    case blGlyphTop:
        place.caption.y += g.height / 2;
        place.glyph = {(width - g.width) / 2, margin / 2};
        break;
    case blGlyphBottom:
        place.caption.y -= g.height / 2;
        place.glyph = {(width - g.width) / 2, height - g.height - margin / 2 - 1};
        break;
    }
    return place;
}

} // namespace traxo
