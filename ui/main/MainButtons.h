#pragma once
// UpdateButtons as a decision: what the active toggle, the tray menu's check mark, the status
// tab and btnRecord show for the active flag, the language, the pad state and the selection.

#include "platform/Language.h"
#include "ui/main/MainWindowLayout.h"

#include <optional>
#include <string>

namespace traxo {

// The recording pad's states that the window reads.
inline constexpr int kPadStateTesting = 1;
inline constexpr int kPadStateRecording = 2;
inline constexpr int kPadStateArmed = 3;
inline constexpr int kPadStateIdle = 4;

struct MainButtons {
    bool trayActiveChecked = false;
    DynamicLook
        activeLook; // btnActive, with its caption: opaque and lit while active, else like btnClear
    std::u16string activeCaption;
    std::optional<std::u16string> status; // lblStatus; nothing while the pad records or tests
    bool recordVisible = false;
};

// toolbarLook is btnActive's look as the layout made it (scaled).
MainButtons DecideButtons(bool active, Language language, int padState, int selectedMotion,
                          const DynamicLook& toolbarLook);

} // namespace traxo
