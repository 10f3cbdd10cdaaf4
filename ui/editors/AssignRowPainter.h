#pragma once
// How the assign dialog draws the rows of its list (a program's icon and title, and its action)
// and the entries of the drop-down laid over the selected row's action cell.

#include "actions/AssignRules.h"
#include "platform/DpiScale.h"
#include "platform/PaintCanvas.h"

#include <string_view>

namespace traxo {

inline constexpr Colour kAssignSelectedRowFill = Rgb(207, 211, 226);
inline constexpr Colour kAssignRowFill = Rgb(255, 255, 255);
inline constexpr Colour kAssignRowText = Rgb(0, 0, 0);
inline constexpr Colour kAssignFirstRowLine = Rgb(179, 185, 208);
inline constexpr Colour kAssignEntryFill = Rgb(249, 249, 251);
inline constexpr Colour kAssignEntryHighlight = Rgb(230, 232, 240);
inline constexpr Colour kAssignEntryOpenCurrent = Rgb(207, 211, 226);
inline constexpr Colour kAssignLinkText = Rgb(73, 109, 169);

struct AssignRowPlace {
    int index = 0;            // 0 is the all-programs row, which holds the default action
    Rect bounds;              // the row across the list (list client pixels)
    int firstColumnWidth = 0; // pixels
    bool selected = false;
};

// Paints a row. The selected row's action cell is left to the drop-down that lies over it;
// `actionText` is the row's action as the user reads it.
void PaintAssignRow(PaintCanvas& canvas, const AssignRow& row, const AssignRowPlace& place,
                    std::u16string_view actionText, const FontSpec& font, DpiScale scale);

struct AssignEntryPlace {
    int entry = 0;     // 0 is the row's current action; -1 the empty box
    Rect bounds;       // the entry (drop-down client pixels)
    bool open = false; // drawn in the open list, not in the closed box
    bool selected = false;
    bool focused = false;
};

// Paints an entry of the drop-down: the current action as a link, and in the open list the
// bracketed entries that open an editor ("[ Keystrokes... ]") as links without their brackets.
void PaintAssignEntry(PaintCanvas& canvas, std::u16string_view text, const AssignEntryPlace& place,
                      const FontSpec& font, DpiScale scale);

} // namespace traxo
