#include "ui/update/UpdateCheck_win.h"

#include "app/ProductInfo.h"
#include "platform/HttpFetch_win.h"
#include "platform/ScopedWin_win.h"
#include "platform/WideText_win.h"
#include "ui/kit/TaskDialog_win.h"

#include <mutex>
#include <shellapi.h>
#include <utility>
#include <vector>

namespace traxo {
namespace {

constexpr wchar_t kCheckerClass[] = L"TraxoUpdateChecker";
constexpr UINT kFetchedMessage = WM_APP + 1;
constexpr UINT_PTR kUpdateTimerId = 1;
constexpr UINT kUpdateTimerInterval = 10000;

std::u16string AnsiText(std::string_view bytes) {
    if (bytes.empty()) {
        return {};
    }
    const int length = static_cast<int>(bytes.size());
    const int units = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, text.data(), units);
    return Utf16Text(text);
}

} // namespace

void WindowsUpdatePrompts::ShowNetworkError(std::u16string_view text) {
    MessageBoxW(owner_, WideText(text).c_str(), WideText(kProductName).c_str(), MB_OK);
}

// The system's debug output, which a debugger or a debug-output viewer shows.
void WindowsUpdatePrompts::LogFailure(std::u16string_view text) {
    OutputDebugStringW((L"Traxo: " + WideText(text) + L"\n").c_str());
}

int WindowsUpdatePrompts::ShowDialog(const TaskDialogContent& dialog) {
    return ShowTaskDialog(owner_, dialog);
}

void WindowsUpdatePrompts::OpenAddress(std::u16string_view address) {
    // What the shell reports (no browser, a bad address) is not shown, as for actions.
    ShellExecuteW(owner_, L"open", WideText(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

// One download in flight. The worker thread holds it too, so it outlives a checker that is
// destroyed while the server is still being waited for.
struct UpdateChecker::Pending {
    std::mutex mutex;
    HWND notify = nullptr; // cleared when the checker goes
    HttpFetchResult result;

    // Read by the worker before it starts, never changed after.
    std::shared_ptr<HttpFetch> fetch;
    std::u16string address;

    // The user-interface thread's own.
    HWND owner = nullptr;
    bool reportLatest = false;
    std::vector<std::function<void(bool)>> done;
};

UpdateChecker::UpdateChecker(Setup setup) : setup_(std::move(setup)) {
    if (!setup_.fetch) {
        setup_.fetch = std::make_shared<WinInetFetch>();
    }
    CreateForm(kCheckerClass, L"", 0, 0, SIZE{0, 0}, HWND_MESSAGE);
}

UpdateChecker::~UpdateChecker() {
    if (pending_) {
        const std::lock_guard lock(pending_->mutex);
        pending_->notify = nullptr;
    }
}

void UpdateChecker::StartUpdateTimer() {
    SetTimer(hwnd(), kUpdateTimerId, kUpdateTimerInterval, nullptr);
}

bool UpdateChecker::UpdateTimerTimer() {
    const bool promptShowing = setup_.firstRunPromptShowing && setup_.firstRunPromptShowing();
    if (!gate_.Tick(promptShowing)) {
        return false;
    }
    KillTimer(hwnd(), kUpdateTimerId);
    Start(setup_.owner, false, {});
    return true;
}

void UpdateChecker::CheckNow(HWND owner, std::function<void(bool latest)> done) {
    Start(owner, true, std::move(done));
}

std::unique_ptr<UpdatePrompts> UpdateChecker::PromptsFor(HWND owner) const {
    if (setup_.prompts) {
        return setup_.prompts(owner);
    }
    return std::make_unique<WindowsUpdatePrompts>(owner);
}

DWORD WINAPI UpdateChecker::FetchOnWorker(void* parameter) {
    auto* handed = static_cast<std::shared_ptr<Pending>*>(parameter);
    const std::shared_ptr<Pending> job = std::move(*handed);
    delete handed;
    HttpFetchResult result;
    try {
        result = job->fetch->Get(job->address);
    } catch (...) {
        result = {HttpFetchStatus::OpenFailed, {}};
    }
    const std::lock_guard lock(job->mutex);
    job->result = std::move(result);
    if (job->notify != nullptr) {
        PostMessageW(job->notify, kFetchedMessage, 0, 0);
    }
    return 0;
}

void UpdateChecker::Start(HWND owner, bool reportLatest, std::function<void(bool)> done) {
    if (pending_) { // join the check in flight: its answer goes to the latest asker
        if (reportLatest) {
            pending_->owner = owner;
            pending_->reportLatest = true;
        }
        if (done) {
            pending_->done.push_back(std::move(done));
        }
        return;
    }
    auto pending = std::make_shared<Pending>();
    pending->notify = hwnd();
    pending->fetch = setup_.fetch;
    pending->address = setup_.address;
    pending->owner = owner;
    pending->reportLatest = reportLatest;
    if (done) {
        pending->done.push_back(std::move(done));
    }
    UpdateCheckRequest request;
    request.localCopy = setup_.localCopy;
    PrepareUpdateCheck(request);

    auto* handed = new std::shared_ptr<Pending>(pending);
    const ScopedKernelHandle thread(CreateThread(nullptr, 0, FetchOnWorker, handed, 0, nullptr));
    if (thread.get() == nullptr) {
        delete handed;
        pending->result = {HttpFetchStatus::NoSession, {}};
        pending_ = std::move(pending);
        PostMessageW(hwnd(), kFetchedMessage, 0, 0);
        return;
    }
    pending_ = std::move(pending);
}

void UpdateChecker::Finished() {
    if (!pending_) {
        return;
    }
    const std::shared_ptr<Pending> pending = std::move(pending_);
    HttpFetchResult result;
    {
        const std::lock_guard lock(pending->mutex);
        result = std::move(pending->result);
    }
    UpdateCheckRequest request;
    request.localCopy = setup_.localCopy;
    request.language = setup_.language ? setup_.language() : Language::English;
    request.reportLatest = pending->reportLatest;
    request.codePage = AnsiText;
    // The options dialog may have closed while the server was asked.
    const HWND owner = IsWindow(pending->owner) ? pending->owner : setup_.owner;
    const std::unique_ptr<UpdatePrompts> prompts = PromptsFor(owner);
    const bool latest = FinishUpdateCheck(result, request, *prompts);
    for (const auto& done : pending->done) {
        done(latest);
    }
}

LRESULT UpdateChecker::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kUpdateTimerId) {
        UpdateTimerTimer();
        return 0;
    }
    if (message == kFetchedMessage) {
        Finished();
        return 0;
    }
    return FormWindow::HandleMessage(message, wParam, lParam);
}

} // namespace traxo
