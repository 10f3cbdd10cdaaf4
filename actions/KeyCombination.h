#pragma once
// The key-combination dialog's text: the pressed toggles in a fixed order, then the key, joined
// by " + ", and whether action execution can press it.

#include "actions/ActionExecution.h"
#include "platform/Language.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace traxo {

// The ten toggles in the order the text names them.
enum KeyComboToggle : std::size_t {
    kToggleWin,
    kToggleCtrl,
    kToggleAlt,
    kToggleShift,
    kToggleTab,
    kToggleDel,
    kToggleBksp,
    kToggleEsc,
    kToggleEnter,
    kToggleSpace,
    kKeyComboToggleCount,
};
using KeyComboToggles = std::array<bool, kKeyComboToggleCount>;

// The toggle's caption on its button and its name in the text ("Backspace" is written "Bksp").
std::u16string_view ToggleCaption(KeyComboToggle toggle);
std::u16string_view ToggleTextName(KeyComboToggle toggle);

// The name action execution reads back for a virtual key: the fixed names it knows ("F5",
// "PgUp", "A", "7"), otherwise what layoutName gives (the keyboard layout's name), otherwise
// empty. Modifier keys alone have no name here.
std::u16string ShortcutKeyName(std::uint8_t virtualKey,
                               const std::function<std::u16string(std::uint8_t)>& layoutName);

// edtKeyChange's text; keyName empty when the key field holds no key.
std::u16string KeyCombinationText(const KeyComboToggles& pressed, std::u16string_view keyName);

// Valid when the text is exactly "Win", or, without its first "Win + " and with "+" for every
// " + ", it parses as a shortcut.
bool IsValidKeyCombination(std::u16string_view text, PlanningQueries& queries);

// The label's text for an invalid combination, and dlgInvalid's content.
std::u16string_view InvalidCombinationLabel(Language language);
std::u16string_view InvalidCombinationMessage(Language language);

} // namespace traxo
