#include "actions/ActionExecution.h"

#include "actions/ActionLists.h"
#include "actions/ActionModel.h"
#include "actions/sndkey32.h"
#include "platform/AppPaths.h"
#include "platform/AsciiText.h"
#include "platform/PathCase.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace traxo {
namespace {

constexpr std::uint8_t kVkShift = 0x10;
constexpr std::uint8_t kVkCtrl = 0x11;
constexpr std::uint8_t kVkAlt = 0x12;
constexpr std::uint8_t kVkLeftWindows = 0x5B;

template <class... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

// CurrentProgram is kept folded as the system folds paths; a stored path is folded the same way
// whatever case it was typed in.
std::u16string ComparablePath(std::u16string_view storedPath, std::u16string_view appFolder) {
    return LowerCasePath(Trimmed(FullPathFromFolder(storedPath, appFolder)));
}

std::u16string ReplaceAll(std::u16string_view text, std::u16string_view from,
                          std::u16string_view to) {
    std::u16string result;
    for (auto at = text.find(from); at != std::u16string_view::npos; at = text.find(from)) {
        result.append(text.substr(0, at)).append(to);
        text.remove_prefix(at + from.size());
    }
    result.append(text);
    return result;
}

// ---- Keys ----

KeyStep Down(std::uint8_t virtualKey, bool extended = false) {
    return {virtualKey, false, extended, ScanCodeSource::FromLayout};
}
KeyStep Up(std::uint8_t virtualKey, bool extended = false) {
    return {virtualKey, true, extended, ScanCodeSource::FromLayout};
}

// The left Windows key, alone or with a letter; these events carry no scan code.
void PressWindowsShortcut(std::vector<ActionStep>& steps, std::uint8_t letter) {
    steps.push_back(KeyStep{kVkLeftWindows, false, false, ScanCodeSource::None});
    if (letter != 0) {
        steps.push_back(KeyStep{letter, false, false, ScanCodeSource::None});
        steps.push_back(KeyStep{letter, true, false, ScanCodeSource::None});
    }
    steps.push_back(KeyStep{kVkLeftWindows, true, false, ScanCodeSource::None});
}

struct NamedKey {
    std::u16string_view name;
    std::uint8_t virtualKey;
};
constexpr NamedKey kNamedKeys[] = {
    {u"BkSp", 0x08}, {u"Tab", 0x09},   {u"Enter", 0x0D}, {u"Esc", 0x1B},  {u"Space", 0x20},
    {u"PgUp", 0x21}, {u"PgDn", 0x22},  {u"End", 0x23},   {u"Home", 0x24}, {u"Left", 0x25},
    {u"Up", 0x26},   {u"Right", 0x27}, {u"Down", 0x28},  {u"Ins", 0x2D},  {u"Del", 0x2E},
};

std::optional<std::uint8_t> VirtualKeyOfName(std::u16string_view name, PlanningQueries& queries) {
    for (const NamedKey& key : kNamedKeys) {
        if (SameTextIgnoringCase(name, key.name)) {
            return key.virtualKey;
        }
    }
    if (name.size() == 1) {
        const char16_t c = AsciiLower(name[0]);
        if (c >= u'0' && c <= u'9') {
            return static_cast<std::uint8_t>(c);
        }
        if (c >= u'a' && c <= u'z') {
            return static_cast<std::uint8_t>(c - u'a' + u'A');
        }
    }
    if ((name.size() == 2 || name.size() == 3) && AsciiLower(name[0]) == u'f') {
        int number = 0;
        bool digits = true;
        for (const char16_t c : name.substr(1)) {
            digits = digits && c >= u'0' && c <= u'9';
            number = number * 10 + (c - u'0');
        }
        if (digits && name[1] != u'0' && number >= 1 && number <= 24) {
            return static_cast<std::uint8_t>(0x70 + number - 1);
        }
    }
    if (name.empty()) {
        return std::nullopt;
    }
    return queries.VirtualKeyOfKeyName(name);
}

void ReleaseModifiers(std::vector<ActionStep>& steps, bool alsoAlt) {
    steps.push_back(Up(kVkShift));
    steps.push_back(Up(kVkCtrl));
    if (alsoAlt) {
        steps.push_back(Up(kVkAlt));
    }
}

void PlanKeyCombination(std::u16string_view action, std::vector<ActionStep>& steps,
                        PlanningQueries& queries) {
    const std::u16string_view written = ActionPayload(action);
    if (written.empty()) {
        return;
    }
    ReleaseModifiers(steps, false);
    std::u16string combination = ReplaceAll(written, u" + ", u"+");
    const bool withWindowsKey = AsciiLowerCase(combination).find(u"win") != std::u16string::npos;
    if (withWindowsKey) {
        steps.push_back(KeyStep{kVkLeftWindows, false, false, ScanCodeSource::None});
        // As the editor writes it; another spelling is left to the parse, which then fails.
        if (const auto at = combination.find(u"Win+"); at != std::u16string::npos) {
            combination.erase(at, 4);
        }
    }
    if (const auto shortcut = ParseShortcutText(combination, queries)) {
        PressWithModifiers(steps, shortcut->virtualKey, shortcut->modifiers, false);
    }
    if (withWindowsKey) {
        steps.push_back(KeyStep{kVkLeftWindows, true, false, ScanCodeSource::None});
    }
}

// ---- Files ----

void ExecuteFile(std::u16string_view file, std::u16string_view directory,
                 std::u16string_view appFolder, std::vector<ActionStep>& steps) {
    ProgramLaunch launch = SplitProgramParameters(file);
    if (Trimmed(launch.program).empty()) {
        return; // an action of nothing but "*in*" and a folder names no program
    }
    steps.push_back(ShellStep{std::move(launch.program), std::move(launch.parameters),
                              std::u16string(directory), std::u16string(appFolder)});
}

void PlanFileAction(const ParsedAction& parsed, std::u16string_view appFolder,
                    std::vector<ActionStep>& steps, PlanningQueries& queries) {
    const std::u16string fullPath = FullPathFromFolder(parsed.target, appFolder);
    // Folders, web addresses and names the shell finds itself go as they are.
    const bool isFile = !fullPath.empty() && queries.FileExists(fullPath);
    ExecuteFile(isFile ? std::u16string_view(fullPath) : std::u16string_view(parsed.target),
                parsed.workingDirectory, appFolder, steps);
}

// ---- Built-in commands ----

struct Press {
    std::uint8_t virtualKey;
    std::uint8_t modifiers = 0;
    bool extended = false;
};
struct WindowsShortcut {
    std::uint8_t letter; // 0: the Windows key alone
};
struct OpenFile {
    std::u16string_view file;
};
// A program of the Windows folder, run by its full path: never found by a search that could
// start a planted copy of that name.
struct SystemProgram {
    std::u16string_view fileName;
};
using BuiltInEffect = std::variant<OwnCommand, Press, WindowsShortcut, OpenFile, SystemProgram,
                                   LockStep, WindowCommand, VolumeChange>;

struct BuiltInCommand {
    std::u16string_view name;
    BuiltInEffect effect;
};

const BuiltInCommand kBuiltInCommands[] = {
    {u"disable", OwnCommand::ToggleActive},
    {u"settings", OwnCommand::ShowSettings},
    {u"back", Press{0x25, kModAlt}},
    {u"forward", Press{0x27, kModAlt}},
    {u"refresh", Press{0x74}},
    {u"home page", Press{0x24, kModAlt}},
    {u"new tab", Press{0x54, kModCtrl}},
    {u"next tab", Press{0x09, kModCtrl}},
    {u"previous tab", Press{0x09, kModCtrl | kModShift}},
    {u"close tab", Press{0x73, kModCtrl, true}},
    {u"play/pause", Press{0xB3, 0, true}},
    {u"previous track", Press{0xB1}},
    {u"next track", Press{0xB0, 0, true}},
    {u"stop", Press{0xB2}},
    {u"my computer", OpenFile{u"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"}},
    {u"start button", WindowsShortcut{0}},
    {u"run program", WindowsShortcut{0x52}},
    {u"search", WindowsShortcut{0x46}},
    {u"lock", LockStep{}},
    {u"show desktop", WindowsShortcut{0x44}},
    {u"explorer", SystemProgram{u"explorer.exe"}},
    {u"accessibility", WindowsShortcut{0x55}},
    {u"help", Press{0x70}},
    {u"undo", Press{0x5A, kModCtrl}},
    {u"cut", Press{0x58, kModCtrl}},
    {u"copy", Press{0x43, kModCtrl}},
    {u"paste", Press{0x56, kModCtrl}},
    {u"page up", Press{0x21}},
    {u"page down", Press{0x22}},
    {u"home", Press{0x24}},
    {u"maximise window", WindowCommand::Maximise},
    {u"minimise window", WindowCommand::Minimise},
    {u"restore window", WindowCommand::ToggleMaximise},
    {u"close window", Press{0x73, kModAlt, true}},
    {u"pause", Press{0xB3, 0, true}},
    {u"mute", VolumeChange::Mute},
    {u"volume up", VolumeChange::Up},
    {u"volume down", VolumeChange::Down},
};

const BuiltInCommand* FindBuiltInCommand(std::u16string_view name) {
    const auto found = std::ranges::find(kBuiltInCommands, name, &BuiltInCommand::name);
    return found == std::end(kBuiltInCommands) ? nullptr : &*found;
}

void RunSystemProgram(std::u16string_view fileName, PlanningQueries& queries,
                      std::vector<ActionStep>& steps) {
    const std::u16string folder = queries.WindowsFolder();
    if (!folder.empty()) {
        steps.push_back(ShellStep{folder + std::u16string(fileName), {}, folder, {}});
    }
}

void PlanBuiltIn(std::u16string_view commandName, const PlanContext& context,
                 std::vector<ActionStep>& steps, PlanningQueries& queries) {
    // A modifier still held from the gesture must not change the command.
    ReleaseModifiers(steps, true);
    const BuiltInCommand* command = FindBuiltInCommand(commandName);
    if (command == nullptr) {
        return;
    }
    std::visit(
        Overloaded{
            [&](OwnCommand own) { steps.push_back(OwnCommandStep{own}); },
            [&](Press press) {
                PressWithModifiers(steps, press.virtualKey, press.modifiers, press.extended);
            },
            [&](WindowsShortcut shortcut) { PressWindowsShortcut(steps, shortcut.letter); },
            [&](OpenFile open) { ExecuteFile(open.file, {}, context.appFolder, steps); },
            [&](SystemProgram program) { RunSystemProgram(program.fileName, queries, steps); },
            [&](LockStep lock) { steps.push_back(lock); },
            [&](WindowCommand window) {
                steps.push_back(WindowStep{window, context.target});
            },
            [&](VolumeChange change) { steps.push_back(VolumeStep{change}); },
        },
        command->effect);
}

} // namespace

