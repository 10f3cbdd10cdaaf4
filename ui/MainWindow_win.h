#pragma once
// TgestureConfigForm, the main window. It owns the program's central state for its whole life:
// the settings, the one gesture set, the recogniser and the action runner, the hook library and
// the poll. It is created first and hidden; a second start of the program only shows it.

#include "actions/ActionExecution_win.h"
#include "capture/CaptureDesktop_win.h"
#include "capture/GesturePoller.h"
#include "capture/HookLibrary_win.h"
#include "capture/TrailScreen_win.h"
#include "platform/Keyboard_win.h"
#include "app/Settings.h"
#include "recognition/GestureRecogniser.h"
#include "sets/SetDocument.h"
#include "ui/FormWindow_win.h"
#include "ui/SetCommands.h"

#include <memory>
#include <string>

namespace traxo {

// Sent by a second start of the program to the running one.
inline constexpr UINT ShowConfigMessage = 0x3E71;
inline constexpr wchar_t kMainWindowClass[] = L"TgestureConfigForm";

class TgestureConfigForm final : public FormWindow, private CaptureOwner, private SetCommandsUi {
public:
    // Creates the window, which runs FormCreate. modulePath is the executable's full path.
    TgestureConfigForm(std::u16string modulePath, HWND applicationWindow);
    ~TgestureConfigForm() override;

    // A running instance was found and told to show itself: this one must end at once.
    bool AnotherInstanceShown() const { return anotherInstanceShown_; }

    // Escape anywhere in the window hides it, whichever control has the focus.
    bool FormKeyPress(const MSG& message);

    void Settings1Click();

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // ---- Life of the window ----
    void FormCreate();
    bool HandOverToRunningInstance();
    void CreateActionRunner();
    void ResetFlags();
    void UseThinBorder();
    void CreateControls();
    void LoadCurrentSet();
    void FormCloseQuery();
    void FormDestroy();

    // ---- Handlers ----
    void OnCommand(WORD controlId);
    void btnHideClick();
    void btnDeleteClick();
    void btnActiveClick();
    void SaveSettingsShowingFailure();
    void updateList();

    // ---- CaptureOwner ----
    int RecogniseGesture(const MotionPath& normalised, WindowHandle target) override;
    std::u16string_view ActionText() const override { return recognition_.actionText; }
    bool IsMainWindowVisible() override;
    void RedrawPad(const MotionPath& normalised) override;
    void ShowResultPopup(int result, const MotionPath& normalised) override;
    void RecentProgramsChanged() override;
    void SetPadIdle() override;

    // ---- SetCommandsUi ----
    SaveChangesAnswer AskSaveChanges() override;
    std::optional<std::filesystem::path> ChooseSaveFile() override;
    void ShowSaveFailed(const std::filesystem::path& file) override;
    void ShowFileName(const std::filesystem::path& file) override;
    void UpdateButtons() override;
    void SaveSettings() override { SaveSettingsShowingFailure(); }

    std::u16string modulePath_;
    std::u16string AppFolder;
    std::u16string ExeName;
    bool anotherInstanceShown_ = false;
    UINT traxoMessage_;

    Settings settings_;
    std::unique_ptr<MotionSet> motionSet_;
    SetDocument document_;
    SetCommands setCommands_;
    RecognitionState recognition_;

    // Made by FormCreate, in this order, once the instance knows it is the only one.
    std::unique_ptr<LoadedHookLibrary> hookLibrary_;
    WindowsKeyboard keyboard_;
    std::unique_ptr<WindowsActionSystem> actionSystem_;
    OwnerCommands ownerCommands_;
    std::unique_ptr<ActionPlanExecutor> executor_;
    std::unique_ptr<ActionRunner> actionRunner_;
    std::unique_ptr<GestureRecogniser> recogniser_;
    std::unique_ptr<WindowsCaptureDesktop> desktop_;
    std::unique_ptr<WindowsTrailScreen> trailScreen_;
    std::unique_ptr<GesturePoller> poller_;

    int PadState = 4; // padIdle

    HWND lblFile_ = nullptr;
    HWND ListBox1_ = nullptr;
    HFONT font_ = nullptr;
};

} // namespace traxo
