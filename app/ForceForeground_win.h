#pragma once
// Brings a window of this program to the front even when another program has the input: the
// system lets only the foreground thread change the foreground window.

#include <windows.h>

namespace traxo {

// True when the window is the foreground window afterwards.
bool ForceForeground(HWND window);

} // namespace traxo
