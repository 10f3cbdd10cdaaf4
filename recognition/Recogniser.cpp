#include "recognition/Recogniser.h"

#include "recognition/MotionGeometry.h"
#include "recognition/ScoreFormat.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace traxo {
namespace {

constexpr int kMinPoints = 3;

constexpr double kStoredVerticalSlope = 10000;
constexpr double kGestureVerticalWidth = 1e-11;

constexpr double kAgree = 1.1;
constexpr double kSlopesDisagree = 0.99;
constexpr double kDisagree = 0.9;

signed char Sign(double value) {
    return value > 0 ? 1 : value < 0 ? -1 : 0;
}

// A stored motion's slope of a vertical segment is a fixed large value; the gesture's divides by
// a tiny width instead, keeping the sign of the rise.
enum class SlopeRule { StoredMotion, Gesture };

double Slope(Point from, Point to, SlopeRule rule) {
    const double dx = static_cast<double>(std::int64_t{to.x} - from.x);
    const double dy = static_cast<double>(std::int64_t{to.y} - from.y);
    if (dx != 0) {
        return dy / dx;
    }
    return rule == SlopeRule::StoredMotion ? kStoredVerticalSlope : dy / kGestureVerticalWidth;
}

double Direction(Point from, Point to) {
    return std::atan2(static_cast<double>(std::int64_t{to.y} - from.y),
                      static_cast<double>(std::int64_t{to.x} - from.x));
}

// The factor for the distance d between corresponding points, taken from d squared: for
// integer coordinates d > T exactly when d squared > T squared, since the square root is exact
// at T squared and otherwise at least 1 / (2T + 1) away from T, far beyond any rounding. So the
// factors are those of the distance itself, without a square root per point pair.
double DistanceFactor(Point a, Point b) {
    const double dx = static_cast<double>(std::int64_t{b.x} - a.x);
    const double dy = static_cast<double>(std::int64_t{b.y} - a.y);
    const double squared = dx * dx + dy * dy;
    if (squared > 90 * 90) {
        return 0.45;
    }
    if (squared > 50 * 50) {
        return 0.75;
    }
    if (squared > 30 * 30) {
        return 0.85;
    }
    if (squared > 15 * 15) {
        return 0.95;
    }
    return squared < 10 * 10 ? kAgree : 1.0;
}

bool Accepts(double best, double percentAhead) {
    return best > 1.0 || (best > 0.4 && percentAhead > 60) || (best > 0.1 && percentAhead > 98);
}

void ComputeFeatures(const MotionPath& path, SlopeRule rule, PathFeatures& out) {
    const int count = PointsInUse(path);
    out.points.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        out.points[i] = PointAt(path, i);
    }
    out.segments.assign(static_cast<std::size_t>(count), {});
    const std::vector<Point>& points = out.points;

    double previousSlope = 0;
    for (int j = 1; j < count; ++j) {
        PathFeatures::Segment& segment = out.segments[j];
        segment.slope = Slope(points[j - 1], points[j], rule);
        segment.trend = Sign(segment.slope - previousSlope);
        previousSlope = segment.slope;
    }

    // Turn j is the change of direction from segment j + 1 to segment j + 2.
    double lastDirection = count >= 3 ? Direction(points[1], points[2]) : 0;
    double previousTurn = 0;
    for (int j = 1; j <= count - 3; ++j) {
        const double direction = Direction(points[j + 1], points[j + 2]);
        const double turn = direction - lastDirection;
        if (j >= 2) {
            out.segments[j].turnChange = turn - previousTurn;
        }
        previousTurn = turn;
        lastDirection = direction;
    }
}

