// traxo-cli set: JSON out and back in without loss, refusal of what does not fit the image, and
// findings for damaged files; files are only ever read.
#include "Cli.h"
#include "SetTestSupport.h"
#include "sets/SetFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>
#include <sys/stat.h>

namespace traxo {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::ReadAll;
using testing::SampleSet;
using testing::TemporaryFolder;
using testing::WriteAll;
using Json = nlohmann::json;
namespace fs = std::filesystem;

struct Result {
    int exitCode;
    std::string out;
    std::string err;
};

Result RunCli(std::vector<std::string> args) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    args.insert(args.begin(), "set");
    const int exitCode = cli::Run(args, {in, out, err});
    return {exitCode, out.str(), err.str()};
}

std::string ReadText(const fs::path& file) {
    const ByteVector bytes = ReadAll(file);
    return {bytes.begin(), bytes.end()};
}

void WriteText(const fs::path& file, const std::string& text) {
    WriteAll(file, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

// Bad input: exactly one line on the error stream, nothing on the output.
void ExpectBadInput(const Result& result, const std::string& part) {
    EXPECT_EQ(result.exitCode, cli::kExitBadInput);
    EXPECT_EQ(result.out, "");
    EXPECT_THAT(result.err, HasSubstr(part));
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    EXPECT_TRUE(result.err.ends_with('\n'));
}

TEST(CliSet, BuildThenDumpPrintsTheSameJson) {
    TemporaryFolder folder;
    const fs::path sample = fs::path(TRAXO_TEST_DATA) / "sets" / "sample.json";
    ASSERT_EQ(RunCli({"build", sample.string(), (folder / "s.mtd").string()}).exitCode,
              cli::kExitOk);
    const Result dump = RunCli({"dump", (folder / "s.mtd").string()});
    EXPECT_EQ(dump.exitCode, cli::kExitOk);
    EXPECT_EQ(dump.err, "");
    EXPECT_EQ(dump.out, ReadText(sample));
}

TEST(CliSet, SaveDumpBuildLoadGivesBackTheSameImage) {
    TemporaryFolder folder;
    auto saved = SampleSet(100, 201);
    std::u16string emoji;
    for (int i = 0; i < 512; ++i) {
        emoji += u"\xD83D\xDE00"; // a full field of surrogate pairs
    }
    saved->motions[7].defaultAction.Assign(emoji);
    saved->motions[8].defaultAction.Assign(u"\"quoted\" \\ \t\u00e9\u65e5");
    // Motion 10 has no rule yet: text assigned over a longer one would leave units after the
    // terminator that JSON does not carry.
    saved->motions[10].ruleCount = kRuleSlots;
    for (int r = 0; r < kRuleSlots; ++r) {
        saved->motions[10].rules[r].appIndex = static_cast<std::uint8_t>(200 - r);
        saved->motions[10].rules[r].action.Assign(u"\xD83D\xDE00 rule");
    }
    ASSERT_FALSE(WriteSetFile(*saved, folder / "saved.mtd"));

    const Result dump = RunCli({"dump", (folder / "saved.mtd").string()});
    ASSERT_EQ(dump.exitCode, cli::kExitOk) << dump.err;
    WriteText(folder / "set.json", dump.out);
    const Result build =
        RunCli({"build", (folder / "set.json").string(), (folder / "built.mtd").string()});
    ASSERT_EQ(build.exitCode, cli::kExitOk) << build.err;
    EXPECT_EQ(build.out, "");

    const SetFileContent content = ReadSetFile(folder / "built.mtd");
    auto loaded = testing::EmptySet();
    EXPECT_THAT(DecodeSetContent(content.form, content.bytes, *loaded), ElementsAre());
    EXPECT_TRUE(testing::SameImage(*loaded, *saved));
    EXPECT_EQ(ReadAll(folder / "built.mtd"), ReadAll(folder / "saved.mtd"));
}

Json Motion(int points = 2) {
    Json path = Json::array();
    for (int p = 0; p < points; ++p) {
        path.push_back({p, -p});
    }
    return {{"points", path}, {"defaultAction", "@Keys:Ctrl+W"}, {"rules", Json::array()}};
}

Json KnownApps(int count) {
    Json apps = Json::array();
    for (int a = 0; a < count; ++a) {
        apps.push_back({{"path", "app" + std::to_string(a) + ".exe"}, {"title", "App"}});
    }
    return apps;
}

Json Set(Json motions, int knownApps = 2) {
    return {{"motions", std::move(motions)}, {"knownApps", KnownApps(knownApps)}};
}

Json WithRules(int count) {
    Json motion = Motion();
    for (int r = 0; r < count; ++r) {
        motion["rules"].push_back({{"appIndex", r}, {"action", "x"}});
    }
    return motion;
}

Json WithText(std::string text) {
    Json motion = Motion();
    motion["defaultAction"] = std::move(text);
    return motion;
}

std::string Emoji(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += "\xF0\x9F\x98\x80"; // two UTF-16 units each
    }
    return text;
}

Result Build(const TemporaryFolder& folder, const std::string& json) {
    WriteText(folder / "in.json", json);
    return RunCli({"build", (folder / "in.json").string(), (folder / "out.mtd").string()});
}

TEST(CliSet, BuildAcceptsASetThatFillsEverySlot) {
    TemporaryFolder folder;
    Json motions(Json::array(
        {Motion(2001), WithRules(101), WithText(Emoji(512)), WithText(std::string(1024, 'a'))}));
    motions.back()["rules"].push_back({{"appIndex", 200}, {"action", std::string(1024, 'r')}});
    while (motions.size() < 100) {
        motions.push_back(Motion());
    }
    const Result result = Build(folder, Set(motions, 201).dump());
    EXPECT_EQ(result.exitCode, cli::kExitOk) << result.err;
    EXPECT_EQ(RunCli({"check", (folder / "out.mtd").string()}).exitCode, cli::kExitOk);
}

TEST(CliSet, BuildRejectsWhatDoesNotFitTheImage) {
    struct Case {
        std::string json;
        std::string message;
    };
    const std::vector<Case> cases = {
        {Set(Json(std::vector<Json>(101, Motion()))).dump(),
         "motions: 101 entries, at most 100 fit"},
        {Set({Motion(2002)}).dump(), "motions[0].points: 2002 entries, at most 2001 fit"},
        {Set({WithRules(102)}, 102).dump(), "motions[0].rules: 102 entries, at most 101 fit"},
        {Set({}, 202).dump(), "knownApps: 202 entries, at most 201 fit"},
        {Set({WithText(std::string(1025, 'a'))}).dump(),
         "motions[0].defaultAction: 1025 UTF-16 units"},
        {Set({WithText(Emoji(513))}).dump(), "1026 UTF-16 units, at most 1024 fit"},
        {Set({WithText(std::string("a\0b", 3))}).dump(), "holds a NUL character"},
        {Set({WithRules(3)}, 2).dump(), "motions[0].rules[2].appIndex: not an integer from 0 to 1"},
        {Set({WithRules(1)}, 0).dump(), "there are no known programs"},
        {R"({"motions": [{"points": [], "defaultAction": "", "rules": [{"appIndex": 1, "action": ""},
             {"appIndex": 1, "action": ""}]}], "knownApps": [{"path": "", "title": ""}, {"path": "", "title": ""}]})",
         "motions[0].rules[1].appIndex: a second rule for known program 1"},
        {R"({"motions": [{"points": [[2147483648, 0]], "defaultAction": "", "rules": []}], "knownApps": []})",
         "motions[0].points[0][0]: not an integer"},
        {R"({"motions": [{"points": [[1.5, 0]], "defaultAction": "", "rules": []}], "knownApps": []})",
         "not an integer"},
        {R"({"motions": [{"points": [[1, 2, 3]], "defaultAction": "", "rules": []}], "knownApps": []})",
         "motions[0].points[0]: not a pair [x, y]"},
        {R"({"motions": [{"points": [], "rules": []}], "knownApps": []})",
         "motions[0]: missing \"defaultAction\""},
        {R"({"motions": [], "knownApps": [], "extra": 1})", "the set: unknown key \"extra\""},
        {R"({"motions": {}, "knownApps": []})", "motions: not an array"},
        {R"([1, 2])", "the set: not an object"},
        {R"({"motions": [], "knownApps": [{"path": 7, "title": ""}]})",
         "knownApps[0].path: not a string"},
        {"{\"motions\": [", "not JSON"},
    };
    TemporaryFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        ExpectBadInput(Build(folder, c.json), c.message);
        EXPECT_FALSE(fs::exists(folder / "out.mtd"));
    }
}

