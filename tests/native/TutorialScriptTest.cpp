#include "ui/tutorial/TutorialScript.h"

#include <gtest/gtest.h>

namespace traxo {
namespace {

using Lines = std::vector<std::u16string>;

TEST(TutorialComments, RemovesEveryCommentLineButNeverLooksAtTheLast) {
    const Lines script{u"// a",     u"// b", u"#1",     u"  // indented", u"text // not a comment",
                       u"/ single", u"#end", u"// last"};
    EXPECT_EQ(WithoutComments(script),
              (Lines{u"#1", u"text // not a comment", u"/ single", u"#end", u"// last"}));
    EXPECT_TRUE(WithoutComments({}).empty());
}

TEST(TutorialScripts, SayWhereTheSpecialActionsAreAndHowToKeepGestures) {
    const auto joined = [](Language language) {
        std::u16string text;
        for (const std::u16string& line : TutorialScript(language)) {
            text += line;
        }
        return text;
    };
    const std::u16string english = joined(Language::English);
    EXPECT_NE(english.find(u"At the top of the list are options"), std::u16string::npos);
    EXPECT_EQ(english.find(u"bottom of the list"), std::u16string::npos);
    EXPECT_NE(english.find(u"store them as a set"), std::u16string::npos);
    const std::u16string chinese = joined(Language::Chinese);
    EXPECT_NE(chinese.find(u"在菜单的顶部可以选择运行程序"), std::u16string::npos);
    EXPECT_EQ(chinese.find(u"底部"), std::u16string::npos);
}

TEST(TutorialScripts, BothScriptsRunFromStageOneToTheirLastWithFinishOnlyThere) {
    struct Case {
        Language language;
        int lastStage;
    };
    for (const Case c : {Case{Language::English, 12}, Case{Language::Chinese, 11}}) {
        const Lines script = WithoutComments(TutorialScript(c.language));
        for (int stage = 1; stage <= c.lastStage; ++stage) {
            const StagePlan plan = PlanStage(script, stage, StageSource::NextButton, u"M");
            SCOPED_TRACE(testing::Message()
                         << "language " << LanguageNumber(c.language) << " stage " << stage);
            EXPECT_FALSE(plan.close);
            EXPECT_EQ(plan.backVisible, stage > 1);
            EXPECT_EQ(plan.finishVisible, stage == c.lastStage);
            EXPECT_FALSE(plan.memo.empty());
            // Every control a stage points at exists, on the main window or the assign dialog.
            if (plan.pointAt && *plan.pointAt != u"lstActions") {
                EXPECT_TRUE(MainControlNamed(*plan.pointAt).has_value());
            }
        }
        EXPECT_TRUE(PlanStage(script, c.lastStage + 1, StageSource::NextButton, u"M").close);
        EXPECT_TRUE(PlanStage(script, 0, StageSource::NextButton, u"M").close);
    }
}

TEST(TutorialScripts, StagesThatWaitNameTheirEventPromptAndControl) {
    struct Case {
        Language language;
        int stage;
        std::u16string_view event;
        std::u16string_view prompt;
        std::optional<std::u16string_view> pointAt;
    };
    const Case cases[] = {
        {Language::English, 6, u"image1/mouseup", u"...try drawing a gesture first.", u"image1"},
        {Language::English, 7, u"btnCreate/click", u"...click the \"Create gesture\" button.",
         u"btnCreate"},
        {Language::English, 8, u"btnAssign/click",
         u"...click the button that appeared next to the gesture in the list", u"btnAssign"},
        {Language::English, 9, u"btnOK_/click", u"...choose an action for this gesture",
         u"lstActions"},
        {Language::English, 10, u"screenGesture", u"... draw a gesture somewhere on the screen.",
         std::nullopt},
        {Language::Chinese, 8, u"comboActions/select", u"为该手势选择一个动作。", u"comboActions"},
        {Language::Chinese, 9, u"screenGesture", u"在屏幕上画出手势。", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "language " << LanguageNumber(c.language) << " stage " << c.stage);
        const Lines script = WithoutComments(TutorialScript(c.language));
        const StagePlan plan = PlanStage(script, c.stage, StageSource::NextButton, u"M");
        EXPECT_EQ(plan.waitingFor, c.event);
        EXPECT_EQ(plan.prompt, c.prompt);
        EXPECT_EQ(plan.pointAt,
                  c.pointAt ? std::optional<std::u16string>(*c.pointAt) : std::nullopt);
        // Reached by Back, the stage lets the user go on freely.
        const StagePlan back = PlanStage(script, c.stage, StageSource::BackButton, u"M");
        EXPECT_TRUE(back.waitingFor.empty());
        EXPECT_TRUE(back.prompt.empty());
        EXPECT_EQ(back.memo, plan.memo);
    }
}

TEST(TutorialStage, TextLinesJoinWithSpacesAndBreaksBecomeLineFeedCarriageReturn) {
    const StagePlan plan =
        PlanStage(WithoutComments(TutorialScript(Language::English)), 1, StageSource::Window, u"M");
    EXPECT_EQ(plan.memo, u"Welcome to Traxo.\n\r\n\r \n\r Traxo gives you faster access to your "
                         u"favourite programs, websites and computer functions through gestures. ");
    EXPECT_EQ(MemoLine(u"a<br>b @method, @method.", u"Hold it"), u"a\n\rb Hold it, Hold it.");
    EXPECT_EQ(MemoLine(u"<br", u"x"), u"<br");
}

TEST(TutorialStage, MethodIsTheTriggerModeTextCapitalisedInEnglish) {
    EXPECT_EQ(MethodText(1, Language::English), u"Hold right button and drag mouse");
    EXPECT_EQ(MethodText(0, Language::English), u"Press Ctrl+Shift and move mouse");
    EXPECT_EQ(MethodText(1, Language::Chinese), u"按住鼠标右键并拖动");
    EXPECT_EQ(MethodText(9, Language::English), u"");

    TutorialGuide guide;
    for (int i = 0; i < 9; ++i) {
        guide.Next(TutorialGuide::Sender::FinishButton);
    }
    ASSERT_EQ(guide.Stage(), 10);
    EXPECT_EQ(
        guide.LoadStage(StageSource::NextButton, Language::English, 1).memo,
        u"Your gesture is ready to use. Hold right button and drag mouse. Later, you can click "
        u"the Options button to change this method if you want. ");
    guide.Back();
    EXPECT_NE(guide.LoadStage(StageSource::BackButton, Language::Chinese, 1)
                  .memo.find(u"你的手势可以使用了。按住鼠标右键并拖动。"),
              std::u16string::npos);
}

TEST(TutorialStage, PictureLinesShowOnlyPicturesTheListHoldsAndNarrowTheMemo) {
    struct Case {
        std::u16string_view line;
        std::optional<int> picture;
    };
    const Case cases[] = {
        {u"+0", 0},
        {u"+2", 2},
        {u"+ 1", 1},
        {u"+intro.jpg", std::nullopt},
        {u"+-1", std::nullopt},
        {u"+3", std::nullopt},
        {u"+", std::nullopt},
        {u"+99999999999", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.line.begin(), c.line.end()));
        const StagePlan plan = PlanStage({u"#1", std::u16string(c.line), u"text", u"#end"}, 1,
                                         StageSource::Window, u"M", 3);
        EXPECT_EQ(plan.picture, c.picture);
        EXPECT_EQ(plan.memo, u"text ");
        if (c.picture) {
            EXPECT_EQ(plan.memoLeft, 126);
            EXPECT_EQ(plan.memoWidth, 262);
        } else {
            EXPECT_EQ(plan.memoLeft, 16);
            EXPECT_EQ(plan.memoWidth, 372);
        }
    }
}

TEST(TutorialStage, WaitWithoutCommaAwaitsTheWholeNameAndLaterLinesWin) {
    const StagePlan plan = PlanStage({u"#1", u"~event", u"@first", u"@ second ", u"#end"}, 1,
                                     StageSource::Window, u"M");
    EXPECT_EQ(plan.waitingFor, u"event");
    EXPECT_EQ(plan.prompt, u"");
    EXPECT_EQ(plan.pointAt, u"second");
    EXPECT_TRUE(plan.finishVisible); // "#end" is no stage
    EXPECT_EQ(plan.memo, u"");
}

TEST(TutorialPlacement, BesideTheControlWhereItFitsElseAboveWithTheJaggedCornerAtIt) {
    const Size window{402, 213};
    const Size screen{1280, 1024};
    const Rect main{100, 100, 900, 700};
    struct Case {
        Point centre;
        TutorialPlacement expected;
    };
    const Case cases[] = {
        {{500, 400}, {{500, 400}, fsJaggedNW}},
        {{878, 811}, {{878, 811}, fsJaggedNW}},  // exactly fits
        {{879, 400}, {{477, 187}, fsJaggedSE}},  // right edge
        {{500, 812}, {{98, 599}, fsJaggedSE}},   // bottom edge
        {{300, 1000}, {{300, 787}, fsJaggedSW}}, // bottom and near the left
        {{402, 1000}, {{0, 787}, fsJaggedSE}},   // the left edge just stays on the screen
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.centre.x << "," << c.centre.y);
        EXPECT_EQ(PlaceTutorial(c.centre, main, window, screen), c.expected);
    }
    EXPECT_EQ(PlaceTutorial(std::nullopt, main, window, screen),
              (TutorialPlacement{{299, 293}, fsRectangle}));
}

