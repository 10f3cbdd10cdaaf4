#pragma once
// The keystrokes editor: the script in edtKeys, a live test into memoTest through the real
// sender, the examples list. A script the sender would stop on is explained, not half-typed.

#include "platform/Keyboard.h"
#include "ui/kit/ModalForm_win.h"

#include <memory>
#include <string>
#include <string_view>

namespace traxo {

class TfrmKeystrokes final : public ModalForm {
public:
    enum : int {
        kLabel1 = 101,
        kEdtKeys,
        kLabel2,
        kLblKeyNames,
        kLabel3,
        kLblModifiers,
        kLabel4,
        kMemoTest,
        kBtnTest,
        kBtnClear,
        kBtnExamples,
        kFrameExamples,
        kLstExamples,
    };

    // keyboard: the sender's keyboard; null for the real one. Must outlive the form.
    explicit TfrmKeystrokes(HWND owner, Keyboard* keyboard = nullptr);
    ~TfrmKeystrokes() override;

    // edtKeys before showing; lblCode after OK.
    void SetScript(std::u16string_view script);
    std::u16string Script() const { return lblCode_; }

    void btnTestClick();
    void btnClearClick();
    void btnExamplesClick();
    void ExpandMe(bool expanded);
    void lstExamplesDblClick();

protected:
    void FormShow() override;
    void OnCommand(int id, int code, HWND control) override;

private:
    void btnOKClick();
    // Shows why the script cannot be sent and selects the place; false when it can be sent.
    bool ExplainProblem(std::u16string_view script, bool offerToKeep, bool& keep);

    std::unique_ptr<Keyboard> ownKeyboard_;
    Keyboard* keyboard_;
    std::u16string lblCode_;
};

} // namespace traxo
