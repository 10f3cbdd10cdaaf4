#pragma once
// sndkey32: the keystroke language of keystroke actions and the sender that types it.
//
// The user writes "[ctrl:{left 2}]" or "a\{b\}"; MyFormatToTheirs turns that into the sender's
// notation ("^({left 2})", "a{{}b{}}"), in which "+", "^" and "%" press Shift, Ctrl and Alt for
// the next item or the next group in parentheses, and braces hold key names, repeat counts and
// characters that would otherwise mean something.

#include "platform/Keyboard.h"
#include "platform/RecordingKeyboard.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace traxo {

// A braced item's name is cut to this many characters before the blank that starts a repeat
// count is looked for; the script check reads braces the same way.
inline constexpr std::size_t kMaxBracedName = 20;

std::u16string MyFormatToTheirs(std::u16string_view script);

// Types `text`, written in the sender notation. With `wait`, the keyboard messages of this thread
// are dispatched after every event. false when the text was empty, a "{" had no "}" or a repeat
// count was not a number from 0 to 65,535; what was sent before stays sent, and modifiers the
// text held down are released in every case.
bool SendScript(Keyboard& keyboard, std::u16string_view text, bool wait);

// The virtual key of an upper-case key name such as "ENTER" or "F12".
std::optional<std::uint8_t> LookUpKeyName(std::u16string_view name);

// Keys that need the extended-key flag: the navigation block.
bool IsExtendedKey(std::uint8_t virtualKey);

// What SendScript would do with a US keyboard. Past `recordLimit` events are only counted.
struct KeystrokePlan {
    std::vector<RecordedKey> events;
    std::size_t unlistedEvents = 0;
    bool result = false;
};
KeystrokePlan PlanScript(std::u16string_view text,
                         std::size_t recordLimit = RecordingKeyboard::kDefaultRecordLimit);

} // namespace traxo
