#include "ui/main/MainWindowLooks.h"

namespace traxo {

DynamicLook DynamicLookOf(const std::vector<PlacedMainControl>& layout, MainControl id) {
    const PlacedMainControl& control = Find(layout, id);
    // The caption bar is covered whole by Shape1: that is what shows around its button.
    Colour outside = control.parent == MainControl::panelCaptionBar
                         ? Find(layout, MainControl::Shape1).background
                         : kColourNone;
    for (std::optional<MainControl> parent = control.parent; outside == kColourNone && parent;) {
        const PlacedMainControl& panel = Find(layout, *parent);
        outside = panel.background;
        parent = panel.parent;
    }
    DynamicLook look = control.look.value_or(PlainTableLook());
    look.OutsideColour = outside;
    look.Caption = control.text;
    return look;
}

} // namespace traxo
