#pragma once
// The precise recogniser: an elastic match of whole paths that forgives wobbles, hurried corners
// and uneven speed. Both paths are resampled to points evenly spaced along their length and
// compared by dynamic time warping within a narrow band, where matching two points costs their
// distance plus the difference of the path's heading there; the nearest motion wins unless it is
// too far away or too close to the next nearest, in which case nothing is recognised. It reads
// only what sets store (the normalised paths), so it works on every existing set.

#include "recognition/Recogniser.h"
#include "sets/MotionPath.h"
#include "sets/MotionSet.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace traxo {

// Points per prepared path and how far (in points) one path may run ahead of the other. More
// points and a wider band measured a little better (32 and 4: 99.1 % against 98.9 % right with
// one recording of the same person) at over twice the cost.
inline constexpr int kPreparedPoints = 24;
inline constexpr int kWarpBand = 2;

// What a difference of heading of one radian costs, in box units. Heading tells apart what
// position alone confuses (a stroke and its reverse, a wobble and a corner).
inline constexpr double kHeadingWeight = 45.0;

// The rejection rule, tuned on recorded strokes (tools/measure-recognition) so that a wrong
// match stays rarer than a rejection and a shape missing from the set is taken for some motion
// no more often than the scoring recogniser does. Distances are the mean cost of matched
// points, in box units.
inline constexpr double kMaxMatchDistance = 40.0;
// The nearest motion must be at most this fraction of the next nearest one's distance.
inline constexpr double kMaxRunnerUpRatio = 0.9;

inline constexpr double kUnlimited = 1e300;

struct PointF {
    double x = 0;
    double y = 0;
};

// A normalised path made ready for matching; empty when the path has fewer than 3 points or no
// length at all.
struct PreparedPath {
    std::array<PointF, kPreparedPoints> points{};
    std::array<double, kPreparedPoints> headings{}; // radians, from the neighbouring points
    bool usable = false;
};

// Resamples the path to kPreparedPoints points evenly spaced along its length, first and last
// point kept, in box units.
PreparedPath PreparePath(const MotionPath& normalised);

// The elastic distance of two prepared paths: the least mean cost of matched points (their
// distance plus kHeadingWeight times their difference of heading) over all monotonic alignments
// that keep within kWarpBand points of the diagonal. Abandons the work, returning
// infinity, as soon as the result must exceed `giveUpAbove`.
double ElasticDistance(const PreparedPath& a, const PreparedPath& b,
                       double giveUpAbove = kUnlimited);

// The distance of each motion slot; empty for the slots that take no part.
using MotionDistances = std::array<std::optional<double>, kMotionSlots>;

// The outcome of one match: the nearest motion, the next nearest, and whether it is accepted.
struct PreciseVerdict {
    int bestIndex = -1;
    double best = kUnlimited;
    int runnerUpIndex = -1;
    double runnerUp = kUnlimited;
    bool accepted = false;
};

// The nearest motion wins when it is near enough and clearly nearer than the next nearest; on
// equal distances the lower index leads. A lone motion needs only to be near enough.
PreciseVerdict JudgeDistances(const MotionDistances& distances);

// The trace lines of one match, each ending in '\n'.
std::string PreciseTrace(const MotionDistances& distances, const PreciseVerdict& verdict);

class PreciseRecogniser {
public:
    // The same contract as Recogniser::Recognise: gesture is the normalised captured path;
    // motions with fewer than 3 points take no part; the verdict is the matched motion's index
    // or -1, and nothing runs.
    int Recognise(const MotionPath& gesture, const MotionSet& set, RecognitionState& state);

    // The distance of every live motion with at least 3 points; a motion that cannot change
    // the verdict (farther than the two nearest, or too far to matter) may read infinity.
    MotionDistances MeasureMotions(const MotionPath& gesture, const MotionSet& set);

private:
    // A stored motion is prepared once: each slot keeps the preparation of the path it last saw,
    // and prepares again only when that path's points change.
    const PreparedPath& PreparedMotion(int slot, const MotionPath& path);

    struct CachedMotion {
        bool filled = false;
        std::vector<Point> points;
        PreparedPath prepared;
    };

    std::array<CachedMotion, kMotionSlots> cache_;
};

} // namespace traxo
