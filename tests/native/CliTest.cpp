// traxo-cli as a whole: its help, and input that is read only up to a bound.
#include "Cli.h"

#include "SetTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>

namespace traxo {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;
namespace fs = std::filesystem;

struct Result {
    int exitCode;
    std::string out;
    std::string err;
};

Result RunCli(const std::vector<std::string>& args) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const int exitCode = cli::Run(args, {in, out, err});
    return {exitCode, out.str(), err.str()};
}

TEST(Cli, HelpPrintsTheUsageAndSucceeds) {
    for (const char* help : {"--help", "help", "-h"}) {
        const Result result = RunCli({help});
        EXPECT_EQ(result.exitCode, cli::kExitOk) << help;
        EXPECT_THAT(result.out, StartsWith("usage: traxo-cli recognise")) << help;
        EXPECT_EQ(result.err, "") << help;
    }
    const Result wrong = RunCli({"--frob"});
    EXPECT_EQ(wrong.exitCode, cli::kExitBadInput);
    EXPECT_THAT(wrong.err, StartsWith("usage: traxo-cli"));
}

// An endless input stops being read past the bound, with one line and the bad-input status.
TEST(Cli, EndlessInputIsRefusedPastItsBound) {
    if (!fs::exists("/dev/zero")) {
        GTEST_FAIL() << "no /dev/zero on this system";
    }
    testing::TemporaryFolder folder;
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"recognise", "/dev/zero"},
          std::vector<std::string>{"set", "build", "/dev/zero", (folder / "o.mtd").string()}}) {
        const Result result = RunCli(args);
        EXPECT_EQ(result.exitCode, cli::kExitBadInput) << args[0];
        EXPECT_EQ(result.out, "");
        EXPECT_THAT(result.err, HasSubstr("larger than 64 MB"));
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
    EXPECT_FALSE(fs::exists(folder / "o.mtd"));
}

} // namespace
} // namespace traxo
