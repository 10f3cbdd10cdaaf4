// The precise recogniser: its preparation of paths, the elastic distance, the rejection rule and
// trace, the preparation cache, and a few dozen real strokes as a check against a bad regression.
#include "recognition/PreciseRecogniser.h"

#include "RecognitionTestPaths.h"
#include "recognition/GestureRecogniser.h"
#include "recognition/MotionGeometry.h"
#include "sets/MotionSet.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace traxo {
namespace {

using test::PathOf;
using ::testing::HasSubstr;

std::unique_ptr<MotionPath> Normalised(const std::vector<Point>& raw) {
    return std::make_unique<MotionPath>(ResizeGesture(*PathOf(raw)));
}

// An L: right along the top, then down.
std::vector<Point> LShape(int wobble = 0) {
    std::vector<Point> points;
    for (int i = 0; i <= 20; ++i) {
        points.push_back({i * 10, (i % 2) * wobble});
    }
    for (int i = 1; i <= 20; ++i) {
        points.push_back({200 + (i % 2) * wobble, i * 10});
    }
    return points;
}

std::vector<Point> Reversed(std::vector<Point> points) {
    return {points.rbegin(), points.rend()};
}

std::unique_ptr<MotionSet> SetOf(const std::vector<std::vector<Point>>& motions) {
    auto set = std::make_unique<MotionSet>();
    set->motionCount = static_cast<std::int32_t>(motions.size());
    for (std::size_t i = 0; i < motions.size(); ++i) {
        set->motions[i].path = ResizeGesture(*PathOf(motions[i]));
    }
    return set;
}

TEST(PreparePath, SpacesPointsEvenlyFromTheFirstToTheLastWhateverTheSpeed) {
    // The same straight stroke drawn slowly at first then fast: the normalised points bunch up
    // at the start, the prepared ones do not.
    std::vector<Point> uneven;
    for (int x : {0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 60, 100}) {
        uneven.push_back({x, 0});
    }
    const PreparedPath prepared = PreparePath(*Normalised(uneven));
    ASSERT_TRUE(prepared.usable);
    const double step = 100.0 / (kPreparedPoints - 1);
    for (int i = 0; i < kPreparedPoints; ++i) {
        EXPECT_NEAR(prepared.points[i].x, i * step, 1e-9) << i;
        EXPECT_NEAR(prepared.points[i].y, 50, 1e-9);
        EXPECT_NEAR(prepared.headings[i], 0, 1e-9);
    }
}

TEST(PreparePath, LeavesPathsWithoutLengthOrWithTooFewPointsUnusable) {
    EXPECT_FALSE(PreparePath(*PathOf({{5, 5}, {5, 5}, {5, 5}, {5, 5}})).usable);
    EXPECT_FALSE(PreparePath(*PathOf({{0, 0}, {100, 100}})).usable);
    EXPECT_TRUE(PreparePath(*PathOf({{0, 0}, {0, 0}, {100, 100}})).usable);
}

TEST(ElasticDistance, IsZeroForTheSamePathSmallForAWobbleAndLargeForTheReverse) {
    const PreparedPath shape = PreparePath(*Normalised(LShape()));
    const PreparedPath wobbly = PreparePath(*Normalised(LShape(6)));
    const PreparedPath reverse = PreparePath(*Normalised(Reversed(LShape())));
    EXPECT_DOUBLE_EQ(ElasticDistance(shape, shape), 0);
    EXPECT_LT(ElasticDistance(shape, wobbly), kMaxMatchDistance / 2);
    EXPECT_GT(ElasticDistance(shape, reverse), 2 * kMaxMatchDistance);
    EXPECT_EQ(ElasticDistance(shape, PreparedPath{}), kUnlimited);
    // Giving up early only ever reports a distance that exceeds the limit.
    EXPECT_EQ(ElasticDistance(shape, reverse, 1.0), kUnlimited);
    EXPECT_DOUBLE_EQ(ElasticDistance(shape, wobbly, kUnlimited / 2),
                     ElasticDistance(shape, wobbly));
}

TEST(JudgeDistances, AcceptsOnlyANearMatchClearlyAheadOfTheNextOne) {
    struct Case {
        std::vector<std::optional<double>> distances;
        int best;
        bool accepted;
    };
    const double near = kMaxMatchDistance / 2;
    const std::vector<Case> cases{
        {{near}, 0, true},                                         // a lone motion, near
        {{kMaxMatchDistance}, 0, true},                            // at the limit
        {{kMaxMatchDistance + 0.01}, 0, false},                    // too far
        {{near / kMaxRunnerUpRatio, std::nullopt, near}, 2, true}, // at the ratio
        {{near / kMaxRunnerUpRatio - 0.01, near}, 1, false},       // too close to call
        {{near, near}, 0, false},                                  // a tie: lower index leads
        {{std::nullopt, std::nullopt}, -1, false},                 // nothing took part
        {{kUnlimited, kUnlimited}, -1, false},                     // nothing measurable
    };
    for (std::size_t c = 0; c < cases.size(); ++c) {
        MotionDistances distances{};
        std::copy(cases[c].distances.begin(), cases[c].distances.end(), distances.begin());
        const PreciseVerdict verdict = JudgeDistances(distances);
        EXPECT_EQ(verdict.bestIndex, cases[c].best) << "case " << c;
        EXPECT_EQ(verdict.accepted, cases[c].accepted) << "case " << c;
    }
}

TEST(PreciseRecogniser, WritesItsTraceAndGivesTheMatchAsItsVerdict) {
    PreciseRecogniser recogniser;
    const auto set = SetOf({Reversed(LShape()), LShape(), {{5, 5}}});
    RecognitionState state{"old trace"};

    EXPECT_EQ(recogniser.Recognise(*Normalised(LShape(6)), *set, state), 1);
    // Motion 3 has too few points to take part and is not listed.
    EXPECT_THAT(state.diagnosticLog,
                ::testing::MatchesRegex("Precise match, mean distance of matched points;\n"
                                        " Motion 1 : far\n"
                                        " Motion 2 : [0-9.]+\n"
                                        "Nearest : 2 ~[0-9.]+\n"));
    // A motion recorded twice is too close to call; the runner-up is named.
    const auto pair = SetOf({LShape(), LShape()});
    EXPECT_EQ(recogniser.Recognise(*Normalised(LShape(6)), *pair, state), -1);
    EXPECT_THAT(state.diagnosticLog,
                ::testing::MatchesRegex(".*\nNearest : 1 ~[0-9.]+, next : 2 ~[0-9.]+\n"
                                        "Too close to call\nUnable to distinguish motion\n"));

    // A shape unlike every motion is rejected, and says why.
    EXPECT_EQ(recogniser.Recognise(*Normalised(test::Stroke({0, 0}, {10, 10}, 30)), *set, state),
              -1);
    EXPECT_THAT(state.diagnosticLog,
                HasSubstr("Too far from every motion\nUnable to distinguish motion\n"));

    // Without motions, or with a gesture of fewer than 3 points, the trace is left alone.
    state.diagnosticLog = "kept";
    const auto empty = SetOf({});
    EXPECT_EQ(recogniser.Recognise(*Normalised(LShape()), *empty, state), -1);
    EXPECT_EQ(recogniser.Recognise(*PathOf({{0, 0}, {9, 9}}), *set, state), -1);
    EXPECT_EQ(state.diagnosticLog, "kept");
}

// Two near but different motions, the nearer stored first: the second must be measured as far
// as the runner-up bound, not given up at the first one's distance, or a gesture too close to
// call between them is accepted.
TEST(PreciseRecogniser, TheRunnerUpStoredSecondIsMeasuredInFull) {
    const auto gesture = Normalised(LShape(6));
    const auto set = SetOf({LShape(), LShape(12)});
    const PreparedPath prepared = PreparePath(*gesture);
    const double toFirst = ElasticDistance(PreparePath(set->motions[0].path), prepared);
    const double toSecond = ElasticDistance(PreparePath(set->motions[1].path), prepared);
    ASSERT_LT(toFirst, toSecond) << "the nearer motion is stored first";
    ASSERT_GT(toFirst, toSecond * kMaxRunnerUpRatio) << "the gesture is too close to call";
    ASSERT_LT(toSecond, kMaxMatchDistance);

    PreciseRecogniser recogniser;
    const MotionDistances distances = recogniser.MeasureMotions(*gesture, *set);
    ASSERT_TRUE(distances[0] && distances[1]);
    EXPECT_DOUBLE_EQ(*distances[0], toFirst);
    EXPECT_DOUBLE_EQ(*distances[1], toSecond);
    const PreciseVerdict verdict = JudgeDistances(distances);
    EXPECT_EQ(verdict.bestIndex, 0);
    EXPECT_EQ(verdict.runnerUpIndex, 1);
    EXPECT_DOUBLE_EQ(verdict.runnerUp, toSecond);
    EXPECT_FALSE(verdict.accepted);
    RecognitionState state;
    EXPECT_EQ(recogniser.Recognise(*gesture, *set, state), -1);
    EXPECT_THAT(state.diagnosticLog, HasSubstr("Too close to call\n"));
}

TEST(PreciseRecogniser, PreparesAMotionAgainWhenItsPathChanges) {
    PreciseRecogniser recogniser;
    RecognitionState state;
    auto set = SetOf({LShape(), Reversed(LShape())});
    const auto gesture = Normalised(LShape());
    EXPECT_EQ(recogniser.Recognise(*gesture, *set, state), 0);
    // Swap the two recorded paths in place: a cache keyed by slot alone would still say 0.
    std::swap(set->motions[0].path, set->motions[1].path);
    EXPECT_EQ(recogniser.Recognise(*gesture, *set, state), 1);
}

TEST(GestureRecogniser, TheSettingChoosesTheRecogniser) {
    EXPECT_EQ(RecogniserFromSetting(1), RecogniserChoice::Precise);
    for (int value : {0, 2, -1}) {
        EXPECT_EQ(RecogniserFromSetting(value), RecogniserChoice::Scoring);
    }
    GestureRecogniser recogniser;
    RecognitionState state;
    const auto set = SetOf({LShape()});
    recogniser.Recognise(RecogniserChoice::Precise, *Normalised(LShape()), *set, state);
    EXPECT_THAT(state.diagnosticLog, HasSubstr("Precise match"));
    recogniser.Recognise(RecogniserChoice::Scoring, *Normalised(LShape()), *set, state);
    EXPECT_THAT(state.diagnosticLog, HasSubstr("Comparitive liklihood of match;"));
}

// Corners of a line drawn on the screen, filled in with a point every 10 pixels.
std::vector<Point> Drawn(const std::vector<Point>& corners) {
    std::vector<Point> points{corners.front()};
    for (std::size_t c = 1; c < corners.size(); ++c) {
        const Point from = corners[c - 1];
        const Point to = corners[c];
        const int steps = std::max(std::abs(to.x - from.x), std::abs(to.y - from.y)) / 10;
        for (int k = 1; k <= steps; ++k) {
            points.push_back(
                {from.x + (to.x - from.x) * k / steps, from.y + (to.y - from.y) * k / steps});
        }
    }
    return points;
}

TEST(GestureRecogniser, ThePreciseOneKnowsAWobblyHurriedStarterGestureTheScoringOneCannotTell) {
    // The starter set's strokes; motion 5 is "close tab": down, then right.
    const auto set = SetOf(
        {Drawn({{400, 250}, {100, 250}}), Drawn({{100, 250}, {400, 250}}),
         Drawn({{250, 400}, {250, 100}}), Drawn({{250, 100}, {250, 400}}),
         Drawn({{100, 100}, {100, 400}, {400, 400}}), Drawn({{100, 400}, {100, 100}, {400, 100}}),
         Drawn({{400, 100}, {400, 400}, {100, 400}}), Drawn({{400, 400}, {400, 100}, {100, 100}}),
         Drawn({{100, 400}, {400, 100}}), Drawn({{400, 100}, {100, 400}})});
    // As the screen capture records it: a flick before the stroke, a tremor on the way down,
    // and a sweep to the right in steps of 50 pixels.
    std::vector<Point> wobbly{{490, 362}, {478, 337}, {490, 362}};
    for (int k = 1; k <= 30; ++k) {
        wobbly.push_back({490 + (k % 2 != 0 ? 5 : -5), 362 + 10 * k});
    }
    for (int k = 1; k <= 6; ++k) {
        wobbly.push_back({490 + 50 * k, 662});
    }
    GestureRecogniser recogniser;
    RecognitionState state;
    const auto gesture = Normalised(wobbly);
    EXPECT_EQ(recogniser.Recognise(RecogniserChoice::Scoring, *gesture, *set, state), -1);
    EXPECT_EQ(recogniser.Recognise(RecogniserChoice::Precise, *gesture, *set, state), 4);
}

// A few recorded strokes of 16 shapes: the set is one medium-speed recording of each by person
// s02; the tests are a slow and a fast one by the same person and a medium one by s04.
class RecordedStrokes : public ::testing::Test {
protected:
    struct Stroke {
        std::string name, subject, speed;
        std::unique_ptr<MotionPath> path;
    };

