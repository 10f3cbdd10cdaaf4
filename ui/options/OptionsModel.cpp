#include "ui/options/OptionsModel.h"

#include "platform/AsciiText.h"

#include <algorithm>

namespace traxo {

void OptionsModel::FormShow(const Settings& settings,
                            std::span<const std::u16string> recentPrograms, const MotionSet& set,
                            bool autoStartOn) {
    OptionsControls& c = controls;
    c.shownLanguage = settings.language;
    c.recent.assign(recentPrograms.begin(), recentPrograms.end());
    c.recentSelected = c.recent.empty() ? -1 : 0;
    c.recent2Selected = c.recentSelected;
    c.excluded = settings.excludedPrograms;
    c.excludedSelected = -1;

    c.tail = settings.tail;
    c.mode = settings.invoke >= 0 && settings.invoke < kTriggerModeCount ? settings.invoke : -1;
    c.language = settings.language;
    c.autoStart = autoStartOn;
    c.showInfo = settings.showInfo;
    c.showTrails = settings.showTrails;
    c.fastTrails = settings.fastTrails;
    c.recentList = settings.recentList;
    c.autoCheck = settings.autoCheck;
    c.preciseRecognition = settings.recogniser == 1;
    c.mouseExMode = settings.mouseExMode;

    // Always from the setting, so that a tick left from an earlier opening is never written back.
    c.timeoutTicked = settings.idleTimeout > 0;
    if (settings.idleTimeout > 0) {
        SetTrackIdle(settings.idleTimeout);
    }
    ApplyTriggerModeRules();

    knownApps.Load(set);
}

void OptionsModel::ApplyTriggerModeRules() {
    OptionsControls& c = controls;
    if (c.mode >= 0) {
        c.timeoutEnabled = c.mode > 0;
        c.mouseExModeEnabled = c.mode == 1 || c.mode == 3;
    }
    c.trackIdleEnabled = c.timeoutEnabled && c.timeoutTicked;
}

void OptionsModel::listviewMethodsSelectItem(int mode) {
    if (mode < 0 || mode >= kTriggerModeCount) {
        return;
    }
    controls.mode = mode;
    ApplyTriggerModeRules();
}

void OptionsModel::chkTimeoutClick(bool ticked) {
    controls.timeoutTicked = ticked;
    ApplyTriggerModeRules();
}

void OptionsModel::chkRecentClick(bool ticked, Settings& settings) {
    controls.recentList = ticked;
    settings.recentList = ticked;
}

void OptionsModel::comboLangSelect(int selection) {
    if (const std::optional<Language> language = LanguageFromNumber(selection)) {
        controls.language = *language;
        controls.shownLanguage = *language;
    }
}

void OptionsModel::SetTrackIdle(int position) {
    controls.trackIdle = std::clamp(position, kIdleTimeoutMin, kIdleTimeoutMax);
}

void OptionsModel::btnBrowseClick(std::u16string_view fullPath) {
    if (!fullPath.empty()) {
        controls.excluded.push_back(AsciiLowerCase(fullPath));
    }
}

bool OptionsModel::btnRemoveClick() {
    OptionsControls& c = controls;
    if (c.excludedSelected < 0 || c.excludedSelected >= static_cast<int>(c.excluded.size())) {
        return false;
    }
    c.excluded.erase(c.excluded.begin() + c.excludedSelected);
    c.excludedSelected = std::min(c.excludedSelected, static_cast<int>(c.excluded.size()) - 1);
    return true;
}

bool OptionsModel::btnExcludeClick() {
    const std::optional<std::u16string> entry = SelectedRecent(false);
    if (!entry) {
        return false;
    }
    controls.excluded.push_back(*entry);
    return true;
}

std::optional<std::u16string> OptionsModel::SelectedRecent(bool second) const {
    const int selected = second ? controls.recent2Selected : controls.recentSelected;
    if (selected < 0 || selected >= static_cast<int>(controls.recent.size())) {
        return std::nullopt;
    }
    return controls.recent[selected];
}

OptionsOutcome OptionsModel::btnOKClick(Settings& settings, MotionSet& set,
                                        bool autoStartOn) const {
    const OptionsControls& c = controls;
    settings.excludedPrograms = c.excluded;
    if (c.mode >= 0) {
        settings.invoke = c.mode;
    }
    settings.language = c.language;
    settings.tail = c.tail;
    settings.showTrails = c.showTrails;
    settings.fastTrails = c.fastTrails;
    settings.showInfo = c.showInfo;
    settings.recentList = c.recentList;
    settings.mouseExMode = c.mouseExMode;
    settings.idleTimeout = c.timeoutEnabled && c.timeoutTicked ? c.trackIdle : 0;
    settings.autoCheck = c.autoCheck;
    settings.recogniser = c.preciseRecognition ? 1 : 0;

    OptionsOutcome outcome;
    outcome.toggleAutoStart = c.autoStart != autoStartOn;
    outcome.knownApps = WriteKnownApps(set, knownApps.Rows());
    outcome.setModified = outcome.knownApps.orphanRules > 0;
    return outcome;
}

} // namespace traxo
