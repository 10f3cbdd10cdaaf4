// Under Wine the shared ini store cases run against the system's profile functions.
#include "platform/ProfileIni_win.h"
#include "shared/IniStoreTestSupport.h"

namespace traxo::testing {

std::unique_ptr<IniStore> MakeIniStoreUnderTest(const std::filesystem::path& file) {
    return std::make_unique<ProfileIni>(file);
}

} // namespace traxo::testing