    void SetUp() override {
        std::ifstream in(std::string(TRAXO_TEST_DATA) + "/recognise/unistroke-sample.json");
        ASSERT_TRUE(in);
        for (const auto& entry : nlohmann::json::parse(in)) {
            std::vector<Point> raw;
            for (const auto& p : entry.at("points")) {
                raw.push_back({p.at(0).get<int>(), p.at(1).get<int>()});
            }
            Stroke stroke{entry.at("name"), entry.at("subject"), entry.at("speed"),
                          Normalised(raw)};
            if (stroke.subject == "s02" && stroke.speed == "medium") {
                set_->motions[names_.size()].path = *stroke.path;
                names_.push_back(stroke.name);
            } else {
                tests_.push_back(std::move(stroke));
            }
        }
        set_->motionCount = static_cast<std::int32_t>(names_.size());
        ASSERT_EQ(names_.size(), 16u);
        ASSERT_EQ(tests_.size(), 48u);
    }

    struct Tally {
        int right = 0, wrong = 0;
    };
    Tally Count(RecogniserChoice choice, bool samePerson) {
        GestureRecogniser recogniser;
        RecognitionState state;
        Tally tally;
        for (const Stroke& s : tests_) {
            if ((s.subject == "s02") != samePerson) {
                continue;
            }
            const int result = recogniser.Recognise(choice, *s.path, *set_, state);
            if (result >= 0) {
                (names_[static_cast<std::size_t>(result)] == s.name ? tally.right : tally.wrong)++;
            }
        }
        return tally;
    }

    std::unique_ptr<MotionSet> set_ = std::make_unique<MotionSet>();
    std::vector<std::string> names_;
    std::vector<Stroke> tests_;
};

TEST_F(RecordedStrokes, ThePreciseRecogniserKnowsAlmostAllOfThem) {
    const Tally same = Count(RecogniserChoice::Precise, true);
    EXPECT_GE(same.right, 30) << "of 32";
    EXPECT_LE(same.wrong, 1);
    const Tally cross = Count(RecogniserChoice::Precise, false);
    EXPECT_GE(cross.right, 13) << "of 16";
    EXPECT_LE(cross.wrong, 1);
}

} // namespace
} // namespace traxo
