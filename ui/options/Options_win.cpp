#include "ui/options/Options_win.h"

#include "app/ProductInfo.h"
#include "platform/Dpi_win.h"
#include "platform/WideText_win.h"
#include "sets/SetDocument.h"
#include "ui/kit/TaskDialog_win.h"
#include "ui/options/KnownAppRowPainter.h"

#include <algorithm>

namespace traxo {
namespace {

using enum OptionsControl;

} // namespace

void SetListBoxItems(HWND list, UINT reset, UINT add, const std::vector<std::u16string>& items) {
    SendMessageW(list, reset, 0, 0);
    for (const std::u16string& item : items) {
        const std::wstring text = WideText(item);
        SendMessageW(list, add, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

TfrmOptions::TfrmOptions(HWND owner) : owner_(owner) {
    dpi_ = ScreenDpi(); // made on the primary monitor; WM_DPICHANGED follows moves
    white_.reset(CreateSolidBrush(kOptionsDialogColour));
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
        for (const OptionsRow& spec : OptionsLayoutTable()) {
            const std::u16string text(spec.text.In(model_.controls.shownLanguage));
            if (!spec.text.Empty() && spec.kind == ControlKind::DynamicOpaqueButton) {
                (spec.id == btnOK ? btnOK_ : btnCancel_)->SetCaption(text);
            } else if (!spec.text.Empty()) {
                SetWindowTextW(Control(spec.id), WideText(text).c_str());
            }
            if (!spec.hint.Empty()) {
                const std::wstring hint = WideText(spec.hint.In(model_.controls.shownLanguage));
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
    for (const OptionsRow& spec : OptionsLayoutTable()) {
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
        look.FillIsContent = true;
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
    dialog.title = kProductName;
    dialog.mainInstruction = Text(text);
    dialog.icon = icon == 0 ? TaskDialogIcon::Information : TaskDialogIcon::Error;
    dialog.buttons = {Text(OptionsText::ButtonOK)};
    ShowTaskDialog(hwnd(), dialog);
}

} // namespace traxo
