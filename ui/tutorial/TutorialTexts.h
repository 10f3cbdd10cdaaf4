#pragma once
// The tutorial window's own texts, English and Simplified Chinese side by side (the stage
// scripts are in TutorialScripts.cpp).

#include "platform/TextTable.h"

#include <cstddef>

namespace traxo {

enum class TutorialText : std::size_t {
    Caption,
    Back,
    Cancel,
    Next,
    Finish,
    ProceedTitle,
    ProceedOk,
    Count
};

const TextTable& TextTableOf(TutorialText);

} // namespace traxo
