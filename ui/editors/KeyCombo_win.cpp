#include "ui/editors/KeyCombo_win.h"

#include "actions/ActionExecution_win.h"
#include "platform/WideText_win.h"
#include "ui/kit/TaskDialog_win.h"

#include <commctrl.h>
#include <vector>

namespace traxo {
namespace {

std::vector<FormRow> KeyComboLayout() {
    std::vector<FormRow> layout = {
        FormControl(TfrmKeyCombo::kLblSpK, ControlKind::Static, 0, 0, 12, 10, 300, 18,
                    DialogText::KeyComboSpecialKeys),
    };
    for (std::size_t t = 0; t < kKeyComboToggleCount; ++t) {
        const int column = static_cast<int>(t % 5);
        const int row = static_cast<int>(t / 5);
        // Captioned with the key's name when the dialog is made.
        layout.push_back(FormControl(TfrmKeyCombo::ToggleId(t), ControlKind::Button,
                                     BS_AUTOCHECKBOX | BS_PUSHLIKE | WS_TABSTOP, 0,
                                     12 + column * 78, 30 + row * 32, 72, 26));
    }
    const FormRow rest[] = {
        FormControl(TfrmKeyCombo::kLblLNK, ControlKind::Static, 0, 0, 12, 102, 300, 18,
                    DialogText::KeyComboOtherKey),
        FormControl(TfrmKeyCombo::kEdtKey, ControlKind::HotKey, WS_TABSTOP | WS_BORDER, 0, 12, 122,
                    150, 23),
        FormControl(TfrmKeyCombo::kLblCombo, ControlKind::Static, SS_LEFTNOWORDWRAP, 0, 12, 158,
                    378, 20),
        FormControl(TfrmKeyCombo::kLblInfoK1, ControlKind::Static, 0, 0, 12, 186, 378, 34,
                    DialogText::KeyComboReserved),
        FormControl(IDOK, ControlKind::Button, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 234, 230, 75, 25,
                    DialogText::ButtonOk),
        FormControl(IDCANCEL, ControlKind::Button, BS_PUSHBUTTON | WS_TABSTOP, 0, 315, 230, 75, 25,
                    DialogText::ButtonCancel),
    };
    layout.insert(layout.end(), std::begin(rest), std::end(rest));
    return layout;
}

std::u16string LayoutKeyName(std::uint8_t virtualKey) {
    UINT scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    if (scanCode == 0) {
        return {};
    }
    wchar_t name[64] = {};
    const int length = GetKeyNameTextW(static_cast<LONG>(scanCode << 16), name, 64);
    return length > 0 ? Utf16Text(std::wstring_view(name, static_cast<std::size_t>(length)))
                      : std::u16string();
}

} // namespace

TfrmKeyCombo::TfrmKeyCombo(HWND owner, PlanningQueries* queries)
    : ModalForm(L"TfrmKeyCombo", owner, SIZE{402, 266}, KeyComboLayout(),
                DialogText::KeyComboCaption),
      queries_(queries) {
    if (queries_ == nullptr) {
        ownQueries_ = std::make_unique<WindowsActionSystem>(nullptr);
        queries_ = ownQueries_.get();
    }
    for (std::size_t t = 0; t < kKeyComboToggleCount; ++t) {
        SetControlText(ToggleId(t), ToggleCaption(static_cast<KeyComboToggle>(t)));
    }
    // One key without modifiers: any modifier the user holds is dropped.
    SendMessageW(Control(kEdtKey), HKM_SETRULES,
                 HKCOMB_A | HKCOMB_C | HKCOMB_CA | HKCOMB_S | HKCOMB_SA | HKCOMB_SC | HKCOMB_SCA,
                 0);
}

TfrmKeyCombo::~TfrmKeyCombo() = default;

void TfrmKeyCombo::FormShow() {
    TranslateMe(CurrentLanguage());
    ClearCombo();
    SetFocus(Control(kFirstToggle));
}

void TfrmKeyCombo::ClearCombo() {
    for (std::size_t t = 0; t < kKeyComboToggleCount; ++t) {
        SendMessageW(Control(ToggleId(t)), BM_SETCHECK, BST_UNCHECKED, 0);
    }
    SendMessageW(Control(kEdtKey), HKM_SETHOTKEY, 0, 0);
    edtKeyChange();
}

void TfrmKeyCombo::edtKeyChange() {
    KeyComboToggles pressed{};
    for (std::size_t t = 0; t < kKeyComboToggleCount; ++t) {
        pressed[t] = SendMessageW(Control(ToggleId(t)), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    const auto hotKey = static_cast<WORD>(SendMessageW(Control(kEdtKey), HKM_GETHOTKEY, 0, 0));
    const std::u16string keyName = ShortcutKeyName(LOBYTE(hotKey), LayoutKeyName);
    combination_ = KeyCombinationText(pressed, keyName);
    valid_ = IsValidKeyCombination(combination_, *queries_);
    SetControlText(kLblCombo, valid_ ? std::u16string_view(combination_)
                                     : InvalidCombinationLabel(CurrentLanguage()));
}

void TfrmKeyCombo::btnOKClick() {
    edtKeyChange();
    if (valid_) {
        CloseWith(kModalResultOk);
        return;
    }
    TaskDialogContent dlgInvalid;
    dlgInvalid.title = DialogString(DialogText::MessageTitle, CurrentLanguage());
    dlgInvalid.content = std::u16string(InvalidCombinationMessage(CurrentLanguage()));
    dlgInvalid.icon = TaskDialogIcon::Error;
    dlgInvalid.buttons = {std::u16string(DialogString(DialogText::ButtonOk, CurrentLanguage()))};
    ShowTaskDialog(hwnd(), dlgInvalid);
}

void TfrmKeyCombo::OnCommand(int id, int code, HWND control) {
    if (id == IDOK) {
        btnOKClick();
        return;
    }
    if ((id >= kFirstToggle && id < kFirstToggle + static_cast<int>(kKeyComboToggleCount)) ||
        (id == kEdtKey && code == EN_CHANGE)) {
        edtKeyChange();
        return;
    }
    ModalForm::OnCommand(id, code, control);
}

} // namespace traxo
