#include "actions/ActionLists.h"
#include "actions/AssignRules.h"
#include "actions/DroppedFile.h"
#include "actions/KeyCombination.h"
#include "actions/ScriptCheck.h"
#include "actions/sndkey32.h"
#include "platform/RecordingKeyboard.h"
#include "sets/MotionSet.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace traxo {
namespace {

std::string Narrow(std::u16string_view text) {
    std::string out;
    for (const char16_t c : text) {
        out += c < 0x80 ? static_cast<char>(c) : '?';
    }
    return out;
}

// ---- Rows and write-back ----

class AssignRows : public ::testing::Test {
protected:
    void SetUp() override {
        set->motionCount = 2;
        set->knownAppCount = 4;
        const char16_t* titles[] = {u"Editor", u"Browser", u"Mail", u"Player"};
        for (int i = 0; i < 4; ++i) {
            set->knownApps[i].title.Assign(titles[i]);
        }
        Motion& motion = set->motions[1];
        motion.defaultAction.Assign(u"@Keys: Ctrl + W");
        motion.ruleCount = 1;
        motion.rules[0].appIndex = 2;
        motion.rules[0].action.Assign(u"@Keystrokes: héllo");
    }
    std::unique_ptr<MotionSet> set = std::make_unique<MotionSet>();
};

TEST_F(AssignRows, RuleShowsInItsProgramsRowOthersSameAsDefault) {
    const auto rows = RowsFromMotion(*set, 1, Language::English);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].title, u"Default action (all programs)");
    EXPECT_EQ(rows[0].action, u"@Keys: Ctrl + W");
    EXPECT_EQ(rows[3].title, u"Mail");
    EXPECT_EQ(rows[3].action, u"@Keystrokes: héllo");
    EXPECT_EQ(rows[3].icon, 3);
    for (const std::size_t r : {1u, 2u, 4u}) {
        EXPECT_EQ(rows[r].action, u"@[ Same as default ]") << r;
    }
    EXPECT_TRUE(RowsFromMotion(*set, 2, Language::English).empty()); // not a live motion
    EXPECT_TRUE(RowsFromMotion(*set, -1, Language::English).empty());
}

TEST_F(AssignRows, DamagedCountsStayWithinTheSlots) {
    set->knownAppCount = 100000;
    set->motions[1].ruleCount = 255;
    set->motions[1].rules[5].appIndex = 250; // beyond every live program: ignored
    const auto rows = RowsFromMotion(*set, 1, Language::English);
    EXPECT_EQ(rows.size(), static_cast<std::size_t>(kKnownAppSlots) + 1);
}

TEST_F(AssignRows, OkWritesRulesForRowsNotSameAsDefault) {
    auto rows = RowsFromMotion(*set, 1, Language::English);
    rows[0].action = u"C:\\Документы\\отчёт.pdf"; // stays UTF-16, whole
    rows[3].action = SameAsDefaultMarker();       // the rule goes
    rows[2].action = u"";                         // "do nothing" here is a rule
    rows[4].action = u"@Lock";
    EXPECT_EQ(WriteRowsToMotion(*set, 1, rows), 0u);

    const Motion& motion = set->motions[1];
    EXPECT_EQ(motion.defaultAction.View(), u"C:\\Документы\\отчёт.pdf");
    ASSERT_EQ(motion.ruleCount, 2);
    EXPECT_EQ(motion.rules[0].appIndex, 1);
    EXPECT_EQ(motion.rules[0].action.View(), u"");
    EXPECT_EQ(motion.rules[1].appIndex, 3);
    EXPECT_EQ(motion.rules[1].action.View(), u"@Lock");
    // The old rule's text does not linger in its slot.
    EXPECT_TRUE(motion.rules[2].action.IsEmpty());
    // Reading back gives the rows that were written.
    const auto again = RowsFromMotion(*set, 1, Language::English);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        EXPECT_EQ(again[r].action, rows[r].action) << r;
    }
}

