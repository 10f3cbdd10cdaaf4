#include "controls/Accessible.h"

namespace traxo {

std::uint32_t StateBits(const AccessibleStates& states) {
    using namespace accessible_state;
    std::uint32_t bits = 0;
    const auto add = [&bits](bool on, std::uint32_t bit) { bits |= on ? bit : 0; };
    add(states.unavailable, kUnavailable);
    add(states.selected, kSelected);
    add(states.focused, kFocused);
    add(states.pressed, kPressed);
    add(states.checked, kChecked);
    add(states.invisible, kInvisible);
    add(states.focusable, kFocusable);
    add(states.selectable, kSelectable);
    return bits;
}

} // namespace traxo
