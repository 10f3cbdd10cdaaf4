#include "Cli.h"

#include <array>
#include <istream>
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

void PrintUsage(std::ostream& stream) {
    stream << "usage: traxo-cli";
    std::string_view separator = " ";
    for (const Command& command : kCommands) {
        stream << separator << command.usage;
        separator = " | ";
    }
    stream << '\n';
}

} // namespace

bool ReadAtMost(std::istream& in, std::size_t limit, std::string& content) {
    content.clear();
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        const auto count = static_cast<std::size_t>(in.gcount());
        if (content.size() + count > limit) {
            return false;
        }
        content.append(buffer, count);
    }
    return true;
}

int Run(std::span<const std::string> args, Streams io) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "help" || args[0] == "-h")) {
        PrintUsage(io.out);
        return kExitOk;
    }
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
