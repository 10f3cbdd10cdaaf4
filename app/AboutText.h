#pragma once
// The about box's own lines, in both languages.

#include <string_view>

namespace traxo {

inline constexpr std::u16string_view kAboutTitle = u"Traxo 1.41";
inline constexpr std::u16string_view kAboutNotice = u"\u00A9 The Traxo developers";
inline constexpr std::u16string_view kTranslatorName = u"Lin Qiao";
inline constexpr std::u16string_view kTranslationCreditEnglish = u"Chinese translation: ";
inline constexpr std::u16string_view kTranslationCreditChinese = u"中文翻译：";
inline constexpr std::u16string_view kDonateEnglish = u"Like Traxo? Consider donating!";
inline constexpr std::u16string_view kDonateChinese = u"请考虑捐助";

} // namespace traxo
