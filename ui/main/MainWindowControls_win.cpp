// The main window's controls as the layout table gives them, the texts of the chosen language,
// UpdateButtons carried out, and the set's program icons.
#include "actions/ActionLists.h"
#include "platform/WideText_win.h"
#include "ui/kit/Pictures.h"
#include "ui/main/ActionTooltip.h"
#include "ui/main/MainButtons.h"
#include "ui/main/MainWindowIds_win.h"
#include "ui/main/MainWindowLooks.h"
#include "ui/main/MainWindow_win.h"

#include <algorithm>
#include <commctrl.h>
#include <shellapi.h>
#include <vector>

namespace traxo {
namespace {

constexpr wchar_t kPadClass[] = L"TraxoPad";

HICON MakeBlankIcon(int width, int height) {
    const std::vector<BYTE> allSet(static_cast<std::size_t>((width + 15) / 16 * 2 * height), 0xFF);
    const std::vector<BYTE> allClear(allSet.size(), 0x00);
    return CreateIcon(GetModuleHandleW(nullptr), width, height, 1, 1, allSet.data(),
                      allClear.data());
}

// Program paths are stored relative to the program's folder where they can be.
std::wstring IconPath(const std::u16string& stored, const std::u16string& appFolder) {
    const bool absolute =
        stored.size() >= 2 && (stored[1] == u':' || (stored[0] == u'\\' && stored[1] == u'\\'));
    return WideText(absolute ? stored : appFolder + stored);
}

} // namespace

Rect TgestureConfigForm::ClientRectOf(MainControl id) const {
    return Find(layout_, id).client;
}

void TgestureConfigForm::CreateControls() {
    layout_ = BuildMainWindowLayout(scale_, Language::English);
    listFonts_ = ScaledMotionListFonts(scale_);
    fileLabel_ = MainWindowText(MainText::NoSetLoaded, Language::English);
    for (const PlacedMainControl& control : layout_) {
        switch (control.kind) {
        case ControlKind::DynamicButton:
            buttons_[control.id] = std::make_unique<TDynamicButton>(
                hwnd(), control.client, DynamicLookOf(layout_, control.id));
            break;
        case ControlKind::DynamicOpaqueButton:
            buttons_[control.id] = std::make_unique<TDynamicOpaqueButton>(
                hwnd(), control.client, DynamicLookOf(layout_, control.id));
            break;
        case ControlKind::DynamicLabel:
            tabs_[control.id] = std::make_unique<TDynamicLabel>(hwnd(), control.client,
                                                                DynamicLookOf(layout_, control.id));
            break;
        default:
            break;
        }
    }
    frame1_ = std::make_unique<TDynamicFrame>(hwnd(), ClientRectOf(MainControl::DynamicFrame1),
                                              DynamicLookOf(layout_, MainControl::DynamicFrame1));
    frame2_ = std::make_unique<TDynamicFrame>(hwnd(), ClientRectOf(MainControl::DynamicFrame2),
                                              DynamicLookOf(layout_, MainControl::DynamicFrame2));
    CreateMotionList();
    CreatePad();
    BindControlEvents();
    buttons_[MainControl::btnAssign]->SetVisible(false);
    buttons_[MainControl::btnRecord]->SetVisible(false);
    AcceptDropsOnActionButton();
    CreateActionTooltip();
    MakeAccessible();
}

namespace {

// Files dropped on the action button reach the main window, which owns the set.
LRESULT CALLBACK ForwardDrops(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR) {
    if (message == WM_DROPFILES) {
        return SendMessageW(GetParent(window), WM_DROPFILES, wParam, lParam);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace

void TgestureConfigForm::AcceptDropsOnActionButton() {
    const HWND button = buttons_.at(MainControl::btnAssign)->hwnd();
    SetWindowSubclass(button, ForwardDrops, 1, 0);
    DragAcceptFiles(button, TRUE);
}

void TgestureConfigForm::CreateActionTooltip() {
    actionTooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                     WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr,
                                     GetModuleHandleW(nullptr), nullptr);
    // Wide enough for a long command line, which then wraps rather than running off the screen.
    SendMessageW(actionTooltip_, TTM_SETMAXTIPWIDTH, 0, scale_(500));
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(buttons_.at(MainControl::btnAssign)->hwnd());
    tool.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(actionTooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void TgestureConfigForm::UpdateActionTooltip(int motion) {
    std::wstring text =
        WideText(ActionButtonTooltip(motionSet_.motions[motion], settings_.language));
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(buttons_.at(MainControl::btnAssign)->hwnd());
    tool.lpszText = text.data();
    SendMessageW(actionTooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void TgestureConfigForm::CreatePad() {
    padHandler_ = [this](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            PaintPad(BeginPaint(window, &paint));
            EndPaint(window, &paint);
            return 0;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
        case WM_MOUSEMOVE:
            PadMouse(message, wParam, lParam);
            return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != window) {
                PadCaptureLost();
            }
            return 0;
        case WM_GETOBJECT:
            if (const LRESULT object = padAccessible_.Answer(window, wParam, lParam); object != 0) {
                return object;
            }
            return DefWindowProcW(window, message, wParam, lParam);
        default:
            return DefWindowProcW(window, message, wParam, lParam);
        }
    };
    WNDCLASSEXW padClass{};
    padClass.hCursor = LoadCursorW(nullptr, IDC_CROSS);
    padClass.lpszClassName = kPadClass;
    RegisterWindowClass(padClass);
    const Rect place = ClientRectOf(MainControl::image1);
    image1_ = CreateHandlerWindow(kPadClass, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                                  RECT{place.left, place.top, place.right, place.bottom}, hwnd(),
                                  kImage1Id, padHandler_);
    padBitmap_.Resize(place.right - place.left, place.bottom - place.top);
    padCanvas_ = std::make_unique<GdiPaintCanvas>(padBitmap_.Dc(), &padObjects_);
    padCanvas_->FillRect({0, 0, padBitmap_.Width(), padBitmap_.Height()}, Rgb(255, 255, 255));
}

void TgestureConfigForm::BindControlEvents() {
    const auto extent = [this](PaintCanvas& canvas, std::u16string_view text) {
        return btnActiveCustomTextExtent(canvas, text);
    };
    const auto render = [this](PaintCanvas& canvas, int x, int y, std::u16string_view text) {
        btnActiveCustomTextRender(canvas, x, y, text);
    };
    const auto background = [this](PaintCanvas& canvas, Rect area) {
        PaintBackground(canvas, area);
    };
    for (auto& [id, button] : buttons_) {
        button->OnCustomTextExtent = extent;
        button->OnCustomTextRender = render;
        if (auto* windowless = dynamic_cast<TDynamicButton*>(button.get())) {
            windowless->PaintParentBackground = background;
        }
    }
    for (auto& [id, tab] : tabs_) {
        tab->OnCustomTextExtent = extent;
        tab->OnCustomTextRender = render;
    }
    const auto click = [this](MainControl id, std::function<void()> handler) {
        buttons_.at(id)->OnClick = std::move(handler);
    };
    click(MainControl::btnHide, [this] { btnHideClick(); });
    click(MainControl::btnActive, [this] { btnActiveClick(); });
    click(MainControl::btnClear, [this] { setCommands_.btnClearClick(); });
    click(MainControl::btnLoad, [this] { setCommands_.btnLoadClick(); });
    click(MainControl::btnSave, [this] { setCommands_.btnSaveClick(); });
    click(MainControl::btnSaveAs, [this] { setCommands_.btnSaveAsClick(); });
    click(MainControl::btnOptions, [this] { btnOptionsClick(); });
    click(MainControl::btnExit, [this] { PostMessageW(hwnd(), WM_CLOSE, 0, 0); });
    click(MainControl::btnAssign, [this] { btnAssignClick(); });
    click(MainControl::btnKnownApps, [this] { btnKnownAppsClick(); });
    click(MainControl::btnCreate, [this] { pad_->btnCreateClick(); });
    click(MainControl::btnDelete, [this] { setCommands_.btnDeleteClick(); });
    click(MainControl::btnRecord, [this] { pad_->btnRecordClick(); });
    // The mouse opens the help menu as the button goes down; the keyboard with its click (the
    // menu takes the mouse's capture, so a mouse press never ends in a click).
    click(MainControl::btnHelp, [this] { btnHelpMouseDown(); });
    buttons_.at(MainControl::btnHelp)->OnMouseDown = [this](int button, Point) {
        if (button == 0) {
            btnHelpMouseDown();
        }
    };
}

// Every custom-rendered caption of the window is measured and drawn with the wide routines, so
// that Chinese shows.
Size TgestureConfigForm::btnActiveCustomTextExtent(PaintCanvas& canvas, std::u16string_view text) {
    return canvas.MeasureText(text);
}

void TgestureConfigForm::btnActiveCustomTextRender(PaintCanvas& canvas, int x, int y,
                                                   std::u16string_view text) {
    canvas.DrawText({x, y}, text);
}

void TgestureConfigForm::TranslateMe() {
    const Language language = settings_.language;
    const std::vector<PlacedMainControl> texts = BuildMainWindowLayout(scale_, language);
    for (const PlacedMainControl& control : texts) {
        if (auto button = buttons_.find(control.id);
            button != buttons_.end() && !control.text.empty()) {
            button->second->SetCaption(control.text);
        } else if (auto tab = tabs_.find(control.id); tab != tabs_.end()) {
            tab->second->SetCaption(control.text);
        }
    }
    for (PlacedMainControl& control : layout_) {
        if (control.kind == ControlKind::Label && control.id != MainControl::lblFile) {
            control.text = Find(texts, control.id).text;
        }
    }
    InvalidateRect(hwnd(), nullptr, FALSE);
    if (pad_) {
        pad_->TranslateMe();
    }
    UpdateButtons();
}

void TgestureConfigForm::UpdateButtons() {
    if (buttons_.empty()) {
        return;
    }
    const int padState = pad_ ? pad_->PadState() : kPadStateIdle;
    const MainButtons decided =
        DecideButtons(settings_.active, settings_.language, padState, document_.selectedIndex(),
                      DynamicLookOf(layout_, MainControl::btnActive));
    buttons_.at(MainControl::btnActive)->SetLook(decided.activeLook);
    if (decided.status) {
        tabs_.at(MainControl::lblStatus)->SetCaption(*decided.status);
    }
    buttons_.at(MainControl::btnRecord)->SetVisible(decided.recordVisible);
    FollowModifiedInCaption();
    if (tray_) {
        tray_->FollowState(); // its tip names the state
    }
    // The tray menu's "&Active" check mark follows decided.trayActiveChecked once the tray icon
    // lives in this window.
}

void TgestureConfigForm::GetAppIcons() {
    if (!IsWindowVisible(hwnd())) {
        appIconsWaiting_ = true;
        return;
    }
    FillAppIcons();
}

void TgestureConfigForm::FillAppIcons() {
    appIconsWaiting_ = false;
    const int side = scale_(16); // the small icon at the window's DPI, not the system's
    if (imgApps_ == nullptr) {
        imgApps_.reset(ImageList_Create(side, side, ILC_COLOR32 | ILC_MASK, 8, 8));
    }
    // Empty when new, and when a new DPI gave the list another icon size.
    if (ImageList_GetImageCount(imgApps_) == 0) {
        const ScopedIcon allPrograms(static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kIconAllPrograms), IMAGE_ICON,
                       side, side, 0)));
        blankIcon_.reset(MakeBlankIcon(side, side));
        ImageList_AddIcon(imgApps_, allPrograms != nullptr ? allPrograms.get() : blankIcon_.get());
    }
    while (ImageList_GetImageCount(imgApps_) > 1) {
        ImageList_Remove(imgApps_, ImageList_GetImageCount(imgApps_) - 1);
    }
    const int known = std::clamp(static_cast<int>(motionSet_.knownAppCount), 0, kKnownAppSlots);
    for (int k = 0; k < known; ++k) {
        const std::wstring path =
            IconPath(motionSet_.knownApps[k].path.View(), engine_.AppFolder());
        SHFILEINFOW info{};
        const bool found = SHGetFileInfoW(path.c_str(), 0, &info, sizeof(info),
                                          SHGFI_ICON | SHGFI_SMALLICON) != 0 &&
                           info.hIcon != nullptr;
        // A program the shell has no icon for still takes its place, so positions stay aligned.
        const ScopedIcon shellIcon(found ? info.hIcon : nullptr);
        ImageList_AddIcon(imgApps_, found ? info.hIcon : blankIcon_.get());
    }
    if (ListBox1_ != nullptr) {
        InvalidateRect(ListBox1_, nullptr, FALSE);
    }
}

} // namespace traxo
