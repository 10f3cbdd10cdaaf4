#pragma once
// The key-combination editor: ten toggles and one key, the text built and checked as it changes.

#include "actions/KeyCombination.h"
#include "ui/kit/ModalForm_win.h"

#include <cstddef>
#include <memory>
#include <string>

namespace traxo {

class TfrmKeyCombo final : public ModalForm {
public:
    enum : int {
        kFirstToggle = 200, // the ten toggles, in KeyComboToggle order
        kEdtKey = 220,
        kLblCombo,
        kLblSpK,
        kLblLNK,
        kLblInfoK1,
    };
    // The control id of a toggle (a KeyComboToggle).
    static constexpr int ToggleId(std::size_t toggle) {
        return kFirstToggle + static_cast<int>(toggle);
    }

    // queries: the shortcut parser's key names; must outlive the form. Without it the form
    // asks the keyboard layout itself.
    explicit TfrmKeyCombo(HWND owner, PlanningQueries* queries = nullptr);
    ~TfrmKeyCombo() override;

    // lblCombo: the combination text, and its tag (1 when valid).
    std::u16string Combination() const { return combination_; }
    bool ComboValid() const { return valid_; }

    void edtKeyChange();
    void ClearCombo();

protected:
    void FormShow() override;
    void OnCommand(int id, int code, HWND control) override;

private:
    void btnOKClick();

    std::unique_ptr<PlanningQueries> ownQueries_;
    PlanningQueries* queries_;
    std::u16string combination_;
    bool valid_ = false;
};

} // namespace traxo
