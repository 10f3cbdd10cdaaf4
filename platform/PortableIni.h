#pragma once
// The ini file read and written without the system, byte for byte as the profile functions do
// it (the reference we can run is Wine's). Every call reads the file afresh and writes it back
// whole, and only when something changed, so a file nobody changed keeps its layout.
//
// What the profile functions do, and so this class:
// - Lines end at CR or at LF; blank lines are dropped when the file is rewritten, which is
//   always written with CR LF line ends in the encoding it was read in.
// - Section names, key names and values lose their surrounding tabs and spaces (also vertical
//   tab, form feed and Ctrl+Z) when read from the file. A written name or value loses only its
//   leading ones: the trailing ones reach the file and go when it is read again. Listing the
//   keys of a section and erasing a section take the section name as given, untrimmed.
// - A section line is "[" up to the last "]" on the line; a line without "=" is kept where it is
//   but has no value; only the first of several sections or keys with one name counts.
// - Names match without regard to ASCII case; other letters must match exactly.
// - A value enclosed in matching quotes (" or ') is read without them, as is the default,
//   which also loses its trailing spaces.
// - The file's encoding comes from its mark: FF FE UTF-16LE, FE FF UTF-16BE, EF BB BF UTF-8;
//   anything else, and a missing file, is 8-bit text (taken as Latin-1 here, exact for ASCII).

#include "platform/IniStore.h"

#include <memory>

namespace traxo {

class PortableIni final : public IniStore {
public:
    explicit PortableIni(std::filesystem::path file);

    bool Open() override;
    std::u16string ReadString(std::u16string_view section, std::u16string_view key,
                              std::u16string_view defaultValue) const override;
    bool WriteString(std::u16string_view section, std::u16string_view key,
                     std::u16string_view value) override;
    bool EraseSection(std::u16string_view section) override;
    std::vector<std::u16string> ReadKeyNames(std::u16string_view section) const override;
    std::filesystem::path FilePath() const override { return file_; }

private:
    std::filesystem::path file_;
};

// The value of a key in ini text held in memory, read as PortableIni reads a file of that text:
// for replies that are parsed without ever going to disk.
std::u16string ReadIniText(std::u16string_view text, std::u16string_view section,
                           std::u16string_view key, std::u16string_view defaultValue);

// An ini file edited in memory and put in place whole, in the format above: the file is read
// once, writes and erases change only the copy in memory, and Commit writes the result to a
// temporary file beside it that then replaces it. An end before or during Commit leaves the file
// as it was, never half-written. A missing file starts as Open would create it (UTF-16LE).
class IniFileEdit final : public IniStore {
public:
    explicit IniFileEdit(std::filesystem::path file);
    ~IniFileEdit() override;

    bool Open() override { return true; }
    std::u16string ReadString(std::u16string_view section, std::u16string_view key,
                              std::u16string_view defaultValue) const override;
    bool WriteString(std::u16string_view section, std::u16string_view key,
                     std::u16string_view value) override;
    bool EraseSection(std::u16string_view section) override;
    std::vector<std::u16string> ReadKeyNames(std::u16string_view section) const override;
    std::filesystem::path FilePath() const override { return file_; }

    // Puts the edited file in place; false when it could not be written (the file is then as
    // it was).
    bool Commit();

private:
    struct Document;
    std::filesystem::path file_;
    std::unique_ptr<Document> document_;
};

} // namespace traxo
