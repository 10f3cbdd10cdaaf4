#pragma once
// The running program's composition root. It owns the settings, the gesture set and its
// document, the poll, the recognisers and the action runner, and decides in one place what
// becomes of a gesture drawn on the screen: recognise, act, then tell the user. The main window
// is a view that the engine tells what to show; the hook library, the desktop, the keyboard,
// the tray icon, autostart and the update check are reached through interfaces, so a gesture's
// whole road runs without a window.

#include "actions/ActionExecution.h"
#include "app/EngineServices.h"
#include "app/ResultPopup.h"
#include "app/SetLoading.h"
#include "app/TrayMenu.h"
#include "capture/GesturePoller.h"
#include "platform/IniStore.h"
#include "platform/Keyboard.h"
#include "platform/Settings.h"
#include "recognition/GestureRecogniser.h"
#include "sets/SetDocument.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace traxo {

// What became of a gesture drawn on the screen.
enum class GestureOutcome : std::uint8_t {
    Unrecognised, // no motion matched
    Inactive,     // a motion matched while gestures are off: nothing ran
    DoesNothing,  // a motion matched whose action for the program is empty
    Acted,        // its action was carried out
    ActionFailed, // its action was carried out and the system could not do a step of it
};

struct GestureReport {
    GestureOutcome outcome = GestureOutcome::Unrecognised;
    int motion = -1;       // the matched motion's index
    std::u16string action; // the ActionString carried out, when one was
    std::optional<ActionFailure> failure;
};

// With the setting on, the result popup shows for every outcome but a motion that does nothing.
bool PopupShows(GestureOutcome outcome, bool showInfo);

// A notice in the popup is short; the tray's balloon has room for the system's reason too.
inline constexpr unsigned kFailureNoticeSeconds = 10;

// What the engine tells the main window to show.
class EngineView {
public:
    virtual ~EngineView() = default;
    virtual bool IsShown() = 0;                                       // the main window is visible
    virtual void ShowScreenGesture(const MotionPath& normalised) = 0; // drawn over the pad
    virtual void ShowResultPopup(const PopupContent& content) = 0;
    // After every gesture drawn on the screen was handled: the tutorial's wait for one ends.
    virtual void ScreenGestureHandled() = 0;
    virtual void SetPadIdle() = 0;
    virtual void RecentProgramsChanged() {}
    virtual void UpdateButtons() = 0;
    virtual void ShowSettingsWindow() = 0; // shown if hidden, and brought to the front
    virtual void CloseProgram() = 0;       // closing the main window ends the program
    // The texts of the file label while a set is converted or fixed.
    virtual void ShowFileLabel(std::u16string_view label) = 0;
    virtual void ShowError(std::u16string_view text) = 0;
};

// What the engine drives; everything referred to must outlive the engine.
struct EnginePlatform {
    CaptureDesktop& desktop;
    HookLibrary& hook;
    TrailScreen& screen;
    Keyboard& keyboard;
    SystemActions& system;
    PlanningQueries& queries;
};

// The services, each of which may be missing; what they point at must outlive the engine.
struct EngineServices {
    TrayNotices* tray = nullptr;
    AutostartSwitch* autostart = nullptr;
    UpdateService* updates = nullptr;
};

class GestureEngine final : private CaptureOwner, private TrayOwner {
public:
    // modulePath is the executable's full path; view must outlive the engine.
    GestureEngine(std::u16string_view modulePath, EngineView& view);
    ~GestureEngine() override;
    GestureEngine(const GestureEngine&) = delete;
    GestureEngine& operator=(const GestureEngine&) = delete;

    // What the tray icon and its menu ask for.
    TrayOwner& TrayCommands() { return *this; }

    // Every setting, from the settings file's store.
    void ReadSettings(IniStore& ini);
    // Builds the poll and the action runner over the platform.
    void Start(const EnginePlatform& platform);
    // Connects the services, then starts the autostart check and, when the settings ask for it,
    // the automatic update check.
    void StartServices(const EngineServices& services);
    // The hook comes off when the program ends.
    void Shutdown();

    // Loads the set the settings name, at start, and selects no motion. A set that does not load
    // leaves the empty one, and its path in the settings so that it loads at the next start once
    // it is back or repaired; the report's failure is for the user.
    SetLoadReport LoadSetAtStart();

    // The poll's timer and the hook library's message.
    void Timer1Timer();
    void HookNotify(std::uintptr_t mouseMessage);

    // Recognises a normalised gesture and carries out the matched motion's action for target.
    GestureReport RecogniseAndAct(const MotionPath& normalised, WindowHandle target);
    // The pad's test and its similarity warning: the verdict alone, nothing runs.
    int RecogniseWithoutAction(const MotionPath& normalised);

    // The Active button (writeSettings) and the tray's entry (not): the hook comes off, the
    // next poll arms it again when gestures are on.
    void ToggleActive(bool writeSettings);
    // The tutorial needs gestures on.
    void Activate();
    void EnableHook(bool on);
    bool AutoStarts() const;
    void ToggleAutoStart();

    // Writes every setting; the message for the user when the file could not be written.
    [[nodiscard]] std::optional<std::u16string> SaveSettings() const;
    // The same, telling the user of a failure.
    void SaveSettingsShowingFailure();

    Settings& settings() { return settings_; }
    const Settings& settings() const { return settings_; }
    SetDocument& document() { return document_; }
    MotionSet& motionSet() { return *motionSet_; }
    const std::u16string& AppFolder() const { return appFolder_; }
    const std::u16string& ExePath() const { return exePath_; } // AppFolder + ExeName
    bool GesturesActive() const { return settings_.active; }
    // The texts' language; the tray menu asks it too.
    Language CurrentLanguage() override { return settings_.language; }
    bool Capturing() const { return poller_ && poller_->Capturing(); }
    std::vector<std::u16string> RecentPrograms() const;
    const std::string& DiagnosticLog() const { return recognition_.diagnosticLog; }

private:
    // ---- CaptureOwner ----
    void GestureEnded(const MotionPath& normalised, WindowHandle target) override;
    void RecentProgramsChanged() override { view_.RecentProgramsChanged(); }
    void SetPadIdle() override { view_.SetPadIdle(); }

    // ---- TrayOwner ----
    void Settings1Click() override { view_.ShowSettingsWindow(); }
    void mnActiveClick() override { ToggleActive(false); } // the settings file is left alone
    void mnAutostartClick() override { ToggleAutoStart(); }
    void mnExitClick() override { view_.CloseProgram(); }
    bool IsActive() override { return settings_.active; }
    bool WillAutoStart() override;

    void ShowResult(const GestureReport& report, const MotionPath& normalised);

    EngineView& view_;
    std::u16string appFolder_;
    std::u16string exePath_;
    Settings settings_;
    std::unique_ptr<MotionSet> motionSet_;
    SetDocument document_;
    RecognitionState recognition_;
    GestureRecogniser recogniser_;
    OwnerCommands ownerCommands_;
    EngineServices services_;

    // Made by Start, over the platform.
    std::unique_ptr<GesturePoller> poller_;
    std::unique_ptr<ActionPlanExecutor> executor_;
    std::unique_ptr<ActionRunner> runner_;
};

} // namespace traxo
