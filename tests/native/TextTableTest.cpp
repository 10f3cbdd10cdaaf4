// Filling a text's "#" placeholders with values.
#include "platform/TextTable.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <string_view>

namespace traxo {
namespace {

struct FillCase {
    const char* name;
    std::u16string_view text;
    std::initializer_list<std::u16string_view> values;
    std::u16string_view expected;
};

TEST(TextTable, TextWithEachFillsThePlaceholdersInTurn) {
    const FillCase cases[] = {
        {"in turn",
         u"v. #, released # - you have v. #",
         {u"2.0", u"2025", u"1.4"},
         u"v. 2.0, released 2025 - you have v. 1.4"},
        {"next to each other",
         u"at \"#\"#:",
         {u"{a 9}", u" (character 2)"},
         u"at \"{a 9}\" (character 2):"},
        // A value is never searched for placeholders: a script or an address may hold a "#".
        {"a value holding a placeholder", u"# and #", {u"a#b", u"c"}, u"a#b and c"},
        {"fewer values than placeholders", u"# and #", {u"a"}, u"a and #"},
        {"more values than placeholders", u"only #", {u"a", u"b"}, u"only a"},
        {"an empty value", u"[#]", {u""}, u"[]"},
        {"no placeholder", u"plain", {u"a"}, u"plain"},
    };
    for (const FillCase& c : cases) {
        EXPECT_EQ(TextWithEach(c.text, c.values), c.expected) << c.name;
    }
}

TEST(TextTable, TextWithFillsOnlyTheFirstPlaceholder) {
    EXPECT_EQ(TextWith(u"Matches # of #", u"#3"), u"Matches #3 of #");
    EXPECT_EQ(TextWithCount(u"# programs", 101), u"101 programs");
}

} // namespace
} // namespace traxo
