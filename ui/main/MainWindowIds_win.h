#pragma once
// The main window's timers and the ids of the controls that report through WM_COMMAND.

#include <windows.h>

namespace traxo {

inline constexpr UINT_PTR kTimer1 = 1;        // the poll
inline constexpr UINT_PTR kReminderTimer = 2; // the pad's reminder
inline constexpr UINT kPollInterval = 100;

inline constexpr WORD kListBox1Id = 100;
inline constexpr WORD kImage1Id = 101;

// The help menu's entries.
inline constexpr UINT kMenuHelp = 1;
inline constexpr UINT kMenuDonate = 2;
inline constexpr UINT kMenuTutorial = 3;

} // namespace traxo
