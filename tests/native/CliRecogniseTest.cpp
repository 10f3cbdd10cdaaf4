// traxo-cli recognise prints the recogniser's trace for raw paths given in JSON, and refuses
// every malformed input with one line on standard error.
#include "Cli.h"
#include "RecognitionTestPaths.h"
#include "sets/MotionSet.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace traxo {
namespace {

using nlohmann::json;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

CliResult RunCli(const std::vector<std::string>& args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::Run(args, {in, out, err});
    return {status, out.str(), err.str()};
}

CliResult Recognise(const json& input) {
    return RunCli({"recognise", "-"}, input.dump());
}

json PathJson(const std::vector<Point>& points) {
    json path = json::array();
    for (const Point& p : points) {
        path.push_back({p.x, p.y});
    }
    return path;
}

json InputOf(const std::vector<std::vector<Point>>& motions, const std::vector<Point>& gesture) {
    json input{{"motions", json::array()}, {"gesture", PathJson(gesture)}};
    for (const auto& motion : motions) {
        input["motions"].push_back(PathJson(motion));
    }
    return input;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

const std::filesystem::path kData = std::filesystem::path(TRAXO_TEST_DATA) / "recognise";

TEST(CliRecognise, PrintsTheTraceAndTheMatch) {
    const CliResult result =
        Recognise(InputOf({test::HorizontalStroke()}, test::HorizontalStroke()));
    EXPECT_EQ(result.status, cli::kExitOk);
    EXPECT_EQ(result.out, "Comparitive liklihood of match;\n"
                          " Motion 1 : 2999.06275\n"
                          "Most likely : 1 ~100%\n"
                          "result: 0\n");
    EXPECT_EQ(result.err, "");
}

TEST(CliRecognise, AcceptsTheReversedStrokeAgainstALoneMotion) {
    const CliResult result =
        Recognise(InputOf({test::HorizontalStroke()}, test::Reversed(test::HorizontalStroke())));
    EXPECT_EQ(result.out, "Comparitive liklihood of match;\n"
                          " Motion 1 : 0.20284\n"
                          "Most likely : 1 ~99.51%\n"
                          "result: 0\n");
}

TEST(CliRecognise, ReportsAGestureItCannotTell) {
    const CliResult result =
        Recognise(InputOf({test::Reversed(test::VerticalStroke()), test::HorizontalStroke()},
                          test::VerticalStroke()));
    EXPECT_EQ(result.status, cli::kExitOk);
    EXPECT_EQ(result.out, "Comparitive liklihood of match;\n"
                          " Motion 1 : 0.01051\n"
                          " Motion 2 : 0.19609\n"
                          "Most likely : 2 ~94.64%\n"
                          "Unable to distinguish motion\n"
                          "result: -1\n");
}

TEST(CliRecognise, PreciseRecognitionPrintsItsOwnTrace) {
    const json input = InputOf({test::Reversed(test::HorizontalStroke()), test::HorizontalStroke()},
                               test::HorizontalStroke());
    const CliResult result = RunCli({"recognise", "--precise", "-"}, input.dump());
    EXPECT_EQ(result.status, cli::kExitOk);
    EXPECT_THAT(result.out, StartsWith("Precise match, mean distance of matched points;\n"
                                       " Motion 1 : "));
    EXPECT_THAT(result.out, HasSubstr(" Motion 1 : far\n Motion 2 : 0\nNearest : 2 ~0\n"));
    EXPECT_THAT(result.out, ::testing::EndsWith("\nresult: 1\n"));
}

TEST(CliRecognise, TreatsFourRawPointsAsAClick) {
    const std::vector<Point> click = test::Stroke({10, 10}, {40, 0}, 4);
    EXPECT_EQ(Recognise(InputOf({click}, click)).out, "result: -1\n");

    const std::vector<Point> gesture = test::Stroke({10, 10}, {40, 0}, 5);
    EXPECT_THAT(Recognise(InputOf({gesture}, gesture)).out,
                StartsWith("Comparitive liklihood of match;\n Motion 1 : "));
}

TEST(CliRecognise, PrintsNoTraceWithoutMotions) {
    EXPECT_EQ(Recognise(InputOf({}, test::HorizontalStroke())).out, "result: -1\n");
}

TEST(CliRecognise, TakesTheFullestInputItAllows) {
    const std::vector<Point> longest = test::Stroke({-1000, 0}, {1, 1}, kMaxPathPoints);
    const std::vector<std::vector<Point>> motions(kMaxMotions, longest);
    json input = InputOf(motions, longest);
    input["gesture"][0] = {-2147483648LL, 2147483647};
    const CliResult result = Recognise(input);
    EXPECT_EQ(result.status, cli::kExitOk) << result.err;
    EXPECT_THAT(result.out, HasSubstr(" Motion 100 : "));
}

TEST(CliRecognise, ReadsAFile) {
    const CliResult result = RunCli({"recognise", (kData / "strokes.json").string()});
    EXPECT_EQ(result.status, cli::kExitOk);
    EXPECT_EQ(result.out, ReadFile(kData / "strokes.expected"));
}

void ExpectRefused(const CliResult& result, const std::string& what) {
    EXPECT_EQ(result.status, cli::kExitBadInput);
    EXPECT_EQ(result.out, "");
    EXPECT_THAT(result.err, StartsWith("traxo-cli recognise: "));
    EXPECT_THAT(result.err, HasSubstr(what));
    EXPECT_THAT(result.err, EndsWith("\n"));
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
}

TEST(CliRecognise, RefusesInputThatIsNotTheExpectedJson) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"", "not valid JSON"},
        {R"({"motions": [], "gesture": [})", "not valid JSON"},
        {R"([])", R"(expected an object with "motions" and "gesture")"},
        {R"({"motions": []})", R"(expected both "motions" and "gesture")"},
        {R"({"gesture": []})", R"(expected both "motions" and "gesture")"},
        {R"({"motions": [], "gesture": [], "speed": 1})", R"(unexpected key "speed")"},
        {R"({"motions": {}, "gesture": []})", "motions is not a list of paths"},
        {R"({"motions": [7], "gesture": []})", "motions[0] is not a list of [x, y] points"},
        {R"({"motions": [], "gesture": 5})", "gesture is not a list of [x, y] points"},
        {R"({"motions": [], "gesture": [[1, 2], [3]]})", "gesture[1] is not an [x, y] pair"},
        {R"({"motions": [[[1, 2, 3]]], "gesture": []})", "motions[0][0] is not an [x, y] pair"},
        {R"({"motions": [], "gesture": [{"x": 1, "y": 2}]})", "gesture[0] is not an [x, y] pair"},
    };
    for (const auto& [input, what] : cases) {
        SCOPED_TRACE(input);
        ExpectRefused(RunCli({"recognise", "-"}, input), "standard input: " + what);
    }
}

