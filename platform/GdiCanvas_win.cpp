#include "platform/GdiCanvas_win.h"

#include "platform/GdiColour_win.h"

namespace traxo {

GdiCanvas::GdiCanvas(HDC dc)
    : dc_(dc), originalBrush_(GetCurrentObject(dc, OBJ_BRUSH)),
      originalBrushColour_(GetDCBrushColor(dc)) {
    SetBrushStyle(BrushStyle::Solid);
}

GdiCanvas::~GdiCanvas() {
    SelectObject(dc_, originalBrush_);
    SetDCBrushColor(dc_, originalBrushColour_);
}

void GdiCanvas::SetBrushColour(Colour colour) {
    SetDCBrushColor(dc_, GdiColour(colour));
}

void GdiCanvas::SetBrushStyle(BrushStyle style) {
    // Stock objects need no freeing; the DC brush keeps its colour while the hollow one is in.
    SelectObject(dc_, GetStockObject(style == BrushStyle::Solid ? DC_BRUSH : NULL_BRUSH));
}

void GdiCanvas::MoveTo(Point to) {
    MoveToEx(dc_, to.x, to.y, nullptr);
}

void GdiCanvas::LineTo(Point to) {
    ::LineTo(dc_, to.x, to.y);
}

void GdiCanvas::Ellipse(Rect bounds) {
    ::Ellipse(dc_, bounds.left, bounds.top, bounds.right, bounds.bottom);
}

} // namespace traxo
