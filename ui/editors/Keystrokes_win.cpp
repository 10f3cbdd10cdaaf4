#include "ui/editors/Keystrokes_win.h"

#include "actions/ScriptCheck.h"
#include "actions/sndkey32.h"
#include "platform/Keyboard_win.h"
#include "platform/WideText_win.h"
#include "ui/kit/TaskDialog_win.h"

#include <iterator>

namespace traxo {
namespace {

constexpr int kCollapsedHeight = 330; // the window's height, 96-DPI units
constexpr int kExpandedHeight = 438;

constexpr std::u16string_view kExamples[] = {
    u"{capslock}capital letters{capslock}",
    u"myname{tab}mypassword{enter}",
    u"Traxo is a gesture tool[ctrl:{left}{left}]useful {end}!{enter}",
    u"\\{curly\\}, \\[straight\\], \\\\backslash\\\\!",
    u"Try this in a word processor.{home}[shift:{end}][ctrl:b]",
    u"\\{{enter}{enter}\\}{up}{tab}",
    u"begin{enter}{enter}end;{up}{tab}",
    u"<a href=\"\"></a>{left}{left}{left}{left}{left}{left}",
};

std::vector<FormRow> KeystrokesLayout() {
    using F = TfrmKeystrokes;
    return {
        FormControl(F::kLabel1, ControlKind::Static, 0, 0, 12, 10, 496, 18,
                    DialogText::KeystrokesLabel1),
        FormControl(F::kEdtKeys, ControlKind::Edit, ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER, 0, 12,
                    30, 496, 23),
        FormControl(F::kLabel2, ControlKind::Static, 0, 0, 12, 62, 496, 18,
                    DialogText::KeystrokesLabel2),
        FormControl(F::kLblKeyNames, ControlKind::Static, 0, 0, 24, 80, 484, 32, // two lines
                    DialogText::KeystrokesKeyNames),
        FormControl(F::kLabel3, ControlKind::Static, 0, 0, 12, 114, 240, 18,
                    DialogText::KeystrokesLabel3),
        FormControl(F::kLblModifiers, ControlKind::Static, 0, 0, 254, 114, 254, 18,
                    DialogText::KeystrokesModifiers),
        FormControl(F::kLabel4, ControlKind::Static, 0, 0, 12, 136, 496, 32,
                    DialogText::KeystrokesLabel4),
        FormControl(F::kMemoTest, ControlKind::Edit,
                    ES_MULTILINE | ES_READONLY | ES_WANTRETURN | WS_VSCROLL | WS_BORDER, 0, 12, 174,
                    408, 66),
        FormControl(F::kBtnTest, ControlKind::Button, BS_PUSHBUTTON | WS_TABSTOP, 0, 433, 174, 75,
                    25, DialogText::KeystrokesTest),
        FormControl(F::kBtnClear, ControlKind::Button, BS_PUSHBUTTON | WS_TABSTOP, 0, 433, 206, 75,
                    25, DialogText::KeystrokesClear),
        FormControl(F::kBtnExamples, ControlKind::Button,
                    BS_AUTOCHECKBOX | BS_PUSHLIKE | WS_TABSTOP, 0, 12, 254, 120, 25,
                    DialogText::KeystrokesShowExamples),
        FormControl(IDOK, ControlKind::Button, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 352, 254, 75, 25,
                    DialogText::ButtonOk),
        FormControl(IDCANCEL, ControlKind::Button, BS_PUSHBUTTON | WS_TABSTOP, 0, 433, 254, 75, 25,
                    DialogText::ButtonCancel),
        // Transparent, so that the form's own erasing reaches inside it: a group box draws only
        // its frame, and its inside stayed unpainted (black) when the form opened expanded.
        FormControl(F::kFrameExamples, ControlKind::Button, BS_GROUPBOX, WS_EX_TRANSPARENT, 12, 288,
                    496, 104, DialogText::KeystrokesLabel5),
        FormControl(F::kLstExamples, ControlKind::ListBox,
                    LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 0, 22,
                    306, 476, 78),
    };
}

} // namespace

TfrmKeystrokes::TfrmKeystrokes(HWND owner, Keyboard* keyboard)
    : ModalForm(L"TfrmKeystrokes", owner, SIZE{520, 404}, KeystrokesLayout(),
                DialogText::KeystrokesCaption),
      keyboard_(keyboard) {
    if (keyboard_ == nullptr) {
        ownKeyboard_ = std::make_unique<WindowsKeyboard>();
        keyboard_ = ownKeyboard_.get();
    }
    for (const std::u16string_view example : kExamples) {
        const std::wstring text = WideText(example);
        SendMessageW(Control(kLstExamples), LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(text.c_str()));
    }
    ExpandMe(false);
}

TfrmKeystrokes::~TfrmKeystrokes() = default;

void TfrmKeystrokes::SetScript(std::u16string_view script) {
    SetControlText(kEdtKeys, script);
}

void TfrmKeystrokes::FormShow() {
    TranslateMe(CurrentLanguage());
    ExpandMe(SendMessageW(Control(kBtnExamples), BM_GETCHECK, 0, 0) == BST_CHECKED);
    SetFocus(Control(kEdtKeys));
}

void TfrmKeystrokes::ExpandMe(bool expanded) {
    RECT frame{};
    GetWindowRect(hwnd(), &frame);
    SetWindowPos(hwnd(), nullptr, 0, 0, frame.right - frame.left,
                 Scale(expanded ? kExpandedHeight : kCollapsedHeight),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(Control(kFrameExamples), expanded ? SW_SHOW : SW_HIDE);
    ShowWindow(Control(kLstExamples), expanded ? SW_SHOW : SW_HIDE);
    SetControlText(kBtnExamples, DialogString(expanded ? DialogText::KeystrokesHideExamples
                                                       : DialogText::KeystrokesShowExamples,
                                              CurrentLanguage()));
}

void TfrmKeystrokes::btnExamplesClick() {
    ExpandMe(SendMessageW(Control(kBtnExamples), BM_GETCHECK, 0, 0) == BST_CHECKED);
}

bool TfrmKeystrokes::ExplainProblem(std::u16string_view script, bool offerToKeep, bool& keep) {
    keep = false;
    const auto problem = FindScriptProblem(MyFormatToTheirs(script), *keyboard_);
    if (!problem) {
        return false;
    }
    if (const auto at = script.find(problem->excerpt);
        !problem->excerpt.empty() && at != std::u16string_view::npos) {
        SendMessageW(Control(kEdtKeys), EM_SETSEL, at, at + problem->excerpt.size());
    }
    const Language language = CurrentLanguage();
    TaskDialogContent message;
    message.title = DialogString(DialogText::MessageTitle, language);
    message.content = DescribeScriptProblem(*problem, script, CurrentLanguage());
    message.icon = offerToKeep ? TaskDialogIcon::Warning : TaskDialogIcon::Error;
    if (offerToKeep) {
        message.buttons = {
            std::u16string(DialogString(DialogText::KeystrokesEdit, language)),
            std::u16string(DialogString(DialogText::KeystrokesSaveAnyway, language))};
    } else {
        message.buttons = {std::u16string(DialogString(DialogText::ButtonOk, language))};
    }
    keep = ShowTaskDialog(hwnd(), message) == TaskButtonResult(1) && offerToKeep;
    SetFocus(Control(kEdtKeys));
    return true;
}

void TfrmKeystrokes::btnTestClick() {
    const std::u16string script = ControlText(kEdtKeys);
    bool keep = false;
    if (ExplainProblem(script, false, keep)) {
        return;
    }
    const HWND memo = Control(kMemoTest);
    SendMessageW(memo, EM_SETREADONLY, FALSE, 0);
    SetFocus(memo);
    SendScript(*keyboard_, MyFormatToTheirs(script), true);
    SendMessageW(memo, EM_SETREADONLY, TRUE, 0);
}

void TfrmKeystrokes::btnClearClick() {
    SetControlText(kMemoTest, u"");
}

void TfrmKeystrokes::lstExamplesDblClick() {
    const HWND list = Control(kLstExamples);
    const auto index = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (index < 0 || static_cast<std::size_t>(index) >= std::size(kExamples)) {
        return;
    }
    SetScript(kExamples[index]);
    btnTestClick();
}

void TfrmKeystrokes::btnOKClick() {
    const std::u16string script = ControlText(kEdtKeys);
    bool keep = false;
    if (!script.empty() && ExplainProblem(script, true, keep) && !keep) {
        return;
    }
    lblCode_ = script;
    CloseWith(kModalResultOk);
}

void TfrmKeystrokes::OnCommand(int id, int code, HWND control) {
    switch (id) {
    case IDOK:
        btnOKClick();
        return;
    case kBtnTest:
        btnTestClick();
        return;
    case kBtnClear:
        btnClearClick();
        return;
    case kBtnExamples:
        btnExamplesClick();
        return;
    case kLstExamples:
        if (code == LBN_DBLCLK) {
            lstExamplesDblClick();
        }
        return;
    default:
        ModalForm::OnCommand(id, code, control);
    }
}

} // namespace traxo
