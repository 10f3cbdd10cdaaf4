// The options dialog's event handlers: one member per control event, each reading the control,
// letting the model decide and showing the outcome.
#include "app/ProductInfo.h"
#include "platform/Dpi_win.h"
#include "platform/GdiPaintCanvas_win.h"
#include "platform/WideText_win.h"
#include "sets/SetDocument.h"
#include "ui/kit/TaskDialog_win.h"
#include "ui/options/KnownAppRowPainter.h"
#include "ui/options/Options_win.h"

#include <commdlg.h>

namespace traxo {
namespace {

using enum OptionsControl;

std::optional<std::u16string> ChooseFile(HWND owner, std::u16string_view filterText, bool save) {
    std::wstring filter(filterText.begin(), filterText.end());
    std::replace(filter.begin(), filter.end(), L'|', L'\0');
    filter.push_back(L'\0');
    std::wstring file(32768, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrDefExt = save ? L"txt" : nullptr;
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                   (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
    if (!(save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog))) {
        return std::nullopt;
    }
    file.resize(wcslen(file.c_str()));
    return Utf16Text(file);
}

// The list-file dialogs ask for a list; the program dialogs for an application.
std::optional<std::u16string> ChooseList(HWND owner, Language language, bool save) {
    return ChooseFile(owner, OptionsString(OptionsText::ListFilter, language), save);
}

} // namespace

LRESULT TfrmOptions::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_DPICHANGED:
        FollowDpi(DpiOfChangedMessage(wParam), lParam);
        return 0;
    case WM_DRAWITEM:
        OnDrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_HSCROLL:
        if (reinterpret_cast<HWND>(lParam) == Control(trackIdle)) {
            OnTrackIdle();
        }
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        const HDC dc = reinterpret_cast<HDC>(wParam);
        SetBkColor(dc, RGB(255, 255, 255));
        SetTextColor(dc,
                     GetSysColor(IsWindowEnabled(reinterpret_cast<HWND>(lParam)) ? COLOR_WINDOWTEXT
                                                                                 : COLOR_GRAYTEXT));
        return reinterpret_cast<LRESULT>(white_.get());
    }
    case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(hwnd(), &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, white_);
        return TRUE;
    }
    case WM_KEYUP: // FormKeyUp: the autostart box is repainted
        InvalidateRect(Control(chkAutoStart), nullptr, TRUE);
        break;
    case WM_CLOSE:
        btnCancelClick();
        return 0;
    default:
        break;
    }
    return FormWindow::HandleMessage(message, wParam, lParam);
}

void TfrmOptions::OnCommand(int id, int code, HWND) {
    if (id == IDOK) { // Enter outside an edited title
        btnOKClick();
        return;
    }
    if (id == IDCANCEL) { // Escape
        btnCancelClick();
        return;
    }
    const std::optional<OptionsControl> control = ControlOfId(id);
    if (!control || loading_) {
        return;
    }
    switch (*control) {
    case chkTimeout:
        chkTimeoutClick();
        break;
    case chkRecent:
    case chkRecent2:
        chkRecentClick(*control);
        break;
    case chkAutoCheck:
        chkAutoCheckClick();
        break;
    case btnTrail:
    case panelTail:
        btnTrailClick();
        break;
    case btnBrowse:
        btnBrowseClick();
        break;
    case btnRemove:
        btnRemoveClick();
        break;
    case btnExclude:
        btnExcludeClick();
        break;
    case btnBrowse_2:
        btnBrowse_2Click();
        break;
    case btnAddKnownApp:
        btnAddKnownAppClick();
        break;
    case btnRemove_2:
        btnRemove_2Click();
        break;
    case btnReloadApp:
        btnReloadAppClick();
        break;
    case btnOpenList:
        btnOpenListClick();
        break;
    case btnSaveList:
        btnSaveListClick();
        break;
    case btnCheckNow:
        btnCheckNowClick();
        break;
    case comboLang:
        if (code == CBN_SELCHANGE) {
            comboLangSelect();
        }
        break;
    case lstExclude:
        if (code == LBN_SELCHANGE) {
            model_.controls.excludedSelected =
                static_cast<int>(SendMessageW(Control(lstExclude), LB_GETCURSEL, 0, 0));
        }
        break;
    case lstRecent:
    case lstRecent2:
        if (code == CBN_SELCHANGE) {
            const int selected =
                static_cast<int>(SendMessageW(Control(*control), CB_GETCURSEL, 0, 0));
            (*control == lstRecent ? model_.controls.recentSelected
                                   : model_.controls.recent2Selected) = selected;
        }
        break;
    default:
        break;
    }
}

