#include "Cli.h"

#include <array>
#include <ostream>
#include <string_view>

namespace traxo::cli {
namespace {

struct Command {
    std::string_view name;
    std::string_view usage;
    int (*run)(std::span<const std::string>, Streams);
};

constexpr std::array kCommands{
    Command{"recognise", "recognise [--precise] FILE|-", RunRecognise},
    Command{"set", "set (dump FILE|build FILE.json OUT.mtd|check FILE)", RunSet},
    Command{"keys", "keys (translate|plan) SCRIPT", RunKeys},
};

void PrintUsage(std::ostream& err) {
    err << "usage: traxo-cli";
    std::string_view separator = " ";
    for (const Command& command : kCommands) {
        err << separator << command.usage;
        separator = " | ";
    }
    err << '\n';
}

} // namespace

int Run(std::span<const std::string> args, Streams io) {
    if (!args.empty()) {
        for (const Command& command : kCommands) {
            if (args[0] == command.name) {
                return command.run(args.subspan(1), io);
            }
        }
    }
    PrintUsage(io.err);
    return kExitBadInput;
}

} // namespace traxo::cli
