#pragma once
// The program's start: where it lives, and the hook library file it writes next to itself.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace traxo {

inline constexpr std::u16string_view kProgramTitle = u"Traxo";
inline constexpr std::u16string_view kHookLibraryFileName = u"MouseCore.dll";

// The executable's folder: its path up to and including the last "\" or ":", with a "\" appended
// when that is missing.
std::u16string AppFolderOf(std::u16string_view modulePath);
// The executable's file name: its path after the last "\" or ":".
std::u16string ExeNameOf(std::u16string_view modulePath);

enum class HookLibraryFileState : std::uint8_t {
    Kept,          // the settings were written by this version and the file is there
    Written,       // the file now holds the program's own copy
    WriteRefused,  // it could not be written; whatever was there is untouched
};

// Writes the hook library next to the program unless the settings file was written by this
// version and the library file is there. A file that cannot be replaced (a running instance holds
// it loaded, the folder is read-only) stays as it was: never half-written, never removed.
HookLibraryFileState ProvideHookLibraryFile(const std::filesystem::path& libraryFile,
                                            std::u16string_view settingsVersion,
                                            std::span<const std::uint8_t> libraryBytes);

// What the user is told, once at start, when gestures are off because the hook library could
// not be loaded; nothing when it was loaded. appFolder is the program's folder.
std::optional<std::u16string> HookLibraryNotice(HookLibraryFileState fileState, bool loaded,
                                                std::u16string_view appFolder);

} // namespace traxo
