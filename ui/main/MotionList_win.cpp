// ListBox1: the owner-drawn motion list with fixed rows, each painted by the portable row painter
// into an off-screen bitmap, and the action button laid over the selected row.
#include "controls/HighContrast_win.h"
#include "ui/main/MainButtons.h"
#include "ui/main/MainWindowContrast.h"
#include "ui/main/MainWindowIds_win.h"
#include "ui/main/MainWindow_win.h"

#include <string>

namespace traxo {

void TgestureConfigForm::CreateMotionList() {
    const Rect place = ClientRectOf(MainControl::ListBox1);
    // No border, fixed rows; it clips the action button that lies over it.
    ListBox1_ =
        CreateWindowExW(0, L"LISTBOX", L"",
                        WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_CLIPSIBLINGS | WS_TABSTOP |
                            LBS_OWNERDRAWFIXED | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                        place.left, place.top, place.right - place.left, place.bottom - place.top,
                        hwnd(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kListBox1Id)),
                        GetModuleHandleW(nullptr), nullptr);
    SendMessageW(ListBox1_, LB_SETITEMHEIGHT, 0, scale_(kMotionRowHeight));
    SetWindowSubclass(ListBox1_, FollowScrolls, 1, reinterpret_cast<DWORD_PTR>(this));
}

// The action button is the main window's child laid over the list: every scroll moves or hides
// it, whether or not the list draws a row.
LRESULT CALLBACK TgestureConfigForm::FollowScrolls(HWND list, UINT message, WPARAM wParam,
                                                   LPARAM lParam, UINT_PTR, DWORD_PTR form) {
    if (message == WM_GETOBJECT) {
        auto* self = reinterpret_cast<TgestureConfigForm*>(form);
        if (const LRESULT object = self->listAccessible_.Answer(list, wParam, lParam);
            object != 0) {
            return object;
        }
    }
    const LRESULT result = DefSubclassProc(list, message, wParam, lParam);
    if (message == WM_VSCROLL || message == WM_MOUSEWHEEL) {
        RunGuarded([form] { reinterpret_cast<TgestureConfigForm*>(form)->FollowListScroll(); },
                   [] {});
    }
    return result;
}

void TgestureConfigForm::MeasureItem(MEASUREITEMSTRUCT& item) const {
    item.itemHeight = static_cast<UINT>(scale_(kMotionRowHeight));
}

void TgestureConfigForm::ListBox1DrawItem(const DRAWITEMSTRUCT& item) {
    if (item.hwndItem != ListBox1_) {
        return;
    }
    const LRESULT selected = SendMessageW(ListBox1_, LB_GETCURSEL, 0, 0);
    if (selected != LB_ERR) {
        RECT selectedRow{};
        SendMessageW(ListBox1_, LB_GETITEMRECT, static_cast<WPARAM>(selected),
                     reinterpret_cast<LPARAM>(&selectedRow));
        PlaceActionPanel(static_cast<int>(selected), {selectedRow.left, selectedRow.top,
                                                      selectedRow.right, selectedRow.bottom});
    }
    const RECT& r = item.rcItem;
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    if (static_cast<int>(item.itemID) < 0 || width <= 0 || height <= 0 ||
        !rowBitmap_.Resize(width, height)) {
        return;
    }
    {
        GdiPaintCanvas canvas(rowBitmap_.Dc(), &objects_);
        canvas.SetAppIcons(imgApps_);
        const MotionRowState state{(item.itemState & ODS_SELECTED) != 0,
                                   (item.itemState & ODS_FOCUS) != 0};
        const SystemColours* highContrast = HighContrastColours();
        traxo::ListBox1DrawItem(
            canvas, motionSet_, static_cast<int>(item.itemID), {0, 0, width, height}, state,
            settings_.language, listFonts_, scale_,
            highContrast ? HighContrastRows(*highContrast) : MotionRowColours{});
    }
    rowBitmap_.Copy(item.hDC, r.left, r.top);
}

