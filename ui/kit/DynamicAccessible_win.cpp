#include "ui/kit/DynamicAccessible_win.h"

#include <memory>

namespace traxo {
namespace {

// Copied first: the handler may replace itself or end the control.
bool Press(DynamicControlEvents& control) {
    if (auto click = control.OnClick) {
        click();
    } else if (auto down = control.OnMouseDown) {
        down(0, Point{}); // a button that acts on the press, such as a menu's
    }
    return true;
}

template <typename Control>
void MakeControlAccessible(Control& control, DescribeFacts describe,
                           std::function<ControlFacts()> facts) {
    auto provider = std::make_unique<FunctionAccessible>();
    provider->describe = [describe = std::move(describe), facts = std::move(facts)](int) {
        return describe(facts());
    };
    provider->doDefault = [&control](int) { return Press(control); };
    control.Accessible().SetProvider(std::move(provider));
}

} // namespace

void MakeAccessible(TDynamicOpaqueButton& button, DescribeFacts describe) {
    MakeControlAccessible(button, std::move(describe), [&button] {
        ControlFacts facts;
        facts.caption = button.Look().Caption;
        facts.enabled = button.Enabled();
        facts.pressed = button.Pressed();
        facts.accessKey = button.Look().AccessKey;
        return facts;
    });
}

void MakeAccessible(TDynamicLabel& tab, DescribeFacts describe) {
    MakeControlAccessible(tab, std::move(describe), [&tab] {
        ControlFacts facts;
        facts.caption = tab.Look().Caption;
        facts.enabled = tab.Enabled();
        return facts;
    });
}

void MakeAccessibleButton(TDynamicOpaqueButton& button,
                          std::function<std::u16string()> pressAction) {
    MakeAccessible(button, [pressAction = std::move(pressAction)](const ControlFacts& facts) {
        return DescribeControl(AccessibleRole::PushButton, facts, pressAction());
    });
}

} // namespace traxo
