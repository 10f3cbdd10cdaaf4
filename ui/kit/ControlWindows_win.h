#pragma once
// The kit's Win32 side of a control table: the window class and style of each standard kind,
// the child windows made for placed rows, and the one re-layout after a DPI change that moves,
// resizes and re-fonts them.

#include "controls/DynamicLook.h"
#include "platform/ScopedWin_win.h"
#include "ui/kit/ControlTable.h"

#include <windows.h>

#include <functional>
#include <vector>

namespace traxo {

// The class and the style bits of a standard control kind; no class for the kinds the window
// paints or the animated controls.
struct StandardWindow {
    const wchar_t* className = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
};
StandardWindow StandardWindowOf(ControlKind kind);

// A child window of a standard kind at `client` (pixels) with the style bits (WS_CHILD is
// added), the text and the font. Null for any other kind.
HWND CreateStandardControl(HWND parent, int childId, ControlKind kind, Rect client, DWORD style,
                           DWORD exStyle, std::u16string_view text, HFONT font);

// Moves and resizes a child window to `client`, and gives it `font` if it had `oldFont` (or
// always, where oldFont is null). A null font leaves the child's font alone.
void PlaceChild(HWND child, Rect client, HFONT font, HFONT oldFont);

// The one re-layout after a DPI change: every placed control that has a child window (found by
// `windowOf`, null for none) goes to its place at the new scale with the new font.
template <typename Id>
void RelayoutControls(const std::vector<PlacedControl<Id>>& placed,
                      const std::function<HWND(Id)>& windowOf, HFONT font, HFONT oldFont) {
    for (const PlacedControl<Id>& control : placed) {
        if (const HWND child = windowOf(control.id); child != nullptr) {
            PlaceChild(child, control.client, font, oldFont);
        }
    }
}

// The same for the table's animated controls: each found by `controlOf` (null for none) takes
// the look `lookOf` gives it at the new scale, keeping the caption it shows now (its language,
// a status, an action's name), and its place.
template <typename Id>
void RelayoutAnimatedControls(const std::vector<PlacedControl<Id>>& placed,
                              const std::function<DynamicControl*(Id)>& controlOf,
                              const std::function<DynamicLook(const PlacedControl<Id>&)>& lookOf) {
    for (const PlacedControl<Id>& control : placed) {
        if (DynamicControl* const window = controlOf(control.id); window != nullptr) {
            DynamicLook look = lookOf(control);
            look.Caption = window->Look().Caption;
            window->SetLook(look);
            window->SetBounds(control.client);
        }
    }
}

} // namespace traxo
