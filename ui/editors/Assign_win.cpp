#include "ui/editors/Assign_win.h"

#include "actions/ActionLists.h"
#include "actions/ActionModel.h"
#include "app/ProductInfo.h"
#include "platform/GdiPaintCanvas_win.h"
#include "platform/WideText_win.h"
#include "ui/editors/AssignRowPainter.h"
#include "ui/editors/Input_win.h"
#include "ui/editors/KeyCombo_win.h"
#include "ui/editors/Keystrokes_win.h"
#include "ui/editors/Program_win.h"
#include "ui/kit/TaskDialog_win.h"
#include "ui/options/FolderChooser_win.h"

#include <windowsx.h>

namespace traxo {
namespace {

constexpr int kTitleColumnWidth = 300;
constexpr int kActionColumnWidth = 320;
// The rows are drawn in the dialog's font at its DPI (row 0 in bold).
FontSpec RowFont(HFONT dialogFont) {
    LOGFONTW logical{};
    GetObjectW(dialogFont, sizeof(logical), &logical);
    FontSpec font;
    font.face = Utf16Text(logical.lfFaceName);
    font.height = logical.lfHeight < 0 ? -logical.lfHeight : logical.lfHeight;
    return font;
}

} // namespace

// The drop-down's editors: the other dialogs, shown modally over this one.
class TfrmAssign::Editors final : public ActionEditors {
public:
    Editors(TfrmAssign& owner, TfrmKeystrokes& keystrokes, TfrmKeyCombo& keyCombo, TfrmInput& input,
            TfrmProgram& program)
        : owner_(owner), keystrokes_(keystrokes), keyCombo_(keyCombo), input_(input),
          program_(program) {}

