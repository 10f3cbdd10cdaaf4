// What the main window's buttons, menus and links do, the dialogs the set commands ask for, and
// the window's side of the recording pad.
#include "actions/ActionExecution_win.h"
#include "app/EngineTexts.h"
#include "app/ProductInfo.h"
#include "app/UpdateAddress.h"
#include "controls/HighContrast_win.h"
#include "platform/ProfileIni_win.h"
#include "platform/WideText_win.h"
#include "ui/kit/TaskDialog_win.h"
#include "ui/main/ActionDrop_win.h"
#include "ui/main/MainWindowContrast.h"
#include "ui/main/MainWindowIds_win.h"
#include "ui/main/MainWindow_win.h"

#include <commdlg.h>
#include <shellapi.h>
#include <windowsx.h>

namespace traxo {
namespace {

constexpr wchar_t kSetFilter[] = L"Motion Definitions (*.mtd)\0*.mtd\0All Files\0*.*\0";

std::optional<std::filesystem::path> ChooseSetFile(HWND owner, bool save) {
    wchar_t file[MAX_PATH] = L"";
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kSetFilter;
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrDefExt = L"mtd";
    dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NODEREFERENCELINKS |
                   (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    // The dialogs may change the current directory; relative program paths are read from there.
    wchar_t folder[MAX_PATH] = L"";
    GetCurrentDirectoryW(MAX_PATH, folder);
    const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    SetCurrentDirectoryW(folder);
    if (!chosen) {
        return std::nullopt;
    }
    return std::filesystem::path(file);
}

PadButton PadButtonOf(UINT message) {
    switch (message) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        return PadButton::Right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return PadButton::Middle;
    default:
        return PadButton::Left;
    }
}

} // namespace

void TgestureConfigForm::OnCommand(WORD controlId, WORD notification) {
    if (controlId == kListBox1Id && notification == LBN_SELCHANGE) {
        ListBox1Click();
    }
}

void TgestureConfigForm::btnHideClick() {
    ShowWindow(hwnd(), SW_HIDE);
}

void TgestureConfigForm::btnActiveClick() {
    engine_.ToggleActive(true);
}

// Whatever either view changed is written: the recent-programs switch acts at once, even on
// Cancel.
void TgestureConfigForm::btnOptionsClick() {
    if (dialogs_ == nullptr) {
        return;
    }
    ConnectOptions();
    dialogs_->Options().ShowModal(OptionsView::Options, hwnd());
    SaveSettingsShowingFailure();
}

void TgestureConfigForm::btnKnownAppsClick() {
    if (dialogs_ == nullptr) {
        return;
    }
    ConnectOptions();
    if (dialogs_->Options().ShowModal(OptionsView::KnownPrograms, hwnd())) {
        document_.MarkModified();
    }
    GetAppIcons();
    RepaintMotionList();
}

// The dialog edits this window's settings, set and program lists in place.
void TgestureConfigForm::ConnectOptions() {
    OptionsHost host;
    host.settings = &settings_;
    host.document = &document_;
    host.appFolder = engine_.AppFolder();
    host.recentPrograms = [this] { return engine_.RecentPrograms(); };
    host.willAutoStart = [this] { return engine_.AutoStarts(); };
    host.toggleAutoStart = [this] { engine_.ToggleAutoStart(); };
    host.enableHook = [this](bool on) { engine_.EnableHook(on); };
    host.afterOk = [this] {
        updateList();
        TranslateMe();
    };
    host.appIcons = imgApps_;
    // The check reports on its own, owned by the dialog, and the dialog keeps working meanwhile.
    host.checkForUpdates = [this] {
        if (updateChecker_) {
            updateChecker_->CheckNow(dialogs_->Options().hwnd());
        }
        return false;
    };
    dialogs_->Options().Connect(std::move(host));
}

void TgestureConfigForm::btnAssignClick() {
    TutorialEvent(u"btnAssign/click");
    const int selected = document_.selectedIndex();
    if (selected < 0 || dialogs_ == nullptr) {
        return;
    }
    TfrmAssign& frmAssign = dialogs_->Assign();
    frmAssign.onModified = [this] { document_.MarkModified(); };
    frmAssign.SetAppIcons(imgApps_);
    // The tutorial steps aside while the dialog opens and comes back over it, pointing at it.
    TfrmTutorial* const tutorial = dialogs_->MadeTutorial();
    const bool tutorialWasVisible = tutorial != nullptr && tutorial->Visible();
    bool tutorialShownAgain = false;
    if (tutorialWasVisible) {
        tutorial->FormClose();
        frmAssign.onShown = [tutorial, &tutorialShownAgain] {
            tutorialShownAgain = true;
            tutorial->FormShow();
        };
    }
    frmAssign.onActivated = [tutorial] {
        if (tutorial != nullptr) {
            tutorial->KeepOnTop();
        }
    };
    frmAssign.onOk = [this] { TutorialEvent(u"btnOK_/click"); };
    frmAssign.EditMotion(hwnd(), motionSet_, selected, settings_.language);
    frmAssign.onShown = nullptr;
    if (tutorialWasVisible && !tutorialShownAgain) {
        tutorial->FormShow(); // the dialog had nothing to show
    }
    HideActionPanel();
    RepaintMotionList();
}

// A file dropped on the action button becomes the selected motion's default action.
void TgestureConfigForm::ActionPanelDrop(HDROP drop) {
    const int selected = document_.selectedIndex();
    const DropDecision decision =
        comboActionsPanelDrop(hwnd(), drop, selected >= 0 && actionPanel_.visible,
                              engine_.AppFolder(), settings_.language);
    if (decision.outcome != DropOutcome::Assigned || selected < 0) {
        return;
    }
    motionSet_.motions[selected].defaultAction.Assign(decision.action);
    document_.MarkModified();
    HideActionPanel();
    RepaintMotionList();
    TutorialEvent(u"comboActions/select");
}

void TgestureConfigForm::ShowDialog(FormWindow* dialog) {
    if (dialog != nullptr && dialog->hwnd() != nullptr) {
        ShowWindow(dialog->hwnd(), SW_SHOW);
        SetForegroundWindow(dialog->hwnd());
    }
}

void TgestureConfigForm::btnHelpMouseDown() {
    const Rect button = ClientRectOf(MainControl::btnHelp);
    POINT at{button.left, button.bottom + scale_(30)};
    ClientToScreen(hwnd(), &at);
    const ScopedMenu PopupMenu2(CreatePopupMenu());
    AppendMenuW(PopupMenu2, MF_STRING, kMenuHelp,
                WideText(MainWindowText(MainText::HelpMenuHelp, settings_.language)).c_str());
    AppendMenuW(PopupMenu2, MF_STRING, kMenuDonate,
                WideText(MainWindowText(MainText::HelpMenuDonate, settings_.language)).c_str());
    AppendMenuW(PopupMenu2, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(PopupMenu2, MF_STRING, kMenuTutorial,
                WideText(MainWindowText(MainText::HelpMenuTutorial, settings_.language)).c_str());
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(
        PopupMenu2, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y, 0, hwnd(), nullptr));
    if (chosen == kMenuHelp) {
        OpenAddress(kHelpPageAddress);
    } else if (chosen == kMenuDonate) {
        OpenAddress(kDonationPageAddress); // mnDonateClick
    } else if (chosen == kMenuTutorial) {
        ShowTutorial(); // mnTutorialClick
    }
}

void TgestureConfigForm::lblVersionClick() {
    OpenAddress(kHomePageAddress);
}

void TgestureConfigForm::lblCopyrightClick() {
    if (dialogs_ == nullptr) {
        return;
    }
    TfrmAbout& frmAbout = dialogs_->About();
    frmAbout.SetAboutTitle(MainWindowText(MainText::AboutTitle, settings_.language));
    frmAbout.TranslateMe(settings_.language);
    frmAbout.ShowModal(hwnd());
}

// ---- Tray menu ----

void TgestureConfigForm::CloseProgram() {
    PostMessageW(hwnd(), WM_CLOSE, 0, 0);
}

void TgestureConfigForm::OpenAddress(std::u16string_view address) {
    if (const auto reason = OpenWithShellVerb(hwnd(), WideText(address), {}, {})) {
        const std::u16string text = CouldNotOpenText(address, *reason, settings_.language);
        MessageBoxW(hwnd(), WideText(text).c_str(), kProductTitle, MB_OK | MB_ICONERROR);
    }
}

void TgestureConfigForm::ShowTutorial() {
    Settings1Click(); // the tutorial talks about this window, and waits for drawings on its pad
    if (!settings_.active) {
        const Language language = settings_.language;
        TaskDialogContent dlgActivated;
        dlgActivated.title = MainWindowText(MainText::ActivatedTitle, language);
        dlgActivated.content = MainWindowText(MainText::ActivatedContent, language);
        dlgActivated.icon = TaskDialogIcon::Information;
        dlgActivated.buttons = {MainWindowText(MainText::AnswerOk, language)};
        ShowTaskDialog(hwnd(), dlgActivated);
        engine_.Activate();
    }
    if (dialogs_ != nullptr) {
        dialogs_->Tutorial().ShowTutorial();
    }
}

// At session end nothing may wait for the user: a failure goes to the debug output only.
void TgestureConfigForm::SaveSettingsLoggingFailure() {
    if (const std::optional<std::u16string> failure = engine_.SaveSettings()) {
        OutputDebugStringW((L"Traxo: " + WideText(*failure) + L"\n").c_str());
    }
}

// ---- SetCommandsUi ----

SaveChangesAnswer TgestureConfigForm::AskSaveChanges() {
    const Language language = settings_.language;
    TaskDialogContent dlgSaveChanges;
    dlgSaveChanges.title = MainWindowText(MainText::DialogTitle, language);
    dlgSaveChanges.content = MainWindowText(MainText::SaveQuestion, language);
    dlgSaveChanges.icon = TaskDialogIcon::Question;
    dlgSaveChanges.buttons = {MainWindowText(MainText::AnswerYes, language),
                              MainWindowText(MainText::AnswerNo, language),
                              MainWindowText(MainText::AnswerCancel, language)};
    return static_cast<SaveChangesAnswer>(ShowTaskDialog(hwnd(), dlgSaveChanges));
}

std::optional<std::filesystem::path> TgestureConfigForm::ChooseSaveFile() {
    return ChooseSetFile(hwnd(), true);
}

std::optional<std::filesystem::path> TgestureConfigForm::ChooseOpenFile() {
    return ChooseSetFile(hwnd(), false);
}

void TgestureConfigForm::ShowSaveFailed(const std::filesystem::path& file) {
    const std::u16string text =
        MainWindowText(MainText::SaveFailed, settings_.language) + Utf16Text(file.wstring());
    MessageBoxW(hwnd(), WideText(text).c_str(), kProductTitle, MB_OK | MB_ICONERROR);
}

void TgestureConfigForm::ShowLoadFailed(const std::filesystem::path& file) {
    MessageBoxW(hwnd(), WideText(LoadFailedMessage(file)).c_str(), kProductTitle,
                MB_OK | MB_ICONERROR);
}

void TgestureConfigForm::ShowFileName(const std::filesystem::path& file) {
    settings_.motions = Utf16Text(file.wstring());
    fileLabel_ = settings_.motions;
    InvalidateCaptionBar();
}

void TgestureConfigForm::FollowModifiedInCaption() {
    if (document_.IsModified() != captionShowsModified_) {
        InvalidateCaptionBar();
    }
}

void TgestureConfigForm::InvalidateCaptionBar() {
    const Rect bar = ClientRectOf(MainControl::panelCaptionBar);
    RECT area{bar.left, bar.top, bar.right, bar.bottom};
    InvalidateRect(hwnd(), &area, FALSE);
}

void TgestureConfigForm::Busy(bool busy) {
    busyDepth_ += busy ? 1 : -1;
    SetCursor(LoadCursorW(nullptr, busyDepth_ > 0 ? IDC_WAIT : IDC_ARROW));
}

void TgestureConfigForm::ClearPad() {
    pad_->ClearPad();
    PadChanged();
}

// ---- The recording pad ----

PaintCanvas& TgestureConfigForm::PadCanvas() {
    return *padCanvas_;
}

Size TgestureConfigForm::PadSize() {
    return {padBitmap_.Width(), padBitmap_.Height()};
}

void TgestureConfigForm::PadChanged() {
    InvalidateRect(image1_, nullptr, FALSE);
    AnnouncePadMessages();
}

namespace {

// The pad's picture in two colours: its white background in `colours.back`, every other pixel
// (the trail, the dots, the messages) in `colours.text`. A monochrome copy sorts the pixels.
void CopyInTwoColours(HDC target, const OffscreenBitmap& picture, ColourPair colours) {
    const int width = picture.Width();
    const int height = picture.Height();
    const ScopedBitmap mask(CreateBitmap(width, height, 1, 1, nullptr));
    const ScopedMemoryDc maskDc(CreateCompatibleDC(target));
    if (mask.get() == nullptr || maskDc.get() == nullptr) {
        picture.Copy(target, 0, 0);
        return;
    }
    const HGDIOBJ old = SelectObject(maskDc, mask);
    const COLORREF oldBack = SetBkColor(picture.Dc(), RGB(255, 255, 255));
    BitBlt(maskDc, 0, 0, width, height, picture.Dc(), 0, 0, SRCCOPY);
    SetBkColor(picture.Dc(), oldBack);
    SetTextColor(target, colours.text); // the mask's 0 bits
    SetBkColor(target, colours.back);   // its 1 bits
    BitBlt(target, 0, 0, width, height, maskDc, 0, 0, SRCCOPY);
    SelectObject(maskDc, old);
}

} // namespace

void TgestureConfigForm::PaintPad(HDC dc) {
    if (const SystemColours* highContrast = HighContrastColours()) {
        CopyInTwoColours(dc, padBitmap_, HighContrastPad(*highContrast));
        return;
    }
    padBitmap_.Copy(dc, 0, 0);
}

void TgestureConfigForm::PadMouse(UINT message, WPARAM, LPARAM lParam) {
    const Point at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        SetCapture(image1_);
        pad_->Image1MouseDown(PadButtonOf(message), at);
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        // The release is handled while the pad still holds the mouse, so that giving it back
        // is not taken for a lost capture.
        pad_->Image1MouseUp(PadButtonOf(message), at);
        ReleaseCapture();
        break;
    default:
        pad_->Image1MouseMove(at);
        break;
    }
}

void TgestureConfigForm::PadCaptureLost() {
    pad_->Image1CaptureLost();
    UpdateButtons();
}

void TgestureConfigForm::SetRecordButtonVisible(bool visible) {
    buttons_.at(MainControl::btnRecord)->SetVisible(visible);
}

void TgestureConfigForm::ShowSetFullMessage(std::u16string_view text) {
    MessageBoxW(hwnd(), WideText(text).c_str(), kProductTitle, MB_OK | MB_ICONERROR);
}

void TgestureConfigForm::ProcessPendingMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void TgestureConfigForm::SetReminderTimer(bool enabled) {
    if (enabled) {
        SetTimer(hwnd(), kReminderTimer, kReminderIntervalMs, nullptr);
    } else {
        KillTimer(hwnd(), kReminderTimer);
    }
}

} // namespace traxo
