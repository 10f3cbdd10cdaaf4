// The known-programs page: list files, the rows, and what OK makes of them in the set.
#include "SetTestSupport.h"
#include "ui/options/KnownAppListFile.h"
#include "ui/options/KnownAppsTable.h"

#include <gtest/gtest.h>

namespace traxo {
namespace {

using testing::EmptySet;
using testing::TemporaryFolder;
using testing::Value;

std::vector<std::uint8_t> Bytes(std::initializer_list<int> values) {
    std::vector<std::uint8_t> bytes;
    for (const int v : values) {
        bytes.push_back(static_cast<std::uint8_t>(v));
    }
    return bytes;
}

std::vector<std::uint8_t> Utf16LeWithBom(std::u16string_view text) {
    std::vector<std::uint8_t> bytes{0xFF, 0xFE};
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return bytes;
}

std::vector<std::uint8_t> Utf16BeWithBom(std::u16string_view text) {
    std::vector<std::uint8_t> bytes{0xFE, 0xFF};
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    }
    return bytes;
}

std::vector<KnownAppEntry> Entries(const ListFileResult& result) {
    const auto* entries = std::get_if<std::vector<KnownAppEntry>>(&result);
    return entries ? *entries : std::vector<KnownAppEntry>{{u"<error>", u""}};
}

TEST(KnownAppListFile, IsWrittenAsUtf16LeWithMarkAndCrLfPairs) {
    const std::vector<KnownAppEntry> entries{{u"Browser", u"b.exe"}, {u"编辑器", u"..\\e.exe"}};
    EXPECT_EQ(EncodeKnownAppList(entries),
              Utf16LeWithBom(u"Browser\r\nb.exe\r\n编辑器\r\n..\\e.exe\r\n"));
    EXPECT_EQ(EncodeKnownAppList({}), Bytes({0xFF, 0xFE}));
}

TEST(KnownAppListFile, ReadsEveryUnicodeFormWithItsMarkAndPairsTheLines) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        std::vector<KnownAppEntry> expected;
    };
    const std::vector<KnownAppEntry> two{{u"A", u"a.exe"}, {u"B", u"b.exe"}};
    const Case cases[] = {
        {"five lines give two programs", Utf16LeWithBom(u"A\r\na.exe\r\nB\r\nb.exe\r\nC\r\n"), two},
        {"no line end after the last line", Utf16LeWithBom(u"A\r\na.exe\r\nB\r\nb.exe"), two},
        {"LF only", Utf16LeWithBom(u"A\na.exe\nB\nb.exe\n"), two},
        {"CR only", Utf16LeWithBom(u"A\ra.exe\rB\rb.exe\r"), two},
        {"big-endian", Utf16BeWithBom(u"A\r\na.exe\r\nB\r\nb.exe\r\n"), two},
        {"UTF-8 with its mark", Bytes({0xEF, 0xBB, 0xBF, 'A', '\r', '\n', 'a', '.', 'e', 'x',
                                       'e',  '\r', '\n', 'B', '\n', 'b',  '.', 'e', 'x', 'e'}),
         two},
        {"an empty title is a line", Utf16LeWithBom(u"\r\na.exe\r\n"), {{u"", u"a.exe"}}},
        {"Chinese title",
         Utf16LeWithBom(u"浏览器\r\nc:\\浏览器\\b.exe\r\n"),
         {{u"浏览器", u"c:\\浏览器\\b.exe"}}},
        {"only the mark", Bytes({0xFF, 0xFE}), {}},
        {"one line", Utf16LeWithBom(u"Lonely\r\n"), {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Entries(DecodeKnownAppList(c.bytes)), c.expected) << c.name;
    }
}

TEST(KnownAppListFile, RefusesTextsWithoutAUnicodeMark) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
    };
    const Case cases[] = {
        {"code-page text", Bytes({'A', '\r', '\n', 'a', '.', 'e', 'x', 'e', '\r', '\n'})},
        {"UTF-16 without its mark", Bytes({'A', 0, '\r', 0, '\n', 0, 'a', 0, '\r', 0, '\n', 0})},
        {"odd UTF-16 length", Bytes({0xFF, 0xFE, 'A', 0, '\r'})},
        {"broken UTF-8", Bytes({0xEF, 0xBB, 0xBF, 'A', '\n', 0xC3, '\n'})},
        {"empty file", {}},
    };
    for (const Case& c : cases) {
        const ListFileResult result = DecodeKnownAppList(c.bytes);
        ASSERT_TRUE(std::holds_alternative<ListFileError>(result)) << c.name;
        EXPECT_EQ(std::get<ListFileError>(result), ListFileError::NotUnicode) << c.name;
    }
}

