#include "ui/kit/TaskDialog_win.h"

#include <commctrl.h>
#include <optional>
#include <string>
#include <vector>

namespace traxo {
namespace {

using TaskDialogIndirectFn = HRESULT(WINAPI*)(const TASKDIALOGCONFIG*, int*, int*, BOOL*);

const wchar_t* Wide(const std::u16string& text) {
    return text.empty() ? nullptr : reinterpret_cast<const wchar_t*>(text.c_str());
}

// Loaded at run time: comctl32 before version 6 has no task dialog.
TaskDialogIndirectFn SystemTaskDialog() {
    static const TaskDialogIndirectFn function = [] {
        HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
        if (comctl == nullptr) {
            comctl = LoadLibraryW(L"comctl32.dll");
        }
        return comctl == nullptr ? nullptr
                                 : reinterpret_cast<TaskDialogIndirectFn>(reinterpret_cast<void*>(
                                       GetProcAddress(comctl, "TaskDialogIndirect")));
    }();
    return function;
}

int ClampToButtons(int result, const TaskDialogContent& dialog) {
    const int last = TaskButtonResult(dialog.buttons.empty() ? 0 : dialog.buttons.size() - 1);
    return result >= kFirstTaskButtonResult && result <= last ? result : last;
}

void SetIcon(TASKDIALOGCONFIG& config, TaskDialogIcon icon) {
    switch (icon) {
    case TaskDialogIcon::None:
        break;
    case TaskDialogIcon::Information:
        config.pszMainIcon = TD_INFORMATION_ICON;
        break;
    case TaskDialogIcon::Warning:
        config.pszMainIcon = TD_WARNING_ICON;
        break;
    case TaskDialogIcon::Error:
        config.pszMainIcon = TD_ERROR_ICON;
        break;
    case TaskDialogIcon::Question: // the task dialog has no stock question icon
        config.dwFlags |= TDF_USE_HICON_MAIN;
        config.hMainIcon = LoadIconW(nullptr, IDI_QUESTION);
        break;
    case TaskDialogIcon::Program:
        config.dwFlags |= TDF_USE_HICON_MAIN;
        config.hMainIcon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
        break;
    }
}

std::optional<int> ShowSystemTaskDialog(HWND owner, const TaskDialogContent& dialog) {
    const TaskDialogIndirectFn taskDialog = SystemTaskDialog();
    if (taskDialog == nullptr) {
        return std::nullopt;
    }
    std::vector<TASKDIALOG_BUTTON> buttons;
    for (std::size_t i = 0; i < dialog.buttons.size(); ++i) {
        buttons.push_back({TaskButtonResult(i), Wide(dialog.buttons[i])});
    }
    TASKDIALOGCONFIG config{};
    config.cbSize = sizeof(config);
    config.hwndParent = owner;
    config.dwFlags =
        (dialog.cancellable ? TDF_ALLOW_DIALOG_CANCELLATION : 0) | TDF_POSITION_RELATIVE_TO_WINDOW;
    config.pszWindowTitle = Wide(dialog.title);
    config.pszMainInstruction = Wide(dialog.mainInstruction);
    config.pszContent = Wide(dialog.content);
    config.pszFooter = Wide(dialog.footer);
    config.cButtons = static_cast<UINT>(buttons.size());
    config.pButtons = buttons.empty() ? nullptr : buttons.data();
    config.nDefaultButton = buttons.empty() ? 0 : buttons.front().nButtonID;
    SetIcon(config, dialog.icon);
    int pressed = 0;
    if (FAILED(taskDialog(&config, &pressed, nullptr, nullptr))) {
        return std::nullopt;
    }
    return ClampToButtons(pressed, dialog);
}

UINT MessageBoxIcon(TaskDialogIcon icon) {
    switch (icon) {
    case TaskDialogIcon::Information:
        return MB_ICONINFORMATION;
    case TaskDialogIcon::Question:
        return MB_ICONQUESTION;
    case TaskDialogIcon::Warning:
        return MB_ICONWARNING;
    case TaskDialogIcon::Error:
        return MB_ICONERROR;
    case TaskDialogIcon::Program: // a message box shows no icon of the program's own
    case TaskDialogIcon::None:
        break;
    }
    return 0;
}

// One, two or three buttons become OK, Yes/No or Yes/No/Cancel in their order.
int ShowMessageBoxInstead(HWND owner, const TaskDialogContent& dialog) {
    std::u16string text = dialog.mainInstruction;
    for (const std::u16string* part : {&dialog.content, &dialog.footer}) {
        if (!part->empty()) {
            text += (text.empty() ? u"" : u"\n\n") + *part;
        }
    }
    const std::size_t count = dialog.buttons.size();
    const UINT buttons = count >= 3 ? MB_YESNOCANCEL : count == 2 ? MB_YESNO : MB_OK;
    const int pressed = MessageBoxW(owner, Wide(text), Wide(dialog.title),
                                    buttons | MessageBoxIcon(dialog.icon) | MB_SETFOREGROUND);
    switch (pressed) {
    case IDYES:
    case IDOK:
        return ClampToButtons(TaskButtonResult(0), dialog);
    case IDNO:
        return ClampToButtons(TaskButtonResult(1), dialog);
    default:
        return ClampToButtons(TaskButtonResult(2), dialog);
    }
}

} // namespace

int ShowTaskDialog(HWND owner, const TaskDialogContent& dialog) {
    if (const std::optional<int> result = ShowSystemTaskDialog(owner, dialog)) {
        return *result;
    }
    return ShowMessageBoxInstead(owner, dialog);
}

} // namespace traxo
