#pragma once
// The core's UTF-16 text as the system's wide-character calls take it and give it back: the same
// 16-bit units, so nothing is converted, only the type changes.

#include <filesystem>
#include <string>
#include <string_view>

namespace traxo {

// A terminated copy, for calls that take a wide string.
inline std::wstring WideText(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

inline std::u16string Utf16Text(std::wstring_view text) {
    return std::u16string(text.begin(), text.end());
}

inline std::filesystem::path PathOf(std::u16string_view text) {
    return std::filesystem::path(WideText(text));
}

} // namespace traxo
