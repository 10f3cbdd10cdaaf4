#include "platform/PortableIni.h"

#include "platform/AsciiText.h"
#include "platform/Utf8.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>
#include <utility>

namespace traxo {
// The parsed file: named rather than file-local, because IniFileEdit keeps one.
namespace ini {

enum class TextEncoding { EightBit, Utf8, Utf16Le, Utf16Be };

struct IniKey {
    std::u16string name;
    std::optional<std::u16string> value; // none for a line without "="
};

struct IniSection {
    std::u16string name;
    std::vector<IniKey> keys;
};

struct IniDocument {
    TextEncoding encoding = TextEncoding::EightBit;
    // The first section is nameless: the lines before the first section line.
    std::vector<IniSection> sections{IniSection{}};
};

} // namespace ini

namespace {

using namespace ini;

bool IsIniSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f' || c == 0x1A;
}

std::u16string_view TrimLeft(std::u16string_view text) {
    while (!text.empty() && IsIniSpace(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

std::u16string_view TrimRight(std::u16string_view text) {
    while (!text.empty() && IsIniSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::u16string_view Trim(std::u16string_view text) {
    return TrimRight(TrimLeft(text));
}

// --- Encodings ---

constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::u16string DecodeUtf16(std::string_view bytes, bool bigEndian) {
    std::u16string text;
    text.reserve(bytes.size() / 2 + 1);
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        // An odd last byte counts as a unit whose other byte is zero.
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0u;
        text += bigEndian ? char16_t(first << 8 | second) : char16_t(second << 8 | first);
    }
    return text;
}

void AppendUnit(std::u16string& text, char32_t code) {
    if (code >= 0x10000) {
        code -= 0x10000;
        text += char16_t(0xD800 + (code >> 10));
        text += char16_t(0xDC00 + (code & 0x3FF));
    } else {
        text += char16_t(code);
    }
}

// Unlike a strict conversion, a damaged file still reads, as the system reads it: a byte that
// cannot start a character, or a sequence cut short, becomes one U+FFFD.
std::u16string DecodeUtf8(std::string_view bytes) {
    std::u16string text;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int length = lead < 0x80   ? 1
                           : lead < 0xC2 ? 0
                           : lead < 0xE0 ? 2
                           : lead < 0xF0 ? 3
                           : lead < 0xF5 ? 4
                                         : 0;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        int taken = 1;
        while (taken < length && i + taken < bytes.size() &&
               (static_cast<unsigned char>(bytes[i + taken]) & 0xC0) == 0x80) {
            code = code << 6 | (static_cast<unsigned char>(bytes[i + taken]) & 0x3F);
            ++taken;
        }
        const char32_t smallest = length == 4 ? 0x10000 : length == 3 ? 0x800 : 0;
        const bool valid = length > 0 && taken == length && code >= smallest && code <= 0x10FFFF &&
                           (code < 0xD800 || code > 0xDFFF);
        AppendUnit(text, valid ? code : U'\uFFFD');
        i += taken;
    }
    return text;
}

std::pair<TextEncoding, std::u16string> DecodeText(std::string_view bytes) {
    if (bytes.starts_with(kUtf16LeMark)) {
        return {TextEncoding::Utf16Le, DecodeUtf16(bytes.substr(2), false)};
    }
    if (bytes.starts_with(kUtf16BeMark)) {
        return {TextEncoding::Utf16Be, DecodeUtf16(bytes.substr(2), true)};
    }
    if (bytes.starts_with(kUtf8Mark)) {
        return {TextEncoding::Utf8, DecodeUtf8(bytes.substr(3))};
    }
    return {TextEncoding::EightBit, std::u16string(bytes.begin(), bytes.end())};
}

std::string EncodeText(TextEncoding encoding, std::u16string_view text) {
    std::string bytes;
    switch (encoding) {
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be: {
        const bool bigEndian = encoding == TextEncoding::Utf16Be;
        bytes.reserve(2 + 2 * text.size());
        bytes.append(bigEndian ? kUtf16BeMark : kUtf16LeMark);
        for (const char16_t unit : text) {
            const char low = char(unit & 0xFF);
            const char high = char(unit >> 8);
            bytes += bigEndian ? high : low;
            bytes += bigEndian ? low : high;
        }
        break;
    }
    case TextEncoding::Utf8:
        bytes = std::string(kUtf8Mark) + Utf16ToUtf8(text);
        break;
    case TextEncoding::EightBit:
        std::ranges::transform(text, std::back_inserter(bytes),
                               [](char16_t unit) { return unit <= 0xFF ? char(unit) : '?'; });
        break;
    }
    return bytes;
}

// --- The document ---

void AddLine(IniDocument& document, std::u16string_view line) {
    line = Trim(line);
    if (line.empty()) {
        return;
    }
    const std::size_t close = line.rfind(u']');
    if (line.front() == u'[' && close != std::u16string_view::npos && close > 0) {
        document.sections.push_back({std::u16string(Trim(line.substr(1, close - 1))), {}});
        return;
    }
    IniKey key;
    const std::size_t equals = line.find(u'=');
    if (equals == std::u16string_view::npos) {
        key.name = line;
    } else {
        key.name = TrimRight(line.substr(0, equals));
        key.value = std::u16string(TrimLeft(line.substr(equals + 1)));
    }
    // Of several nameless keys in a row only the first is kept.
    std::vector<IniKey>& keys = document.sections.back().keys;
    if (key.name.empty() && !keys.empty() && keys.back().name.empty()) {
        return;
    }
    keys.push_back(std::move(key));
}

IniDocument ParseDocument(std::string_view bytes) {
    auto [encoding, text] = DecodeText(bytes);
    IniDocument document;
    document.encoding = encoding;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of(u"\r\n", start);
        if (end == std::u16string::npos) {
            end = text.size();
        }
        AddLine(document, std::u16string_view(text).substr(start, end - start));
        start = end + 1;
    }
    return document;
}

std::string SerializeDocument(const IniDocument& document) {
    std::u16string text;
    for (const IniSection& section : document.sections) {
        if (!section.name.empty()) {
            text += u'[' + section.name + u"]\r\n";
        }
        for (const IniKey& key : section.keys) {
            text += key.name;
            if (key.value) {
                text += u'=' + *key.value;
            }
            text += u"\r\n";
        }
    }
    return EncodeText(document.encoding, text);
}

std::optional<std::string> ReadBytes(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool WriteBytes(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    out.close();
    return !out.fail();
}

// What Open creates: the UTF-16LE mark and one empty line.
constexpr std::string_view kFreshFile("\xFF\xFE\r\0\n\0", 6);

// A missing or unreadable file reads as an empty one.
IniDocument LoadDocument(const std::filesystem::path& file) {
    const std::optional<std::string> bytes = ReadBytes(file);
    return bytes ? ParseDocument(*bytes) : IniDocument{};
}

// The profile functions refuse a write before looking at the values when the file cannot be
// opened for writing, or could not be created because its folder is missing.
bool MayWrite(const std::filesystem::path& file) {
    std::error_code error;
    if (std::filesystem::exists(file, error)) {
        return std::fstream(file, std::ios::in | std::ios::out | std::ios::binary).is_open();
    }
    return std::filesystem::is_directory(file.parent_path(), error);
}

IniSection* FindSection(IniDocument& document, std::u16string_view name) {
    const auto found = std::ranges::find_if(document.sections, [name](const IniSection& section) {
        return SameTextIgnoringCase(section.name, name);
    });
    return found == document.sections.end() ? nullptr : &*found;
}

IniKey* FindKey(IniSection& section, std::u16string_view name) {
    name = Trim(name);
    const auto found = std::ranges::find_if(
        section.keys, [name](const IniKey& key) { return SameTextIgnoringCase(key.name, name); });
    return found == section.keys.end() ? nullptr : &*found;
}

// True when the document changed.
bool SetValue(IniDocument& document, std::u16string_view sectionName, std::u16string_view keyName,
              std::u16string_view value) {
    // New names and values lose only their leading space here; the trailing space is written,
    // and dropped when the file is read again.
    value = TrimLeft(value);
    IniSection* section = FindSection(document, Trim(sectionName));
    if (section == nullptr) {
        document.sections.push_back({std::u16string(TrimLeft(sectionName)), {}});
        section = &document.sections.back();
    }
    IniKey* key = FindKey(*section, keyName);
    if (key == nullptr) {
        section->keys.push_back({std::u16string(TrimLeft(keyName)), std::u16string(value)});
        return true;
    }
    if (key->value == value) {
        return false;
    }
    key->value = std::u16string(value);
    return true;
}

// The default loses its trailing spaces, though never its first character.
std::u16string_view TrimDefault(std::u16string_view text) {
    while (text.size() > 1 && text.back() == u' ') {
        text.remove_suffix(1);
    }
    return text;
}

// A value is copied into a buffer of bufferUnits units. Enclosing quotes are dropped by dropping
// the last unit copied whenever the buffer could hold the value after its opening quote: when
// the buffer is exactly that long, this takes a character of the value instead of the quote.
std::u16string CopyEntry(std::u16string_view value, std::size_t bufferUnits) {
    bool quoted = false;
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front()) {
        quoted = true;
        value.remove_prefix(1);
    }
    std::u16string copy(value.substr(0, bufferUnits - 1));
    if (quoted && bufferUnits >= value.size() && !copy.empty()) {
        copy.pop_back();
    }
    return copy;
}

// The names as the system lists them into a buffer of bufferUnits units: comments (";") and
// lines without "=" are left out, the name that does not fit is cut short.
std::u16string KeyNameBuffer(const IniSection& section, std::size_t bufferUnits) {
    std::u16string buffer(bufferUnits, u'\0');
    std::size_t left = bufferUnits;
    std::size_t position = 0;
    for (const IniKey& key : section.keys) {
        if (left <= 2) {
            break;
        }
        if (!key.value || key.name.starts_with(u';')) {
            continue;
        }
        const std::size_t length = std::min(key.name.size(), left - 2);
        buffer.replace(position, length, key.name, 0, length);
        position += length + 1;
        left -= length + 1;
        if (left < 2) {
            break;
        }
    }
    return buffer;
}

std::u16string ReadFrom(IniDocument& document, std::u16string_view section, std::u16string_view key,
                        std::u16string_view defaultValue) {
    IniSection* foundSection = FindSection(document, Trim(section));
    const IniKey* foundKey = foundSection ? FindKey(*foundSection, key) : nullptr;
    const std::u16string_view value = foundKey && foundKey->value
                                          ? std::u16string_view(*foundKey->value)
                                          : TrimDefault(defaultValue);
    return CopyEntry(value, kIniReadBufferUnits);
}

// True when the section was there and is gone.
bool EraseFrom(IniDocument& document, std::u16string_view section) {
    IniSection* found = FindSection(document, section);
    if (found == nullptr) {
        return false;
    }
    document.sections.erase(document.sections.begin() + (found - document.sections.data()));
    return true;
}

std::vector<std::u16string> KeyNamesOf(IniDocument& document, std::u16string_view section) {
    const IniSection* found = FindSection(document, section);
    return found != nullptr ? KeyNamesFromBuffer(KeyNameBuffer(*found, kIniKeyNamesBufferUnits))
                            : std::vector<std::u16string>{};
}

// A name beside the file that no other file has, for the new content before it replaces the file.
std::filesystem::path UnusedTemporaryBeside(const std::filesystem::path& file) {
    std::error_code error;
    for (int attempt = 0;; ++attempt) {
        std::filesystem::path candidate = file;
        candidate += ".new" + std::to_string(attempt);
        if (!std::filesystem::exists(candidate, error)) {
            return candidate;
        }
    }
}

} // namespace

PortableIni::PortableIni(std::filesystem::path file) : file_(std::move(file)) {
    std::error_code error;
    std::filesystem::path full = std::filesystem::absolute(file_, error);
    if (!error) {
        file_ = std::move(full);
    }
}

bool PortableIni::Open() {
    std::error_code error;
    if (std::filesystem::exists(file_, error)) {
        return std::filesystem::is_regular_file(file_, error);
    }
    return WriteBytes(file_, kFreshFile);
}

std::u16string PortableIni::ReadString(std::u16string_view section, std::u16string_view key,
                                       std::u16string_view defaultValue) const {
    IniDocument document = LoadDocument(file_);
    return ReadFrom(document, section, key, defaultValue);
}

bool PortableIni::WriteString(std::u16string_view section, std::u16string_view key,
                              std::u16string_view value) {
    if (!MayWrite(file_)) {
        return false;
    }
    IniDocument document = LoadDocument(file_);
    return !SetValue(document, section, key, value) ||
           WriteBytes(file_, SerializeDocument(document));
}

bool PortableIni::EraseSection(std::u16string_view section) {
    if (!MayWrite(file_)) {
        return false;
    }
    IniDocument document = LoadDocument(file_);
    return !EraseFrom(document, section) || WriteBytes(file_, SerializeDocument(document));
}

std::vector<std::u16string> PortableIni::ReadKeyNames(std::u16string_view section) const {
    IniDocument document = LoadDocument(file_);
    return KeyNamesOf(document, section);
}

std::u16string ReadIniText(std::u16string_view text, std::u16string_view section,
                           std::u16string_view key, std::u16string_view defaultValue) {
    IniDocument document = ParseDocument(EncodeText(TextEncoding::Utf16Le, text));
    return ReadFrom(document, section, key, defaultValue);
}

struct IniFileEdit::Document {
    IniDocument content;
};

IniFileEdit::IniFileEdit(std::filesystem::path file)
    : file_(std::move(file)), document_(std::make_unique<Document>()) {
    const std::optional<std::string> bytes = ReadBytes(file_);
    document_->content = ParseDocument(bytes ? *bytes : std::string(kFreshFile));
}

IniFileEdit::~IniFileEdit() = default;

std::u16string IniFileEdit::ReadString(std::u16string_view section, std::u16string_view key,
                                       std::u16string_view defaultValue) const {
    return ReadFrom(document_->content, section, key, defaultValue);
}

bool IniFileEdit::WriteString(std::u16string_view section, std::u16string_view key,
                              std::u16string_view value) {
    SetValue(document_->content, section, key, value);
    return true;
}

bool IniFileEdit::EraseSection(std::u16string_view section) {
    EraseFrom(document_->content, section);
    return true;
}

std::vector<std::u16string> IniFileEdit::ReadKeyNames(std::u16string_view section) const {
    return KeyNamesOf(document_->content, section);
}

bool IniFileEdit::Commit() {
    const std::filesystem::path temporary = UnusedTemporaryBeside(file_);
    std::error_code error;
    if (WriteBytes(temporary, SerializeDocument(document_->content))) {
        std::filesystem::rename(temporary, file_, error);
        if (!error) {
            return true;
        }
    }
    std::filesystem::remove(temporary, error);
    return false;
}

} // namespace traxo
