// The starter set GettingStarted.mtd: the built file holds what its description says, every
// action does what the gesture's name promises, and every gesture is recognised as itself however
// a person draws it on the screen, small or large, quick or slow, a little crooked.
#include "Cli.h"
#include "RecognitionTestPaths.h"
#include "SetTestSupport.h"
#include "actions/ActionExecution.h"
#include "actions/ActionLists.h"
#include "actions/ActionModel.h"
#include "platform/Utf8.h"
#include "recognition/MotionGeometry.h"
#include "recognition/Recogniser.h"
#include "sets/SetFile.h"

#include <cmath>
#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <nlohmann/json.hpp>
#include <numbers>
#include <optional>
#include <random>
#include <span>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace traxo {
namespace {

using Json = nlohmann::json;
using test::PathOf;
using test::PointsOf;
using testing::TemporaryFolder;
namespace fs = std::filesystem;

struct StarterGesture {
    std::string name;
    std::vector<Point> stroke; // the corners, in pixels
    std::u16string action;
};

Json ReadJson(const fs::path& file) {
    std::ifstream in(file);
    return Json::parse(in);
}

std::vector<StarterGesture> ReadDescription() {
    const Json description = ReadJson(TRAXO_STARTER_SOURCE);
    std::vector<StarterGesture> gestures;
    for (const Json& motion : description.at("motions")) {
        StarterGesture gesture{motion.at("name").get<std::string>(), {}, {}};
        for (const Json& corner : motion.at("stroke")) {
            gesture.stroke.push_back({corner.at(0).get<int>(), corner.at(1).get<int>()});
        }
        gesture.action = Utf8ToUtf16(motion.at("defaultAction").get<std::string>()).value();
        gestures.push_back(std::move(gesture));
    }
    return gestures;
}

// Numbers from the engine's raw output, which the standard fixes, so that every standard library
// draws the same gestures.
class Random {
public:
    explicit Random(std::uint32_t seed) : engine_(seed) {}
    double Between(double low, double high) {
        return low + (high - low) * (static_cast<double>(engine_()) / 4294967296.0);
    }

private:
    std::mt19937 engine_;
};

int Rounded(double value) {
    return static_cast<int>(std::nearbyint(value)); // halves to even
}

// Records cursor positions as the screen capture does: a position within 9 pixels (rounded) of
// the last recorded one adds nothing; after a jump of more than 30 pixels the way there is filled
// in with d div 30 points, the last of them the new position, which is then stored once more.
class ScreenCapture {
public:
    explicit ScreenCapture(Point start) : points_{start, start}, last_(start) {}

