#pragma once
// The program's name, version and addresses, in one place for every window that shows or opens
// them.

#include <string_view>

namespace traxo {

inline constexpr std::u16string_view kProductName = u"Traxo";
inline constexpr std::u16string_view kProductVersion = u"1.41";
inline constexpr std::u16string_view kProductCredit = u"traxo.app";
inline constexpr std::u16string_view kProductCreditChinese = u"traxo.app";

inline constexpr std::u16string_view kHomePageAddress = u"https://traxo.app/";
inline constexpr std::u16string_view kHelpPageAddress = u"https://traxo.app/help";
inline constexpr std::u16string_view kDonationPageAddress = u"https://traxo.app/donate";

} // namespace traxo
