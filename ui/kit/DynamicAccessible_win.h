#pragma once
// An animated button or tab as a screen reader's object: named by its caption, with its enabled
// and pressed state, and pressed by the reader's default action (its click, or the press of a
// button that acts on the press). The window describes the facts through the portable rules.

#include "controls/DynamicLabel_win.h"
#include "controls/DynamicOpaqueButton_win.h"
#include "ui/kit/AccessibleRole.h"

#include <functional>
#include <string>

namespace traxo {

using DescribeFacts = std::function<AccessibleItem(const ControlFacts& facts)>;

void MakeAccessible(TDynamicOpaqueButton& button, DescribeFacts describe);
void MakeAccessible(TDynamicLabel& tab, DescribeFacts describe);

// A push button whose default action is named by `pressAction` (in the current language).
void MakeAccessibleButton(TDynamicOpaqueButton& button,
                          std::function<std::u16string()> pressAction);

} // namespace traxo
