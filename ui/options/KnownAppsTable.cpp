#include "ui/options/KnownAppsTable.h"

#include "platform/AppPaths.h"
#include "platform/AsciiText.h"

#include <algorithm>

namespace traxo {
namespace {

int LiveMotionCount(const MotionSet& set) {
    const int count = set.motionCount; // a packed field: read by value
    return std::clamp(count, 0, kMotionSlots);
}

int LiveRuleCount(const Motion& motion) {
    return std::min<int>(motion.ruleCount, kRuleSlots);
}

} // namespace

std::u16string StoredProgramPath(std::u16string_view fullPath, std::u16string_view appFolder) {
    return AsciiLowerCase(PathRelativeToFolder(fullPath, appFolder));
}

int RulesUsingProgram(const MotionSet& set, int appIndex) {
    int count = 0;
    for (int m = 0; m < LiveMotionCount(set); ++m) {
        const Motion& motion = set.motions[m];
        for (int r = 0; r < LiveRuleCount(motion); ++r) {
            if (motion.rules[r].appIndex == appIndex) {
                ++count;
            }
        }
    }
    return count;
}

KnownAppsWriteBack WriteKnownApps(MotionSet& set, std::span<const KnownAppRow> rows) {
    // lstLookup: the new position of every row, -1 for a marked one.
    std::vector<int> lookup;
    int n = 0;
    for (const KnownAppRow& row : rows) {
        lookup.push_back(row.Marked() || n >= kKnownAppSlots ? -1 : n++);
    }

    const int storedCount = set.knownAppCount;
    const int oldCount = std::clamp(storedCount, 0, kKnownAppSlots);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (lookup[i] >= 0) {
            set.knownApps[lookup[i]].title.Assign(rows[i].title);
            set.knownApps[lookup[i]].path.Assign(rows[i].path);
        }
    }
    for (int i = n; i < oldCount; ++i) { // no stale names behind the table's end
        set.knownApps[i].title.Clear();
        set.knownApps[i].path.Clear();
    }
    set.knownAppCount = n;

    KnownAppsWriteBack result;
    for (int m = 0; m < LiveMotionCount(set); ++m) {
        Motion& motion = set.motions[m];
        int kept = 0;
        const int liveRules = LiveRuleCount(motion);
        for (int r = 0; r < liveRules; ++r) {
            const int index = motion.rules[r].appIndex;
            if (index >= static_cast<int>(rows.size())) {
                ++result.orphanRules; // nothing could ever run it
                continue;
            }
            if (lookup[index] < 0) {
                ++result.removedRules;
                continue;
            }
            if (kept != r) {
                motion.rules[kept] = motion.rules[r];
            }
            motion.rules[kept].appIndex = static_cast<std::uint8_t>(lookup[index]);
            ++kept;
        }
        for (int r = kept; r < liveRules; ++r) { // no removed rule's text is saved
            motion.rules[r].action.Clear();
        }
        motion.ruleCount = static_cast<std::uint8_t>(kept);
    }
    return result;
}

void KnownAppsTable::Load(const MotionSet& set) {
    rows_.clear();
    const int storedCount = set.knownAppCount;
    const int count = std::clamp(storedCount, 0, kKnownAppSlots);
    for (int i = 0; i < count; ++i) {
        rows_.push_back({set.knownApps[i].title.View(), set.knownApps[i].path.View()});
    }
    selected_ = -1;
}

void KnownAppsTable::Select(int row) {
    selected_ = IsRow(row) ? row : -1;
}

AddProgramResult KnownAppsTable::Add(std::u16string storedPath, std::u16string_view title,
                                     bool checkDuplicate) {
    if (checkDuplicate && std::ranges::any_of(rows_, [&](const KnownAppRow& row) {
            return row.path == storedPath;
        })) {
        return AddProgramResult::Duplicate;
    }
    if (rows_.size() >= static_cast<std::size_t>(kKnownAppSlots)) {
        return AddProgramResult::Full;
    }
    rows_.push_back({std::u16string(title), std::move(storedPath)});
    selected_ = static_cast<int>(rows_.size()) - 1;
    return AddProgramResult::Added;
}

bool KnownAppsTable::Repick(std::u16string storedPath) {
    if (!IsRow(selected_) || rows_[selected_].Marked()) {
        return false;
    }
    rows_[selected_].path = std::move(storedPath);
    return true;
}

bool KnownAppsTable::MarkSelected() {
    if (!IsRow(selected_) || rows_[selected_].Marked()) {
        return false;
    }
    rows_[selected_].path = std::u16string(kDeletedPath);
    return true;
}

bool KnownAppsTable::CanEditTitle(int row) const {
    return IsRow(row) && !rows_[row].Marked();
}

bool KnownAppsTable::SetTitle(int row, std::u16string title) {
    if (!CanEditTitle(row)) {
        return false;
    }
    rows_[row].title = std::move(title);
    return true;
}

std::vector<KnownAppEntry> KnownAppsTable::ListEntries() const {
    std::vector<KnownAppEntry> entries;
    for (const KnownAppRow& row : rows_) {
        if (!row.Marked()) {
            entries.push_back({row.title, row.path});
        }
    }
    return entries;
}

void KnownAppsTable::ReplaceWith(std::span<const KnownAppEntry> entries) {
    rows_.clear();
    for (const KnownAppEntry& entry :
         entries.first(std::min<std::size_t>(entries.size(), kKnownAppSlots))) {
        rows_.push_back({entry.title, entry.path});
    }
    selected_ = -1;
}

} // namespace traxo
