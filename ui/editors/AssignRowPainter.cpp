#include "ui/editors/AssignRowPainter.h"

#include "platform/AsciiText.h"

namespace traxo {

void PaintAssignRow(PaintCanvas& canvas, const AssignRow& row, const AssignRowPlace& place,
                    std::u16string_view actionText, const FontSpec& font, DpiScale scale) {
    const Rect& bounds = place.bounds;
    const int titleColumnEnd = bounds.left + place.firstColumnWidth;
    canvas.FillRect(bounds, place.selected ? kAssignSelectedRowFill : kAssignRowFill);
    FontSpec rowFont = font;
    rowFont.bold = place.index == 0;
    canvas.SetFont(rowFont, kAssignRowText);
    // The title stays inside its column, the action inside the row.
    canvas.DrawTextClipped(
        {bounds.left + scale(30), bounds.top + scale(4), titleColumnEnd, bounds.bottom}, row.title);
    canvas.DrawAppIcon(row.icon, {bounds.left + scale(4), bounds.top + scale(4)});
    if (place.index == 0) {
        canvas.FillRect({bounds.left, bounds.bottom - 1, bounds.right, bounds.bottom},
                        kAssignFirstRowLine);
    }
    if (!place.selected) {
        canvas.DrawTextClipped(
            {titleColumnEnd + scale(7), bounds.top + scale(4), bounds.right, bounds.bottom},
            actionText);
    }
}

void PaintAssignEntry(PaintCanvas& canvas, std::u16string_view text, const AssignEntryPlace& place,
                      const FontSpec& font, DpiScale scale) {
    const Rect& bounds = place.bounds;
    Colour fill = kAssignEntryFill;
    if (place.entry == 0 && place.open) {
        fill = kAssignEntryOpenCurrent;
    } else if (place.selected) {
        fill = kAssignEntryHighlight;
    }
    canvas.FillRect(bounds, fill);
    if (place.entry < 0) {
        return;
    }
    FontSpec entryFont = font;
    Colour colour = kAssignRowText;
    if (place.entry == 0) {
        colour = kAssignLinkText;
    } else if (place.open && !text.empty() && text.front() == u'[') {
        text = Trimmed(text.substr(1, text.size() - 2));
        entryFont.underline = true;
        colour = kAssignLinkText;
    }
    canvas.SetFont(entryFont, colour);
    canvas.DrawTextClipped({bounds.left + scale(4), bounds.top, bounds.right, bounds.bottom}, text);
    if (place.focused) {
        canvas.DrawFocusRect(bounds);
    }
}

} // namespace traxo
