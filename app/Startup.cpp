#include "app/Startup.h"

#include "app/Settings.h"
#include "sets/FileBytes.h"

#include <system_error>

namespace traxo {
namespace {

std::size_t AfterLastSeparator(std::u16string_view modulePath) {
    const std::size_t last = modulePath.find_last_of(u"\\:");
    return last == std::u16string_view::npos ? 0 : last + 1;
}

} // namespace

std::u16string AppFolderOf(std::u16string_view modulePath) {
    std::u16string folder(modulePath.substr(0, AfterLastSeparator(modulePath)));
    if (folder.empty() || folder.back() != u'\\') {
        folder += u'\\';
    }
    return folder;
}

std::u16string ExeNameOf(std::u16string_view modulePath) {
    return std::u16string(modulePath.substr(AfterLastSeparator(modulePath)));
}

HookLibraryFileState ProvideHookLibraryFile(const std::filesystem::path& libraryFile,
                                            std::u16string_view settingsVersion,
                                            std::span<const std::uint8_t> libraryBytes) {
    std::error_code ec;
    if (settingsVersion == kSettingsVersion && std::filesystem::is_regular_file(libraryFile, ec)) {
        return HookLibraryFileState::Kept;
    }
    return WriteFileReplacing(libraryFile, libraryBytes) ? HookLibraryFileState::WriteRefused
                                                         : HookLibraryFileState::Written;
}

} // namespace traxo
