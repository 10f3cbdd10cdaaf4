#pragma once
// The two action lists, row by row: row i of the English list and row i of the Chinese list name
// the same action. Sets store built-in actions by their English row text only, so these rows are
// also how a stored action finds its text in the other language.

#include "platform/TextTable.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace traxo {

// A row of the action vocabulary: its index, its English text and its Chinese text.
using ActionListRow = TextRow;

inline constexpr std::size_t kActionListRowCount = 41;

// The vocabulary is a text table of its own, its ids the row indexes.
enum class ActionListText : std::size_t { Count = kActionListRowCount };

const TextTable& TextTableOf(ActionListText);

// The rows with a meaning of their own; rows from kFirstBuiltInRow on are built-in commands.
enum ActionListRowIndex : std::size_t {
    kRowSameAsDefault = 0,
    kRowDoNothing = 1,
    kRowProgramOrFile = 2,
    kRowFolder = 3,
    kRowWebsite = 4,
    kRowKeyCombination = 5,
    kRowKeystrokes = 6,
    kFirstBuiltInRow = 7,
};

// lstActions_English and lstActions_Chinese, side by side.
extern const std::array<ActionListRow, kActionListRowCount> kActionLists;

// The English texts of rows 0 and 1: the assign dialog's marker for a program without a rule of
// its own, and what an empty action is called.
extern const std::u16string_view sameAsDefaultText;
extern const std::u16string_view doNothingText;

// The index of the row whose English text is exactly `text`.
std::optional<std::size_t> FindEnglishActionRow(std::u16string_view text);

} // namespace traxo
