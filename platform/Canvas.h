#pragma once
// A drawing surface for paths and their markers. The pen belongs to the caller, who sets it on
// the surface before drawing; the canvas fills shapes with its brush.

#include "platform/CoreTypes.h"

namespace traxo {

enum class BrushStyle { Solid, Clear };

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void SetBrushColour(Colour colour) = 0;
    virtual void SetBrushStyle(BrushStyle style) = 0;
    virtual void MoveTo(Point to) = 0;
    virtual void LineTo(Point to) = 0; // from the current position, which then moves to `to`
    virtual void Ellipse(Rect bounds) = 0;
};

} // namespace traxo
