#pragma once
// Decides which motion of the set, if any, the current gesture is. Every motion is scored by
// how well the slopes, slope trends, turns and positions of corresponding points agree; the
// best score wins if it is high enough on its own or far enough ahead of the one it displaced.

#include "platform/CoreTypes.h"
#include "sets/MotionPath.h"
#include "sets/MotionSet.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace traxo {

// What recognition leaves behind: the trace of the last scoring, which nothing reads back.
struct RecognitionState {
    std::string diagnosticLog; // one '\n'-terminated line each
};

// The score of each motion slot; empty for the slots that take no part.
using MotionScores = std::array<std::optional<double>, kMotionSlots>;

// Scores must beat this to lead.
inline constexpr double kNoScore = 0.001;

// The outcome of one scoring: the leader, the score it displaced, and whether it is accepted.
struct Verdict {
    int bestIndex = -1;
    double best = kNoScore;
    double runnerUp = kNoScore;
    double percentAhead = 0; // (best - runnerUp) / best * 100
    bool accepted = false;
};

Verdict JudgeScores(const MotionScores& scores);

// The trace lines of one scoring, each ending in '\n'.
std::string DiagnosticTrace(const MotionScores& scores, const Verdict& verdict);

// What scoring reads of one path, computed once per path content. Index j describes segment j,
// which joins point j - 1 to point j; index 0 is unused.
struct PathFeatures {
    struct Segment {
        double slope = 0;
        double turnChange = 0; // change of turn since segment j - 1, for 2 <= j <= count - 3
        signed char trend = 0; // sign of slope - previous slope
    };
    std::vector<Point> points;
    std::vector<Segment> segments;

    int Count() const { return static_cast<int>(points.size()); }
};

class Recogniser {
public:
    // gesture is the normalised captured path. The verdict: the matched motion's index, or -1
    // when nothing matched. Recognising runs nothing; what the match does is its caller's.
    int Recognise(const MotionPath& gesture, const MotionSet& set, RecognitionState& state);

    // The scores of every live motion with at least 3 points.
    MotionScores ScoreMotions(const MotionPath& gesture, const MotionSet& set);

private:
    // A stored motion's features change only when its path does: each slot keeps those of the
    // path it last saw and computes them again when the path's points differ.
    const PathFeatures& MotionFeatures(int slot, const MotionPath& path);

    PathFeatures gesture_;
    std::array<PathFeatures, kMotionSlots> motionCache_;
};

} // namespace traxo
