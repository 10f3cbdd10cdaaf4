#pragma once
// The main window's own painting while the system's high contrast is on: its panels, the texts
// on them, the rows of the gesture list and the pad, in system colours only.

#include "controls/HighContrast.h"
#include "ui/main/MainWindowLayout.h"
#include "ui/main/MotionListPainter.h"

namespace traxo {

struct ColourPair {
    Colour back = 0;
    Colour text = 0;
};

// A panel's fill and the colour of the texts on it: the caption bar in highlight, the list
// and the pad in window colours, the toolbar and the rest in button colours.
ColourPair HighContrastPanel(MainControl panel, const SystemColours& colours);

// The rows on window colours; the selected row in highlight, with its texts in highlight
// text. What a row shows in grey (the large number, the programs a gesture does nothing in)
// is in grey text.
MotionRowColours HighContrastRows(const SystemColours& colours);

// The pad: its background in window colour, everything drawn on it in window text.
ColourPair HighContrastPad(const SystemColours& colours);

} // namespace traxo