void TgestureConfigForm::PlaceActionPanel(int selected, Rect selectedRow) {
    if (buttons_.count(MainControl::btnAssign) == 0) {
        return; // a row drawn while the controls are being made
    }
    RECT listClient{};
    GetClientRect(ListBox1_, &listClient);
    const Rect panel = ClientRectOf(MainControl::comboActionsPanel);
    const Size panelSize{panel.right - panel.left, panel.bottom - panel.top};
    const ActionPanelPlacement placement = traxo::PlaceActionPanel(
        actionPanel_, motionSet_, selected, selectedRow, {listClient.right, listClient.bottom},
        panelSize, settings_.language, scale_);
    actionPanel_ = placement.panel;
    if (!placement.changed) {
        return;
    }
    TDynamicOpaqueButton& assign = *buttons_.at(MainControl::btnAssign);
    if (placement.captionChanged) {
        assign.SetCaption(actionPanel_.caption);
        UpdateActionTooltip(selected);
    }
    if (!actionPanel_.visible) {
        assign.SetVisible(false); // its row is scrolled out of view
        return;
    }
    const Rect list = ClientRectOf(MainControl::ListBox1);
    const int left = list.left + actionPanel_.left;
    const int top = list.top + actionPanel_.top;
    assign.SetBounds({left, top, left + panelSize.width, top + panelSize.height});
    ClipActionButton(assign.hwnd(), actionPanel_.shown, panelSize);
    assign.SetVisible(true);
    SetWindowPos(assign.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TgestureConfigForm::ClipActionButton(HWND button, Rect shown, Size panelSize) {
    const bool whole = shown == Rect{0, 0, panelSize.width, panelSize.height};
    // The system owns the region once it is set.
    const HRGN region =
        whole ? nullptr : CreateRectRgn(shown.left, shown.top, shown.right, shown.bottom);
    SetWindowRgn(button, region, TRUE);
}

void TgestureConfigForm::FollowListScroll() {
    const LRESULT selected = SendMessageW(ListBox1_, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR) {
        return;
    }
    RECT row{};
    SendMessageW(ListBox1_, LB_GETITEMRECT, static_cast<WPARAM>(selected),
                 reinterpret_cast<LPARAM>(&row));
    PlaceActionPanel(static_cast<int>(selected), {row.left, row.top, row.right, row.bottom});
}

void TgestureConfigForm::HideActionPanel() {
    actionPanel_ = HiddenActionPanel(actionPanel_);
    if (auto assign = buttons_.find(MainControl::btnAssign); assign != buttons_.end()) {
        assign->second->SetVisible(false);
    }
}

void TgestureConfigForm::ListBox1Click() {
    const LRESULT selected = SendMessageW(ListBox1_, LB_GETCURSEL, 0, 0);
    document_.SelectMotion(selected == LB_ERR ? -1 : static_cast<int>(selected));
    if (document_.selectedIndex() < 0) {
        HideActionPanel();
        ClearPad();
    } else {
        pad_->ShowMotion(document_.selectedIndex());
    }
    pad_->SetIdle();
    UpdateButtons();
    if (document_.selectedIndex() >= 0) {
        // A reader follows the selection, whether the mouse or the keys moved it.
        AccessibleHost::Notify(ListBox1_, EVENT_OBJECT_SELECTION, document_.selectedIndex() + 1);
        if (GetFocus() == ListBox1_) {
            AccessibleHost::Notify(ListBox1_, EVENT_OBJECT_FOCUS, document_.selectedIndex() + 1);
        }
    }
}

void TgestureConfigForm::updateList() {
    if (!IsWindowVisible(hwnd())) {
        listWaiting_ = true;
        FollowModifiedInCaption();
        return;
    }
    FillList();
}

void TgestureConfigForm::FillList() {
    listWaiting_ = false;
    const GestureList list = document_.updateList();
    SendMessageW(ListBox1_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(ListBox1_, LB_RESETCONTENT, 0, 0);
    HideActionPanel();
    for (const std::u16string& entry : list.entries) {
        const std::wstring text(entry.begin(), entry.end());
        SendMessageW(ListBox1_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageW(ListBox1_, LB_SETCURSEL, static_cast<WPARAM>(list.selected), 0);
    SendMessageW(ListBox1_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(ListBox1_, nullptr, TRUE);
    FollowModifiedInCaption(); // the list is refilled or repainted after every edit of the set
}

void TgestureConfigForm::RepaintMotionList() {
    InvalidateRect(ListBox1_, nullptr, FALSE);
    FollowModifiedInCaption();
}

void TgestureConfigForm::SelectAndFocusMotion(int index) {
    document_.SelectMotion(index);
    updateList();
    SetFocus(ListBox1_);
}

} // namespace traxo
