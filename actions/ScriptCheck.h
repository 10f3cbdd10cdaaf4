#pragma once
// Why the keystroke sender would stop on a script, and where: the keystrokes editor tells the
// user instead of leaving a test (or a gesture) that types half the text without a word.

#include "platform/Keyboard.h"
#include "platform/Language.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace traxo {

enum class ScriptProblemKind {
    Empty,            // nothing to send
    MissingBrace,     // a "{" without its "}"
    BadRepeatCount,   // "{name count}" whose count is not a number from 0 to 65,535
    TooManyKeyEvents, // a run would pass kMaxKeyEventsPerRun, so nothing is sent
};

struct ScriptProblem {
    ScriptProblemKind kind = ScriptProblemKind::Empty;
    std::size_t position = 0;   // of the item in the sender's notation
    std::u16string excerpt;     // the item as written there, "{left x}", "{left" or "{a 9999}"
    std::u16string repeatCount; // BadRepeatCount: the count as written
};

// The first place where SendScript returns false for `theirText` (the sender's notation) on
// `keyboard`'s layout, or nullopt when it sends the whole text. Sends nothing.
std::optional<ScriptProblem> FindScriptProblem(std::u16string_view theirText, Keyboard& keyboard);

// The editor's message for a problem in `userScript` (the user's notation, which the excerpt is
// looked up in to say at which character it stands). language 1 Chinese, otherwise English.
std::u16string DescribeScriptProblem(const ScriptProblem& problem, std::u16string_view userScript,
                                     Language language);

} // namespace traxo
