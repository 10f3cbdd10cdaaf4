// Every text the user reads, from every table of the registry, checked in one place: both
// languages present, the Chinese ones real UTF-16 Chinese (not text decoded through an 8-bit code
// page), the same placeholders in both, tables indexed by their ids in the order of the ids, every
// table of the sources in the registry, and the two action lists row for row.
#include "actions/ActionLists.h"
#include "app/EngineTexts.h"
#include "ui/kit/DialogTexts.h"
#include "ui/kit/TextRegistry.h"
#include "ui/main/MainWindowLayout.h"
#include "ui/main/MainWindowTexts.h"
#include "ui/options/OptionsTexts.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace traxo {
namespace {

struct Translated {
    std::string where; // table and row, for the failure message
    std::u16string_view english;
    std::u16string_view chinese;
};

// Texts whose Chinese is left empty on purpose: the remove buttons of the options dialog show no
// hint in Chinese.
const std::set<std::string> kClearedInChinese{
    "options " + std::to_string(static_cast<std::size_t>(OptionsText::BtnRemoveHint))};

// Every row of every registered table.
std::vector<Translated> AllTexts() {
    std::vector<Translated> texts;
    for (const TextTable* table : AllTextTables()) {
        for (const TextRow& row : table->rows) {
            texts.push_back({std::string(table->name) + " " + std::to_string(row.id), row.english,
                             row.chinese});
        }
    }
    return texts;
}

bool IsChineseCharacter(char16_t c) {
    return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3000 && c <= 0x303F) ||
           (c >= 0xFF00 && c <= 0xFFEF);
}

// Chinese text that went through an 8-bit code page on its way shows as Latin-1 letters, C1
// controls, the replacement character or question marks; none of our own texts has any of them
// (the Chinese ones ask with the full-width mark).
bool LooksLikeCodePageDamage(std::u16string_view text, bool chinese) {
    for (const char16_t c : text) {
        if ((c >= 0x80 && c <= 0xFF && c != 0xA9) || c == 0xFFFD || (chinese && c == u'?')) {
            return true;
        }
    }
    return false;
}

TEST(TranslationTables, EveryTextHasBothLanguagesAndNoneIsEmpty) {
    const std::vector<Translated> texts = AllTexts();
    ASSERT_GE(texts.size(),
              kMainTextCount + kOptionsTextCount + kDialogTextCount + kActionListRowCount);
    std::set<std::string> clearedSeen;
    for (const Translated& text : texts) {
        EXPECT_FALSE(text.english.empty()) << text.where;
        if (kClearedInChinese.count(text.where) != 0) {
            EXPECT_TRUE(text.chinese.empty()) << text.where << " is meant to be cleared in Chinese";
            clearedSeen.insert(text.where);
        } else {
            EXPECT_FALSE(text.chinese.empty()) << text.where;
        }
    }
    EXPECT_EQ(clearedSeen, kClearedInChinese);
}

TEST(TranslationTables, ChineseTextsAreRealUtf16Chinese) {
    // The one translation that is a word of the Latin alphabet.
    const std::string allWord =
        "main window " + std::to_string(static_cast<std::size_t>(MainText::AllProgramsWord));
    std::size_t translated = 0;
    for (const Translated& text : AllTexts()) {
        EXPECT_FALSE(LooksLikeCodePageDamage(text.english, false)) << text.where;
        if (text.chinese == text.english || text.chinese.empty()) {
            continue; // names, paths and key words read the same in both languages
        }
        ++translated;
        EXPECT_FALSE(LooksLikeCodePageDamage(text.chinese, true)) << text.where;
        bool hasChinese = false;
        for (const char16_t c : text.chinese) {
            hasChinese = hasChinese || IsChineseCharacter(c);
        }
        EXPECT_EQ(hasChinese, text.where != allWord) << text.where;
    }
    EXPECT_GT(translated, kOptionsTextCount + kActionListRowCount);
}

// A "#" stands for a value filled in where the text is used: both languages take as many.
TEST(TranslationTables, BothLanguagesHaveTheSamePlaceholders) {
    std::size_t withPlaceholders = 0;
    for (const Translated& text : AllTexts()) {
        const auto count = [](std::u16string_view language) {
            return std::count(language.begin(), language.end(), u'#');
        };
        if (kClearedInChinese.count(text.where) == 0) {
            EXPECT_EQ(count(text.english), count(text.chinese)) << text.where;
        }
        withPlaceholders += count(text.english) != 0 ? 1 : 0;
    }
    // The popup's failure, the pad's match and the update footer at least.
    EXPECT_GE(withPlaceholders, 3u);
}

// How many tables the sources define: one definition of TextTableOf each.
std::size_t TablesInTheSources() {
    const std::filesystem::path root =
        std::filesystem::path(TRAXO_TEST_DATA).parent_path().parent_path();
    const std::regex definition(R"(const TextTable& TextTableOf\(\w+(\s+\w+)?\)\s*\{)");
    std::size_t tables = 0;
    for (const char* folder :
         {"platform", "sets", "recognition", "actions", "capture", "app", "controls", "ui"}) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root / folder)) {
            if (entry.path().extension() != ".cpp" && entry.path().extension() != ".h") {
                continue;
            }
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string source{std::istreambuf_iterator<char>(in), {}};
            tables += static_cast<std::size_t>(
                std::distance(std::sregex_iterator(source.begin(), source.end(), definition),
                              std::sregex_iterator()));
        }
    }
    return tables;
}

