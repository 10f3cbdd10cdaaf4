#pragma once
// The update check in the running program. The download runs on a worker thread, so the
// windows keep answering while a slow server is waited for; the result comes back as a message
// to a message-only window of this object, and everything the user sees happens on the
// user-interface thread.
//
// The main window makes one UpdateChecker after reading the settings, starts its UpdateTimer
// when `autoCheck` is on, and hands it to the options dialog for "Check for updates now".

#include "app/EngineServices.h"
#include "platform/HttpFetch.h"
#include "ui/kit/FormWindow_win.h"
#include "ui/update/UpdateCheck.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace traxo {

// The task dialogs, plain message and shell of the real program.
class WindowsUpdatePrompts final : public UpdatePrompts {
public:
    explicit WindowsUpdatePrompts(HWND owner) : owner_(owner) {}
    void ShowNetworkError(std::u16string_view text) override;
    int ShowDialog(const TaskDialogContent& dialog) override;
    void OpenAddress(std::u16string_view address) override;
    void LogFailure(std::u16string_view text) override;

private:
    HWND owner_;
};

class UpdateChecker final : public FormWindow, public UpdateService {
public:
    struct Setup {
        std::u16string address;             // UpdateAddress() of the settings file
        std::filesystem::path localCopy;    // AppFolder + "updates.ini"
        HWND owner = nullptr;               // owns dlgUpdate and the messages: the main window
        std::function<Language()> language; // the current `language` setting
        std::function<bool()> firstRunPromptShowing; // the automatic check waits while true
        std::shared_ptr<HttpFetch> fetch;            // null: WinINet
        // Makes the prompts for an owner window; empty: task dialogs and the shell.
        std::function<std::unique_ptr<UpdatePrompts>(HWND owner)> prompts;
    };

    explicit UpdateChecker(Setup setup);
    ~UpdateChecker() override;

    // Starts UpdateTimer (10 s); at start-up exactly when the `autoCheck` setting is on.
    void StartUpdateTimer() override;
    // UpdateTimer's handler, also callable by the owner's own timer: waits while the first-run
    // prompt is showing, otherwise starts the one automatic check. True once the check has been
    // started (the timer is then stopped).
    bool UpdateTimerTimer();

    // "Check for updates now": starts a check whose messages belong to owner (the options
    // dialog) and that says "You have the latest version." when nothing is new. While a check is
    // running the request joins it. done, when given, hears HasLatestVersion's answer.
    void CheckNow(HWND owner, std::function<void(bool latest)> done = {});

    bool Busy() const { return pending_ != nullptr; }

private:
    struct Pending;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Start(HWND owner, bool reportLatest, std::function<void(bool)> done);
    static DWORD WINAPI FetchOnWorker(void* parameter);
    void Finished();
    std::unique_ptr<UpdatePrompts> PromptsFor(HWND owner) const;

    Setup setup_;
    UpdateTimerGate gate_;
    std::shared_ptr<Pending> pending_;
};

} // namespace traxo
