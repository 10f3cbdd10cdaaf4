#pragma once
// Loading a set at start and through Load set, with what the window shows afterwards: a set that
// is missing, cannot be read or is not a set is reported once and never looks loaded.

#include "sets/SetDocument.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace traxo {

inline constexpr std::u16string_view kNoSetLoaded = u"no set loaded";

// The load-failure message: the file name in double quotation marks, then why: a file that is
// not there is said to be missing, any other as possibly in an invalid format.
std::u16string LoadFailedMessage(const std::filesystem::path& file);

struct SetLoadReport {
    bool loaded = false;
    std::u16string fileLabel; // the current file name, or kNoSetLoaded when there is none
    std::optional<std::u16string> failure; // LoadFailedMessage, to be shown once
};

// Loads the file into the document; on failure the document keeps the set and current file it
// had. The caller keeps the file in the settings either way, so that a set repaired or put
// back later loads at the next start.
SetLoadReport LoadSetReporting(SetDocument& document, const std::filesystem::path& file);

} // namespace traxo
