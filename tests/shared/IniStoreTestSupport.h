#pragma once
// What the ini store tests share: the store under test, made by each test tier (natively the
// portable implementation, under Wine the system's profile functions), and scratch files.

#include "platform/IniStore.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace traxo::testing {

// Defined once per tier.
std::unique_ptr<IniStore> MakeIniStoreUnderTest(const std::filesystem::path& file);

// A new empty folder, removed with everything in it when the object goes.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

std::string ReadFileBytes(const std::filesystem::path& file);
void WriteFileBytes(const std::filesystem::path& file, std::string_view bytes);

// The bytes of a UTF-16LE file: the mark FF FE, then the text.
std::string Utf16File(std::u16string_view text);

// A readable rendering of file bytes for failure messages.
std::string Printable(std::string_view bytes);

} // namespace traxo::testing
