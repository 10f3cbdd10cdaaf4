#include "ui/kit/AccessibleRole.h"

namespace traxo {

AccessibleRole AccessibleRoleOf(ControlKind kind, bool toggles) {
    switch (kind) {
    case ControlKind::DynamicButton:
    case ControlKind::DynamicOpaqueButton:
    case ControlKind::Button:
        return toggles ? AccessibleRole::CheckButton : AccessibleRole::PushButton;
    case ControlKind::CheckBox:
        return AccessibleRole::CheckButton;
    case ControlKind::DynamicLabel:
        return AccessibleRole::PageTab;
    case ControlKind::DynamicFrame:
    case ControlKind::Frame:
        return AccessibleRole::Grouping;
    case ControlKind::MotionList:
    case ControlKind::ListBox:
    case ControlKind::MethodList:
    case ControlKind::KnownAppList:
    case ControlKind::ListView:
        return AccessibleRole::List;
    case ControlKind::Pad:
    case ControlKind::Picture:
    case ControlKind::Icon:
        return AccessibleRole::Graphic;
    case ControlKind::Label:
    case ControlKind::Static:
        return AccessibleRole::StaticText;
    default:
        return AccessibleRole::Client;
    }
}

AccessibleItem DescribeControl(AccessibleRole role, const ControlFacts& facts,
                               std::u16string_view pressAction) {
    AccessibleItem item;
    item.name = facts.caption;
    item.role = role;
    item.states.unavailable = !facts.enabled;
    item.states.pressed = facts.pressed && facts.enabled;
    item.states.checked = role == AccessibleRole::CheckButton && facts.checked;
    item.states.selected = facts.selected;
    item.states.focused = facts.focused;
    item.states.selectable = role == AccessibleRole::PageTab;
    const bool presses = role == AccessibleRole::PushButton ||
                         role == AccessibleRole::CheckButton || role == AccessibleRole::PageTab;
    if (presses && facts.enabled) {
        item.defaultAction = pressAction;
    }
    if (facts.accessKey != 0) {
        item.keyboardShortcut = std::u16string(u"Alt+") + facts.accessKey;
    }
    return item;
}

} // namespace traxo
