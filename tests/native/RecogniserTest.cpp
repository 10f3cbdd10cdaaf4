// The recogniser's scores are compared bit for bit with a plain transcription of the scoring
// rules kept here, on the worked strokes and on many random sets, so that precomputing and
// caching can never change a score.
#include "recognition/Recogniser.h"

#include "RecognitionTestPaths.h"
#include "recognition/MotionGeometry.h"
#include "sets/MotionSet.h"

#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace traxo {
namespace {

using test::PathOf;
using ::testing::HasSubstr;

// The scoring rules, one step after the other, with nothing computed ahead.
double ReferenceScore(const MotionPath& stored, const MotionPath& gesture) {
    const std::vector<Point> m = test::PointsOf(stored);
    const std::vector<Point> g = test::PointsOf(gesture);
    const int mc = stored.count;
    const int gc = gesture.count;
    using Path = std::vector<Point>;
    const auto dx = [](const Path& p, int j) { return double(p[j].x) - double(p[j - 1].x); };
    const auto dy = [](const Path& p, int j) { return double(p[j].y) - double(p[j - 1].y); };
    const auto turn = [&](const Path& p, int j) {
        return std::atan2(dy(p, j + 2), dx(p, j + 2)) - std::atan2(dy(p, j + 1), dx(p, j + 1));
    };

    double score = 1.0;
    double previousSM = 0;
    double previousSG = 0;
    double previousTurnM = -10;
    double previousTurnG = -10;
    for (int j = 1; j <= mc - 1; ++j) {
        const double sM = dx(m, j) == 0 ? 10000 : dy(m, j) / dx(m, j);
        if (!(j < gc)) {
            continue;
        }
        const double gx = dx(g, j) == 0 ? 1e-11 : dx(g, j);
        const double sG = dy(g, j) / gx;
        if (std::abs(sM - sG) < 0.2) {
            score = score * 1.1;
        }
        if (std::abs(sM - sG) > 1.0) {
            score = score * 0.99;
        }
        const double tM = sM - previousSM;
        const double tG = sG - previousSG;
        if (j < mc - 2 && j < gc - 2) {
            const double turnM = turn(m, j);
            const double turnG = turn(g, j);
            if (previousTurnM > -10 && previousTurnG > -10) {
                const double dM = turnM - previousTurnM;
                const double dG = turnG - previousTurnG;
                if (std::abs(dG - dM) < 0.01) {
                    score = score * 1.1;
                } else if (std::abs(dG - dM) > 20) {
                    score = score * 0.9;
                }
            }
            previousTurnM = turnM;
            previousTurnG = turnG;
        }
        if (tM > 0 && tG > 0) {
            score = score * 1.1;
        }
        if (tM < 0 && tG < 0) {
            score = score * 1.1;
        }
        if (tM > 0 && tG < 0) {
            score = score * 0.9;
        }
        if (tM < 0 && tG > 0) {
            score = score * 0.9;
        }
        const double d = distancebetween(m[j], g[j]);
        if (d > 90) {
            score = score * 0.45;
        } else if (d > 50) {
            score = score * 0.75;
        } else if (d > 30) {
            score = score * 0.85;
        } else if (d > 15) {
            score = score * 0.95;
        } else if (d < 10) {
            score = score * 1.1;
        }
        previousSM = sM;
        previousSG = sG;
    }
    return score;
}

std::unique_ptr<MotionPath> NormalisedPath(const std::vector<Point>& raw) {
    return std::make_unique<MotionPath>(ResizeGesture(*PathOf(raw)));
}

std::unique_ptr<MotionSet> SetOf(const std::vector<std::vector<Point>>& rawMotions) {
    auto set = std::make_unique<MotionSet>();
    set->motionCount = static_cast<int>(rawMotions.size());
    for (std::size_t i = 0; i < rawMotions.size(); ++i) {
        set->motions[i].path = ResizeGesture(*PathOf(rawMotions[i]));
    }
    return set;
}

double RepeatedlyTimes(double factor, int times) {
    double product = 1.0;
    for (int i = 0; i < times; ++i) {
        product = product * factor;
    }
    return product;
}

double OnlyScore(const MotionPath& stored, const MotionPath& gesture) {
    auto set = std::make_unique<MotionSet>();
    set->motionCount = 1;
    set->motions[0].path = stored;
    Recogniser recogniser;
    const MotionScores scores = recogniser.ScoreMotions(gesture, *set);
    EXPECT_TRUE(scores[0].has_value());
    EXPECT_EQ(scores[0].value_or(0), ReferenceScore(stored, gesture));
    return scores[0].value_or(0);
}

TEST(RecogniserScores, HorizontalStrokeAgainstItselfAgreesEverywhere) {
    // 29 slope agreements, 29 distance bonuses and 26 turn agreements; every trend is 0.
    const auto stroke = NormalisedPath(test::HorizontalStroke());
    EXPECT_EQ(OnlyScore(*stroke, *stroke), RepeatedlyTimes(1.1, 84));
    EXPECT_NEAR(OnlyScore(*stroke, *stroke), 2999.06, 0.01);
}

TEST(RecogniserScores, ReversedStrokeScoresLow) {
    const auto stroke = NormalisedPath(test::HorizontalStroke());
    const auto reversed = NormalisedPath(test::Reversed(test::HorizontalStroke()));
    EXPECT_NEAR(OnlyScore(*stroke, *reversed), 0.203, 0.0005);
}

TEST(RecogniserScores, VerticalStrokeAgainstItselfLosesTheSlopeAgreement) {
    // Stored vertical segments take the slope 10000, the gesture's a huge one: every pair gets
    // 0.99 instead of 1.1.
    const auto stroke = NormalisedPath(test::VerticalStroke());
    EXPECT_NEAR(OnlyScore(*stroke, *stroke), 155.39, 0.01);
}

TEST(RecogniserScores, IgnoresTheExtraPointsOfTheLongerPath) {
    const auto stroke = NormalisedPath(test::HorizontalStroke());
    auto shorter = PathOf(test::PointsOf(*stroke));
    shorter->count = 12;
    const double shortGesture = OnlyScore(*stroke, *shorter);
    EXPECT_EQ(OnlyScore(*shorter, *stroke), shortGesture);
    EXPECT_EQ(shortGesture, OnlyScore(*shorter, *shorter));
}

// Paths of every kind the recogniser may meet: normalised ones, and raw ones crowded into a
// few pixels so that vertical and zero-length segments are common; some longer than 30 points.
std::vector<Point> RandomPath(std::mt19937& random) {
    std::uniform_int_distribution<int> kind(0, 3);
    std::uniform_int_distribution<int> length(0, 45);
    switch (kind(random)) {
    case 0:
        return test::RandomWalk(random, length(random), 2);
    case 1: {
        std::uniform_int_distribution<int> coordinate(0, 3);
        std::vector<Point> points(static_cast<std::size_t>(length(random)));
        for (Point& p : points) {
            p = {coordinate(random), coordinate(random)};
        }
        return points;
    }
    default:
        return test::PointsOf(*NormalisedPath(test::RandomWalk(random, length(random) * 3, 40)));
    }
}

TEST(RecogniserScores, MatchTheRulesBitForBitOnRandomSetsAsTheyChange) {
    std::mt19937 random(7);
    auto set = std::make_unique<MotionSet>();
    set->motionCount = kMotionSlots;
    for (Motion& motion : set->motions) {
        motion.path = *PathOf(RandomPath(random));
    }
    // One recogniser throughout, so that cached features meet edited, swapped and regrown paths.
    Recogniser recogniser;
    std::uniform_int_distribution<int> slot(0, kMotionSlots - 1);
    for (int round = 0; round < 60; ++round) {
        for (int edit = 0; edit < 10; ++edit) {
            MotionPath& path = set->motions[slot(random)].path;
            switch (edit % 3) {
            case 0:
                path = *PathOf(RandomPath(random));
                break;
            case 1:
                if (path.count > 0) {
                    path.points[slot(random) % path.count].y += 1;
                }
                break;
            default:
                std::swap(path, set->motions[slot(random)].path);
            }
        }
        set->motionCount = std::uniform_int_distribution<int>(0, kMotionSlots)(random);
        const auto gesture = PathOf(RandomPath(random));

        const MotionScores scores = recogniser.ScoreMotions(*gesture, *set);
        for (int i = 0; i < kMotionSlots; ++i) {
            const MotionPath& stored = set->motions[i].path;
            if (i < set->motionCount && stored.count >= 3) {
                ASSERT_TRUE(scores[i].has_value()) << "round " << round << " motion " << i;
                ASSERT_EQ(*scores[i], ReferenceScore(stored, *gesture))
                    << "round " << round << " motion " << i;
            } else {
                ASSERT_FALSE(scores[i].has_value()) << "round " << round << " motion " << i;
            }
        }
    }
}

TEST(RecogniserScores, SurviveDamagedCounts) {
    auto set = std::make_unique<MotionSet>();
    set->motionCount = 5000;
    set->motions[0].path = *PathOf(test::Stroke({0, 0}, {1, 2}, kMaxPathPoints));
    set->motions[0].path.count = 99999;
    set->motions[1].path.count = -4;
    auto gesture = PathOf(test::Stroke({0, 0}, {2, 1}, kMaxPathPoints));
    gesture->count = 1 << 30;
    Recogniser recogniser;
    const MotionScores scores = recogniser.ScoreMotions(*gesture, *set);
    gesture->count = kMaxPathPoints;
    set->motions[0].path.count = kMaxPathPoints;
    EXPECT_EQ(scores[0], ReferenceScore(set->motions[0].path, *gesture));
    EXPECT_FALSE(scores[1].has_value());
}

MotionScores ScoresOf(std::initializer_list<std::pair<int, double>> scored) {
    MotionScores scores{};
    for (const auto& [slot, score] : scored) {
        scores[static_cast<std::size_t>(slot)] = score;
    }
    return scores;
}

TEST(JudgeScores, RunnerUpIsTheScoreTheWinnerDisplaced) {
    const Verdict verdict = JudgeScores(ScoresOf({{0, 5}, {1, 3}, {2, 4}}));
    EXPECT_EQ(verdict.bestIndex, 0);
    EXPECT_EQ(verdict.best, 5);
    EXPECT_EQ(verdict.runnerUp, 0.001);
    EXPECT_NEAR(verdict.percentAhead, 99.98, 0.001);
    EXPECT_TRUE(verdict.accepted);
}

TEST(JudgeScores, AcceptsABestAboveOneHoweverCloseTheRunnerUp) {
    const Verdict verdict = JudgeScores(ScoresOf({{0, 1.2}, {1, 1.5}}));
    EXPECT_EQ(verdict.bestIndex, 1);
    EXPECT_EQ(verdict.runnerUp, 1.2);
    EXPECT_NEAR(verdict.percentAhead, 20, 1e-9);
    EXPECT_TRUE(verdict.accepted);
}

TEST(JudgeScores, RejectsAModestBestNotFarEnoughAhead) {
    const Verdict verdict = JudgeScores(ScoresOf({{0, 0.5}, {1, 0.9}}));
    EXPECT_EQ(verdict.bestIndex, 1);
    EXPECT_NEAR(verdict.percentAhead, 44.44, 0.01);
    EXPECT_FALSE(verdict.accepted);
}

TEST(JudgeScores, LowerIndexKeepsATie) {
    const Verdict verdict = JudgeScores(ScoresOf({{3, 2}, {7, 2}}));
    EXPECT_EQ(verdict.bestIndex, 3);
    EXPECT_EQ(verdict.runnerUp, 0.001);
}

TEST(JudgeScores, ThresholdsForALoneMotion) {
    EXPECT_TRUE(JudgeScores(ScoresOf({{0, 0.4}})).accepted);
    EXPECT_TRUE(JudgeScores(ScoresOf({{0, 0.1000001}})).accepted);
    EXPECT_FALSE(JudgeScores(ScoresOf({{0, 0.1}})).accepted);
    EXPECT_TRUE(JudgeScores(ScoresOf({{0, 0.45}, {1, 0.2}})).accepted); // above 0.4, 60 % ahead
    EXPECT_FALSE(JudgeScores(ScoresOf({{0, 0.2}, {1, 0.39}})).accepted);
}

// The runner-up comes first so that the best displaces it: a best above 0.4 (up to 1) must be
// more than 60 % ahead, one above 0.1 more than 98 %.
TEST(JudgeScores, AcceptsOnlyAWinnerFarEnoughAheadOfTheRunnerUp) {
    struct Case {
        double runnerUp;
        double best;
        bool accepted;
    };
    const Case cases[] = {
        {0.40, 0.80, false}, {0.36, 0.80, false},  {0.3208, 0.80, false}, {0.316, 0.80, true},
        {0.28, 0.80, true},  {0.25, 0.55, false},  {0.21, 0.55, true},    {0.48, 1.00, false},
        {0.38, 1.00, true},  {0.0075, 0.3, false}, {0.0045, 0.3, true},   {0.99, 1.01, true},
    };
    for (const Case& c : cases) {
        const Verdict verdict = JudgeScores(ScoresOf({{0, c.runnerUp}, {1, c.best}}));
        ASSERT_EQ(verdict.runnerUp, c.runnerUp);
        EXPECT_EQ(verdict.accepted, c.accepted)
            << c.best << " with " << verdict.percentAhead << " % ahead";
    }
}

TEST(JudgeScores, NoScoreAboveTheFloorMeansNoWinner) {
    const Verdict verdict = JudgeScores(ScoresOf({{0, 0.001}, {1, 0.0001}}));
    EXPECT_EQ(verdict.bestIndex, -1);
    EXPECT_EQ(verdict.percentAhead, 0);
    EXPECT_FALSE(verdict.accepted);
    EXPECT_EQ(DiagnosticTrace(ScoresOf({{0, 0.001}, {1, 0.0001}}), verdict),
              "Comparitive liklihood of match;\n"
              " Motion 1 : 0.001\n"
              " Motion 2 : 0.0001\n"
              "Most likely : 0 ~0%\n"
              "Unable to distinguish motion\n");
}

TEST(DiagnosticTrace, ListsScoredMotionsByNumberAndTheLeader) {
    const MotionScores scores = ScoresOf({{0, 5}, {1, 3}, {2, 4}});
    EXPECT_EQ(DiagnosticTrace(scores, JudgeScores(scores)), "Comparitive liklihood of match;\n"
                                                            " Motion 1 : 5\n"
                                                            " Motion 2 : 3\n"
                                                            " Motion 3 : 4\n"
                                                            "Most likely : 1 ~99.98%\n");
}

TEST(DiagnosticTrace, SaysWhenNoMotionCanBeTold) {
    const MotionScores scores = ScoresOf({{4, 0.5}, {9, 0.9}});
    EXPECT_EQ(DiagnosticTrace(scores, JudgeScores(scores)), "Comparitive liklihood of match;\n"
                                                            " Motion 5 : 0.5\n"
                                                            " Motion 10 : 0.9\n"
                                                            "Most likely : 10 ~44.44%\n"
                                                            "Unable to distinguish motion\n");
}

class RecogniseTest : public ::testing::Test {
protected:
    RecognitionState state{"left over\n"};
    Recogniser recogniser;
};

TEST_F(RecogniseTest, MatchesTheHorizontalStroke) {
    const auto set = SetOf({test::HorizontalStroke()});
    EXPECT_EQ(recogniser.Recognise(*NormalisedPath(test::HorizontalStroke()), *set, state), 0);
    EXPECT_EQ(state.diagnosticLog, "Comparitive liklihood of match;\n"
                                   " Motion 1 : 2999.06275\n"
                                   "Most likely : 1 ~100%\n");
}

TEST_F(RecogniseTest, AcceptsTheReversedStrokeWhenItIsTheOnlyMotion) {
    const auto set = SetOf({test::HorizontalStroke()});
    EXPECT_EQ(recogniser.Recognise(*NormalisedPath(test::Reversed(test::HorizontalStroke())), *set,
                                   state),
              0);
    EXPECT_EQ(state.diagnosticLog, "Comparitive liklihood of match;\n"
                                   " Motion 1 : 0.20284\n"
                                   "Most likely : 1 ~99.51%\n");
}

TEST_F(RecogniseTest, PicksTheRightStrokeAmongSeveral) {
    const auto set = SetOf(
        {test::VerticalStroke(), test::HorizontalStroke(), test::Reversed(test::VerticalStroke())});
    EXPECT_EQ(recogniser.Recognise(*NormalisedPath(test::VerticalStroke()), *set, state), 0);
    EXPECT_THAT(state.diagnosticLog, HasSubstr(" Motion 1 : 155.38569\n"));
    EXPECT_THAT(state.diagnosticLog, HasSubstr("Most likely : 1 ~"));
}

TEST_F(RecogniseTest, SkipsMotionsOfFewerThanThreePoints) {
    auto set = SetOf({{{5, 5}, {9, 9}}, {}, test::HorizontalStroke()});
    set->motions[0].path.count = 2;
    EXPECT_EQ(recogniser.Recognise(*NormalisedPath(test::HorizontalStroke()), *set, state), 2);
    EXPECT_EQ(state.diagnosticLog, "Comparitive liklihood of match;\n"
                                   " Motion 3 : 2999.06275\n"
                                   "Most likely : 3 ~100%\n");
}

TEST_F(RecogniseTest, RejectsWhenNoMotionIsClearlyAhead) {
    // The horizontal stroke's low score displaces an even lower one and is not far enough ahead.
    const auto set = SetOf({test::Reversed(test::VerticalStroke()), test::HorizontalStroke()});
    EXPECT_EQ(recogniser.Recognise(*NormalisedPath(test::VerticalStroke()), *set, state), -1);
    EXPECT_EQ(state.diagnosticLog, "Comparitive liklihood of match;\n"
                                   " Motion 1 : 0.01051\n"
                                   " Motion 2 : 0.19609\n"
                                   "Most likely : 2 ~94.64%\n"
                                   "Unable to distinguish motion\n");
}

TEST_F(RecogniseTest, ShortGestureOrEmptySetStopsBeforeTheTrace) {
    const auto set = SetOf({test::HorizontalStroke()});
    auto gesture = NormalisedPath(test::HorizontalStroke());
    gesture->count = 2;
    EXPECT_EQ(recogniser.Recognise(*gesture, *set, state), -1);
    EXPECT_EQ(state.diagnosticLog, "left over\n");

    const auto empty = SetOf({});
    EXPECT_EQ(recogniser.Recognise(*NormalisedPath(test::HorizontalStroke()), *empty, state), -1);
    EXPECT_EQ(state.diagnosticLog, "left over\n");
}

TEST_F(RecogniseTest, SeesARecordedMotionChangeBetweenCalls) {
    auto set = SetOf({test::Reversed(test::VerticalStroke()), test::HorizontalStroke()});
    const auto gesture = NormalisedPath(test::VerticalStroke());
    EXPECT_EQ(recogniser.Recognise(*gesture, *set, state), -1);
    set->motions[1].path = ResizeGesture(*PathOf(test::VerticalStroke()));
    EXPECT_EQ(recogniser.Recognise(*gesture, *set, state), 1);
    set->motions[1].path = ResizeGesture(*PathOf(test::HorizontalStroke()));
    EXPECT_EQ(recogniser.Recognise(*gesture, *set, state), -1);
}

} // namespace
} // namespace traxo
