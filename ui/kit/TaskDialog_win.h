#pragma once
// Shows a task dialog: the system's own where it has one (common controls 6), otherwise a plain
// message box whose buttons stand in for the custom ones.

#include "ui/kit/TaskDialogContent.h"

#include <windows.h>

namespace traxo {

// Modal to owner; returns the result of the pressed button (100 for the first), or the result
// of the last button when the dialog was closed without one.
int ShowTaskDialog(HWND owner, const TaskDialogContent& dialog);

} // namespace traxo
