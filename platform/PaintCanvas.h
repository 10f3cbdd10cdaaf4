#pragma once
// The drawing surface of the windows: what owner-drawn rows, the animated controls, the pad and
// the popup paint with. Portable painters draw on it; under Windows it is GDI over a device
// context, in tests a recording of every call. Coordinates are device pixels of the surface;
// callers have applied the display scale before they draw.

#include "platform/Canvas.h"
#include "platform/CoreTypes.h"

#include <span>
#include <string>
#include <string_view>

namespace traxo {

// clNone: "no colour", for a border or fill that is not drawn.
inline constexpr Colour kColourNone = 0x1FFFFFFF;

struct Size {
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// A font as the windows name it: face, height in pixels (already scaled), style, and the angle
// of the baseline in degrees counter-clockwise.
struct FontSpec {
    std::u16string face = u"Tahoma";
    int height = 13;
    bool bold = false;
    bool underline = false;
    int angle = 0;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// The pictures the windows carry (button glyphs, the banner, the popup background), named by
// their resource number, and the program icons of the set (imgApps) by their list position.
struct Picture {
    int id = 0;
    Size size;
    friend bool operator==(const Picture&, const Picture&) = default;
};

class PaintCanvas : public Canvas {
public:
    // The pen for lines and outlines; kColourNone draws no outline.
    virtual void SetPen(Colour colour, int width) = 0;
    virtual void FillRect(Rect rect, Colour colour) = 0;
    // Outlines with the pen and fills with the brush, as the system's shape routines do: the
    // right and bottom edges are exclusive.
    virtual void Rectangle(Rect rect) = 0;
    virtual void RoundRect(Rect rect, int cornerWidth, int cornerHeight) = 0;
    virtual void Polygon(std::span<const Point> points) = 0;

    // Text is drawn with a transparent background in the font and colour last set.
    virtual void SetFont(const FontSpec& font, Colour colour) = 0;
    virtual Size MeasureText(std::u16string_view text) = 0;
    virtual void DrawText(Point topLeft, std::u16string_view text) = 0;
    // Draws from the clip rectangle's top-left corner, cutting what falls outside it.
    virtual void DrawTextClipped(Rect clip, std::u16string_view text) = 0;

    // A picture drawn with its transparent colour left out; greyed draws it in grey levels.
    virtual void DrawPicture(const Picture& picture, Point topLeft, bool greyed) = 0;
    // Icon `index` of the set's program-icon list (0 the all-programs icon), 16 by 16.
    virtual void DrawAppIcon(int index, Point topLeft) = 0;
    // The dotted focus rectangle, drawn by inverting.
    virtual void DrawFocusRect(Rect rect) = 0;

    // Drawing is cut to the rectangle until the matching PopClip.
    virtual void PushClip(Rect rect) = 0;
    virtual void PopClip() = 0;
};

} // namespace traxo
