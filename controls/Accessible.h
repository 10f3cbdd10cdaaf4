#pragma once
// What a control is for a screen reader: its role, its states and its name, as plain data. The
// values of the roles and state bits are the accessibility interface's own, so that the Windows
// side hands them over unchanged.

#include "platform/CoreTypes.h"

#include <cstdint>
#include <string>

namespace traxo {

enum class AccessibleRole : std::uint32_t {
    Alert = 0x08,
    Client = 0x0A,
    Grouping = 0x14,
    List = 0x21,
    ListItem = 0x22,
    PageTab = 0x25,
    Graphic = 0x28,
    StaticText = 0x29,
    PushButton = 0x2B,
    CheckButton = 0x2C,
};

// The states a reader is told of.
struct AccessibleStates {
    bool focused = false;
    bool pressed = false;
    bool unavailable = false;
    bool checked = false;
    bool selected = false;
    bool focusable = false;
    bool selectable = false;
    bool invisible = false;
};

namespace accessible_state {
inline constexpr std::uint32_t kUnavailable = 0x1;
inline constexpr std::uint32_t kSelected = 0x2;
inline constexpr std::uint32_t kFocused = 0x4;
inline constexpr std::uint32_t kPressed = 0x8;
inline constexpr std::uint32_t kChecked = 0x10;
inline constexpr std::uint32_t kInvisible = 0x8000;
inline constexpr std::uint32_t kFocusable = 0x100000;
inline constexpr std::uint32_t kSelectable = 0x200000;
} // namespace accessible_state

// The states as the interface's bit set.
std::uint32_t StateBits(const AccessibleStates& states);

// One object or one of its simple children, as a reader asks for it.
struct AccessibleItem {
    std::u16string name;
    AccessibleRole role = AccessibleRole::Client;
    AccessibleStates states;
    std::u16string value;
    std::u16string defaultAction;    // empty: none
    std::u16string keyboardShortcut; // "Alt+T"; empty: none
    Rect place{};                    // in the window's client area; ignored for the window itself
};

} // namespace traxo