TEST_F(AssignRows, MoreRulesThanSlotsAreCountedNotOverrun) {
    set->knownAppCount = 150;
    auto rows = RowsFromMotion(*set, 1, Language::English);
    for (std::size_t r = 1; r < rows.size(); ++r) {
        rows[r].action = u"@Copy";
    }
    EXPECT_EQ(WriteRowsToMotion(*set, 1, rows), 150u - kRuleSlots);
    EXPECT_EQ(set->motions[1].ruleCount, kRuleSlots);
    EXPECT_EQ(set->motions[1].rules[kRuleSlots - 1].appIndex, kRuleSlots - 1);
}

TEST(AssignCombo, RowZeroDoesNotOfferSameAsDefault) {
    const auto row0 = ComboActionRows(0);
    const auto row2 = ComboActionRows(2);
    EXPECT_EQ(row0.size(), kActionListRowCount - 1);
    EXPECT_EQ(row0.front(), kRowDoNothing);
    EXPECT_EQ(row2.size(), kActionListRowCount);
    EXPECT_EQ(row2.front(), kRowSameAsDefault);
}

// ---- comboActionSelect ----

class ScriptedEditors final : public ActionEditors {
public:
    std::optional<std::u16string> EditKeystrokes(std::u16string_view script) override {
        seen.push_back(u"keys:" + std::u16string(script));
        return answer;
    }
    std::optional<std::u16string> EditKeyCombination() override {
        seen.push_back(u"combo");
        return answer;
    }
    std::optional<std::u16string> AskWebAddress(std::u16string_view proposed) override {
        seen.push_back(u"web:" + std::u16string(proposed));
        return answer;
    }
    std::optional<std::u16string> ChooseFolder() override {
        seen.push_back(u"folder");
        return answer;
    }
    std::optional<ProgramFields> EditProgram(const ProgramFields& start) override {
        seen.push_back(u"program:" + start.file + u"|" + start.workingDirectory);
        if (!answer) {
            return std::nullopt;
        }
        return program;
    }
    std::optional<std::u16string> answer; // nullopt: Cancel
    ProgramFields program;
    std::vector<std::u16string> seen;
};

TEST(ComboActionSelect, EveryEntryGivesItsAction) {
    struct Case {
        std::optional<std::size_t> row;
        std::u16string current;
        std::optional<std::u16string> answer;
        ProgramFields program;
        std::u16string expected;
        std::u16string editorSaw;
    };
    const std::vector<Case> cases = {
        {std::nullopt, u"@Copy", u"x", {}, u"@Copy", u""},
        {kRowDoNothing, u"@Copy", u"x", {}, u"", u""},
        {kRowSameAsDefault, u"@Copy", u"x", {}, u"@[ Same as default ]", u""},
        {kFirstBuiltInRow,
         u"",
         u"x",
         {},
         u"@" + std::u16string(kActionLists[kFirstBuiltInRow].english),
         u""},
        {kRowKeystrokes,
         u"@Keystrokes: abc{enter}",
         u"xyz",
         {},
         u"@Keystrokes: xyz",
         u"keys:abc{enter}"},
        {kRowKeystrokes, u"@Copy", std::nullopt, {}, u"@Copy", u"keys:"},
        {kRowKeyCombination, u"", u"Ctrl + F5", {}, u"@Keys: Ctrl + F5", u"combo"},
        {kRowKeyCombination, u"@Lock", std::nullopt, {}, u"@Lock", u"combo"},
        {kRowWebsite, u"", u"example.org/ü", {}, u"http://example.org/ü", u"web:http://"},
        {kRowWebsite, u"https://a.b/", u"https://c.d/", {}, u"https://c.d/", u"web:https://a.b/"},
        {kRowWebsite, u"@Keys: A", u"httpbin.org", {}, u"httpbin.org", u"web:http://"},
        {kRowWebsite, u"https://a.b/", std::nullopt, {}, u"https://a.b/", u"web:https://a.b/"},
        {kRowFolder, u"@Copy", u"D:\\Mes documents", {}, u"D:\\Mes documents", u"folder"},
        {kRowProgramOrFile,
         u"notepad.exe a.txt*in*c:\\work",
         u"",
         {u"notepad.exe b.txt", u"  c:\\work "},
         u"notepad.exe b.txt*in*c:\\work",
         u"program:notepad.exe a.txt|c:\\work"},
        {kRowProgramOrFile, u"http://x.y/", u"", {u"calc.exe", u"  "}, u"calc.exe", u"program:|"},
        {kRowProgramOrFile, u"a.exe*in*", std::nullopt, {}, u"a.exe*in*", u"program:a.exe|"},
    };
    for (const Case& c : cases) {
        ScriptedEditors editors;
        editors.answer = c.answer;
        editors.program = c.program;
        EXPECT_EQ(comboActionSelect(c.row, c.current, editors), c.expected)
            << Narrow(c.current) << " row " << c.row.value_or(999);
        EXPECT_EQ(editors.seen.empty() ? std::u16string() : editors.seen.front(), c.editorSaw)
            << Narrow(c.current);
    }
}

