#include "ui/options/Options_win.h"

#include "platform/Dpi_win.h"
#include "platform/GdiPaintCanvas_win.h"
#include "platform/WideText_win.h"
#include "sets/SetDocument.h"
#include "ui/kit/TaskDialog_win.h"
#include "ui/options/KnownAppRowPainter.h"
#include "ui/options/TriggerPictures.h"

#include <algorithm>

namespace traxo {
namespace {

using enum OptionsControl;

constexpr Colour kDialogColour = Rgb(255, 255, 255);

DynamicLook DialogButtonLook(TDynamicShape shape, DpiScale scale) {
    DynamicLook look = DefaultOpaqueButtonLook();
    look.Colour = Rgb(46, 60, 75);
    look.SelectedColour = Rgb(81, 106, 123);
    look.MouseDownColour = Rgb(31, 41, 48);
    look.BorderColour = look.Colour;
    look.SelectedBorderColour = look.SelectedColour;
    look.OutsideColour = kDialogColour;
    look.FontColour = Rgb(255, 255, 255);
    look.SelectedFontColour = Rgb(255, 255, 255);
    look.FadeInTime = 50;
    look.FadeOutTime = 300;
    look.CornerWidth = scale(5);
    look.Font.height = scale(look.Font.height);
    look.Shape = shape;
    look.Alignment = taCenter;
    look.CustomTextRenderer = true;
    return look;
}

void SetListBoxItems(HWND list, UINT reset, UINT add, const std::vector<std::u16string>& items) {
    SendMessageW(list, reset, 0, 0);
    for (const std::u16string& item : items) {
        const std::wstring text = WideText(item);
        SendMessageW(list, add, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

} // namespace

TfrmOptions::TfrmOptions(HWND owner) : owner_(owner) {
    dpi_ = ScreenDpi(); // made on the primary monitor; WM_DPICHANGED follows moves
    white_.reset(CreateSolidBrush(kDialogColour));
    const DpiScale scale{dpi_};
    if (!CreateForm(L"TfrmOptions", L"Options",
                    WS_CAPTION | WS_SYSMENU | WS_POPUP | WS_CLIPCHILDREN,
                    WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
                    SIZE{scale(kOptionsClientWidth), scale(kOptionsClientHeight)}, owner)) {
        return;
    }
    CreateControls();
    TranslateMe();
}

TfrmOptions::~TfrmOptions() {
    btnOK_.reset();
    btnCancel_.reset();
    panelTail_.reset();
    if (hwnd() != nullptr) {
        DestroyWindow(hwnd());
    }
}

Rect TfrmOptions::Scaled(Rect units) const {
    return DpiScale{dpi_}(units);
}

std::u16string TfrmOptions::Text(OptionsText id) const {
    return std::u16string(OptionsString(id, model_.controls.shownLanguage));
}

void TfrmOptions::CreateControls() {
    font_.reset(CreateMessageFont(dpi_));

    tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(),
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(tooltips_, TTM_SETMAXTIPWIDTH, 0, DpiScale{dpi_}(300));

    for (const OptionsControlSpec& spec : kOptionsLayout) {
        controls_[static_cast<std::size_t>(spec.id)] = CreateControl(spec);
        if (spec.hint) {
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof(tool);
            tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            tool.hwnd = hwnd();
            tool.uId = reinterpret_cast<UINT_PTR>(Control(spec.id));
            tool.lpszText = const_cast<wchar_t*>(L"");
            SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
    // The frames lie under the lists they surround, the page control under everything.
    for (const OptionsControl below : {Shape1, Shape2, PageControl1}) {
        SetWindowPos(Control(below), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
    SetWindowPos(Control(btnReloadApp), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ShowWindow(Control(btnReloadApp), SW_HIDE);

    SendMessageW(Control(trackIdle), TBM_SETRANGE, FALSE,
                 MAKELPARAM(kIdleTimeoutMin, kIdleTimeoutMax));
    SendMessageW(Control(trackIdle), TBM_SETPAGESIZE, 0, kIdleTimeoutPage);
    SetListBoxItems(Control(comboLang), CB_RESETCONTENT, CB_ADDSTRING,
                    {std::u16string(kLanguageNames[0]), std::u16string(kLanguageNames[1])});

    const HWND methods = Control(listviewMethods);
    ListView_SetExtendedListViewStyle(methods, LVS_EX_FULLROWSELECT);
    ListView_SetBkColor(methods, RGB(255, 255, 255));
    ListView_SetTextBkColor(methods, RGB(255, 255, 255));
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = Scaled(SpecOf(listviewMethods).bounds).right -
                Scaled(SpecOf(listviewMethods).bounds).left - 4;
    ListView_InsertColumn(methods, 0, &column);
    CreateTriggerPictures();

    const HWND apps = Control(lstKnownApps);
    ListView_SetExtendedListViewStyle(apps, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    const DpiScale scale{dpi_};
    rowHeight_.reset(ImageList_Create(scale(16), scale(18), ILC_COLOR32, 1, 0));
    ListView_SetImageList(apps, rowHeight_, LVSIL_SMALL);
    column.mask = LVCF_WIDTH | LVCF_TEXT;
    column.cx = scale(160);
    column.pszText = const_cast<wchar_t*>(L"Title");
    ListView_InsertColumn(apps, 0, &column);
    column.cx = scale(260);
    column.pszText = const_cast<wchar_t*>(L"Path");
    ListView_InsertColumn(apps, 1, &column);
}

HWND TfrmOptions::CreateControl(const OptionsControlSpec& spec) {
    const Rect r = Scaled(spec.bounds);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    const HMENU id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlIdOf(spec.id)));
    const wchar_t* className = WC_BUTTONW;
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    DWORD exStyle = 0;
    switch (spec.kind) {
    case OptionsControlKind::PageControl:
        className = WC_TABCONTROLW;
        break;
    case OptionsControlKind::Label:
        className = WC_STATICW;
        style |= SS_LEFT | SS_NOPREFIX;
        break;
    case OptionsControlKind::CheckBox:
        style |= WS_TABSTOP | BS_AUTOCHECKBOX | BS_MULTILINE | BS_VCENTER;
        break;
    case OptionsControlKind::Button:
        style |= WS_TABSTOP | BS_PUSHBUTTON;
        break;
    case OptionsControlKind::OpaqueButton: {
        const bool ok = spec.id == btnOK;
        auto button = std::make_unique<TDynamicOpaqueButton>(
            hwnd(), r, DialogButtonLook(ok ? fsJaggedSE : fsJaggedNW, DpiScale{dpi_}));
        // Measured and drawn with the wide routines, so that Chinese captions show.
        button->OnCustomTextExtent = [](PaintCanvas& canvas, std::u16string_view text) {
            return canvas.MeasureText(text);
        };
        button->OnCustomTextRender = [](PaintCanvas& canvas, int x, int y,
                                        std::u16string_view text) {
            canvas.DrawText({x, y}, text);
        };
        button->OnClick = [this, ok] { ok ? btnOKClick() : btnCancelClick(); };
        const HWND window = button->hwnd();
        SetWindowLongPtrW(window, GWLP_ID, ControlIdOf(spec.id));
        (ok ? btnOK_ : btnCancel_) = std::move(button);
        return window;
    }
    case OptionsControlKind::Frame:
    case OptionsControlKind::Swatch:
        className = WC_STATICW;
        style |= SS_OWNERDRAW | SS_NOTIFY;
        break;
    case OptionsControlKind::MethodList:
        className = WC_LISTVIEWW;
        style |= WS_TABSTOP | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS;
        break;
    case OptionsControlKind::ListBox:
        className = WC_LISTBOXW;
        style |= WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
        break;
    case OptionsControlKind::DropDown:
        className = WC_COMBOBOXW;
        style |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
        break;
    case OptionsControlKind::KnownAppList:
        className = WC_LISTVIEWW;
        style |= WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_EDITLABELS;
        exStyle = WS_EX_CLIENTEDGE;
        break;
    case OptionsControlKind::TrackBar:
        className = TRACKBAR_CLASSW;
        style |= WS_TABSTOP | TBS_NOTICKS | TBS_HORZ;
        break;
    }
    const HWND window =
        CreateWindowExW(exStyle, className, spec.id == btnReloadApp ? L"..." : L"", style, r.left,
                        r.top, width, height, hwnd(), id, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    if (spec.kind == OptionsControlKind::Swatch) {
        panelTail_ = std::make_unique<TDynamicFrame>(window, Rect{0, 0, width, height});
    }
    return window;
}

void TfrmOptions::CreateTriggerPictures() {
    const DpiScale scale{dpi_};
    const int width = scale(kTriggerPictureSize.width);
    const int height = scale(kTriggerPictureSize.height);
    triggerPictures_.reset(ImageList_Create(width, height, ILC_COLOR32, kTriggerModeCount, 0));
    const ScopedWindowDc screen(nullptr);
    const ScopedMemoryDc memory(CreateCompatibleDC(screen.get()));
    for (int mode = 0; mode < kTriggerModeCount; ++mode) {
        const ScopedBitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
        {
            const ScopedSelection selected(memory, bitmap);
            GdiPaintCanvas canvas(memory);
            // The pictures are drawn at 96 DPI and stretched once, which keeps them in proportion.
            SetGraphicsMode(memory, GM_ADVANCED);
            const float factor = static_cast<float>(dpi_) / 96.0f;
            const XFORM transform{factor, 0, 0, factor, 0, 0};
            SetWorldTransform(memory, &transform);
            PaintTriggerPicture(canvas, mode);
            ModifyWorldTransform(memory, nullptr, MWT_IDENTITY);
        }
        ImageList_Add(triggerPictures_, bitmap, nullptr);
    }
    ListView_SetImageList(Control(listviewMethods), triggerPictures_, LVSIL_SMALL);
}

void TfrmOptions::TranslateMe() {
    TranslateMe(host_.settings != nullptr ? host_.settings->language
                                          : model_.controls.shownLanguage);
}

void TfrmOptions::TranslateMe(Language language) {
    model_.controls.shownLanguage = language;
    ShowIdleTimeout();
    // Another language keeps the texts as they stand and lists the modes without captions.
    const bool known = language == Language::English || language == Language::Chinese;
    if (known) {
        SetWindowTextW(hwnd(), WideText(Text(OptionsText::Caption)).c_str());
        for (const OptionsControlSpec& spec : kOptionsLayout) {
            if (spec.text && spec.kind == OptionsControlKind::OpaqueButton) {
                (spec.id == btnOK ? btnOK_ : btnCancel_)->SetCaption(Text(*spec.text));
            } else if (spec.text) {
                SetWindowTextW(Control(spec.id), WideText(Text(*spec.text)).c_str());
            }
            if (spec.hint) {
                const std::wstring hint = WideText(Text(*spec.hint));
                TTTOOLINFOW tool{};
                tool.cbSize = sizeof(tool);
                tool.hwnd = hwnd();
                tool.uId = reinterpret_cast<UINT_PTR>(Control(spec.id));
                tool.lpszText = const_cast<wchar_t*>(hint.c_str());
                SendMessageW(tooltips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
            }
        }
        const HWND apps = Control(lstKnownApps);
        const OptionsText columns[] = {OptionsText::ColumnTitle, OptionsText::ColumnPath};
        for (int i = 0; i < 2; ++i) {
            std::wstring title = WideText(Text(columns[i]));
            LVCOLUMNW column{};
            column.mask = LVCF_TEXT;
            column.pszText = title.data();
            ListView_SetColumn(apps, i, &column);
        }
    }
    // The tabs of the view and the five modes are rebuilt; the chosen mode stays chosen.
    ShowPageControls();
    const HWND methods = Control(listviewMethods);
    loading_ = true;
    ListView_DeleteAllItems(methods);
    for (int mode = 0; mode < kTriggerModeCount; ++mode) {
        std::wstring caption = known ? WideText(TriggerModeText(mode, language)) : std::wstring();
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = mode;
        item.iImage = mode;
        item.pszText = caption.data();
        ListView_InsertItem(methods, &item);
    }
    if (model_.controls.mode >= 0) {
        ListView_SetItemState(methods, model_.controls.mode, LVIS_SELECTED | LVIS_FOCUSED,
                              LVIS_SELECTED | LVIS_FOCUSED);
    }
    loading_ = false;
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

OptionsPage TfrmOptions::SelectedPage() const {
    const std::span<const OptionsPage> pages = PagesOf(view_);
    const int selected = TabCtrl_GetCurSel(Control(PageControl1));
    return pages[selected >= 0 && selected < static_cast<int>(pages.size()) ? selected : 0];
}

void TfrmOptions::ShowPageControls() {
    const HWND tabs = Control(PageControl1);
    const std::span<const OptionsPage> pages = PagesOf(view_);
    const int selected = std::max(0, TabCtrl_GetCurSel(tabs));
    if (TabCtrl_GetItemCount(tabs) != static_cast<int>(pages.size())) {
        TabCtrl_DeleteAllItems(tabs);
    }
    for (std::size_t i = 0; i < pages.size(); ++i) {
        std::wstring title = WideText(Text(*PageTitle(pages[i])));
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = title.data();
        if (static_cast<int>(i) < TabCtrl_GetItemCount(tabs)) {
            TabCtrl_SetItem(tabs, static_cast<int>(i), &item);
        } else {
            TabCtrl_InsertItem(tabs, static_cast<int>(i), &item);
        }
    }
    TabCtrl_SetCurSel(tabs, std::min<int>(selected, static_cast<int>(pages.size()) - 1));
    const OptionsPage page = SelectedPage();
    for (const OptionsControlSpec& spec : kOptionsLayout) {
        bool shown = ShownOnPage(spec, view_, page);
        if (spec.id == btnReloadApp) {
            shown = shown && IsWindowVisible(Control(btnReloadApp));
        } else if (spec.id == btnCheckNow) {
            shown = shown && model_.CheckNowVisible();
        }
        ShowWindow(Control(spec.id), shown ? SW_SHOWNA : SW_HIDE);
    }
}

void TfrmOptions::Show(OptionsView view, HWND centreOn) {
    view_ = view;
    TabCtrl_SetCurSel(Control(PageControl1), 0);
    FormShow();
    RECT frame{};
    GetWindowRect(hwnd(), &frame);
    RECT over{};
    if (centreOn == nullptr || !IsWindowVisible(centreOn) || !GetWindowRect(centreOn, &over)) {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &over, 0);
    }
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int left = std::max(0L, over.left + (over.right - over.left - width) / 2);
    const int top = std::max(0L, over.top + (over.bottom - over.top - height) / 2);
    SetWindowPos(hwnd(), HWND_TOP, left, top, 0, 0, SWP_NOSIZE);
    open_ = true;
    result_ = false;
    if (centreOn != nullptr && IsWindowEnabled(centreOn)) {
        disabledOwner_ = centreOn;
        EnableWindow(centreOn, FALSE);
    }
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
}

bool TfrmOptions::ShowModal(OptionsView view, HWND centreOn) {
    Show(view, centreOn);
    MSG message{};
    while (open_) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) {
                PostQuitMessage(static_cast<int>(message.wParam)); // for the main loop
            }
            Close(false);
            break;
        }
        // A title being edited in place keeps Enter and Escape to itself.
        const HWND editor = ListView_GetEditControl(Control(lstKnownApps));
        if ((editor == nullptr || message.hwnd != editor) && IsDialogMessageW(hwnd(), &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return result_;
}

void TfrmOptions::FormShow() {
    static const std::vector<std::u16string> none;
    std::vector<std::u16string> recent = host_.recentPrograms ? host_.recentPrograms() : none;
    static MotionSet* emptySet = new MotionSet(); // only without a document (never in the program)
    const MotionSet& set = host_.document != nullptr ? host_.document->motionSet() : *emptySet;
    const Settings current = host_.settings != nullptr ? *host_.settings : Settings{};
    model_.FormShow(current, recent, set, host_.willAutoStart && host_.willAutoStart());
    TranslateMe();
    ShowWindow(Control(btnReloadApp), SW_HIDE);
    LoadControls();
    if (host_.enableHook) {
        host_.enableHook(false); // the next poll arms the hook for the settings as they are then
    }
}

void TfrmOptions::LoadControls() {
    const OptionsControls& c = model_.controls;
    loading_ = true;
    SetListBoxItems(Control(lstRecent), CB_RESETCONTENT, CB_ADDSTRING, c.recent);
    SetListBoxItems(Control(lstRecent2), CB_RESETCONTENT, CB_ADDSTRING, c.recent);
    SendMessageW(Control(lstRecent), CB_SETCURSEL, c.recentSelected, 0);
    SendMessageW(Control(lstRecent2), CB_SETCURSEL, c.recent2Selected, 0);
    FillExcluded();
    panelTail_->SetLook([&] {
        DynamicLook look = panelTail_->Look();
        look.Colour = c.tail;
        look.SelectedColour = c.tail;
        look.MouseDownColour = c.tail;
        return look;
    }());
    SendMessageW(Control(comboLang), CB_SETCURSEL, LanguageNumber(c.language), 0);
    SetChecked(chkAutoStart, c.autoStart);
    SetChecked(chkShowInfo, c.showInfo);
    SetChecked(chkTrail, c.showTrails);
    SetChecked(chkFast, c.fastTrails);
    SetChecked(chkRecent, c.recentList);
    SetChecked(chkRecent2, c.recentList);
    SetChecked(chkAutoCheck, c.autoCheck);
    SetChecked(chkPrecise, c.preciseRecognition);
    SetChecked(chkMouseExMode, c.mouseExMode);
    SetChecked(chkTimeout, c.timeoutTicked);
    SendMessageW(Control(trackIdle), TBM_SETPOS, TRUE, c.trackIdle);
    ShowIdleTimeout();
    ShowPageControls();
    ApplyEnabledStates();
    FillKnownApps();
    loading_ = false;
}

void TfrmOptions::FillExcluded() {
    SetListBoxItems(Control(lstExclude), LB_RESETCONTENT, LB_ADDSTRING, model_.controls.excluded);
    SendMessageW(Control(lstExclude), LB_SETCURSEL, model_.controls.excludedSelected, 0);
}

void TfrmOptions::FillKnownApps() {
    const HWND apps = Control(lstKnownApps);
    const bool wasLoading = loading_;
    loading_ = true;
    ListView_DeleteAllItems(apps);
    const std::vector<KnownAppRow>& rows = model_.knownApps.Rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::wstring title = WideText(rows[i].title);
        std::wstring path = WideText(rows[i].path);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(i);
        item.pszText = title.data();
        ListView_InsertItem(apps, &item);
        ListView_SetItemText(apps, static_cast<int>(i), 1, path.data());
    }
    const int selected = model_.knownApps.Selected();
    if (selected >= 0) {
        ListView_SetItemState(apps, selected, LVIS_SELECTED | LVIS_FOCUSED,
                              LVIS_SELECTED | LVIS_FOCUSED);
        ListView_EnsureVisible(apps, selected, FALSE);
    } else {
        ShowWindow(Control(btnReloadApp), SW_HIDE);
    }
    loading_ = wasLoading;
}

void TfrmOptions::ApplyEnabledStates() {
    const OptionsControls& c = model_.controls;
    Enable(chkTimeout, c.timeoutEnabled);
    Enable(trackIdle, c.trackIdleEnabled);
    Enable(lblInfo7, c.trackIdleEnabled);
    Enable(lblIdleValue, c.trackIdleEnabled);
    Enable(chkMouseExMode, c.mouseExModeEnabled);
}

bool TfrmOptions::Checked(OptionsControl id) const {
    return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TfrmOptions::SetChecked(OptionsControl id, bool checked) {
    SendMessageW(Control(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TfrmOptions::Enable(OptionsControl id, bool enabled) {
    EnableWindow(Control(id), enabled);
}

void TfrmOptions::Close(bool ok) {
    result_ = ok;
    open_ = false;
    if (disabledOwner_ != nullptr) {
        EnableWindow(disabledOwner_, TRUE); // before hiding, so that the owner gets the focus back
        disabledOwner_ = nullptr;
    }
    ShowWindow(hwnd(), SW_HIDE);
}

void TfrmOptions::btnOKClick() {
    if (!open_) {
        return;
    }
    OptionsControls& c = model_.controls;
    // Read the controls whose states the model does not follow message by message.
    c.showTrails = Checked(chkTrail);
    c.fastTrails = Checked(chkFast);
    c.showInfo = Checked(chkShowInfo);
    c.mouseExMode = Checked(chkMouseExMode);
    c.autoStart = Checked(chkAutoStart);
    c.autoCheck = Checked(chkAutoCheck);
    c.preciseRecognition = Checked(chkPrecise);
    model_.SetTrackIdle(static_cast<int>(SendMessageW(Control(trackIdle), TBM_GETPOS, 0, 0)));

    Settings scratch;
    Settings& settings = host_.settings != nullptr ? *host_.settings : scratch;
    static MotionSet* emptySet = new MotionSet();
    MotionSet& set = host_.document != nullptr ? host_.document->motionSet() : *emptySet;
    const bool autoStartOn = host_.willAutoStart && host_.willAutoStart();
    const OptionsOutcome outcome = model_.btnOKClick(settings, set, autoStartOn);
    if (outcome.toggleAutoStart && host_.toggleAutoStart) {
        host_.toggleAutoStart();
    }
    if (outcome.setModified) {
        MarkSetModified();
    }
    if (host_.enableHook) {
        host_.enableHook(false);
    }
    Close(true);
    if (host_.afterOk) {
        host_.afterOk();
    }
}

void TfrmOptions::btnCancelClick() {
    if (open_) {
        Close(false);
    }
}

void TfrmOptions::MarkSetModified() {
    if (host_.document != nullptr) {
        host_.document->MarkModified();
    }
}

void TfrmOptions::ShowMessage(OptionsText text, int icon) {
    TaskDialogContent dialog;
    dialog.title = u"Traxo";
    dialog.mainInstruction = Text(text);
    dialog.icon = icon == 0 ? TaskDialogIcon::Information : TaskDialogIcon::Error;
    dialog.buttons = {Text(OptionsText::ButtonOK)};
    ShowTaskDialog(hwnd(), dialog);
}

} // namespace traxo
