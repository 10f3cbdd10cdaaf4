#include "platform/RecordingKeyboard.h"

#include <algorithm>
#include <array>
#include <utility>

namespace traxo {
namespace {

// Scan codes of the US layout (set 1), as the system maps virtual keys without a modifier.
constexpr std::array<std::uint8_t, 256> MakeUsScanCodes() {
    std::array<std::uint8_t, 256> codes{};
    constexpr std::pair<std::uint8_t, std::uint8_t> kKeys[] = {
        {0x03, 0x46}, {0x08, 0x0E}, {0x09, 0x0F}, {0x0C, 0x4C}, {0x0D, 0x1C}, {0x10, 0x2A},
        {0x11, 0x1D}, {0x12, 0x38}, {0x14, 0x3A}, {0x1B, 0x01}, {0x20, 0x39}, {0x21, 0x49},
        {0x22, 0x51}, {0x23, 0x4F}, {0x24, 0x47}, {0x25, 0x4B}, {0x26, 0x48}, {0x27, 0x4D},
        {0x28, 0x50}, {0x2C, 0x54}, {0x2D, 0x52}, {0x2E, 0x53}, {0x90, 0x45}, {0x91, 0x46},
        {0xBA, 0x27}, {0xBB, 0x0D}, {0xBC, 0x33}, {0xBD, 0x0C}, {0xBE, 0x34}, {0xBF, 0x35},
        {0xC0, 0x29}, {0xDB, 0x1A}, {0xDC, 0x2B}, {0xDD, 0x1B}, {0xDE, 0x28},
    };
    for (const auto& [virtualKey, scanCode] : kKeys) {
        codes[virtualKey] = scanCode;
    }
    // The digits 1 to 9 then 0 lie in one row.
    for (int digit = 1; digit <= 9; ++digit) {
        codes[0x30 + digit] = static_cast<std::uint8_t>(0x01 + digit);
    }
    codes[0x30] = 0x0B;
    constexpr std::uint8_t kLetters[26] = {0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17,
                                           0x24, 0x25, 0x26, 0x32, 0x31, 0x18, 0x19, 0x10, 0x13,
                                           0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C};
    for (int letter = 0; letter < 26; ++letter) {
        codes[0x41 + letter] = kLetters[letter];
    }
    constexpr std::uint8_t kFunctionKeys[16] = {0x3B, 0x3C, 0x3D, 0x3E, 0x3F, 0x40, 0x41, 0x42,
                                                0x43, 0x44, 0x57, 0x58, 0x64, 0x65, 0x66, 0x67};
    for (int key = 0; key < 16; ++key) {
        codes[0x70 + key] = kFunctionKeys[key];
    }
    return codes;
}

constexpr auto kUsScanCodes = MakeUsScanCodes();

// The keys of the US layout's printable characters, from the blank to "~"; 0 means none.
constexpr std::array<std::uint16_t, 0x7F - 0x20> MakeUsPrintableKeys() {
    std::array<std::uint16_t, 0x7F - 0x20> keys{};
    const auto set = [&keys](char c, std::uint16_t key) { keys[c - 0x20] = key; };
    for (char c = 'a'; c <= 'z'; ++c) {
        set(c, static_cast<std::uint16_t>(c - 'a' + 0x41));
        set(static_cast<char>(c - 32), static_cast<std::uint16_t>(kLayoutShift | (c - 'a' + 0x41)));
    }
    for (char c = '0'; c <= '9'; ++c) {
        set(c, static_cast<std::uint16_t>(c));
    }
    constexpr char kShiftedDigits[] = ")!@#$%^&*(";
    for (int digit = 0; digit < 10; ++digit) {
        set(kShiftedDigits[digit], static_cast<std::uint16_t>(kLayoutShift | (0x30 + digit)));
    }
    constexpr struct {
        char plain, shifted;
        std::uint16_t virtualKey;
    } kPunctuation[] = {
        {';', ':', 0xBA},  {'=', '+', 0xBB}, {',', '<', 0xBC},  {'-', '_', 0xBD},
        {'.', '>', 0xBE},  {'/', '?', 0xBF}, {'`', '~', 0xC0},  {'[', '{', 0xDB},
        {'\\', '|', 0xDC}, {']', '}', 0xDD}, {'\'', '"', 0xDE},
    };
    for (const auto& key : kPunctuation) {
        set(key.plain, key.virtualKey);
        set(key.shifted, static_cast<std::uint16_t>(kLayoutShift | key.virtualKey));
    }
    set(' ', 0x20);
    return keys;
}

constexpr auto kUsPrintableKeys = MakeUsPrintableKeys();
static_assert(std::find(kUsPrintableKeys.begin(), kUsPrintableKeys.end(), 0) ==
                  kUsPrintableKeys.end(),
              "the US layout types every printable character");

} // namespace

RecordingKeyboard::RecordingKeyboard(std::size_t recordLimit, bool numLockOn)
    : recordLimit_(recordLimit), numLockOn_(numLockOn) {}

void RecordingKeyboard::Record(const RecordedKey& key) {
    if (recorded_.size() < recordLimit_) {
        recorded_.push_back(key);
    } else {
        ++unrecorded_;
    }
}

void RecordingKeyboard::SendKeyEvent(const KeyEvent& event) {
    Record({event.keyUp ? KeyAction::Up : KeyAction::Down, event.virtualKey, event.scanCode,
            event.extended, event.character});
}

std::uint8_t RecordingKeyboard::ScanCodeOf(std::uint8_t virtualKey) {
    return kUsScanCodes[virtualKey];
}

std::optional<std::uint16_t> RecordingKeyboard::KeyForCharacter(char16_t c) {
    switch (c) {
    case u'\b':
        return 0x08;
    case u'\t':
        return 0x09;
    case u'\n':
        return kLayoutCtrl | 0x0D; // Ctrl+Enter types a line feed
    case u'\r':
        return 0x0D;
    case u'\x1B':
        return 0x1B;
    default:
        break;
    }
    if (c < 0x20 || c >= 0x7F) {
        return std::nullopt;
    }
    return kUsPrintableKeys[c - 0x20];
}

void RecordingKeyboard::SetNumLock(bool on) {
    numLockOn_ = on;
    Record({.action = on ? KeyAction::NumLockOn : KeyAction::NumLockOff, .virtualKey = 0x90});
}

} // namespace traxo
