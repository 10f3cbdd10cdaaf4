#include "IniStoreTestSupport.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace traxo::testing {

ScratchFolder::ScratchFolder() {
    std::random_device random;
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        path_ = base / ("traxo-ini-test-" + std::to_string(random()));
        if (std::filesystem::create_directory(path_)) {
            return;
        }
    }
    throw std::runtime_error("no scratch folder could be made");
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string ReadFileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFileBytes(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

std::string Utf16File(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes += char(unit & 0xFF);
        bytes += char(unit >> 8);
    }
    return bytes;
}

std::string Printable(std::string_view bytes) {
    const bool utf16 = bytes.starts_with("\xFF\xFE");
    std::string shown = utf16 ? "<FF FE>" : "";
    const std::size_t step = utf16 ? 2 : 1;
    for (std::size_t i = utf16 ? 2 : 0; i < bytes.size(); i += step) {
        unsigned unit = static_cast<unsigned char>(bytes[i]);
        if (utf16) {
            unit |= i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) << 8 : 0u;
        }
        if (unit == '\r') {
            shown += "\\r";
        } else if (unit == '\n') {
            shown += "\\n\n";
        } else if (unit >= 0x20 && unit < 0x7F) {
            shown += char(unit);
        } else {
            char hex[12];
            std::snprintf(hex, sizeof hex, "<%X>", unit);
            shown += hex;
        }
    }
    return shown;
}

} // namespace traxo::testing
