#pragma once
// How a row of the known-programs list is drawn, and where the "..." button that re-picks the
// focused row's file goes.

#include "platform/DpiScale.h"
#include "platform/PaintCanvas.h"
#include "ui/options/KnownAppsTable.h"

#include <optional>

namespace traxo {

inline constexpr Colour kMarkedRowFill = Rgb(255, 230, 230);
inline constexpr Colour kMarkedRowText = Rgb(128, 0, 0);
inline constexpr Colour kFocusedRowFill = Rgb(207, 211, 226);
inline constexpr Colour kRowFill = Rgb(255, 255, 255);
inline constexpr Colour kRowText = Rgb(0, 0, 0);

struct KnownAppRowPlace {
    int index = 0;            // the row's position in the list
    Rect bounds;              // the row, spanning the list's full width (list client pixels)
    int firstColumnWidth = 0; // pixels
    bool focused = false;
};

// The list window in the dialog's client pixels, and what lies over its right end.
struct KnownAppListFrame {
    Rect list;
    int verticalScrollBarWidth = 0; // 0 while every row fits
    Size reloadButton;
};

// Paints the row. For the focused unmarked row the result is where the re-pick button is
// placed (dialog client pixels); otherwise nothing, and the button is hidden.
std::optional<Point> PaintKnownAppRow(PaintCanvas& canvas, const KnownAppRow& row,
                                      const KnownAppRowPlace& place, const KnownAppListFrame& frame,
                                      std::u16string_view markedText, const FontSpec& font,
                                      DpiScale scale);

} // namespace traxo
