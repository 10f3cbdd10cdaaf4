#pragma once
// The main window's keyboard, as data: the shortcuts (a key with its modifiers and the command it
// runs, in the whole window or in the gesture list), the access keys of its buttons and the order
// Tab moves the focus in.

#include "ui/main/MainWindowLayout.h"

#include <functional>
#include <optional>
#include <span>

namespace traxo {

enum class MainKeyCommand {
    NewSet,
    LoadSet,
    SaveSet,
    SaveSetAs,
    Hide,
    AssignAction,
    DeleteGesture
};

// Where a shortcut works: anywhere in the window, or only while the gesture list has the focus.
enum class KeyScope { Window, GestureList };

// A key as the system names it (a virtual-key code) with the modifiers held.
struct KeyChord {
    int virtualKey = 0;
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    friend bool operator==(const KeyChord&, const KeyChord&) = default;
};

struct MainKeyBinding {
    KeyChord chord;
    MainKeyCommand command;
    KeyScope scope = KeyScope::Window;
};

std::span<const MainKeyBinding> MainKeyMap();

// The command of exactly this chord where the focus is: Ctrl+Shift+S is Save as, never Save.
std::optional<MainKeyCommand> MainKeyCommandOf(KeyChord pressed, bool inGestureList = false);

struct MainAccessKey {
    MainControl control;
    char16_t letter; // a capital; Alt with it presses the control, in either language
};

std::span<const MainAccessKey> MainAccessKeys();
// The control Alt+`letter` presses (either case), none for a letter no control has.
std::optional<MainControl> MainAccessKeyTarget(char16_t letter);
// The access key of a control, 0 when it has none.
char16_t MainAccessKeyOf(MainControl control);

// The controls Tab reaches, in reading order: the caption bar, the toolbar left to right, the
// gesture list with its action button, then the buttons under the list and the pad's.
std::span<const MainControl> MainFocusOrder();

// Where Tab (Shift+Tab: backwards) moves the focus from `current`: the next control in the order
// that `available` accepts (shown and enabled), wrapping around. From a control outside the order
// it starts at the first (the last). None when no control is available.
std::optional<MainControl> NextFocus(MainControl current, bool backwards,
                                     const std::function<bool(MainControl)>& available);

} // namespace traxo
