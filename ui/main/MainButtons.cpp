#include "ui/main/MainButtons.h"

namespace traxo {

MainButtons DecideButtons(bool active, Language language, int padState, int selectedMotion,
                          const DynamicLook& toolbarLook) {
    MainButtons buttons;
    buttons.trayActiveChecked = active;
    buttons.activeLook = toolbarLook;
    if (active) {
        buttons.activeLook.TransparentMode = tmOpaque;
        buttons.activeLook.Colour = Rgb(94, 121, 142);
        buttons.activeLook.FontColour = Rgb(255, 255, 255);
    } else {
        // btnClear's colours, shown through to the banner whatever the cursor does.
        const DynamicLook& clear = LayoutRow(MainControl::btnClear).look.value();
        buttons.activeLook.TransparentMode = tmAlways;
        buttons.activeLook.Colour = clear.Colour;
        buttons.activeLook.FontColour = clear.FontColour;
    }
    buttons.activeCaption =
        MainWindowText(active ? MainText::ActiveCaption : MainText::InactiveCaption, language);
    buttons.activeLook.Caption = buttons.activeCaption;
    if (padState == kPadStateIdle) {
        buttons.status = MainWindowText(MainText::StatusTesting, language);
    } else if (padState == kPadStateArmed) {
        buttons.status = MainWindowText(MainText::StatusRecording, language);
    }
    buttons.recordVisible = selectedMotion >= 0;
    return buttons;
}

} // namespace traxo
