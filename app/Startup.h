#pragma once
// The program's start: where it lives, and the hook library file it writes next to itself.

#include "app/ProductInfo.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

namespace traxo {

inline constexpr std::u16string_view kProgramTitle = kProductName;
inline constexpr std::u16string_view kHookLibraryFileName = u"MouseCore.dll";

// The executable's folder: its path up to and including the last "\" or ":", with a "\" appended
// when that is missing.
std::u16string AppFolderOf(std::u16string_view modulePath);
// The executable's file name: its path after the last "\" or ":".
std::u16string ExeNameOf(std::u16string_view modulePath);

enum class HookLibraryFileState : std::uint8_t {
    Kept,         // the file there already holds the program's own copy
    Written,      // the file now holds the program's own copy
    WriteRefused, // no file holding the program's own copy could be had; none may be loaded
};

struct ProvidedHookLibrary {
    HookLibraryFileState state = HookLibraryFileState::WriteRefused;
    std::filesystem::path file; // the one file to load; empty when WriteRefused
};

// Writes bytes in place of a file, all or nothing; an error when the file is as it was.
using FileReplacer =
    std::function<std::error_code(const std::filesystem::path&, std::span<const std::uint8_t>)>;

// Makes sure the program loads its own hook library and nothing else: the file next to the program
// is compared with the embedded copy at every start and replaced when it differs (a foreign or
// truncated file). Where a file that differs cannot be replaced, because other programs still hold
// it loaded, the copy goes beside it under a name of its own. A folder in the library's place, or
// a folder that cannot be written, leaves nothing to load.
ProvidedHookLibrary ProvideHookLibraryFile(const std::filesystem::path& libraryFile,
                                           std::span<const std::uint8_t> libraryBytes,
                                           const FileReplacer& replace);

// What the user is told, once at start, when gestures are off because the hook library could
// not be loaded; nothing when it was loaded. appFolder is the program's folder.
std::optional<std::u16string> HookLibraryNotice(HookLibraryFileState fileState, bool loaded,
                                                std::u16string_view appFolder);

} // namespace traxo
