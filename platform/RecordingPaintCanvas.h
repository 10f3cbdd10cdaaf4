#pragma once
// A paint canvas that draws nothing and notes every drawing call with the state it was drawn in
// (pen, brush, font and its colour, clip), so that a test can ask what a painter put where:
// "was '+1' drawn at (right - 60, top + 12) in grey?". Text is measured as 7 by 13 pixels a
// character (font height for the height), a stand-in the layout rules can be checked against.

#include "platform/PaintCanvas.h"

#include <optional>
#include <string>
#include <vector>

namespace traxo {

enum class PaintOp {
    Fill,
    Rectangle,
    RoundRect,
    Polygon,
    Ellipse,
    Line,
    Text,
    Picture,
    AppIcon,
    FocusRect
};

struct PaintCall {
    PaintOp op = PaintOp::Fill;
    Rect rect;                 // the shape's box, the text's clip, or the picture's box
    std::vector<Point> points; // polygon corners; a line's two ends
    std::u16string text;
    Colour penColour = 0;
    int penWidth = 1;
    Colour brushColour = 0; // a fill's colour
    bool brushSolid = true;
    FontSpec font;
    Colour fontColour = 0;
    int pictureId = 0; // a picture's id, an app icon's index
    bool greyed = false;
    std::optional<Rect> clip; // the innermost clip in force
};

class RecordingPaintCanvas final : public PaintCanvas {
public:
    explicit RecordingPaintCanvas(int characterWidth = 7) : characterWidth_(characterWidth) {}

    std::vector<PaintCall> calls;

    // The text calls whose text is exactly `text`, in order.
    std::vector<PaintCall> TextCalls(std::u16string_view text) const;
    std::vector<PaintCall> CallsOf(PaintOp op) const;

    void SetBrushColour(Colour colour) override { brushColour_ = colour; }
    void SetBrushStyle(BrushStyle style) override { brushSolid_ = style == BrushStyle::Solid; }
    void MoveTo(Point to) override { position_ = to; }
    void LineTo(Point to) override;
    void Ellipse(Rect bounds) override;

    void SetPen(Colour colour, int width) override;
    void FillRect(Rect rect, Colour colour) override;
    void Rectangle(Rect rect) override;
    void RoundRect(Rect rect, int cornerWidth, int cornerHeight) override;
    void Polygon(std::span<const Point> points) override;
    void SetFont(const FontSpec& font, Colour colour) override;
    Size MeasureText(std::u16string_view text) override;
    void DrawText(Point topLeft, std::u16string_view text) override;
    void DrawTextClipped(Rect clip, std::u16string_view text) override;
    void DrawPicture(const Picture& picture, Point topLeft, bool greyed) override;
    void DrawAppIcon(int index, Point topLeft) override;
    void DrawFocusRect(Rect rect) override;
    void PushClip(Rect rect) override { clips_.push_back(rect); }
    void PopClip() override;

private:
    PaintCall Call(PaintOp op, Rect rect) const;

    int characterWidth_;
    Colour penColour_ = 0;
    int penWidth_ = 1;
    Colour brushColour_ = 0x00FFFFFF;
    bool brushSolid_ = true;
    FontSpec font_;
    Colour fontColour_ = 0;
    Point position_;
    std::vector<Rect> clips_;
};

} // namespace traxo
