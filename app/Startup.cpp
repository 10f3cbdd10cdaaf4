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

std::optional<std::u16string> HookLibraryNotice(HookLibraryFileState fileState, bool loaded,
                                                std::u16string_view appFolder) {
    if (loaded) {
        return std::nullopt;
    }
    const std::u16string folder(appFolder);
    const std::u16string lead = u"Mouse gestures are off. ";
    const std::u16string rest =
        u"Traxo goes on running, and its settings and gesture sets can still be edited.";
    if (fileState == HookLibraryFileState::WriteRefused) {
        return lead + u"Traxo needs to write the file " + std::u16string(kHookLibraryFileName) +
               u" into its folder, " + folder +
               u", but that folder is read-only for you. Move Traxo to a folder of your own "
               u"(for example one in your Documents) and start it from there.\n\n" +
               rest;
    }
    return lead + u"The file " + std::u16string(kHookLibraryFileName) + u" in " + folder +
           u" could not be loaded. Start Traxo again; if this message comes back, move Traxo "
           u"to a folder of your own and start it from there.\n\n" +
           rest;
}

} // namespace traxo