    void CursorAt(Point cursor) {
        const double dx = cursor.x - last_.x;
        const double dy = cursor.y - last_.y;
        const int distance = Rounded(std::sqrt(dx * dx + dy * dy));
        if (distance <= 9) {
            return;
        }
        if (distance > 30) {
            const int n = distance / 30;
            for (int k = 1; k <= n; ++k) {
                points_.push_back({last_.x + Rounded(k * dx / n), last_.y + Rounded(k * dy / n)});
            }
        }
        last_ = cursor;
        points_.push_back(cursor);
    }
    const std::vector<Point>& Points() const { return points_; }

private:
    std::vector<Point> points_;
    Point last_;
};

struct Vec {
    double x;
    double y;
};

// The stroke drawn size pixels across by a hand that is a little sloppy: the shape stretched by
// up to 12% on each axis, turned by up to 4 degrees, each corner off by up to 3.6% of the size,
// the lines wavering sideways by up to 2.4 pixels with a tremor of 1 pixel; the hand slows into
// every corner and speeds up between them, one leg taking 10 to 50 polls. The capture records it.
std::vector<Point> DrawLikeAPerson(const std::vector<Point>& stroke, double size, Random& random) {
    double minX = stroke[0].x, maxX = minX, minY = stroke[0].y, maxY = minY;
    for (const Point corner : stroke) {
        minX = std::min<double>(minX, corner.x);
        maxX = std::max<double>(maxX, corner.x);
        minY = std::min<double>(minY, corner.y);
        maxY = std::max<double>(maxY, corner.y);
    }
    const double extent = std::max(maxX - minX, maxY - minY);
    const double turn = random.Between(-4, 4) * std::numbers::pi / 180;
    const double stretchX = size * random.Between(0.88, 1.12);
    const double stretchY = size * random.Between(0.88, 1.12);
    const Vec centre{random.Between(size / 2 + 20, 1900 - size / 2),
                     random.Between(size / 2 + 20, 1060 - size / 2)};
    std::vector<Vec> corners;
    for (const Point corner : stroke) {
        const double x = (corner.x - (minX + maxX) / 2) / extent * stretchX +
                         random.Between(-0.036, 0.036) * size;
        const double y = (corner.y - (minY + maxY) / 2) / extent * stretchY +
                         random.Between(-0.036, 0.036) * size;
        corners.push_back({centre.x + x * std::cos(turn) - y * std::sin(turn),
                           centre.y + x * std::sin(turn) + y * std::cos(turn)});
    }

    // The hand's way, one pixel at a time, wavering about the straight lines.
    const double waver = random.Between(0, 2.4);
    const double waveLength = random.Between(40, 200);
    const double phase = random.Between(0, 2 * std::numbers::pi);
    std::vector<Vec> way;
    std::vector<double> legEnds{0};
    double travelled = 0;
    for (std::size_t i = 0; i + 1 < corners.size(); ++i) {
        const double dx = corners[i + 1].x - corners[i].x;
        const double dy = corners[i + 1].y - corners[i].y;
        const double length = std::hypot(dx, dy);
        const int steps = std::max(1, static_cast<int>(length));
        for (int k = 0; k < steps; ++k) {
            const double along = static_cast<double>(k) / steps;
            const double aside =
                waver * std::sin(phase + travelled / waveLength * 2 * std::numbers::pi);
            way.push_back({corners[i].x + dx * along - dy / length * aside,
                           corners[i].y + dy * along + dx / length * aside});
            travelled += length / steps;
        }
        legEnds.push_back(static_cast<double>(way.size()));
    }
    way.push_back(corners.back());

    const auto pixel = [](Vec at) { return Point{Rounded(at.x), Rounded(at.y)}; };
    ScreenCapture capture(pixel(way.front()));
    const double pace = size * random.Between(0.02, 0.1);
    double position = 0;
    std::size_t leg = 0;
    while (true) {
        while (leg + 2 < legEnds.size() && position >= legEnds[leg + 1]) {
            ++leg;
        }
        const double inLeg = std::clamp(
            (position - legEnds[leg]) / std::max(1.0, legEnds[leg + 1] - legEnds[leg]), 0.0, 1.0);
        const double speed = pace * (0.4 + 1.2 * std::sin(std::numbers::pi * inLeg));
        position += std::max(0.5, speed * random.Between(0.7, 1.3));
        if (position >= static_cast<double>(way.size() - 1)) {
            capture.CursorAt(pixel(way.back()));
            break;
        }
        const Vec at = way[static_cast<std::size_t>(position)];
        capture.CursorAt(pixel({at.x + random.Between(-1, 1), at.y + random.Between(-1, 1)}));
    }
    return capture.Points();
}

// The stroke as a slow, steady hand records it, a point every 10 pixels along each line: the
// form in which the set stores it, normalised.
std::vector<Point> SteadyStroke(const std::vector<Point>& corners) {
    std::vector<Point> points;
    for (std::size_t i = 0; i + 1 < corners.size(); ++i) {
        const double dx = corners[i + 1].x - corners[i].x;
        const double dy = corners[i + 1].y - corners[i].y;
        const int steps = static_cast<int>(std::ceil(std::hypot(dx, dy) / 10));
        for (int k = 0; k < steps; ++k) {
            points.push_back(
                {corners[i].x + Rounded(dx * k / steps), corners[i].y + Rounded(dy * k / steps)});
        }
    }
    points.push_back(corners.back());
    return points;
}

std::vector<Point> Normalised(const std::vector<Point>& raw) {
    return PointsOf(ResizeGesture(*PathOf(raw)));
}

std::string Describe(const std::vector<Point>& points) {
    std::ostringstream text;
    for (const Point point : points) {
        text << " (" << point.x << ", " << point.y << ")";
    }
    return text.str();
}

// The description and the built file are read once for all the tests.
class StarterSet : public ::testing::Test {
protected:
    // A missing or unreadable file fails every test: an error here would only skip them.
    static void SetUpTestSuite() {
        loadError_.clear();
        try {
            if (!fs::is_regular_file(TRAXO_STARTER_SET)) {
                throw std::runtime_error("not built");
            }
            gestures_ = std::make_unique<std::vector<StarterGesture>>(ReadDescription());
            const SetFileContent content = ReadSetFile(TRAXO_STARTER_SET);
            form_ = content.form;
            set_ = std::make_unique<MotionSet>();
            findings_ = DecodeSetContent(form_, content.bytes, *set_);
        } catch (const std::exception& e) {
            loadError_ = std::string(TRAXO_STARTER_SET) + ": " + e.what();
        }
    }
    void SetUp() override { ASSERT_TRUE(loadError_.empty()) << loadError_; }
    static void TearDownTestSuite() {
        gestures_.reset();
        set_.reset();
    }

