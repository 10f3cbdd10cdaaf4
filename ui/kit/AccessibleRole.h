#pragma once
// What each kind of control of a control table is for a screen reader.

#include "controls/Accessible.h"
#include "ui/kit/ControlTable.h"

namespace traxo {

// The role of a control of `kind`; a button that `toggles` (stays in or out) is a check button.
AccessibleRole AccessibleRoleOf(ControlKind kind, bool toggles = false);

// The facts a window reads off one of its animated controls.
struct ControlFacts {
    std::u16string caption;
    bool enabled = true;
    bool pressed = false; // held down by the mouse
    bool checked = false; // a toggle that is in
    bool selected = false;
    bool focused = false;
    char16_t accessKey = 0; // the letter Alt presses it with; 0: none
};

// The control as a reader is told of it: its caption is its name; a button or a tab has
// `pressAction` as its default action while it is enabled, and its access key as its shortcut.
AccessibleItem DescribeControl(AccessibleRole role, const ControlFacts& facts,
                               std::u16string_view pressAction);

} // namespace traxo
