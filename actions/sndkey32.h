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

// One run of a script sends no more key events than this: a repeat count may be 65,535, and a
// run blocks the thread that sends it.
inline constexpr std::size_t kMaxKeyEventsPerRun = 10000;

// Types `text`, written in the sender notation; characters the layout has no key for go as
// Unicode events. With `wait`, the keyboard messages of this thread are dispatched after every
// event. false when the text was empty or would send more than kMaxKeyEventsPerRun events (then
// nothing is sent), a "{" had no "}" or a repeat count was not a number from 0 to 65,535 (what was
// sent before stays sent); modifiers the text held down are released in every case.
bool SendScript(Keyboard& keyboard, std::u16string_view text, bool wait);

// Where in `text` the item starts whose events take a run of it past kMaxKeyEventsPerRun on
// `keyboard`'s layout; nullopt when it stays within. Counts without sending, and stops counting
// at the limit.
std::optional<std::size_t> FindEventLimitOverrun(Keyboard& keyboard, std::u16string_view text);

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