ActionSelection SelectMotionAction(const MotionSet& set, int motionIndex,
                                   std::u16string_view currentProgram,
                                   std::u16string_view appFolder) {
    ActionSelection selection{{}, std::u16string(doNothingText)};
    // Packed fields are copied out before std::clamp binds references to them.
    const int storedMotionCount = set.motionCount;
    const int storedKnownAppCount = set.knownAppCount;
    const int motionCount = std::clamp(storedMotionCount, 0, kMaxMotions);
    if (motionIndex < 0 || motionIndex >= motionCount) {
        return selection;
    }
    const Motion& motion = set.motions[motionIndex];
    const int knownAppCount = std::clamp(storedKnownAppCount, 0, kKnownAppSlots);
    const int storedRuleCount = motion.ruleCount;
    const int ruleCount = std::min(storedRuleCount, kRuleSlots);

    std::u16string action = motion.defaultAction.View();
    for (int r = 0; r < ruleCount; ++r) {
        const int appIndex = motion.rules[r].appIndex;
        if (appIndex >= knownAppCount) {
            continue;
        }
        const std::u16string path = set.knownApps[appIndex].path.View();
        // An empty slot names no program, not even an unreadable foreground one.
        if (!Trimmed(path).empty() && ComparablePath(path, appFolder) == currentProgram) {
            action = motion.rules[r].action.View(); // no break: the last match wins
        }
    }
    selection.actionText = action.empty() ? std::u16string(doNothingText) : action;
    selection.action = std::move(action);
    return selection;
}

