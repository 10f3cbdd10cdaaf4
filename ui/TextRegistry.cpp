#include "ui/TextRegistry.h"

#include "recognition/RecordingPad.h"
#include "ui/DialogTexts.h"
#include "ui/MainWindowTexts.h"
#include "ui/OptionsTexts.h"

#include <array>

namespace traxo {

std::span<const TextTable* const> AllTextTables() {
    static const std::array<const TextTable*, 4> tables{
        &TextTableOf(MainText{}),
        &TextTableOf(OptionsText{}),
        &TextTableOf(DialogText{}),
        &TextTableOf(PadText{}),
    };
    return tables;
}

} // namespace traxo