TEST(CliRecognise, RefusesCoordinatesThatAreNotInt32) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"[1.5, 2]", "gesture[0][0] is not an integer"},
        {"[1, 2.0]", "gesture[0][1] is not an integer"},
        {R"(["3", 2])", "gesture[0][0] is not an integer"},
        {"[true, 2]", "gesture[0][0] is not an integer"},
        {"[null, 2]", "gesture[0][0] is not an integer"},
        {"[1e400, 2]", "cannot read the JSON: number overflow parsing '1e400'"},
        {"[2147483648, 2]", "gesture[0][0] lies outside the 32-bit range"},
        {"[1, -2147483649]", "gesture[0][1] lies outside the 32-bit range"},
        {"[18446744073709551615, 2]", "gesture[0][0] lies outside the 32-bit range"},
    };
    for (const auto& [point, what] : cases) {
        SCOPED_TRACE(point);
        ExpectRefused(RunCli({"recognise", "-"}, R"({"motions": [], "gesture": [)" + point + "]}"),
                      what);
    }
}

TEST(CliRecognise, RefusesMoreThanTheSetOrAPathCanHold) {
    const std::vector<Point> stroke = test::HorizontalStroke();
    ExpectRefused(Recognise(InputOf(std::vector(kMaxMotions + 1, stroke), stroke)),
                  "motions has 101 paths; a set holds at most 100");

    const std::vector<Point> tooLong = test::Stroke({0, 0}, {1, 0}, kMaxPathPoints + 1);
    ExpectRefused(Recognise(InputOf({stroke}, tooLong)),
                  "gesture has 2002 points; at most 2001 fit in a path");
    ExpectRefused(Recognise(InputOf({stroke, tooLong}, stroke)),
                  "motions[1] has 2002 points; at most 2001 fit in a path");
}

TEST(CliRecognise, RefusesAFileItCannotRead) {
    ExpectRefused(RunCli({"recognise", (kData / "no-such-file.json").string()}),
                  "no-such-file.json: cannot open the file");
    ExpectRefused(RunCli({"recognise", kData.string()}), "cannot read: it is a folder");
}

TEST(CliRecognise, WantsExactlyOneFile) {
    for (const auto& args : {std::vector<std::string>{"recognise"},
                             std::vector<std::string>{"recognise", "a.json", "b.json"},
                             std::vector<std::string>{"recognise", "--precise"},
                             std::vector<std::string>{"recognise", "--precise", "a", "b"}}) {
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.status, cli::kExitBadInput);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "usage: traxo-cli recognise [--precise] FILE|-\n");
    }
}

TEST(CliRecognise, TheProgramRecognisesAFile) {
    const std::string command = std::string("\"") + TRAXO_CLI_PATH + "\" recognise \"" +
                                (kData / "strokes.json").string() + "\"";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
        out += buffer;
    }
    const int status = pclose(pipe);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(out, ReadFile(kData / "strokes.expected"));
}

} // namespace
} // namespace traxo
