#pragma once
// The start-with-Windows entry: the value "traxo" under the current user's Run key. It is
// written with the path in double quotes, so that a path with blanks cannot be taken for a
// shorter program ("C:\Program.exe"); values written without quotes (older copies, by hand)
// are read as the same path.

#include "platform/Language.h"
#include "platform/Registry.h"

#include <string>
#include <string_view>
#include <utility>

namespace traxo {

// The value written for this program: its full path in double quotes.
std::u16string QuotedRunValue(std::u16string_view exePath);

// The program path a Run value names: without surrounding blanks, and, when it begins with a
// quote, the text up to the closing quote (anything after it is an argument).
std::u16string RunValuePath(std::u16string_view value);

// The menu's check mark: the value, trimmed of blanks, is not empty.
bool WillAutoStart(std::u16string_view value);

// Paths compared without regard to the case of A-Z, quotes or no quotes.
bool RunValueNamesProgram(std::u16string_view value, std::u16string_view exePath);

// The start-up check: a value that is not empty and names another program asks the user.
// A value of blanks only names no program, so it asks too.
bool AutostartNeedsQuestion(std::u16string_view value, std::u16string_view exePath);

// What an autostart operation ended with. When the registry refused, nothing was changed and
// `checked` is the state before.
struct AutostartOutcome {
    bool refused = false;
    bool checked = false;
};

// The operations of the tray menu, the options dialog and the start-up check on one store.
class Autostart {
public:
    // exePath: AppFolder + ExeName.
    Autostart(StringValueStore& store, std::u16string exePath)
        : store_(store), exePath_(std::move(exePath)) {}

    // willAutoStart; a refused read counts as off.
    AutostartOutcome State();
    // mnAutostartClick: an entry (of any program) is deleted, none is written for this one.
    AutostartOutcome Toggle();
    // IsAutoStartOK's question: true when the entry names another copy.
    bool NeedsQuestion();
    // The "Yes" answer: the entry names this copy afterwards. It is overwritten in one step, so
    // a refusal leaves the other copy's entry as it was.
    AutostartOutcome PointAtThisCopy();

private:
    StringValueStore& store_;
    std::u16string exePath_;
};

// The one message for a registry that refuses; language 1 Chinese, otherwise English.
std::u16string_view AutostartRefusedText(Language language);

} // namespace traxo