TEST(ComboActionSelect, WebSchemeAndProgramSplit) {
    EXPECT_EQ(WithWebScheme(u"www.example.org"), u"http://www.example.org");
    EXPECT_EQ(WithWebScheme(u"http://x"), u"http://x");
    EXPECT_EQ(WithWebScheme(u"https://x"), u"https://x");
    EXPECT_EQ(JoinProgramAction({u"run.bat", u"c:\\work"}), u"run.bat*in*c:\\work");
    EXPECT_EQ(JoinProgramAction({u"run.bat", u""}), u"run.bat");
    EXPECT_EQ(SplitProgramAction(u"a*in*b*in*c"), (ProgramFields{u"a", u"b*in*c"}));
    EXPECT_EQ(SplitProgramAction(u"@Keys: A"), ProgramFields{});
}

// ---- Key combinations ----

class FakeKeyNames final : public PlanningQueries {
public:
    bool FileExists(std::u16string_view) override { return false; }
    std::optional<std::uint8_t> VirtualKeyOfKeyName(std::u16string_view name) override {
        if (name == u"Num 5") {
            return 0x65;
        }
        return std::nullopt;
    }
    std::u16string WindowsFolder() override { return u"C:\\Windows\\"; }
};

KeyComboToggles Pressed(std::initializer_list<KeyComboToggle> toggles) {
    KeyComboToggles pressed{};
    for (const auto t : toggles) {
        pressed[t] = true;
    }
    return pressed;
}

TEST(KeyCombination, TextInFixedOrderAndValidity) {
    FakeKeyNames queries;
    struct Case {
        KeyComboToggles pressed;
        std::u16string key;
        std::u16string text;
        bool valid;
    };
    const std::vector<Case> cases = {
        {Pressed({kToggleCtrl}), u"F5", u"Ctrl + F5", true},
        {Pressed({kToggleEsc, kToggleTab}), u"", u"Tab + Esc", false},
        {Pressed({kToggleWin}), u"", u"Win", true},
        {Pressed({}), u"", u"", false},
        {Pressed({}), u"A", u"A", true},
        {Pressed({kToggleShift, kToggleWin, kToggleAlt, kToggleCtrl}), u"Left",
         u"Win + Ctrl + Alt + Shift + Left", true},
        {Pressed({kToggleCtrl, kToggleBksp}), u"", u"Ctrl + Bksp", true},
        {Pressed({kToggleSpace, kToggleEnter}), u"", u"Enter + Space", false},
        {Pressed({kToggleWin, kToggleDel}), u"", u"Win + Del", true},
        {Pressed({kToggleAlt}), u"Num 5", u"Alt + Num 5", true},
        {Pressed({kToggleAlt}), u"", u"Alt", false},
    };
    for (const Case& c : cases) {
        const std::u16string text = KeyCombinationText(c.pressed, c.key);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(IsValidKeyCombination(text, queries), c.valid) << Narrow(text);
    }
}

