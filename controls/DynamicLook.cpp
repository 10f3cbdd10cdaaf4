#include "controls/DynamicLook.h"

namespace traxo {

DynamicLook DefaultFrameLook() {
    DynamicLook look;
    look.Colour = Rgb(255, 255, 255);
    look.BorderColour = Rgb(128, 128, 128);
    look.SelectedColour = look.Colour; // a frame has no hover or pressed colours
    look.MouseDownColour = look.Colour;
    look.SelectedBorderColour = look.BorderColour;
    look.Shape = fsJaggedRect;
    look.FrameWidth = 1;
    return look;
}

DynamicLook DefaultLabelLook() {
    DynamicLook look;
    look.Colour = Rgb(232, 233, 209);
    look.SelectedColour = look.Colour;
    look.MouseDownColour = look.Colour;
    look.BorderColour = kColourNone;
    look.SelectedBorderColour = kColourNone;
    look.OutsideColour = kColourBtnFace;
    look.Caption = u"Label";
    look.MarginWidth = 3;
    look.Shape = fsJaggedRect;
    return look;
}

DynamicLook DefaultOpaqueButtonLook() {
    DynamicLook look; // the member defaults are the buttons'
    look.OutsideColour = kColourBtnFace;
    return look;
}

DynamicLook DefaultButtonLook() {
    DynamicLook look;
    look.TransparentMode = tmOpaque;
    return look;
}

} // namespace traxo
