#pragma once
// The action button's tooltip: the action its caption names, in full, so that a program hidden
// behind a short name ("cmd.exe /c del c:\x\*" shows as "*") can be read before it runs.

#include "platform/Language.h"
#include "sets/MotionSet.h"

#include <string>

namespace traxo {

// The default action, else the first rule's own action, as ActionToFullText gives it.
std::u16string ActionButtonTooltip(const Motion& motion, Language language);

} // namespace traxo
