// A gesture's whole road through the engine, with no window: the poll and the capture against a
// scripted desktop, the recogniser, the action sent to a recording keyboard, and what the view
// is told to show.
#include "app/GestureEngine.h"

#include "SetTestSupport.h"
#include "native/FakeDesktop.h"
#include "platform/RecordingKeyboard.h"
#include "recognition/MotionGeometry.h"

#include <algorithm>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace traxo {
namespace {

using testing::FakeDesktop;
using testing::FakeHook;
using testing::RecordingScreen;

constexpr std::uintptr_t kRightDown = 0x204;
constexpr std::uintptr_t kRightUp = 0x205;

std::vector<Point> PointsOf(const MotionPath& path) {
    std::vector<Point> points;
    for (int i = 0; i < path.count; ++i) {
        points.push_back(PointAt(path, i));
    }
    return points;
}

class RecordingView final : public EngineView {
public:
    bool shown = false;
    std::vector<PopupContent> popups;
    std::vector<std::vector<Point>> padGestures;
    int handled = 0;
    int padIdles = 0;
    int buttonUpdates = 0;
    int settingsShown = 0;
    int closes = 0;
    std::vector<std::u16string> errors;
    // What the view had been told when the popup came: the order of the road.
    std::vector<std::string> calls;

    bool IsShown() override { return shown; }
    void ShowScreenGesture(const MotionPath& normalised) override {
        calls.push_back("pad");
        padGestures.push_back(PointsOf(normalised));
    }
    void ShowResultPopup(const PopupContent& content) override {
        calls.push_back("popup");
        popups.push_back(content);
    }
    void ScreenGestureHandled() override {
        calls.push_back("handled");
        ++handled;
    }
    void SetPadIdle() override { ++padIdles; }
    void UpdateButtons() override { ++buttonUpdates; }
    void ShowSettingsWindow() override { ++settingsShown; }
    void CloseProgram() override { ++closes; }
    void ShowFileLabel(std::u16string_view) override {}
    void ShowError(std::u16string_view text) override { errors.emplace_back(text); }
};

// The system calls actions end in; the shell fails when told to.
class FakeSystem final : public SystemActions, public PlanningQueries {
public:
    std::optional<std::u16string> shellFailure;
    std::vector<ShellStep> shell;

    std::optional<std::u16string> OpenWithShell(const ShellStep& step) override {
        shell.push_back(step);
        return shellFailure;
    }
    bool IsWindowVisible(WindowHandle) override { return true; }
    int GetShowState(WindowHandle) override { return 1; }
    void PostSysCommand(WindowHandle, std::uint32_t) override {}
    void LockWorkStation() override {}
    bool HasWaveOutDevice() override { return false; }
    std::optional<std::uint32_t> ReadWaveOutVolume() override { return std::nullopt; }
    void WriteWaveOutVolume(std::uint32_t) override {}
    bool FileExists(std::u16string_view) override { return false; }
    std::optional<std::uint8_t> VirtualKeyOfKeyName(std::u16string_view) override {
        return std::nullopt;
    }
    std::u16string WindowsFolder() override { return u"C:\\Windows\\"; }
};

class RecordingTray final : public TrayNotices {
public:
    std::vector<std::u16string> notices;
    void ShowNotice(std::u16string_view, std::u16string_view text, unsigned) override {
        notices.emplace_back(text);
    }
};

// Steps of 20 pixels to the right from (100, 100): the stroke the one motion was recorded as.
std::vector<Point> RightStroke() {
    std::vector<Point> points;
    for (int i = 1; i <= 10; ++i) {
        points.push_back({100 + 20 * i, 100});
    }
    return points;
}

MotionPath NormalisedRightStroke() {
    MotionPath raw{};
    SetPointAt(raw, raw.count++, {100, 100}); // the cursor before the press
    SetPointAt(raw, raw.count++, {100, 100}); // the press
    for (const Point point : RightStroke()) {
        SetPointAt(raw, raw.count++, point);
    }
    return ResizeGesture(raw);
}

// The engine over the stand-ins, its set holding one motion: the stroke to the right, which
// copies (Ctrl+C).
struct EngineRig {
    FakeDesktop desktop;
    FakeHook hook;
    RecordingScreen screen;
    RecordingKeyboard keyboard;
    FakeSystem system;
    RecordingView view;
    RecordingTray tray;
    GestureEngine engine{u"C:\\Tools\\Traxo.exe", view};

    EngineRig() {
        engine.Start({desktop, hook, screen, keyboard, system, system});
        engine.StartServices({&tray, nullptr, nullptr});
        MotionSet& set = engine.motionSet();
        set.motionCount = 1;
        set.motions[0].path = NormalisedRightStroke();
        set.motions[0].defaultAction.Assign(u"@Special: copy");
    }