    static const std::vector<StarterGesture>& Gestures() { return *gestures_; }
    static const MotionSet& Set() { return *set_; }

    static inline std::unique_ptr<std::vector<StarterGesture>> gestures_;
    static inline std::unique_ptr<MotionSet> set_;
    static inline std::vector<std::string> findings_;
    static inline std::string loadError_;
    static inline SetFileForm form_ = SetFileForm::Older;
};

// The sizes a gesture is drawn at, from a flick to half the screen.
constexpr double kSizes[] = {60, 90, 140, 220, 350, 600};
constexpr int kVariantsPerSize = 12;

TEST_F(StarterSet, TheBuiltFileHoldsTheDescribedGesturesNormalised) {
    EXPECT_EQ(form_, SetFileForm::Compressed);
    EXPECT_TRUE(findings_.empty()) << ::testing::PrintToString(findings_);
    ASSERT_GE(Gestures().size(), 8u);
    ASSERT_LE(Gestures().size(), 10u);
    ASSERT_EQ(testing::Value(Set().motionCount), static_cast<int>(Gestures().size()));
    EXPECT_EQ(testing::Value(Set().knownAppCount), 0);
    for (std::size_t m = 0; m < Gestures().size(); ++m) {
        const StarterGesture& gesture = Gestures()[m];
        const Motion& motion = Set().motions[m];
        SCOPED_TRACE(gesture.name);
        EXPECT_EQ(PointsOf(motion.path), Normalised(SteadyStroke(gesture.stroke)));
        EXPECT_EQ(motion.defaultAction.View(), gesture.action);
        EXPECT_EQ(testing::Value(motion.ruleCount), 0);
    }
}

// A planner that knows no files and no layout key names: the starter actions need neither.
class NoQueries : public PlanningQueries {
public:
    bool FileExists(std::u16string_view) override { return false; }
    std::optional<std::uint8_t> VirtualKeyOfKeyName(std::u16string_view) override {
        return std::nullopt;
    }
    std::u16string WindowsFolder() override { return u"C:\\Windows\\"; }
};

// What a starter gesture is for: which way its stroke goes, leg by leg, on the compass of the
// screen (N is up), and what it does: the keys it holds down, in order, or a window command.
struct Purpose {
    std::string name;
    std::vector<std::string> legs;
    std::vector<std::uint8_t> keysDown;
    std::optional<WindowCommand> window;
};

constexpr std::uint8_t kShift = 0x10, kCtrl = 0x11, kAlt = 0x12;

const std::vector<Purpose> kPurposes = {
    {"back", {"W"}, {kAlt, 0x25}, {}},
    {"forward", {"E"}, {kAlt, 0x27}, {}},
    {"scroll to top", {"N"}, {kCtrl, 0x24}, {}},
    {"scroll to bottom", {"S"}, {kCtrl, 0x23}, {}},
    {"close tab", {"S", "E"}, {kCtrl, 0x73}, {}},
    {"new tab", {"N", "E"}, {kCtrl, 'T'}, {}},
    {"reopen closed tab", {"S", "W"}, {kCtrl, kShift, 'T'}, {}},
    {"refresh", {"N", "W"}, {0x74}, {}},
    {"maximise window", {"NE"}, {}, WindowCommand::Maximise},
    {"minimise window", {"SW"}, {}, WindowCommand::Minimise},
};

std::string CompassOf(Point from, Point to) {
    constexpr const char* kPoints[] = {"E", "SE", "S", "SW", "W", "NW", "N", "NE"};
    const double angle = std::atan2(to.y - from.y, to.x - from.x); // y grows downwards
    const int sector = static_cast<int>(std::lround(angle / (std::numbers::pi / 4)) + 8) % 8;
    return kPoints[sector];
}

TEST_F(StarterSet, EveryGestureGoesTheWayItsNameSaysAndDoesWhatItPromises) {
    ASSERT_EQ(Gestures().size(), kPurposes.size());
    for (std::size_t m = 0; m < Gestures().size(); ++m) {
        const StarterGesture& gesture = Gestures()[m];
        const Purpose& purpose = kPurposes[m];
        SCOPED_TRACE(gesture.name);
        ASSERT_EQ(gesture.name, purpose.name);
        std::vector<std::string> legs;
        for (std::size_t c = 0; c + 1 < gesture.stroke.size(); ++c) {
            legs.push_back(CompassOf(gesture.stroke[c], gesture.stroke[c + 1]));
        }
        EXPECT_EQ(legs, purpose.legs);

        NoQueries queries;
        int target = 0;
        const ActionPlan plan = PlanAction(gesture.action, {u"c:\\traxo\\", &target}, queries);
        std::vector<std::uint8_t> keysDown;
        std::optional<WindowCommand> window;
        for (const ActionStep& step : plan.steps) {
            if (const auto* key = std::get_if<KeyStep>(&step)) {
                if (!key->keyUp) {
                    keysDown.push_back(key->virtualKey);
                }
            } else if (const auto* command = std::get_if<WindowStep>(&step)) {
                EXPECT_EQ(command->target, static_cast<WindowHandle>(&target));
                window = command->command;
            } else {
                ADD_FAILURE() << "a step that is neither a key nor a window command";
            }
        }
        EXPECT_EQ(keysDown, purpose.keysDown);
        EXPECT_EQ(window, purpose.window);
    }
}

TEST_F(StarterSet, EveryActionIsWrittenInTheFormItsEditorWrites) {
    for (const StarterGesture& gesture : Gestures()) {
        SCOPED_TRACE(gesture.name);
        const std::u16string_view action = gesture.action;
        const ParsedAction parsed = ParseAction(action);
        if (action.starts_with(kKeysPrefix)) {
            // As the key-combination editor writes it: one blank, then names joined by " + ".
            EXPECT_EQ(parsed.form, ActionForm::KeyCombination);
            EXPECT_TRUE(action.starts_with(u"@Keys: "));
            EXPECT_NE(parsed.payload.find(u" + "), std::u16string::npos);
            NoQueries queries;
            // Planning reads the names joined by a bare "+".
            std::u16string combination;
            for (std::size_t at = 0; at < parsed.payload.size();) {
                if (parsed.payload.compare(at, 3, u" + ") == 0) {
                    combination += u'+';
                    at += 3;
                } else {
                    combination += parsed.payload[at++];
                }
            }
            EXPECT_TRUE(ParseShortcutText(combination, queries).has_value());
        } else {
            // A built-in command: "@" and the English text of a built-in row of the action list,
            // shown to the user as that row in either language.
            ASSERT_TRUE(action.starts_with(u"@"));
            EXPECT_EQ(parsed.form, ActionForm::BuiltIn);
            const auto row = FindEnglishActionRow(action.substr(1));
            ASSERT_TRUE(row.has_value());
            EXPECT_GE(*row, kFirstBuiltInRow);
            EXPECT_EQ(ActionToDisplayString(action, 1000, Language::English),
                      std::u16string(kActionLists[*row].english));
            EXPECT_EQ(ActionToDisplayString(action, 1000, Language::Chinese),
                      std::u16string(kActionLists[*row].chinese));
        }
    }
}

TEST_F(StarterSet, EveryGestureDrawnByHandIsRecognisedAsItself) {
    Recogniser recogniser;
    Random random(20241208);
    for (std::size_t m = 0; m < Gestures().size(); ++m) {
        const StarterGesture& gesture = Gestures()[m];
        for (const double size : kSizes) {
            for (int variant = 0; variant < kVariantsPerSize; ++variant) {
                const std::vector<Point> raw = DrawLikeAPerson(gesture.stroke, size, random);
                // The capture replays a gesture of 4 points or fewer as a click.
                ASSERT_GT(raw.size(), 4u) << gesture.name << " at " << size << " px";
                RecognitionState state;
                const int matched = recogniser.Recognise(ResizeGesture(*PathOf(raw)), Set(), state);
                EXPECT_EQ(matched, static_cast<int>(m))
                    << gesture.name << " drawn " << size << " px wide, variant " << variant
                    << "\nraw:" << Describe(raw) << "\nnormalised:" << Describe(Normalised(raw))
                    << '\n'
                    << state.diagnosticLog;
            }
        }
    }
}

// A circle drawn against the clock and a zigzag are nothing like any starter gesture.
TEST_F(StarterSet, ShapesUnlikeEveryGestureAreNotRecognised) {
    std::vector<Point> circle;
    for (int k = 0; k <= 24; ++k) {
        const double angle = -std::numbers::pi / 2 - k * 2 * std::numbers::pi / 24;
        circle.push_back(
            {250 + Rounded(150 * std::cos(angle)), 250 + Rounded(150 * std::sin(angle))});
    }
    const std::vector<Point> zigzag = {{100, 100}, {400, 100}, {100, 400}, {400, 400}};
    Recogniser recogniser;
    Random random(77);
    for (const auto& [name, stroke] : {std::pair{"circle", circle}, std::pair{"zigzag", zigzag}}) {
        // A flick of 60 pixels records too few points to show its shape: it is left out here.
        for (const double size : std::span(kSizes).subspan(1)) {
            for (int variant = 0; variant < kVariantsPerSize; ++variant) {
                const std::vector<Point> raw = DrawLikeAPerson(stroke, size, random);
                RecognitionState state;
                EXPECT_EQ(recogniser.Recognise(ResizeGesture(*PathOf(raw)), Set(), state), -1)
                    << name << " drawn " << size << " px wide, variant " << variant << '\n'
                    << state.diagnosticLog;
            }
        }
    }
}

// The source form of the starter set: motions given as strokes and named for the reader.
struct BuildResult {
    int exitCode;
    std::string err;
};

BuildResult BuildSet(const TemporaryFolder& folder, const std::string& motionsJson) {
    const fs::path source = folder / "in.json";
    std::ofstream(source) << R"({"motions": [)" << motionsJson << R"(], "knownApps": []})";
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string> args = {"set", "build", source.string(),
                                           (folder / "out.mtd").string()};
    return {cli::Run(args, {in, out, err}), err.str()};
}

std::unique_ptr<MotionSet> LoadSet(const fs::path& file) {
    auto set = std::make_unique<MotionSet>();
    const SetFileContent content = ReadSetFile(file);
    DecodeSetContent(content.form, content.bytes, *set);
    return set;
}

TEST(CliSetStroke, AStrokeIsFilledInEveryTenPixelsAndStoredNormalised) {
    TemporaryFolder folder;
    // 590 pixels: 60 points at x = 100, 110, ..., 690, the worked example of normalisation.
    ASSERT_EQ(BuildSet(folder, R"({"name": "right", "stroke": [[100, 300], [690, 300]],
                                   "defaultAction": "@Browser: forward", "rules": []})")
                  .exitCode,
              cli::kExitOk);
    const auto set = LoadSet(folder / "out.mtd");
    std::vector<Point> expected;
    for (const int x : {0,  3,  7,  10, 14, 17, 21, 24, 28, 31, 34, 38, 41, 45, 48,
                        52, 55, 59, 62, 66, 69, 72, 76, 79, 83, 86, 90, 93, 97, 100}) {
        expected.push_back({x, 50});
    }
    EXPECT_EQ(PointsOf(set->motions[0].path), expected);
    EXPECT_EQ(set->motions[0].defaultAction.View(), u"@Browser: forward");
}

