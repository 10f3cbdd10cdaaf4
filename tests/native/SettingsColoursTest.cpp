// Numbers and colours as the settings file writes and reads them.
#include "platform/SettingsColours.h"

#include <climits>
#include <gtest/gtest.h>
#include <set>

namespace traxo {
namespace {

TEST(ParseStoredInteger, ReadsDecimalWithSignAndSurroundingSpaces) {
    EXPECT_EQ(ParseStoredInteger(u"0"), 0);
    EXPECT_EQ(ParseStoredInteger(u"+7"), 7);
    EXPECT_EQ(ParseStoredInteger(u"-42"), -42);
    EXPECT_EQ(ParseStoredInteger(u" \t12 "), 12);
    EXPECT_EQ(ParseStoredInteger(u"0000000000012"), 12);
    EXPECT_EQ(ParseStoredInteger(u"2147483647"), INT_MAX);
    EXPECT_EQ(ParseStoredInteger(u"-2147483648"), INT_MIN);
}

TEST(ParseStoredInteger, ReadsHexadecimalAfterDollarOrZeroX) {
    EXPECT_EQ(ParseStoredInteger(u"0x20"), 32);
    EXPECT_EQ(ParseStoredInteger(u"0X20"), 32);
    EXPECT_EQ(ParseStoredInteger(u"$ff"), 255);
    EXPECT_EQ(ParseStoredInteger(u"-$10"), -16);
    EXPECT_EQ(ParseStoredInteger(u"$000000000FF"), 255);
    // Eight digits are 32 bits as they stand.
    EXPECT_EQ(ParseStoredInteger(u"$FFFFFFFF"), -1);
    EXPECT_EQ(ParseStoredInteger(u"0x80000000"), INT_MIN);
}

TEST(ParseStoredInteger, RefusesAnythingElse) {
    for (const std::u16string_view text :
         {u"", u" ", u"abc", u"0x", u"$", u"-", u"12a", u"1 2", u"--1", u"+-1", u"0x1G", u"$-1",
          u"1.5", u"2147483648", u"-2147483649", u"99999999999999999999", u"$100000000",
          u"\uff11"}) {
        EXPECT_EQ(ParseStoredInteger(text), std::nullopt) << std::string(text.begin(), text.end());
    }
}

TEST(ColorToString, GivesTheStandardNameOrEightHexadecimalDigits) {
    EXPECT_EQ(ColorToString(Rgb(0, 0, 255)), u"clBlue");
    EXPECT_EQ(ColorToString(0xA4A0A0), u"clMedGray");
    EXPECT_EQ(ColorToString(0xFF00000F), u"clBtnFace");
    EXPECT_EQ(ColorToString(0xFF00001E), u"clMenuBar");
    EXPECT_EQ(ColorToString(0x1FFFFFFF), u"clNone");
    EXPECT_EQ(ColorToString(0x20000000), u"clDefault");
    EXPECT_EQ(ColorToString(Rgb(0xAB, 0xCD, 0xEF)), u"$00EFCDAB");
    EXPECT_EQ(ColorToString(0x000001), u"$00000001");
    EXPECT_EQ(ColorToString(0xFF000019), u"$FF000019"); // index 25 names no system colour
}

TEST(StringToColor, ReadsNamesInAnyCaseAndNumbers) {
    EXPECT_EQ(StringToColor(u"clYellow"), Rgb(255, 255, 0));
    EXPECT_EQ(StringToColor(u"CLSKYBLUE"), 0xF0CAA6u);
    EXPECT_EQ(StringToColor(u"clhotlight"), 0xFF00001Au);
    EXPECT_EQ(StringToColor(u"$FF00000F"), 0xFF00000Fu);
    EXPECT_EQ(StringToColor(u"0x0000FF"), Rgb(255, 0, 0));
    EXPECT_EQ(StringToColor(u"255"), Rgb(255, 0, 0));
    EXPECT_EQ(StringToColor(u"-1"), 0xFFFFFFFFu);
    EXPECT_EQ(StringToColor(u"clBlu"), std::nullopt);
    EXPECT_EQ(StringToColor(u""), std::nullopt);
}

TEST(StringToColor, EveryNamedColourComesBackFromItsName) {
    std::set<std::u16string> names;
    const auto roundTrip = [&](Colour colour) {
        const std::u16string name = ColorToString(colour);
        ASSERT_TRUE(name.starts_with(u"cl")) << colour;
        EXPECT_TRUE(names.insert(name).second);
        EXPECT_EQ(StringToColor(name), colour);
    };
    for (const Colour plain :
         {0x000000u, 0x000080u, 0x008000u, 0x008080u, 0x800000u,   0x800080u,  0x808000u, 0x808080u,
          0xC0C0C0u, 0x0000FFu, 0x00FF00u, 0x00FFFFu, 0xFF0000u,   0xFF00FFu,  0xFFFF00u, 0xFFFFFFu,
          0xC0DCC0u, 0xF0CAA6u, 0xF0FBFFu, 0xA4A0A0u, 0x1FFFFFFFu, 0x20000000u}) {
        roundTrip(plain);
    }
    for (Colour index = 0; index <= 30; ++index) {
        if (index != 25) {
            roundTrip(0xFF000000u | index);
        }
    }
    EXPECT_EQ(names.size(), 52u);
}

} // namespace
} // namespace traxo
