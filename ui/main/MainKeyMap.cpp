#include "ui/main/MainKeyMap.h"

#include <algorithm>
#include <array>

namespace traxo {
namespace {

constexpr int kKeyEscape = 0x1B; // VK_ESCAPE; letters are their capitals

constexpr std::array kBindings{
    MainKeyBinding{{'N', true, false, false}, MainKeyCommand::NewSet},
    MainKeyBinding{{'O', true, false, false}, MainKeyCommand::LoadSet},
    MainKeyBinding{{'S', true, false, false}, MainKeyCommand::SaveSet},
    MainKeyBinding{{'S', true, true, false}, MainKeyCommand::SaveSetAs},
    MainKeyBinding{{kKeyEscape, false, false, false}, MainKeyCommand::Hide},
};

} // namespace

std::span<const MainKeyBinding> MainKeyMap() {
    return kBindings;
}

std::optional<MainKeyCommand> MainKeyCommandOf(KeyChord pressed) {
    const auto found = std::ranges::find(kBindings, pressed, &MainKeyBinding::chord);
    if (found == kBindings.end()) {
        return std::nullopt;
    }
    return found->command;
}

} // namespace traxo