TEST(CliSet, BadArgumentsAndUnreadableFilesAreBadInput) {
    TemporaryFolder folder;
    ExpectBadInput(RunCli({}), "usage");
    ExpectBadInput(RunCli({"dump"}), "usage");
    ExpectBadInput(RunCli({"frob", "x"}), "usage");
    ExpectBadInput(RunCli({"dump", (folder / "missing.mtd").string()}),
                   "missing.mtd: no such file");
    ExpectBadInput(RunCli({"check", (folder / "missing.mtd").string()}), "no such file");
    ExpectBadInput(
        RunCli({"build", (folder / "missing.json").string(), (folder / "o.mtd").string()}),
        "no such file");

    WriteText(folder / "garbage.mtd", "this is not a set");
    ExpectBadInput(RunCli({"dump", (folder / "garbage.mtd").string()}), "cannot be decompressed");
    ExpectBadInput(RunCli({"check", (folder / "garbage.mtd").string()}), "cannot be decompressed");

    fs::create_directory(folder / "folder.mtd");
    ExpectBadInput(RunCli({"dump", (folder / "folder.mtd").string()}), "cannot be read");
    WriteText(folder / "empty.json", "{\"motions\": [], \"knownApps\": []}");
    ExpectBadInput(
        RunCli({"build", (folder / "empty.json").string(), (folder / "folder.mtd").string()}),
        "not a regular file");
}

