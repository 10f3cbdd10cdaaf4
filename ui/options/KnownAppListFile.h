#pragma once
// Known-program list files: a text of lines in pairs, a program's title then its path, for each
// program in list order. Written as UTF-16LE with the byte-order mark and CR LF line ends; read
// in any Unicode form that carries its byte-order mark.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace traxo {

struct KnownAppEntry {
    std::u16string title;
    std::u16string path;
    friend bool operator==(const KnownAppEntry&, const KnownAppEntry&) = default;
};

enum class ListFileError {
    NotReadable, // the file could not be opened or read
    NotUnicode,  // no byte-order mark, an odd UTF-16 length, or broken UTF-8
    NotWritable,
};

using ListFileResult = std::variant<std::vector<KnownAppEntry>, ListFileError>;

// The file's bytes for these entries.
std::vector<std::uint8_t> EncodeKnownAppList(std::span<const KnownAppEntry> entries);

// The entries of a list file's bytes: one per complete pair of lines, an unpaired last line
// left out. Lines end at CR LF, LF or CR; an empty text after the last line end is no line.
ListFileResult DecodeKnownAppList(std::span<const std::uint8_t> bytes);

ListFileResult ReadKnownAppList(const std::filesystem::path& file);

// Replaces the file whole; on failure the old file is as it was.
std::optional<ListFileError> WriteKnownAppList(const std::filesystem::path& file,
                                               std::span<const KnownAppEntry> entries);

} // namespace traxo
