// The main window's shortcuts: each chord runs its command, and only the exact chord does.
#include "ui/main/MainKeyMap.h"

#include <gtest/gtest.h>
#include <optional>
#include <set>
#include <tuple>

namespace traxo {
namespace {

TEST(MainKeyMap, EachChordRunsItsCommandAndNoOtherChordDoes) {
    struct Case {
        KeyChord chord;
        std::optional<MainKeyCommand> command;
    };
    const Case cases[] = {
        {{'N', true, false, false}, MainKeyCommand::NewSet},
        {{'O', true, false, false}, MainKeyCommand::LoadSet},
        {{'S', true, false, false}, MainKeyCommand::SaveSet},
        {{'S', true, true, false}, MainKeyCommand::SaveSetAs},
        {{0x1B, false, false, false}, MainKeyCommand::Hide},
        {{'S', false, false, false}, std::nullopt}, // typing, not a shortcut
        {{'S', true, false, true}, std::nullopt},   // Ctrl+Alt is AltGr on many keyboards
        {{'N', true, true, false}, std::nullopt},
        {{0x1B, true, false, false}, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MainKeyCommandOf(c.chord), c.command) << c.chord.virtualKey;
    }
}

TEST(MainKeyMap, NoChordIsBoundTwice) {
    std::set<std::tuple<int, bool, bool, bool>> seen;
    for (const MainKeyBinding& binding : MainKeyMap()) {
        const KeyChord& chord = binding.chord;
        EXPECT_TRUE(seen.insert({chord.virtualKey, chord.ctrl, chord.shift, chord.alt}).second)
            << chord.virtualKey;
    }
}

} // namespace
} // namespace traxo
