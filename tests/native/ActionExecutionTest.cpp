// Choosing a motion's action for the foreground program, planning what it does, and carrying the
// plan out against a recording keyboard and system.
#include "actions/ActionExecution.h"

#include "actions/ActionLists.h"
#include "platform/RecordingKeyboard.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace traxo {
namespace {

constexpr std::u16string_view kAppFolder = u"c:\\traxo\\";

class FakeQueries final : public PlanningQueries {
public:
    bool FileExists(std::u16string_view fullPath) override {
        return files.contains(std::u16string(fullPath));
    }
    std::optional<std::uint8_t> VirtualKeyOfKeyName(std::u16string_view name) override {
        const auto found = keyNames.find(std::u16string(name));
        return found == keyNames.end() ? std::nullopt : std::optional(found->second);
    }
    std::u16string WindowsFolder() override { return windowsFolder; }
    std::set<std::u16string> files;
    std::map<std::u16string, std::uint8_t> keyNames;
    std::u16string windowsFolder = u"D:\\Win\\";
};

class RecordingExecutor final : public ActionExecutor {
public:
    std::optional<ActionFailure> Execute(const ActionPlan& plan) override {
        plans.push_back(plan);
        return failure;
    }
    std::vector<ActionPlan> plans;
    std::optional<ActionFailure> failure;
};

class FakeSystem final : public SystemActions {
public:
    std::optional<std::u16string> OpenWithShell(const ShellStep& step) override {
        shell.push_back(step);
        if (missing.count(step.program) != 0) {
            return u"The system cannot find the file specified.";
        }
        return std::nullopt;
    }
    std::set<std::u16string> missing; // programs the shell cannot open
    bool IsWindowVisible(WindowHandle) override { return visible; }
    int GetShowState(WindowHandle) override {
        ++showStateQueries;
        return showState;
    }
    void PostSysCommand(WindowHandle window, std::uint32_t command) override {
        posted.push_back({window, command});
    }
    void LockWorkStation() override { ++locks; }
    bool HasWaveOutDevice() override { return hasDevice; }
    std::optional<std::uint32_t> ReadWaveOutVolume() override { return volume; }
    void WriteWaveOutVolume(std::uint32_t value) override { written.push_back(value); }

