#pragma once
// The system's own letter-case folding for program paths (CharLowerBuffW).

#include "platform/PathCase.h"

namespace traxo {

const PathCaseFolding& SystemPathCaseFolding();

} // namespace traxo
