// Letter case of program paths folded as the system folds it, beyond ASCII.
#include "platform/PathCase.h"

#include <gtest/gtest.h>

namespace traxo {
namespace {

TEST(PathCase, FoldsLatinGreekAndCyrillicCapitalsAndLeavesTheRest) {
    const std::pair<char16_t, char16_t> folds[] = {
        {u'A', u'a'},     {u'Z', u'z'},     {0x00C0, 0x00E0}, {0x00DC, 0x00FC}, {0x00DE, 0x00FE},
        {0x0100, 0x0101}, {0x0136, 0x0137}, {0x0130, u'i'},   {0x0139, 0x013A}, {0x0141, 0x0142},
        {0x0147, 0x0148}, {0x014A, 0x014B}, {0x0152, 0x0153}, {0x0176, 0x0177}, {0x0178, 0x00FF},
        {0x0179, 0x017A}, {0x017D, 0x017E}, {0x0386, 0x03AC}, {0x0388, 0x03AD}, {0x038A, 0x03AF},
        {0x038C, 0x03CC}, {0x038E, 0x03CD}, {0x038F, 0x03CE}, {0x0391, 0x03B1}, {0x03A3, 0x03C3},
        {0x03A9, 0x03C9}, {0x03AB, 0x03CB}, {0x0400, 0x0450}, {0x0401, 0x0451}, {0x040F, 0x045F},
        {0x0410, 0x0430}, {0x042F, 0x044F}, {0x0462, 0x0463}, {0x0490, 0x0491}, {0x04C0, 0x04CF},
        {0x04C1, 0x04C2}, {0x04D0, 0x04D1},
    };
    for (const auto& [capital, small] : folds) {
        EXPECT_EQ(PortableLower(capital), small) << std::hex << int(capital);
        EXPECT_EQ(PortableLower(small), small) << std::hex << int(small);
    }
    for (const char16_t unchanged :
         {u'\\', u':', u'1', char16_t(0x00D7), char16_t(0x00DF), char16_t(0x0131), char16_t(0x0138),
          char16_t(0x03A2), char16_t(0x4E2D), char16_t(0xD800)}) {
        EXPECT_EQ(PortableLower(unchanged), unchanged) << std::hex << int(unchanged);
    }
}

TEST(PathCase, ComparesWholePathsWithoutRegardToCase) {
    EXPECT_EQ(LowerCasePath(u"C:\\Programme\\\u00DCbung\\App.EXE"),
              u"c:\\programme\\\u00FCbung\\app.exe");
    EXPECT_TRUE(SamePathIgnoringCase(u"D:\\\u0418\u0433\u0440\u044B\\\u03A0.exe",
                                     u"d:\\\u0438\u0433\u0440\u044B\\\u03C0.EXE"));
    EXPECT_FALSE(SamePathIgnoringCase(u"c:\\a.exe", u"c:\\b.exe"));
    EXPECT_FALSE(SamePathIgnoringCase(u"c:\\a.exe", u"c:\\a.exe2"));
}

} // namespace
} // namespace traxo
