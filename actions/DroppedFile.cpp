#include "actions/DroppedFile.h"

#include "actions/ActionTexts.h"
#include "platform/AppPaths.h"
#include "sets/MotionSet.h"

#include <utility>

namespace traxo {

DropDecision DecideDrop(std::size_t fileCount, std::u16string_view firstName, bool panelVisible,
                        std::u16string_view appFolder) {
    if (fileCount > 1) {
        return {DropOutcome::TooMany, {}};
    }
    if (fileCount == 0 || firstName.empty()) {
        return {DropOutcome::Unsupported, {}};
    }
    if (!panelVisible) {
        return {DropOutcome::Ignored, {}};
    }
    std::u16string action = PathRelativeToFolder(firstName, appFolder);
    // A path longer than an action holds would be stored cut off, naming another file.
    if (action.size() > SetText::kCapacity) {
        return {DropOutcome::Unsupported, {}};
    }
    return {DropOutcome::Assigned, std::move(action)};
}

std::u16string_view DropMessage(DropOutcome outcome, Language language) {
    switch (outcome) {
    case DropOutcome::TooMany:
        return Text(ActionText::DropTooMany, language);
    case DropOutcome::Unsupported:
        return Text(ActionText::DropUnsupported, language);
    default:
        return {};
    }
}

} // namespace traxo
