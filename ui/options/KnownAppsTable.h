#pragma once
// The rows of the known-programs page while the options dialog is open, and what OK makes of
// them in the set: marked programs go, the rules that named them go too, and every other rule
// follows its program to its new position.

#include "sets/MotionSet.h"
#include "ui/options/KnownAppListFile.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace traxo {

// The path of a row marked for removal; the row stays in view until OK.
inline constexpr std::u16string_view kDeletedPath = u"_DELETED";

struct KnownAppRow {
    std::u16string title;
    std::u16string path;
    bool Marked() const { return path == kDeletedPath; }
    friend bool operator==(const KnownAppRow&, const KnownAppRow&) = default;
};

enum class AddProgramResult { Added, Duplicate, Full };

// A program's path as the set stores it: relative to the program folder on the same drive,
// lower case.
std::u16string StoredProgramPath(std::u16string_view fullPath, std::u16string_view appFolder);

// The live rules, over all live motions, whose program is at this index.
int RulesUsingProgram(const MotionSet& set, int appIndex);

struct KnownAppsWriteBack {
    int removedRules = 0; // rules of programs marked for removal
    int orphanRules = 0;  // rules whose program index is past the new table's end
};

// Writes the unmarked rows as the set's table, in order, and renumbers or drops the rules.
KnownAppsWriteBack WriteKnownApps(MotionSet& set, std::span<const KnownAppRow> rows);

class KnownAppsTable {
public:
    void Load(const MotionSet& set);

    const std::vector<KnownAppRow>& Rows() const { return rows_; }
    int Selected() const { return selected_; }
    void Select(int row); // -1 or an index out of range: none

    // Adds a row with the placeholder title and selects it. With checkDuplicate, a row already
    // holding exactly this path refuses the new one.
    AddProgramResult Add(std::u16string storedPath, std::u16string_view title, bool checkDuplicate);
    // Gives the selected row a new path; false without a selection or for a marked row.
    bool Repick(std::u16string storedPath);
    // Marks the selected row; false without a selection or when it is already marked.
    bool MarkSelected();
    bool CanEditTitle(int row) const;
    // False when the row cannot be edited (nothing changes then).
    bool SetTitle(int row, std::u16string title);

    // The unmarked rows, as a list file holds them.
    std::vector<KnownAppEntry> ListEntries() const;
    // The rows of an opened list file (as many as a set can hold); nothing is marked.
    void ReplaceWith(std::span<const KnownAppEntry> entries);

private:
    bool IsRow(int row) const { return row >= 0 && row < static_cast<int>(rows_.size()); }

    std::vector<KnownAppRow> rows_;
    int selected_ = -1;
};

} // namespace traxo
