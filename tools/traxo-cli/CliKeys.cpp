// traxo-cli keys: what a keystroke action makes of a script, without touching the keyboard.
//   keys translate SCRIPT   the script in the sender notation
//   keys plan SCRIPT        the key events a keystroke action with SCRIPT sends on a US layout;
//                           "U+XXXX" for a character that layout has no key for, sent as itself
#include "Cli.h"
#include "actions/sndkey32.h"
#include "platform/Utf8.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace traxo::cli {
namespace {

std::string DescribeEvent(const RecordedKey& key) {
    switch (key.action) {
    case KeyAction::NumLockOn:
        return "numlock on";
    case KeyAction::NumLockOff:
        return "numlock off";
    case KeyAction::Down:
    case KeyAction::Up:
        break;
    }
    char code[8];
    if (key.character != 0) {
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(key.character));
    } else {
        std::snprintf(code, sizeof code, "%02X", key.virtualKey);
    }
    std::string line = key.action == KeyAction::Down ? "down " : "up ";
    line += code;
    if (key.extended) {
        line += " ext";
    }
    return line;
}

int Translate(std::u16string_view script, Streams io) {
    io.out << Utf16ToUtf8(MyFormatToTheirs(script)) << '\n';
    return kExitOk;
}

// The script runs as a keystroke action runs it: translated, then sent.
int Plan(std::u16string_view script, Streams io) {
    const std::u16string theirs = MyFormatToTheirs(script);
    const KeystrokePlan plan = PlanScript(theirs);
    RecordingKeyboard keyboard;
    if (FindEventLimitOverrun(keyboard, theirs)) {
        io.out << "over " << kMaxKeyEventsPerRun << " key events: nothing is sent\n";
    }
    for (const RecordedKey& key : plan.events) {
        io.out << DescribeEvent(key) << '\n';
    }
    if (plan.unlistedEvents > 0) {
        io.out << "... " << plan.unlistedEvents << " more events\n";
    }
    io.out << "result: " << (plan.result ? "true" : "false") << '\n';
    return plan.result ? kExitOk : kExitFindings;
}

} // namespace

int RunKeys(std::span<const std::string> args, Streams io) {
    if (args.empty()) {
        io.err << "traxo-cli keys: missing subcommand: translate or plan\n";
        return kExitBadInput;
    }
    const std::string& subcommand = args[0];
    int (*run)(std::u16string_view, Streams) = nullptr;
    if (subcommand == "translate") {
        run = Translate;
    } else if (subcommand == "plan") {
        run = Plan;
    } else {
        io.err << "traxo-cli keys: unknown subcommand: expected translate or plan\n";
        return kExitBadInput;
    }
    if (args.size() < 2) {
        io.err << "traxo-cli keys " << subcommand << ": missing SCRIPT\n";
        return kExitBadInput;
    }
    if (args.size() > 2) {
        io.err << "traxo-cli keys " << subcommand << ": one SCRIPT expected, got "
               << args.size() - 1 << " arguments\n";
        return kExitBadInput;
    }
    const std::optional<std::u16string> script = Utf8ToUtf16(args[1]);
    if (!script) {
        io.err << "traxo-cli keys " << subcommand << ": SCRIPT is not valid UTF-8\n";
        return kExitBadInput;
    }
    return run(*script, io);
}

} // namespace traxo::cli
