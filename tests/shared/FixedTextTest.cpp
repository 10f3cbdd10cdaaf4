// Set texts are fixed fields: what is stored must never run past them, and a field read from a
// damaged file may lack its terminator.
#include "sets/MotionSet.h"

#include <gtest/gtest.h>
#include <string>

namespace traxo {
namespace {

TEST(FixedText, StoresAndReadsBackUpToTheTerminator) {
    SetText text{};
    text.Assign(u"@Keys:Ctrl+W");
    EXPECT_EQ(text.View(), u"@Keys:Ctrl+W");
    EXPECT_FALSE(text.IsEmpty());
    text.Clear();
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(text.View(), u"");
}

TEST(FixedText, CutsALongTextAtTheCapacityAndKeepsTheTerminator) {
    FixedText<4> text{};
    text.units[3] = u'!';
    text.Assign(u"abcdef");
    EXPECT_EQ(text.View(), u"abc");
    EXPECT_EQ(text.units[3], u'\0');

    SetText wide{};
    wide.Assign(std::u16string(5000, u'x'));
    EXPECT_EQ(wide.View().size(), 1024u);
}

TEST(FixedText, AFieldWithoutTerminatorEndsAtItsCapacity) {
    FixedText<3> text{};
    text.units[0] = u'a';
    text.units[1] = u'b';
    text.units[2] = u'c';
    EXPECT_EQ(text.View(), u"abc");
}

} // namespace
} // namespace traxo
