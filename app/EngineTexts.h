#pragma once
// The texts of the program's background side: what the gesture engine puts together for the popup
// and the tray balloon, the tray menu and the start-with-Windows entry, English and Simplified
// Chinese side by side.

#include "platform/TextTable.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace traxo {

enum class EngineText : std::size_t {
    CouldNotOpen,      // "#" stands for the program, file or address; the system's reason follows
    PopupUnrecognised, // the popup's action label when no gesture matched
    TrayActive,        // the tray menu's entries, in their order ("&" marks the access key)
    TrayConfigure,
    TrayAutostart,
    TrayExit,
    AutostartRefused, // the registry refused to change the start-with-Windows entry
    TrayTipActive,    // the icon's tooltip, naming the state
    TrayTipInactive,
    Count,
};

const TextTable& TextTableOf(EngineText);

// The tray icon's tooltip: the product and whether gestures are active.
std::u16string TrayTipText(bool active, Language language);

// What the popup or the tray balloon says of an action the shell could not open.
std::u16string CouldNotOpenText(std::u16string_view target, std::u16string_view reason,
                                Language language);

} // namespace traxo
