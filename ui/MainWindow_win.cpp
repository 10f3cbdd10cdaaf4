#include "ui/MainWindow_win.h"

#include "app/ForceForeground_win.h"
#include "app/Startup.h"
#include "mousecore/HookCommon.h"
#include "platform/ProfileIni_win.h"
#include "platform/WideText_win.h"
#include "ui/ActionLists.h"
#include "ui/TaskDialog_win.h"

#include <commdlg.h>

#include <exception>
#include <string>

namespace traxo {
namespace {

constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kPollInterval = 100;
constexpr SIZE kClientSize{788, 526};
constexpr int kPadIdle = 4;

enum ControlId : WORD {
    kListBox1 = 100,
    kBtnDelete,
    kBtnSave,
    kBtnHide,
    kBtnExit,
};

} // namespace

TgestureConfigForm::TgestureConfigForm(std::u16string modulePath, HWND applicationWindow)
    : modulePath_(std::move(modulePath)),
      traxoMessage_(RegisterWindowMessageA(hook::kMessageName)),
      motionSet_(std::make_unique<MotionSet>()),
      document_(*motionSet_,
                [this](std::u16string_view label) {
                    SetWindowTextW(lblFile_, WideText(label).c_str());
                }),
      setCommands_(document_, *this) {
    CreateForm(kMainWindowClass, L"Traxo", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
               0, kClientSize, applicationWindow);
}

TgestureConfigForm::~TgestureConfigForm() = default;

LRESULT TgestureConfigForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        FormCreate();
        return 0;
    case WM_TIMER:
        if (wParam == kTimer1 && poller_) {
            poller_->Timer1Timer();
        }
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return 0;
    case WM_CLOSE:
        FormCloseQuery();
        return 0;
    case WM_DESTROY:
        FormDestroy();
        return 0;
    case ShowConfigMessage:
        Settings1Click();
        return 0;
    default:
        break;
    }
    const LRESULT result = DefaultHandling(message, wParam, lParam);
    if (message == traxoMessage_ && poller_) {
        poller_->HookNotify(wParam);
    }
    return result;
}

// ---- Life of the window ----

void TgestureConfigForm::FormCreate() {
    // The tray icon is made visible here once the notification area is built.
    if (HandOverToRunningInstance()) {
        return;
    }
    hookLibrary_ = std::make_unique<LoadedHookLibrary>();
    ResetFlags();
    UseThinBorder();
    AppFolder = AppFolderOf(modulePath_);
    ExeName = ExeNameOf(modulePath_);
    desktop_ = std::make_unique<WindowsCaptureDesktop>(hwnd(), kTimer1);
    trailScreen_ = std::make_unique<WindowsTrailScreen>();
    CreateControls();

    ProfileIni ini(PathOf(AppFolder) / PathOf(kSettingsFileName));
    settings_ = ReadSettings(ini, AppFolder);
    CaptureOwner& captureOwner = *this;
    poller_ = std::make_unique<GesturePoller>(settings_, *desktop_, *hookLibrary_, *trailScreen_,
                                              captureOwner, AppFolder + ExeName);
    CreateActionRunner();
    LoadCurrentSet();
    updateList();
    UpdateButtons();
    SetTimer(hwnd(), kTimer1, kPollInterval, nullptr);
}

void TgestureConfigForm::CreateActionRunner() {
    actionSystem_ = std::make_unique<WindowsActionSystem>(hwnd());
    ownerCommands_ = {[this] { btnActiveClick(); }, [this] { Settings1Click(); }};
    executor_ = std::make_unique<ActionPlanExecutor>(keyboard_, *actionSystem_, ownerCommands_);
    actionRunner_ = std::make_unique<ActionRunner>(MotionActionContext{
        *motionSet_, poller_->CurrentProgram(), AppFolder, [this] { return settings_.active; },
        recognition_, *actionSystem_, *executor_});
    recogniser_ = std::make_unique<GestureRecogniser>(actionRunner_.get());
}

