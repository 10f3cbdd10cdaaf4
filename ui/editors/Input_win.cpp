#include "ui/editors/Input_win.h"

#include "platform/WideText_win.h"

namespace traxo {

TfrmInput::TfrmInput(HWND owner)
    // The prompt, the value and the caption are CustomInputQuery's.
    : ModalForm(
          L"TfrmInput", owner, SIZE{478, 104},
          {
              FormControl(kLblHeader, ControlKind::Static, SS_LEFTNOWORDWRAP, 0, 8, 8, 461, 18),
              FormControl(kEdtInput, ControlKind::Edit, ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER, 0,
                          8, 32, 461, 23),
              FormControl(IDOK, ControlKind::Button, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 394, 68, 75,
                          25, DialogText::ButtonOk),
              FormControl(IDCANCEL, ControlKind::Button, BS_PUSHBUTTON | WS_TABSTOP, 0, 313, 68, 75,
                          25, DialogText::ButtonCancel),
          },
          TextRef{}, true) {}

void TfrmInput::FormShow() {
    SetFocus(Control(kEdtInput));
    SendMessageW(Control(kEdtInput), EM_SETSEL, 0, -1);
}

bool CustomInputQuery(TfrmInput& form, HWND parent, std::u16string_view caption,
                      std::u16string_view prompt, std::u16string& value,
                      std::u16string_view cancelCaption, std::u16string_view okCaption) {
    const std::wstring title = WideText(caption);
    SetWindowTextW(form.hwnd(), title.c_str());
    form.SetControlText(TfrmInput::kLblHeader, prompt);
    form.SetControlText(TfrmInput::kEdtInput, value);
    form.SetControlText(IDCANCEL, cancelCaption);
    form.SetControlText(IDOK, okCaption);
    if (form.ShowModal(parent) != kModalResultOk) {
        return false;
    }
    value = form.ControlText(TfrmInput::kEdtInput);
    return true;
}

} // namespace traxo
