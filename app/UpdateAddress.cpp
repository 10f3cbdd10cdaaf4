#include "app/UpdateAddress.h"

namespace traxo {

std::u16string UpdateAddress(const IniStore& settingsFile) {
    std::u16string address = settingsFile.ReadString(u"main", kUpdateAddressKey, u"");
    return address.empty() ? std::u16string(kUpdateAddress) : address;
}

} // namespace traxo
