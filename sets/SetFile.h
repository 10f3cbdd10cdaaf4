#pragma once
// The .mtd file forms and their decoding into the one MotionSet image. A file carries no header:
// its size alone tells the form. Decoding is separate from the file system so that it can be
// tested, and fed damaged content, without files.

#include "sets/FileBytes.h"
#include "sets/MotionSet.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <system_error>
#include <vector>

namespace traxo {

enum class SetFileForm {
    Compressed,   // the current image, compressed: every file this program writes
    Older,        // the older uncompressed image, converted on load
    Uncompressed, // the current image, uncompressed; compressed again on load
};

inline constexpr std::uint64_t kLargestCompressedFile = 1'800'000;
inline constexpr std::uint64_t kLargestOlderFile = 20'000'000;

SetFileForm FormOfFileSize(std::uint64_t fileSize);

struct SetFileContent {
    SetFileForm form;
    ByteVector bytes; // as much of the file as its form can use
};

// Reads a set file's form and content, never more than the form can use however large the file
// is. Throws std::filesystem::filesystem_error when the file cannot be read.
SetFileContent ReadSetFile(const std::filesystem::path& file);

// Decodes content of the given form into the set and repairs what could lead outside the image
// (see RepairMotionSet). Content shorter than its image is read as if followed by zeros, that is
// by empty slots and counts of 0. An older image is converted: its motions replace the first ones
// with no per-program rules, and the set gets no known programs. Returns the findings of the
// repair and of a short image. Throws DecompressionError for compressed content that cannot be
// decompressed to at most one image; the set is then unchanged.
std::vector<std::string> DecodeSetContent(SetFileForm form, std::span<const std::uint8_t> content,
                                          MotionSet& set);

// Brings the live part of a set read from outside within its slots: counts are clamped to their
// slots, rules for a program that is not known and all but the last rule of a program are dropped,
// texts without a terminator end at their capacity. Returns one line per repair.
std::vector<std::string> RepairMotionSet(MotionSet& set);

// Compresses the content into the file, which is created or replaced only once complete. On
// failure the previous file is as it was and the error is returned.
std::error_code WriteCompressedFile(std::span<const std::uint8_t> content,
                                    const std::filesystem::path& file);

// Writes the whole image in the current form, as WriteCompressedFile.
std::error_code WriteSetFile(const MotionSet& set, const std::filesystem::path& file);

} // namespace traxo
