#include "ui/kit/TextRegistry.h"

#include "app/EngineTexts.h"
#include "recognition/RecordingPad.h"
#include "ui/kit/DialogTexts.h"
#include "ui/main/MainWindowTexts.h"
#include "ui/options/OptionsTexts.h"

#include <array>

namespace traxo {

std::span<const TextTable* const> AllTextTables() {
    static const std::array<const TextTable*, 5> tables{
        &TextTableOf(MainText{}), &TextTableOf(OptionsText{}), &TextTableOf(DialogText{}),
        &TextTableOf(PadText{}),  &TextTableOf(EngineText{}),
    };
    return tables;
}

} // namespace traxo
