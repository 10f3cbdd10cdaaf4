#pragma once
// The update check's texts, English and Simplified Chinese side by side. A "#" stands for a value
// filled in where the text is used.

#include "platform/TextTable.h"

#include <cstddef>

namespace traxo {

enum class UpdateText : std::size_t {
    Instruction,       // the offer, with a download address to open
    InstructionNoLink, // the offer whose address is no web address
    Footer,            // "#": the offered version, its date, the running version
    DownloadFrom,      // "#": the address as the description gives it
    Yes,
    No,
    Ok,
    Latest,
    NetworkError,
    Count,
};

const TextTable& TextTableOf(UpdateText);

} // namespace traxo
