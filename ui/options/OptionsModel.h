#pragma once
// What the options dialog shows and decides, without a window: the controls' states as
// FormShow loads them, the rules that enable and disable them, the list edits, and what OK
// writes back into the settings and the set. The window only mirrors this state.

#include "platform/Language.h"
#include "platform/Settings.h"
#include "sets/MotionSet.h"
#include "ui/options/KnownAppsTable.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace traxo {

inline constexpr int kTriggerModeCount = 5;
inline constexpr int kIdleTimeoutMin = 10; // trackIdle's range and page
inline constexpr int kIdleTimeoutMax = 200;
inline constexpr int kIdleTimeoutPage = 10;

// The two ways the main window opens the dialog: the option pages and the general panel, or the
// known-programs page alone.
enum class OptionsView { Options, KnownPrograms };

// The states of the dialog's controls.
struct OptionsControls {
    int mode = -1; // listviewMethods' selection, -1 none
    bool timeoutEnabled = true;
    bool timeoutTicked = false;
    bool trackIdleEnabled = false;
    int trackIdle = kIdleTimeoutMin;
    bool mouseExModeEnabled = true;
    bool mouseExMode = false;
    bool showTrails = true;
    bool fastTrails = false;
    bool showInfo = true;
    bool recentList = true; // chkRecent and chkRecent2 alike
    bool autoStart = false;
    bool autoCheck = true;
    bool preciseRecognition = false; // the `recogniser` setting: 1 precise, 0 the scoring one
    Colour tail = 0;
    Language language = Language::English; // comboLang's selection
    Language shownLanguage =
        Language::English; // the language the texts are in (a preview until OK)
    std::vector<std::u16string> excluded;
    int excludedSelected = -1;
    std::vector<std::u16string> recent;
    int recentSelected = -1;  // lstRecent
    int recent2Selected = -1; // lstRecent2
};

// What the window has to carry out after OK.
struct OptionsOutcome {
    bool toggleAutoStart = false; // the autostart entry must be switched
    KnownAppsWriteBack knownApps;
    // Rules were dropped that no program of a shorter opened list could run: the set changed.
    bool setModified = false;
};

class OptionsModel {
public:
    OptionsControls controls;
    KnownAppsTable knownApps;

    // Loads every control; autoStartOn says whether the autostart entry points at this program.
    void FormShow(const Settings& settings, std::span<const std::u16string> recentPrograms,
                  const MotionSet& set, bool autoStartOn);

    void listviewMethodsSelectItem(int mode);
    void chkTimeoutClick(bool ticked);
    // Either "Keep this list updated" box: the setting changes at once, both boxes follow.
    void chkRecentClick(bool ticked, Settings& settings);
    void chkAutoCheckClick(bool ticked) { controls.autoCheck = ticked; }
    bool CheckNowVisible() const { return !controls.autoCheck; }
    // The texts switch to the picked language at once; the setting changes only on OK.
    void comboLangSelect(int selection); // comboLang's row; no row keeps the choice
    void SetTrackIdle(int position);

    // Excluded programs.
    void btnBrowseClick(std::u16string_view fullPath); // a chosen file, stored in lower case
    bool btnRemoveClick();
    bool btnExcludeClick();

    // The selected entry of lstRecent (first) or lstRecent2.
    std::optional<std::u16string> SelectedRecent(bool second) const;

    // btnOKClick: writes everything back. autoStartOn is the autostart entry's state now.
    OptionsOutcome btnOKClick(Settings& settings, MotionSet& set, bool autoStartOn) const;

private:
    void ApplyTriggerModeRules();
};

} // namespace traxo
