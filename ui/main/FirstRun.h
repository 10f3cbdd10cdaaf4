#pragma once
// The welcome a new user meets at the first start, while the `tutorialPrompt` setting is on:
// the language is asked for, the main window speaks it, the starter set becomes the current
// set, the tray icon points at itself with a balloon, the setting is turned off and written at
// once, and the tutorial is offered. The order and the texts are decided here; the window
// carries the steps out through FirstRunHost.

#include "platform/Language.h"
#include "platform/Settings.h"
#include "ui/kit/TaskDialogContent.h"

#include <string>
#include <string_view>

namespace traxo {

// The set a new user starts with, beside the executable.
inline constexpr std::u16string_view kStarterSetName = u"GettingStarted.mtd";
inline constexpr unsigned kBalloonSeconds = 15;

class FirstRunHost {
public:
    virtual ~FirstRunHost() = default;
    // Shows a task dialog and returns the result of the pressed button.
    virtual int Ask(const TaskDialogContent& dialog) = 0;
    // The main window's TranslateMe, in the language now in the settings.
    virtual void TranslateMe() = 0;
    virtual bool FileExists(const std::u16string& file) = 0;
    // Loads the set as the current one, shows its path, updates the buttons and refills the
    // list. False when it did not load (the window has reported why).
    virtual bool LoadStarterSet(const std::u16string& file) = 0;
    virtual void ShowBalloon(std::u16string_view title, std::u16string_view text,
                             unsigned seconds) = 0;
    virtual void SaveSettings() = 0;
    virtual void ShowTutorial() = 0;
};

// dlgLanguage: one button per language, in the order of the `language` values. It cannot be
// closed without an answer.
TaskDialogContent LanguageDialog(Language language);
// dlgTutorial: Yes / No, without a main instruction.
TaskDialogContent TutorialDialog(Language language);

// The language an answer of dlgLanguage picks; anything but one of its buttons keeps `current`.
Language LanguageFromAnswer(int result, Language current);

// Runs the whole welcome when settings.tutorialPrompt is on; false when it was not due.
bool RunFirstRunPrompt(Settings& settings, std::u16string_view appFolder, FirstRunHost& host);

} // namespace traxo
