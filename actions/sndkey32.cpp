#include "actions/sndkey32.h"

#include "platform/AsciiText.h"

#include <algorithm>
#include <array>
#include <utility>

namespace traxo {
namespace {

using Replacement = std::pair<std::u16string_view, std::u16string_view>;

// Applied in this order, each to the result of the one before. Characters that mean something to
// the sender are braced first; "\]" hides as "{&sqb;}" until the closing brackets have become ")".
constexpr std::array<Replacement, 15> kTranslation{{
    {u"+", u"{+}"},
    {u"^", u"{^}"},
    {u"%", u"{%}"},
    {u"(", u"{(}"},
    {u")", u"{)}"},
    {u"\\[", u"{[}"},
    {u"\\]", u"{&sqb;}"},
    {u"[shift:", u"+("},
    {u"[ctrl:", u"^("},
    {u"[alt:", u"%("},
    {u"]", u")"},
    {u"{&sqb;}", u"{]}"},
    {u"\\{", u"{{}"},
    {u"\\}", u"{}}"},
    {u"\\\\", u"{\\}"},
}};

struct KeyName {
    std::u16string_view name;
    std::uint8_t virtualKey;
};

// PRINTSCREEN and PRTSC press the Print Screen key (0x2C), not the Print key (0x2A) that hardly
// any keyboard has.
constexpr std::array<KeyName, 45> kKeyNames{{
    {u"ALT", 0x12},   {u"BACKSPACE", 0x08},  {u"BKSP", 0x08},        {u"BS", 0x08},
    {u"BREAK", 0x03}, {u"CAPSLOCK", 0x14},   {u"CLEAR", 0x0C},       {u"CTRL", 0x11},
    {u"DEL", 0x2E},   {u"DELETE", 0x2E},     {u"DOWN", 0x28},        {u"END", 0x23},
    {u"ENTER", 0x0D}, {u"ESC", 0x1B},        {u"ESCAPE", 0x1B},      {u"F1", 0x70},
    {u"F2", 0x71},    {u"F3", 0x72},         {u"F4", 0x73},          {u"F5", 0x74},
    {u"F6", 0x75},    {u"F7", 0x76},         {u"F8", 0x77},          {u"F9", 0x78},
    {u"F10", 0x79},   {u"F11", 0x7A},        {u"F12", 0x7B},         {u"F13", 0x7C},
    {u"F14", 0x7D},   {u"F15", 0x7E},        {u"F16", 0x7F},         {u"HELP", 0x2F},
    {u"HOME", 0x24},  {u"INS", 0x2D},        {u"LEFT", 0x25},        {u"NUMLOCK", 0x90},
    {u"PGDN", 0x22},  {u"PGUP", 0x21},       {u"PRINTSCREEN", 0x2C}, {u"PRTSC", 0x2C},
    {u"RIGHT", 0x27}, {u"SCROLLLOCK", 0x91}, {u"SHIFT", 0x10},       {u"TAB", 0x09},
    {u"UP", 0x26},
}};

// Shift, Ctrl, Alt: the order of the layout's shift state bits and of every press and release.
constexpr std::array<std::uint8_t, 3> kModifierKeys{0x10, 0x11, 0x12};
constexpr std::uint8_t kNumLockKey = 0x90;

std::u16string ReplaceAllIgnoringCase(std::u16string_view text, const Replacement& replacement) {
    const auto [from, to] = replacement;
    std::u16string result;
    result.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (SameTextIgnoringCase(text.substr(i, from.size()), from)) {
            result += to;
            i += from.size();
        } else {
            result += text[i++];
        }
    }
    return result;
}

// A repeat count: decimal digits only, 0 to 65,535.
std::optional<std::uint16_t> ParseRepeatCount(std::u16string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (const char16_t c : text) {
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        value = value * 10 + (c - u'0');
        if (value > 0xFFFF) {
            return std::nullopt;
        }
    }
    return static_cast<std::uint16_t>(value);
}

// The state of one SendScript call: the modifiers pressed by "+", "^", "%" and not yet released,
// and whether a group in parentheses keeps them held.
//
// A dry run reads the layout as a run does but sends nothing and changes no state: it counts the
// events and stops once they pass kMaxKeyEventsPerRun.
class Sender {
public:
    Sender(Keyboard& keyboard, bool wait, bool dryRun)
        : keyboard_(keyboard), wait_(wait), dryRun_(dryRun) {}

