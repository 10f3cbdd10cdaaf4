#pragma once
// The product's own web addresses, in one place until they join the other product constants.

#include <string_view>

namespace traxo {

inline constexpr std::u16string_view kHomeAddress = u"https://traxo.app/";
inline constexpr std::u16string_view kHelpAddress = u"https://traxo.app/help";
inline constexpr std::u16string_view kDonateAddress = u"https://traxo.app/donate";

} // namespace traxo
