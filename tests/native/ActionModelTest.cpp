// Action texts: the forms execution tells apart and the short text users see in both languages.
#include "actions/ActionModel.h"

#include "actions/ActionLists.h"
#include "ui/main/ActionTooltip.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace traxo {
namespace {

constexpr int kFull = 1000; // what every caller passes

std::u16string English(std::u16string_view action, int maxLen = kFull) {
    return ActionToDisplayString(action, maxLen, Language::English);
}
std::u16string Chinese(std::u16string_view action, int maxLen = kFull) {
    return ActionToDisplayString(action, maxLen, Language::Chinese);
}

TEST(ActionLists, HoldFortyOneRowsWithTheirTextsInBothLanguages) {
    ASSERT_EQ(kActionLists.size(), 41u);
    EXPECT_EQ(kActionLists[0].english, u"[ Same as default ]");
    EXPECT_EQ(kActionLists[0].chinese, u"[与默认动作相同]");
    EXPECT_EQ(kActionLists[6].english, u"[ Keystrokes... ]");
    EXPECT_EQ(kActionLists[9].chinese, u"浏览器:后退");
    EXPECT_EQ(kActionLists[25].english, u"Windows: Lock");
    // The rows of the special commands use the full-width colon in Chinese.
    EXPECT_EQ(kActionLists[29].chinese, u"特殊\uFF1A帮助");
    EXPECT_EQ(kActionLists[40].english, u"Special: close window");
    EXPECT_EQ(kActionLists[40].chinese, u"特殊：关闭窗口");
    for (const ActionListRow& row : kActionLists) {
        EXPECT_FALSE(row.english.empty());
        EXPECT_FALSE(row.chinese.empty());
    }
}

TEST(ActionLists, FindEnglishRowMatchesWholeTextsExactly) {
    EXPECT_EQ(FindEnglishActionRow(u"[ Same as default ]"), 0u);
    EXPECT_EQ(FindEnglishActionRow(u"Browser: back"), 9u);
    EXPECT_EQ(FindEnglishActionRow(u"Special: close window"), 40u);
    EXPECT_EQ(FindEnglishActionRow(u"browser: back"), std::nullopt);
    EXPECT_EQ(FindEnglishActionRow(u"Browser: back "), std::nullopt);
    EXPECT_EQ(FindEnglishActionRow(u"浏览器:后退"), std::nullopt);
    EXPECT_EQ(FindEnglishActionRow(u""), std::nullopt);
}

TEST(ActionModel, MarkerAndNothingTextsAreTheEnglishRowsZeroAndOne) {
    EXPECT_EQ(sameAsDefaultText, u"[ Same as default ]");
    EXPECT_EQ(doNothingText, u"[ Do nothing ]");
}

TEST(ActionToDisplayString, ShowsEachFormInEnglish) {
    EXPECT_EQ(English(u""), u"[ Do nothing ]");
    EXPECT_EQ(English(u"@Keys: Ctrl + C"), u"Keys: Ctrl + C");
    EXPECT_EQ(English(u"@Keystrokes: abc{enter}"), u"Keystrokes: abc{enter}");
    EXPECT_EQ(English(u"@Browser: back"), u"Browser: back");
    EXPECT_EQ(English(u"@[ Same as default ]"), u"[ Same as default ]");
    EXPECT_EQ(English(u"https://example.org/a:b\\c"), u"https://example.org/a:b\\c");
    EXPECT_EQ(English(u"c:\\tools\\tool.exe -x*in*c:\\work"), u"tool.exe -x");
    EXPECT_EQ(English(u"d:\\music\\"), u"d:\\music\\");
}

TEST(ActionToDisplayString, ShowsEachFormInChinese) {
    EXPECT_EQ(Chinese(u""), u"[无]");
    EXPECT_EQ(Chinese(u"@Keys: Ctrl + C"), u"组合键:Ctrl + C");
    EXPECT_EQ(Chinese(u"@Keystrokes: hi"), u"按键: hi");
    EXPECT_EQ(Chinese(u"@Browser: back"), u"浏览器:后退");
    EXPECT_EQ(Chinese(u"@[ Same as default ]"), u"[与默认动作相同]");
    EXPECT_EQ(Chinese(u"c:\\tools\\tool.exe -x*in*c:\\work"), u"tool.exe -x");
}

TEST(ActionToDisplayString, EveryBuiltInRowShowsInTheLanguageOfTheInterface) {
    for (std::size_t row = kFirstBuiltInRow; row < kActionLists.size(); ++row) {
        const std::u16string stored = u"@" + std::u16string(kActionLists[row].english);
        EXPECT_EQ(English(stored), kActionLists[row].english) << "row " << row;
        EXPECT_EQ(Chinese(stored), kActionLists[row].chinese) << "row " << row;
    }
}

TEST(ActionToDisplayString, ABuiltInTextOutsideTheListLosesOnlyItsAt) {
    EXPECT_EQ(English(u"@Media: volume up"), u"Media: volume up");
    EXPECT_EQ(Chinese(u"@Media: volume up"), u"Media: volume up");
    EXPECT_EQ(Chinese(u"@browser: back"), u"browser: back");
}

TEST(ActionToDisplayString, RecognisesWebAddressesInAnyLetterCase) {
    EXPECT_EQ(English(u"HTTP://EXAMPLE.COM\\X"), u"HTTP://EXAMPLE.COM\\X");
    EXPECT_EQ(English(u"hTtPs://a.b/c"), u"hTtPs://a.b/c");
    // Other schemes are not web addresses to the display: the part after the last colon shows.
    EXPECT_EQ(English(u"ftp://host/file"), u"//host/file");
}

TEST(ActionToDisplayString, ShowsTheFileNameOfProgramsAndFiles) {
    EXPECT_EQ(English(u"c:\\apps\\editor.exe"), u"editor.exe");
    EXPECT_EQ(English(u"c:\\apps\\editor.exe c:\\notes.txt"), u"notes.txt");
    EXPECT_EQ(English(u"notepad"), u"notepad");
    EXPECT_EQ(English(u"c:readme.txt"), u"readme.txt");
    // Only the first "*in*" separates the working directory.
    EXPECT_EQ(English(u"c:\\a\\b.exe*in*c:\\x*in*d:\\"), u"b.exe");
    EXPECT_EQ(English(u"c:\\a\\*in*c:\\work"), u"c:\\a\\");
}

TEST(ActionToFullText, ShowsProgramsAndFilesWholeAndEverythingElseAsTheShortText) {
    struct Case {
        std::u16string_view action;
        std::u16string_view full;
    };
    const Case cases[] = {
        {u"cmd.exe /c del c:\\x\\*", u"cmd.exe /c del c:\\x\\*"},
        {u"C:\\Tools\\run.exe -q*in*C:\\Work", u"C:\\Tools\\run.exe -q"},
        {u"Tools\\", u"Tools\\"},
        {u"https://example.com/a\\b", u"https://example.com/a\\b"},
        {u"@Keystrokes: a\\b", u"Keystrokes: a\\b"},
        {u"@Windows: Lock", u"Windows: Lock"},
        {u"", u"[ Do nothing ]"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ActionToFullText(c.action, Language::English), c.full);
    }
    EXPECT_EQ(ActionToFullText(u"@Windows: Lock", Language::Chinese), u"Windows:锁定");
}

TEST(ActionButtonTooltip, NamesInFullTheActionTheButtonShows) {
    auto motion = std::make_unique<Motion>();
    motion->ruleCount = 1;
    motion->rules[0].action.Assign(u"c:\\bin\\wipe.bat \\\\server\\share\\*");
    EXPECT_EQ(ActionButtonTooltip(*motion, Language::English),
              u"c:\\bin\\wipe.bat \\\\server\\share\\*");
    motion->defaultAction.Assign(u"cmd.exe /c del c:\\x\\*");
    EXPECT_EQ(ActionButtonTooltip(*motion, Language::English), u"cmd.exe /c del c:\\x\\*");
    // A rule count a damaged file got wrong reads no slot beyond the last.
    motion->defaultAction.Assign(u"");
    motion->ruleCount = 255;
    EXPECT_EQ(ActionButtonTooltip(*motion, Language::English),
              u"c:\\bin\\wipe.bat \\\\server\\share\\*");
}

TEST(ActionToDisplayString, KeyPrefixesWithoutBlankOrPayload) {
    EXPECT_EQ(English(u"@Keys:"), u"Keys:");
    EXPECT_EQ(Chinese(u"@Keys:"), u"组合键:");
    EXPECT_EQ(English(u"@Keystrokes:"), u"Keystrokes: ");
    EXPECT_EQ(Chinese(u"@Keystrokes:"), u"按键: ");
}

TEST(ActionToDisplayString, CutsLongTextsAndMarksTheCut) {
    EXPECT_EQ(English(u"c:\\mp3s\\", 5), u"c:\\mp...");
    EXPECT_EQ(English(u"c:\\mp3s\\", 8), u"c:\\mp3s\\");
    EXPECT_EQ(English(u"", 3), u"[ D...");
    EXPECT_EQ(English(u"abc", 0), u"...");
    EXPECT_EQ(English(u"abc", -4), u"...");
    // The cut never leaves half of a character outside the basic plane.
    EXPECT_EQ(English(u"ab\U0001F600cd", 3), u"ab...");
    EXPECT_EQ(English(u"ab\U0001F600cd", 4), u"ab\U0001F600...");
}

TEST(ParseAction, TellsTheFormsApartAsExecutionDoes) {
    EXPECT_EQ(ParseAction(u"").form, ActionForm::DoNothing);
    EXPECT_EQ(ParseAction(u"@Keystrokes: a").form, ActionForm::Keystrokes);
    EXPECT_EQ(ParseAction(u"@Keys: Ctrl + C").form, ActionForm::KeyCombination);
    EXPECT_EQ(ParseAction(u"@[ Same as default ]").form, ActionForm::SameAsDefault);
    EXPECT_EQ(ParseAction(u"@Windows: Lock").form, ActionForm::BuiltIn);
    EXPECT_EQ(ParseAction(u"c:\\tools\\tool.exe").form, ActionForm::File);
    EXPECT_EQ(ParseAction(u"http://example.org").form, ActionForm::File);
    // The prefixes are case-sensitive; an "@" anywhere makes a (nameless) built-in command.
    EXPECT_EQ(ParseAction(u"@keys: Ctrl + C").form, ActionForm::BuiltIn);
    EXPECT_EQ(ParseAction(u"http://me@example.org").form, ActionForm::BuiltIn);
    EXPECT_EQ(ParseAction(u"[ Same as default ]").form, ActionForm::File);
}

TEST(ParseAction, PayloadStartsTwoCharactersAfterTheFirstColon) {
    EXPECT_EQ(ParseAction(u"@Keystrokes: abc{enter}").payload, u"abc{enter}");
    EXPECT_EQ(ParseAction(u"@Keys: Win + Ctrl + F5").payload, u"Win + Ctrl + F5");
    EXPECT_EQ(ParseAction(u"@Keystrokes: a:b").payload, u"a:b");
    EXPECT_EQ(ParseAction(u"@Keys:").payload, u"");
    EXPECT_EQ(ParseAction(u"@Keys: ").payload, u"");
    EXPECT_EQ(ParseAction(u"@Keystrokes:abc").payload, u"bc");
    EXPECT_EQ(ActionPayload(u"no colon"), u"");
}

TEST(ParseAction, BuiltInNameIsTheTrimmedLowerCasePartAfterTheLastSeparator) {
    EXPECT_EQ(ParseAction(u"@Windows: Lock").commandName, u"lock");
    EXPECT_EQ(ParseAction(u"@Media player: play/pause").commandName, u"play/pause");
    EXPECT_EQ(ParseAction(u"@Special: Page Up  ").commandName, u"page up");
    EXPECT_EQ(ParseAction(u"@Old\\Maximise Window").commandName, u"maximise window");
    EXPECT_EQ(ParseAction(u"@a:b\\c: Mute").commandName, u"mute");
    EXPECT_EQ(BuiltInCommandName(u"@Pause"), u"@pause");
    EXPECT_EQ(BuiltInCommandName(u"@Windows:"), u"");
}

TEST(ParseAction, FileActionSplitsTheWorkingDirectoryAtTheFirstIn) {
    const ParsedAction withDirectory = ParseAction(u"c:\\tools\\tool.exe -x*in*c:\\work");
    EXPECT_EQ(withDirectory.target, u"c:\\tools\\tool.exe -x");
    EXPECT_EQ(withDirectory.workingDirectory, u"c:\\work");

    const ParsedAction twice = ParseAction(u"a.exe*in*b*in*c");
    EXPECT_EQ(twice.target, u"a.exe");
    EXPECT_EQ(twice.workingDirectory, u"b*in*c");

    const ParsedAction folder = ParseAction(u"d:\\music\\");
    EXPECT_EQ(folder.target, u"d:\\music\\");
    EXPECT_EQ(folder.workingDirectory, u"");
}

TEST(SplitProgramParameters, ParametersBeginAtTheBlankAfterTheFirstProgramExtension) {
    const ProgramLaunch editor = SplitProgramParameters(u"c:\\apps\\editor.exe c:\\notes.txt");
    EXPECT_EQ(editor.program, u"c:\\apps\\editor.exe");
    EXPECT_EQ(editor.parameters, u" c:\\notes.txt");

    const ProgramLaunch shouted = SplitProgramParameters(u"  C:\\TOOL.EXE -x  ");
    EXPECT_EQ(shouted.program, u"C:\\TOOL.EXE");
    EXPECT_EQ(shouted.parameters, u" -x");

    // The earliest extension wins, whichever it is.
    const ProgramLaunch batch = SplitProgramParameters(u"c:\\run.bat tool.exe y");
    EXPECT_EQ(batch.program, u"c:\\run.bat");
    EXPECT_EQ(batch.parameters, u" tool.exe y");
    EXPECT_EQ(SplitProgramParameters(u"x.lnk a").program, u"x.lnk");
    EXPECT_EQ(SplitProgramParameters(u"x.com a").parameters, u" a");
}

TEST(SplitProgramParameters, WithoutParametersTheTextStaysAsWritten) {
    const ProgramLaunch alone = SplitProgramParameters(u" c:\\apps\\editor.exe ");
    EXPECT_EQ(alone.program, u" c:\\apps\\editor.exe ");
    EXPECT_EQ(alone.parameters, u"");
    EXPECT_EQ(SplitProgramParameters(u"explorer").program, u"explorer");
    EXPECT_EQ(SplitProgramParameters(u"").program, u"");
}

} // namespace
} // namespace traxo
