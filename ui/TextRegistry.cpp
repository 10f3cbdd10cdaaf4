#include "ui/TextRegistry.h"

#include "app/EngineTexts.h"
#include "recognition/RecordingPad.h"
#include "ui/DialogTexts.h"
#include "ui/MainWindowTexts.h"
#include "ui/OptionsTexts.h"

#include <array>

namespace traxo {

std::span<const TextTable* const> AllTextTables() {
    static const std::array<const TextTable*, 5> tables{
        &TextTableOf(MainText{}),
        &TextTableOf(OptionsText{}),
        &TextTableOf(DialogText{}),
        &TextTableOf(PadText{}),
        &TextTableOf(EngineText{}),
    };
    return tables;
}

} // namespace traxo
