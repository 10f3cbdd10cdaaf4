#pragma once
// The keyboard as the keystroke sender sees it: synthetic key events, the layout's mapping of
// characters and keys, the Num Lock toggle and the thread's keyboard messages. Windows gives the
// real one; RecordingKeyboard notes what would happen.

#include <cstdint>
#include <optional>

namespace traxo {

// One synthetic key event. The scan code travels with it because some programs read only that.
// With a character it is a Unicode event instead, which types that UTF-16 unit whatever the
// layout; key and scan code are then 0.
struct KeyEvent {
    std::uint8_t virtualKey = 0;
    std::uint8_t scanCode = 0;
    bool keyUp = false;
    bool extended = false; // the extended-key flag: navigation keys of the separate block
    char16_t character = 0;
    friend bool operator==(const KeyEvent&, const KeyEvent&) = default;
};

// The shift state bits in the high byte of a layout key.
inline constexpr std::uint16_t kLayoutShift = 0x0100;
inline constexpr std::uint16_t kLayoutCtrl = 0x0200;
inline constexpr std::uint16_t kLayoutAlt = 0x0400;

class Keyboard {
public:
    virtual ~Keyboard() = default;

    virtual void SendKeyEvent(const KeyEvent& event) = 0;

    // The scan code the layout gives a virtual key; 0 when it has none.
    virtual std::uint8_t ScanCodeOf(std::uint8_t virtualKey) = 0;

    // The key typing `c`: virtual key in the low byte, shift state bits in the high byte; none
    // when the layout has no key for it.
    virtual std::optional<std::uint16_t> KeyForCharacter(char16_t c) = 0;

    virtual bool IsNumLockOn() = 0;
    // Sets the Num Lock toggle in this thread's keyboard state; no key event is sent.
    virtual void SetNumLock(bool on) = 0;

    // Translates and dispatches the keyboard messages waiting for this thread, so that the
    // program's own windows see sent keys at once.
    virtual void DispatchWaitingKeyMessages() = 0;

protected:
    Keyboard() = default;
    Keyboard(const Keyboard&) = default;
    Keyboard& operator=(const Keyboard&) = default;
};

} // namespace traxo
