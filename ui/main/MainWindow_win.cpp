#include "ui/main/MainWindow_win.h"

#include "actions/ActionLists.h"
#include "app/ForceForeground_win.h"
#include "app/SetLoading.h"
#include "app/Startup.h"
#include "app/UpdateAddress.h"
#include "controls/HighContrast_win.h"
#include "mousecore/HookCommon.h"
#include "platform/Dpi_win.h"
#include "platform/ProfileIni_win.h"
#include "platform/WideText_win.h"
#include "ui/kit/Pictures.h"
#include "ui/kit/TaskDialog_win.h"
#include "ui/main/MainWindowContrast.h"
#include "ui/main/MainWindowIds_win.h"

#include <algorithm>
#include <exception>
#include <string>
#include <windowsx.h>

namespace traxo {

TgestureConfigForm::TgestureConfigForm(std::u16string modulePath, HWND applicationWindow,
                                       std::filesystem::path hookLibraryFile)
    : hookLibraryFile_(std::move(hookLibraryFile)),
      traxoMessage_(RegisterWindowMessageA(hook::kMessageName)), engine_(modulePath, *this),
      settings_(engine_.settings()), document_(engine_.document()), motionSet_(engine_.motionSet()),
      setCommands_(document_, *this) {
    scale_ = DpiScale{ScreenDpi()}; // made on the primary monitor; WM_DPICHANGED follows moves
    const Size client{scale_(kMainClientSize.width), scale_(kMainClientSize.height)};
    // CS_DBLCLKS: a double click on the caption icon hides the window.
    CreateForm(kMainWindowClass, kProductTitle,
               WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 0,
               SIZE{client.width, client.height}, applicationWindow, CS_DBLCLKS);
}

TgestureConfigForm::~TgestureConfigForm() = default;

LRESULT TgestureConfigForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT trayResult = 0;
    if (tray_ && tray_->HandleMessage(message, wParam, lParam, trayResult)) {
        return trayResult;
    }
    if (autostart_ && autostart_->HandleMessage(message, wParam)) {
        return 0;
    }
    switch (message) {
    case WM_CREATE:
        FormCreate();
        return 0;
    case WM_TIMER:
        if (wParam == kTimer1) {
            engine_.Timer1Timer();
        } else if (wParam == kReminderTimer && pad_) {
            pad_->ReminderTimerTimer();
        }
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_MEASUREITEM:
        MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_DRAWITEM:
        ListBox1DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_GETOBJECT:
        if (const LRESULT object = clientAccessible_.Answer(hwnd(), wParam, lParam); object != 0) {
            return object;
        }
        break;
    case WM_ERASEBKGND:
        return 1; // WM_PAINT covers everything
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
        OnMouse(message, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_MOUSELEAVE:
        OnMouse(message, {-1, -1});
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && reinterpret_cast<HWND>(wParam) == hwnd() &&
            OnSetCursor()) {
            return TRUE;
        }
        break;
    case WM_SHOWWINDOW:
        FollowShowing(wParam != FALSE);
        break;
    case WM_ACTIVATE:
        return FollowActivation(wParam, lParam);
    case WM_DROPFILES:
        ActionPanelDrop(reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
        FollowSystemColours();
        break;
    case WM_DPICHANGED:
        FollowDpi(DpiOfChangedMessage(wParam), lParam);
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
    case WM_QUERYENDSESSION:
        return QueryEndSession((lParam & ENDSESSION_CRITICAL) != 0) ? TRUE : FALSE;
    case WM_ENDSESSION:
        if (wParam != FALSE) {
            EndSession();
        }
        return 0;
    case ShowLoadFailureMessage:
        ShowLoadFailure();
        return 0;
    default:
        break;
    }
    const LRESULT result = DefaultHandling(message, wParam, lParam);
    if (message == traxoMessage_) {
        engine_.HookNotify(wParam);
    }
    return result;
}

void TgestureConfigForm::FollowShowing(bool shown) {
    if (!shown) {
        // A hidden window paints nothing: its whole-frame and row bitmaps wait for the next
        // showing. The pad's bitmap stays: it holds the drawing.
        frame_.Release();
        rowBitmap_.Release();
        return;
    }
    // Focus cues and access keys show as the input that showed the window decides: hidden after
    // the mouse until the keyboard is used.
    SendMessageW(hwnd(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, 0), 0);
    if (appIconsWaiting_) {
        FillAppIcons();
    }
    if (listWaiting_) {
        FillList();
    }
}

// Log-off or shutdown: a modified set is asked about as closing does; one that cannot wait gets a
// recovery copy instead of a question.
bool TgestureConfigForm::QueryEndSession(bool critical) {
    return setCommands_.ConfirmSessionEnd(critical, PathOf(engine_.AppFolder()));
}

void TgestureConfigForm::EndSession() {
    SaveSettingsLoggingFailure();
    if (tray_) {
        tray_->Hide();
    }
}

void TgestureConfigForm::ShowLoadFailure() {
    if (loadFailure_) {
        const std::wstring text = WideText(*loadFailure_);
        loadFailure_.reset();
        MessageBoxW(hwnd(), text.c_str(), kProductTitle, MB_OK | MB_ICONERROR);
    }
}

// ---- Life of the window ----

void TgestureConfigForm::FormCreate() {
    tray_ = std::make_unique<TrayIcon>(hwnd(), LoadIconW(GetModuleHandleW(nullptr), L"MAINICON"),
                                       engine_.TrayCommands());
    tray_->ShowAtStart();
    platform_ = std::make_unique<WindowsEnginePlatform>(hwnd(), kTimer1, hookLibraryFile_);
    pad_ = std::make_unique<RecordingPad>(document_, static_cast<PadOwner&>(*this));
    ResetFlags();
    UseThinBorder();
    CreateControls();

    ProfileIni ini(PathOf(engine_.AppFolder()) / PathOf(kSettingsFileName));
    engine_.ReadSettings(ini);
    engine_.Start(platform_->Parts());
    LoadCurrentSet();
    TranslateMe();
    updateList();
    UpdateButtons();
    SetTimer(hwnd(), kTimer1, kPollInterval, nullptr);
    CreateServices();
}

// The autostart check and the automatic update check; the engine starts them.
void TgestureConfigForm::CreateServices() {
    autostart_ = std::make_unique<AutostartControl>(hwnd(), runKey_, engine_.ExePath(),
                                                    [this] { return settings_.language; });
    UpdateChecker::Setup setup;
    setup.address =
        UpdateAddress(ProfileIni(PathOf(engine_.AppFolder()) / PathOf(kSettingsFileName)));
    setup.localCopy = PathOf(engine_.AppFolder()) / PathOf(u"updates.ini");
    setup.owner = hwnd();
    setup.language = [this] { return settings_.language; };
    setup.firstRunPromptShowing = [this] { return firstRunShowing_; };
    updateChecker_ = std::make_unique<UpdateChecker>(std::move(setup));
    engine_.StartServices({tray_.get(), autostart_.get(), updateChecker_.get()});
}

void TgestureConfigForm::ResetFlags() {
    dragging_ = false;
    document_.SelectMotion(-1);
}

// A thin border and no title bar. The client area is then made the layout's size again: the
// frame change takes effect with the size change.
void TgestureConfigForm::UseThinBorder() {
    LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE);
    style = (style & ~LONG_PTR(WS_CAPTION)) | WS_BORDER;
    SetWindowLongPtrW(hwnd(), GWL_STYLE, style);
    RECT frame{0, 0, scale_(kMainClientSize.width), scale_(kMainClientSize.height)};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(style), FALSE, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(hwnd(), nullptr, 0, 0, width, height - 1,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(hwnd(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// A set that cannot be loaded at start leaves the empty one; the path stays for the user to see.
void TgestureConfigForm::LoadCurrentSet() {
    Busy(true);
    const SetLoadReport report = engine_.LoadSetAtStart();
    Busy(false);
    if (report.failure) {
        // Reported once the window runs.
        loadFailure_ = report.failure;
        PostMessageW(hwnd(), ShowLoadFailureMessage, 0, 0);
    }
    fileLabel_ = report.fileLabel;
    GetAppIcons();
}

void TgestureConfigForm::FormCloseQuery() {
    // The welcome's dialogs run on this window: it closes once they are answered.
    if (firstRunShowing_) {
        closeAfterFirstRun_ = true;
        return;
    }
    if (!setCommands_.ConfirmSaveChanges()) {
        return;
    }
    SaveSettingsShowingFailure();
    DestroyWindow(hwnd());
}

void TgestureConfigForm::FormDestroy() {
    tray_.reset(); // the icon leaves the notification area with the window
    KillTimer(hwnd(), kTimer1);
    KillTimer(hwnd(), kReminderTimer);
    engine_.Shutdown();
    PostQuitMessage(0);
}

void TgestureConfigForm::Settings1Click() {
    if (!IsWindowVisible(hwnd())) {
        ShowWindow(hwnd(), SW_SHOW);
    }
    ForceForeground(hwnd());
    SetReminderTimer(true);
}

// ---- Painting: the panels, the caption bar, the banner, the labels and the frames ----

void TgestureConfigForm::PaintBackground(PaintCanvas& canvas, Rect area) {
    const SystemColours* highContrast = HighContrastColours();
    canvas.PushClip(area);
    for (const PlacedMainControl& control : layout_) {
        if ((control.kind == ControlKind::Panel || control.kind == ControlKind::Shape) &&
            control.background != kColourNone && control.id != MainControl::comboActionsPanel) {
            canvas.FillRect(control.client, highContrast
                                                ? HighContrastPanel(control.id, *highContrast).back
                                                : control.background);
        } else if (control.id == MainControl::Image2 && highContrast == nullptr) {
            // The banner is a decoration: high contrast leaves the toolbar plain.
            canvas.DrawPicture({kPictureBanner, {scale_(kBannerWidth), scale_(kBannerHeight)}},
                               {control.client.left, control.client.top}, false);
        }
    }
    canvas.PopClip();
}

std::u16string TgestureConfigForm::FileCaption() {
    captionShowsModified_ = document_.IsModified();
    return FileLabelCaption(fileLabel_, !document_.currentFileName().empty(),
                            captionShowsModified_);
}

void TgestureConfigForm::PaintLabels(GdiPaintCanvas& canvas) {
    for (const PlacedMainControl& control : layout_) {
        if (control.kind != ControlKind::Label || !control.look) {
            continue;
        }
        const bool hover = hoverLabel_ == control.id;
        FontSpec font = control.look->Font;
        if (control.id == MainControl::lblVersion || control.id == MainControl::lblCopyright) {
            font = LabelFont(control.id, hover, scale_);
        }
        const SystemColours* highContrast = HighContrastColours();
        canvas.SetFont(font, highContrast && control.parent
                                 ? HighContrastPanel(*control.parent, *highContrast).text
                                 : control.look->FontColour);
        const std::u16string text =
            control.id == MainControl::lblFile ? FileCaption() : control.text;
        Rect box = control.client;
        // A path too long for the caption bar shows its end: the file name and the mark of
        // unsaved changes after it.
        const bool endFirst = control.id == MainControl::lblFile &&
                              canvas.MeasureText(text).width > box.right - box.left;
        if (control.look->Alignment == taRightJustify || endFirst) {
            box.left = box.right - canvas.MeasureText(text).width;
            if (!endFirst) {
                box.left = std::max(box.left, control.client.left);
            }
        }
        canvas.PushClip(control.client);
        canvas.DrawTextClipped(box, text);
        canvas.PopClip();
    }
    const Rect icon = Find(layout_, MainControl::Image3).client;
    if (HICON programIcon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"MAINICON",
                                                          IMAGE_ICON, icon.right - icon.left,
                                                          icon.bottom - icon.top, LR_SHARED))) {
        DrawIconEx(canvas.Dc(), icon.left, icon.top, programIcon, icon.right - icon.left,
                   icon.bottom - icon.top, 0, nullptr, DI_NORMAL);
    }
}

void TgestureConfigForm::OnPaint() {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(hwnd(), &paint);
    RECT client{};
    GetClientRect(hwnd(), &client);
    if (frame_.Resize(client.right, client.bottom)) {
        {
            GdiPaintCanvas canvas(frame_.Dc(), &objects_);
            PaintBackground(canvas, {0, 0, client.right, client.bottom});
            PaintLabels(canvas);
            if (frame1_) {
                frame1_->Paint(canvas);
                frame2_->Paint(canvas);
            }
        }
        frame_.Copy(dc, 0, 0);
    }
    EndPaint(hwnd(), &paint);
}

// ---- The caption bar and the two links ----

namespace {

bool Contains(Rect rect, Point at) {
    return at.x >= rect.left && at.x < rect.right && at.y >= rect.top && at.y < rect.bottom;
}

} // namespace

void TgestureConfigForm::OnMouse(UINT message, Point at) {
    if (layout_.empty()) {
        return;
    }
    if (frame1_) {
        // The frames hear of the mouse only through their parent.
        frame1_->ForwardMouse(message, 0, MAKELPARAM(at.x, at.y));
    }
    const bool onCaptionBar = Contains(Find(layout_, MainControl::panelCaptionBar).client, at);
    const bool onIcon = Contains(Find(layout_, MainControl::Image3).client, at);
    switch (message) {
    case WM_LBUTTONDBLCLK:
        if (onIcon) {
            btnHideClick(); // Image3DblClick
            return;
        }
        [[fallthrough]]; // elsewhere the second press of a double click is a press like any
    case WM_LBUTTONDOWN:
        if (onCaptionBar && !onIcon) {
            Shape1MouseDown();
        } else if (hoverLabel_ == MainControl::lblVersion) {
            lblVersionClick();
        } else if (hoverLabel_ == MainControl::lblCopyright) {
            lblCopyrightClick();
        }
        return;
    case WM_LBUTTONUP:
        Shape1MouseUp();
        return;
    case WM_MOUSEMOVE:
        if (dragging_) {
            Shape1MouseMove();
            return;
        }
        break;
    default:
        break;
    }
    MainControl hover = MainControl::None;
    for (const MainControl link : {MainControl::lblVersion, MainControl::lblCopyright}) {
        if (message == WM_MOUSEMOVE && Contains(Find(layout_, link).client, at)) {
            hover = link;
        }
    }
    if (hover != hoverLabel_) {
        hoverLabel_ = hover;
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd(), 0};
        TrackMouseEvent(&track);
        const Rect panel = Find(layout_, MainControl::Panel2).client;
        RECT area{panel.left, panel.top, panel.right, panel.bottom};
        InvalidateRect(hwnd(), &area, FALSE);
    }
}

bool TgestureConfigForm::OnSetCursor() {
    if (hoverLabel_ == MainControl::None) {
        return false;
    }
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return true;
}

void TgestureConfigForm::Shape1MouseDown() {
    GetCursorPos(&dragCursor_);
    GetWindowRect(hwnd(), &dragWindow_);
    dragging_ = true;
    SetCapture(hwnd());
}

void TgestureConfigForm::Shape1MouseMove() {
    POINT cursor{};
    GetCursorPos(&cursor);
    SetWindowPos(hwnd(), nullptr, dragWindow_.left + cursor.x - dragCursor_.x,
                 dragWindow_.top + cursor.y - dragCursor_.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TgestureConfigForm::Shape1MouseUp() {
    if (dragging_) {
        dragging_ = false;
        ReleaseCapture();
    }
}

// ---- EngineView ----

bool TgestureConfigForm::IsShown() {
    return IsWindowVisible(hwnd()) != FALSE;
}

void TgestureConfigForm::ShowScreenGesture(const MotionPath& normalised) {
    pad_->ShowScreenGesture(normalised);
}

void TgestureConfigForm::ShowResultPopup(const PopupContent& content) {
    if (!frmInfo_) {
        frmInfo_ = std::make_unique<TfrmInfo>(hwnd());
    }
    frmInfo_->ShowResult(content, settings_.language);
}

void TgestureConfigForm::SetPadIdle() {
    if (pad_) {
        pad_->SetIdle();
        UpdateButtons();
    }
}

void TgestureConfigForm::ShowFileLabel(std::u16string_view label) {
    fileLabel_ = label;
    InvalidateRect(hwnd(), nullptr, FALSE);
    UpdateWindow(hwnd());
}

void TgestureConfigForm::ShowError(std::u16string_view text) {
    MessageBoxW(hwnd(), WideText(text).c_str(), kProductTitle, MB_OK | MB_ICONERROR);
}

} // namespace traxo