TEST(TutorialPointer, MainControlsAreFoundWithoutRegardToCase) {
    EXPECT_EQ(MainControlNamed(u"listbox1"), MainControl::ListBox1);
    EXPECT_EQ(MainControlNamed(u"IMAGE1"), MainControl::image1);
    EXPECT_EQ(MainControlNamed(u"btnActive"), MainControl::btnActive);
    EXPECT_EQ(MainControlNamed(u"btnCreate"), MainControl::btnCreate);
    EXPECT_EQ(MainControlNamed(u"btnassign"), MainControl::btnAssign);
    EXPECT_EQ(MainControlNamed(u"comboActions"), MainControl::btnAssign);
    EXPECT_EQ(MainControlNamed(u"lstActions"), std::nullopt);
    EXPECT_EQ(MainControlNamed(u""), std::nullopt);
}

TEST(TutorialGuide, NextWaitsForTheEventWhileReportersAndBackMoveOn) {
    TutorialGuide guide;
    guide.Start();
    EXPECT_EQ(guide.LoadStage(StageSource::Window, Language::English, 1).backVisible, false);
    for (int stage = 1; stage < 6; ++stage) {
        EXPECT_EQ(guide.Next(TutorialGuide::Sender::NextButton), std::nullopt);
        guide.LoadStage(StageSource::NextButton, Language::English, 1);
    }
    ASSERT_EQ(guide.Stage(), 6);
    EXPECT_TRUE(guide.Awaits(u"image1/mouseup"));
    EXPECT_FALSE(guide.Awaits(u"Image1/mouseup"));
    EXPECT_FALSE(guide.Awaits(u"btnCreate/click"));

    // Next before drawing: the prompt, and the stage stays.
    EXPECT_EQ(guide.Next(TutorialGuide::Sender::NextButton), u"...try drawing a gesture first.");
    EXPECT_EQ(guide.Stage(), 6);
    // Releasing the mouse on the pad moves on at once.
    EXPECT_EQ(guide.Next(TutorialGuide::Sender::Reporter), std::nullopt);
    guide.LoadStage(StageSource::NextButton, Language::English, 1);
    EXPECT_EQ(guide.Stage(), 7);
    EXPECT_EQ(guide.WaitingFor(), u"btnCreate/click");

    // Back to 6: no wait there, so Next goes to 7 without drawing.
    guide.Back();
    guide.LoadStage(StageSource::BackButton, Language::English, 1);
    EXPECT_EQ(guide.Stage(), 6);
    EXPECT_TRUE(guide.WaitingFor().empty());
    EXPECT_FALSE(guide.Awaits(u""));
    EXPECT_EQ(guide.Next(TutorialGuide::Sender::NextButton), std::nullopt);
    EXPECT_EQ(guide.Stage(), 7);
    guide.LoadStage(StageSource::NextButton, Language::English, 1);

    // Cancel clears the wait but keeps the stage, so showing again resumes it.
    guide.Close();
    EXPECT_TRUE(guide.WaitingFor().empty());
    EXPECT_TRUE(guide.PendingPrompt().empty());
    EXPECT_EQ(guide.Stage(), 7);
    guide.Start();
    EXPECT_EQ(guide.Stage(), 1);
    guide.Back();
    EXPECT_EQ(guide.Stage(), 1);
}

TEST(TutorialGuide, FinishOnTheLastStageMovesPastTheEndWhichCloses) {
    TutorialGuide guide;
    guide.Start();
    for (int i = 1; i < 11; ++i) {
        guide.Next(TutorialGuide::Sender::Reporter);
    }
    const StagePlan last = guide.LoadStage(StageSource::NextButton, Language::Chinese, 1);
    ASSERT_EQ(guide.Stage(), 11);
    EXPECT_TRUE(last.finishVisible);
    EXPECT_FALSE(last.close);
    EXPECT_EQ(guide.Next(TutorialGuide::Sender::FinishButton), std::nullopt);
    EXPECT_TRUE(guide.LoadStage(StageSource::NextButton, Language::Chinese, 1).close);
    // The English script has one stage more.
    guide.Back();
    EXPECT_FALSE(guide.LoadStage(StageSource::BackButton, Language::English, 1).finishVisible);
}

} // namespace
} // namespace traxo
