#include "ui/main/MainButtons.h"

namespace traxo {

MainButtons DecideButtons(bool active, Language language, int padState, int selectedMotion,
                          const ControlLook& toolbarLook) {
    MainButtons buttons;
    buttons.trayActiveChecked = active;
    buttons.activeLook = toolbarLook;
    if (active) {
        buttons.activeLook.transparency = LookTransparency::Opaque;
        buttons.activeLook.colour = Rgb(94, 121, 142);
        buttons.activeLook.fontColour = Rgb(255, 255, 255);
    } else {
        // btnClear's colours, shown through to the banner whatever the cursor does.
        const ControlLook& clear = LayoutRow(MainControl::btnClear).look.value();
        buttons.activeLook.transparency = LookTransparency::Always;
        buttons.activeLook.colour = clear.colour;
        buttons.activeLook.fontColour = clear.fontColour;
    }
    buttons.activeCaption =
        MainWindowText(active ? MainText::ActiveCaption : MainText::InactiveCaption, language);
    if (padState == kPadStateIdle) {
        buttons.status = MainWindowText(MainText::StatusTesting, language);
    } else if (padState == kPadStateArmed) {
        buttons.status = MainWindowText(MainText::StatusRecording, language);
    }
    buttons.recordVisible = selectedMotion >= 0;
    return buttons;
}

} // namespace traxo
