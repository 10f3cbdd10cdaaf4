#pragma once
// The commands of traxo-cli, callable without a process so that tests can drive them.

#include <cstddef>
#include <filesystem>
#include <iosfwd>
#include <span>
#include <string>

namespace traxo::cli {

// Exit statuses shared by every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFindings = 1; // the command ran and found something wrong
inline constexpr int kExitBadInput =
    2; // unusable arguments or input: one line on err, nothing on out

struct Streams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

// A file named on the command line: the words are UTF-8 on every system.
inline std::filesystem::path PathFromArgument(const std::string& word) {
    return std::filesystem::path(std::u8string(word.begin(), word.end()));
}

// JSON input is read up to this many bytes; anything longer is refused, so that an endless
// input (a device, a pipe) cannot exhaust the memory. Far more than the largest set needs.
inline constexpr std::size_t kMaxJsonInput = std::size_t{64} << 20;
inline constexpr const char* kInputTooLarge = "larger than 64 MB; refused";

// Reads the whole stream into content; false, with content unspecified, when it holds more than
// limit bytes.
bool ReadAtMost(std::istream& in, std::size_t limit, std::string& content);

// args are the words after the program name.
int Run(std::span<const std::string> args, Streams io);

// One function per command; args are the words after the command's own name.
int RunRecognise(std::span<const std::string> args, Streams io);
int RunSet(std::span<const std::string> args, Streams io);
int RunKeys(std::span<const std::string> args, Streams io);

} // namespace traxo::cli
