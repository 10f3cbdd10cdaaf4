#pragma once
// The tutorial window's controls as a control table of the kit: the frame around the window,
// the memo and the four buttons, with their looks in 96-DPI units.

#include "ui/kit/ControlTable.h"
#include "ui/tutorial/TutorialTexts.h"

#include <vector>

namespace traxo {

enum class TutorialControl { Frame, Memo, Back, Cancel, Next, Finish, Count };

using TutorialRow = ControlRow<TutorialControl>;

const std::vector<TutorialRow>& TutorialLayoutTable();
std::vector<PlacedControl<TutorialControl>> PlaceTutorialControls(DpiScale scale,
                                                                  Language language);

// The frame's look with another shape (the side that points at a control), unscaled.
DynamicLook TutorialFrameLook(TDynamicShape shape);

} // namespace traxo