std::optional<Shortcut> ParseShortcutText(std::u16string_view text, PlanningQueries& queries) {
    constexpr std::pair<std::u16string_view, Modifier> kPrefixes[] = {
        {u"Shift+", kModShift}, {u"Ctrl+", kModCtrl}, {u"^", kModCtrl}, {u"Alt+", kModAlt}};
    Shortcut shortcut;
    for (bool found = true; found;) {
        found = false;
        for (const auto& [prefix, modifier] : kPrefixes) {
            if (text.size() > prefix.size() &&
                SameTextIgnoringCase(text.substr(0, prefix.size()), prefix)) {
                shortcut.modifiers |= modifier;
                text.remove_prefix(prefix.size());
                found = true;
            }
        }
    }
    const auto virtualKey = VirtualKeyOfName(text, queries);
    if (!virtualKey) {
        return std::nullopt;
    }
    shortcut.virtualKey = *virtualKey;
    return shortcut;
}

void PressWithModifiers(std::vector<ActionStep>& steps, std::uint8_t virtualKey,
                        std::uint8_t modifiers, bool extended) {
    constexpr std::pair<Modifier, std::uint8_t> kModifierTable[] = {
        {kModCtrl, kVkCtrl}, {kModShift, kVkShift}, {kModAlt, kVkAlt}};
    for (const auto& [modifier, key] : kModifierTable) {
        if (modifiers & modifier) {
            steps.push_back(Down(key));
        }
    }
    steps.push_back(Down(virtualKey, extended));
    steps.push_back(Up(virtualKey, extended));
    for (auto entry = std::rbegin(kModifierTable); entry != std::rend(kModifierTable); ++entry) {
        if (modifiers & entry->first) {
            steps.push_back(Up(entry->second));
        }
    }
}