    bool Send(std::u16string_view text) {
        std::size_t i = 0;
        while (i < text.size() && !OverLimit()) {
            itemStart_ = i;
            const char16_t c = text[i];
            if (c == u'(') {
                group_ = true;
                ++i;
            } else if (c == u')') {
                group_ = false;
                ReleaseHeldModifiers();
                ++i;
            } else if (c == u'+' || c == u'^' || c == u'%') {
                HoldModifier(c);
                ++i;
            } else if (c == u'{' && i + 1 < text.size() && text[i + 1] == u'{') {
                TypeCharacter(u'{');
                i += 3; // "{{}"
            } else if (c == u'{') {
                if (!SendBraced(text, i)) {
                    return Finish(false);
                }
            } else {
                TypeCharacter(c);
                ++i;
            }
        }
        return Finish(true);
    }

    bool OverLimit() const { return overLimitAt_.has_value(); }
    // Where the item whose events passed the limit starts in the text.
    std::optional<std::size_t> OverLimitAt() const { return overLimitAt_; }

private:
    void HoldModifier(char16_t sign) {
        const std::size_t modifier = sign == u'+' ? 0 : sign == u'^' ? 1 : 2;
        held_[modifier] = true;
        PressKey(kModifierKeys[modifier], 1, false);
    }

    // "{NAME}", "{NAME COUNT}", "{c}" or "{}}" from `i` on; moves `i` past it. false when there is
    // no closing brace or the count is not one.
    bool SendBraced(std::u16string_view text, std::size_t& i) {
        const std::size_t close = text.find(u'}', i + 1);
        if (close == std::u16string_view::npos) {
            return false;
        }
        std::u16string name(text.substr(i + 1, std::min(close - i - 1, kMaxBracedName)));
        std::transform(name.begin(), name.end(), name.begin(), AsciiUpper);
        i = close + 1;
        if (i < text.size() && text[i] == u'}') {
            TypeCharacter(u'}');
            ++i;
            return true;
        }
        std::uint16_t count = 1;
        if (const auto blank = name.find(u' '); blank != std::u16string::npos) {
            const auto parsed = ParseRepeatCount(std::u16string_view(name).substr(blank + 1));
            if (!parsed) {
                return false;
            }
            count = *parsed;
            name.resize(blank);
        }
        if (name.size() == 1) {
            TypeCharacter(name[0], count);
        } else if (const auto namedKey = LookUpKeyName(name)) {
            PressKey(*namedKey, count, true);
            ReleaseHeldModifiers();
        }
        return true;
    }

    // With the shift state the layout needs; a character the layout has no key for goes as
    // itself, a Unicode event.
    void TypeCharacter(char16_t c, std::uint16_t count = 1) {
        if (const auto key = keyboard_.KeyForCharacter(c)) {
            PressKey(*key, count, true);
        } else {
            for (std::uint32_t n = 0; n < count && !OverLimit(); ++n) {
                PostEvent(KeyEvent{.keyUp = false, .character = c});
                PostEvent(KeyEvent{.keyUp = true, .character = c});
            }
        }
        ReleaseHeldModifiers();
    }

    // Held modifiers never outlive the call, not even after an unclosed group or a failure.
    bool Finish(bool result) {
        group_ = false;
        ReleaseHeldModifiers();
        return result;
    }

    void ReleaseHeldModifiers() {
        if (group_) {
            return;
        }
        for (std::size_t modifier = 0; modifier < kModifierKeys.size(); ++modifier) {
            if (held_[modifier]) {
                ReleaseKey(kModifierKeys[modifier]);
                held_[modifier] = false;
            }
        }
    }

