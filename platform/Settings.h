#pragma once
// The program's settings: section "main" of AppFolder + "traxo.ini" and the excluded programs
// of section "exclude". Read once at start, written whole by SaveSettings.

#include "platform/CoreTypes.h"
#include "platform/IniStore.h"
#include "platform/Language.h"
#include "platform/ProductIdentity.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace traxo {

inline constexpr std::u16string_view kSettingsFileName = u"traxo.ini";
// The version SaveSettings stores; start-up rewrites the hook library unless it finds it.
inline constexpr std::u16string_view kSettingsVersion = u"" TRAXO_VERSION_TEXT;

// idleTimeout is 0 (off) or within these, as the options dialog sets it.
inline constexpr std::int32_t kLeastIdleTimeout = 10;
inline constexpr std::int32_t kMostIdleTimeout = 200;

struct Settings {
    std::u16string motions;     // full path of the current gesture set; empty: none
    bool tutorialPrompt = true; // the first-run steps are still due
    bool showInfo = true;
    bool autoCheck = true;
    bool recentList = true;
    bool showTrails = true;
    bool fastTrails = false;
    bool active = true;
    bool mouseExMode = false;
    std::int32_t invoke = 1; // TriggerMode, 0 to 4
    Language language = Language::English;
    std::int32_t idleTimeout = 0; // 0: off, otherwise a number of polls
    std::int32_t recogniser = 0;  // 0 the scoring recogniser, 1 the precise one
    Colour tail =
        Rgb(0, 0, 255); // GestureTrailColour; clBlue also replaces a value that is no colour
    std::vector<std::u16string> excludedPrograms; // ExcludedPrograms, in file order

    friend bool operator==(const Settings&, const Settings&) = default;
};

// The stored `version`, empty when there is none.
std::u16string ReadSettingsVersion(const IniStore& ini);

// Opens (creating the file as UTF-16 when missing) and reads every setting; what is missing or
// unreadable keeps its default. A relative `motions` path is taken from appFolder, the
// program's folder with its trailing backslash.
Settings ReadSettings(IniStore& ini, std::u16string_view appFolder);

// Writes every setting, `motions` relative to appFolder when on the same drive, and replaces
// section "exclude" with "program0", "program1", ... All writes are attempted even when one is
// refused, so that as much as possible reaches the file. Returns nothing on success, otherwise
// the one message to show the user: "Unable to write to " and the file's full path.
[[nodiscard]] std::optional<std::u16string> SaveSettings(IniStore& ini, const Settings& settings,
                                                         std::u16string_view appFolder);

// Writes the settings into the file whole: its current content (keys of other sections and
// settings of other versions stay) with these settings applied, built in memory and put in place
// by a temporary file that replaces it. An end at any moment leaves either the old file or the
// new one. Returns what SaveSettings returns when the file could not be written.
[[nodiscard]] std::optional<std::u16string> SaveSettingsFile(const std::filesystem::path& file,
                                                             const Settings& settings,
                                                             std::u16string_view appFolder);

} // namespace traxo
