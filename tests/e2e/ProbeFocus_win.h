#pragma once
// The probe's look at where another program's keyboard focus is.

#include <string>

// Prints the window with the keyboard focus in the thread of the first top-level window of the
// class: "CLASS left top right bottom", its rectangle in that window's client area ("none" when
// nothing has the focus). Returns the probe's exit code.
int FocusOfWindowThread(const std::wstring& className);