TEST(KeyCombination, KeyNamesReadBackByTheParser) {
    FakeKeyNames queries;
    const auto layout = [](std::uint8_t vk) {
        return vk == 0x65 ? std::u16string(u"Num 5") : std::u16string();
    };
    struct Case {
        std::uint8_t vk;
        std::u16string name;
    };
    const std::vector<Case> cases = {
        {0x74, u"F5"},   {0x7B, u"F12"},  {0x87, u"F24"}, {0x41, u"A"},     {0x37, u"7"},
        {0x21, u"PgUp"}, {0x08, u"BkSp"}, {0x2E, u"Del"}, {0x65, u"Num 5"}, {0x10, u""},
        {0xA2, u""},     {0x5B, u""},     {0x00, u""},
    };
    for (const Case& c : cases) {
        const std::u16string name = ShortcutKeyName(c.vk, layout);
        EXPECT_EQ(name, c.name) << int(c.vk);
        if (!name.empty()) {
            const auto parsed = ParseShortcutText(name, queries);
            ASSERT_TRUE(parsed.has_value()) << Narrow(name);
            EXPECT_EQ(parsed->virtualKey, c.vk);
        }
    }
}

// ---- Keystroke scripts the sender cannot send ----

TEST(ScriptCheck, AgreesWithTheSenderAndSaysWhere) {
    struct Case {
        std::u16string user;
        std::optional<ScriptProblemKind> kind;
        std::u16string excerpt;
    };
    const std::vector<Case> cases = {
        {u"hello{enter}", std::nullopt, u""},
        {u"[ctrl:{left 2}]x", std::nullopt, u""},
        {u"\\{curly\\}, \\[straight\\], \\\\backslash\\\\!", std::nullopt, u""},
        {u"{left 65535}", ScriptProblemKind::TooManyKeyEvents, u"{left 65535}"},
        {u"ab{left x}cd", ScriptProblemKind::BadRepeatCount, u"{left x}"},
        {u"{tab 65536}", ScriptProblemKind::BadRepeatCount, u"{tab 65536}"},
        {u"{tab }", ScriptProblemKind::BadRepeatCount, u"{tab }"},
        {u"abc{enter", ScriptProblemKind::MissingBrace, u"{enter"},
        {u"x[shift:{home]", ScriptProblemKind::MissingBrace, u"{home"},
        {u"", ScriptProblemKind::Empty, u""},
        // A literal "{" ("{{}") followed by another "{": both skip the same three characters.
        {u"{{{enter", std::nullopt, u""},
        {u"{{{ x}", std::nullopt, u""},
        {u"a{{{left 2}b", std::nullopt, u""},
        // At most 10,000 key events a run, counted on the layout.
        {u"{left 5000}", std::nullopt, u""},
        {u"{left 5000}x", ScriptProblemKind::TooManyKeyEvents, u"x"},
        {u"ab{a 5000}", ScriptProblemKind::TooManyKeyEvents, u"{a 5000}"},
        {u"[ctrl:[shift:{a 9999}{b 9999}]]", ScriptProblemKind::TooManyKeyEvents, u"{a 9999}"},
        {u"{é 4999}éé", ScriptProblemKind::TooManyKeyEvents, u"é"},
        {u"{tab 6000}{enter", ScriptProblemKind::TooManyKeyEvents, u"{tab 6000}"},
        {u"{enter x}{tab 6000}", ScriptProblemKind::BadRepeatCount, u"{enter x}"},
    };
    for (const Case& c : cases) {
        const std::u16string theirs = MyFormatToTheirs(c.user);
        RecordingKeyboard keyboard;
        const auto problem = FindScriptProblem(theirs, keyboard);
        EXPECT_EQ(keyboard.Recorded().size() + keyboard.UnrecordedCount(), 0u) << Narrow(c.user);
        EXPECT_EQ(problem.has_value(), !PlanScript(theirs).result) << Narrow(c.user);
        ASSERT_EQ(problem.has_value(), c.kind.has_value()) << Narrow(c.user);
        if (problem) {
            EXPECT_EQ(problem->kind, *c.kind);
            EXPECT_EQ(problem->excerpt, c.excerpt) << Narrow(c.user);
        }
    }
}

