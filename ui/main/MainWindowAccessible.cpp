#include "ui/main/MainWindowAccessible.h"

#include "actions/ActionModel.h"
#include "ui/main/MotionListPainter.h"

#include <algorithm>

namespace traxo {

AccessibleRole MainControlRole(MainControl id) {
    return AccessibleRoleOf(LayoutRow(id).kind, id == MainControl::btnActive);
}

AccessibleItem DescribeMainControl(MainControl id, const ControlFacts& facts, Language language) {
    ControlFacts shown = facts;
    // The only page there is: its tab is the selected one.
    shown.selected = shown.selected || id == MainControl::lblSet;
    return DescribeControl(MainControlRole(id), shown,
                           MainWindowText(MainText::PressAction, language));
}

AccessibleItem DescribeMainClient(std::u16string_view title) {
    AccessibleItem item;
    item.name = title;
    item.role = AccessibleRole::Client;
    return item;
}

AccessibleItem DescribeFrame(MainControl frame, Rect place, Language language) {
    AccessibleItem item;
    item.name = MainWindowText(frame == MainControl::DynamicFrame1 ? MainText::MotionListName
                                                                   : MainText::PadName,
                               language);
    item.role = MainControlRole(frame);
    item.place = place;
    return item;
}

namespace {

std::u16string RowNumber(int index) {
    const std::string digits = std::to_string(index + 1);
    return {digits.begin(), digits.end()};
}

} // namespace

std::u16string MotionRowName(const MotionSet& set, int index, Language language) {
    const int count = set.motionCount; // read by value: the set's record is packed
    if (index < 0 || index >= std::min(count, kMotionSlots)) {
        return {};
    }
    const RowActions actions = SummariseRowActions(
        set.motions[index], std::clamp(static_cast<int>(set.knownAppCount), 0, kKnownAppSlots));
    const std::u16string shown =
        ActionToDisplayString(actions.shown, kActionDisplayLength, language);
    return TextWithEach(Text(MainText::MotionRowName, language), {RowNumber(index), shown});
}

AccessibleItem DescribeMotionList(Language language) {
    AccessibleItem item;
    item.name = MainWindowText(MainText::MotionListName, language);
    item.role = AccessibleRole::List;
    item.states.focusable = true;
    return item;
}

AccessibleItem DescribeMotionRow(const MotionSet& set, int index, const MotionRowFacts& facts,
                                 Language language) {
    AccessibleItem item;
    item.name = MotionRowName(set, index, language);
    item.role = AccessibleRole::ListItem;
    item.states.selectable = true;
    item.states.focusable = true;
    item.states.selected = facts.selected;
    item.states.focused = facts.focused;
    item.place = facts.place;
    return item;
}

AccessibleItem DescribePad(const std::vector<std::u16string>& messages, Language language) {
    AccessibleItem item;
    item.name = MainWindowText(MainText::PadName, language);
    item.role = AccessibleRole::Graphic;
    for (const std::u16string& message : messages) {
        item.value += item.value.empty() ? message : u" " + message;
    }
    return item;
}

int PadChildCount(const std::vector<std::u16string>& messages) {
    return messages.empty() ? 0 : 1;
}

AccessibleItem DescribePadAlert(const std::vector<std::u16string>& messages) {
    AccessibleItem item;
    item.role = AccessibleRole::Alert;
    if (!messages.empty()) {
        item.name = messages.back();
    }
    return item;
}

std::optional<std::u16string> PadAnnouncement(const std::vector<std::u16string>& before,
                                              const std::vector<std::u16string>& after) {
    if (after.empty() || after == before ||
        std::find(before.begin(), before.end(), after.back()) != before.end()) {
        return std::nullopt;
    }
    return after.back();
}

AccessibleItem DescribePopup(const PopupContent& content, Language language) {
    AccessibleItem item;
    item.role = AccessibleRole::Alert;
    const bool matched = !content.number.empty() && content.number != u"?";
    item.name = matched ? TextWithEach(Text(MainText::MotionRowName, language),
                                       {content.number, content.actionText})
                        : content.actionText;
    return item;
}

} // namespace traxo
