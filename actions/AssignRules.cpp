#include "actions/AssignRules.h"

#include "actions/ActionLists.h"
#include "actions/ActionModel.h"
#include "actions/ActionTexts.h"
#include "platform/AsciiText.h"

#include <algorithm>

namespace traxo {
namespace {

// Counts are read into locals first: inside the packed image they may lie unaligned.
int LiveKnownApps(const MotionSet& set) {
    const int count = set.knownAppCount;
    return std::clamp(count, 0, kKnownAppSlots);
}

bool StartsWith(std::u16string_view text, std::u16string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

} // namespace

std::u16string SameAsDefaultMarker() {
    return u"@" + std::u16string(sameAsDefaultText);
}

std::u16string_view DefaultRowTitle(Language language) {
    return Text(ActionText::DefaultRowTitle, language);
}

std::vector<AssignRow> RowsFromMotion(const MotionSet& set, int motionIndex, Language language) {
    std::vector<AssignRow> rows;
    const int motions = set.motionCount;
    if (motionIndex < 0 || motionIndex >= std::clamp(motions, 0, kMaxMotions)) {
        return rows;
    }
    const Motion& motion = set.motions[motionIndex];
    const int apps = LiveKnownApps(set);
    rows.reserve(static_cast<std::size_t>(apps) + 1);
    rows.push_back({std::u16string(DefaultRowTitle(language)), motion.defaultAction.View(), 0});
    for (int app = 0; app < apps; ++app) {
        rows.push_back({set.knownApps[app].title.View(), SameAsDefaultMarker(), app + 1});
    }
    const int rules = std::min<int>(motion.ruleCount, kRuleSlots);
    for (int r = 0; r < rules; ++r) {
        const int app = motion.rules[r].appIndex;
        if (app < apps) {
            rows[static_cast<std::size_t>(app) + 1].action = motion.rules[r].action.View();
        }
    }
    return rows;
}

std::size_t WriteRowsToMotion(MotionSet& set, int motionIndex, const std::vector<AssignRow>& rows) {
    if (motionIndex < 0 || motionIndex >= kMotionSlots || rows.empty()) {
        return 0;
    }
    Motion& motion = set.motions[motionIndex];
    motion.defaultAction.Assign(rows[0].action);
    for (ProgramRule& rule : motion.rules) {
        rule.action.Clear();
    }
    const std::u16string marker = SameAsDefaultMarker();
    int count = 0;
    std::size_t dropped = 0;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        if (rows[r].action == marker) {
            continue;
        }
        // A rule's program index is one byte, and there are kRuleSlots rule slots.
        if (count >= kRuleSlots || r - 1 > 0xFF) {
            ++dropped;
            continue;
        }
        ProgramRule& rule = motion.rules[count++];
        rule.appIndex = static_cast<std::uint8_t>(r - 1);
        rule.unused = 0;
        rule.action.Assign(rows[r].action);
    }
    motion.ruleCount = static_cast<std::uint8_t>(count);
    return dropped;
}

std::vector<std::size_t> ComboActionRows(std::size_t rowIndex) {
    std::vector<std::size_t> entries;
    for (std::size_t row = 0; row < kActionListRowCount; ++row) {
        if (row == kRowSameAsDefault && rowIndex == 0) {
            continue;
        }
        entries.push_back(row);
    }
    return entries;
}

std::u16string KeystrokesScriptOf(std::u16string_view current) {
    if (!StartsWith(current, u"@Keystrokes")) {
        return {};
    }
    return std::u16string(ActionPayload(current));
}

std::u16string ProposedWebAddress(std::u16string_view current) {
    if (!current.empty() && current.front() != u'@' &&
        current.find(u"://") != std::u16string_view::npos) {
        return std::u16string(current);
    }
    return u"http://";
}

std::u16string WithWebScheme(std::u16string_view answer) {
    if (StartsWith(answer, u"http")) {
        return std::u16string(answer);
    }
    return u"http://" + std::u16string(answer);
}

ProgramFields SplitProgramAction(std::u16string_view current) {
    if (current.empty() || current.front() == u'@' ||
        current.find(u"://") != std::u16string_view::npos) {
        return {};
    }
    const auto at = current.find(kProgramDirectorySeparator);
    if (at == std::u16string_view::npos) {
        return {std::u16string(current), {}};
    }
    return {std::u16string(current.substr(0, at)),
            std::u16string(current.substr(at + kProgramDirectorySeparator.size()))};
}

std::u16string JoinProgramAction(const ProgramFields& fields) {
    std::u16string action = fields.file;
    const std::u16string_view directory = Trimmed(fields.workingDirectory);
    if (!directory.empty()) {
        action += kProgramDirectorySeparator;
        action += directory;
    }
    return action;
}

std::u16string comboActionSelect(std::optional<std::size_t> chosenRow, std::u16string_view current,
                                 ActionEditors& editors) {
    std::u16string result(current);
    if (!chosenRow || *chosenRow >= kActionListRowCount) {
        return result; // entry 0: the action stays
    }
    switch (*chosenRow) {
    case kRowDoNothing:
        return {};
    case kRowKeystrokes:
        if (auto script = editors.EditKeystrokes(KeystrokesScriptOf(current))) {
            result = std::u16string(kKeystrokesPrefix) + u" " + *script;
        }
        return result;
    case kRowKeyCombination:
        if (auto combination = editors.EditKeyCombination()) {
            result = std::u16string(kKeysPrefix) + u" " + *combination;
        }
        return result;
    case kRowWebsite:
        if (auto answer = editors.AskWebAddress(ProposedWebAddress(current))) {
            result = WithWebScheme(*answer);
        }
        return result;
    case kRowFolder:
        if (auto folder = editors.ChooseFolder()) {
            result = *folder;
        }
        return result;
    case kRowProgramOrFile:
        if (auto fields = editors.EditProgram(SplitProgramAction(current))) {
            result = JoinProgramAction(*fields);
        }
        return result;
    default: // a built-in command or "[ Same as default ]"
        return u"@" + std::u16string(kActionLists[*chosenRow].english);
    }
}

} // namespace traxo
