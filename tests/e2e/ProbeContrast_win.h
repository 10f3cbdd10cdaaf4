#pragma once
// The probe's hand on the system's colours and its high-contrast setting, so that a test can
// turn high contrast on for the session's prefix and put everything back afterwards.

#include <string>
#include <vector>

// `args` after the command's name:
//   colours INDEX...            prints INDEX=RRGGBB for each system colour index, on one line
//   set-colours INDEX=RRGGBB... sets those system colours (the system tells every window)
//   flags VALUE|-               stores the high-contrast "Flags" setting (- removes it), tells
//                               every top-level window, and prints the value it replaced (-
//                               for none)
// Returns the probe's exit code.
int HighContrastCommand(const std::vector<std::wstring>& args);
