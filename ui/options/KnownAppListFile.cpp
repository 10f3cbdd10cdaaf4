#include "ui/options/KnownAppListFile.h"

#include "platform/Utf8.h"
#include "sets/FileBytes.h"

#include <optional>
#include <string_view>

namespace traxo {
namespace {

// Larger files are not lists this program wrote (201 programs of two 1,024-character lines).
constexpr std::size_t kMaxListFileBytes = 16 * 1024 * 1024;

void AppendUnit(std::vector<std::uint8_t>& bytes, char16_t unit) {
    bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
}

void AppendLine(std::vector<std::uint8_t>& bytes, std::u16string_view line) {
    for (const char16_t unit : line) {
        AppendUnit(bytes, unit);
    }
    AppendUnit(bytes, u'\r');
    AppendUnit(bytes, u'\n');
}

std::optional<std::u16string> Utf16Of(std::span<const std::uint8_t> bytes, bool bigEndian) {
    if (bytes.size() % 2 != 0) {
        return std::nullopt;
    }
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const unsigned first = bytes[i];
        const unsigned second = bytes[i + 1];
        text.push_back(
            static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first));
    }
    return text;
}

std::optional<std::u16string> TextOf(std::span<const std::uint8_t> bytes) {
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        return Utf16Of(bytes.subspan(2), false);
    }
    if (bytes.size() >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) {
        return Utf16Of(bytes.subspan(2), true);
    }
    if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
        const auto rest = bytes.subspan(3);
        return Utf8ToUtf16(
            std::string_view(reinterpret_cast<const char*>(rest.data()), rest.size()));
    }
    // Text in a code page would read differently on every system: it is not taken as a list.
    return std::nullopt;
}

std::vector<std::u16string> LinesOf(std::u16string_view text) {
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            lines.emplace_back(text.substr(start, i - start));
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < text.size()) {
        lines.emplace_back(text.substr(start));
    }
    return lines;
}

} // namespace

std::vector<std::uint8_t> EncodeKnownAppList(std::span<const KnownAppEntry> entries) {
    std::vector<std::uint8_t> bytes{0xFF, 0xFE};
    for (const KnownAppEntry& entry : entries) {
        AppendLine(bytes, entry.title);
        AppendLine(bytes, entry.path);
    }
    return bytes;
}

ListFileResult DecodeKnownAppList(std::span<const std::uint8_t> bytes) {
    const std::optional<std::u16string> text = TextOf(bytes);
    if (!text) {
        return ListFileError::NotUnicode;
    }
    const std::vector<std::u16string> lines = LinesOf(*text);
    std::vector<KnownAppEntry> entries;
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
        entries.push_back({lines[i], lines[i + 1]});
    }
    return entries;
}

ListFileResult ReadKnownAppList(const std::filesystem::path& file) {
    ByteVector bytes;
    try {
        bytes = ReadFileBytes(file, kMaxListFileBytes + 1);
    } catch (const std::filesystem::filesystem_error&) {
        return ListFileError::NotReadable;
    }
    if (bytes.size() > kMaxListFileBytes) {
        return ListFileError::NotUnicode;
    }
    return DecodeKnownAppList(bytes);
}

std::optional<ListFileError> WriteKnownAppList(const std::filesystem::path& file,
                                               std::span<const KnownAppEntry> entries) {
    const std::vector<std::uint8_t> bytes = EncodeKnownAppList(entries);
    if (WriteFileReplacing(file, bytes)) {
        return ListFileError::NotWritable;
    }
    return std::nullopt;
}

} // namespace traxo
