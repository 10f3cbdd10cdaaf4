#pragma once
// The looks of the main window's controls as the animated controls take them.

#include "controls/DynamicLook.h"
#include "ui/main/MainWindowLayout.h"

#include <vector>

namespace traxo {

// The control's scaled look with its caption; the colour around its shape is its panel's.
DynamicLook DynamicLookOf(const std::vector<PlacedMainControl>& layout, MainControl id);

} // namespace traxo
