#include "app/SetLoading.h"

#include <exception>
#include <system_error>

namespace traxo {

std::u16string LoadFailedMessage(const std::filesystem::path& file) {
    std::error_code error;
    const bool missing = !std::filesystem::exists(file, error) && !error;
    // Appended piece by piece: GCC 12 takes `literal + string + literal` for an overlapping copy.
    std::u16string message = u"\"";
    message += file.u16string();
    message += missing ? u"\" could not be loaded: the file does not exist."
                       : u"\" could not be loaded. It may be in an invalid format";
    return message;
}

SetLoadReport LoadSetReporting(SetDocument& document, const std::filesystem::path& file) {
    SetLoadReport report;
    try {
        report.loaded = document.LoadSet(file);
    } catch (const std::exception&) {
        report.loaded = false; // unreadable or not a set: the document is as it was
    }
    if (!report.loaded) {
        report.failure = LoadFailedMessage(file);
    }
    const std::filesystem::path& current = document.currentFileName();
    report.fileLabel = current.empty() ? std::u16string(kNoSetLoaded) : current.u16string();
    return report;
}

} // namespace traxo
