#pragma once
// The pictures of the five trigger modes in the options dialog (60 by 25 each): a key cap for
// the keys to hold and a mouse whose gesture button is filled.

#include "platform/PaintCanvas.h"

namespace traxo {

inline constexpr Size kTriggerPictureSize{60, 25};
inline constexpr Colour kTriggerButtonColour = Rgb(46, 60, 75);

// The keys held in the mode ("Ctrl", "Ctrl+Shift"), empty for none.
std::u16string_view TriggerKeysOf(int mode);

void PaintTriggerPicture(PaintCanvas& canvas, int mode);

} // namespace traxo