LRESULT TfrmOptions::OnNotify(NMHDR& header) {
    if (header.hwndFrom == Control(PageControl1) && header.code == TCN_SELCHANGE) {
        ShowPageControls();
        return 0;
    }
    if (header.hwndFrom == Control(listviewMethods) && header.code == LVN_ITEMCHANGED) {
        const auto& change = reinterpret_cast<NMLISTVIEW&>(header);
        if (!loading_ && (change.uNewState & LVIS_SELECTED) &&
            !(change.uOldState & LVIS_SELECTED)) {
            listviewMethodsSelectItem();
        }
        return 0;
    }
    if (header.hwndFrom != Control(lstKnownApps)) {
        return 0;
    }
    switch (header.code) {
    case NM_CUSTOMDRAW:
        return KnownAppsCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
    case LVN_ITEMCHANGED: {
        const auto& change = reinterpret_cast<NMLISTVIEW&>(header);
        if (!loading_ && change.iItem >= 0 && (change.uChanged & LVIF_STATE)) {
            const int focused = ListView_GetNextItem(Control(lstKnownApps), -1, LVNI_SELECTED);
            model_.knownApps.Select(focused);
            if (focused < 0) {
                ShowWindow(Control(btnReloadApp), SW_HIDE);
            }
        }
        return 0;
    }
    case LVN_BEGINLABELEDITW: // lstKnownAppsEditing: marked rows keep their titles
        return model_.knownApps.CanEditTitle(reinterpret_cast<NMLVDISPINFOW&>(header).item.iItem)
                   ? FALSE
                   : TRUE;
    case LVN_ENDLABELEDITW: { // lstKnownAppsEdited
        const LVITEMW& item = reinterpret_cast<NMLVDISPINFOW&>(header).item;
        if (item.pszText == nullptr) {
            return FALSE; // the edit was cancelled
        }
        if (model_.knownApps.SetTitle(item.iItem, Utf16Text(item.pszText))) {
            MarkSetModified();
            return TRUE;
        }
        return FALSE;
    }
    default:
        return 0;
    }
}

// lstKnownAppsCustomDrawItem: every row is painted by the row painter, the system draws none.
LRESULT TfrmOptions::KnownAppsCustomDraw(NMLVCUSTOMDRAW& draw) {
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
        return CDRF_NOTIFYITEMDRAW;
    }
    if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT) {
        return CDRF_DODEFAULT;
    }
    const HWND list = Control(lstKnownApps);
    const int index = static_cast<int>(draw.nmcd.dwItemSpec);
    const std::vector<KnownAppRow>& rows = model_.knownApps.Rows();
    if (index < 0 || index >= static_cast<int>(rows.size())) {
        return CDRF_DODEFAULT;
    }
    RECT bounds{};
    ListView_GetItemRect(list, index, &bounds, LVIR_BOUNDS);
    RECT client{};
    GetClientRect(list, &client);
    RECT listWindow{};
    GetWindowRect(list, &listWindow);
    MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&listWindow), 2);
    const bool scrolls = (GetWindowLongPtrW(list, GWL_STYLE) & WS_VSCROLL) != 0;
    const DpiScale scale{dpi_};

    KnownAppRowPlace place;
    place.index = index;
    place.bounds = {0, bounds.top, client.right, bounds.bottom};
    place.firstColumnWidth = ListView_GetColumnWidth(list, 0);
    place.focused = index == model_.knownApps.Selected();
    KnownAppListFrame frame;
    // The list's client area, in the dialog: the button sits inside the border.
    POINT origin{0, 0};
    MapWindowPoints(list, hwnd(), &origin, 1);
    frame.list = {origin.x, origin.y, origin.x + client.right, origin.y + client.bottom};
    frame.verticalScrollBarWidth = 0; // the client area already ends before a scroll bar
    (void)scrolls;
    (void)listWindow;
    frame.reloadButton = {scale(16), scale(16)};

    FontSpec font;
    LOGFONTW logical{};
    GetObjectW(font_, sizeof(logical), &logical);
    font.face = Utf16Text(logical.lfFaceName);
    font.height = logical.lfHeight < 0 ? -logical.lfHeight : logical.lfHeight;

    std::optional<Point> button;
    {
        GdiPaintCanvas canvas(draw.nmcd.hdc);
        canvas.SetAppIcons(host_.appIcons);
        button = PaintKnownAppRow(canvas, rows[index], place, frame, Text(OptionsText::MarkedRow),
                                  font, scale);
    }
    const HWND reload = Control(btnReloadApp);
    if (button) {
        RECT now{};
        GetWindowRect(reload, &now);
        MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&now), 2);
        if (now.left != button->x || now.top != button->y || !IsWindowVisible(reload)) {
            SetWindowPos(reload, HWND_TOP, button->x, button->y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        }
    } else if (place.focused && IsWindowVisible(reload)) {
        ShowWindow(reload, SW_HIDE);
    }
    return CDRF_SKIPDEFAULT;
}

