#include "controls/HighContrast.h"

namespace traxo {
namespace {

constexpr std::size_t kMaxFlagDigits = 10;

std::optional<std::uint64_t> ParseDecimal(const std::u16string& text) {
    if (text.empty() || text.size() > kMaxFlagDigits) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const char16_t c : text) {
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<std::uint64_t>(c - u'0');
    }
    return value;
}

bool IsSystemColourReference(Colour colour) {
    return (colour & 0xFF000000u) == 0xFF000000u;
}

// `to` where the look has a colour of its own; absent colours and system colours stay.
Colour Recolour(Colour colour, Colour to) {
    return colour == kColourNone || IsSystemColourReference(colour) ? colour : to;
}

} // namespace

bool HighContrastOn(std::uint32_t reportedFlags, const std::optional<std::u16string>& stored) {
    if ((reportedFlags & kHighContrastAvailable) != 0) {
        return (reportedFlags & kHighContrastOn) != 0;
    }
    if (!stored) {
        return false;
    }
    const std::optional<std::uint64_t> flags = ParseDecimal(*stored);
    return flags && *flags <= 0xFFFFFFFFu && (*flags & kHighContrastOn) != 0;
}

std::optional<SystemColours> ReadHighContrast(HighContrastSystem& system) {
    const std::uint32_t reported = system.ReportedFlags();
    const bool on = (reported & kHighContrastAvailable) != 0
                        ? HighContrastOn(reported, std::nullopt)
                        : HighContrastOn(reported, system.StoredFlags());
    if (!on) {
        return std::nullopt;
    }
    return system.Colours();
}

DynamicLook HighContrastLook(const DynamicLook& look, const SystemColours& colours) {
    DynamicLook result = look;
    if (look.FillIsContent) { // a chosen colour shown as itself; its outline still follows
        result.BorderColour = Recolour(look.BorderColour, colours.windowText);
        result.SelectedBorderColour = Recolour(look.SelectedBorderColour, colours.windowText);
        return result;
    }
    result.Colour = Recolour(look.Colour, colours.buttonFace);
    const bool hoverFill = look.SelectedColour != look.Colour;
    result.SelectedColour =
        Recolour(look.SelectedColour, hoverFill ? colours.highlight : colours.buttonFace);
    const bool pressedFill = look.MouseDownColour != look.Colour;
    result.MouseDownColour =
        Recolour(look.MouseDownColour, pressedFill ? colours.highlight : colours.buttonFace);
    result.BorderColour = Recolour(look.BorderColour, colours.windowText);
    result.SelectedBorderColour = Recolour(look.SelectedBorderColour, colours.windowText);
    result.OutsideColour = Recolour(look.OutsideColour, colours.buttonFace);
    result.StaticSectionColour = Recolour(look.StaticSectionColour, colours.buttonFace);
    result.FontColour = colours.buttonText;
    // A button that never fills shows its hover caption on the panel, not on the highlight.
    const bool hoverShows = hoverFill && look.TransparentMode != tmAlways;
    result.SelectedFontColour = hoverShows ? colours.highlightText : colours.buttonText;
    result.DisabledFontColour = colours.grayText;
    return result;
}

ControlPaint PaintWith(const DynamicLook& look, const DynamicPaintState& state,
                       const SystemColours* highContrast) {
    if (highContrast == nullptr) {
        return {look, state};
    }
    ControlPaint paint{HighContrastLook(look, *highContrast), state};
    const bool hover = state.enabled && state.hover && look.SelectedColour != look.Colour;
    paint.state.current = hover ? paint.look.SelectedColour : paint.look.Colour;
    if (paint.state.current == kColourNone) {
        paint.state.current = highContrast->buttonFace;
    }
    return paint;
}

} // namespace traxo
