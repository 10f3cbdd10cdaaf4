#pragma once
// The real keyboard: synthetic events through the system input queue and the thread's layout.

#include "platform/Keyboard.h"

namespace traxo {

class WindowsKeyboard final : public Keyboard {
public:
    void SendKeyEvent(const KeyEvent& event) override;
    std::uint8_t ScanCodeOf(std::uint8_t virtualKey) override;
    std::optional<std::uint16_t> KeyForCharacter(char16_t c) override;
    bool IsNumLockOn() override;
    void SetNumLock(bool on) override;
    void DispatchWaitingKeyMessages() override;
};

} // namespace traxo
