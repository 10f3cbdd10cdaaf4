#pragma once
// The action-button panel's WM_DROPFILES: one dropped file becomes the selected motion's
// default action. The caller carries out an Assigned decision (default action, modified flag,
// hiding and moving the panel, redrawing the row).

#include "actions/DroppedFile.h"
#include "platform/Language.h"

#include <windows.h>

#include <shellapi.h>
#include <string>
#include <vector>

namespace traxo {

// Every dropped name, in UTF-16 and whole (each name's length is asked first).
std::vector<std::u16string> DroppedFileNames(HDROP drop);

// Reads the drop, decides, tells the user when it is refused, and releases the drop handle.
DropDecision comboActionsPanelDrop(HWND panel, HDROP drop, bool panelVisible,
                                   std::u16string_view appFolder, Language language);

} // namespace traxo
