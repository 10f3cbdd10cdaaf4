#pragma once
// A keyboard with the US layout that sends nothing and notes every event and Num Lock change in
// order: the plan of what the keystroke sender would do, for tests and for traxo-cli.

#include "platform/Keyboard.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace traxo {

enum class KeyAction : std::uint8_t { Down, Up, NumLockOn, NumLockOff };

struct RecordedKey {
    KeyAction action = KeyAction::Down;
    std::uint8_t virtualKey = 0;
    std::uint8_t scanCode = 0;
    bool extended = false;
    char16_t character = 0; // a Unicode event's UTF-16 unit
    friend bool operator==(const RecordedKey&, const RecordedKey&) = default;
};

class RecordingKeyboard final : public Keyboard {
public:
    // The sender stops at 10,000 key events a run, but a keyboard handed to it directly may be
    // asked for more: past the limit they are only counted.
    static constexpr std::size_t kDefaultRecordLimit = std::size_t{1} << 20;

    explicit RecordingKeyboard(std::size_t recordLimit = kDefaultRecordLimit,
                               bool numLockOn = false);

    void SendKeyEvent(const KeyEvent& event) override;
    std::uint8_t ScanCodeOf(std::uint8_t virtualKey) override;
    std::optional<std::uint16_t> KeyForCharacter(char16_t c) override;
    bool IsNumLockOn() override { return numLockOn_; }
    void SetNumLock(bool on) override;
    void DispatchWaitingKeyMessages() override { ++dispatchCount_; }

    const std::vector<RecordedKey>& Recorded() const { return recorded_; }
    // Events and Num Lock changes past the limit.
    std::size_t UnrecordedCount() const { return unrecorded_; }
    std::size_t DispatchCount() const { return dispatchCount_; }

private:
    void Record(const RecordedKey& key);

    std::size_t recordLimit_;
    bool numLockOn_;
    std::vector<RecordedKey> recorded_;
    std::size_t unrecorded_ = 0;
    std::size_t dispatchCount_ = 0;
};

} // namespace traxo