TEST(CliSet, CheckPrintsNothingForASoundSet) {
    TemporaryFolder folder;
    ASSERT_FALSE(WriteSetFile(*SampleSet(20, 5), folder / "sound.mtd"));
    const Result result = RunCli({"check", (folder / "sound.mtd").string()});
    EXPECT_EQ(result.exitCode, cli::kExitOk);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
}

TEST(CliSet, CheckReportsEveryRepairOnItsOwnLineAndWritesNothing) {
    TemporaryFolder folder;
    auto damaged = SampleSet(4, 3);
    damaged->motions[3].rules[0].appIndex = 9;
    damaged->knownApps[2].title.units[1024] = u'x'; // terminator overwritten
    for (int i = 0; i < 1024; ++i) {
        damaged->knownApps[2].title.units[i] = u't';
    }
    damaged->motionCount = 101;
    const auto image = ImageBytes(*damaged);
    WriteAll(folder / "raw.mtd", image);
    fs::resize_file(folder / "raw.mtd", image.size() + 10);

    const Result result = RunCli({"check", (folder / "raw.mtd").string()});
    EXPECT_EQ(result.exitCode, cli::kExitFindings);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out,
              "motionCount 101 is outside 0 to 100; read as 100\n"
              "known program 2: title has no terminator; cut at 1024 characters\n"
              "motion 3: rule 0: appIndex 9 is not a known program (3 known); rule dropped\n"
              "the file holds 10 bytes after the image; they are ignored\n");
    // The program would compress this file in place; the command leaves it alone.
    EXPECT_EQ(fs::file_size(folder / "raw.mtd"), image.size() + 10);
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"raw.mtd"}));
}

// What is not a set is never dumped as one: the findings check gives, on the error stream.
TEST(CliSet, DumpOfSomethingThatIsNoSetGivesTheFindingsOfCheck) {
    TemporaryFolder folder;
    WriteText(folder / "empty.mtd", "");
    std::string json = "{\"values\": [";
    while (json.size() < 2'400'000) {
        json += "12345, ";
    }
    WriteText(folder / "big.json", json + "0]}\n");
    for (const char* name : {"empty.mtd", "big.json"}) {
        const std::string file = (folder / name).string();
        const Result check = RunCli({"check", file});
        ASSERT_EQ(check.exitCode, cli::kExitFindings) << name;
        const Result dump = RunCli({"dump", file});
        EXPECT_EQ(dump.exitCode, cli::kExitFindings) << name;
        EXPECT_EQ(dump.out, "") << name;
        EXPECT_EQ(dump.err, check.out) << name;
    }
}

// The output of build is never its input, is written through a link to the link's target, and
// must be a regular file when it exists.
TEST(CliSet, BuildWritesOnlyARegularFileThatIsNotItsInput) {
    TemporaryFolder folder;
    const fs::path sample = fs::path(TRAXO_TEST_DATA) / "sets" / "sample.json";
    const std::string json = ReadText(sample);
    WriteText(folder / "a.json", json);
    ExpectBadInput(RunCli({"build", (folder / "a.json").string(), (folder / "a.json").string()}),
                   "is the input");
    fs::create_symlink(folder / "a.json", folder / "alias.mtd");
    ExpectBadInput(RunCli({"build", (folder / "a.json").string(), (folder / "alias.mtd").string()}),
                   "is the input");
    EXPECT_EQ(ReadText(folder / "a.json"), json);

    fs::create_directory(folder / "sets");
    fs::create_symlink(fs::path("sets") / "target.mtd", folder / "link.mtd"); // dangling
    ASSERT_EQ(RunCli({"build", sample.string(), (folder / "link.mtd").string()}).exitCode,
              cli::kExitOk);
    EXPECT_TRUE(fs::is_symlink(folder / "link.mtd"));
    EXPECT_EQ(RunCli({"dump", (folder / "sets" / "target.mtd").string()}).out, json);

    ASSERT_EQ(mkfifo((folder / "fifo.mtd").c_str(), 0600), 0);
    ExpectBadInput(RunCli({"build", sample.string(), (folder / "fifo.mtd").string()}),
                   "not a regular file");
    EXPECT_EQ(fs::status(folder / "fifo.mtd").type(), fs::file_type::fifo);
}

} // namespace
} // namespace traxo
