#pragma once
// The texts the gesture engine itself puts together for the popup and the tray balloon,
// English and Simplified Chinese side by side.

#include "platform/TextTable.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace traxo {

enum class EngineText : std::size_t {
    CouldNotOpen, // "#" stands for the program, file or address; the system's reason follows
    Count,
};

const TextTable& TextTableOf(EngineText);

// What the popup or the tray balloon says of an action the shell could not open.
std::u16string CouldNotOpenText(std::u16string_view target, std::u16string_view reason,
                                Language language);

} // namespace traxo
