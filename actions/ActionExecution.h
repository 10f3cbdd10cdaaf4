#pragma once
// Carrying out a matched motion's action. Selection and planning are pure: they turn the set, the
// foreground program and the action text into a plan, a list of steps as data. The executor walks
// the plan and hands each step to the system; the Windows layer only translates those calls.

#include "platform/Keyboard.h"
#include "recognition/Recogniser.h"
#include "sets/MotionSet.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace traxo {

// ---- Selection ----

struct ActionSelection {
    std::u16string action;     // the ActionString to carry out; empty: do nothing
    std::u16string actionText; // for the popup: the action, or doNothingText when it is empty
};

// Motion k's default action, overridden by every rule whose known program denotes
// currentProgram (a lower-case, trimmed full path): the last matching rule wins, also when its
// action is empty. Known-program paths are resolved against appFolder. An index outside the live
// motions selects nothing; counts and indices read from a damaged set are kept within the slots.
ActionSelection SelectMotionAction(const MotionSet& set, int motionIndex,
                                   std::u16string_view currentProgram,
                                   std::u16string_view appFolder);

// ---- Plans ----

// Where an action text came from. Only the user's own set may start programs through the shell;
// a text from anywhere else (a command line, a preview) may be planned and shown, never run there.
enum class ActionSource : std::uint8_t { UserSet, Elsewhere };

enum class ScanCodeSource : std::uint8_t { FromLayout, None };

struct KeyStep {
    std::uint8_t virtualKey = 0;
    bool keyUp = false;
    bool extended = false;
    // The Windows key events of built-in shortcuts carry no scan code.
    ScanCodeSource scanCode = ScanCodeSource::FromLayout;
    friend bool operator==(const KeyStep&, const KeyStep&) = default;
};

// Typed by the keystroke sender in its own notation, waiting for the keys to arrive.
struct ScriptStep {
    std::u16string script;
    friend bool operator==(const ScriptStep&, const ScriptStep&) = default;
};

// Opened by the shell with its default verb, shown normally (show command 5).
struct ShellStep {
    std::u16string program;
    std::u16string parameters; // begin with their blank
    std::u16string directory;  // empty: the current directory
    // Relative names reach the shell as written; it resolves them against this folder, which
    // becomes the process's current directory.
    std::u16string currentDirectory;
    friend bool operator==(const ShellStep&, const ShellStep&) = default;
};

enum class WindowCommand : std::uint8_t { Maximise, Minimise, ToggleMaximise };

// Decided when it runs: a hidden target is left alone, and the toggle reads the show state.
struct WindowStep {
    WindowCommand command = WindowCommand::Maximise;
    WindowHandle target = nullptr;
    friend bool operator==(const WindowStep&, const WindowStep&) = default;
};

struct LockStep {
    friend bool operator==(const LockStep&, const LockStep&) = default;
};

enum class VolumeChange : std::uint8_t { Mute, Up, Down };
struct VolumeStep {
    VolumeChange change = VolumeChange::Mute;
    friend bool operator==(const VolumeStep&, const VolumeStep&) = default;
};

// The application's own commands, carried out by the main window.
enum class OwnCommand : std::uint8_t { ToggleActive, ShowSettings };
struct OwnCommandStep {
    OwnCommand command = OwnCommand::ToggleActive;
    friend bool operator==(const OwnCommandStep&, const OwnCommandStep&) = default;
};

using ActionStep =
    std::variant<KeyStep, ScriptStep, ShellStep, WindowStep, LockStep, VolumeStep, OwnCommandStep>;

struct ActionPlan {
    ActionSource source = ActionSource::UserSet;
    std::vector<ActionStep> steps;
};

// What planning asks of the system.
class PlanningQueries {
public:
    virtual ~PlanningQueries() = default;
    // A file, not a folder, exists at this full path.
    virtual bool FileExists(std::u16string_view fullPath) = 0;
    // The virtual key whose layout name is `name`, compared ignoring case ("Num Lock").
    virtual std::optional<std::uint8_t> VirtualKeyOfKeyName(std::u16string_view name) = 0;
    // The Windows folder with its trailing "\", where the system's own programs are run from;
    // empty when it cannot be had.
    virtual std::u16string WindowsFolder() = 0;
};

struct PlanContext {
    std::u16string_view appFolder; // with its trailing "\"
    WindowHandle target = nullptr;
    ActionSource source = ActionSource::UserSet;
};

ActionPlan PlanAction(std::u16string_view action, const PlanContext& context,
                      PlanningQueries& queries);

// ---- Parts of planning, open to tests and to the editors ----

enum Modifier : std::uint8_t { kModCtrl = 1, kModShift = 2, kModAlt = 4 };

