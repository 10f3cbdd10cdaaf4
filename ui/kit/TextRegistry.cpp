#include "ui/kit/TextRegistry.h"

#include "app/EngineTexts.h"
#include "recognition/RecordingPad.h"
#include "ui/kit/DialogTexts.h"
#include "ui/main/MainWindowTexts.h"
#include "ui/options/OptionsTexts.h"
#include "ui/tutorial/TutorialTexts.h"

#include <array>

namespace traxo {

std::span<const TextTable* const> AllTextTables() {
    static const std::array<const TextTable*, 6> tables{
        &TextTableOf(MainText{}), &TextTableOf(OptionsText{}), &TextTableOf(DialogText{}),
        &TextTableOf(PadText{}),  &TextTableOf(EngineText{}),  &TextTableOf(TutorialText{}),
    };
    return tables;
}

} // namespace traxo
