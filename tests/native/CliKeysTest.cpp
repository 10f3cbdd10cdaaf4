// traxo-cli keys: the translation and the plan of a script as lines of text, and one clear line
// for every kind of bad input.
#include "Cli.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace traxo::cli {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome RunKeysCommand(std::vector<std::string> words) {
    words.insert(words.begin(), "keys");
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const int status = Run(words, {in, out, err});
    return {status, out.str(), err.str()};
}

void ExpectBadInput(const std::vector<std::string>& words) {
    const Outcome outcome = RunKeysCommand(words);
    EXPECT_EQ(outcome.status, kExitBadInput);
    EXPECT_EQ(outcome.out, "");
    ASSERT_FALSE(outcome.err.empty());
    EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
}

TEST(CliKeys, TranslatePrintsTheSenderNotationOnOneLine) {
    const Outcome outcome = RunKeysCommand({"translate", "[ctrl:{left}{left}] a+b \\{x\\}"});
    EXPECT_EQ(outcome.status, kExitOk);
    EXPECT_EQ(outcome.out, "^({left}{left}) a{+}b {{}x{}}\n");
    EXPECT_EQ(outcome.err, "");
}

TEST(CliKeys, TranslateKeepsTextOutsideTheBasicPlane) {
    EXPECT_EQ(RunKeysCommand({"translate", "é中😀"}).out, "é中😀\n");
    EXPECT_EQ(RunKeysCommand({"translate", ""}).out, "\n");
}

TEST(CliKeys, PlanListsEventsAndEndsWithTheResult) {
    const Outcome outcome = RunKeysCommand({"plan", "[ctrl:{left}]"});
    EXPECT_EQ(outcome.status, kExitOk);
    EXPECT_EQ(outcome.out, "down 11\ndown 25 ext\nup 25 ext\nup 11\nresult: true\n");
    EXPECT_EQ(outcome.err, "");
}

TEST(CliKeys, PlanOfAFailingScriptReportsFalse) {
    const Outcome outcome = RunKeysCommand({"plan", "a{enter"});
    EXPECT_EQ(outcome.status, kExitFindings);
    EXPECT_EQ(outcome.out, "down 41\nup 41\nresult: false\n");
    EXPECT_EQ(RunKeysCommand({"plan", ""}).out, "result: false\n");
    EXPECT_EQ(RunKeysCommand({"plan", "{a 70000}"}).out, "result: false\n");
}

TEST(CliKeys, PlanShowsNumLockChanges) {
    EXPECT_EQ(RunKeysCommand({"plan", "{numlock}"}).out, "numlock on\nresult: true\n");
}

TEST(CliKeys, PlansOverTheEventLimitSayThatNothingIsSent) {
    std::string script;
    for (int i = 0; i < 9; ++i) {
        script += "{tab 65535}";
    }
    const Outcome outcome = RunKeysCommand({"plan", script});
    EXPECT_EQ(outcome.status, kExitFindings);
    EXPECT_EQ(outcome.out, "over 10000 key events: nothing is sent\nresult: false\n");
    EXPECT_EQ(RunKeysCommand({"plan", "{tab 5000}"}).out.find("over"), std::string::npos);
}

TEST(CliKeys, PlanShowsCharactersWithoutAKeyAsUnicode) {
    const Outcome outcome = RunKeysCommand({"plan", "é中😀a"});
    EXPECT_EQ(outcome.status, kExitOk);
    EXPECT_EQ(outcome.out, "down U+00E9\nup U+00E9\ndown U+4E2D\nup U+4E2D\ndown U+D83D\n"
                           "up U+D83D\ndown U+DE00\nup U+DE00\ndown 41\nup 41\nresult: true\n");
}

TEST(CliKeys, BadInputGetsOneLineAndStatusTwo) {
    ExpectBadInput({});
    ExpectBadInput({"type", "abc"});
    ExpectBadInput({"translate"});
    ExpectBadInput({"plan"});
    ExpectBadInput({"plan", "a", "b"});
    ExpectBadInput({"translate", "a", ""});
}

TEST(CliKeys, InvalidUtf8IsBadInput) {
    for (const std::string bytes : {"\xFF", "a\x80", "\xC0\x80", "\xE4\xB8", "\xED\xA0\x80",
                                    "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80"}) {
        ExpectBadInput({"translate", bytes});
        ExpectBadInput({"plan", bytes});
    }
}

TEST(CliKeys, TheProgramExitsWithTheStatusOfTheCommand) {
    const std::string cli = TRAXO_CLI_PATH;
    EXPECT_EQ(WEXITSTATUS(std::system((cli + " keys plan 'x' >/dev/null").c_str())), kExitOk);
    EXPECT_EQ(WEXITSTATUS(std::system((cli + " keys plan '{x' >/dev/null").c_str())),
              kExitFindings);
    EXPECT_EQ(WEXITSTATUS(std::system((cli + " keys 2>/dev/null").c_str())), kExitBadInput);
}

} // namespace
} // namespace traxo::cli
