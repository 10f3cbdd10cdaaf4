#pragma once
// Conversions between the UTF-16 the program keeps its texts in and the UTF-8 of command lines,
// JSON and consoles.

#include <optional>
#include <string>
#include <string_view>

namespace traxo {

// Strict: no overlong forms, no surrogates, nothing past U+10FFFF; anything else gives nullopt.
std::optional<std::u16string> Utf8ToUtf16(std::string_view text);

// A lone surrogate, which UTF-8 cannot carry, becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

} // namespace traxo
