#pragma once
// Where the update check asks whether a newer Traxo exists, and which version is running.

#include "app/ProductInfo.h"
#include "platform/IniStore.h"

#include <string>
#include <string_view>

namespace traxo {

// The version this program is; the update description names the newest one.
inline constexpr std::u16string_view kRunningVersion = kProductVersion;

// Key of section "main" of the settings file that points the check at another address (a local
// test server, a mirror). Absent by default; an empty value, or one that is not an http or https
// address, counts as absent.
inline constexpr std::u16string_view kUpdateAddressKey = u"updateUrl";

// The address the check fetches: the `updateUrl` setting when present, else kUpdateAddress.
std::u16string UpdateAddress(const IniStore& settingsFile);

} // namespace traxo
