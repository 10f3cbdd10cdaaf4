#pragma once
// The program's name, version and addresses, in one place for every window that shows or opens
// them.

#include "app/AboutTexts.h"
#include "platform/ProductIdentity.h"

#include <string_view>

namespace traxo {

inline constexpr std::u16string_view kProductName = u"" TRAXO_PRODUCT_NAME;
// The same for the system's wide-text calls: the main window's title and every message box's.
inline constexpr wchar_t kProductTitle[] = L"" TRAXO_PRODUCT_NAME;
inline constexpr std::u16string_view kProductVersion = u"" TRAXO_VERSION_TEXT;

inline constexpr std::u16string_view kHomePageAddress = u"https://traxo.app/";
inline constexpr std::u16string_view kHelpPageAddress = u"https://traxo.app/help";
inline constexpr std::u16string_view kDonationPageAddress = u"https://traxo.app/donate";
// The update description the update check reads.
inline constexpr std::u16string_view kUpdateAddress = u"https://traxo.app/updates.ini";

// The about box's own lines, the same in both languages; its words are the AboutText table.
inline constexpr std::u16string_view kAboutTitle = u"Traxo " TRAXO_VERSION_TEXT;
inline constexpr std::u16string_view kAboutNotice = u"\u00A9 The Traxo developers";
inline constexpr std::u16string_view kTranslatorName = u"the Traxo developers";

} // namespace traxo
