#include "actions/KeyCombination.h"

#include "actions/ActionLists.h"
#include "actions/ActionTexts.h"

namespace traxo {
namespace {

struct ToggleNames {
    std::u16string_view caption;
    std::u16string_view textName;
};

constexpr std::array<ToggleNames, kKeyComboToggleCount> kToggles{{
    {u"Win", u"Win"},
    {u"Ctrl", u"Ctrl"},
    {u"Alt", u"Alt"},
    {u"Shift", u"Shift"},
    {u"Tab", u"Tab"},
    {u"Del", u"Del"},
    {u"Backspace", u"Bksp"},
    {u"Esc", u"Esc"},
    {u"Enter", u"Enter"},
    {u"Space", u"Space"},
}};

// The names execution's shortcut parser knows by heart.
struct FixedKeyName {
    std::uint8_t virtualKey;
    std::u16string_view name;
};
constexpr FixedKeyName kFixedKeyNames[] = {
    {0x08, u"BkSp"}, {0x09, u"Tab"},   {0x0D, u"Enter"}, {0x1B, u"Esc"},  {0x20, u"Space"},
    {0x21, u"PgUp"}, {0x22, u"PgDn"},  {0x23, u"End"},   {0x24, u"Home"}, {0x25, u"Left"},
    {0x26, u"Up"},   {0x27, u"Right"}, {0x28, u"Down"},  {0x2D, u"Ins"},  {0x2E, u"Del"},
};

constexpr std::u16string_view kJoin = u" + ";

bool IsModifierKey(std::uint8_t virtualKey) {
    return (virtualKey >= 0x10 && virtualKey <= 0x12) ||
           (virtualKey >= 0xA0 && virtualKey <= 0xA5) || virtualKey == 0x5B || virtualKey == 0x5C;
}

} // namespace

std::u16string_view ToggleCaption(KeyComboToggle toggle) {
    return kToggles[toggle].caption;
}

std::u16string_view ToggleTextName(KeyComboToggle toggle) {
    return kToggles[toggle].textName;
}

std::u16string ShortcutKeyName(std::uint8_t virtualKey,
                               const std::function<std::u16string(std::uint8_t)>& layoutName) {
    if (virtualKey == 0 || IsModifierKey(virtualKey)) {
        return {};
    }
    for (const FixedKeyName& key : kFixedKeyNames) {
        if (key.virtualKey == virtualKey) {
            return std::u16string(key.name);
        }
    }
    if ((virtualKey >= u'0' && virtualKey <= u'9') || (virtualKey >= u'A' && virtualKey <= u'Z')) {
        return std::u16string(1, static_cast<char16_t>(virtualKey));
    }
    if (virtualKey >= 0x70 && virtualKey <= 0x87) {
        std::u16string name = u"F";
        const int number = virtualKey - 0x70 + 1;
        if (number >= 10) {
            name += static_cast<char16_t>(u'0' + number / 10);
        }
        name += static_cast<char16_t>(u'0' + number % 10);
        return name;
    }
    return layoutName ? layoutName(virtualKey) : std::u16string();
}

std::u16string KeyCombinationText(const KeyComboToggles& pressed, std::u16string_view keyName) {
    std::u16string text;
    for (std::size_t toggle = 0; toggle < kKeyComboToggleCount; ++toggle) {
        if (pressed[toggle]) {
            text += kToggles[toggle].textName;
            text += kJoin;
        }
    }
    if (!keyName.empty()) {
        text += keyName;
        text += kJoin;
    }
    if (text.size() >= kJoin.size() &&
        std::u16string_view(text).substr(text.size() - kJoin.size()) == kJoin) {
        text.resize(text.size() - kJoin.size());
    }
    return text;
}

bool IsValidKeyCombination(std::u16string_view text, PlanningQueries& queries) {
    if (text == u"Win") {
        return true;
    }
    if (text.empty()) {
        return false;
    }
    std::u16string shortcut(text);
    if (const auto at = shortcut.find(u"Win + "); at != std::u16string::npos) {
        shortcut.erase(at, 6);
    }
    // Every " + " becomes "+", from left to right (built anew: GCC 12 at -O3 takes an in-place
    // replace for an overlapping copy).
    std::u16string joined;
    for (std::size_t at = 0; at < shortcut.size();) {
        if (std::u16string_view(shortcut).substr(at).starts_with(kJoin)) {
            joined += u'+';
            at += kJoin.size();
        } else {
            joined += shortcut[at++];
        }
    }
    return ParseShortcutText(joined, queries).has_value();
}

std::u16string_view InvalidCombinationLabel(Language language) {
    return Text(ActionText::InvalidCombinationLabel, language);
}

std::u16string_view InvalidCombinationMessage(Language language) {
    return Text(ActionText::InvalidCombinationMessage, language);
}

} // namespace traxo