ActionPlan PlanAction(std::u16string_view action, const PlanContext& context,
                      PlanningQueries& queries) {
    ActionPlan plan{context.source, {}};
    const ParsedAction parsed = ParseAction(action);
    switch (parsed.form) {
    case ActionForm::DoNothing:
        break;
    case ActionForm::Keystrokes:
        plan.steps.push_back(ScriptStep{MyFormatToTheirs(parsed.payload)});
        break;
    case ActionForm::KeyCombination:
        PlanKeyCombination(action, plan.steps, queries);
        break;
    case ActionForm::File:
        PlanFileAction(parsed, context.appFolder, plan.steps, queries);
        break;
    case ActionForm::SameAsDefault: // a name no command has
    case ActionForm::BuiltIn:
        PlanBuiltIn(BuiltInCommandName(action), context, plan.steps, queries);
        break;
    }
    return plan;
}

std::optional<std::uint32_t> SysCommandFor(const WindowStep& step, SystemActions& system) {
    if (!system.IsWindowVisible(step.target)) {
        return std::nullopt;
    }
    switch (step.command) {
    case WindowCommand::Maximise:
        return kScMaximize;
    case WindowCommand::Minimise:
        return kScMinimize;
    case WindowCommand::ToggleMaximise:
        // A placement that cannot be read restores the window.
        return system.GetShowState(step.target) == 1 ? kScMaximize : kScRestore;
    }
    return std::nullopt;
}

