#pragma once
// The one-line input dialog: created once at start, reused by CustomInputQuery.

#include "ui/kit/ModalForm_win.h"

#include <string>
#include <string_view>

namespace traxo {

class TfrmInput final : public ModalForm {
public:
    enum : int { kLblHeader = 101, kEdtInput = 102 };

    explicit TfrmInput(HWND owner);

protected:
    void FormShow() override;
};

// Asks for one line of text. On OK: true, and `value` is what the edit held; otherwise false and
// `value` is left as it was, whatever was typed.
bool CustomInputQuery(TfrmInput& form, HWND parent, std::u16string_view caption,
                      std::u16string_view prompt, std::u16string& value,
                      std::u16string_view cancelCaption, std::u16string_view okCaption);

} // namespace traxo