TEST(KnownAppListFile, FilesRoundTripAndFailuresAreReported) {
    TemporaryFolder folder;
    const std::vector<KnownAppEntry> entries{{u"Mail", u"mail.exe"}, {u"终端", u"d:\\t.exe"}};
    EXPECT_EQ(WriteKnownAppList(folder / "list.txt", entries), std::nullopt);
    EXPECT_EQ(Entries(ReadKnownAppList(folder / "list.txt")), entries);

    const ListFileResult missing = ReadKnownAppList(folder / "missing.txt");
    ASSERT_TRUE(std::holds_alternative<ListFileError>(missing));
    EXPECT_EQ(std::get<ListFileError>(missing), ListFileError::NotReadable);
    // A folder cannot be replaced by a file: the write fails and the folder stays.
    std::filesystem::create_directory(folder / "taken");
    EXPECT_EQ(WriteKnownAppList(folder / "taken", entries), ListFileError::NotWritable);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "taken"));
}

// Programs P0 to P4; motion 0 has three rules for P1 and one for P3, motion 1 one for P3 and
// one for P4, motion 2 one for P0 and one for P2.
std::unique_ptr<MotionSet> RuleSet() {
    auto set = EmptySet();
    for (int a = 0; a < 5; ++a) {
        set->knownApps[a].title.Assign(u"P" + std::u16string(1, char16_t(u'0' + a)));
        set->knownApps[a].path.Assign(u"p" + std::u16string(1, char16_t(u'0' + a)) + u".exe");
    }
    set->knownAppCount = 5;
    const std::vector<std::vector<int>> rules{{1, 3, 1, 1}, {3, 4}, {0, 2}};
    for (std::size_t m = 0; m < rules.size(); ++m) {
        Motion& motion = set->motions[m];
        for (std::size_t r = 0; r < rules[m].size(); ++r) {
            motion.rules[r].appIndex = static_cast<std::uint8_t>(rules[m][r]);
            // The action names its program, so that a test sees which rule went where.
            motion.rules[r].action.Assign(u"for P" +
                                          std::u16string(1, char16_t(u'0' + rules[m][r])));
        }
        motion.ruleCount = static_cast<std::uint8_t>(rules[m].size());
    }
    set->motionCount = 3;
    return set;
}

// Each live rule as "index:action".
std::vector<std::vector<std::u16string>> RulesOf(const MotionSet& set) {
    std::vector<std::vector<std::u16string>> all;
    for (int m = 0; m < set.motionCount; ++m) {
        std::vector<std::u16string> rules;
        for (int r = 0; r < set.motions[m].ruleCount; ++r) {
            const ProgramRule& rule = set.motions[m].rules[r];
            rules.push_back(std::u16string(1, char16_t(u'0' + Value(rule.appIndex))) + u":" +
                            rule.action.View());
        }
        all.push_back(rules);
    }
    return all;
}

std::vector<std::u16string> TitlesOf(const MotionSet& set) {
    std::vector<std::u16string> titles;
    for (int a = 0; a < set.knownAppCount; ++a) {
        titles.push_back(set.knownApps[a].title.View());
    }
    return titles;
}

// The texts left in each motion's rule slots past its rule count.
std::vector<std::u16string> TextsPastTheRules(const MotionSet& set) {
    std::vector<std::u16string> texts;
    for (int m = 0; m < set.motionCount; ++m) {
        for (int r = set.motions[m].ruleCount; r < kRuleSlots; ++r) {
            if (!set.motions[m].rules[r].action.IsEmpty()) {
                texts.emplace_back(set.motions[m].rules[r].action.View());
            }
        }
    }
    return texts;
}

TEST(KnownAppsWriteBack, MarkedProgramsGoWithTheirRulesAndTheRestAreRenumbered) {
    auto set = RuleSet();
    KnownAppsTable table;
    table.Load(*set);
    EXPECT_EQ(RulesUsingProgram(*set, 1), 3);
    EXPECT_EQ(RulesUsingProgram(*set, 3), 2);
    table.Select(1);
    ASSERT_TRUE(table.MarkSelected());
    EXPECT_FALSE(table.MarkSelected()) << "a marked row is not marked twice";
    table.Select(3);
    ASSERT_TRUE(table.MarkSelected());
    EXPECT_EQ(table.Rows().size(), 5u) << "marked rows stay in view until OK";

    const KnownAppsWriteBack result = WriteKnownApps(*set, table.Rows());

    EXPECT_EQ(result.removedRules, 5);
    EXPECT_EQ(result.orphanRules, 0);
    EXPECT_EQ(Value(set->knownAppCount), 3);
    EXPECT_EQ(TitlesOf(*set), (std::vector<std::u16string>{u"P0", u"P2", u"P4"}));
    EXPECT_EQ(set->knownApps[1].path.View(), u"p2.exe");
    EXPECT_TRUE(set->knownApps[3].title.IsEmpty()) << "no stale name past the table's end";
    EXPECT_EQ(RulesOf(*set), (std::vector<std::vector<std::u16string>>{
                                 {}, {u"2:for P4"}, {u"0:for P0", u"1:for P2"}}));
    EXPECT_TRUE(TextsPastTheRules(*set).empty()) << "a removed rule's text stays in its slot";
}

