// The poll and the gesture capture against a scripted desktop: arming, triggers, foreground
// tracking, the idle timeout, thinning and filling in, the end of a gesture and the trail.
#include "capture/GesturePoller.h"

#include "actions/ActionLists.h"
#include "native/FakeDesktop.h"
#include "platform/PathCase.h"
#include "recognition/MotionGeometry.h"

#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace traxo {
namespace {

using ::testing::ElementsAre;
using testing::FakeDesktop;
using testing::FakeHook;
using testing::FakeOwner;
using testing::RecordingScreen;
using Op = RecordingScreen::Op;
using MI = MouseInjection;

constexpr Colour kTail = Rgb(0, 0, 255);
constexpr Colour kRed = Rgb(255, 0, 0);

// Everything the poller talks to, with a hand that presses the gesture button of the mode.
struct Rig {
    Settings settings;
    FakeDesktop desktop;
    FakeHook hook;
    RecordingScreen screen;
    FakeOwner owner;
    GesturePoller poller{settings, desktop, hook, screen, owner, u"C:\\Tools\\Traxo.exe"};

    void Poll(int times = 1) {
        for (int i = 0; i < times; ++i) {
            poller.Timer1Timer();
        }
    }
    void MoveTo(Point to) {
        desktop.cursor = to;
        Poll();
    }
    void Press() { SetButton(true); }
    void Release() { SetButton(false); }
    // Arms the hook with the cursor at start, presses, moves through the points, releases.
    void Gesture(Point start, const std::vector<Point>& through) {
        desktop.cursor = start;
        Poll();
        Press();
        for (const Point& point : through) {
            MoveTo(point);
        }
        Release();
    }

private:
    // The hook tells only of what it withheld: with the hook off the program has the event.
    void Notify(std::uintptr_t message) {
        if (poller.HookInstalled()) {
            poller.HookNotify(message);
            return;
        }
        switch (message) {
        case 0x204:
            desktop.programSees.push_back(MI::RightDown);
            break;
        case 0x205:
            desktop.programSees.push_back(MI::RightUp);
            break;
        case 0x207:
            desktop.programSees.push_back(MI::MiddleDown);
            break;
        default:
            desktop.programSees.push_back(MI::MiddleUp);
        }
    }
    void SetButton(bool down) {
        switch (settings.invoke) {
        case 1:
        case 2:
            desktop.keys.rightButton = down;
            Notify(down ? 0x204 : 0x205);
            break;
        case 3:
        case 4:
            desktop.keys.middleButton = down;
            Notify(down ? 0x207 : 0x208);
            break;
        default: // mode 0 has no button: Ctrl+Shift, seen by the next poll
            desktop.keys.ctrl = desktop.keys.shift = down;
            Poll();
        }
    }
};

std::vector<Point> PointsOf(const MotionPath& path) {
    std::vector<Point> points;
    for (int i = 0; i < path.count; ++i) {
        points.push_back(PointAt(path, i));
    }
    return points;
}

// Steps of 20 pixels to the right: each is recorded once, none is filled in.
std::vector<Point> StepsRight(Point from, int steps) {
    std::vector<Point> points;
    for (int i = 1; i <= steps; ++i) {
        points.push_back({from.x + 20 * i, from.y});
    }
    return points;
}

// --- The pure rules -------------------------------------------------------------------------

TEST(TriggerHeld, FollowsTheTableOfEachMode) {
    const KeyStates right{.rightButton = true};
    const KeyStates middle{.middleButton = true};
    const KeyStates rightShift{.shift = true, .rightButton = true};
    const KeyStates rightAlt{.alt = true, .rightButton = true};
    const KeyStates rightCtrl{.ctrl = true, .rightButton = true};
    const KeyStates middleCtrl{.ctrl = true, .middleButton = true};
    const KeyStates all{true, true, true, true, true};

    EXPECT_TRUE(TriggerHeld(0, false, {.ctrl = true, .shift = true}));
    EXPECT_FALSE(TriggerHeld(0, false, {.ctrl = true}));
    EXPECT_FALSE(TriggerHeld(0, false, right));

    EXPECT_TRUE(TriggerHeld(1, false, right));
    EXPECT_TRUE(TriggerHeld(1, false, rightShift)); // modifiers only count in mouseExMode
    EXPECT_FALSE(TriggerHeld(1, true, rightShift));
    EXPECT_FALSE(TriggerHeld(1, true, rightAlt));
    EXPECT_FALSE(TriggerHeld(1, true, rightCtrl));
    EXPECT_FALSE(TriggerHeld(1, false, middle));

    EXPECT_TRUE(TriggerHeld(2, false, rightCtrl));
    EXPECT_FALSE(TriggerHeld(2, false, right));
    EXPECT_FALSE(TriggerHeld(2, false, {.ctrl = true}));

    EXPECT_TRUE(TriggerHeld(3, false, middle));
    EXPECT_FALSE(TriggerHeld(3, true, {.alt = true, .middleButton = true}));
    EXPECT_FALSE(TriggerHeld(3, false, right));

    EXPECT_TRUE(TriggerHeld(4, false, middleCtrl));
    EXPECT_FALSE(TriggerHeld(4, false, middle));

    EXPECT_FALSE(TriggerHeld(5, false, all));
    EXPECT_FALSE(TriggerHeld(-1, false, all));
}

TEST(DecideHookChange, ArmsAndDisarmsInTheOrderOfTheRules) {
    const KeyStates none{};
    const KeyStates shift{.shift = true};
    const KeyStates ctrl{.ctrl = true};

    EXPECT_EQ(DecideHookChange(1, false, false, none), HookChange::Arm);
    EXPECT_EQ(DecideHookChange(1, false, false, shift), HookChange::Arm);
    EXPECT_EQ(DecideHookChange(1, true, false, shift), HookChange::None);
    EXPECT_EQ(DecideHookChange(3, true, false, {.alt = true}), HookChange::None);
    EXPECT_EQ(DecideHookChange(3, true, false, none), HookChange::Arm);
    EXPECT_EQ(DecideHookChange(2, false, false, ctrl), HookChange::Arm);
    EXPECT_EQ(DecideHookChange(2, false, false, {.rightButton = true}), HookChange::None);
    EXPECT_EQ(DecideHookChange(4, false, false, ctrl), HookChange::Arm);
    EXPECT_EQ(DecideHookChange(0, false, false, {.ctrl = true, .shift = true}), HookChange::None);
    EXPECT_EQ(DecideHookChange(7, false, false, none), HookChange::None);

    EXPECT_EQ(DecideHookChange(2, false, true, none), HookChange::Disarm);
    EXPECT_EQ(DecideHookChange(2, false, true, {.rightButton = true}), HookChange::None);
    EXPECT_EQ(DecideHookChange(2, false, true, ctrl), HookChange::None);
    EXPECT_EQ(DecideHookChange(4, false, true, none), HookChange::Disarm);
    EXPECT_EQ(DecideHookChange(4, false, true, {.middleButton = true}), HookChange::None);
    EXPECT_EQ(DecideHookChange(4, false, true, {.rightButton = true}), HookChange::Disarm);
    EXPECT_EQ(DecideHookChange(1, true, true, ctrl), HookChange::Disarm);
    EXPECT_EQ(DecideHookChange(1, false, true, ctrl), HookChange::None);
    EXPECT_EQ(DecideHookChange(3, true, true, shift), HookChange::Disarm);
    EXPECT_EQ(DecideHookChange(1, false, true, none), HookChange::None);
    EXPECT_EQ(DecideHookChange(0, false, true, none), HookChange::None);
}

TEST(StepPoints, IgnoresStepsOfAtMostNinePixelsAfterRounding) {
    EXPECT_TRUE(StepPoints({5, 5}, {5, 5}, false).empty());
    EXPECT_TRUE(StepPoints({0, 0}, {9, 0}, false).empty());
    EXPECT_TRUE(StepPoints({0, 0}, {6, 7}, false).empty());                   // 9.22
    EXPECT_THAT(StepPoints({0, 0}, {7, 7}, false), ElementsAre(Point{7, 7})); // 9.90 rounds up
    EXPECT_THAT(StepPoints({0, 0}, {30, 0}, false), ElementsAre(Point{30, 0}));
}

TEST(StepPoints, FillsInJumpsOverThirtyPixelsAndStoresTheEndTwice) {
    EXPECT_THAT(StepPoints({110, 100}, {205, 100}, false),
                ElementsAre(Point{142, 100}, Point{173, 100}, Point{205, 100}, Point{205, 100}));
    EXPECT_THAT(StepPoints({0, 0}, {31, 0}, false), ElementsAre(Point{31, 0}, Point{31, 0}));
    // Halfway points round to even, on both sides of zero.
    EXPECT_THAT(StepPoints({0, 0}, {61, -61}, false),
                ElementsAre(Point{30, -30}, Point{61, -61}, Point{61, -61}));
    EXPECT_THAT(StepPoints({1, 0}, {62, 0}, false).front(), (Point{32, 0}));
    // After an interrupted stroke nothing is filled in.
    EXPECT_THAT(StepPoints({110, 100}, {205, 100}, true), ElementsAre(Point{205, 100}));
}

TEST(PointOnAnyMonitor, ShrinksEveryMonitorByTenPixels) {
    const std::vector<Rect> monitors{{0, 0, 1920, 1080}, {-1280, -200, 0, 824}};
    EXPECT_TRUE(PointOnAnyMonitor({10, 10}, monitors));
    EXPECT_FALSE(PointOnAnyMonitor({9, 500}, monitors));
    EXPECT_FALSE(PointOnAnyMonitor({500, 9}, monitors));
    EXPECT_TRUE(PointOnAnyMonitor({1909, 1069}, monitors));
    EXPECT_FALSE(PointOnAnyMonitor({1910, 500}, monitors));
    EXPECT_FALSE(PointOnAnyMonitor({500, 1070}, monitors));
    EXPECT_TRUE(PointOnAnyMonitor({-1270, -190}, monitors)); // on the second monitor
    EXPECT_TRUE(PointOnAnyMonitor({-11, 500}, monitors));
    EXPECT_FALSE(PointOnAnyMonitor({-10, 500}, monitors));
    EXPECT_FALSE(PointOnAnyMonitor({-999, -999}, monitors));
    EXPECT_FALSE(PointOnAnyMonitor({100, 100}, {}));
}

TEST(GestureButtonEvents, GivesTheButtonOfTheMode) {
    const auto check = [](std::int32_t mode, bool swapped, MI down, MI up) {
        const auto events = GestureButtonEvents(mode, swapped);
        ASSERT_TRUE(events.has_value()) << mode;
        EXPECT_EQ(events->down, down);
        EXPECT_EQ(events->up, up);
    };
    check(1, false, MI::RightDown, MI::RightUp);
    check(2, true, MI::LeftDown, MI::LeftUp);
    check(3, false, MI::MiddleDown, MI::MiddleUp);
    check(4, true, MI::MiddleDown, MI::MiddleUp);
    EXPECT_FALSE(GestureButtonEvents(0, false).has_value());
    EXPECT_FALSE(GestureButtonEvents(6, false).has_value());
}

// --- Arming the hook ------------------------------------------------------------------------

TEST(EnableHook, InstallsOnceChoosesTheButtonAfterwardsAndClearsTheButtons) {
    for (const std::int32_t mode : {0, 1, 2, 3, 4}) {
        auto rig = std::make_unique<Rig>();
        rig->settings.invoke = mode;
        rig->poller.EnableHook(true);
        rig->poller.EnableHook(true);
        const char* trap = mode == 1 || mode == 2 ? "TrapRight" : "TrapMiddle";
        EXPECT_THAT(rig->hook.calls, ElementsAre("HookMouse", trap)) << mode;
        rig->poller.EnableHook(false);
        rig->poller.EnableHook(false);
        EXPECT_EQ(rig->hook.Count("UnHookMouse"), 1);
        EXPECT_FALSE(rig->poller.HookInstalled());
    }
    Rig rig;
    rig.settings.active = false; // notifications then set the flags without polling
    rig.poller.HookNotify(0x204);
    rig.poller.HookNotify(0x207);
    ASSERT_TRUE(rig.poller.RightDown() && rig.poller.MiddleDown());
    rig.poller.EnableHook(false); // nothing to remove, the flags still go
    EXPECT_FALSE(rig.poller.RightDown());
    EXPECT_FALSE(rig.poller.MiddleDown());
}

TEST(Arming, RightButtonModeStaysArmedAndStepsAsideForModifiersInExMode) {
    Rig rig;
    rig.Poll(3);
    EXPECT_TRUE(rig.poller.HookInstalled());
    EXPECT_EQ(rig.hook.Count("HookMouse"), 1);

    rig.settings.mouseExMode = true;
    rig.desktop.keys.shift = true;
    rig.Poll();
    EXPECT_FALSE(rig.poller.HookInstalled());
    rig.desktop.keys.shift = false;
    rig.Poll();
    EXPECT_TRUE(rig.poller.HookInstalled());
    EXPECT_EQ(rig.hook.Count("HookMouse"), 2);
}

TEST(Arming, AnIdlePollReadsOnlyTheKeysItsModeLooksAt) {
    struct Case {
        std::int32_t mode;
        bool exMode;
        bool modifiers, right, middle;
    };
    const Case cases[] = {{0, false, true, false, false}, {1, false, false, true, false},
                          {1, true, true, true, false},   {2, false, true, true, false},
                          {3, false, false, false, true}, {4, false, true, false, true}};
    for (const Case& c : cases) {
        Rig rig;
        rig.settings.invoke = c.mode;
        rig.settings.mouseExMode = c.exMode;
        rig.Poll();
        ASSERT_FALSE(rig.desktop.reads.empty());
        for (const KeysToRead& read : rig.desktop.reads) {
            EXPECT_EQ(read.modifiers, c.modifiers) << "mode " << c.mode;
            EXPECT_EQ(read.rightButton, c.right) << "mode " << c.mode;
            EXPECT_EQ(read.middleButton, c.middle) << "mode " << c.mode;
        }
    }
}

TEST(Arming, CtrlModeArmsOnlyWhileCtrlOrTheButtonIsHeld) {
    Rig rig;
    rig.settings.invoke = 2;
    rig.desktop.keys.rightButton = true; // a plain right press reaches the program untouched
    rig.Poll(2);
    EXPECT_FALSE(rig.poller.HookInstalled());
    EXPECT_FALSE(rig.poller.Capturing());

    rig.desktop.keys = {.ctrl = true};
    rig.Poll();
    EXPECT_THAT(rig.hook.calls, ElementsAre("HookMouse", "TrapRight"));
    rig.desktop.keys.ctrl = false;
    rig.Poll();
    EXPECT_FALSE(rig.poller.HookInstalled());
}

TEST(Arming, CtrlShiftModeNeverArmsYetFollowsTheCursor) {
    Rig rig;
    rig.settings.invoke = 0;
    rig.Gesture({100, 100}, StepsRight({100, 100}, 4));
    EXPECT_EQ(rig.hook.Count("HookMouse"), 0);
    ASSERT_EQ(rig.owner.recognitions.size(), 1u);
    EXPECT_TRUE(rig.desktop.injected.empty());
}

TEST(Arming, ThePollThatArmsSeesNoButtonHeld) {
    Rig rig;
    rig.desktop.keys.rightButton = true;
    rig.Poll();
    EXPECT_TRUE(rig.poller.HookInstalled());
    EXPECT_FALSE(rig.poller.RightDown());
    EXPECT_FALSE(rig.poller.Capturing());
    rig.Poll();
    EXPECT_TRUE(rig.poller.Capturing());
}

TEST(Arming, AModeOutsideTheTableNeitherArmsNorTriggers) {
    Rig rig;
    rig.settings.invoke = 5;
    rig.desktop.keys = {true, true, true, true, true};
    rig.Poll(3);
    EXPECT_TRUE(rig.hook.calls.empty());
    EXPECT_FALSE(rig.poller.Capturing());
}

TEST(Arming, InactiveOrExcludedProgramsGetNoGesture) {
    Rig rig;
    rig.settings.excludedPrograms = {u"c:\\apps\\game.exe"};
    rig.Poll();
    ASSERT_TRUE(rig.poller.HookInstalled());
    rig.desktop.foregroundPath = u"C:\\Apps\\GAME.exe";
    rig.Poll();
    EXPECT_FALSE(rig.poller.HookInstalled());
    rig.Press();
    EXPECT_FALSE(rig.poller.Capturing());

    rig.Release();
    rig.desktop.foregroundPath = u"C:\\Apps\\Editor.exe";
    rig.settings.active = false;
    rig.Press();
    EXPECT_FALSE(rig.poller.HookInstalled());
    rig.Poll();
    EXPECT_FALSE(rig.poller.Capturing());
}

// The foreground program and the exclusions compare as the system folds letter case, beyond
// ASCII too, whatever case either was written in.
TEST(Arming, ExclusionsMatchWhateverTheCaseOfEitherPath) {
    struct Case {
        std::u16string_view entry;
        std::u16string_view foreground;
    };
    for (const Case& c :
         {Case{u"c:\\programme\\\u00FCbung\\app.exe", u"C:\\Programme\\\u00DCbung\\App.exe"},
          Case{u"C:\\APPS\\GAME.EXE", u"c:\\apps\\game.exe"},
          Case{u" D:\\\u0418\u0433\u0440\u044B\\\u03A0.exe",
               u"d:\\\u0438\u0433\u0440\u044B\\\u03C0.EXE"}}) {
        Rig rig;
        rig.settings.excludedPrograms = {std::u16string(c.entry)};
        rig.desktop.foregroundPath = c.foreground;
        rig.Poll();
        EXPECT_FALSE(rig.poller.HookInstalled()) << rig.poller.CurrentProgram().size();
        EXPECT_EQ(rig.poller.CurrentProgram(), LowerCasePath(c.foreground));
        EXPECT_EQ(rig.poller.RecentPrograms(), std::vector{LowerCasePath(c.foreground)});
    }
}

// --- Notifications --------------------------------------------------------------------------

TEST(HookNotify, ActsOnTrappedButtonsAtOnceAndIgnoresMovement) {
    Rig rig;
    rig.desktop.cursor = {100, 100};
    rig.Poll();
    rig.Press();
    EXPECT_TRUE(rig.poller.Capturing()); // no timer tick needed
    rig.desktop.cursor = {300, 100};
    rig.poller.HookNotify(0x200);
    EXPECT_EQ(rig.poller.CapturedPath().count, 2);
    rig.Release();
    EXPECT_FALSE(rig.poller.Capturing());

    rig.settings.invoke = 3;
    rig.poller.EnableHook(false);
    rig.Poll(kReplayRearmHoldOffPolls + 1); // past the hold-off after the click given back
    rig.desktop.keys.middleButton = true;
    rig.poller.HookNotify(0x207);
    EXPECT_TRUE(rig.poller.MiddleDown());
    EXPECT_TRUE(rig.poller.Capturing());
}

// --- Foreground tracking --------------------------------------------------------------------

TEST(ForegroundTracking, KeepsTheNineMostRecentlyFirstSeenPrograms) {
    Rig rig;
    const auto program = [](int i) {
        return u"c:\\apps\\p" + std::u16string(1, u'a' + i) + u".exe";
    };
    for (int i = 0; i < 11; ++i) {
        rig.desktop.foregroundPath = program(i);
        rig.Poll();
    }
    rig.desktop.foregroundPath = program(5);
    rig.Poll();
    EXPECT_EQ(rig.poller.CurrentProgram(), program(5));
    std::vector<std::u16string> expected;
    for (int i = 10; i >= 2; --i) {
        expected.push_back(program(i));
    }
    EXPECT_EQ(rig.poller.RecentPrograms(), expected);
    EXPECT_EQ(rig.owner.recentChanges, 12);

    rig.desktop.foregroundPath = program(0); // dropped before, so new again
    rig.Poll();
    EXPECT_EQ(rig.poller.RecentPrograms().front(), program(0));
    EXPECT_EQ(rig.poller.RecentPrograms().size(), 9u);
}

TEST(ForegroundTracking, LowerCasesTrimsAndNeverListsTheProgramItself) {
    Rig rig;
    rig.desktop.foregroundPath = u"  C:\\Apps\\Editor.EXE \t";
    rig.Poll(2);
    EXPECT_EQ(rig.poller.CurrentProgram(), u"c:\\apps\\editor.exe");
    EXPECT_EQ(rig.owner.recentChanges, 1);

    rig.desktop.foregroundPath = u"c:\\TOOLS\\traxo.exe";
    rig.Poll();
    EXPECT_EQ(rig.poller.CurrentProgram(), u"c:\\tools\\traxo.exe");
    rig.desktop.foregroundPath = u""; // unreadable
    rig.Poll();
    EXPECT_EQ(rig.poller.CurrentProgram(), u"");
    EXPECT_THAT(rig.poller.RecentPrograms(), ElementsAre(u"c:\\apps\\editor.exe"));
    EXPECT_EQ(rig.owner.recentChanges, 1);
}

TEST(ForegroundTracking, StandsStillWhileCapturingOrWhenSwitchedOff) {
    Rig rig;
    rig.desktop.cursor = {100, 100};
    rig.Poll();
    rig.Press();
    rig.desktop.foregroundPath = u"c:\\apps\\other.exe";
    rig.MoveTo({150, 100});
    EXPECT_EQ(rig.poller.CurrentProgram(), u"c:\\apps\\editor.exe");
    rig.Release();
    rig.Poll();
    EXPECT_EQ(rig.poller.CurrentProgram(), u"c:\\apps\\other.exe");

    rig.settings.recentList = false;
    rig.desktop.foregroundPath = u"c:\\apps\\third.exe";
    rig.Poll();
    EXPECT_EQ(rig.poller.CurrentProgram(), u"c:\\apps\\other.exe");
    EXPECT_EQ(rig.poller.RecentPrograms().size(), 2u);
}

// --- Idle timeout ---------------------------------------------------------------------------

TEST(IdleTimeout, HandsAPressHeldStillBackAndWaitsForItsRelease) {
    Rig rig;
    rig.settings.idleTimeout = 10;
    rig.desktop.cursor = {300, 300};
    rig.Poll();
    rig.Press();
    for (int i = 0; i < 10; ++i) {
        rig.MoveTo({300 + i % 2, 300 + i % 2}); // jitter under 3 pixels
    }
    EXPECT_EQ(rig.poller.IdleCount(), 10);
    EXPECT_TRUE(rig.poller.Capturing());
    rig.Poll();
    EXPECT_FALSE(rig.poller.Capturing());
    EXPECT_TRUE(rig.poller.SuppressUntilRelease());
    EXPECT_FALSE(rig.poller.HookInstalled());
    EXPECT_THAT(rig.desktop.injected, ElementsAre(MI::RightDown));
    EXPECT_EQ(rig.desktop.intervals.back(), 100);
    EXPECT_EQ(rig.owner.padIdles, 1);

    // The hook stays off while the button is down, so that its release reaches the program.
    rig.Poll(3);
    EXPECT_FALSE(rig.poller.HookInstalled());
    EXPECT_FALSE(rig.poller.Capturing());
    rig.Release();
    EXPECT_THAT(rig.desktop.programSees, ElementsAre(MI::RightDown, MI::RightUp));
    rig.Poll();
    EXPECT_FALSE(rig.poller.SuppressUntilRelease());
    EXPECT_TRUE(rig.poller.HookInstalled());
    rig.Press();
    EXPECT_TRUE(rig.poller.Capturing());
}

TEST(IdleTimeout, AReleaseTheHookStillWithheldIsGivenBackToo) {
    Rig rig;
    rig.settings.idleTimeout = 2;
    rig.Poll();
    rig.Press();
    rig.Poll(3);
    ASSERT_TRUE(rig.poller.SuppressUntilRelease());
    rig.desktop.keys.rightButton = false;
    rig.poller.HookNotify(0x205); // withheld just before the hook came off
    EXPECT_THAT(rig.desktop.programSees, ElementsAre(MI::RightDown, MI::RightUp));
    EXPECT_FALSE(rig.poller.SuppressUntilRelease());
    rig.Poll(kReplayRearmHoldOffPolls);
    EXPECT_FALSE(rig.poller.HookInstalled()); // the injected release is taken first
    rig.Poll();
    EXPECT_TRUE(rig.poller.HookInstalled());
}

// Presses the hook withheld without a gesture, or that passed while the hook was off, reach the
// program whole: one press, then one release, and no gesture runs.
TEST(NoClickIsLost, EveryPressThatStartsNoGestureReachesTheProgramWithItsRelease) {
    struct Case {
        const char* name;
        std::int32_t mode;
        bool exMode;
        std::function<void(Rig&)> script;
        std::vector<MI> programSees;
    };
    const std::vector<Case> cases{
        {"Ctrl let go just before the press",
         2,
         false,
         [](Rig& rig) {
             rig.desktop.keys.ctrl = true;
             rig.Poll();
             rig.desktop.keys.ctrl = false;
             rig.Press();
             rig.Poll();
             rig.Release();
         },
         {MI::RightDown, MI::RightUp}},
        {"Ctrl let go, a quick tap",
         2,
         false,
         [](Rig& rig) {
             rig.desktop.keys.ctrl = true;
             rig.Poll();
             rig.desktop.keys.ctrl = false;
             rig.Press();
             rig.Release();
         },
         {MI::RightDown, MI::RightUp}},
        {"Shift pressed just before the press",
         1,
         true,
         [](Rig& rig) {
             rig.Poll();
             rig.desktop.keys.shift = true;
             rig.Press();
             rig.MoveTo({400, 100});
             rig.Release();
         },
         {MI::RightDown, MI::RightUp}},
        {"a press during the hold-off after a click",
         1,
         false,
         [](Rig& rig) {
             rig.Gesture({100, 100}, {});
             rig.Press();
             for (const Point& point : StepsRight({100, 100}, 6)) {
                 rig.MoveTo(point);
             }
             rig.Release();
         },
         {MI::RightDown, MI::RightUp, MI::RightDown, MI::RightUp}},
        {"the middle button held still",
         3,
         false,
         [](Rig& rig) {
             rig.settings.idleTimeout = 2;
             rig.Poll();
             rig.Press();
             rig.Poll(3);
             rig.Release();
         },
         {MI::MiddleDown, MI::MiddleUp}},
    };
    for (const Case& c : cases) {
        auto rig = std::make_unique<Rig>();
        rig->settings.invoke = c.mode;
        rig->settings.mouseExMode = c.exMode;
        rig->desktop.cursor = {100, 100};
        c.script(*rig);
        rig->Poll(kReplayRearmHoldOffPolls + 1);
        EXPECT_EQ(rig->desktop.programSees, c.programSees) << c.name;
        EXPECT_TRUE(rig->owner.recognitions.empty()) << c.name;
        EXPECT_FALSE(rig->poller.Capturing()) << c.name;
        EXPECT_FALSE(rig->poller.SuppressUntilRelease()) << c.name;
        // Gestures work again afterwards.
        rig->desktop.keys = {.ctrl = c.mode == 2};
        rig->Poll();
        rig->Gesture({100, 100}, StepsRight({100, 100}, 5));
        rig->desktop.keys.ctrl = false; // mode 2 ends its gesture when Ctrl is let go
        rig->Poll();
        EXPECT_EQ(rig->owner.recognitions.size(), 1u) << c.name;
    }
}

TEST(IdleTimeout, MovementRestartsTheCountAndDrawnGesturesAreKept) {
    Rig rig;
    rig.settings.idleTimeout = 10;
    rig.desktop.cursor = {300, 300};
    rig.Poll();
    rig.Press();
    rig.Poll(8);
    rig.MoveTo({303, 300});
    EXPECT_EQ(rig.poller.IdleCount(), 0);
    rig.MoveTo({320, 300}); // a recorded point: no longer a mere press
    rig.Poll(20);
    EXPECT_TRUE(rig.poller.Capturing());
    EXPECT_TRUE(rig.desktop.injected.empty());
}

TEST(IdleTimeout, InjectsThePressOfTheMode) {
    struct Case {
        std::int32_t mode;
        bool swapped;
        std::vector<MI> injected;
    };
    for (const Case& c : {Case{1, true, {MI::LeftDown}}, Case{3, false, {MI::MiddleDown}},
                          Case{4, false, {MI::MiddleDown}}, Case{0, false, {}}}) {
        auto rig = std::make_unique<Rig>();
        rig->settings.invoke = c.mode;
        rig->settings.idleTimeout = 2;
        rig->desktop.swapped = c.swapped;
        rig->desktop.keys.ctrl = c.mode == 4;
        rig->Poll();
        rig->Press();
        rig->Poll(3);
        EXPECT_FALSE(rig->poller.Capturing()) << c.mode;
        EXPECT_TRUE(rig->poller.SuppressUntilRelease()) << c.mode;
        EXPECT_EQ(rig->desktop.injected, c.injected) << c.mode;
    }
}

TEST(IdleTimeout, CtrlShiftModeWaitsForTheKeysToBeLetGo) {
    Rig rig;
    rig.settings.invoke = 0;
    rig.settings.idleTimeout = 2;
    rig.Poll();
    rig.Press();
    rig.Poll(3);
    ASSERT_TRUE(rig.poller.SuppressUntilRelease());
    rig.Poll(5); // still held: no new gesture
    EXPECT_FALSE(rig.poller.Capturing());
    // No hook reports the keys' release in this mode; the poll sees it and gestures come back.
    rig.Release();
    EXPECT_FALSE(rig.poller.SuppressUntilRelease());
    rig.Press();
    EXPECT_TRUE(rig.poller.Capturing());
}

// --- Clicks, quick and given back ----------------------------------------------------------

TEST(ClickReplay, AQuickTapIsGivenBackEvenWhenTheButtonIsUpBeforeThePoll) {
    Rig rig;
    rig.desktop.cursor = {100, 100};
    rig.Poll();
    // Pressed and released before the press's poll reads the button.
    rig.poller.HookNotify(0x204);
    rig.poller.HookNotify(0x205);
    EXPECT_EQ(rig.desktop.injected, (std::vector<MI>{MI::RightDown, MI::RightUp}));
    EXPECT_FALSE(rig.poller.Capturing());
}

TEST(ClickReplay, TheHookStaysOffUntilTheProgramHadTimeForTheWholeClick) {
    Rig rig;
    rig.Gesture({100, 100}, {});
    ASSERT_EQ(rig.desktop.injected.size(), 2u);
    ASSERT_FALSE(rig.poller.HookInstalled());
    rig.Poll(kReplayRearmHoldOffPolls);
    EXPECT_FALSE(rig.poller.HookInstalled());
    rig.Poll();
    EXPECT_TRUE(rig.poller.HookInstalled());
    EXPECT_EQ(rig.hook.Count("HookMouse"), 2);
}

TEST(CtrlShiftMode, TheGestureEndsOnlyWhenBothKeysAreUp) {
    Rig rig;
    rig.settings.invoke = 0;
    rig.desktop.cursor = {100, 100};
    rig.Poll();
    rig.desktop.keys.ctrl = rig.desktop.keys.shift = true;
    for (const Point& point : StepsRight({100, 100}, 6)) {
        rig.MoveTo(point);
    }
    rig.desktop.keys.ctrl = false; // Shift still held: the action would be typed with it
    rig.Poll(3);
    EXPECT_TRUE(rig.owner.recognitions.empty());
    const int points = rig.poller.CapturedPath().count;
    rig.MoveTo({400, 300}); // no longer drawing
    EXPECT_EQ(rig.poller.CapturedPath().count, points);
    rig.desktop.keys.shift = false;
    rig.Poll();
    EXPECT_EQ(rig.owner.recognitions.size(), 1u);
    EXPECT_FALSE(rig.poller.Capturing());
}

// --- Capture --------------------------------------------------------------------------------

TEST(Capture, StartsFromThePositionBeforeThePress) {
    Rig rig;
    rig.desktop.cursor = {50, 60};
    rig.Poll();
    EXPECT_EQ(rig.poller.PreviousCursorPos(), (Point{50, 60}));
    rig.desktop.cursor = {70, 80};
    rig.Press();
    EXPECT_THAT(PointsOf(rig.poller.CapturedPath()), ElementsAre(Point{50, 60}, Point{70, 80}));
    EXPECT_EQ(rig.poller.CapturedPath().drawIndex, 2);
    EXPECT_EQ(rig.poller.LastPoint(), (Point{70, 80}));
    EXPECT_THAT(rig.desktop.intervals, ElementsAre(1));
    EXPECT_THAT(rig.hook.calls, ElementsAre("HookMouse", "TrapRight", "HideMovement"));
    ASSERT_EQ(rig.screen.calls.size(), 3u);
    EXPECT_EQ(rig.screen.calls[0].op, Op::Bind);
    EXPECT_EQ(rig.screen.calls[1].value, 3); // pen width
    EXPECT_EQ(rig.screen.calls[2].point, (Point{70, 80}));
    rig.desktop.cursor = {500, 500};
    rig.Poll();
    EXPECT_EQ(rig.poller.PreviousCursorPos(), (Point{50, 60})); // not sampled while capturing
}

TEST(Capture, TheIdlePollSamplesTheCursorOfItsMessageNotTheLiveOne) {
    Rig rig;
    rig.desktop.cursor = {300, 300};
    rig.desktop.messageCursor = Point{40, 45};
    rig.Poll();
    EXPECT_EQ(rig.poller.PreviousCursorPos(), (Point{40, 45}));
    rig.Press();
    EXPECT_THAT(PointsOf(rig.poller.CapturedPath()), ElementsAre(Point{40, 45}, Point{300, 300}));
}

TEST(Capture, SmallMovesAddUpAndJumpsAreFilledIn) {
    Rig rig;
    rig.desktop.cursor = {100, 100};
    rig.Poll();
    rig.Press();
    for (const Point p : {Point{104, 100}, Point{109, 100}, Point{110, 100}, Point{116, 103},
                          Point{117, 107}, Point{212, 107}}) {
        rig.MoveTo(p);
    }
    EXPECT_THAT(PointsOf(rig.poller.CapturedPath()),
                ElementsAre(Point{100, 100}, Point{100, 100}, Point{110, 100}, Point{117, 107},
                            Point{149, 107}, Point{180, 107}, Point{212, 107}, Point{212, 107}));
    EXPECT_EQ(rig.poller.CapturedPath().drawIndex, 8);
}

TEST(Capture, ClicksAreGivenBackWithTheGestureButton) {
    struct Case {
        std::int32_t mode;
        bool swapped;
        std::vector<MI> injected;
    };
    for (const Case& c :
         {Case{1, false, {MI::RightDown, MI::RightUp}}, Case{1, true, {MI::LeftDown, MI::LeftUp}},
          Case{3, false, {MI::MiddleDown, MI::MiddleUp}},
          Case{4, false, {MI::MiddleDown, MI::MiddleUp}}, Case{0, false, {}}}) {
        auto rig = std::make_unique<Rig>();
        rig->settings.invoke = c.mode;
        rig->desktop.swapped = c.swapped;
        rig->desktop.keys.ctrl = c.mode == 4;
        rig->Gesture({100, 100}, {});
        EXPECT_EQ(rig->desktop.injected, c.injected) << c.mode;
        EXPECT_EQ(rig->hook.Count("UnHookMouse"), c.mode == 0 ? 0 : 1) << c.mode;
        EXPECT_TRUE(rig->owner.recognitions.empty());
        EXPECT_FALSE(rig->poller.Capturing());
    }
}

TEST(Capture, FourPointsAreAClickAndFiveAGesture) {
    Rig four;
    four.Gesture({100, 100}, StepsRight({100, 100}, 2));
    EXPECT_EQ(four.poller.CapturedPath().count, 4);
    EXPECT_TRUE(four.owner.recognitions.empty());
    EXPECT_EQ(four.desktop.injected.size(), 2u);

    Rig five;
    five.Gesture({100, 100}, StepsRight({100, 100}, 3));
    ASSERT_EQ(five.owner.recognitions.size(), 1u);
    EXPECT_TRUE(five.desktop.injected.empty());
    EXPECT_EQ(five.hook.Count("UnHookMouse"), 0);
}

TEST(Capture, RecognisesTheNormalisedPathForTheForegroundWindow) {
    Rig rig;
    const std::vector<Point> through{{140, 100}, {180, 140}, {220, 100}, {260, 140}};
    rig.Gesture({100, 100}, through);
    MotionPath raw{};
    for (const Point p :
         {Point{100, 100}, Point{100, 100}, Point{140, 100}, Point{140, 100}, Point{180, 140},
          Point{180, 140}, Point{220, 100}, Point{220, 100}, Point{260, 140}, Point{260, 140}}) {
        SetPointAt(raw, raw.count++, p);
    }
    const MotionPath expected = ResizeGesture(raw);
    ASSERT_EQ(rig.owner.recognitions.size(), 1u);
    EXPECT_EQ(rig.owner.recognitions[0].target, rig.desktop.foreground);
    EXPECT_EQ(PointsOf(*rig.owner.recognitions[0].path), PointsOf(expected));
    EXPECT_EQ(PointsOf(rig.poller.CapturedPath()), PointsOf(expected));
    EXPECT_EQ(rig.hook.calls.back(), "ShowMovement");
    EXPECT_EQ(rig.desktop.intervals.back(), 100);
    EXPECT_EQ(rig.owner.padIdles, 1);
    EXPECT_FALSE(rig.poller.EndedOffScreen());
}

TEST(Capture, GesturesEndingOffScreenAreDroppedSilently) {
    Rig edge;
    edge.Gesture({1800, 500}, {{1820, 500}, {1840, 500}, {1860, 500}, {1890, 500}, {1915, 500}});
    EXPECT_TRUE(edge.poller.EndedOffScreen());
    EXPECT_TRUE(edge.owner.recognitions.empty());
    EXPECT_TRUE(edge.desktop.injected.empty());

    Rig left;
    left.desktop.monitors.push_back({-1280, 0, 0, 1024});
    left.Gesture({-700, 500}, StepsRight({-700, 500}, 3));
    EXPECT_FALSE(left.poller.EndedOffScreen());
    EXPECT_EQ(left.owner.recognitions.size(), 1u);
}

TEST(Capture, CtrlModeLiftsThePenAndASecondStrokeSpoilsTheGesture) {
    Rig rig;
    rig.settings.invoke = 2;
    rig.desktop.keys.ctrl = true;
    rig.Gesture({100, 100}, StepsRight({100, 100}, 3));
    rig.Poll();
    EXPECT_TRUE(rig.poller.Capturing());
    EXPECT_EQ(rig.poller.CapturedPath().count, 6); // one marker, however many polls
    EXPECT_EQ(PointAt(rig.poller.CapturedPath(), 5), kPenUpMarker);

    rig.desktop.cursor = {400, 400};
    rig.Press();
    EXPECT_EQ(rig.poller.CapturedPath().count, 7); // no filling in after the marker
    EXPECT_TRUE(rig.poller.PenBreak());
    rig.Release();
    rig.desktop.keys.ctrl = false;
    rig.Poll();
    EXPECT_FALSE(rig.poller.Capturing());
    EXPECT_TRUE(rig.owner.recognitions.empty());
    EXPECT_TRUE(rig.desktop.injected.empty());
}

TEST(Capture, CtrlModeDropsTheTrailingMarkerAndRecognises) {
    Rig rig;
    rig.settings.invoke = 2;
    rig.desktop.keys.ctrl = true;
    rig.Gesture({100, 100}, StepsRight({100, 100}, 3));
    rig.desktop.keys.ctrl = false;
    rig.Poll();
    EXPECT_FALSE(rig.poller.PenBreak());
    MotionPath raw{};
    for (const Point p :
         {Point{100, 100}, Point{100, 100}, Point{120, 100}, Point{140, 100}, Point{160, 100}}) {
        SetPointAt(raw, raw.count++, p);
    }
    ASSERT_EQ(rig.owner.recognitions.size(), 1u);
    EXPECT_EQ(PointsOf(*rig.owner.recognitions[0].path), PointsOf(ResizeGesture(raw)));
}

TEST(Capture, AVeryLongGestureStopsAtTheCapacityOfThePath) {
    Rig rig;
    rig.desktop.cursor = {100, 500};
    rig.Poll();
    rig.Press();
    for (int i = 0; i < 80; ++i) {
        rig.MoveTo({i % 2 == 0 ? 1100 : 100, 500}); // 34 points a step
    }
    const MotionPath& path = rig.poller.CapturedPath();
    EXPECT_EQ(path.count, kMaxPathPoints);
    EXPECT_EQ(path.drawIndex, kMaxPathPoints);
    for (const Point& p : PointsOf(path)) {
        ASSERT_TRUE(p.y == 500 && p.x >= 100 && p.x <= 1100) << p.x << "," << p.y;
    }
    rig.Release();
    ASSERT_EQ(rig.owner.recognitions.size(), 1u);
    EXPECT_EQ(rig.owner.recognitions[0].path->count, kNormalisedPoints);
}

TEST(Capture, APollDispatchedDuringRecognitionDoesNotRunInsideTheEndingGesture) {
    Rig rig;
    rig.owner.duringRecognition = [&rig] {
        rig.desktop.keys.rightButton = true;
        rig.poller.HookNotify(0x204);
    };
    rig.Gesture({100, 100}, StepsRight({100, 100}, 3));
    EXPECT_FALSE(rig.poller.Capturing());
    EXPECT_TRUE(rig.desktop.injected.empty());
    rig.Poll(); // the button is still down: the next poll starts the next gesture
    EXPECT_TRUE(rig.poller.Capturing());
}

// --- The trail ------------------------------------------------------------------------------

TEST(Trail, FullModeRedrawsTheWholeTrailEveryPollAndRestoresTheScreen) {
    Rig rig;
    rig.desktop.cursor = {100, 100};
    rig.Poll();
    rig.Press();
    rig.MoveTo({120, 100});
    rig.MoveTo({140, 100});
    EXPECT_EQ(rig.screen.Count(Op::LineTo), 0); // nothing drawn up to 4 points
    rig.MoveTo({160, 100});
    rig.Poll();
    const Rect monitor{0, 0, 1920, 1080};
    const auto saves = rig.screen.Only(Op::Save);
    ASSERT_EQ(saves.size(), 1u);
    EXPECT_EQ(saves[0].rect, monitor);
    const auto ellipses = rig.screen.Only(Op::Ellipse);
    ASSERT_EQ(ellipses.size(), 2u);
    EXPECT_EQ(ellipses[0].rect, (Rect{98, 98, 102, 102}));
    EXPECT_THAT(rig.screen.LineEnds(),
                ElementsAre(Point{100, 100}, Point{120, 100}, Point{140, 100}, Point{160, 100},
                            Point{100, 100}, Point{120, 100}, Point{140, 100}, Point{160, 100}));
    for (const auto& line : rig.screen.Only(Op::LineTo)) {
        EXPECT_EQ(line.colour, kTail);
    }
    rig.Release();
    const auto restores = rig.screen.Only(Op::Restore);
    ASSERT_EQ(restores.size(), 1u);
    EXPECT_EQ(restores[0].rect, monitor);
    EXPECT_EQ(restores[0].value, 0);
    EXPECT_EQ(rig.screen.Count(Op::Ellipse), 2); // no redraw after the end
}

TEST(Trail, PointsOffEveryMonitorAreDrawnRed) {
    Rig rig;
    rig.Gesture({100, 100}, {{100, 80}, {100, 60}, {100, 40}, {100, 20}, {100, 5}, {120, 30}});
    std::vector<Colour> colours;
    for (const auto& line : rig.screen.Only(Op::LineTo)) {
        colours.push_back(line.colour);
    }
    // The last redraw: points 1 to 8, of which (100, 5) lies in the top margin.
    ASSERT_GE(colours.size(), 8u);
    EXPECT_THAT(std::vector<Colour>(colours.end() - 8, colours.end()),
                ElementsAre(kTail, kTail, kTail, kTail, kTail, kRed, kTail, kTail));
}

TEST(Trail, ASecondStrokeStartsWithAMoveNotALine) {
    Rig rig;
    rig.settings.invoke = 2;
    rig.desktop.keys.ctrl = true;
    rig.Gesture({100, 100}, StepsRight({100, 100}, 3));
    rig.desktop.cursor = {400, 400};
    rig.Press();
    rig.screen.calls.clear();
    rig.Poll();
    EXPECT_THAT(rig.screen.LineEnds(),
                ElementsAre(Point{100, 100}, Point{120, 100}, Point{140, 100}, Point{160, 100}));
    EXPECT_EQ(rig.screen.Only(Op::MoveTo).back().point, (Point{400, 400}));
}

TEST(Trail, FastModeDrawsOnlyTheNewestSegment) {
    Rig rig;
    rig.settings.fastTrails = true;
    rig.Gesture({100, 100}, {{120, 100}, {140, 100}, {160, 100}, {180, 100}, {275, 100}});
    EXPECT_THAT(rig.screen.LineEnds(),
                ElementsAre(Point{160, 100}, Point{180, 100}, Point{275, 100}));
    EXPECT_EQ(rig.screen.Count(Op::Ellipse), 0);
    EXPECT_EQ(rig.screen.Count(Op::Save), 1);
    EXPECT_EQ(rig.screen.Count(Op::Restore), 1);
}

TEST(Trail, NothingIsCopiedOrDrawnWithTrailsOff) {
    Rig rig;
    rig.settings.showTrails = false;
    rig.Gesture({100, 100}, StepsRight({100, 100}, 6));
    EXPECT_EQ(rig.owner.recognitions.size(), 1u);
    for (const Op op : {Op::Save, Op::Restore, Op::LineTo, Op::Ellipse}) {
        EXPECT_EQ(rig.screen.Count(op), 0);
    }
}

TEST(Trail, SavesAtMostNineMonitorsAndRestoresThemWhereTheyWere) {
    Rig rig;
    rig.desktop.monitors.clear();
    for (int i = 0; i < 10; ++i) {
        rig.desktop.monitors.push_back({1000 * i, 0, 1000 * i + 1000, 800});
    }
    const std::vector<Rect> before = rig.desktop.monitors;
    rig.desktop.cursor = {100, 100};
    rig.Poll();
    rig.Press();
    for (const Point& p : StepsRight({100, 100}, 3)) {
        rig.MoveTo(p);
    }
    rig.desktop.monitors.erase(rig.desktop.monitors.begin()); // changed during the gesture
    rig.Release();
    const auto saves = rig.screen.Only(Op::Save);
    const auto restores = rig.screen.Only(Op::Restore);
    ASSERT_EQ(saves.size(), 9u);
    ASSERT_EQ(restores.size(), 9u);
    for (int slot = 0; slot < 9; ++slot) {
        EXPECT_EQ(saves[slot].value, slot);
        EXPECT_EQ(restores[slot].value, slot);
        EXPECT_EQ(restores[slot].rect, before[slot]);
    }
}

} // namespace
} // namespace traxo
