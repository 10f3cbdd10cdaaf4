#include "platform/Keyboard_win.h"

#include <windows.h>

namespace traxo {

namespace {

void SendUnicodeEvent(char16_t character, bool keyUp) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = static_cast<WORD>(character);
    input.ki.dwFlags = KEYEVENTF_UNICODE | (keyUp ? KEYEVENTF_KEYUP : 0);
    SendInput(1, &input, sizeof input);
}

} // namespace

void WindowsKeyboard::SendKeyEvent(const KeyEvent& event) {
    if (event.character != 0) {
        SendUnicodeEvent(event.character, event.keyUp);
        return;
    }
    DWORD flags = 0;
    if (event.extended) {
        flags |= KEYEVENTF_EXTENDEDKEY;
    }
    if (event.keyUp) {
        flags |= KEYEVENTF_KEYUP;
    }
    keybd_event(event.virtualKey, event.scanCode, flags, 0);
}

std::uint8_t WindowsKeyboard::ScanCodeOf(std::uint8_t virtualKey) {
    return static_cast<std::uint8_t>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC) & 0xFF);
}

std::optional<std::uint16_t> WindowsKeyboard::KeyForCharacter(char16_t c) {
    const auto key = static_cast<std::uint16_t>(VkKeyScanW(static_cast<WCHAR>(c)));
    // Either byte all ones: the layout has no key for the character.
    if ((key & 0xFF) == 0xFF || (key >> 8) == 0xFF) {
        return std::nullopt;
    }
    return key;
}

bool WindowsKeyboard::IsNumLockOn() {
    return (GetKeyState(VK_NUMLOCK) & 1) != 0;
}

void WindowsKeyboard::SetNumLock(bool on) {
    BYTE state[256];
    if (!GetKeyboardState(state)) {
        return;
    }
    state[VK_NUMLOCK] = on ? (state[VK_NUMLOCK] | 1) : (state[VK_NUMLOCK] & ~1);
    SetKeyboardState(state);
}

void WindowsKeyboard::DispatchWaitingKeyMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

} // namespace traxo