    std::optional<std::u16string> EditKeystrokes(std::u16string_view script) override {
        keystrokes_.TranslateMe(owner_.CurrentLanguage());
        keystrokes_.SetScript(script);
        if (keystrokes_.ShowModal(owner_.hwnd()) != kModalResultOk) {
            return std::nullopt;
        }
        return keystrokes_.Script();
    }
    std::optional<std::u16string> EditKeyCombination() override {
        keyCombo_.TranslateMe(owner_.CurrentLanguage());
        if (keyCombo_.ShowModal(owner_.hwnd()) != kModalResultOk) {
            return std::nullopt;
        }
        return keyCombo_.Combination();
    }
    std::optional<std::u16string> AskWebAddress(std::u16string_view proposed) override {
        const Language language = owner_.CurrentLanguage();
        std::u16string value(proposed);
        if (!CustomInputQuery(input_, owner_.hwnd(),
                              DialogString(DialogText::WebsiteCaption, language),
                              DialogString(DialogText::WebsitePrompt, language), value,
                              DialogString(DialogText::ButtonCancel, language),
                              DialogString(DialogText::ButtonOk, language))) {
            return std::nullopt;
        }
        return value;
    }
    std::optional<std::u16string> ChooseFolder() override {
        return traxo::ChooseFolder(owner_.hwnd(), owner_.CurrentLanguage());
    }
    std::optional<ProgramFields> EditProgram(const ProgramFields& start) override {
        program_.TranslateMe(owner_.CurrentLanguage());
        program_.SetFields(start);
        if (program_.ShowModal(owner_.hwnd()) != kModalResultOk) {
            return std::nullopt;
        }
        return program_.Fields();
    }

private:
    TfrmAssign& owner_;
    TfrmKeystrokes& keystrokes_;
    TfrmKeyCombo& keyCombo_;
    TfrmInput& input_;
    TfrmProgram& program_;
};

TfrmAssign::TfrmAssign(HWND owner)
    : ModalForm(
          L"TfrmAssign", owner, SIZE{648, 420},
          {
              FormControl(kLblInfo1, ControlKind::Static, 0, 0, 12, 8, 624, 18,
                          DialogText::AssignInfo1),
              FormControl(kLblInfo2, ControlKind::Static, 0, 0, 12, 26, 624, 18,
                          DialogText::AssignInfo2),
              FormControl(kLblInfo3, ControlKind::Static, 0, 0, 12, 44, 624, 18,
                          DialogText::AssignInfo3),
              FormControl(kLstActions, ControlKind::ListView,
                          LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                              LVS_NOSORTHEADER | WS_TABSTOP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                          WS_EX_CLIENTEDGE, 12, 68, 624, 306),
              FormControl(IDOK, ControlKind::Button, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 480, 384, 75,
                          25, DialogText::ButtonOk),
              FormControl(IDCANCEL, ControlKind::Button, BS_PUSHBUTTON | WS_TABSTOP, 0, 561, 384,
                          75, 25, DialogText::ButtonCancel),
          },
          DialogText::AssignCaption) {
    objects_ = std::make_unique<GdiObjectCache>();
    const HWND list = Control(kLstActions);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    // The list asked for its row height while it was being created, before this class answered
    // WM_MEASUREITEM; a change of its size makes it ask again.
    RECT listRect{};
    GetWindowRect(list, &listRect);
    const int listWidth = listRect.right - listRect.left;
    const int listHeight = listRect.bottom - listRect.top;
    for (const int height : {listHeight + 1, listHeight}) {
        SetWindowPos(list, nullptr, 0, 0, listWidth, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    const wchar_t* headers[] = {L"Title", L"Action"};
    const int widths[] = {kTitleColumnWidth, kActionColumnWidth};
    for (int column = 0; column < 2; ++column) {
        LVCOLUMNW spec{};
        spec.mask = LVCF_TEXT | LVCF_WIDTH;
        spec.pszText = const_cast<wchar_t*>(headers[column]);
        spec.cx = Scale(widths[column]);
        ListView_InsertColumn(list, column, &spec);
    }
    // The drop-down is a child of the dialog laid over the list, so its messages come here. The
    // list clips its siblings: painting the selected row (when the drop-down takes the focus, or
    // an editor closes) must not paint over the drop-down.
    const HWND combo = CreateWindowExW(0, L"COMBOBOX", L"",
                                       WS_CHILD | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST |
                                           CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                                       0, 0, Scale(kActionColumnWidth), Scale(300), hwnd(),
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(kComboAction)),
                                       GetModuleHandleW(nullptr), nullptr);
    SendMessageW(combo, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
    SendMessageW(combo, CB_SETMINVISIBLE, 40, 0);
    SetWindowPos(combo, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

TfrmAssign::~TfrmAssign() {
    if (hwnd() != nullptr) {
        DestroyWindow(hwnd());
    }
}

void TfrmAssign::UseEditors(TfrmKeystrokes& keystrokes, TfrmKeyCombo& keyCombo, TfrmInput& input,
                            TfrmProgram& program) {
    editors_ = std::make_unique<Editors>(*this, keystrokes, keyCombo, input, program);
}

bool TfrmAssign::EditMotion(HWND parent, MotionSet& set, int motionIndex, Language language) {
    rows_ = RowsFromMotion(set, motionIndex, language);
    if (rows_.empty()) {
        return false;
    }
    TranslateMe(language);
    FillList();
    if (ShowModal(parent) != kModalResultOk) {
        return false;
    }
    if (const std::size_t dropped = WriteRowsToMotion(set, motionIndex, rows_); dropped > 0) {
        const std::wstring text =
            WideText(DialogStringWithCount(DialogText::AssignRulesDropped, dropped, language));
        MessageBoxW(parent, text.c_str(), kProductTitle, MB_OK | MB_ICONWARNING);
    }
    return true;
}

void TfrmAssign::FillList() {
    const HWND list = Control(kLstActions);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(list);
    ListView_SetImageList(list, imgApps_, LVSIL_SMALL);
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        const std::wstring title = WideText(rows_[r].title);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(r);
        item.pszText = const_cast<wchar_t*>(title.c_str());
        ListView_InsertItem(list, &item);
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    comboTag_ = -1;
    SelectRow(0);
}

// The dialog is shown right after this; the message arrives once it is on the screen.
constexpr UINT kShownMessage = WM_APP + 40;
// The open list has closed: its choice is carried out or dropped once every notification of the
// closing has arrived, whichever order the system sends them in.
constexpr UINT kListClosedMessage = WM_APP + 41;
// The closed box opens when the user types in it.
constexpr UINT kOpenComboMessage = WM_APP + 42;

void TfrmAssign::FormShow() {
    SetFocus(Control(kLstActions));
    PostMessageW(hwnd(), kShownMessage, 0, 0);
}

int TfrmAssign::SelectedRow() const {
    return ListView_GetNextItem(Control(kLstActions), -1, LVNI_SELECTED);
}

void TfrmAssign::SelectRow(int row) {
    const HWND list = Control(kLstActions);
    ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(list, row, FALSE);
    RECT rect{};
    if (ListView_GetItemRect(list, row, &rect, LVIR_BOUNDS)) {
        PlaceCombo(rect, row);
    }
    InvalidateRect(list, nullptr, FALSE);
}

int TfrmAssign::ComboEntryCount() const {
    return static_cast<int>(SendMessageW(Control(kComboAction), CB_GETCOUNT, 0, 0));
}

void TfrmAssign::ChooseEntry(int entry) {
    SendMessageW(Control(kComboAction), CB_SETCURSEL, entry, 0);
    comboActionSelect();
}

void TfrmAssign::UpdateComboAction() {
    const int row = SelectedRow();
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size()) {
        return;
    }
    const HWND combo = Control(kComboAction);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    // Entry 0 is the action itself, kept in UTF-16 and whole.
    const std::wstring current = WideText(rows_[row].action);
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(current.c_str()));
    comboRows_ = ComboActionRows(static_cast<std::size_t>(row));
    for (const std::size_t actionRow : comboRows_) {
        const std::wstring text = WideText(kActionLists[actionRow].english);
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    comboTag_ = row;
}

void TfrmAssign::PlaceCombo(const RECT& rowRect, int row) {
    const HWND list = Control(kLstActions);
    const HWND combo = Control(kComboAction);
    RECT listRect{};
    GetWindowRect(list, &listRect);
    MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&listRect), 2);
    POINT origin{0, 0};
    ClientToScreen(list, &origin);
    ScreenToClient(hwnd(), &origin);
    const int firstColumn = ListView_GetColumnWidth(list, 0);
    RECT client{};
    GetClientRect(list, &client);
    const int rowWidth = rowRect.right - rowRect.left;
    const int left = origin.x + rowRect.left + firstColumn;
    const int top = origin.y + rowRect.top + 1;
    const int width = std::min<int>(client.right, rowWidth) - firstColumn - 1;
    const int itemHeight = std::max<int>(rowRect.bottom - rowRect.top - 8, 12);
    // Every row drawing comes here. Moving or resizing the box, or setting its height, closes
    // an open list without a word, so the box is touched only when its place changes.
    if (SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0) {
        return;
    }
    if (left != comboLeft_ || top != comboTop_ || width != comboWidth_) {
        SetWindowPos(combo, HWND_TOP, left, top, std::max(width, 20), Scale(300),
                     SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    if (itemHeight != comboItemHeight_) {
        SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), itemHeight);
        comboItemHeight_ = itemHeight;
    }
    const bool moved = left != comboLeft_ || width != comboWidth_;
    comboLeft_ = left;
    comboTop_ = top;
    comboWidth_ = width;
    if (row != comboTag_ || moved) {
        UpdateComboAction();
    }
}

void TfrmAssign::comboActionSelect() {
    const int row = SelectedRow();
    const HWND combo = Control(kComboAction);
    const auto entry = static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
    if (selecting_ || row < 0 || static_cast<std::size_t>(row) >= rows_.size() || entry <= 0 ||
        static_cast<std::size_t>(entry) > comboRows_.size() || editors_ == nullptr) {
        return;
    }
    selecting_ = true; // the editors run their own loops, which may deliver more notifications
    const std::u16string action = traxo::comboActionSelect(
        comboRows_[static_cast<std::size_t>(entry) - 1], rows_[row].action, *editors_);
    selecting_ = false;
    rows_[row].action = action;
    const std::wstring wide = WideText(action);
    SendMessageW(combo, CB_DELETESTRING, 0, 0);
    SendMessageW(combo, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    if (onModified) {
        onModified();
    }
    InvalidateRect(Control(kLstActions), nullptr, FALSE);
    InvalidateRect(combo, nullptr, TRUE);
}

// Only a choice the user confirms (a click or Enter in the open list) is carried out; one closed
// with Esc or by clicking elsewhere puts the current action back. Typing in the closed box
// opens it rather than choosing at once.
void TfrmAssign::comboActionNotify(int code) {
    switch (code) {
    case CBN_DROPDOWN:
        listOpen_ = true;
        choiceConfirmed_ = false;
        break;
    case CBN_SELENDOK:
        choiceConfirmed_ = listOpen_;
        break;
    case CBN_SELENDCANCEL:
        choiceConfirmed_ = false;
        break;
    case CBN_CLOSEUP:
        PostMessageW(hwnd(), kListClosedMessage, 0, 0);
        break;
    case CBN_SELCHANGE:
        if (!listOpen_ && !selecting_) {
            PostMessageW(hwnd(), kOpenComboMessage, 0, 0);
        }
        break;
    default:
        break;
    }
}

void TfrmAssign::comboActionListClosed() {
    const bool confirmed = choiceConfirmed_;
    listOpen_ = false;
    choiceConfirmed_ = false;
    if (confirmed) {
        comboActionSelect();
    } else {
        SendMessageW(Control(kComboAction), CB_SETCURSEL, 0, 0);
    }
}

void TfrmAssign::lstActionsCustomDrawItem(const DRAWITEMSTRUCT& item) {
    const int row = static_cast<int>(item.itemID);
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size()) {
        return;
    }
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    ShowWindow(Control(kComboAction), SelectedRow() < 0 ? SW_HIDE : SW_SHOW);
    const RECT& area = item.rcItem;
    const AssignRowPlace place{row,
                               {area.left, area.top, area.right, area.bottom},
                               ListView_GetColumnWidth(Control(kLstActions), 0),
                               selected};
    {
        GdiPaintCanvas canvas(item.hDC, objects_.get());
        canvas.SetAppIcons(imgApps_);
        PaintAssignRow(canvas, rows_[row], place,
                       ActionToFullText(rows_[row].action, CurrentLanguage()), RowFont(Font()),
                       DpiScale{Dpi()});
    }
    if (selected) {
        PlaceCombo(item.rcItem, row);
    }
}

// Entry 0 is the selected row's action; entry e >= 1 the action-list row comboRows_[e - 1].
std::u16string TfrmAssign::EntryText(int entry) const {
    if (entry == 0) {
        const int row = SelectedRow();
        if (row >= 0 && static_cast<std::size_t>(row) < rows_.size()) {
            return ActionToFullText(rows_[row].action, CurrentLanguage());
        }
    } else if (entry > 0 && static_cast<std::size_t>(entry) <= comboRows_.size()) {
        const ActionListRow& listRow =
            kActionLists[comboRows_[static_cast<std::size_t>(entry) - 1]];
        return std::u16string(listRow.In(CurrentLanguage()));
    }
    return {};
}

void TfrmAssign::comboActionDrawItem(const DRAWITEMSTRUCT& item) {
    const int entry = static_cast<int>(item.itemID);
    const bool open = SendMessageW(Control(kComboAction), CB_GETDROPPEDSTATE, 0, 0) != 0 &&
                      (item.itemState & ODS_COMBOBOXEDIT) == 0;
    const RECT& area = item.rcItem;
    const AssignEntryPlace place{entry,
                                 {area.left, area.top, area.right, area.bottom},
                                 open,
                                 (item.itemState & ODS_SELECTED) != 0,
                                 (item.itemState & ODS_FOCUS) != 0};
    GdiPaintCanvas canvas(item.hDC, objects_.get());
    PaintAssignEntry(canvas, EntryText(entry), place, RowFont(Font()), DpiScale{Dpi()});
}

void TfrmAssign::OnCommand(int id, int code, HWND control) {
    if (id == kComboAction) {
        comboActionNotify(code);
        return;
    }
    if (id == IDOK && onOk) {
        onOk();
    }
    ModalForm::OnCommand(id, code, control);
}

HWND TfrmAssign::NextTabStop(HWND from, bool backwards) {
    const HWND list = Control(kLstActions);
    const HWND combo = Control(kComboAction);
    const bool comboShown = IsWindowVisible(combo) != FALSE;
    if (from == list && comboShown) {
        return backwards ? GetNextDlgTabItem(hwnd(), combo, TRUE) : combo;
    }
    if (from == combo) {
        return backwards ? list : GetNextDlgTabItem(hwnd(), list, FALSE);
    }
    return nullptr;
}

LRESULT TfrmAssign::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kShownMessage:
        if (onShown) {
            onShown();
        }
        return 0;
    case kListClosedMessage:
        comboActionListClosed();
        return 0;
    case kOpenComboMessage:
        SendMessageW(Control(kComboAction), CB_SHOWDROPDOWN, TRUE, 0);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && onActivated) {
            onActivated();
        }
        break;
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlType == ODT_LISTVIEW) {
            lstActionsCustomDrawItem(item);
        } else if (item.CtlType == ODT_COMBOBOX) {
            comboActionDrawItem(item);
        }
        return TRUE;
    }
    case WM_MEASUREITEM: {
        auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (measure.CtlType == ODT_LISTVIEW) {
            measure.itemHeight = static_cast<UINT>(Scale(24));
        } else {
            measure.itemHeight = static_cast<UINT>(Scale(18));
        }
        return TRUE;
    }
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.idFrom == static_cast<UINT_PTR>(kLstActions) && header.code == LVN_ITEMCHANGED) {
            const auto& change = *reinterpret_cast<const NMLISTVIEW*>(lParam);
            if ((change.uNewState ^ change.uOldState) & LVIS_SELECTED) {
                const int row = SelectedRow();
                if (row < 0) {
                    ShowWindow(Control(kComboAction), SW_HIDE);
                } else {
                    RECT rect{};
                    ListView_GetItemRect(Control(kLstActions), row, &rect, LVIR_BOUNDS);
                    PlaceCombo(rect, row);
                }
            }
        }
        break;
    }
    default:
        break;
    }
    return ModalForm::HandleMessage(message, wParam, lParam);
}

// The rows follow the dialog's font to the new DPI (RowFont), the rows and columns their sizes.
void TfrmAssign::DpiChanged(int /*oldDpi*/) {
    const HWND list = Control(kLstActions);
    ListView_SetColumnWidth(list, 0, Scale(kTitleColumnWidth));
    ListView_SetColumnWidth(list, 1, Scale(kActionColumnWidth));
    // An owner-drawn list asks for its row height again when its font is set.
    SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), TRUE);
}

} // namespace traxo
