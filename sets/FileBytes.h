#pragma once
// Whole-file reads and writes for the set files. A write never leaves a half-written file where
// the old one was: the new content goes to a temporary file beside it, which then replaces it.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <system_error>
#include <vector>

namespace traxo {

using ByteVector = std::vector<std::uint8_t>;

// The first maxBytes bytes of the file (all of it, if shorter). Throws
// std::filesystem::filesystem_error when the file cannot be opened or read.
ByteVector ReadFileBytes(const std::filesystem::path& file, std::size_t maxBytes);

// Creates or replaces the file with exactly these bytes. On failure the file is as it was, no
// temporary file is left behind, and the error is returned.
std::error_code WriteFileReplacing(const std::filesystem::path& file,
                                   std::span<const std::uint8_t> bytes);

} // namespace traxo
