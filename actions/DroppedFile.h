#pragma once
// Dropping a file from the shell on the action button: one file becomes the selected motion's
// default action, stored relative to the program's folder where it can be. The name arrives
// whole and in UTF-16 (its length is asked first), so no path is cut or re-encoded.

#include "platform/Language.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace traxo {

enum class DropOutcome {
    Assigned,    // `action` is the new default action
    Ignored,     // the action button was not showing: nothing to assign to
    TooMany,     // "Drop only one file on to this action."
    Unsupported, // "That type of object isn't supported."
};

struct DropDecision {
    DropOutcome outcome = DropOutcome::Ignored;
    std::u16string action;
};

// firstName: the first dropped name as the shell gives it (empty when it could not be read).
DropDecision DecideDrop(std::size_t fileCount, std::u16string_view firstName, bool panelVisible,
                        std::u16string_view appFolder);

// The message for TooMany and Unsupported (empty for the others); language 1 Chinese.
std::u16string_view DropMessage(DropOutcome outcome, Language language);

} // namespace traxo
