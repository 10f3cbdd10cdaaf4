#pragma once
// Letter case and blanks as the program compares names, paths and commands: only ASCII letters
// fold, as the system's ini and path comparisons do for the texts this program writes.

#include <algorithm>
#include <string>
#include <string_view>

namespace traxo {

constexpr char16_t AsciiLower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
}

constexpr char16_t AsciiUpper(char16_t c) {
    return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c;
}

inline std::u16string AsciiLowerCase(std::u16string_view text) {
    std::u16string lower(text);
    std::ranges::transform(lower, lower.begin(), AsciiLower);
    return lower;
}

inline bool SameTextIgnoringCase(std::u16string_view a, std::u16string_view b) {
    return std::ranges::equal(a, b, {}, AsciiLower, AsciiLower);
}

// A whole number in decimal digits.
inline std::u16string DecimalText(long long value) {
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}

// Without the blanks and control characters around it.
inline std::u16string_view Trimmed(std::u16string_view text) {
    const auto isBlank = [](char16_t c) { return c <= u' '; };
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace traxo
