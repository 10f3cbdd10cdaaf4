#pragma once
// A settings colour as GDI takes it: a system colour (0xFF000000 plus its index, as "clHighlight"
// is stored) becomes the system's current colour; the other high-byte values draw as their RGB.

#include "platform/CoreTypes.h"

#include <windows.h>

namespace traxo {

inline COLORREF GdiColour(Colour colour) {
    if ((colour & 0xFF000000u) == 0xFF000000u) {
        return GetSysColor(static_cast<int>(colour & 0xFFu));
    }
    return colour & 0x00FFFFFFu;
}

} // namespace traxo
