#include "ui/main/FirstRun.h"

#include "ui/main/MainWindowTexts.h"
#include "ui/options/OptionsTexts.h"

namespace traxo {

TaskDialogContent LanguageDialog(Language language) {
    TaskDialogContent dlgLanguage;
    dlgLanguage.title = MainWindowText(MainText::DialogTitle, language);
    dlgLanguage.mainInstruction = MainWindowText(MainText::LanguageInstruction, language);
    dlgLanguage.content = MainWindowText(MainText::LanguageContent, language);
    dlgLanguage.icon = TaskDialogIcon::Program;
    dlgLanguage.cancellable = false;
    for (const std::u16string_view name : kLanguageNames) {
        dlgLanguage.buttons.emplace_back(name);
    }
    return dlgLanguage;
}

TaskDialogContent TutorialDialog(Language language) {
    TaskDialogContent dlgTutorial;
    dlgTutorial.title = MainWindowText(MainText::DialogTitle, language);
    dlgTutorial.content = MainWindowText(MainText::TutorialQuestion, language);
    dlgTutorial.icon = TaskDialogIcon::Question;
    dlgTutorial.buttons = {MainWindowText(MainText::AnswerYes, language),
                           MainWindowText(MainText::AnswerNo, language)};
    return dlgTutorial;
}

Language LanguageFromAnswer(int result, Language current) {
    return LanguageFromNumber(result - kFirstTaskButtonResult).value_or(current);
}

bool RunFirstRunPrompt(Settings& settings, std::u16string_view appFolder, FirstRunHost& host) {
    if (!settings.tutorialPrompt) {
        return false;
    }
    settings.language =
        LanguageFromAnswer(host.Ask(LanguageDialog(settings.language)), settings.language);
    host.TranslateMe();

    const std::u16string starter = std::u16string(appFolder) + std::u16string(kStarterSetName);
    if (host.FileExists(starter) && host.LoadStarterSet(starter)) {
        settings.motions = starter;
    }

    host.ShowBalloon(MainWindowText(MainText::BalloonTitle, settings.language),
                     MainWindowText(MainText::BalloonText, settings.language), kBalloonSeconds);

    // Written before anything else is asked, so that the welcome never comes back even if the
    // program is ended during the tutorial.
    settings.tutorialPrompt = false;
    host.SaveSettings();

    if (host.Ask(TutorialDialog(settings.language)) == TaskButtonResult(0)) {
        host.ShowTutorial();
    }
    return true;
}

} // namespace traxo
