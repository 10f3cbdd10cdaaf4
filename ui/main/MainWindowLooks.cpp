#include "ui/main/MainWindowLooks.h"

#include "ui/kit/Pictures.h"

namespace traxo {
namespace {

TDynamicShape ShapeOf(LookShape shape) {
    switch (shape) {
    case LookShape::Rectangle:
        return fsRectangle;
    case LookShape::JaggedLeft:
        return fsJaggedLeft;
    case LookShape::JaggedRight:
        return fsJaggedRight;
    case LookShape::JaggedTopLeft:
        return fsJaggedNW;
    case LookShape::JaggedBottomRight:
        return fsJaggedSE;
    case LookShape::Tab:
        return fsTab;
    }
    return fsRectangle;
}

TTransparentMode TransparencyOf(LookTransparency mode) {
    switch (mode) {
    case LookTransparency::Opaque:
        return tmOpaque;
    case LookTransparency::WhenInactive:
        return tmWhenInactive;
    case LookTransparency::Always:
        return tmAlways;
    }
    return tmOpaque;
}

TAlignment AlignmentOf(TextAlign align) {
    switch (align) {
    case TextAlign::Left:
        return taLeftJustify;
    case TextAlign::Centre:
        return taCenter;
    case TextAlign::Right:
        return taRightJustify;
    }
    return taCenter;
}

} // namespace

DynamicLook ToDynamicLook(const ControlLook& look, std::u16string caption, Colour outside) {
    DynamicLook dynamic;
    dynamic.Colour = look.colour;
    dynamic.SelectedColour = look.hoverColour;
    dynamic.MouseDownColour = look.pressedColour;
    dynamic.BorderColour = look.borderColour;
    dynamic.SelectedBorderColour = look.hoverBorderColour;
    dynamic.OutsideColour = outside;
    dynamic.StaticSectionColour = look.staticSectionColour;
    dynamic.Font = look.font;
    dynamic.SelectedFont = look.font;
    dynamic.FontColour = look.fontColour;
    dynamic.SelectedFontColour = look.hoverFontColour;
    dynamic.Caption = std::move(caption);
    dynamic.Alignment = AlignmentOf(look.align);
    dynamic.FadeInTime = look.fadeIn;
    dynamic.FadeOutTime = look.fadeOut;
    dynamic.MarginWidth = look.margin;
    dynamic.CornerWidth = look.corner;
    dynamic.FrameWidth = look.frameWidth;
    dynamic.StaticSectionWidth = look.staticSectionWidth;
    dynamic.Shape = ShapeOf(look.shape);
    dynamic.TransparentMode = TransparencyOf(look.transparency);
    dynamic.CustomTextRenderer = look.customText;
    if (look.glyph != 0) {
        const int side = look.staticSectionWidth > 0 ? kKnownAppsGlyphSize : kGlyphSize;
        dynamic.Glyph = Picture{look.glyph, {side, side}};
    }
    return dynamic;
}

DynamicLook DynamicLookOf(const std::vector<PlacedControl>& layout, MainControl id) {
    const PlacedControl& control = Find(layout, id);
    // The caption bar is covered whole by Shape1: that is what shows around its button.
    Colour outside = control.parent == MainControl::panelCaptionBar
                         ? Find(layout, MainControl::Shape1).background
                         : kColourNone;
    for (MainControl parent = control.parent;
         outside == kColourNone && parent != MainControl::None;) {
        const PlacedControl& panel = Find(layout, parent);
        if (panel.background != kColourNone) {
            outside = panel.background;
            break;
        }
        parent = panel.parent;
    }
    return ToDynamicLook(control.look.value_or(ControlLook{}), control.text, outside);
}

} // namespace traxo
