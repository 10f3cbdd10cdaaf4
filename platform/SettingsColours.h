#pragma once
// The texts of numbers and colours in the settings file.

#include "platform/CoreTypes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace traxo {

// An integer as the settings file holds it: decimal, or hexadecimal after "$" or "0x"/"0X",
// with an optional sign and surrounding spaces. A hexadecimal value takes up to 32 bits as
// they stand ("$FFFFFFFF" is -1, so colours with the high byte set come back whole); a
// decimal one must lie in the 32-bit range. Nothing for any other text.
std::optional<std::int32_t> ParseStoredInteger(std::u16string_view text);

// The colour's standard name ("clBlue", "clBtnFace"), or "$" and eight upper-case hexadecimal
// digits of the 0x00BBGGRR value.
std::u16string ColorToString(Colour colour);

// A standard name in any letter case, or an integer as ParseStoredInteger reads it; nothing for
// a text that is neither.
std::optional<Colour> StringToColor(std::u16string_view text);

} // namespace traxo
