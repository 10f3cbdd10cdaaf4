#include "ui/main/AutostartControl_win.h"

#include "app/ProductInfo.h"
#include "platform/WideText_win.h"
#include "ui/kit/TaskDialog_win.h"
#include "ui/main/MainWindowTexts.h"

#include <utility>

namespace traxo {

AutostartControl::AutostartControl(HWND owner, StringValueStore& store, std::u16string exePath,
                                   std::function<Language()> language)
    : owner_(owner), autostart_(store, std::move(exePath)), language_(std::move(language)) {}

void AutostartControl::StartCheckTimer() {
    SetTimer(owner_, kRegCheckTimerId, kRegCheckInterval, nullptr);
}

bool AutostartControl::willAutoStart() {
    return autostart_.State().checked;
}

bool AutostartControl::mnAutostartClick() {
    const AutostartOutcome outcome = autostart_.Toggle();
    if (outcome.refused) {
        ReportRefusal();
    }
    return outcome.checked;
}

void AutostartControl::regCheckTimerTimer() {
    KillTimer(owner_, kRegCheckTimerId);
    IsAutoStartOK();
}

void AutostartControl::IsAutoStartOK() {
    if (!autostart_.NeedsQuestion()) {
        return;
    }
    const Language language = language_ ? language_() : Language::English;
    TaskDialogContent dlgAutostart;
    dlgAutostart.title = MainWindowText(MainText::DialogTitle, language);
    dlgAutostart.content = MainWindowText(MainText::AutostartQuestion, language);
    dlgAutostart.icon = TaskDialogIcon::Warning;
    dlgAutostart.buttons = {MainWindowText(MainText::AnswerYes, language),
                            MainWindowText(MainText::AnswerNo, language)};
    if (ShowTaskDialog(owner_, dlgAutostart) == TaskButtonResult(0) &&
        autostart_.PointAtThisCopy().refused) {
        ReportRefusal();
    }
}

bool AutostartControl::HandleMessage(UINT message, WPARAM wParam) {
    if (message == WM_TIMER && wParam == kRegCheckTimerId) {
        regCheckTimerTimer();
        return true;
    }
    return false;
}

void AutostartControl::ReportRefusal() {
    const std::wstring text =
        WideText(AutostartRefusedText(language_ ? language_() : Language::English));
    MessageBoxW(owner_, text.c_str(), WideText(kProductName).c_str(), MB_OK | MB_ICONWARNING);
}

} // namespace traxo