// The score of one stored motion against the gesture: each pair of corresponding segments
// multiplies it up or down, in the order slope, turn, trend, distance.
double ScoreMotion(const PathFeatures& motion, const PathFeatures& gesture) {
    const int pairs = std::min(motion.Count(), gesture.Count());
    double score = 1.0;
    for (int j = 1; j < pairs; ++j) {
        const PathFeatures::Segment& m = motion.segments[j];
        const PathFeatures::Segment& g = gesture.segments[j];

        const double slopeGap = std::abs(m.slope - g.slope);
        if (slopeGap < 0.2) {
            score *= kAgree;
        }
        if (slopeGap > 1.0) {
            score *= kSlopesDisagree;
        }

        // Turns are taken while the next two points exist in both paths; a change of turn needs
        // the turn before it too.
        if (j >= 2 && j < pairs - 2) {
            const double turnGap = std::abs(g.turnChange - m.turnChange);
            if (turnGap < 0.01) {
                score *= kAgree;
            } else if (turnGap > 20) {
                score *= kDisagree;
            }
        }

        if (m.trend != 0 && g.trend != 0) {
            score *= m.trend == g.trend ? kAgree : kDisagree;
        }

        score *= DistanceFactor(motion.points[j], gesture.points[j]);
    }
    return score;
}

} // namespace

Verdict JudgeScores(const MotionScores& scores) {
    Verdict verdict;
    for (int i = 0; i < kMotionSlots; ++i) {
        // Only a strictly higher score takes the lead, so the lower index wins a tie, and the
        // runner-up is the score the winner displaced, not the second highest.
        if (scores[i] && *scores[i] > verdict.best) {
            verdict.runnerUp = verdict.best;
            verdict.best = *scores[i];
            verdict.bestIndex = i;
        }
    }
    verdict.percentAhead = (verdict.best - verdict.runnerUp) / verdict.best * 100;
    verdict.accepted = Accepts(verdict.best, verdict.percentAhead);
    return verdict;
}

std::string DiagnosticTrace(const MotionScores& scores, const Verdict& verdict) {
    std::string trace = "Comparitive liklihood of match;\n";
    trace.reserve(64 * (kMotionSlots + 3));
    for (int i = 0; i < kMotionSlots; ++i) {
        if (scores[i]) {
            trace += " Motion ";
            trace += std::to_string(i + 1);
            trace += " : ";
            trace += FormatOptionalDecimals(*scores[i], 5);
            trace += '\n';
        }
    }
    trace += "Most likely : ";
    trace += std::to_string(verdict.bestIndex + 1);
    trace += " ~";
    trace += FormatOptionalDecimals(verdict.percentAhead, 2);
    trace += "%\n";
    if (!verdict.accepted) {
        trace += "Unable to distinguish motion\n";
    }
    return trace;
}

const PathFeatures& Recogniser::MotionFeatures(int slot, const MotionPath& path) {
    PathFeatures& cached = motionCache_[static_cast<std::size_t>(slot)];
    const int count = PointsInUse(path);
    if (cached.Count() != count ||
        std::memcmp(cached.points.data(), path.points, count * sizeof(Point)) != 0) {
        ComputeFeatures(path, SlopeRule::StoredMotion, cached);
    }
    return cached;
}

MotionScores Recogniser::ScoreMotions(const MotionPath& gesture, const MotionSet& set) {
    MotionScores scores{};
    ComputeFeatures(gesture, SlopeRule::Gesture, gesture_);
    const int storedCount = set.motionCount; // copied: a packed field cannot be referenced
    const int motionCount = std::clamp(storedCount, 0, kMotionSlots);
    for (int i = 0; i < motionCount; ++i) {
        const MotionPath& path = set.motions[i].path;
        if (PointsInUse(path) >= kMinPoints) {
            scores[static_cast<std::size_t>(i)] = ScoreMotion(MotionFeatures(i, path), gesture_);
        }
    }
    return scores;
}

int Recogniser::Recognise(const MotionPath& gesture, const MotionSet& set,
                          RecognitionState& state) {
    if (set.motionCount <= 0 || PointsInUse(gesture) < kMinPoints) {
        return -1;
    }

    const MotionScores scores = ScoreMotions(gesture, set);
    const Verdict verdict = JudgeScores(scores);
    state.diagnosticLog = DiagnosticTrace(scores, verdict);
    return verdict.accepted ? verdict.bestIndex : -1;
}

} // namespace traxo
