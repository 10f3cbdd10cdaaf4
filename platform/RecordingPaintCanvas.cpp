#include "platform/RecordingPaintCanvas.h"

#include <algorithm>

namespace traxo {

std::vector<PaintCall> RecordingPaintCanvas::TextCalls(std::u16string_view text) const {
    std::vector<PaintCall> found;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(found), [&](const PaintCall& call) {
        return call.op == PaintOp::Text && call.text == text;
    });
    return found;
}

std::vector<PaintCall> RecordingPaintCanvas::CallsOf(PaintOp op) const {
    std::vector<PaintCall> found;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(found),
                 [&](const PaintCall& call) { return call.op == op; });
    return found;
}

PaintCall RecordingPaintCanvas::Call(PaintOp op, Rect rect) const {
    PaintCall call;
    call.op = op;
    call.rect = rect;
    call.penColour = penColour_;
    call.penWidth = penWidth_;
    call.brushColour = brushColour_;
    call.brushSolid = brushSolid_;
    call.font = font_;
    call.fontColour = fontColour_;
    if (!clips_.empty()) {
        call.clip = clips_.back();
    }
    return call;
}

void RecordingPaintCanvas::LineTo(Point to) {
    PaintCall call = Call(PaintOp::Line, {});
    call.points = {position_, to};
    calls.push_back(std::move(call));
    position_ = to;
}

void RecordingPaintCanvas::Ellipse(Rect bounds) {
    calls.push_back(Call(PaintOp::Ellipse, bounds));
}

void RecordingPaintCanvas::SetPen(Colour colour, int width) {
    penColour_ = colour;
    penWidth_ = width;
}

void RecordingPaintCanvas::FillRect(Rect rect, Colour colour) {
    PaintCall call = Call(PaintOp::Fill, rect);
    call.brushColour = colour;
    call.brushSolid = true;
    calls.push_back(std::move(call));
}

void RecordingPaintCanvas::Rectangle(Rect rect) {
    calls.push_back(Call(PaintOp::Rectangle, rect));
}

void RecordingPaintCanvas::RoundRect(Rect rect, int cornerWidth, int cornerHeight) {
    PaintCall call = Call(PaintOp::RoundRect, rect);
    call.points = {{cornerWidth, cornerHeight}};
    calls.push_back(std::move(call));
}

void RecordingPaintCanvas::Polygon(std::span<const Point> points) {
    PaintCall call = Call(PaintOp::Polygon, {});
    call.points.assign(points.begin(), points.end());
    calls.push_back(std::move(call));
}

void RecordingPaintCanvas::SetFont(const FontSpec& font, Colour colour) {
    font_ = font;
    fontColour_ = colour;
}

Size RecordingPaintCanvas::MeasureText(std::u16string_view text) {
    return {static_cast<std::int32_t>(text.size()) * characterWidth_, font_.height};
}

void RecordingPaintCanvas::DrawText(Point topLeft, std::u16string_view text) {
    const Size size = MeasureText(text);
    PaintCall call = Call(PaintOp::Text,
                          {topLeft.x, topLeft.y, topLeft.x + size.width, topLeft.y + size.height});
    call.text = text;
    calls.push_back(std::move(call));
}

void RecordingPaintCanvas::DrawTextClipped(Rect clip, std::u16string_view text) {
    PaintCall call = Call(PaintOp::Text, clip);
    call.text = text;
    calls.push_back(std::move(call));
}

void RecordingPaintCanvas::DrawPicture(const Picture& picture, Point topLeft, bool greyed) {
    PaintCall call = Call(PaintOp::Picture, {topLeft.x, topLeft.y, topLeft.x + picture.size.width,
                                             topLeft.y + picture.size.height});
    call.pictureId = picture.id;
    call.greyed = greyed;
    calls.push_back(std::move(call));
}

void RecordingPaintCanvas::DrawAppIcon(int index, Point topLeft) {
    PaintCall call = Call(PaintOp::AppIcon, {topLeft.x, topLeft.y, topLeft.x + 16, topLeft.y + 16});
    call.pictureId = index;
    calls.push_back(std::move(call));
}

void RecordingPaintCanvas::DrawFocusRect(Rect rect) {
    calls.push_back(Call(PaintOp::FocusRect, rect));
}

void RecordingPaintCanvas::PopClip() {
    if (!clips_.empty()) {
        clips_.pop_back();
    }
}

} // namespace traxo
