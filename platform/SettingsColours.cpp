#include "platform/SettingsColours.h"

#include "platform/AsciiText.h"

#include <algorithm>
#include <array>

namespace traxo {
namespace {

struct NamedColour {
    std::u16string_view name;
    Colour value;
};

// System colours are 0xFF000000 plus the system colour index (COLOR_SCROLLBAR = 0 ...).
constexpr Colour SystemColour(std::uint32_t index) {
    return 0xFF000000u | index;
}

constexpr std::array kNamedColours{
    NamedColour{u"clBlack", 0x000000},
    NamedColour{u"clMaroon", 0x000080},
    NamedColour{u"clGreen", 0x008000},
    NamedColour{u"clOlive", 0x008080},
    NamedColour{u"clNavy", 0x800000},
    NamedColour{u"clPurple", 0x800080},
    NamedColour{u"clTeal", 0x808000},
    NamedColour{u"clGray", 0x808080},
    NamedColour{u"clSilver", 0xC0C0C0},
    NamedColour{u"clRed", 0x0000FF},
    NamedColour{u"clLime", 0x00FF00},
    NamedColour{u"clYellow", 0x00FFFF},
    NamedColour{u"clBlue", 0xFF0000},
    NamedColour{u"clFuchsia", 0xFF00FF},
    NamedColour{u"clAqua", 0xFFFF00},
    NamedColour{u"clWhite", 0xFFFFFF},
    NamedColour{u"clMoneyGreen", 0xC0DCC0},
    NamedColour{u"clSkyBlue", 0xF0CAA6},
    NamedColour{u"clCream", 0xF0FBFF},
    NamedColour{u"clMedGray", 0xA4A0A0},
    NamedColour{u"clScrollBar", SystemColour(0)},
    NamedColour{u"clBackground", SystemColour(1)},
    NamedColour{u"clActiveCaption", SystemColour(2)},
    NamedColour{u"clInactiveCaption", SystemColour(3)},
    NamedColour{u"clMenu", SystemColour(4)},
    NamedColour{u"clWindow", SystemColour(5)},
    NamedColour{u"clWindowFrame", SystemColour(6)},
    NamedColour{u"clMenuText", SystemColour(7)},
    NamedColour{u"clWindowText", SystemColour(8)},
    NamedColour{u"clCaptionText", SystemColour(9)},
    NamedColour{u"clActiveBorder", SystemColour(10)},
    NamedColour{u"clInactiveBorder", SystemColour(11)},
    NamedColour{u"clAppWorkSpace", SystemColour(12)},
    NamedColour{u"clHighlight", SystemColour(13)},
    NamedColour{u"clHighlightText", SystemColour(14)},
    NamedColour{u"clBtnFace", SystemColour(15)},
    NamedColour{u"clBtnShadow", SystemColour(16)},
    NamedColour{u"clGrayText", SystemColour(17)},
    NamedColour{u"clBtnText", SystemColour(18)},
    NamedColour{u"clInactiveCaptionText", SystemColour(19)},
    NamedColour{u"clBtnHighlight", SystemColour(20)},
    NamedColour{u"cl3DDkShadow", SystemColour(21)},
    NamedColour{u"cl3DLight", SystemColour(22)},
    NamedColour{u"clInfoText", SystemColour(23)},
    NamedColour{u"clInfoBk", SystemColour(24)},
    NamedColour{u"clHotLight", SystemColour(26)},
    NamedColour{u"clGradientActiveCaption", SystemColour(27)},
    NamedColour{u"clGradientInactiveCaption", SystemColour(28)},
    NamedColour{u"clMenuHighlight", SystemColour(29)},
    NamedColour{u"clMenuBar", SystemColour(30)},
    NamedColour{u"clNone", 0x1FFFFFFF},
    NamedColour{u"clDefault", 0x20000000},
};

std::u16string_view TrimSpaces(std::u16string_view text) {
    const auto isSpace = [](char16_t c) { return c == u' ' || c == u'\t'; };
    while (!text.empty() && isSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

int DigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    const char16_t lower = AsciiLower(c);
    return lower >= u'a' && lower <= u'f' ? lower - u'a' + 10 : -1;
}

// The digits' value when every one is a digit of the base and it is at most limit.
std::optional<std::uint64_t> ParseDigits(std::u16string_view digits, int base,
                                         std::uint64_t limit) {
    if (digits.empty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const char16_t c : digits) {
        const int digit = DigitValue(c);
        if (digit < 0 || digit >= base) {
            return std::nullopt;
        }
        value = value * base + digit;
        if (value > limit) {
            return std::nullopt;
        }
    }
    return value;
}

} // namespace

std::optional<std::int32_t> ParseStoredInteger(std::u16string_view text) {
    text = TrimSpaces(text);
    const bool negative = text.starts_with(u'-');
    if (negative || text.starts_with(u'+')) {
        text.remove_prefix(1);
    }
    if (text.starts_with(u'$') || text.starts_with(u"0x") || text.starts_with(u"0X")) {
        const std::optional<std::uint64_t> bits =
            ParseDigits(text.substr(text.starts_with(u'$') ? 1 : 2), 16, 0xFFFFFFFFu);
        if (!bits) {
            return std::nullopt;
        }
        const auto value = static_cast<std::uint32_t>(*bits);
        return static_cast<std::int32_t>(negative ? 0u - value : value);
    }
    const std::uint64_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
    const std::optional<std::uint64_t> magnitude = ParseDigits(text, 10, limit);
    if (!magnitude) {
        return std::nullopt;
    }
    const auto value = static_cast<std::uint32_t>(*magnitude);
    return static_cast<std::int32_t>(negative ? 0u - value : value);
}

std::u16string ColorToString(Colour colour) {
    const auto named = std::ranges::find(kNamedColours, colour, &NamedColour::value);
    if (named != kNamedColours.end()) {
        return std::u16string(named->name);
    }
    static constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";
    std::u16string text = u"$";
    for (int shift = 28; shift >= 0; shift -= 4) {
        text += kHexDigits[(colour >> shift) & 0xF];
    }
    return text;
}

std::optional<Colour> StringToColor(std::u16string_view text) {
    const auto named = std::ranges::find_if(kNamedColours, [text](const NamedColour& colour) {
        return SameTextIgnoringCase(colour.name, text);
    });
    if (named != kNamedColours.end()) {
        return named->value;
    }
    const std::optional<std::int32_t> value = ParseStoredInteger(text);
    if (!value) {
        return std::nullopt;
    }
    return static_cast<Colour>(*value);
}

} // namespace traxo
