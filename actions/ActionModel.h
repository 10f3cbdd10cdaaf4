#pragma once
// ActionString: one line of text encodes every action a gesture can carry out. This unit tells
// the forms apart the way execution does and makes the short text shown to the user.

#include "actions/ActionLists.h" // sameAsDefaultText, doNothingText
#include "platform/Language.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace traxo {

inline constexpr std::u16string_view kKeystrokesPrefix = u"@Keystrokes:";
inline constexpr std::u16string_view kKeysPrefix = u"@Keys:";
inline constexpr std::u16string_view kProgramDirectorySeparator = u"*in*";

enum class ActionForm {
    DoNothing,      // the empty action
    Keystrokes,     // "@Keystrokes: " and a script
    KeyCombination, // "@Keys: " and key names joined by " + "
    SameAsDefault,  // "@[ Same as default ]": lives only inside the assign dialog
    BuiltIn,        // "@" and anything else: a built-in command, found by its name
    File,           // no "@" anywhere: a program, file, folder or web address for the shell
};

// An ActionString taken apart. Only the fields of its form are filled in.
struct ParsedAction {
    ActionForm form = ActionForm::DoNothing;
    std::u16string payload;          // Keystrokes, KeyCombination: the script or the combination
    std::u16string commandName;      // BuiltIn: trimmed, lower case, e.g. "lock"
    std::u16string target;           // File: the program (with parameters), file, folder or address
    std::u16string workingDirectory; // File: the text after "*in*", empty without it
};

ParsedAction ParseAction(std::u16string_view action);

// From the second character after the first colon on: editors write "@Keys: " with one blank.
std::u16string_view ActionPayload(std::u16string_view action);

// The part after the last ":" or "\", without surrounding blanks, in lower case.
std::u16string BuiltInCommandName(std::u16string_view action);

// A program text split where its parameters begin: after the first ".exe ", ".bat ", ".com " or
// ".lnk " (parameters keep their leading blank). Without one, the whole text is the program.
struct ProgramLaunch {
    std::u16string program;
    std::u16string parameters;
};
ProgramLaunch SplitProgramParameters(std::u16string_view fileText);

// The short text for lists, the action button and the popup; longer than maxLen, it is cut and
// ends in "...". language 1 is Chinese, anything else English.
std::u16string ActionToDisplayString(std::u16string_view action, int maxLen, Language language);

// The whole action, so that a set from someone else can be read before it runs: a program or
// file with its full path and parameters, any other action as its short text has it.
std::u16string ActionToFullText(std::u16string_view action, Language language);

} // namespace traxo
