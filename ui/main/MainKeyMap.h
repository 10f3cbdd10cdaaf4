#pragma once
// The main window's whole-window shortcuts, as data: the key with its modifiers, and the command
// it runs wherever the focus is in the window.

#include <optional>
#include <span>

namespace traxo {

enum class MainKeyCommand { NewSet, LoadSet, SaveSet, SaveSetAs, Hide };

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
};

std::span<const MainKeyBinding> MainKeyMap();

// The command of exactly this chord: Ctrl+Shift+S is Save as, never Save.
std::optional<MainKeyCommand> MainKeyCommandOf(KeyChord pressed);

} // namespace traxo