void TfrmOptions::OnDrawItem(DRAWITEMSTRUCT& item) {
    const std::optional<OptionsControl> control = ControlOfId(static_cast<int>(item.CtlID));
    if (!control) {
        return;
    }
    GdiPaintCanvas canvas(item.hDC);
    const Rect box{item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom};
    if (*control == panelTail) {
        canvas.FillRect(box, RGB(255, 255, 255));
        panelTail_->Paint(canvas);
        return;
    }
    // Shape1, Shape2: a silver outline around the list they frame.
    canvas.SetPen(Rgb(192, 192, 192), 1);
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.Rectangle(box);
}

void TfrmOptions::OnTrackIdle() {
    model_.SetTrackIdle(static_cast<int>(SendMessageW(Control(trackIdle), TBM_GETPOS, 0, 0)));
    ShowIdleTimeout();
}

void TfrmOptions::ShowIdleTimeout() {
    const std::u16string text =
        IdleTimeoutText(model_.controls.trackIdle, model_.controls.shownLanguage);
    SetWindowTextW(Control(lblIdleValue), WideText(text).c_str());
}

void TfrmOptions::listviewMethodsSelectItem() {
    const int selected = ListView_GetNextItem(Control(listviewMethods), -1, LVNI_SELECTED);
    model_.listviewMethodsSelectItem(selected);
    ApplyEnabledStates();
}

void TfrmOptions::chkTimeoutClick() {
    model_.chkTimeoutClick(Checked(chkTimeout));
    ApplyEnabledStates();
}

void TfrmOptions::chkRecentClick(OptionsControl box) {
    Settings scratch;
    model_.chkRecentClick(Checked(box), host_.settings != nullptr ? *host_.settings : scratch);
    SetChecked(box == chkRecent ? chkRecent2 : chkRecent, model_.controls.recentList);
}

void TfrmOptions::chkAutoCheckClick() {
    model_.chkAutoCheckClick(Checked(chkAutoCheck));
    ShowPageControls();
}

void TfrmOptions::comboLangSelect() {
    model_.comboLangSelect(static_cast<int>(SendMessageW(Control(comboLang), CB_GETCURSEL, 0, 0)));
    TranslateMe(model_.controls.shownLanguage);
    InvalidateRect(Control(lstKnownApps), nullptr, TRUE);
}

void TfrmOptions::btnTrailClick() {
    static COLORREF customColours[16]{};
    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = hwnd();
    dialog.rgbResult = model_.controls.tail;
    dialog.lpCustColors = customColours;
    dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorW(&dialog)) {
        return;
    }
    model_.controls.tail = dialog.rgbResult;
    DynamicLook look = panelTail_->Look();
    look.Colour = look.SelectedColour = look.MouseDownColour = dialog.rgbResult;
    panelTail_->SetLook(look);
    InvalidateRect(Control(panelTail), nullptr, TRUE);
}

void TfrmOptions::btnBrowseClick() {
    const std::optional<std::u16string> file =
        ChooseFile(hwnd(), Text(OptionsText::ApplicationFilter), false);
    if (file) {
        model_.btnBrowseClick(*file);
        model_.controls.excludedSelected = static_cast<int>(model_.controls.excluded.size()) - 1;
        FillExcluded();
    }
}

void TfrmOptions::btnRemoveClick() {
    model_.controls.excludedSelected =
        static_cast<int>(SendMessageW(Control(lstExclude), LB_GETCURSEL, 0, 0));
    if (model_.btnRemoveClick()) {
        FillExcluded();
    }
}