    bool visible = true;
    int showState = 1;
    int showStateQueries = 0;
    int locks = 0;
    bool hasDevice = true;
    std::optional<std::uint32_t> volume = 0x80808080;
    std::vector<ShellStep> shell;
    std::vector<std::pair<WindowHandle, std::uint32_t>> posted;
    std::vector<std::uint32_t> written;
};

KeyStep Down(std::uint8_t vk, bool extended = false) {
    return {vk, false, extended, ScanCodeSource::FromLayout};
}
KeyStep Up(std::uint8_t vk, bool extended = false) {
    return {vk, true, extended, ScanCodeSource::FromLayout};
}
KeyStep WinDown(std::uint8_t vk) {
    return {vk, false, false, ScanCodeSource::None};
}
KeyStep WinUp(std::uint8_t vk) {
    return {vk, true, false, ScanCodeSource::None};
}

const std::vector<ActionStep> kBuiltInRelease = {Up(0x10), Up(0x11), Up(0x12)};

std::vector<ActionStep> Concat(std::vector<ActionStep> a, const std::vector<ActionStep>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<ActionStep> Plan(std::u16string_view action, FakeQueries& queries,
                             WindowHandle target = nullptr) {
    return PlanAction(action, {kAppFolder, target, ActionSource::UserSet}, queries).steps;
}

std::vector<ActionStep> Plan(std::u16string_view action) {
    FakeQueries queries;
    return Plan(action, queries);
}

ShellStep Shell(std::u16string program, std::u16string parameters = {},
                std::u16string directory = {}) {
    return {std::move(program), std::move(parameters), std::move(directory),
            std::u16string(kAppFolder)};
}

// ---- Selection ----

class Selection : public ::testing::Test {
protected:
    void SetUp() override {
        set_->motionCount = 2;
        set_->knownAppCount = 3;
        set_->knownApps[0].path.Assign(u"c:\\apps\\browser.exe");
        set_->knownApps[1].path.Assign(u"tools\\editor.exe"); // relative to the program folder
        set_->knownApps[2].path.Assign(u"C:\\Apps\\Mail.exe ");
        set_->motions[1].defaultAction.Assign(u"@Keys: Ctrl + W");
    }
    void AddRule(int app, std::u16string_view action) {
        Motion& motion = set_->motions[1];
        ProgramRule& rule = motion.rules[motion.ruleCount++];
        rule.appIndex = static_cast<std::uint8_t>(app);
        rule.action.Assign(action);
    }
    ActionSelection Select(std::u16string_view program, int k = 1) {
        return SelectMotionAction(*set_, k, program, kAppFolder);
    }
    std::unique_ptr<MotionSet> set_ = std::make_unique<MotionSet>();
};

TEST_F(Selection, DefaultActionAppliesWithoutAMatchingRule) {
    AddRule(0, u"@Browser: back");
    const ActionSelection chosen = Select(u"c:\\apps\\other.exe");
    EXPECT_EQ(chosen.action, u"@Keys: Ctrl + W");
    EXPECT_EQ(chosen.actionText, u"@Keys: Ctrl + W");
}

TEST_F(Selection, EmptyRuleActionDoesNothingInItsProgramOnly) {
    AddRule(0, u"");
    const ActionSelection inBrowser = Select(u"c:\\apps\\browser.exe");
    EXPECT_EQ(inBrowser.action, u"");
    EXPECT_EQ(inBrowser.actionText, doNothingText);
    EXPECT_EQ(Select(u"c:\\apps\\mail.exe").action, u"@Keys: Ctrl + W");
}

TEST_F(Selection, LastMatchingRuleWins) {
    AddRule(0, u"@Browser: back");
    AddRule(2, u"@Special: copy");
    AddRule(0, u"@Browser: forward");
    EXPECT_EQ(Select(u"c:\\apps\\browser.exe").action, u"@Browser: forward");
}

TEST_F(Selection, KnownPathsAreMadeFullLowerCasedAndTrimmed) {
    AddRule(1, u"@Special: undo");
    AddRule(2, u"@Special: cut");
    EXPECT_EQ(Select(u"c:\\traxo\\tools\\editor.exe").action, u"@Special: undo");
    EXPECT_EQ(Select(u"c:\\apps\\mail.exe").action, u"@Special: cut");
}

TEST_F(Selection, PathsWithLettersBeyondAsciiMatchWhateverTheirCase) {
    set_->knownApps[1].path.Assign(u"C:\\Programme\\\u00DCbung\\App.exe");
    AddRule(1, u"@Special: undo");
    EXPECT_EQ(Select(u"c:\\programme\\\u00FCbung\\app.exe").action, u"@Special: undo");
}

TEST_F(Selection, EmptyDefaultGivesTheNothingText) {
    const ActionSelection chosen = Select(u"c:\\apps\\x.exe", 0);
    EXPECT_EQ(chosen.action, u"");
    EXPECT_EQ(chosen.actionText, doNothingText);
}

TEST_F(Selection, DamagedCountsAndIndicesAreKeptWithinTheSlots) {
    set_->knownApps[0].path.Assign(u"c:\\apps\\zero.exe"); // what the unused rule slots name
    set_->knownApps[5].path.Assign(u"c:\\apps\\browser.exe");
    AddRule(5, u"@Special: paste"); // beyond the known programs in use
    AddRule(7, u"@Special: cut");   // an empty slot
    EXPECT_EQ(Select(u"c:\\apps\\browser.exe").action, u"@Keys: Ctrl + W");
    EXPECT_EQ(Select(u"").action, u"@Keys: Ctrl + W");
    EXPECT_EQ(Select(u"c:\\apps\\browser.exe", 2).action, u""); // past the live motions
    EXPECT_EQ(Select(u"c:\\apps\\browser.exe", -1).action, u"");
    set_->knownAppCount = 100000;
    set_->motions[1].ruleCount = 255;
    EXPECT_EQ(Select(u"c:\\apps\\browser.exe").action, u"@Special: paste");
    EXPECT_EQ(Select(u"").action, u"@Keys: Ctrl + W");
    set_->motionCount = -7;
    EXPECT_EQ(Select(u"c:\\apps\\browser.exe").action, u"");
}

// ---- Plans ----

TEST(ActionPlan, EmptyActionPlansNothing) {
    EXPECT_TRUE(Plan(u"").empty());
}

TEST(ActionPlan, KeystrokesGoToTheSenderInItsNotation) {
    EXPECT_EQ(Plan(u"@Keystrokes: [ctrl:{left 2}]x"),
              std::vector<ActionStep>{ScriptStep{u"^({left 2})x"}});
    EXPECT_EQ(Plan(u"@Keystrokes:hi"), std::vector<ActionStep>{ScriptStep{u"i"}});
}

TEST(ActionPlan, KeyCombinationReleasesShiftAndCtrlThenPressesInModifierOrder) {
    const std::vector<ActionStep> expected = {
        Up(0x10),   Up(0x11), Down(0x11), Down(0x10), Down(0x12),
        Down(0x74), Up(0x74), Up(0x12),   Up(0x10),   Up(0x11),
    };
    EXPECT_EQ(Plan(u"@Keys: Alt + Shift + Ctrl + F5"), expected);
    EXPECT_EQ(Plan(u"@Keys: alt+SHIFT+^f5"), expected);
}

TEST(ActionPlan, KeyCombinationKeyNames) {
    FakeQueries queries;
    queries.keyNames[u"Num Lock"] = 0x90;
    const auto pressed = [&](std::u16string_view action) -> std::optional<std::uint8_t> {
        const auto steps = Plan(action, queries);
        if (steps.size() != 4) {
            return std::nullopt;
        }
        return std::get<KeyStep>(steps[2]).virtualKey;
    };
    EXPECT_EQ(pressed(u"@Keys: bksp"), 0x08);
    EXPECT_EQ(pressed(u"@Keys: PgDn"), 0x22);
    EXPECT_EQ(pressed(u"@Keys: Del"), 0x2E);
    EXPECT_EQ(pressed(u"@Keys: 7"), 0x37);
    EXPECT_EQ(pressed(u"@Keys: q"), 0x51);
    EXPECT_EQ(pressed(u"@Keys: F1"), 0x70);
    EXPECT_EQ(pressed(u"@Keys: f24"), 0x87);
    EXPECT_EQ(pressed(u"@Keys: Num Lock"), 0x90);
    // Not keys: only Shift and Ctrl are released.
    EXPECT_EQ(pressed(u"@Keys: F25"), std::nullopt);
    EXPECT_EQ(pressed(u"@Keys: F0"), std::nullopt);
    EXPECT_EQ(pressed(u"@Keys: Ctrl + "), std::nullopt);
    EXPECT_EQ(Plan(u"@Keys: Ctrl + Nothing", queries),
              (std::vector<ActionStep>{Up(0x10), Up(0x11)}));
    EXPECT_TRUE(Plan(u"@Keys:").empty());
    EXPECT_TRUE(Plan(u"@Keys: ").empty());
}

TEST(ActionPlan, WinPlusEPressesTheWindowsKeyAroundTheLetter) {
    EXPECT_EQ(Plan(u"@Keys: Win + E"),
              (std::vector<ActionStep>{Up(0x10), Up(0x11), WinDown(0x5B), Down(0x45), Up(0x45),
                                       WinUp(0x5B)}));
    EXPECT_EQ(Plan(u"@Keys: Win + Ctrl + F5"),
              (std::vector<ActionStep>{Up(0x10), Up(0x11), WinDown(0x5B), Down(0x11), Down(0x74),
                                       Up(0x74), Up(0x11), WinUp(0x5B)}));
}

TEST(ActionPlan, ProgramParametersAreSplitAfterTheExtension) {
    EXPECT_EQ(Plan(u"c:\\apps\\editor.exe c:\\notes.txt"),
              std::vector<ActionStep>{Shell(u"c:\\apps\\editor.exe", u" c:\\notes.txt")});
    EXPECT_EQ(Plan(u"c:\\apps\\editor.exe"),
              std::vector<ActionStep>{Shell(u"c:\\apps\\editor.exe")});
}

TEST(ActionPlan, InSeparatesTheWorkingDirectory) {
    EXPECT_EQ(Plan(u"c:\\tools\\tool.exe -x*in*c:\\work"),
              std::vector<ActionStep>{Shell(u"c:\\tools\\tool.exe", u" -x", u"c:\\work")});
    EXPECT_TRUE(Plan(u"*in*c:\\work").empty());
}

TEST(ActionPlan, ExistingRelativeFileGoesToTheShellByItsFullPath) {
    FakeQueries queries;
    queries.files.insert(u"c:\\traxo\\docs\\readme.txt");
    EXPECT_EQ(Plan(u"docs\\readme.txt*in*d:\\", queries),
              std::vector<ActionStep>{Shell(u"c:\\traxo\\docs\\readme.txt", {}, u"d:\\")});
    // Names the shell resolves itself go as written.
    EXPECT_EQ(Plan(u"docs\\other.txt", queries),
              std::vector<ActionStep>{Shell(u"docs\\other.txt")});
    EXPECT_EQ(Plan(u"https://example.org/"),
              std::vector<ActionStep>{Shell(u"https://example.org/")});
}

TEST(ActionPlan, BuiltInShortcutsReleaseModifiersFirst) {
    EXPECT_EQ(Plan(u"@Browser: back"),
              Concat(kBuiltInRelease, {Down(0x12), Down(0x25), Up(0x25), Up(0x12)}));
    EXPECT_EQ(Plan(u"@Browser: previous tab"),
              Concat(kBuiltInRelease,
                     {Down(0x11), Down(0x10), Down(0x09), Up(0x09), Up(0x10), Up(0x11)}));
    EXPECT_EQ(Plan(u"@Browser: close tab"),
              Concat(kBuiltInRelease, {Down(0x11), Down(0x73, true), Up(0x73, true), Up(0x11)}));
    EXPECT_EQ(Plan(u"@Media: Pause"), Concat(kBuiltInRelease, {Down(0xB3, true), Up(0xB3, true)}));
    EXPECT_EQ(Plan(u"@Special: page down"), Concat(kBuiltInRelease, {Down(0x22), Up(0x22)}));
}

TEST(ActionPlan, WindowsShortcutsCarryNoScanCode) {
    EXPECT_EQ(Plan(u"@Windows: Run program"),
              Concat(kBuiltInRelease, {WinDown(0x5B), WinDown(0x52), WinUp(0x52), WinUp(0x5B)}));
    EXPECT_EQ(Plan(u"@Windows: Start button"),
              Concat(kBuiltInRelease, {WinDown(0x5B), WinUp(0x5B)}));
}

// Never by a bare name, which the shell would look for in the current folder and on PATH.
TEST(ActionPlan, ExplorerRunsOnlyFromTheWindowsFolder) {
    FakeQueries queries;
    queries.windowsFolder.clear();
    EXPECT_EQ(Plan(u"@Windows: Explorer", queries), kBuiltInRelease);
}

TEST(ActionPlan, BuiltInsThatAreNotKeys) {
    int target = 0;
    FakeQueries queries;
    EXPECT_EQ(Plan(u"@Windows: Explorer", queries),
              Concat(kBuiltInRelease, {ShellStep{u"D:\\Win\\explorer.exe", {}, u"D:\\Win\\", {}}}));
    EXPECT_EQ(Plan(u"@Windows: My computer", queries),
              Concat(kBuiltInRelease, {Shell(u"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}")}));
    EXPECT_EQ(Plan(u"@Windows: Lock", queries), Concat(kBuiltInRelease, {LockStep{}}));
    EXPECT_EQ(Plan(u"@Special: restore window", queries, &target),
              Concat(kBuiltInRelease, {WindowStep{WindowCommand::ToggleMaximise, &target}}));
    EXPECT_EQ(Plan(u"@Special: minimise window", queries, &target),
              Concat(kBuiltInRelease, {WindowStep{WindowCommand::Minimise, &target}}));
    EXPECT_EQ(Plan(u"@Special: volume down"),
              Concat(kBuiltInRelease, {VolumeStep{VolumeChange::Down}}));
    EXPECT_EQ(Plan(u"@Traxo: Disable"),
              Concat(kBuiltInRelease, {OwnCommandStep{OwnCommand::ToggleActive}}));
    EXPECT_EQ(Plan(u"@Traxo: Settings"),
              Concat(kBuiltInRelease, {OwnCommandStep{OwnCommand::ShowSettings}}));
}

TEST(ActionPlan, EveryActionListCommandHasAnEntry) {
    for (std::size_t row = kFirstBuiltInRow; row < kActionListRowCount; ++row) {
        const std::u16string action = u"@" + std::u16string(kActionLists[row].english);
        EXPECT_GT(Plan(action).size(), kBuiltInRelease.size()) << row;
    }
}

TEST(ActionPlan, UnknownCommandsAndAddressesWithAtDoNothingButRelease) {
    EXPECT_EQ(Plan(u"@Special: fly"), kBuiltInRelease);
    EXPECT_EQ(Plan(u"mailto:someone@example.org"), kBuiltInRelease);
    EXPECT_EQ(Plan(u"@[ Same as default ]"), kBuiltInRelease);
}

// ---- Execution ----

class Execution : public ::testing::Test {
protected:
    ActionPlan UserPlan(std::vector<ActionStep> steps) {
        return {ActionSource::UserSet, std::move(steps)};
    }
    RecordingKeyboard keyboard_;
    FakeSystem system_;
    int toggles_ = 0;
    int settingsShown_ = 0;
    OwnerCommands owner_{[this] { ++toggles_; }, [this] { ++settingsShown_; }};
    ActionPlanExecutor executor_{keyboard_, system_, owner_};
};

TEST_F(Execution, ShellStepsFromOutsideTheSetAreRefused) {
    const std::vector<ActionStep> steps = {Shell(u"cmd.exe", u" /c del x"), LockStep{}};
    executor_.Execute({ActionSource::Elsewhere, steps});
    EXPECT_TRUE(system_.shell.empty());
    EXPECT_EQ(system_.locks, 1);
    executor_.Execute(UserPlan(steps));
    EXPECT_EQ(system_.shell, std::vector<ShellStep>{Shell(u"cmd.exe", u" /c del x")});
}

TEST_F(Execution, AShellStepThatFailsIsReportedAndTheRestStillRuns) {
    system_.missing = {u"c:\\gone.exe", u"c:\\also gone.exe"};
    const auto failure = executor_.Execute(
        UserPlan({Shell(u"c:\\gone.exe", u" -x"), Shell(u"c:\\also gone.exe", u""), LockStep{}}));
    ASSERT_TRUE(failure);
    EXPECT_EQ(*failure,
              (ActionFailure{u"c:\\gone.exe -x", u"The system cannot find the file specified."}));
    EXPECT_EQ(system_.shell.size(), 2u);
    EXPECT_EQ(system_.locks, 1);
    EXPECT_FALSE(executor_.Execute(UserPlan({Shell(u"c:\\here.exe", u""), LockStep{}})));
}

TEST_F(Execution, KeysCarryTheLayoutScanCodeOrNone) {
    executor_.Execute(UserPlan({Down(0x41), Up(0x25, true), WinDown(0x5B)}));
    EXPECT_EQ(keyboard_.Recorded(),
              (std::vector<RecordedKey>{{KeyAction::Down, 0x41, 0x1E, false},
                                        {KeyAction::Up, 0x25, 0x4B, true},
                                        {KeyAction::Down, 0x5B, 0x00, false}}));
}

TEST_F(Execution, ScriptsAreSentWaitingForTheKeys) {
    executor_.Execute(UserPlan({ScriptStep{u"ab"}}));
    EXPECT_EQ(keyboard_.Recorded().size(), 4u);
    EXPECT_GT(keyboard_.DispatchCount(), 0u);
}

TEST_F(Execution, RestoreTogglesBetweenNormalAndMaximised) {
    int window = 0;
    const ActionPlan restore = UserPlan({WindowStep{WindowCommand::ToggleMaximise, &window}});
    system_.showState = 1; // normal
    executor_.Execute(restore);
    system_.showState = 3; // maximised
    executor_.Execute(restore);
    system_.showState = -1; // unreadable: the window is restored
    executor_.Execute(restore);
    EXPECT_EQ(system_.posted,
              (std::vector<std::pair<WindowHandle, std::uint32_t>>{
                  {&window, kScMaximize}, {&window, kScRestore}, {&window, kScRestore}}));
}

TEST_F(Execution, HiddenWindowsAreLeftAlone) {
    int window = 0;
    system_.visible = false;
    executor_.Execute(UserPlan({WindowStep{WindowCommand::ToggleMaximise, &window},
                                WindowStep{WindowCommand::Minimise, &window}}));
    EXPECT_TRUE(system_.posted.empty());
    EXPECT_EQ(system_.showStateQueries, 0);
}

TEST_F(Execution, OwnCommandsGoToTheMainWindow) {
    executor_.Execute(UserPlan({OwnCommandStep{OwnCommand::ToggleActive},
                                OwnCommandStep{OwnCommand::ShowSettings},
                                OwnCommandStep{OwnCommand::ShowSettings}}));
    EXPECT_EQ(toggles_, 1);
    EXPECT_EQ(settingsShown_, 2);
}

TEST_F(Execution, VolumeStepsNeedTheDevice) {
    system_.volume = 0x4000FFFF; // left channel full
    executor_.Execute(UserPlan({VolumeStep{VolumeChange::Up}, VolumeStep{VolumeChange::Down},
                                VolumeStep{VolumeChange::Mute}}));
    EXPECT_EQ(system_.written, (std::vector<std::uint32_t>{0xFFFFFFFF, 0xF5F5F5F5, 0}));
    system_.hasDevice = false;
    executor_.Execute(UserPlan({VolumeStep{VolumeChange::Mute}}));
    system_.hasDevice = true;
    system_.volume.reset();
    executor_.Execute(UserPlan({VolumeStep{VolumeChange::Up}}));
    EXPECT_EQ(system_.written.size(), 3u);
}

TEST(VolumeAfter, StepsOfTenOnAScaleTo255KeptInRange) {
    EXPECT_EQ(VolumeAfter(VolumeChange::Up, 0), 10u * 257u * 65537u);
    EXPECT_EQ(VolumeAfter(VolumeChange::Down, 5 * 257), 0u);
    EXPECT_EQ(VolumeAfter(VolumeChange::Up, 250 * 257), 0xFFFFFFFFu);
    EXPECT_EQ(VolumeAfter(VolumeChange::Down, 0xFFFF0000u | (100 * 257)), 90u * 257u * 65537u);
    EXPECT_EQ(VolumeAfter(VolumeChange::Mute, 0xFFFFFFFFu), 0u);
}

// ---- Runner ----

class Runner : public ::testing::Test {
protected:
    void SetUp() override {
        set_->motionCount = 2;
        set_->knownAppCount = 1;
        set_->knownApps[0].path.Assign(u"c:\\apps\\browser.exe");
        set_->motions[0].defaultAction.Assign(u"@Special: copy");
        set_->motions[0].ruleCount = 1;
        set_->motions[0].rules[0].appIndex = 0;
    }
    std::unique_ptr<MotionSet> set_ = std::make_unique<MotionSet>();
    std::u16string currentProgram_ = u"c:\\apps\\browser.exe";
    bool active_ = true;
    FakeQueries queries_;
    RecordingExecutor executor_;
    ActionRunner runner_{{*set_, currentProgram_, std::u16string(kAppFolder),
                          [this] { return active_; }, queries_, executor_}};
};

TEST_F(Runner, RunsTheSelectedActionFromTheUsersSet) {
    currentProgram_ = u"c:\\apps\\mail.exe";
    int target = 0;
    set_->motions[0].defaultAction.Assign(u"@Special: restore window");
    const MotionActionResult result = runner_.RunMotionAction(0, &target);
    EXPECT_EQ(result.outcome, MotionActionOutcome::Ran);
    EXPECT_EQ(result.action, u"@Special: restore window");
    ASSERT_EQ(executor_.plans.size(), 1u);
    EXPECT_EQ(executor_.plans[0].source, ActionSource::UserSet);
    EXPECT_EQ(executor_.plans[0].steps.back(),
              ActionStep(WindowStep{WindowCommand::ToggleMaximise, &target}));
}

TEST_F(Runner, AFailureIsReportedBesideTheAction) {
    currentProgram_ = u"c:\\apps\\mail.exe";
    set_->motions[0].defaultAction.Assign(u"c:\\tools\\gone.exe");
    executor_.failure = ActionFailure{u"c:\\tools\\gone.exe", u"File not found."};
    const MotionActionResult result = runner_.RunMotionAction(0, nullptr);
    EXPECT_EQ(result.outcome, MotionActionOutcome::Failed);
    EXPECT_EQ(result.action, u"c:\\tools\\gone.exe");
    EXPECT_EQ(result.failure, executor_.failure);
}

TEST_F(Runner, EmptyRuleDoesNothingAndRunsNothing) {
    const MotionActionResult result = runner_.RunMotionAction(0, nullptr);
    EXPECT_EQ(result.outcome, MotionActionOutcome::DoesNothing);
    EXPECT_EQ(result.action, u"");
    EXPECT_TRUE(executor_.plans.empty());
}

TEST_F(Runner, InactiveOrNegativeIndexTouchesNothing) {
    currentProgram_ = u"c:\\apps\\mail.exe";
    EXPECT_EQ(runner_.RunMotionAction(-1, nullptr).outcome, MotionActionOutcome::NotRun);
    active_ = false;
    EXPECT_EQ(runner_.RunMotionAction(0, nullptr).outcome, MotionActionOutcome::NotRun);
    EXPECT_TRUE(executor_.plans.empty());
}

} // namespace
} // namespace traxo
