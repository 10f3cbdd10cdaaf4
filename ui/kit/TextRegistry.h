#pragma once
// Every text table of the program, in one list: the translation test walks it, so a table that
// is not listed here is a table nobody checks.

#include "platform/TextTable.h"

#include <span>

namespace traxo {

std::span<const TextTable* const> AllTextTables();

} // namespace traxo