// Looks for a running instance under a title it cannot have itself, so that this window is
// never mistaken for it; the synchronous send returns once the other one has shown itself.
bool TgestureConfigForm::HandOverToRunningInstance() {
    SetWindowTextW(hwnd(), L"Traxo*");
    const HWND running = FindWindowA("TgestureConfigForm", "Traxo");
    if (running != nullptr && running != hwnd()) {
        SendMessageA(running, ShowConfigMessage, 0, 0);
        anotherInstanceShown_ = true;
    }
    SetWindowTextW(hwnd(), L"Traxo");
    return anotherInstanceShown_;
}

void TgestureConfigForm::ResetFlags() {
    PadState = kPadIdle;
    document_.SelectMotion(-1);
}

// A thin border and no title bar; the frame change takes effect when the size changes.
void TgestureConfigForm::UseThinBorder() {
    LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE);
    style = (style & ~LONG_PTR(WS_CAPTION)) | WS_BORDER;
    SetWindowLongPtrW(hwnd(), GWL_STYLE, style);
    RECT frame{};
    GetWindowRect(hwnd(), &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(hwnd(), nullptr, 0, 0, width, height - 1, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(hwnd(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The motion list and the buttons this window has so far; the full window replaces them.
void TgestureConfigForm::CreateControls() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    font_ = CreateFontIndirectW(&metrics.lfMessageFont);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const auto control = [&](const wchar_t* kind, const wchar_t* text, DWORD style, RECT place,
                             WORD id) {
        const HWND created = CreateWindowExW(
            0, kind, text, WS_CHILD | WS_VISIBLE | style, place.left, place.top, place.right,
            place.bottom, hwnd(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), instance, nullptr);
        SendMessageW(created, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        return created;
    };
    lblFile_ = control(L"STATIC", L"no set loaded", SS_LEFTNOWORDWRAP, {64, 7, 660, 16}, 0);
    control(L"BUTTON", L"hide", BS_PUSHBUTTON, {736, 3, 48, 21}, kBtnHide);
    control(L"BUTTON", L"Save set", BS_PUSHBUTTON, {255, 40, 80, 30}, kBtnSave);
    control(L"BUTTON", L"Exit", BS_PUSHBUTTON, {542, 40, 61, 30}, kBtnExit);
    ListBox1_ = control(L"LISTBOX", L"", WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                        {5, 96, 296, 326}, kListBox1);
    control(L"BUTTON", L"Delete gesture", BS_PUSHBUTTON, {139, 428, 112, 26}, kBtnDelete);
}

void TgestureConfigForm::LoadCurrentSet() {
    if (!settings_.motions.empty()) {
        const std::filesystem::path file = PathOf(settings_.motions);
        try {
            document_.LoadSet(file);
        } catch (const std::exception&) {
            // A damaged or unreadable set leaves the empty one; the path stays for the user to see.
        }
    }
    ShowFileName(PathOf(settings_.motions));
    if (motionSet_->motionCount > 0) {
        document_.SelectMotion(0);
    }
}

void TgestureConfigForm::FormCloseQuery() {
    if (!setCommands_.ConfirmSaveChanges()) {
        return;
    }
    SaveSettingsShowingFailure();
    DestroyWindow(hwnd());
}

void TgestureConfigForm::FormDestroy() {
    KillTimer(hwnd(), kTimer1);
    if (poller_ && poller_->HookInstalled()) {
        hookLibrary_->UnHookMouse();
    }
    PostQuitMessage(0);
}

// ---- Handlers ----

bool TgestureConfigForm::FormKeyPress(const MSG& message) {
    const bool inThisWindow = message.hwnd == hwnd() || IsChild(hwnd(), message.hwnd);
    if (message.message != WM_CHAR || message.wParam != 27 || !inThisWindow) {
        return false;
    }
    btnHideClick();
    return true;
}

void TgestureConfigForm::Settings1Click() {
    if (!IsWindowVisible(hwnd())) {
        ShowWindow(hwnd(), SW_SHOW);
    }
    ForceForeground(hwnd());
}

void TgestureConfigForm::OnCommand(WORD controlId) {
    switch (controlId) {
    case kBtnDelete:
        btnDeleteClick();
        break;
    case kBtnSave:
        setCommands_.btnSaveClick();
        break;
    case kBtnHide:
        btnHideClick();
        break;
    case kBtnExit:
        PostMessageW(hwnd(), WM_CLOSE, 0, 0);
        break;
    default:
        break;
    }
}

void TgestureConfigForm::btnHideClick() {
    ShowWindow(hwnd(), SW_HIDE);
}

void TgestureConfigForm::btnDeleteClick() {
    const LRESULT selected = SendMessageW(ListBox1_, LB_GETCURSEL, 0, 0);
    document_.SelectMotion(selected == LB_ERR ? -1 : static_cast<int>(selected));
    document_.DeleteGesture();
    updateList();
}

void TgestureConfigForm::btnActiveClick() {
    if (poller_) {
        poller_->EnableHook(false);
    }
    settings_.active = !settings_.active;
    UpdateButtons();
    SaveSettingsShowingFailure();
}

void TgestureConfigForm::SaveSettingsShowingFailure() {
    ProfileIni ini(PathOf(AppFolder) / PathOf(kSettingsFileName));
    if (const std::optional<std::u16string> failure = traxo::SaveSettings(ini, settings_, AppFolder)) {
        MessageBoxW(hwnd(), WideText(*failure).c_str(), L"Traxo", MB_OK | MB_ICONERROR);
    }
}

void TgestureConfigForm::updateList() {
    const GestureList list = document_.updateList();
    SendMessageW(ListBox1_, LB_RESETCONTENT, 0, 0);
    for (std::size_t row = 0; row < list.entries.size(); ++row) {
        const std::wstring text = L"Gesture " + std::to_wstring(row + 1);
        SendMessageW(ListBox1_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageW(ListBox1_, LB_SETCURSEL, static_cast<WPARAM>(list.selected), 0);
}

// ---- CaptureOwner ----

int TgestureConfigForm::RecogniseGesture(const MotionPath& normalised, WindowHandle target) {
    return recogniser_->Recognise(RecogniserFromSetting(settings_.recogniser), normalised,
                                  *motionSet_, recognition_, true, target);
}

bool TgestureConfigForm::IsMainWindowVisible() {
    return IsWindowVisible(hwnd()) != FALSE;
}

// The recording pad and the result popup take their places in this window later; until then
// a recognised gesture shows nowhere but in what its action does.
void TgestureConfigForm::RedrawPad(const MotionPath&) {}
void TgestureConfigForm::ShowResultPopup(int, const MotionPath&) {}
void TgestureConfigForm::RecentProgramsChanged() {}

void TgestureConfigForm::SetPadIdle() {
    PadState = kPadIdle;
}

// ---- SetCommandsUi ----

SaveChangesAnswer TgestureConfigForm::AskSaveChanges() {
    TaskDialogContent dlgSaveChanges;
    dlgSaveChanges.title = u"Traxo";
    dlgSaveChanges.content = std::u16string(kSaveChangesQuestion);
    dlgSaveChanges.icon = TaskDialogIcon::Question;
    dlgSaveChanges.buttons = {u"Yes", u"No", u"Cancel"};
    return static_cast<SaveChangesAnswer>(ShowTaskDialog(hwnd(), dlgSaveChanges));
}

std::optional<std::filesystem::path> TgestureConfigForm::ChooseSaveFile() {
    wchar_t file[MAX_PATH] = L"";
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = hwnd();
    dialog.lpstrFilter = L"Motion Definitions (*.mtd)\0*.mtd\0All Files\0*.*\0";
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrDefExt = L"mtd";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
    if (!GetSaveFileNameW(&dialog)) {
        return std::nullopt;
    }
    return std::filesystem::path(file);
}

void TgestureConfigForm::ShowSaveFailed(const std::filesystem::path& file) {
    const std::wstring text = L"Unable to write to " + file.wstring();
    MessageBoxW(hwnd(), text.c_str(), L"Traxo", MB_OK | MB_ICONERROR);
}

void TgestureConfigForm::ShowFileName(const std::filesystem::path& file) {
    settings_.motions = Utf16Text(file.wstring());
    SetWindowTextW(lblFile_, file.wstring().c_str());
}

void TgestureConfigForm::UpdateButtons() {
    // The active toggle, the tray menu's check mark and the status label join this window later.
}

} // namespace traxo
