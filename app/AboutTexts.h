#pragma once
// The words the about box and the main window's version line say of the program's makers,
// English and Simplified Chinese side by side. Names (the product's, the notice's, the
// translator's) read the same in both languages and live in app/ProductInfo.h.

#include "platform/TextTable.h"

#include <array>
#include <cstddef>

namespace traxo {

enum class AboutText : std::size_t {
    Credit,            // after the version in the main window
    TranslationCredit, // the translator's name follows
    Donate,
    Count,
};

inline constexpr std::array<TextRow, static_cast<std::size_t>(AboutText::Count)> kAboutTexts{{
    {AboutText::Credit, u"traxo.app", u"traxo.app"},
    {AboutText::TranslationCredit, u"Chinese translation: ", u"中文翻译："},
    {AboutText::Donate, u"Like Traxo? Consider donating!", u"请考虑捐助"},
}};

const TextTable& TextTableOf(AboutText);

} // namespace traxo
