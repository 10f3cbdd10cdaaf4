#pragma once
// TgestureConfigForm, the main window: a view of the gesture engine (app/GestureEngine), which
// owns the settings, the gesture set, the poll, the recognisers and the action runner. The
// window makes the engine and its Windows parts, forwards the poll's timer and the hook
// library's message to it, and shows what it is told. It is created first and hidden; a second
// start of the program only shows it. Its layout, row drawing and button decisions live in
// portable units (MainWindowLayout, MotionListPainter, MainButtons, SetCommands); these files
// only carry them out. Split by concern: MainWindow_win.cpp (life, messages, caption bar,
// painting), MainWindowControls_win.cpp (controls from the layout, UpdateButtons, icons),
// MotionList_win.cpp (the list and the action button), MainWindowCommands_win.cpp (commands,
// dialogs, the pad's owner).

// <windows.h> names DrawText a macro; the paint canvas's DrawText must keep its own name in every
// unit that includes this header, whatever it included before.
#include <windows.h>
#ifdef DrawText
#undef DrawText
#endif

#include "app/GestureEngine.h"
#include "app/GestureEnginePlatform_win.h"
#include "app/ProductInfo.h"
#include "app/TrayIcon_win.h"
#include "controls/DynamicButton_win.h"
#include "controls/DynamicFrame_win.h"
#include "controls/DynamicLabel_win.h"
#include "controls/DynamicOpaqueButton_win.h"
#include "platform/GdiPaintCanvas_win.h"
#include "platform/Language.h"
#include "platform/OffscreenBitmap_win.h"
#include "platform/ProductIdentity.h"
#include "platform/Registry_win.h"
#include "platform/ScopedWin_win.h"
#include "recognition/RecordingPad.h"
#include "ui/editors/Assign_win.h"
#include "ui/kit/FormWindow_win.h"
#include "ui/main/AutostartControl_win.h"
#include "ui/main/MainDialogs_win.h"
#include "ui/main/MainKeyMap.h"
#include "ui/main/MainWindowLayout.h"
#include "ui/main/MotionListPainter.h"
#include "ui/main/ResultPopup_win.h"
#include "ui/main/SetCommands.h"
#include "ui/options/Options_win.h"
#include "ui/tutorial/Tutorial_win.h"
#include "ui/update/About_win.h"
#include "ui/update/UpdateCheck_win.h"

#include <commctrl.h>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace traxo {

// Sent by a second start of the program to the running one.
inline constexpr UINT ShowConfigMessage = 0x3E71;
// Posted to itself to report a set that did not load at start once the window runs.
inline constexpr UINT ShowLoadFailureMessage = WM_APP + 1;
inline constexpr wchar_t kMainWindowClass[] = L"" TRAXO_MAIN_WINDOW_CLASS;

