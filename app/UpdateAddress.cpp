#include "app/UpdateAddress.h"

#include "platform/AsciiText.h"

namespace traxo {
namespace {

// Anything else (file:, ftp:, a bare path) would read a file or reach a service, not a server.
bool IsHttpOrHttps(std::u16string_view address) {
    const std::u16string lower = AsciiLowerCase(address.substr(0, 8));
    return lower.starts_with(u"http://") || lower.starts_with(u"https://");
}

} // namespace

std::u16string UpdateAddress(const IniStore& settingsFile) {
    std::u16string address = settingsFile.ReadString(u"main", kUpdateAddressKey, u"");
    return IsHttpOrHttps(address) ? address : std::u16string(kUpdateAddress);
}

} // namespace traxo
