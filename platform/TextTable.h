#pragma once
// Every text the user reads lives in a table of rows keyed by an id, English and Simplified
// Chinese side by side. Each table's id enum ends in `Count`, and its header declares
// `const TextTable& TextTableOf(TheId)`, so that one lookup, Text(id, language), reads any table.

#include "platform/Language.h"

#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace traxo {

// Both languages of one text.
struct TextPair {
    std::u16string_view english;
    std::u16string_view chinese;
};

struct TextRow {
    std::size_t id;
    std::u16string_view english;
    std::u16string_view chinese;

    template <typename Id>
    constexpr TextRow(Id rowId, std::u16string_view englishText, std::u16string_view chineseText)
        : id(static_cast<std::size_t>(rowId)), english(englishText), chinese(chineseText) {}

    template <typename Id>
    constexpr TextRow(Id rowId, TextPair texts) : TextRow(rowId, texts.english, texts.chinese) {}

    constexpr TextPair Pair() const { return {english, chinese}; }
    constexpr std::u16string_view In(Language language) const {
        return language == Language::Chinese ? chinese : english;
    }
};

// One window's (or one subsystem's) texts: row i has id i, for every id below `count`.
struct TextTable {
    std::string_view name;
    std::span<const TextRow> rows;
    std::size_t count; // the id enum's Count
};

// The text of row `id` in the language; empty for an id the table lacks.
std::u16string_view TextIn(const TextTable& table, std::size_t id, Language language);

template <typename Id> std::u16string_view Text(Id id, Language language) {
    return TextIn(TextTableOf(id), static_cast<std::size_t>(id), language);
}

// The text with its first "#" replaced by `value`.
std::u16string TextWith(std::u16string_view text, std::u16string_view value);
std::u16string TextWithCount(std::u16string_view text, std::size_t count);
// The text with its "#"s replaced by the values in turn; a "#" inside a value stays as it is, and
// a "#" past the last value stays too.
std::u16string TextWithEach(std::u16string_view text,
                            std::initializer_list<std::u16string_view> values);

} // namespace traxo
