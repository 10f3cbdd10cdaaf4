#include "ui/main/ActionTooltip.h"

#include "actions/ActionModel.h"

#include <algorithm>

namespace traxo {

std::u16string ActionButtonTooltip(const Motion& motion, Language language) {
    std::u16string action = motion.defaultAction.View();
    const int ruleCount = std::min<int>(motion.ruleCount, kRuleSlots);
    for (int r = 0; action.empty() && r < ruleCount; ++r) {
        action = motion.rules[r].action.View();
    }
    return ActionToFullText(action, language);
}

} // namespace traxo
