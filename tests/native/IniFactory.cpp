// Natively the shared ini store cases run against the portable implementation.
#include "platform/PortableIni.h"
#include "shared/IniStoreTestSupport.h"

namespace traxo::testing {

std::unique_ptr<IniStore> MakeIniStoreUnderTest(const std::filesystem::path& file) {
    return std::make_unique<PortableIni>(file);
}

} // namespace traxo::testing