struct Shortcut {
    std::uint8_t virtualKey = 0;
    std::uint8_t modifiers = 0; // Modifier bits
    friend bool operator==(const Shortcut&, const Shortcut&) = default;
};

// Any of "Shift+", "Ctrl+" (or "^") and "Alt+", then one key name, all ignoring case.
std::optional<Shortcut> ParseShortcutText(std::u16string_view text, PlanningQueries& queries);

// Modifiers down (Ctrl, Shift, Alt), the key down and up, modifiers up in reverse order.
void PressWithModifiers(std::vector<ActionStep>& steps, std::uint8_t virtualKey,
                        std::uint8_t modifiers, bool extended);

// ---- Execution ----

// The system calls a plan's steps end in. Keys and scripts go through the Keyboard.
class SystemActions {
public:
    virtual ~SystemActions() = default;
    // The one way to the shell; reached only through ActionPlanExecutor. The system's reason
    // when the shell could not open the program, file or address; nullopt when it did.
    virtual std::optional<std::u16string> OpenWithShell(const ShellStep& step) = 0;
    virtual bool IsWindowVisible(WindowHandle window) = 0;
    // The window's show state (1 shown normally), or -1 when it cannot be read.
    virtual int GetShowState(WindowHandle window) = 0;
    virtual void PostSysCommand(WindowHandle window, std::uint32_t command) = 0;
    virtual void LockWorkStation() = 0;
    // The default wave-out device answers a capabilities query.
    virtual bool HasWaveOutDevice() = 0;
    // Left channel in the low word, right in the high word.
    virtual std::optional<std::uint32_t> ReadWaveOutVolume() = 0;
    virtual void WriteWaveOutVolume(std::uint32_t volume) = 0;
};

inline constexpr std::uint32_t kScMaximize = 0xF030;
inline constexpr std::uint32_t kScMinimize = 0xF020;
inline constexpr std::uint32_t kScRestore = 0xF120;

// The system command to post for a window step, or none for a hidden window.
std::optional<std::uint32_t> SysCommandFor(const WindowStep& step, SystemActions& system);

// The volume step on a 0..255 scale: the left channel's 0..65535 divided by 257, changed by 10
// and kept within the scale, then written to both channels scaled back by 257. Mute writes 0.
std::uint32_t VolumeAfter(VolumeChange change, std::uint32_t currentVolume);

// A step the system could not carry out, for the user to be told.
struct ActionFailure {
    std::u16string target; // the program, file or address
    std::u16string reason; // the system's words
    friend bool operator==(const ActionFailure&, const ActionFailure&) = default;
};

class ActionExecutor {
public:
    virtual ~ActionExecutor() = default;
    // The plan's steps in order; the first failure, if any. Later steps still run.
    virtual std::optional<ActionFailure> Execute(const ActionPlan& plan) = 0;
};

// What the main window does for the application's own commands.
struct OwnerCommands {
    std::function<void()> btnActiveClick; // toggles gestures on and off
    std::function<void()> Settings1Click; // shows the main window in front
};

class ActionPlanExecutor final : public ActionExecutor {
public:
    // All three must outlive the executor.
    ActionPlanExecutor(Keyboard& keyboard, SystemActions& system, const OwnerCommands& owner);
    std::optional<ActionFailure> Execute(const ActionPlan& plan) override;

private:
    std::optional<ActionFailure> Run(const ActionStep& step, ActionSource source);

    Keyboard& keyboard_;
    SystemActions& system_;
    const OwnerCommands& owner_;
};

// ---- Running a matched motion's action ----

// The state the runner reads; everything referred to must outlive the runner.
struct MotionActionContext {
    const MotionSet& set;
    const std::u16string& currentProgram;
    std::u16string appFolder;
    std::function<bool()> isActive; // the "active" setting
    PlanningQueries& queries;
    ActionExecutor& executor;
};

// What running a motion's action came to.
enum class MotionActionOutcome : std::uint8_t {
    NotRun,      // no motion, or gestures are off: nothing was chosen
    DoesNothing, // the action chosen for the program is empty
    Ran,         // the action was carried out
    Failed,      // the action was carried out, and the system could not do a step of it
};

struct MotionActionResult {
    MotionActionOutcome outcome = MotionActionOutcome::NotRun;
    std::u16string action; // the ActionString chosen; empty unless it ran or failed
    std::optional<ActionFailure> failure;
};

class ActionRunner final {
public:
    explicit ActionRunner(MotionActionContext context);
    // Chooses motion motionIndex's action for the current program and carries it out for
    // targetWindow.
    MotionActionResult RunMotionAction(int motionIndex, WindowHandle targetWindow);

private:
    MotionActionContext context_;
};

} // namespace traxo
