#include "recognition/PreciseRecogniser.h"

#include "recognition/MotionGeometry.h"
#include "recognition/ScoreFormat.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace traxo {
namespace {

constexpr int kLeastMatchPoints = 3;
constexpr int kBandCells = 2 * kWarpBand + 1;

constexpr double kPi = 3.14159265358979323846;

// Box coordinates are small: the plain square root needs none of hypot's care against overflow.
double Gap(PointF a, PointF b) {
    const double dx = a.x - b.x;
    const double dy = a.y - b.y;
    return std::sqrt(dx * dx + dy * dy);
}

// The smaller angle between two headings.
double HeadingDifference(double a, double b) {
    const double difference = std::abs(a - b);
    return std::min(difference, 2 * kPi - difference);
}

double MatchCost(const PreparedPath& a, int i, const PreparedPath& b, int j) {
    return Gap(a.points[i], b.points[j]) +
           kHeadingWeight * HeadingDifference(a.headings[i], b.headings[j]);
}

bool AcceptsDistances(double best, double runnerUp) {
    return best <= kMaxMatchDistance && best <= kMaxRunnerUpRatio * runnerUp;
}

std::string DistanceText(double distance) {
    return distance >= kUnlimited ? "far" : FormatOptionalDecimals(distance, 2);
}

} // namespace

PreparedPath PreparePath(const MotionPath& normalised) {
    PreparedPath prepared;
    const int count = PointsInUse(normalised);
    if (count < kLeastMatchPoints) {
        return prepared;
    }
    double length = 0;
    for (int i = 1; i < count; ++i) {
        length += distancebetween(PointAt(normalised, i - 1), PointAt(normalised, i));
    }
    if (length <= 0) {
        return prepared;
    }

    // Walk the path once, dropping a point every `spacing` units of length; repeated points
    // (normalisation copies the points of short paths) add no length and vanish.
    const double spacing = length / (kPreparedPoints - 1);
    const auto asF = [](Point p) { return PointF{double(p.x), double(p.y)}; };
    PointF from = asF(PointAt(normalised, 0));
    prepared.points[0] = from;
    int written = 1;
    double carried = 0; // length walked since the last point dropped
    for (int i = 1; i < count && written < kPreparedPoints - 1; ++i) {
        const PointF to = asF(PointAt(normalised, i));
        double segment = Gap(from, to);
        while (segment > 0 && carried + segment >= spacing && written < kPreparedPoints - 1) {
            const double t = (spacing - carried) / segment;
            from = {from.x + t * (to.x - from.x), from.y + t * (to.y - from.y)};
            prepared.points[written++] = from;
            segment = Gap(from, to);
            carried = 0;
        }
        carried += segment;
        from = to;
    }
    // Rounding may leave the last few drops short of the end: they all go to the end point.
    const PointF last = asF(PointAt(normalised, count - 1));
    while (written < kPreparedPoints) {
        prepared.points[written++] = last;
    }
    // The heading at a point is that of the chord between its neighbours (one-sided at the ends);
    // where rounding left two drops on the same spot, the heading before it carries on.
    for (int i = 0; i < kPreparedPoints; ++i) {
        const PointF before = prepared.points[std::max(0, i - 1)];
        const PointF after = prepared.points[std::min(kPreparedPoints - 1, i + 1)];
        prepared.headings[i] = Gap(before, after) > 0 || i == 0
                                   ? std::atan2(after.y - before.y, after.x - before.x)
                                   : prepared.headings[i - 1];
    }
    prepared.usable = true;
    return prepared;
}

double ElasticDistance(const PreparedPath& a, const PreparedPath& b, double giveUpAbove) {
    if (!a.usable || !b.usable) {
        return kUnlimited;
    }
    // Row i of the table keeps, at index k, the cheapest alignment that ends with point i of a
    // matched to point j = i - kWarpBand + k of b; cells outside the band or the paths read
    // infinity. A cell extends the cheapest of its neighbours above, above-left and left:
    //   cell[k] = cost[k] + min(fromAbove[k], cell[k - 1]).
    // Unrolled, cell[k] = sum of cost[lo..k] + least over m <= k of (fromAbove[m] - sum of
    // cost[lo..m - 1]): a running sum and a running least that do not wait on each other, which
    // halves the chain of dependent steps in the row.
    std::array<double, kBandCells + 1> previous;
    std::array<double, kBandCells + 1> current;
    previous.fill(kUnlimited);
    current.fill(kUnlimited);
    std::array<double, kBandCells> fromAbove;
    std::array<double, kBandCells> cost;
    const double giveUpTotal =
        giveUpAbove >= kUnlimited ? kUnlimited : giveUpAbove * kPreparedPoints;

    for (int i = 0; i < kPreparedPoints; ++i) {
        const int lo = std::max(0, kWarpBand - i);
        const int hi = std::min(kBandCells, kPreparedPoints + kWarpBand - i);
        for (int k = lo; k < hi; ++k) {
            // Row i - 1 kept column j at index k + 1 and column j - 1 at index k.
            fromAbove[k] = std::min(previous[k], previous[k + 1]);
            cost[k] = MatchCost(a, i, b, i - kWarpBand + k);
        }
        if (i == 0) {
            fromAbove[lo] = 0;
        }
        double sum = 0;
        double least = kUnlimited;
        double rowLeast = kUnlimited;
        for (int k = lo; k < hi; ++k) {
            least = std::min(least, fromAbove[k] - sum);
            sum += cost[k];
            current[k] = sum + least;
            rowLeast = std::min(rowLeast, current[k]);
        }
        if (rowLeast > giveUpTotal) {
            return kUnlimited;
        }
        previous = current;
        current.fill(kUnlimited);
    }
    return previous[kWarpBand] / kPreparedPoints;
}

