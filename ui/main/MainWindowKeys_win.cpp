// The main window's keyboard: the key map's shortcuts, Tab through the focus order, the access keys
// and the keys of the gesture list, whichever control has the focus.
#include "app/ForceForeground_win.h"
#include "ui/main/MainWindow_win.h"

namespace traxo {
namespace {

bool KeyDown(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

} // namespace

bool TgestureConfigForm::FormKeyPress(const MSG& message) {
    const bool inThisWindow = message.hwnd == hwnd() || IsChild(hwnd(), message.hwnd);
    if (!inThisWindow) {
        return TutorialKeyPress(message);
    }
    const int key = static_cast<int>(message.wParam);
    if (key == VK_MENU) {
        FollowAltKey(message.message);
        return false;
    }
    if (message.message == WM_KEYDOWN && key == VK_F6 && TutorialShown() != nullptr) {
        FocusTutorial();
        return true;
    }
    if (message.message == WM_SYSKEYDOWN) {
        return KeyDown(VK_MENU) && !KeyDown(VK_CONTROL) && PressAccessKey(char16_t(key));
    }
    if (message.message != WM_KEYDOWN) {
        return false;
    }
    if (key == VK_TAB && !KeyDown(VK_CONTROL) && !KeyDown(VK_MENU)) {
        MoveFocus(KeyDown(VK_SHIFT));
        return true;
    }
    const std::optional<MainKeyCommand> command = MainKeyCommandOf(
        {key, KeyDown(VK_CONTROL), KeyDown(VK_SHIFT), KeyDown(VK_MENU)}, message.hwnd == ListBox1_);
    return command && RunKeyCommand(*command);
}

bool TgestureConfigForm::RunKeyCommand(MainKeyCommand command) {
    switch (command) {
    case MainKeyCommand::NewSet:
        setCommands_.btnClearClick();
        break;
    case MainKeyCommand::LoadSet:
        setCommands_.btnLoadClick();
        break;
    case MainKeyCommand::SaveSet:
        setCommands_.btnSaveClick();
        break;
    case MainKeyCommand::SaveSetAs:
        setCommands_.btnSaveAsClick();
        break;
    case MainKeyCommand::Hide:
        btnHideClick();
        break;
    case MainKeyCommand::AssignAction:
        btnAssignClick();
        break;
    case MainKeyCommand::DeleteGesture:
        setCommands_.btnDeleteClick();
        break;
    }
    return true;
}

MainControl TgestureConfigForm::ControlOfWindow(HWND window) const {
    if (window != nullptr && window == ListBox1_) {
        return MainControl::ListBox1;
    }
    for (const auto& [id, button] : buttons_) {
        if (button->hwnd() == window) {
            return id;
        }
    }
    return MainControl::None;
}

HWND TgestureConfigForm::WindowOfControl(MainControl control) const {
    if (control == MainControl::ListBox1) {
        return ListBox1_;
    }
    const auto button = buttons_.find(control);
    return button != buttons_.end() ? button->second->hwnd() : nullptr;
}

void TgestureConfigForm::MoveFocus(bool backwards) {
    const auto available = [this](MainControl control) {
        const HWND window = WindowOfControl(control);
        const auto button = buttons_.find(control);
        const bool enabled = button == buttons_.end() || button->second->Enabled();
        return window != nullptr && IsWindowVisible(window) && enabled;
    };
    const std::optional<MainControl> next =
        NextFocus(ControlOfWindow(GetFocus()), backwards, available);
    if (next) {
        SetFocus(WindowOfControl(*next));
        ShowKeyboardCues(UISF_HIDEFOCUS);
    }
}

bool TgestureConfigForm::PressAccessKey(char16_t letter) {
    const std::optional<MainControl> control = MainAccessKeyTarget(letter);
    if (!control) {
        return false;
    }
    const auto button = buttons_.find(*control);
    if (button == buttons_.end() || !IsWindowVisible(button->second->hwnd()) ||
        !button->second->Enabled()) {
        return true; // the letter is the button's: nothing else takes it
    }
    ShowKeyboardCues(UISF_HIDEACCEL);
    if (button->second->OnClick) {
        auto click = button->second->OnClick; // the handler may replace itself
        click();
    }
    return true;
}

// The tutorial floats beside the window without taking the activation from the mouse; F6 moves
// the keyboard there and back, and Tab, Space and Enter work its buttons as in a dialog.
HWND TgestureConfigForm::TutorialShown() const {
    const TfrmTutorial* tutorial = dialogs_ != nullptr ? dialogs_->MadeTutorial() : nullptr;
    return tutorial != nullptr && IsWindowVisible(tutorial->hwnd()) ? tutorial->hwnd() : nullptr;
}

void TgestureConfigForm::FocusTutorial() {
    const HWND tutorial = TutorialShown();
    SetForegroundWindow(tutorial);
    if (const HWND first = GetNextDlgTabItem(tutorial, nullptr, FALSE); first != nullptr) {
        SetFocus(first);
    }
    SendMessageW(tutorial, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

bool TgestureConfigForm::TutorialKeyPress(MSG message) {
    const HWND tutorial = TutorialShown();
    if (tutorial == nullptr || (message.hwnd != tutorial && !IsChild(tutorial, message.hwnd))) {
        return false;
    }
    if (message.message == WM_KEYDOWN && (message.wParam == VK_F6 || message.wParam == VK_ESCAPE)) {
        ForceForeground(hwnd());
        return true;
    }
    return IsDialogMessageW(tutorial, &message) != FALSE;
}

// Alt shows the access keys; while it is held the buttons whose caption lacks its letter (the
// Chinese ones) show their key beside the caption.
void TgestureConfigForm::FollowAltKey(UINT message) {
    if (message == WM_SYSKEYDOWN) {
        ShowKeyboardCues(UISF_HIDEACCEL);
    }
    if (message == WM_SYSKEYDOWN || message == WM_SYSKEYUP || message == WM_KEYUP) {
        for (const auto& [id, button] : buttons_) {
            if (MainAccessKeyOf(id) != 0) {
                button->Invalidate();
            }
        }
    }
}

void TgestureConfigForm::ShowKeyboardCues(WORD cues) {
    SendMessageW(hwnd(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, cues), 0);
}

LRESULT TgestureConfigForm::FollowActivation(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        focusBeforeDeactivation_ = focus != nullptr && IsChild(hwnd(), focus) ? focus : nullptr;
    }
    // The default activation gives the focus to the window itself.
    const LRESULT result = DefaultHandling(WM_ACTIVATE, wParam, lParam);
    const HWND remembered = focusBeforeDeactivation_;
    if (LOWORD(wParam) != WA_INACTIVE && remembered != nullptr && IsWindow(remembered) &&
        IsWindowVisible(remembered)) {
        SetFocus(remembered);
    }
    return result;
}

} // namespace traxo