TEST(ScriptCheck, MessageNamesTheCharacterAndTheReason) {
    RecordingKeyboard keyboard;
    const std::u16string user = u"ab{left x}cd";
    const auto problem = FindScriptProblem(MyFormatToTheirs(user), keyboard);
    ASSERT_TRUE(problem);
    EXPECT_EQ(DescribeScriptProblem(*problem, user, Language::English),
              u"The keystrokes stop at \"{left x}\" (character 3): the repeat count \"x\" must "
              u"be a whole number from 0 to 65535.");
    const std::u16string open = u"abc{enter";
    const auto missing = FindScriptProblem(MyFormatToTheirs(open), keyboard);
    ASSERT_TRUE(missing);
    const std::u16string text = DescribeScriptProblem(*missing, open, Language::English);
    EXPECT_NE(text.find(u"(character 4)"), std::u16string::npos);
    EXPECT_NE(text.find(u"no closing"), std::u16string::npos);
}

TEST(ScriptCheck, AnOverrunNamesTheLimitInBothLanguages) {
    RecordingKeyboard keyboard;
    const std::u16string user = u"x{a 9999}";
    const auto problem = FindScriptProblem(MyFormatToTheirs(user), keyboard);
    ASSERT_TRUE(problem);
    EXPECT_EQ(DescribeScriptProblem(*problem, user, Language::English),
              u"The keystrokes pass 10,000 key events at \"{a 9999}\" (character 2): one run "
              u"sends at most 10,000 key events, so none of these would be sent. Use smaller "
              u"repeat counts or less text.");
    const std::u16string chinese = DescribeScriptProblem(*problem, user, Language::Chinese);
    EXPECT_NE(chinese.find(u"10,000"), std::u16string::npos);
    EXPECT_NE(chinese.find(u"（第 2 个字符）"), std::u16string::npos);
}

// ---- Dropping files ----

// "D:\ddd…\fff…" of exactly `length` characters.
std::u16string PathOfLength(std::size_t length) {
    const std::u16string folder = u"D:\\" + std::u16string(300, u'd') + u"\\";
    return folder + std::u16string(length - folder.size(), u'f');
}

TEST(DropOnActionButton, OneFileBecomesTheDefaultAction) {
    constexpr std::u16string_view kFolder = u"C:\\Traxo\\";
    static_assert(SetText::kCapacity == 1024);
    struct Case {
        std::size_t count;
        std::u16string name;
        bool visible;
        DropOutcome outcome;
        std::u16string action;
    };
    const std::vector<Case> cases = {
        {2, u"C:\\a.txt", true, DropOutcome::TooMany, u""},
        {1, u"C:\\Traxo\\Tools\\日本語 ファイル.exe", true, DropOutcome::Assigned,
         u"Tools\\日本語 ファイル.exe"},
        {1, u"D:\\Other\\x.txt", true, DropOutcome::Assigned, u"D:\\Other\\x.txt"},
        {1, u"C:\\x.txt", false, DropOutcome::Ignored, u""},
        {1, u"", true, DropOutcome::Unsupported, u""},
        {1, u"D:\\" + std::u16string(300, u'd') + u"\\" + std::u16string(800, u'f'), true,
         DropOutcome::Unsupported, u""},
        {1, u"D:\\" + std::u16string(300, u'd') + u"\\" + std::u16string(400, u'f'), true,
         DropOutcome::Assigned,
         u"D:\\" + std::u16string(300, u'd') + u"\\" + std::u16string(400, u'f')},
        // Exactly the action's capacity, and one character more.
        {1, PathOfLength(1024), true, DropOutcome::Assigned, PathOfLength(1024)},
        {1, PathOfLength(1025), true, DropOutcome::Unsupported, u""},
    };
    for (const Case& c : cases) {
        const DropDecision decision = DecideDrop(c.count, c.name, c.visible, kFolder);
        EXPECT_EQ(decision.outcome, c.outcome) << Narrow(c.name);
        EXPECT_EQ(decision.action, c.action);
    }
    EXPECT_EQ(DropMessage(DropOutcome::TooMany, Language::English),
              u"Drop only one file on to this action.");
    EXPECT_EQ(DropMessage(DropOutcome::Unsupported, Language::English),
              u"That type of object isn't supported.");
}

} // namespace
} // namespace traxo
