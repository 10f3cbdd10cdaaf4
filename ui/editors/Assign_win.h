#pragma once
// The assign dialog: "all programs" and every known program with its action, and a drop-down
// over the selected row's action cell that stores an action or opens its editor. The rows and
// every decision come from actions/AssignRules, their looks from ui/editors/AssignRowPainter; this
// window carries them out and moves text.

#include "actions/AssignRules.h"
#include "platform/Language.h"
#include "platform/PaintCanvas.h" // before <windows.h> renames its DrawText
#include "ui/kit/ModalForm_win.h"

#include <commctrl.h>
#include <functional>
#include <memory>
#include <vector>

namespace traxo {

class TfrmKeystrokes;
class TfrmKeyCombo;
class TfrmInput;
class TfrmProgram;
class GdiObjectCache;

class TfrmAssign final : public ModalForm {
public:
    enum : int { kLblInfo1 = 101, kLblInfo2, kLblInfo3, kLstActions, kComboAction };

    explicit TfrmAssign(HWND owner);
    ~TfrmAssign() override;

    // The editors the drop-down opens; all must outlive the dialog.
    void UseEditors(TfrmKeystrokes& keystrokes, TfrmKeyCombo& keyCombo, TfrmInput& input,
                    TfrmProgram& program);
    // imgApps: icon 0 for all programs, icon r for known program r - 1 (owned by the caller).
    void SetAppIcons(HIMAGELIST icons) { imgApps_ = icons; }
    // Called whenever a choice changes a row: the set's modified flag.
    std::function<void()> onModified;
    // Once the dialog is on the screen; whenever it becomes active; when OK is pressed.
    std::function<void()> onShown, onActivated, onOk;

    // btnAssignClick's dialog: shows the motion's rows and, on OK, writes them back. Returns
    // true on OK. Rules that did not fit the record are reported to the user.
    bool EditMotion(HWND parent, MotionSet& set, int motionIndex, Language language);

    // The rows as they stand (for tests and the caller).
    const std::vector<AssignRow>& Rows() const { return rows_; }
    int SelectedRow() const;
    void SelectRow(int row);
    // Picks entry `entry` of the drop-down as the user would (0 is the current action).
    void ChooseEntry(int entry);
    int ComboEntryCount() const;

protected:
    void FormShow() override;
    void OnCommand(int id, int code, HWND control) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DpiChanged(int oldDpi) override;
    // The action box lies over the list and comes after it in Tab's order, though above it.
    HWND NextTabStop(HWND from, bool backwards) override;

private:
    class Editors;

    void FillList();
    void UpdateComboAction();
    void comboActionSelect();
    void comboActionNotify(int code);
    void comboActionListClosed();
    void lstActionsCustomDrawItem(const DRAWITEMSTRUCT& item);
    void comboActionDrawItem(const DRAWITEMSTRUCT& item);
    std::u16string EntryText(int entry) const;
    void PlaceCombo(const RECT& rowRect, int row);

    std::vector<AssignRow> rows_;
    std::vector<std::size_t> comboRows_; // the action-list row of entries 1..n
    std::unique_ptr<Editors> editors_;
    HIMAGELIST imgApps_ = nullptr;
    std::unique_ptr<GdiObjectCache> objects_; // the rows' fonts
    int comboTag_ = -1;
    int comboLeft_ = -1;
    int comboTop_ = -1;
    int comboWidth_ = -1;
    int comboItemHeight_ = -1;
    bool selecting_ = false;
    bool listOpen_ = false;        // from the drop-down's opening until its closing is handled
    bool choiceConfirmed_ = false; // the open list's choice was confirmed, not cancelled
};

} // namespace traxo