std::uint32_t VolumeAfter(VolumeChange change, std::uint32_t currentVolume) {
    constexpr int kStep = 10;
    constexpr int kTop = 255;
    constexpr std::uint32_t kUnitsPerStep = 257;   // 255 * 257 = 65,535
    constexpr std::uint32_t kBothChannels = 65537; // the same value in the low and high word
    if (change == VolumeChange::Mute) {
        return 0;
    }
    const int level = static_cast<int>((currentVolume & 0xFFFF) / kUnitsPerStep);
    const int changed =
        std::clamp(change == VolumeChange::Up ? level + kStep : level - kStep, 0, kTop);
    return static_cast<std::uint32_t>(changed) * kUnitsPerStep * kBothChannels;
}

ActionPlanExecutor::ActionPlanExecutor(Keyboard& keyboard, SystemActions& system,
                                       const OwnerCommands& owner)
    : keyboard_(keyboard), system_(system), owner_(owner) {}

std::optional<ActionFailure> ActionPlanExecutor::Execute(const ActionPlan& plan) {
    std::optional<ActionFailure> first;
    for (const ActionStep& step : plan.steps) {
        auto failure = Run(step, plan.source);
        if (failure && !first) {
            first = std::move(failure);
        }
    }
    return first;
}

std::optional<ActionFailure> ActionPlanExecutor::Run(const ActionStep& step, ActionSource source) {
    if (const auto* shell = std::get_if<ShellStep>(&step)) {
        if (source != ActionSource::UserSet) {
            return std::nullopt;
        }
        if (auto reason = system_.OpenWithShell(*shell)) {
            return ActionFailure{shell->program + shell->parameters, std::move(*reason)};
        }
        return std::nullopt;
    }
    std::visit(Overloaded{
                   [&](const KeyStep& key) {
                       const std::uint8_t scanCode = key.scanCode == ScanCodeSource::FromLayout
                                                         ? keyboard_.ScanCodeOf(key.virtualKey)
                                                         : 0;
                       keyboard_.SendKeyEvent({.virtualKey = key.virtualKey,
                                               .scanCode = scanCode,
                                               .keyUp = key.keyUp,
                                               .extended = key.extended});
                   },
                   [&](const ScriptStep& script) { SendScript(keyboard_, script.script, true); },
                   [](const ShellStep&) {}, // above: the only step that can fail
                   [&](const WindowStep& window) {
                       if (const auto command = SysCommandFor(window, system_)) {
                           system_.PostSysCommand(window.target, *command);
                       }
                   },
                   [&](const LockStep&) { system_.LockWorkStation(); },
                   [&](const VolumeStep& volume) {
                       if (!system_.HasWaveOutDevice()) {
                           return;
                       }
                       std::uint32_t current = 0;
                       if (volume.change != VolumeChange::Mute) {
                           const auto read = system_.ReadWaveOutVolume();
                           if (!read) {
                               return;
                           }
                           current = *read;
                       }
                       system_.WriteWaveOutVolume(VolumeAfter(volume.change, current));
                   },
                   [&](const OwnCommandStep& own) {
                       const auto& command = own.command == OwnCommand::ToggleActive
                                                 ? owner_.btnActiveClick
                                                 : owner_.Settings1Click;
                       if (command) {
                           command();
                       }
                   },
               },
               step);
    return std::nullopt;
}

ActionRunner::ActionRunner(MotionActionContext context) : context_(std::move(context)) {}

MotionActionResult ActionRunner::RunMotionAction(int motionIndex, WindowHandle targetWindow) {
    MotionActionResult result;
    if (motionIndex < 0 || !context_.isActive || !context_.isActive()) {
        return result;
    }
    ActionSelection selection =
        SelectMotionAction(context_.set, motionIndex, context_.currentProgram, context_.appFolder);
    if (selection.action.empty()) {
        result.outcome = MotionActionOutcome::DoesNothing;
        return result;
    }
    const PlanContext planContext{context_.appFolder, targetWindow, ActionSource::UserSet};
    result.failure =
        context_.executor.Execute(PlanAction(selection.action, planContext, context_.queries));
    result.outcome = result.failure ? MotionActionOutcome::Failed : MotionActionOutcome::Ran;
    result.action = std::move(selection.action);
    return result;
}

} // namespace traxo