class TgestureConfigForm final : public FormWindow,
                                 private EngineView,
                                 private SetCommandsUi,
                                 private PadOwner {
public:
    // Creates the window, which runs FormCreate. modulePath is the executable's full path;
    // hookLibraryFile the full path of the hook library to load (empty: gestures are off).
    TgestureConfigForm(std::u16string modulePath, HWND applicationWindow,
                       std::filesystem::path hookLibraryFile = {});
    ~TgestureConfigForm() override;

    // The hook library was loaded: gestures can be captured.
    bool GesturesAvailable() const { return platform_ && platform_->GesturesAvailable(); }

    // The window's keyboard (MainKeyMap), whichever control has the focus: the shortcuts, Tab
    // and Shift+Tab, the access keys and the gesture list's keys. True when the key was used.
    bool FormKeyPress(const MSG& message);

    void Settings1Click();
    void UseDialogs(MainDialogs& dialogs) {
        dialogs_ = &dialogs;
        dialogs.onTutorialMade = [this](TfrmTutorial& tutorial) { ConnectTutorial(tutorial); };
    }
    void ShowTutorial();
    // The first start's welcome (MainWindowFirstRun_win.cpp); nothing once it has been answered.
    void FirstRunPrompt();

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // ---- Life of the window (MainWindow_win.cpp) ----
    void FormCreate();
    void CreateServices();
    void ResetFlags();
    void UseThinBorder();
    void LoadCurrentSet();
    void FormCloseQuery();
    void FormDestroy();
    void FollowShowing(bool shown);
    bool QueryEndSession(bool critical);
    void EndSession();
    void ShowLoadFailure();
    void OnPaint();
    void PaintBackground(PaintCanvas& canvas, Rect area);
    void PaintLabels(GdiPaintCanvas& canvas);
    void OnMouse(UINT message, Point at);
    bool OnSetCursor();
    void Shape1MouseDown();
    void Shape1MouseMove();
    void Shape1MouseUp();

    // ---- The keyboard (MainWindowKeys_win.cpp) ----
    bool RunKeyCommand(MainKeyCommand command);
    void MoveFocus(bool backwards);
    bool PressAccessKey(char16_t letter);
    // The control of the table whose window is `window`, None for any other.
    MainControl ControlOfWindow(HWND window) const;
    HWND WindowOfControl(MainControl control) const;
    // The window gives the focus back to the control that had it when it was last deactivated.
    LRESULT FollowActivation(WPARAM wParam, LPARAM lParam);
    void ShowKeyboardCues(WORD cues);
    void FollowAltKey(UINT message);
    HWND TutorialShown() const; // the tutorial's window while it shows, else null
    void FocusTutorial();
    bool TutorialKeyPress(MSG message);

    // ---- A monitor of another DPI (MainWindowDpi_win.cpp) ----
    void FollowDpi(int newDpi, LPARAM suggested);
    // The animated control made for a row of the table, or null.
    DynamicControl* AnimatedControl(MainControl id) const;

    // ---- Controls (MainWindowControls_win.cpp) ----
    void CreateControls();
    void CreatePad();
    void AcceptDropsOnActionButton();
    void CreateActionTooltip();
    void UpdateActionTooltip(int motion);
    void BindControlEvents();
    void TranslateMe();
    // The known programs' icons for the list; while the window is hidden they wait for its
    // showing (the shell is asked for each program's icon).
    void GetAppIcons() override;
    void FillAppIcons();
    void btnActiveCustomTextRender(PaintCanvas& canvas, int x, int y, std::u16string_view text);
    Size btnActiveCustomTextExtent(PaintCanvas& canvas, std::u16string_view text);
    Rect ClientRectOf(MainControl id) const;

    // ---- Motion list (MotionList_win.cpp) ----
    void CreateMotionList();
    void MeasureItem(MEASUREITEMSTRUCT& item) const;
    void ListBox1DrawItem(const DRAWITEMSTRUCT& item);
    void ListBox1Click();
    // Refills the list from the set; while the window is hidden the rows wait for its showing
    // (adding them costs a tenth of the start-up under Wine).
    void updateList();
    void FillList();
    void HideActionPanel();
    void PlaceActionPanel(int selected, Rect selectedRow);
    void ClipActionButton(HWND button, Rect shown, Size panelSize);
    void FollowListScroll();
    static LRESULT CALLBACK FollowScrolls(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR, DWORD_PTR form);

    // ---- Commands (MainWindowCommands_win.cpp) ----
    void OnCommand(WORD controlId, WORD notification);
    void btnHideClick();
    void btnActiveClick();
    void btnOptionsClick();
    void ConnectOptions();
    void btnKnownAppsClick();
    void btnHelpMouseDown();
    void btnAssignClick();
    void lblVersionClick();
    void lblCopyrightClick();
    void OpenAddress(std::u16string_view address);
    void SaveSettingsLoggingFailure();
    void SaveSettingsShowingFailure() { engine_.SaveSettingsShowingFailure(); }
    void ShowDialog(FormWindow* dialog);
    void ConnectTutorial(TfrmTutorial& tutorial);
    // The screen position of the centre of a control the tutorial names: the main window's,
    // then the assign dialog's list.
    std::optional<Point> ScreenCentreOfControl(std::u16string_view name);
    void ActionPanelDrop(HDROP drop);
    void PadMouse(UINT message, WPARAM wParam, LPARAM lParam);
    void PadCaptureLost();
    std::u16string FileCaption(); // the file label as painted; notes whether it shows the "*"
    void FollowModifiedInCaption();
    void InvalidateCaptionBar();
    void PaintPad(HDC dc);

    // ---- EngineView ----
    bool IsShown() override;
    void ShowScreenGesture(const MotionPath& normalised) override;
    void ShowResultPopup(const PopupContent& content) override;
    void ScreenGestureHandled() override;
    void SetPadIdle() override;
    void ShowSettingsWindow() override { Settings1Click(); }
    void CloseProgram() override;
    void ShowFileLabel(std::u16string_view label) override;
    void ShowError(std::u16string_view text) override;

    // ---- SetCommandsUi ----
    SaveChangesAnswer AskSaveChanges() override;
    std::optional<std::filesystem::path> ChooseSaveFile() override;
    std::optional<std::filesystem::path> ChooseOpenFile() override;
    void ShowSaveFailed(const std::filesystem::path& file) override;
    void ShowLoadFailed(const std::filesystem::path& file) override;
    void ShowFileName(const std::filesystem::path& file) override;
    void UpdateButtons() override;
    void SaveSettings() override { engine_.SaveSettingsShowingFailure(); }
    void Busy(bool busy) override;
    void ClearPad() override;
    void StartPadReminder() override { SetReminderTimer(true); }
    void RefreshList() override { updateList(); }
    void ShowSelectedMotion() override { ListBox1Click(); }

    // ---- PadOwner ----
    PaintCanvas& PadCanvas() override;
    Size PadSize() override;
    void PadChanged() override;
    void SelectAndFocusMotion(int index) override;
    void RepaintMotionList() override;
    void MotionListClick() override { ListBox1Click(); }
    void SetRecordButtonVisible(bool visible) override;
    void ShowSetFullMessage(std::u16string_view text) override;
    void TutorialEvent(std::u16string_view event) override;
    void ProcessPendingMessages() override;
    void SetReminderTimer(bool enabled) override;
    bool CapturingOnScreen() override { return engine_.Capturing(); }
    int RecogniseWithoutAction(const MotionPath& normalised) override {
        return engine_.RecogniseWithoutAction(normalised);
    }
    Language CurrentLanguage() override { return engine_.CurrentLanguage(); }
    DpiScale PadScale() override { return scale_; }

    std::filesystem::path hookLibraryFile_;
    bool firstRunShowing_ = false;
    bool closeAfterFirstRun_ = false; // a close asked for while the welcome was showing
    UINT traxoMessage_;
    MainDialogs* dialogs_ = nullptr; // none in tests that make the window alone

    GestureEngine engine_;
    Settings& settings_;    // the engine's
    SetDocument& document_; // the engine's
    MotionSet& motionSet_;  // the engine's
    SetCommands setCommands_;

    // Made by FormCreate, in this order.
    std::unique_ptr<WindowsEnginePlatform> platform_;
    std::unique_ptr<RecordingPad> pad_;
    std::unique_ptr<TfrmInfo> frmInfo_;
    RunKeyRegistry runKey_;
    std::unique_ptr<AutostartControl> autostart_;
    std::unique_ptr<TrayIcon> tray_;
    std::unique_ptr<UpdateChecker> updateChecker_;

    // ---- What the window shows ----
    DpiScale scale_;
    std::vector<PlacedMainControl> layout_;
    std::u16string fileLabel_;
    bool captionShowsModified_ = false; // whether the painted file label carries the "*"

    GdiObjectCache objects_;
    OffscreenBitmap frame_; // the window's own painting, copied in one block
    std::map<MainControl, std::unique_ptr<TDynamicOpaqueButton>> buttons_;
    std::map<MainControl, std::unique_ptr<TDynamicLabel>> tabs_;
    std::unique_ptr<TDynamicFrame> frame1_;
    std::unique_ptr<TDynamicFrame> frame2_;
    std::optional<std::u16string> loadFailure_; // shown once by ShowLoadFailureMessage
    HWND ListBox1_ = nullptr;
    HWND actionTooltip_ =
        nullptr; // the action button's whole action; owned, so it goes with the window
    HWND image1_ = nullptr;
    std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)> padHandler_;
    MotionListFonts listFonts_;
    ActionPanel actionPanel_;
    ScopedImageList imgApps_;
    ScopedIcon blankIcon_;
    bool appIconsWaiting_ = false; // asked for while the window was hidden
    bool listWaiting_ = false;
    OffscreenBitmap rowBitmap_; // one list row at a time
    OffscreenBitmap padBitmap_;
    std::unique_ptr<GdiPaintCanvas> padCanvas_;
    GdiObjectCache padObjects_;
    MainControl hoverLabel_ = MainControl::None;
    bool dragging_ = false;
    POINT dragCursor_{};
    RECT dragWindow_{};
    int busyDepth_ = 0;
    HWND focusBeforeDeactivation_ = nullptr;

    // ---- Screen readers (MainWindowAccessible_win.cpp) ----
    // Last, so that they disconnect first: their providers read the members above.
    void MakeAccessible();
    void MakeClientAccessible();
    void MakeListAccessible();
    void MakePadAccessible();
    // Raises the alert for a message the pad newly shows.
    void AnnouncePadMessages();
    AccessibleHost clientAccessible_; // the window's own: the frames beside its child windows
    AccessibleHost listAccessible_;
    AccessibleHost padAccessible_;
    std::vector<std::u16string> padMessagesSaid_;
};

} // namespace traxo
