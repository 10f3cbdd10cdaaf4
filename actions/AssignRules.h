#pragma once
// The assign dialog's decisions: the rows it shows for a motion, what OK writes back into the
// set, the entries of the drop-down laid over a row, and the action an entry gives. The dialogs
// only move text in and out; the editors are reached through ActionEditors.

#include "platform/Language.h"
#include "sets/MotionSet.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace traxo {

struct AssignRow {
    std::u16string title;
    std::u16string action;
    int icon = 0; // 0 for all programs, r for known program r - 1
};

// "@" followed by sameAsDefaultText: a program row without a rule of its own.
std::u16string SameAsDefaultMarker();

// The title of row 0.
std::u16string_view DefaultRowTitle(Language language);

// Row 0 holds the motion's default action, row r >= 1 known program r - 1 with its rule's
// action (the last rule for it wins) or the marker. Out-of-range counts and indices read from a
// damaged set are kept within the slots. An index that is not a live motion gives no rows.
std::vector<AssignRow> RowsFromMotion(const MotionSet& set, int motionIndex, Language language);

// OK: the default action from row 0, and one rule for every program row not holding the marker,
// in row order (an empty action is a rule too: "do nothing here"). Rule slots beyond the
// record's capacity are not written; the number of rows that did not fit is returned.
std::size_t WriteRowsToMotion(MotionSet& set, int motionIndex, const std::vector<AssignRow>& rows);

// The action-list rows offered after entry 0 (the row's current action) for row `rowIndex`:
// every row of the action list, without "[ Same as default ]" for row 0.
std::vector<std::size_t> ComboActionRows(std::size_t rowIndex);

// ---- comboActionSelect ----

struct ProgramFields {
    std::u16string file;
    std::u16string workingDirectory;
    friend bool operator==(const ProgramFields&, const ProgramFields&) = default;
};

// The editors an entry opens; nullopt is Cancel.
class ActionEditors {
public:
    virtual ~ActionEditors() = default;
    virtual std::optional<std::u16string> EditKeystrokes(std::u16string_view script) = 0;
    virtual std::optional<std::u16string> EditKeyCombination() = 0; // the combination text
    virtual std::optional<std::u16string> AskWebAddress(std::u16string_view proposed) = 0;
    virtual std::optional<std::u16string> ChooseFolder() = 0;
    virtual std::optional<ProgramFields> EditProgram(const ProgramFields& start) = 0;
};

// The script the keystrokes editor starts with: c's text from the second character after its
// first ":" when c begins with "@Keystrokes", otherwise empty.
std::u16string KeystrokesScriptOf(std::u16string_view current);

// The address the web-address question proposes.
std::u16string ProposedWebAddress(std::u16string_view current);

// An answer not beginning with "http" gets "http://" in front.
std::u16string WithWebScheme(std::u16string_view answer);

// The launch dialog's fields from the current action (split at the first "*in*"), and back.
ProgramFields SplitProgramAction(std::u16string_view current);
std::u16string JoinProgramAction(const ProgramFields& fields);

// The new action of the selected row after entry `chosenRow` of the action list (nullopt:
// entry 0, the current action itself) was picked; `current` is the row's action. An editor
// that is cancelled leaves the current action.
std::u16string comboActionSelect(std::optional<std::size_t> chosenRow, std::u16string_view current,
                                 ActionEditors& editors);

} // namespace traxo