    // `code`: the virtual key in the low byte, the layout's shift state bits in the high byte.
    void PressKey(std::uint16_t code, std::uint16_t count, bool withKeyUp) {
        const auto virtualKey = static_cast<std::uint8_t>(code & 0xFF);
        const std::uint16_t shiftState = code >> 8;
        for (std::size_t bit = 0; bit < kModifierKeys.size(); ++bit) {
            if (shiftState & (1u << bit)) {
                PostKeyEvent(kModifierKeys[bit], false);
            }
        }
        if (virtualKey == kNumLockKey) {
            // Only this thread's idea of the toggle changes; no event is sent.
            if (!dryRun_) {
                keyboard_.SetNumLock(!keyboard_.IsNumLockOn());
            }
        } else {
            for (std::uint32_t n = 0; n < count && !OverLimit(); ++n) {
                PostKeyEvent(virtualKey, false);
                if (withKeyUp) {
                    PostKeyEvent(virtualKey, true);
                }
            }
        }
        for (std::size_t bit = 0; bit < kModifierKeys.size(); ++bit) {
            if (shiftState & (1u << bit)) {
                ReleaseKey(kModifierKeys[bit]);
            }
        }
    }

    void ReleaseKey(std::uint8_t virtualKey) { PostKeyEvent(virtualKey, true); }

    void PostKeyEvent(std::uint8_t virtualKey, bool keyUp) {
        PostEvent({.virtualKey = virtualKey,
                   .scanCode = keyboard_.ScanCodeOf(virtualKey),
                   .keyUp = keyUp,
                   .extended = IsExtendedKey(virtualKey)});
    }

    void PostEvent(const KeyEvent& event) {
        if (++eventCount_ == kMaxKeyEventsPerRun + 1) {
            overLimitAt_ = itemStart_;
        }
        if (dryRun_) {
            return;
        }
        keyboard_.SendKeyEvent(event);
        if (wait_) {
            keyboard_.DispatchWaitingKeyMessages();
        }
    }

    Keyboard& keyboard_;
    bool wait_;
    bool dryRun_;
    std::size_t eventCount_ = 0;
    std::size_t itemStart_ = 0;
    std::optional<std::size_t> overLimitAt_;
    std::array<bool, kModifierKeys.size()> held_{}; // pressed by "+", "^", "%", not yet released
    bool group_ = false;
};

} // namespace

std::u16string MyFormatToTheirs(std::u16string_view script) {
    std::u16string text(script);
    for (const Replacement& replacement : kTranslation) {
        text = ReplaceAllIgnoringCase(text, replacement);
    }
    return text;
}

bool SendScript(Keyboard& keyboard, std::u16string_view text, bool wait) {
    if (text.empty() || FindEventLimitOverrun(keyboard, text)) {
        return false;
    }
    return Sender(keyboard, wait, false).Send(text);
}

std::optional<std::size_t> FindEventLimitOverrun(Keyboard& keyboard, std::u16string_view text) {
    Sender counter(keyboard, false, true);
    counter.Send(text);
    return counter.OverLimitAt();
}

std::optional<std::uint8_t> LookUpKeyName(std::u16string_view name) {
    const auto found = std::find_if(kKeyNames.begin(), kKeyNames.end(),
                                    [name](const KeyName& key) { return key.name == name; });
    if (found == kKeyNames.end()) {
        return std::nullopt;
    }
    return found->virtualKey;
}

bool IsExtendedKey(std::uint8_t virtualKey) {
    return (virtualKey >= 0x21 && virtualKey <= 0x28) || virtualKey == 0x2D || virtualKey == 0x2E;
}

KeystrokePlan PlanScript(std::u16string_view text, std::size_t recordLimit) {
    RecordingKeyboard keyboard(recordLimit);
    const bool result = SendScript(keyboard, text, true);
    return {keyboard.Recorded(), keyboard.UnrecordedCount(), result};
}

} // namespace traxo
