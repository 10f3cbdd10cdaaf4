#include "ui/kit/TextRegistry.h"

#include "actions/ActionLists.h"
#include "actions/ActionTexts.h"
#include "app/AboutTexts.h"
#include "app/EngineTexts.h"
#include "recognition/RecordingPad.h"
#include "ui/kit/DialogTexts.h"
#include "ui/main/MainWindowTexts.h"
#include "ui/options/OptionsTexts.h"
#include "ui/tutorial/TutorialTexts.h"
#include "ui/update/UpdateTexts.h"

#include <array>

namespace traxo {

std::span<const TextTable* const> AllTextTables() {
    static const std::array tables{
        &TextTableOf(MainText{}),
        &TextTableOf(OptionsText{}),
        &TextTableOf(DialogText{}),
        &TextTableOf(PadText{}),
        &TextTableOf(EngineText{}),
        &TextTableOf(TutorialText{}),
        // The actions, the about words and the update check.
        &TextTableOf(ActionListText{}),
        &TextTableOf(ActionText{}),
        &TextTableOf(AboutText{}),
        &TextTableOf(UpdateText{}),
    };
    return tables;
}

} // namespace traxo
