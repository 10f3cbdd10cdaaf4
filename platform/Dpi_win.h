#pragma once
// What the system says about DPI, for the windows that scale through DpiScale (the rules are
// in platform/DpiRules.h). The calls newer systems have (GetDpiForWindow,
// SystemParametersInfoForDpi, AdjustWindowRectExForDpi) are looked up at run time: older
// Windows and Wine without them fall back to the screen's DPI.

#include "platform/DpiRules.h"

#include <windows.h>

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace traxo {

// The DPI of the screen as a whole (the system DPI), from LOGPIXELSY.
int ScreenDpi();

// The DPI of the monitor the window is on, or the screen's where the system cannot tell.
int WindowDpi(HWND window);

// The system's message font (the one dialogs use) at the DPI; the caller owns the font.
HFONT CreateMessageFont(int dpi);
LOGFONTW MessageFontAt(int dpi);

// The outer size of a window with that client size, styles and DPI.
Size FrameSizeAtDpi(Size client, DWORD style, DWORD exStyle, int dpi);

// Carries out a WM_DPICHANGED placement: the suggested rectangle (lParam) with the frame the
// window's client size needs at the new DPI.
void PlaceAtChangedDpi(HWND window, LPARAM suggested, Size clientAtNewDpi, int newDpi);

} // namespace traxo
