#include "app/Startup.h"

#include "platform/Settings.h"
#include "sets/FileBytes.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

namespace traxo {
namespace {

std::size_t AfterLastSeparator(std::u16string_view modulePath) {
    const std::size_t last = modulePath.find_last_of(u"\\:");
    return last == std::u16string_view::npos ? 0 : last + 1;
}

// Compared byte for byte: a hash would only stand for this comparison, and the file is small.
bool HoldsExactly(const std::filesystem::path& file, std::span<const std::uint8_t> bytes) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(file, ec);
    if (ec || size != bytes.size() || !std::filesystem::is_regular_file(file, ec)) {
        return false;
    }
    try {
        return std::ranges::equal(ReadFileBytes(file, bytes.size()), bytes);
    } catch (const std::filesystem::filesystem_error&) {
        return false;
    }
}

// "MouseCore.1a2b3c4d.dll" beside "MouseCore.dll": named after the content (FNV-1a), so that
// every start of this version finds and reuses the same copy.
std::filesystem::path CopyBeside(const std::filesystem::path& libraryFile,
                                 std::span<const std::uint8_t> bytes) {
    std::uint32_t hash = 2166136261u;
    for (const std::uint8_t byte : bytes) {
        hash = (hash ^ byte) * 16777619u;
    }
    char digits[9] = {};
    std::snprintf(digits, sizeof(digits), "%08x", static_cast<unsigned>(hash));
    std::filesystem::path beside = libraryFile;
    beside.replace_extension(std::string(".") + digits + libraryFile.extension().string());
    return beside;
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

ProvidedHookLibrary ProvideHookLibraryFile(const std::filesystem::path& libraryFile,
                                           std::span<const std::uint8_t> libraryBytes,
                                           const FileReplacer& replace) {
    if (HoldsExactly(libraryFile, libraryBytes)) {
        return {HookLibraryFileState::Kept, libraryFile};
    }
    std::error_code ec;
    const bool otherFileThere = std::filesystem::is_regular_file(libraryFile, ec);
    if (!replace(libraryFile, libraryBytes)) {
        return {HookLibraryFileState::Written, libraryFile};
    }
    if (!otherFileThere) {
        return {};
    }
    const std::filesystem::path beside = CopyBeside(libraryFile, libraryBytes);
    if (HoldsExactly(beside, libraryBytes)) {
        return {HookLibraryFileState::Kept, beside};
    }
    if (!replace(beside, libraryBytes)) {
        return {HookLibraryFileState::Written, beside};
    }
    return {};
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
