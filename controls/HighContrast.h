#pragma once
// The animated controls while the system's high contrast is on: they draw with the user's
// system colours only (their pictures stay as they are), and whether the mode is on is decided
// here from what the Win32 side reads.

#include "controls/DynamicPainters.h"

#include <cstdint>
#include <optional>
#include <string>

namespace traxo {

// The system colours a high-contrast look is made of, resolved to RGB.
struct SystemColours {
    Colour window = 0;
    Colour windowText = 0;
    Colour buttonFace = 0;
    Colour buttonText = 0;
    Colour highlight = 0;
    Colour highlightText = 0;
    Colour grayText = 0;

    bool operator==(const SystemColours&) const = default;
};

// The high-contrast flags the system reports (HCF_HIGHCONTRASTON, HCF_AVAILABLE).
inline constexpr std::uint32_t kHighContrastOn = 0x1;
inline constexpr std::uint32_t kHighContrastAvailable = 0x2;

// Where the mode and the colours come from: the system's answer, the setting as the user's
// profile stores it, and the colours.
class HighContrastSystem {
public:
    virtual ~HighContrastSystem() = default;
    // The flags the system reports; 0 when it cannot say.
    virtual std::uint32_t ReportedFlags() = 0;
    // The stored "Flags" setting, a decimal number as text; none when absent or unreadable.
    virtual std::optional<std::u16string> StoredFlags() = 0;
    virtual SystemColours Colours() = 0;
};

// On when the system reports the feature and says it is on. A system that does not report the
// feature at all has the stored setting decide: a decimal number of at most ten digits with
// the on bit set; anything else is off.
bool HighContrastOn(std::uint32_t reportedFlags, const std::optional<std::u16string>& stored);

// The colours to draw with, none while high contrast is off. The stored setting is read only
// when the system does not report the feature.
std::optional<SystemColours> ReadHighContrast(HighContrastSystem& system);

// A control's look in system colours: fills in button face (hover and pressed in highlight),
// captions in button text (highlight text where the hover fill shows), outlines in window
// text, disabled captions in grey text. Absent colours stay absent; colours given as system
// colour references stay as they are.
DynamicLook HighContrastLook(const DynamicLook& look, const SystemColours& colours);

// What a control paints with: its look and state as they are, or in system colours (the fill
// shown is button face, or highlight while the cursor is over an enabled control).
struct ControlPaint {
    DynamicLook look;
    DynamicPaintState state;
};
ControlPaint PaintWith(const DynamicLook& look, const DynamicPaintState& state,
                       const SystemColours* highContrast);

} // namespace traxo
