#pragma once
// The looks of the main window's table in the animated controls' own terms.

#include "controls/DynamicLook.h"
#include "ui/main/MainWindowLayout.h"

#include <vector>

namespace traxo {

// The control's look with its caption; the colour around its shape is its panel's.
DynamicLook ToDynamicLook(const ControlLook& look, std::u16string caption, Colour outside);
DynamicLook DynamicLookOf(const std::vector<PlacedControl>& layout, MainControl id);

} // namespace traxo
