#include "ui/main/MainKeyMap.h"

#include <algorithm>
#include <array>

namespace traxo {
namespace {

// Virtual-key codes; letters are their capitals.
constexpr int kKeyReturn = 0x0D;
constexpr int kKeyEscape = 0x1B;
constexpr int kKeyDelete = 0x2E;
constexpr int kKeyF2 = 0x71;

using enum MainKeyCommand;
using MC = MainControl;

constexpr std::array kBindings{
    MainKeyBinding{{'N', true, false, false}, NewSet},
    MainKeyBinding{{'O', true, false, false}, LoadSet},
    MainKeyBinding{{'S', true, false, false}, SaveSet},
    MainKeyBinding{{'S', true, true, false}, SaveSetAs},
    MainKeyBinding{{kKeyEscape, false, false, false}, Hide},
    MainKeyBinding{{kKeyReturn, false, false, false}, AssignAction, KeyScope::GestureList},
    MainKeyBinding{{kKeyF2, false, false, false}, AssignAction, KeyScope::GestureList},
    MainKeyBinding{{kKeyDelete, false, false, false}, DeleteGesture, KeyScope::GestureList},
};

// One letter for both languages: a Chinese caption shows it in brackets after itself.
constexpr std::array kAccessKeys{
    MainAccessKey{MC::btnActive, u'T'},    MainAccessKey{MC::btnClear, u'N'},
    MainAccessKey{MC::btnLoad, u'L'},      MainAccessKey{MC::btnSave, u'S'},
    MainAccessKey{MC::btnSaveAs, u'A'},    MainAccessKey{MC::btnOptions, u'O'},
    MainAccessKey{MC::btnHelp, u'H'},      MainAccessKey{MC::btnExit, u'X'},
    MainAccessKey{MC::btnKnownApps, u'P'}, MainAccessKey{MC::btnCreate, u'C'},
    MainAccessKey{MC::btnDelete, u'D'},    MainAccessKey{MC::btnRecord, u'R'},
};

constexpr std::array kFocusOrder{
    MC::btnHide,   MC::btnActive,    MC::btnClear,  MC::btnLoad,   MC::btnSave,
    MC::btnSaveAs, MC::btnOptions,   MC::btnHelp,   MC::btnExit,   MC::ListBox1,
    MC::btnAssign, MC::btnKnownApps, MC::btnCreate, MC::btnDelete, MC::btnRecord,
};

char16_t Capital(char16_t letter) {
    return letter >= u'a' && letter <= u'z' ? char16_t(letter - 32) : letter;
}

} // namespace

std::span<const MainKeyBinding> MainKeyMap() {
    return kBindings;
}

std::optional<MainKeyCommand> MainKeyCommandOf(KeyChord pressed, bool inGestureList) {
    for (const MainKeyBinding& binding : kBindings) {
        const bool inScope = binding.scope == KeyScope::Window || inGestureList;
        if (binding.chord == pressed && inScope) {
            return binding.command;
        }
    }
    return std::nullopt;
}

std::span<const MainAccessKey> MainAccessKeys() {
    return kAccessKeys;
}

std::optional<MainControl> MainAccessKeyTarget(char16_t letter) {
    const auto found = std::ranges::find(kAccessKeys, Capital(letter), &MainAccessKey::letter);
    return found != kAccessKeys.end() ? std::optional(found->control) : std::nullopt;
}

char16_t MainAccessKeyOf(MainControl control) {
    const auto found = std::ranges::find(kAccessKeys, control, &MainAccessKey::control);
    return found != kAccessKeys.end() ? found->letter : char16_t{0};
}

std::span<const MainControl> MainFocusOrder() {
    return kFocusOrder;
}

std::optional<MainControl> NextFocus(MainControl current, bool backwards,
                                     const std::function<bool(MainControl)>& available) {
    const auto count = static_cast<std::ptrdiff_t>(kFocusOrder.size());
    const auto found = std::ranges::find(kFocusOrder, current);
    // From outside the order, the step below lands on the first (the last) control.
    std::ptrdiff_t at = found != kFocusOrder.end() ? found - kFocusOrder.begin()
                        : backwards                ? count
                                                   : -1;
    for (std::ptrdiff_t step = 0; step < count; ++step) {
        at = ((backwards ? at - 1 : at + 1) % count + count) % count;
        if (available(kFocusOrder[static_cast<std::size_t>(at)])) {
            return kFocusOrder[static_cast<std::size_t>(at)];
        }
    }
    return std::nullopt;
}

} // namespace traxo
