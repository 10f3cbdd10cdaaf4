#pragma once
// The texts the action editors and the action display put together, English and Simplified
// Chinese side by side. A "#" stands for a value filled in where the text is used.

#include "platform/TextTable.h"

#include <cstddef>

namespace traxo {

enum class ActionText : std::size_t {
    DefaultRowTitle,         // the assign dialog's row for every program
    KeysLabel,               // before a key combination (English shows the stored "Keys: " itself)
    KeystrokesLabel,         // before a keystrokes script
    InvalidCombinationLabel, // the key combination editor's label
    InvalidCombinationMessage,
    DropTooMany,
    DropUnsupported,
    ScriptEmpty,
    ScriptCharacter,    // "#": where the excerpt starts in the user's script, from 1
    ScriptOverrun,      // "#": the excerpt, then ScriptCharacter or nothing
    ScriptMissingBrace, // the same
    ScriptBadRepeat,    // the same, then the repeat count as written
    Count,
};

const TextTable& TextTableOf(ActionText);

} // namespace traxo
