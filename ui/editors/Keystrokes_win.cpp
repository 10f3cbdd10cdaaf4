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

std::vector<ControlSpec> KeystrokesLayout() {
    using F = TfrmKeystrokes;
    return {
        {F::kLabel1, L"STATIC", 0, 0, 12, 10, 496, 18, DialogTexts(DialogText::KeystrokesLabel1)},
        {F::kEdtKeys, L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER, 0, 12, 30, 496, 23},
        {F::kLabel2, L"STATIC", 0, 0, 12, 62, 496, 18, DialogTexts(DialogText::KeystrokesLabel2)},
        {F::kLblKeyNames, L"STATIC", 0, 0, 24, 80, 484, 32, // two lines
         DialogTexts(DialogText::KeystrokesKeyNames)},
        {F::kLabel3, L"STATIC", 0, 0, 12, 114, 240, 18, DialogTexts(DialogText::KeystrokesLabel3)},
        {F::kLblModifiers, L"STATIC", 0, 0, 254, 114, 254, 18,
         DialogTexts(DialogText::KeystrokesModifiers)},
        {F::kLabel4, L"STATIC", 0, 0, 12, 136, 496, 32, DialogTexts(DialogText::KeystrokesLabel4)},
        {F::kMemoTest, L"EDIT", ES_MULTILINE | ES_READONLY | ES_WANTRETURN | WS_VSCROLL | WS_BORDER,
         0, 12, 174, 408, 66},
        {F::kBtnTest, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, 433, 174, 75, 25,
         DialogTexts(DialogText::KeystrokesTest)},
        {F::kBtnClear, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, 433, 206, 75, 25,
         DialogTexts(DialogText::KeystrokesClear)},
        {F::kBtnExamples, L"BUTTON", BS_AUTOCHECKBOX | BS_PUSHLIKE | WS_TABSTOP, 0, 12, 254, 120,
         25, DialogTexts(DialogText::KeystrokesShowExamples)},
        {IDOK, L"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 352, 254, 75, 25,
         DialogTexts(DialogText::ButtonOk)},
        {IDCANCEL, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, 433, 254, 75, 25,
         DialogTexts(DialogText::ButtonCancel)},
        // Transparent, so that the form's own erasing reaches inside it: a group box draws only
        // its frame, and its inside stayed unpainted (black) when the form opened expanded.
        {F::kFrameExamples, L"BUTTON", BS_GROUPBOX, WS_EX_TRANSPARENT, 12, 288, 496, 104,
         DialogTexts(DialogText::KeystrokesLabel5)},
        {F::kLstExamples, L"LISTBOX",
         LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 0, 22, 306, 476,
         78},
    };
}

} // namespace

TfrmKeystrokes::TfrmKeystrokes(HWND owner, Keyboard* keyboard)
    : ModalForm(L"TfrmKeystrokes", owner, SIZE{520, 404}, KeystrokesLayout(),
                DialogTexts(DialogText::KeystrokesCaption)),
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
