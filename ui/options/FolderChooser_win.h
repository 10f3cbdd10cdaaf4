#pragma once
// The shell's folder chooser and the open dialog of the action editors.

#include "platform/Language.h"

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace traxo {

// The chosen folder's path, or nullopt when the user cancelled or chose no file-system folder.
std::optional<std::u16string> ChooseFolder(HWND owner, Language language);

// dlgOpenAction: "Choose file or application for this gesture".
std::optional<std::u16string> ChooseActionFile(HWND owner, Language language);

// This program's folder with its trailing "\".
std::u16string ProgramFolder();

} // namespace traxo
