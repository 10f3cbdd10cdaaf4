#pragma once
// The rules a window follows when it learns the DPI of its monitor, at creation or when it is
// moved to a monitor of another DPI: which DPI to take, what the system's font becomes there,
// and where the window goes. The Windows side (platform/Dpi_win.h) only asks the system.
//
// A window that scales keeps one DpiScale of its own, built from WindowDpi(hwnd()) when it is
// created, and on WM_DPICHANGED takes DpiOfChangedMessage(wParam), places itself with
// WindowRectAtDpi from the suggested rectangle, and builds its controls and fonts again through
// the new scale. Layouts stay in 96-DPI units throughout.

#include "platform/CoreTypes.h"
#include "platform/DpiScale.h"
#include "platform/PaintCanvas.h"

#include <cstdint>

namespace traxo {

inline constexpr int kDesignDpi = 96;

// The DPI a window takes: its monitor's when the system tells it (0 when it cannot: older
// systems), else the screen's LOGPIXELSY, else the design DPI.
constexpr int ChooseDpi(int windowDpi, int screenDpi) {
    return windowDpi > 0 ? windowDpi : screenDpi > 0 ? screenDpi : kDesignDpi;
}

// The new DPI a WM_DPICHANGED carries in its wParam (x in the low word, y in the high word;
// the two are the same on every system, the vertical one is what fonts follow).
constexpr int DpiOfChangedMessage(std::uint64_t wParam) {
    const int y = static_cast<int>((wParam >> 16) & 0xFFFF);
    const int x = static_cast<int>(wParam & 0xFFFF);
    return ChooseDpi(y > 0 ? y : x, 0);
}

// A font height given at one DPI (the system's message font is given at the system's DPI)
// carried to another, keeping its sign: negative heights are character heights, positive ones
// cell heights.
int FontHeightAtDpi(int height, int fromDpi, int toDpi);

// A client size in 96-DPI units, in pixels at the scale.
constexpr Size ScaledSize(Size units, DpiScale scale) {
    return {scale(units.width), scale(units.height)};
}

// Where a window goes when its DPI changes: the system's suggested rectangle keeps the window
// under the cursor while it is dragged across monitors, but scales the frame with the client;
// the window keeps the suggested top-left corner and takes the frame its own client size needs
// at the new DPI, so the client area is exactly the scaled design.
Rect WindowRectAtDpi(Rect suggested, Size frameAtNewDpi);

} // namespace traxo
