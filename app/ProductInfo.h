#pragma once
// The program's name, version and addresses, in one place for every window that shows or opens
// them.

#include "platform/ProductIdentity.h"

#include <string_view>

namespace traxo {

inline constexpr std::u16string_view kProductName = u"Traxo";
inline constexpr std::u16string_view kProductVersion = u"" TRAXO_VERSION_TEXT;
inline constexpr std::u16string_view kProductCredit = u"traxo.app";
inline constexpr std::u16string_view kProductCreditChinese = u"traxo.app";

inline constexpr std::u16string_view kHomePageAddress = u"https://traxo.app/";
inline constexpr std::u16string_view kHelpPageAddress = u"https://traxo.app/help";
inline constexpr std::u16string_view kDonationPageAddress = u"https://traxo.app/donate";
// The update description the update check reads.
inline constexpr std::u16string_view kUpdateAddress = u"https://traxo.app/updates.ini";

// The about box's own lines, in both languages.
inline constexpr std::u16string_view kAboutTitle = u"Traxo " TRAXO_VERSION_TEXT;
inline constexpr std::u16string_view kAboutNotice = u"\u00A9 The Traxo developers";
inline constexpr std::u16string_view kTranslatorName = u"the Traxo developers";
inline constexpr std::u16string_view kTranslationCreditEnglish = u"Chinese translation: ";
inline constexpr std::u16string_view kTranslationCreditChinese = u"中文翻译：";
inline constexpr std::u16string_view kDonateEnglish = u"Like Traxo? Consider donating!";
inline constexpr std::u16string_view kDonateChinese = u"请考虑捐助";

} // namespace traxo