TEST(CliSetStroke, ANameChangesNothingAndPointsStayAsGiven) {
    TemporaryFolder named;
    TemporaryFolder plain;
    const std::string points = R"("points": [[0, 0], [5, 7], [-999, -999]], "defaultAction": "",
                                  "rules": [])";
    ASSERT_EQ(BuildSet(named, R"({"name": "x", )" + points + "}").exitCode, cli::kExitOk);
    ASSERT_EQ(BuildSet(plain, "{" + points + "}").exitCode, cli::kExitOk);
    EXPECT_EQ(testing::ReadAll(named / "out.mtd"), testing::ReadAll(plain / "out.mtd"));
    EXPECT_EQ(PointsOf(LoadSet(plain / "out.mtd")->motions[0].path),
              (std::vector<Point>{{0, 0}, {5, 7}, {-999, -999}}));
}

TEST(CliSetStroke, UnusableStrokesAreRefused) {
    struct Case {
        std::string motion;
        std::string message;
    };
    // Eleven times across 2000 pixels: 2201 points 10 pixels apart, one stroke too long to keep.
    std::string longStroke = "[[0, 0]";
    for (int leg = 1; leg <= 11; ++leg) {
        longStroke += leg % 2 == 1 ? ", [2000, 0]" : ", [0, 0]";
    }
    longStroke += "]";
    const std::vector<Case> cases = {
        {R"({"points": [], "stroke": [[0, 0], [9, 9]], "defaultAction": "", "rules": []})",
         "motions[0]: needs either \"points\" or \"stroke\""},
        {R"({"defaultAction": "", "rules": []})", "motions[0]: needs either"},
        {R"({"stroke": [[0, 0]], "defaultAction": "", "rules": []})",
         "motions[0].stroke: a stroke needs at least 2 corners"},
        {R"({"stroke": [[0, 0], [2001, 0]], "defaultAction": "", "rules": []})",
         "motions[0].stroke[1][0]: not an integer from 0 to 2000"},
        {R"({"stroke": [[0, -1], [20, 0]], "defaultAction": "", "rules": []})",
         "motions[0].stroke[0][1]: not an integer from 0 to 2000"},
        {R"({"stroke": [[0, 0], [10]], "defaultAction": "", "rules": []})",
         "motions[0].stroke[1]: not a pair [x, y]"},
        {R"({"stroke": )" + longStroke + R"(, "defaultAction": "", "rules": []})",
         "motions[0].stroke: longer than 2001 points"},
        {R"({"name": 3, "stroke": [[0, 0], [9, 9]], "defaultAction": "", "rules": []})",
         "motions[0].name: not a string"},
        {R"({"title": "x", "stroke": [[0, 0], [9, 9]], "defaultAction": "", "rules": []})",
         "motions[0]: unknown key \"title\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        TemporaryFolder folder;
        const BuildResult result = BuildSet(folder, c.motion);
        EXPECT_EQ(result.exitCode, cli::kExitBadInput);
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_FALSE(fs::exists(folder / "out.mtd"));
    }
}

} // namespace
} // namespace traxo