PreciseVerdict JudgeDistances(const MotionDistances& distances) {
    PreciseVerdict verdict;
    for (int i = 0; i < kMotionSlots; ++i) {
        const std::optional<double>& distance = distances[static_cast<std::size_t>(i)];
        if (!distance) {
            continue;
        }
        if (*distance < verdict.best) {
            verdict.runnerUp = verdict.best;
            verdict.runnerUpIndex = verdict.bestIndex;
            verdict.best = *distance;
            verdict.bestIndex = i;
        } else if (*distance < verdict.runnerUp) {
            verdict.runnerUp = *distance;
            verdict.runnerUpIndex = i;
        }
    }
    verdict.accepted = verdict.bestIndex >= 0 && AcceptsDistances(verdict.best, verdict.runnerUp);
    return verdict;
}

std::string PreciseTrace(const MotionDistances& distances, const PreciseVerdict& verdict) {
    std::string trace = "Precise match, mean distance of matched points;\n";
    for (int i = 0; i < kMotionSlots; ++i) {
        if (const std::optional<double>& distance = distances[static_cast<std::size_t>(i)]) {
            trace += " Motion " + std::to_string(i + 1) + " : " + DistanceText(*distance) + '\n';
        }
    }
    trace +=
        "Nearest : " + std::to_string(verdict.bestIndex + 1) + " ~" + DistanceText(verdict.best);
    if (verdict.runnerUpIndex >= 0) {
        trace += ", next : " + std::to_string(verdict.runnerUpIndex + 1) + " ~" +
                 DistanceText(verdict.runnerUp);
    }
    trace += '\n';
    if (!verdict.accepted) {
        trace += verdict.bestIndex < 0 || verdict.best > kMaxMatchDistance
                     ? "Too far from every motion\n"
                     : "Too close to call\n";
        trace += "Unable to distinguish motion\n";
    }
    return trace;
}

const PreparedPath& PreciseRecogniser::PreparedMotion(int slot, const MotionPath& path) {
    CachedMotion& cached = cache_[static_cast<std::size_t>(slot)];
    const std::size_t count = static_cast<std::size_t>(PointsInUse(path));
    if (!cached.filled || cached.points.size() != count ||
        std::memcmp(cached.points.data(), path.points, count * sizeof(Point)) != 0) {
        cached.points.resize(count);
        std::memcpy(cached.points.data(), path.points, count * sizeof(Point));
        cached.prepared = PreparePath(path);
        cached.filled = true;
    }
    return cached.prepared;
}

MotionDistances PreciseRecogniser::MeasureMotions(const MotionPath& gesture, const MotionSet& set) {
    MotionDistances distances{};
    const PreparedPath prepared = PreparePath(gesture);
    const int storedCount = set.motionCount; // copied: a packed field cannot be referenced
    const int motionCount = std::clamp(storedCount, 0, kMotionSlots);
    // A motion farther than the two nearest so far can be neither the winner nor the runner-up,
    // and one beyond kMaxMatchDistance / kMaxRunnerUpRatio cannot change the verdict: as the
    // winner it is too far, as the runner-up it is far enough behind any winner near enough.
    constexpr double kMattersUpTo = kMaxMatchDistance / kMaxRunnerUpRatio;
    double nearest = kUnlimited;
    double next = kUnlimited;
    for (int i = 0; i < motionCount; ++i) {
        const MotionPath& path = set.motions[i].path;
        if (PointsInUse(path) < kLeastMatchPoints) {
            continue;
        }
        const double distance =
            ElasticDistance(PreparedMotion(i, path), prepared, std::min(next, kMattersUpTo));
        distances[static_cast<std::size_t>(i)] = distance;
        if (distance < nearest) {
            next = nearest;
            nearest = distance;
        } else if (distance < next) {
            next = distance;
        }
    }
    return distances;
}

int PreciseRecogniser::Recognise(const MotionPath& gesture, const MotionSet& set,
                                 RecognitionState& state) {
    if (set.motionCount <= 0 || PointsInUse(gesture) < kLeastMatchPoints) {
        return -1;
    }
    const MotionDistances distances = MeasureMotions(gesture, set);
    const PreciseVerdict verdict = JudgeDistances(distances);
    state.diagnosticLog = PreciseTrace(distances, verdict);
    return verdict.accepted ? verdict.bestIndex : -1;
}

} // namespace traxo
