#include "ui/main/MainWindowContrast.h"

namespace traxo {

ColourPair HighContrastPanel(MainControl panel, const SystemColours& colours) {
    switch (panel) {
    case MainControl::panelCaptionBar:
    case MainControl::Shape1:
        return {colours.highlight, colours.highlightText};
    case MainControl::ListPanel:
    case MainControl::ListBox1:
    case MainControl::comboActionsPanel:
    case MainControl::image1:
        return HighContrastPad(colours);
    default:
        return {colours.buttonFace, colours.buttonText};
    }
}

MotionRowColours HighContrastRows(const SystemColours& colours) {
    MotionRowColours rows;
    rows.list = colours.window;
    rows.selectedRow = colours.highlight;
    rows.number = colours.grayText;
    rows.selectedNumber = colours.highlightText;
    rows.thumbnail = colours.windowText;
    rows.selectedThumbnail = colours.highlightText;
    rows.assignedAction = colours.windowText;
    rows.emptyAction = colours.windowText;
    rows.rowText = colours.windowText;
    rows.ownActions = colours.windowText;
    rows.switchedOff = colours.grayText;
    rows.selectedOwnActions = colours.highlightText;
    rows.selectedSwitchedOff = colours.highlightText;
    return rows;
}

ColourPair HighContrastPad(const SystemColours& colours) {
    return {colours.window, colours.windowText};
}

} // namespace traxo
