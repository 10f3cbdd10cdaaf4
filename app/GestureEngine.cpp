#include "app/GestureEngine.h"

#include "app/EngineTexts.h"
#include "app/ProductInfo.h"
#include "app/Startup.h"
#include "sets/SetImage.h"

#include <filesystem>
#include <utility>

namespace traxo {
namespace {

GestureOutcome OutcomeOfAction(MotionActionOutcome outcome) {
    switch (outcome) {
    case MotionActionOutcome::DoesNothing:
        return GestureOutcome::DoesNothing;
    case MotionActionOutcome::Ran:
        return GestureOutcome::Acted;
    case MotionActionOutcome::Failed:
        return GestureOutcome::ActionFailed;
    case MotionActionOutcome::NotRun:
        break;
    }
    return GestureOutcome::Inactive; // a motion matched, so only gestures being off stop it
}

} // namespace

bool PopupShows(GestureOutcome outcome, bool showInfo) {
    return showInfo && outcome != GestureOutcome::DoesNothing;
}

GestureEngine::GestureEngine(std::u16string_view modulePath, EngineView& view)
    : view_(view), appFolder_(AppFolderOf(modulePath)),
      exePath_(appFolder_ + ExeNameOf(modulePath)), motionSet_(NewMotionSet()),
      document_(*motionSet_, [this](std::u16string_view label) { view_.ShowFileLabel(label); }),
      ownerCommands_{[this] { ToggleActive(true); }, [this] { view_.ShowSettingsWindow(); }} {}

GestureEngine::~GestureEngine() = default;

void GestureEngine::ReadSettings(IniStore& ini) {
    settings_ = traxo::ReadSettings(ini, appFolder_);
}

void GestureEngine::Start(const EnginePlatform& platform) {
    CaptureOwner& owner = *this;
    poller_ = std::make_unique<GesturePoller>(settings_, platform.desktop, platform.hook,
                                              platform.screen, owner, exePath_);
    executor_ =
        std::make_unique<ActionPlanExecutor>(platform.keyboard, platform.system, ownerCommands_);
    runner_ = std::make_unique<ActionRunner>(
        MotionActionContext{*motionSet_, poller_->CurrentProgram(), appFolder_,
                            [this] { return settings_.active; }, platform.queries, *executor_});
}

void GestureEngine::StartServices(const EngineServices& services) {
    services_ = services;
    if (services_.autostart != nullptr) {
        services_.autostart->StartCheck();
    }
    if (services_.updates != nullptr && settings_.autoCheck) {
        services_.updates->StartUpdateTimer();
    }
}

void GestureEngine::Shutdown() {
    if (poller_ && poller_->HookInstalled()) {
        EnableHook(false);
    }
}

SetLoadReport GestureEngine::LoadSetAtStart() {
    SetLoadReport report;
    report.fileLabel = kNoSetLoaded;
    if (!settings_.motions.empty()) {
        report = LoadSetReporting(document_, std::filesystem::path(settings_.motions));
        if (report.loaded) {
            settings_.motions = document_.currentFileName().u16string(); // a converted copy
        }
    }
    document_.SelectMotion(-1);
    return report;
}

void GestureEngine::Timer1Timer() {
    if (poller_) {
        poller_->Timer1Timer();
    }
}

void GestureEngine::HookNotify(std::uintptr_t mouseMessage) {
    if (poller_) {
        poller_->HookNotify(mouseMessage);
    }
}

// The road's end: the verdict, the action, then what the user is shown. The main window's
// visibility is read after the action, which may have shown it.
void GestureEngine::GestureEnded(const MotionPath& normalised, WindowHandle target) {
    const GestureReport report = RecogniseAndAct(normalised, target);
    if (view_.IsShown()) {
        view_.ShowScreenGesture(normalised);
    }
    if (PopupShows(report.outcome, settings_.showInfo)) {
        ShowResult(report, normalised);
    }
    view_.ScreenGestureHandled();
}

GestureReport GestureEngine::RecogniseAndAct(const MotionPath& normalised, WindowHandle target) {
    GestureReport report;
    report.motion = RecogniseWithoutAction(normalised);
    if (report.motion < 0 || !runner_) {
        return report;
    }
    MotionActionResult result = runner_->RunMotionAction(report.motion, target);
    report.outcome = OutcomeOfAction(result.outcome);
    report.action = std::move(result.action);
    report.failure = std::move(result.failure);
    return report;
}

int GestureEngine::RecogniseWithoutAction(const MotionPath& normalised) {
    return recogniser_.Recognise(RecogniserFromSetting(settings_.recogniser), normalised,
                                 *motionSet_, recognition_);
}

// An action the shell could not open is said in the popup, which has room for the start of the
// message, and whole in a notice, which has room for the system's reason too.
void GestureEngine::ShowResult(const GestureReport& report, const MotionPath& normalised) {
    PopupContent content =
        MakePopupContent(report.motion, normalised, *motionSet_, report.action, settings_.language);
    if (report.failure) {
        std::u16string failure =
            CouldNotOpenText(report.failure->target, report.failure->reason, settings_.language);
        if (services_.tray != nullptr) {
            services_.tray->ShowNotice(kProductName, failure, kFailureNoticeSeconds);
        }
        content.actionText = std::move(failure);
    }
    view_.ShowResultPopup(content);
}

void GestureEngine::ToggleActive(bool writeSettings) {
    EnableHook(false);
    settings_.active = !settings_.active;
    view_.UpdateButtons();
    if (writeSettings) {
        SaveSettingsShowingFailure();
    }
}

void GestureEngine::Activate() {
    settings_.active = true;
    view_.UpdateButtons();
}

void GestureEngine::EnableHook(bool on) {
    if (poller_) {
        poller_->EnableHook(on);
    }
}

bool GestureEngine::AutoStarts() const {
    return services_.autostart != nullptr && services_.autostart->WillAutoStart();
}

bool GestureEngine::WillAutoStart() {
    return AutoStarts();
}

void GestureEngine::ToggleAutoStart() {
    if (services_.autostart != nullptr) {
        services_.autostart->ToggleAutoStart();
    }
}

std::optional<std::u16string> GestureEngine::SaveSettings() const {
    const std::filesystem::path file =
        std::filesystem::path(appFolder_) / std::filesystem::path(kSettingsFileName);
    return SaveSettingsFile(file, settings_, appFolder_);
}

void GestureEngine::SaveSettingsShowingFailure() {
    if (const std::optional<std::u16string> failure = SaveSettings()) {
        view_.ShowError(*failure);
    }
}

std::vector<std::u16string> GestureEngine::RecentPrograms() const {
    return poller_ ? poller_->RecentPrograms() : std::vector<std::u16string>{};
}

} // namespace traxo