void TfrmOptions::btnExcludeClick() {
    if (model_.btnExcludeClick()) {
        FillExcluded();
    }
}

void TfrmOptions::AddedKnownApp(AddProgramResult result) {
    if (result == AddProgramResult::Duplicate) {
        ShowMessage(OptionsText::AlreadyAdded, 1);
        return;
    }
    if (result == AddProgramResult::Full) {
        ShowMessage(OptionsText::KnownAppsFull, 1);
        return;
    }
    MarkSetModified();
    FillKnownApps();
    const HWND list = Control(lstKnownApps);
    SetFocus(list);
    ListView_EditLabel(list, model_.knownApps.Selected());
}

void TfrmOptions::btnBrowse_2Click() {
    const std::optional<std::u16string> file =
        ChooseFile(hwnd(), Text(OptionsText::ApplicationFilter), false);
    if (file) {
        AddedKnownApp(model_.knownApps.Add(StoredProgramPath(*file, host_.appFolder),
                                           Text(OptionsText::NewProgramTitle), true));
    }
}

void TfrmOptions::btnAddKnownAppClick() {
    const std::optional<std::u16string> entry = model_.SelectedRecent(true);
    if (entry) {
        AddedKnownApp(model_.knownApps.Add(StoredProgramPath(*entry, host_.appFolder),
                                           Text(OptionsText::NewProgramTitle), false));
    }
}

void TfrmOptions::btnRemove_2Click() {
    const int selected = model_.knownApps.Selected();
    if (selected < 0 || !model_.knownApps.CanEditTitle(selected)) {
        return;
    }
    const int rules =
        host_.document != nullptr ? RulesUsingProgram(host_.document->motionSet(), selected) : 0;
    TaskDialogContent dialog;
    dialog.title = kProductName;
    dialog.mainInstruction = Text(OptionsText::DeleteAppInstruction);
    dialog.content = GesturesAffectedText(rules, model_.controls.shownLanguage);
    dialog.icon = TaskDialogIcon::Warning;
    dialog.buttons = {Text(OptionsText::ButtonYes), Text(OptionsText::ButtonNo)};
    if (ShowTaskDialog(hwnd(), dialog) != TaskButtonResult(0)) {
        return;
    }
    model_.knownApps.MarkSelected();
    ShowWindow(Control(btnReloadApp), SW_HIDE);
    ListView_SetItemText(Control(lstKnownApps), selected, 1, const_cast<wchar_t*>(L"_DELETED"));
    InvalidateRect(Control(lstKnownApps), nullptr, TRUE);
}

void TfrmOptions::btnReloadAppClick() {
    if (model_.knownApps.Selected() < 0) {
        return;
    }
    const std::optional<std::u16string> file =
        ChooseFile(hwnd(), Text(OptionsText::ApplicationFilter), false);
    if (file && model_.knownApps.Repick(StoredProgramPath(*file, host_.appFolder))) {
        MarkSetModified();
        FillKnownApps();
    }
}

void TfrmOptions::btnOpenListClick() {
    const std::optional<std::u16string> file =
        ChooseList(hwnd(), model_.controls.shownLanguage, false);
    if (!file) {
        return;
    }
    const ListFileResult read = ReadKnownAppList(PathOf(*file));
    if (const auto* error = std::get_if<ListFileError>(&read)) {
        ShowMessage(*error == ListFileError::NotReadable ? OptionsText::ListNotReadable
                                                         : OptionsText::ListNotUnicode,
                    1);
        return;
    }
    model_.knownApps.ReplaceWith(std::get<std::vector<KnownAppEntry>>(read));
    ShowWindow(Control(btnReloadApp), SW_HIDE);
    FillKnownApps();
}

void TfrmOptions::btnSaveListClick() {
    const std::optional<std::u16string> file =
        ChooseList(hwnd(), model_.controls.shownLanguage, true);
    if (file && WriteKnownAppList(PathOf(*file), model_.knownApps.ListEntries())) {
        ShowMessage(OptionsText::ListNotWritable, 1);
    }
}

void TfrmOptions::btnCheckNowClick() {
    if (host_.checkForUpdates && host_.checkForUpdates()) {
        ShowMessage(OptionsText::LatestVersion, 0);
    }
}

} // namespace traxo
