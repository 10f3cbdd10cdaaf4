#include "ui/options/KnownAppRowPainter.h"

namespace traxo {

std::optional<Point> PaintKnownAppRow(PaintCanvas& canvas, const KnownAppRow& row,
                                      const KnownAppRowPlace& place, const KnownAppListFrame& frame,
                                      std::u16string_view markedText, const FontSpec& font,
                                      DpiScale scale) {
    const Rect& bounds = place.bounds;
    const Point textAt{bounds.left + scale(24), bounds.top + scale(2)};
    std::optional<Point> button;
    if (row.Marked()) {
        canvas.FillRect(bounds, kMarkedRowFill);
        canvas.SetFont(font, kMarkedRowText);
        canvas.DrawText(textAt, markedText);
    } else {
        if (place.focused) {
            canvas.FillRect(bounds, kFocusedRowFill);
            const int left =
                frame.list.right - frame.reloadButton.width - frame.verticalScrollBarWidth;
            button = Point{left, frame.list.top + bounds.top + scale(1)};
        } else {
            canvas.FillRect(bounds, kRowFill);
        }
        canvas.SetFont(font, kRowText);
        // The title stays inside its column; the path may run to the row's end.
        canvas.DrawTextClipped(
            {textAt.x, textAt.y, bounds.left + place.firstColumnWidth, bounds.bottom}, row.title);
        canvas.DrawTextClipped({bounds.left + place.firstColumnWidth + scale(4),
                                bounds.top + scale(2), bounds.right, bounds.bottom},
                               row.path);
    }
    // Icon 0 is the all-programs icon; the program at index i has icon i + 1.
    canvas.DrawAppIcon(place.index + 1, {bounds.left + scale(4), bounds.top + scale(1)});
    return button;
}

} // namespace traxo
