// The first start's welcome, step by step, against a window that records what it was asked.
#include "ui/main/FirstRun.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace traxo {
namespace {

class RecordingHost final : public FirstRunHost {
public:
    explicit RecordingHost(Settings& settings) : settings_(settings) {}

    int Ask(const TaskDialogContent& dialog) override {
        asked.push_back(dialog);
        steps.push_back(u"ask:" + dialog.content);
        const std::size_t index = asked.size() - 1;
        return index < answers.size() ? answers[index] : TaskButtonResult(0);
    }
    void TranslateMe() override {
        steps.push_back(
            u"translate:" +
            std::u16string(1, static_cast<char16_t>(u'0' + LanguageNumber(settings_.language))));
    }
    bool FileExists(const std::u16string& file) override {
        steps.push_back(u"exists:" + file);
        return starterExists;
    }
    bool LoadStarterSet(const std::u16string& file) override {
        steps.push_back(u"load:" + file);
        return starterLoads;
    }
    void ShowBalloon(std::u16string_view title, std::u16string_view text,
                     unsigned seconds) override {
        steps.push_back(u"balloon:" + std::u16string(title) + u"|" + std::u16string(text));
        balloonSeconds = seconds;
    }
    void SaveSettings() override {
        steps.push_back(u"save");
        savedPromptFlag = settings_.tutorialPrompt;
        savedLanguage = settings_.language;
        savedMotions = settings_.motions;
    }
    void ShowTutorial() override { steps.push_back(u"tutorial"); }

    std::vector<int> answers;
    bool starterExists = true;
    bool starterLoads = true;
    std::vector<TaskDialogContent> asked;
    std::vector<std::u16string> steps;
    unsigned balloonSeconds = 0;
    bool savedPromptFlag = true;
    std::optional<Language> savedLanguage;
    std::u16string savedMotions;

private:
    Settings& settings_;
};

constexpr std::u16string_view kFolder = u"C:\\Tools\\Traxo\\";
const std::u16string kStarter = u"C:\\Tools\\Traxo\\GettingStarted.mtd";

TEST(FirstRun, ChineseAnswerTranslatesLoadsTheStarterSetAndWritesTheSettingsOnce) {
    Settings settings;
    RecordingHost host(settings);
    host.answers = {TaskButtonResult(1), TaskButtonResult(1)}; // 中文, then No to the tutorial

    ASSERT_TRUE(RunFirstRunPrompt(settings, kFolder, host));

    const std::vector<std::u16string> expected{
        u"ask:Please choose a language.",
        u"translate:1",
        u"exists:" + kStarter,
        u"load:" + kStarter,
        u"balloon:我在这里！|右键点击图标，选择\"配置\"。",
        u"save",
        u"ask:你想学习一下简短的教程么？",
    };
    EXPECT_EQ(host.steps, expected);
    EXPECT_EQ(host.balloonSeconds, 15u);
    EXPECT_EQ(settings.language, Language::Chinese);
    EXPECT_FALSE(settings.tutorialPrompt);
    EXPECT_EQ(settings.motions, kStarter);
    // What was written is the outcome, not the state before the welcome.
    EXPECT_FALSE(host.savedPromptFlag);
    EXPECT_EQ(host.savedLanguage, Language::Chinese);
    EXPECT_EQ(host.savedMotions, kStarter);
}

TEST(FirstRun, TheLanguagePromptOffersBothLanguagesAndCannotBeDismissed) {
    const TaskDialogContent dialog = LanguageDialog(Language::English);
    EXPECT_EQ(dialog.title, u"Traxo");
    EXPECT_EQ(dialog.mainInstruction, u"Welcome to Traxo");
    EXPECT_EQ(dialog.content, u"Please choose a language.");
    EXPECT_EQ(dialog.icon, TaskDialogIcon::Program);
    EXPECT_FALSE(dialog.cancellable);
    EXPECT_EQ(dialog.buttons, (std::vector<std::u16string>{u"English", u"中文（简体）"}));

    const TaskDialogContent tutorial = TutorialDialog(Language::Chinese);
    EXPECT_TRUE(tutorial.mainInstruction.empty());
    EXPECT_EQ(tutorial.title, u"Traxo");
    EXPECT_EQ(tutorial.buttons, (std::vector<std::u16string>{u"是", u"否"}));
}

TEST(FirstRun, AnswersOutsideTheButtonsKeepTheLanguage) {
    EXPECT_EQ(LanguageFromAnswer(100, Language::Chinese), Language::English);
    EXPECT_EQ(LanguageFromAnswer(101, Language::English), Language::Chinese);
    EXPECT_EQ(LanguageFromAnswer(102, Language::English), Language::English);
    EXPECT_EQ(LanguageFromAnswer(2, Language::Chinese), Language::Chinese); // IDCANCEL
    EXPECT_EQ(LanguageFromAnswer(99, Language::English), Language::English);
}

TEST(FirstRun, EnglishWithYesShowsTheTutorialAfterTheSettingsAreWritten) {
    Settings settings;
    settings.language = Language::Chinese; // whatever was there, the answer decides
    RecordingHost host(settings);
    host.answers = {TaskButtonResult(0), TaskButtonResult(0)};

    ASSERT_TRUE(RunFirstRunPrompt(settings, kFolder, host));

    EXPECT_EQ(settings.language, Language::English);
    ASSERT_GE(host.steps.size(), 3u);
    EXPECT_EQ(host.steps.back(), u"tutorial");
    EXPECT_EQ(host.steps[host.steps.size() - 3], u"save");
    EXPECT_EQ(host.asked.at(0).content, u"请选择语言。"); // asked in the language it had
    EXPECT_EQ(host.asked.at(1).content, u"Would you like to see a brief tutorial?");
    EXPECT_EQ(
        host.steps.at(4),
        u"balloon:I'm down here!|Right-click the icon and click \"configure\" to get started.");
}

TEST(FirstRun, AMissingOrBrokenStarterSetKeepsTheCurrentSet) {
    for (const bool exists : {false, true}) {
        Settings settings;
        settings.motions = u"C:\\sets\\mine.mtd";
        RecordingHost host(settings);
        host.starterExists = exists;
        host.starterLoads = false;
        host.answers = {TaskButtonResult(0), TaskButtonResult(1)};

        ASSERT_TRUE(RunFirstRunPrompt(settings, kFolder, host));

        EXPECT_EQ(settings.motions, u"C:\\sets\\mine.mtd") << exists;
        EXPECT_EQ(std::count(host.steps.begin(), host.steps.end(), u"load:" + kStarter),
                  exists ? 1 : 0);
        EXPECT_EQ(std::count(host.steps.begin(), host.steps.end(), u"save"), 1);
        EXPECT_FALSE(settings.tutorialPrompt);
    }
}

TEST(FirstRun, NothingHappensOnceTheWelcomeIsDone) {
    Settings settings;
    settings.tutorialPrompt = false;
    const Settings before = settings;
    RecordingHost host(settings);

    EXPECT_FALSE(RunFirstRunPrompt(settings, kFolder, host));

    EXPECT_TRUE(host.steps.empty());
    EXPECT_EQ(settings, before);
}

} // namespace
} // namespace traxo
