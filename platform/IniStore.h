#pragma once
// What the program does with its ini file, in the terms of the system's wide-character profile
// functions: the Windows implementation is those functions, the portable one reproduces them.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace traxo {

// A value is read through a buffer of this many units, so at most 2047 characters come back.
inline constexpr std::size_t kIniReadBufferUnits = 2048;
// The key names of a section are listed through one buffer of this many units.
inline constexpr std::size_t kIniKeyNamesBufferUnits = 32768;

class IniStore {
public:
    virtual ~IniStore() = default;

    // Creates the file when it does not exist yet as UTF-16LE: the mark FF FE and one empty line
    // (CR LF as two units). Because of the mark every later write keeps the whole file in
    // UTF-16. False when the file is missing and could not be created.
    virtual bool Open() = 0;

    // The value of the key, or defaultValue when the section, the key or the file is missing.
    // At most kIniReadBufferUnits - 1 characters; enclosing quotes are removed.
    virtual std::u16string ReadString(std::u16string_view section, std::u16string_view key,
                                      std::u16string_view defaultValue) const = 0;

    // Sets the value; a new key goes to the end of its section, a new section to the end of the
    // file. False when the file could not be written.
    virtual bool WriteString(std::u16string_view section, std::u16string_view key,
                             std::u16string_view value) = 0;

    // Removes the section with all its keys (a missing section is no failure).
    virtual bool EraseSection(std::u16string_view section) = 0;

    // The names of the section's keys in file order, as listed through one buffer of
    // kIniKeyNamesBufferUnits units; the list ends at the first empty name.
    virtual std::vector<std::u16string> ReadKeyNames(std::u16string_view section) const = 0;

    virtual std::filesystem::path FilePath() const = 0;
};

// The names in a buffer of NUL-terminated names, up to the first empty one (two NULs in a row
// end the list).
inline std::vector<std::u16string> KeyNamesFromBuffer(std::u16string_view buffer) {
    std::vector<std::u16string> names;
    std::size_t start = 0;
    while (start < buffer.size() && buffer[start] != u'\0') {
        std::size_t end = buffer.find(u'\0', start);
        if (end == std::u16string_view::npos) {
            end = buffer.size();
        }
        names.emplace_back(buffer.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

} // namespace traxo
