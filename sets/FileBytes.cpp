#include "sets/FileBytes.h"

#include <cerrno>
#include <fstream>
#include <string>

namespace traxo {
namespace fs = std::filesystem;

namespace {

// Streams do not say why they failed; errno usually does.
std::error_code StreamError() {
    const int code = errno;
    return code != 0 ? std::error_code(code, std::generic_category())
                     : std::make_error_code(std::errc::io_error);
}

// A name beside the file that nothing else uses, so that no other file is overwritten.
fs::path UnusedNameBeside(const fs::path& file) {
    fs::path candidate;
    for (int n = 0; n < 1000; ++n) {
        candidate = file;
        candidate += '.';
        candidate += std::to_string(n);
        candidate += ".tmp";
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(candidate, ec))) {
            break;
        }
    }
    return candidate;
}

std::error_code WriteNewFile(const fs::path& file, std::span<const std::uint8_t> bytes) {
    errno = 0;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (out) {
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.close();
    }
    return out ? std::error_code() : StreamError();
}

} // namespace

ByteVector ReadFileBytes(const fs::path& file, std::size_t maxBytes) {
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(file, ec);
    if (ec) {
        throw fs::filesystem_error("cannot read the file", file, ec);
    }
    errno = 0;
    std::ifstream in(file, std::ios::binary);
    ByteVector bytes(static_cast<std::size_t>(std::min<std::uintmax_t>(size, maxBytes)));
    if (in) {
        in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    if (in.bad() || !in.is_open()) {
        throw fs::filesystem_error("cannot read the file", file, StreamError());
    }
    bytes.resize(static_cast<std::size_t>(in.gcount())); // the file may have shrunk meanwhile
    return bytes;
}

std::error_code WriteFileReplacing(const fs::path& file, std::span<const std::uint8_t> bytes) {
    const fs::path temporary = UnusedNameBeside(file);
    std::error_code ec = WriteNewFile(temporary, bytes);
    if (!ec) {
        fs::rename(temporary, file, ec);
    }
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
    }
    return ec;
}

} // namespace traxo