    // The right button, as the hook reports what it withholds, drawn to the right and let go.
    void DrawRightStroke() {
        desktop.cursor = {100, 100};
        engine.Timer1Timer(); // arms the hook
        desktop.keys.rightButton = true;
        engine.HookNotify(kRightDown);
        for (const Point point : RightStroke()) {
            desktop.cursor = point;
            engine.Timer1Timer();
        }
        desktop.keys.rightButton = false;
        engine.HookNotify(kRightUp);
    }

    bool CopySent() const {
        const auto& keys = keyboard.Recorded();
        return std::ranges::any_of(keys, [](const RecordedKey& key) {
            return key.action == KeyAction::Down && key.virtualKey == 0x43;
        });
    }
};

TEST(GestureEngine, AGestureGoesFromThePollToTheActionAndThePopup) {
    EngineRig rig;
    rig.DrawRightStroke();

    EXPECT_TRUE(rig.CopySent());
    ASSERT_EQ(rig.view.popups.size(), 1u);
    EXPECT_EQ(rig.view.popups[0].number, u"1");
    EXPECT_EQ(rig.view.popups[0].actionText, u"Special: copy");
    EXPECT_EQ(PointsOf(rig.view.popups[0].thumbnail),
              PointsOf(rig.engine.motionSet().motions[0].path));
    EXPECT_TRUE(rig.view.padGestures.empty()); // the main window is hidden
    EXPECT_THAT(rig.view.calls, ::testing::ElementsAre("popup", "handled"));
    EXPECT_EQ(rig.view.padIdles, 1);
    EXPECT_THAT(rig.engine.DiagnosticLog(), ::testing::HasSubstr("Most likely : 1"));
    EXPECT_TRUE(rig.tray.notices.empty());
    EXPECT_FALSE(rig.engine.Capturing());
}

TEST(GestureEngine, TheOutcomesDecideWhatRunsAndWhatShows) {
    struct Case {
        const char* name;
        std::function<void(EngineRig&)> arrange;
        bool copies;
        std::optional<std::u16string> popupNumber; // none: no popup
        bool padShown;
    };
    const std::vector<Case> cases{
        {"no motion matches", [](EngineRig& r) { r.engine.motionSet().motionCount = 0; }, false,
         u"?", false},
        {"the motion does nothing",
         [](EngineRig& r) { r.engine.motionSet().motions[0].defaultAction.Assign(u""); }, false,
         std::nullopt, false},
        {"the popup is switched off", [](EngineRig& r) { r.engine.settings().showInfo = false; },
         true, std::nullopt, false},
        {"the main window is visible", [](EngineRig& r) { r.view.shown = true; }, true, u"1", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EngineRig rig;
        c.arrange(rig);
        rig.DrawRightStroke();
        EXPECT_EQ(rig.CopySent(), c.copies);
        if (c.popupNumber) {
            ASSERT_EQ(rig.view.popups.size(), 1u);
            EXPECT_EQ(rig.view.popups[0].number, *c.popupNumber);
        } else {
            EXPECT_TRUE(rig.view.popups.empty());
        }
        if (c.padShown) {
            ASSERT_EQ(rig.view.padGestures.size(), 1u);
            EXPECT_EQ(rig.view.padGestures[0], PointsOf(NormalisedRightStroke()));
            EXPECT_EQ(rig.view.calls.front(), "pad"); // the pad before the popup
        } else {
            EXPECT_TRUE(rig.view.padGestures.empty());
        }
        EXPECT_EQ(rig.view.handled, 1); // handled, with or without a popup
    }
}

TEST(GestureEngine, AnUnrecognisedGestureShowsItsOwnPathAndAQuestionMark) {
    EngineRig rig;
    rig.engine.motionSet().motionCount = 0;
    rig.DrawRightStroke();
    ASSERT_EQ(rig.view.popups.size(), 1u);
    EXPECT_EQ(rig.view.popups[0].actionText, u"(unrecognised)");
    EXPECT_EQ(PointsOf(rig.view.popups[0].thumbnail), PointsOf(NormalisedRightStroke()));
}

TEST(GestureEngine, AMatchWhileGesturesAreOffRunsNothing) {
    EngineRig rig;
    rig.engine.settings().active = false;
    int target = 0;
    const GestureReport report = rig.engine.RecogniseAndAct(NormalisedRightStroke(), &target);
    EXPECT_EQ(report.outcome, GestureOutcome::Inactive);
    EXPECT_EQ(report.motion, 0);
    EXPECT_FALSE(rig.CopySent());
    // Nor does the poll start a gesture while they are off.
    rig.DrawRightStroke();
    EXPECT_TRUE(rig.view.popups.empty());
    EXPECT_EQ(rig.view.handled, 0);
    EXPECT_TRUE(rig.hook.calls.empty());
}

TEST(GestureEngine, AnActionTheSystemRefusesIsToldInThePopupAndInANotice) {
    EngineRig rig;
    rig.engine.motionSet().motions[0].defaultAction.Assign(u"c:\\tools\\gone.exe");
    rig.system.shellFailure = u"The system cannot find the file specified.";
    rig.DrawRightStroke();
    ASSERT_EQ(rig.system.shell.size(), 1u);
    ASSERT_EQ(rig.tray.notices.size(), 1u);
    EXPECT_NE(rig.tray.notices[0].find(u"gone.exe"), std::u16string::npos);
    ASSERT_EQ(rig.view.popups.size(), 1u);
    EXPECT_EQ(rig.view.popups[0].actionText, rig.tray.notices[0]);

    const GestureReport report = rig.engine.RecogniseAndAct(NormalisedRightStroke(), nullptr);
    EXPECT_EQ(report.outcome, GestureOutcome::ActionFailed);
    ASSERT_TRUE(report.failure.has_value());
    EXPECT_EQ(report.failure->reason, u"The system cannot find the file specified.");
}

TEST(GestureEngine, ThePopupShowsForEveryOutcomeButDoingNothing) {
    using enum GestureOutcome;
    for (const GestureOutcome outcome : {Unrecognised, Inactive, Acted, ActionFailed}) {
        EXPECT_TRUE(PopupShows(outcome, true)) << static_cast<int>(outcome);
        EXPECT_FALSE(PopupShows(outcome, false)) << static_cast<int>(outcome);
    }
    EXPECT_FALSE(PopupShows(DoesNothing, true));
    EXPECT_FALSE(PopupShows(DoesNothing, false));
}

TEST(GestureEngine, TheTrayMenuIsCarriedOutByTheEngine) {
    EngineRig rig;
    TrayOwner& tray = rig.engine.TrayCommands();
    rig.engine.Timer1Timer(); // arms the hook
    ASSERT_EQ(rig.hook.Count("HookMouse"), 1);
    EXPECT_TRUE(tray.IsActive());
    tray.mnActiveClick();
    EXPECT_FALSE(rig.engine.GesturesActive());
    EXPECT_EQ(rig.hook.Count("UnHookMouse"), 1);
    EXPECT_EQ(rig.view.buttonUpdates, 1);
    rig.engine.Timer1Timer(); // off: the poll leaves the hook alone
    EXPECT_EQ(rig.hook.Count("HookMouse"), 1);
    tray.mnActiveClick();
    rig.engine.Timer1Timer();
    EXPECT_EQ(rig.hook.Count("HookMouse"), 2);
    rig.engine.Shutdown();
    EXPECT_EQ(rig.hook.Count("UnHookMouse"), 2);
    EXPECT_TRUE(rig.view.errors.empty()); // the tray's toggle writes no settings

    tray.Settings1Click();
    tray.mnExitClick();
    EXPECT_EQ(rig.view.settingsShown, 1);
    EXPECT_EQ(rig.view.closes, 1);
    EXPECT_FALSE(tray.WillAutoStart()); // no autostart service
    rig.engine.settings().language = Language::Chinese;
    EXPECT_EQ(tray.CurrentLanguage(), Language::Chinese);
}

TEST(GestureEngine, TheSetNamedInTheSettingsLoadsAtStartAndAFailureKeepsItsPath) {
    testing::TemporaryFolder folder;
    const std::filesystem::path file = folder / "gestures.mtd";
    {
        const auto set = testing::SampleSet(3, 1);
        ASSERT_TRUE(SetDocument(*set).saveMotions(file));
    }
    EngineRig rig;
    rig.engine.settings().motions = file.u16string();
    rig.engine.document().SelectMotion(0);
    const SetLoadReport loaded = rig.engine.LoadSetAtStart();
    EXPECT_TRUE(loaded.loaded);
    EXPECT_FALSE(loaded.failure);
    EXPECT_EQ(loaded.fileLabel, file.u16string());
    EXPECT_EQ(testing::Value(rig.engine.motionSet().motionCount), 3);
    EXPECT_EQ(rig.engine.document().selectedIndex(), -1);

    const std::u16string missing = (folder / "gone.mtd").u16string();
    rig.engine.settings().motions = missing;
    const SetLoadReport failed = rig.engine.LoadSetAtStart();
    EXPECT_FALSE(failed.loaded);
    EXPECT_EQ(failed.failure, LoadFailedMessage(folder / "gone.mtd"));
    EXPECT_EQ(rig.engine.settings().motions, missing); // loads at the next start once it is back
    EXPECT_EQ(testing::Value(rig.engine.motionSet().motionCount), 3); // the set it had stays

    rig.engine.settings().motions.clear();
    const SetLoadReport none = rig.engine.LoadSetAtStart();
    EXPECT_FALSE(none.failure);
    EXPECT_EQ(none.fileLabel, kNoSetLoaded);
}

} // namespace
} // namespace traxo
