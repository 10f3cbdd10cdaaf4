#pragma once
// Every published property of the animated controls, as one value. Owners build it in pixels
// (scaled through DpiScale) from one of the per-class defaults and hand it to the control.

#include "controls/DynamicControls.h"

#include <optional>
#include <string>

namespace traxo {

// The system's button-face colour (a system colour: 0xFF000000 plus its index).
inline constexpr Colour kColourBtnFace = 0xFF00000Fu;
// What a control fades to when it is disabled.
inline constexpr Colour kButtonDisabledColour = Rgb(192, 192, 192);
inline constexpr Colour kLabelDisabledColour = Rgb(128, 128, 128);
inline constexpr Colour kFrameDisabledColour = Rgb(128, 128, 128);
// Caption colours while disabled.
inline constexpr Colour kButtonDisabledFontColour = Rgb(128, 128, 128);
inline constexpr Colour kLabelDisabledFontColour = Rgb(192, 192, 192);

struct DynamicLook {
    ::traxo::Colour Colour = Rgb(232, 233, 209);         // resting fill
    ::traxo::Colour SelectedColour = Rgb(160, 150, 131); // hover
    ::traxo::Colour MouseDownColour = Rgb(138, 120, 79);
    ::traxo::Colour BorderColour = Rgb(160, 150, 131);
    ::traxo::Colour SelectedBorderColour = Rgb(160, 150, 131);
    ::traxo::Colour OutsideColour = kColourBtnFace; // around the shape
    ::traxo::Colour StaticSectionColour = Rgb(255, 255, 255);
    FontSpec Font;
    FontSpec SelectedFont;
    ::traxo::Colour FontColour = 0;
    ::traxo::Colour SelectedFontColour = 0;
    ::traxo::Colour DisabledFontColour = kColourNone; // none: the control's own grey
    std::u16string Caption;
    TAlignment Alignment = taLeftJustify;
    int FadeInTime = 200; // milliseconds, 10 and more
    int FadeOutTime = 300;
    int MarginWidth = 7;
    int CornerWidth = 3;
    int FrameWidth = 1; // the frame's pen width
    int StaticSectionWidth = 0;
    TDynamicShape Shape = fsSemiJagged;
    std::optional<Picture> Glyph;
    TButtonLayout Layout = blGlyphLeft;
    TTransparentMode TransparentMode = tmOpaque;
    bool InitiallyHidden = false; // label: the shape only, no caption or glyph
    TDynamicAnimation Animation = anFromLeft;
    int Angle = 0; // label caption, degrees counter-clockwise
    bool CustomTextRenderer = false;
    // The letter Alt presses the control with (a capital), none when 0. It is underlined in the
    // caption while the window shows its keyboard cues; a caption without the letter (Chinese)
    // shows it after itself in brackets, as Windows programs do.
    char16_t AccessKey = 0;
    // The fill shows a value (the trail's colour in the options), not decoration: high contrast
    // keeps it.
    bool FillIsContent = false;
};

// What an owner changes of any animated control, a window of its own or painted by its parent:
// the look (the control keeps its state: hover, fade, pressed) and the place in the parent.
class DynamicControl {
public:
    virtual ~DynamicControl() = default;
    virtual void SetLook(const DynamicLook& look) = 0;
    virtual const DynamicLook& Look() const = 0;
    virtual void SetBounds(Rect boundsInParent) = 0;
};

// The default size of every control, 150 by 25.
inline constexpr Size kDynamicDefaultSize{150, 25};

DynamicLook DefaultFrameLook();
DynamicLook DefaultLabelLook();
DynamicLook DefaultOpaqueButtonLook();
DynamicLook DefaultButtonLook();

} // namespace traxo