// A table left out of the registry is a table nobody checks. The registry's names are unique
// (below), so as many registered as defined means every one is registered.
TEST(TranslationTables, EveryTableOfTheSourcesIsRegistered) {
    const std::size_t defined = TablesInTheSources();
    EXPECT_GE(defined, 9u) << "the sources' tables were not found";
    EXPECT_EQ(AllTextTables().size(), defined);
}

// Each table holds one row per id, in the order of the ids, so that Text(id, language) finds
// every text of both languages.
TEST(TranslationTables, EveryTableHasARowForEveryIdInOrder) {
    std::set<std::string_view> names;
    for (const TextTable* table : AllTextTables()) {
        EXPECT_TRUE(names.insert(table->name).second) << "two tables named " << table->name;
        ASSERT_EQ(table->rows.size(), table->count) << table->name;
        for (std::size_t i = 0; i < table->rows.size(); ++i) {
            EXPECT_EQ(table->rows[i].id, i) << table->name << " row " << i;
            EXPECT_EQ(TextIn(*table, i, Language::Chinese), table->rows[i].chinese) << table->name;
        }
        EXPECT_TRUE(TextIn(*table, table->count, Language::English).empty()) << table->name;
    }
}

TEST(TranslationTables, TheActionListsNameTheSameActionsRowForRow) {
    ASSERT_EQ(kActionLists.size(), 41u);
    std::set<std::u16string_view> english;
    std::set<std::u16string_view> chinese;
    for (const ActionListRow& row : kActionLists) {
        EXPECT_TRUE(english.insert(row.english).second) << "two rows read the same in English";
        EXPECT_TRUE(chinese.insert(row.chinese).second) << "two rows read the same in Chinese";
    }
    // Both lists agree on what kind of row each one is: the bracketed rows come first.
    for (std::size_t row = 0; row < kActionLists.size(); ++row) {
        const bool bracketed = row < kFirstBuiltInRow;
        EXPECT_EQ(kActionLists[row].english.front() == u'[', bracketed) << row;
        EXPECT_EQ(kActionLists[row].chinese.front() == u'[', bracketed) << row;
    }
    const std::pair<std::size_t, std::u16string_view> samples[] = {
        {0, u"[与默认动作相同]"},  {7, u"Traxo:禁用"},    {9, u"浏览器:后退"},
        {21, u"Windows:我的电脑"}, {25, u"Windows:锁定"}, {36, u"特殊：句首"},
        {40, u"特殊：关闭窗口"}};
    for (const auto& [row, text] : samples) {
        EXPECT_EQ(kActionLists[row].chinese, text) << row;
    }
    EXPECT_EQ(kActionLists[40].english, u"Special: close window");
}

TEST(TranslationTables, TextsNameWhatTheUserSees) {
    EXPECT_EQ(OptionsString(OptionsText::ChkRecent, Language::English), u"Keep this list updated");
    // The assign dialog names the main window's button as the button reads, in both languages.
    const TextRef button = LayoutRow(MainControl::btnKnownApps).text;
    for (const Language language : kLanguages) {
        const std::u16string caption(button.In(language));
        const std::u16string quoted =
            language == Language::Chinese ? u"“" + caption + u"”" : u"\"" + caption + u"\"";
        const std::u16string_view info = DialogString(DialogText::AssignInfo3, language);
        EXPECT_NE(info.find(quoted), std::u16string_view::npos) << LanguageNumber(language);
    }
    // An action that could not be opened, with the system's reason.
    EXPECT_EQ(CouldNotOpenText(u"c:\\x#1.exe", u"File not found.", Language::English),
              u"Could not open \"c:\\x#1.exe\": File not found.");
    EXPECT_EQ(CouldNotOpenText(u"http://a/", u"原因", Language::Chinese),
              u"无法打开“http://a/”：原因");
    // The lock action locks.
    EXPECT_EQ(kActionLists[25].english, u"Windows: Lock");
    EXPECT_EQ(kActionLists[25].chinese, u"Windows:锁定");
}

TEST(TranslationTables, TheMainWindowsOwnTextsReadAsItsUsersExpect) {
    EXPECT_EQ(MainWindowText(MainText::BalloonTitle, Language::Chinese), u"我在这里！");
    EXPECT_EQ(MainWindowText(MainText::AllProgramsWord, Language::English), u"(all)");
    EXPECT_EQ(MainWindowText(MainText::AllProgramsWord, Language::Chinese), u"all");
    EXPECT_EQ(
        MainWindowText(MainText::AutostartQuestion, Language::Chinese),
        u"你现在使用的Traxo不是你之前设定随系统启动的版本！你想改让这个版本的Traxo自动启动吗？");
    EXPECT_EQ(MainWindowText(MainText::OpenActionTitle, Language::Chinese),
              u"为这个手势指定文件或程序");
    EXPECT_EQ(MainWindowText(MainText::InactiveCaption, Language::Chinese), u"关闭");
    EXPECT_EQ(DialogStringWithCount(DialogText::AssignRulesDropped, 3, Language::Chinese),
              u"有 3 个程序的动作无法保存：一个手势最多只能有 101 个程序动作。");
}

TEST(MainWindowCaption, TheFileNameCarriesAStarWhileTheSetIsModified) {
    EXPECT_EQ(FileLabelCaption(u"C:\\Sets\\mine.mtd", true, true), u"C:\\Sets\\mine.mtd*");
    EXPECT_EQ(FileLabelCaption(u"C:\\Sets\\mine.mtd", true, false), u"C:\\Sets\\mine.mtd");
    // Without a file there is no file name to mark.
    EXPECT_EQ(FileLabelCaption(u"no set loaded", false, true), u"no set loaded");
}

} // namespace
} // namespace traxo
