#pragma once
// The two languages every text exists in. The settings file stores a language as its number
// (0 English, 1 Chinese); nothing else sees the number.

#include <cstdint>
#include <optional>

namespace traxo {

enum class Language : std::int32_t { English = 0, Chinese = 1 };

inline constexpr Language kLanguages[] = {Language::English, Language::Chinese};

// The language a stored number names, or nothing for a number that names none.
constexpr std::optional<Language> LanguageFromNumber(std::int32_t number) {
    if (number == static_cast<std::int32_t>(Language::English) ||
        number == static_cast<std::int32_t>(Language::Chinese)) {
        return static_cast<Language>(number);
    }
    return std::nullopt;
}

constexpr std::int32_t LanguageNumber(Language language) {
    return static_cast<std::int32_t>(language);
}

} // namespace traxo
