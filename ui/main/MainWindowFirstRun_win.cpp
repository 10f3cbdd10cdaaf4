// The first start's welcome, carried out by the main window once it and the dialogs exist and
// before the message loop runs (ui/FirstRun.h decides the steps).
#include "app/SetLoading.h"
#include "platform/WideText_win.h"
#include "ui/kit/TaskDialog_win.h"
#include "ui/main/FirstRun.h"
#include "ui/main/MainWindow_win.h"

#include <filesystem>
#include <system_error>

namespace traxo {

void TgestureConfigForm::FirstRunPrompt() {
    class Host final : public FirstRunHost {
    public:
        explicit Host(TgestureConfigForm& form) : form_(form) {}

        int Ask(const TaskDialogContent& dialog) override {
            return ShowTaskDialog(form_.hwnd(), dialog);
        }
        void TranslateMe() override { form_.TranslateMe(); }
        bool FileExists(const std::u16string& file) override {
            std::error_code error;
            return std::filesystem::is_regular_file(PathOf(file), error);
        }
        bool LoadStarterSet(const std::u16string& file) override {
            form_.Busy(true);
            const SetLoadReport report = LoadSetReporting(form_.document_, PathOf(file));
            form_.Busy(false);
            if (!report.loaded) {
                form_.ShowLoadFailed(PathOf(file));
                return false;
            }
            form_.ShowFileName(form_.document_.currentFileName());
            form_.document_.SelectMotion(-1);
            form_.GetAppIcons();
            form_.UpdateButtons();
            form_.updateList();
            return true;
        }
        void ShowBalloon(std::u16string_view title, std::u16string_view text,
                         unsigned seconds) override {
            if (form_.tray_) {
                form_.tray_->ShowBalloon(title, text, seconds);
            }
        }
        void SaveSettings() override { form_.SaveSettingsShowingFailure(); }
        void ShowTutorial() override { form_.ShowTutorial(); }

    private:
        TgestureConfigForm& form_;
    };

    if (!settings_.tutorialPrompt) {
        return;
    }
    // The automatic update check waits until the welcome is over.
    firstRunShowing_ = true;
    Host host(*this);
    RunFirstRunPrompt(settings_, engine_.AppFolder(), host);
    firstRunShowing_ = false;
    if (closeAfterFirstRun_) {
        PostMessageW(hwnd(), WM_CLOSE, 0, 0);
    }
}

} // namespace traxo