TEST(KnownAppsWriteBack, TwoMarkedProgramsWithFourRulesLeaveTheTableTwoShorter) {
    // One program used by three rules of one motion, the other by one rule of another motion.
    auto set = RuleSet();
    set->motions[0].rules[1].appIndex = 0; // P3 only in motion 1 now
    set->motions[0].rules[1].action.Assign(u"for P0");
    KnownAppsTable table;
    table.Load(*set);
    table.Select(1);
    table.MarkSelected();
    table.Select(3);
    table.MarkSelected();
    const KnownAppsWriteBack result = WriteKnownApps(*set, table.Rows());
    EXPECT_EQ(result.removedRules, 4);
    EXPECT_EQ(Value(set->knownAppCount), 3);
    EXPECT_EQ(RulesOf(*set), (std::vector<std::vector<std::u16string>>{
                                 {u"0:for P0"}, {u"2:for P4"}, {u"0:for P0", u"1:for P2"}}));
}

TEST(KnownAppsWriteBack, AShorterOpenedListDropsTheRulesPastItsEnd) {
    auto set = RuleSet();
    KnownAppsTable table;
    table.Load(*set);
    table.ReplaceWith(
        std::vector<KnownAppEntry>{{u"X", u"x.exe"}, {u"Y", u"y.exe"}, {u"Z", u"z.exe"}});
    const KnownAppsWriteBack result = WriteKnownApps(*set, table.Rows());
    EXPECT_EQ(result.orphanRules, 3); // one for P3 and P4 in motion 1, one for P3 in motion 0
    EXPECT_EQ(TitlesOf(*set), (std::vector<std::u16string>{u"X", u"Y", u"Z"}));
    EXPECT_EQ(RulesOf(*set),
              (std::vector<std::vector<std::u16string>>{
                  {u"1:for P1", u"1:for P1", u"1:for P1"}, {}, {u"0:for P0", u"2:for P2"}}));
    EXPECT_TRUE(TextsPastTheRules(*set).empty()) << "a dropped rule's text stays in its slot";
}

TEST(KnownAppsWriteBack, UnchangedRowsLeaveTheImageAsItWas) {
    auto set = RuleSet();
    auto before = RuleSet();
    KnownAppsTable table;
    table.Load(*set);
    const KnownAppsWriteBack result = WriteKnownApps(*set, table.Rows());
    EXPECT_EQ(result.removedRules + result.orphanRules, 0);
    EXPECT_TRUE(testing::SameImage(*set, *before));
}

TEST(KnownAppsTable, AddingRefusesDuplicatesWhenAskedAndStopsAtTheSlotCount) {
    KnownAppsTable table;
    EXPECT_EQ(table.Add(u"a.exe", u"New", true), AddProgramResult::Added);
    EXPECT_EQ(table.Selected(), 0);
    EXPECT_EQ(table.Add(u"a.exe", u"New", true), AddProgramResult::Duplicate);
    EXPECT_EQ(table.Add(u"a.exe", u"New", false), AddProgramResult::Added)
        << "from the recent list";
    while (table.Rows().size() < static_cast<std::size_t>(kKnownAppSlots)) {
        table.Add(u"b.exe", u"B", false);
    }
    EXPECT_EQ(table.Add(u"c.exe", u"C", false), AddProgramResult::Full);
    EXPECT_EQ(table.Rows().size(), static_cast<std::size_t>(kKnownAppSlots));
}

TEST(KnownAppsTable, MarkedRowsAreNeitherRenamedNorRepickedNorSaved) {
    KnownAppsTable table;
    table.Add(u"a.exe", u"A", true);
    table.Add(u"b.exe", u"B", true);
    table.Add(u"c.exe", u"C", true);
    table.Select(1);
    ASSERT_TRUE(table.MarkSelected());
    EXPECT_FALSE(table.CanEditTitle(1));
    EXPECT_FALSE(table.SetTitle(1, u"renamed"));
    EXPECT_FALSE(table.Repick(u"other.exe"));
    EXPECT_TRUE(table.SetTitle(2, u"Third"));
    table.Select(-1);
    EXPECT_FALSE(table.MarkSelected()) << "nothing without a selection";
    EXPECT_FALSE(table.Repick(u"x.exe"));

    const std::vector<KnownAppEntry> saved = table.ListEntries();
    EXPECT_EQ(saved, (std::vector<KnownAppEntry>{{u"A", u"a.exe"}, {u"Third", u"c.exe"}}));
    // After the mark, four lines: two programs of two lines each.
    EXPECT_EQ(EncodeKnownAppList(saved), Utf16LeWithBom(u"A\r\na.exe\r\nThird\r\nc.exe\r\n"));
}

TEST(KnownAppsTable, StoredPathsAreRelativeOnTheSameDriveAndLowerCase) {
    EXPECT_EQ(StoredProgramPath(u"C:\\Traxo\\Tools\\Edit.EXE", u"C:\\Traxo\\"), u"tools\\edit.exe");
    EXPECT_EQ(StoredProgramPath(u"C:\\Other\\App.exe", u"C:\\Traxo\\"), u"..\\other\\app.exe");
    EXPECT_EQ(StoredProgramPath(u"D:\\Games\\Run.exe", u"C:\\Traxo\\"), u"d:\\games\\run.exe");
}

} // namespace
} // namespace traxo
