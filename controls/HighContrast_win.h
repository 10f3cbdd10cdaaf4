#pragma once
// The system's high contrast as the windows see it: read once, read again when the system says
// its settings or colours changed, and every window of the thread repainted then.

// <windows.h> names DrawText a macro; the paint canvas's DrawText keeps its own name in every
// unit that includes this header, whatever it included before.
#include <windows.h>
#ifdef DrawText
#undef DrawText
#endif

#include "controls/HighContrast.h"

namespace traxo {

// SPI_GETHIGHCONTRAST, the user's stored setting and GetSysColor.
class Win32HighContrastSystem : public HighContrastSystem {
public:
    std::uint32_t ReportedFlags() override;
    std::optional<std::u16string> StoredFlags() override;
    SystemColours Colours() override;
};

// The colours the animated controls and the main window paint with while high contrast is on;
// null while it is off. Read on first use.
const SystemColours* HighContrastColours();

// Reads the mode and the colours again; true when what the windows paint with changed.
bool RefreshHighContrast();

// After WM_SETTINGCHANGE or WM_SYSCOLORCHANGE: reads again and, on a change, repaints every
// window of the thread with its children and frame.
void FollowSystemColours();

} // namespace traxo
