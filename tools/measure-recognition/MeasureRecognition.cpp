// measure-recognition STROKES.json [--table | --sweep [headings]]
//
// How often each recogniser is right, wrong or rejects, on recorded strokes given as a JSON list
// of {"name", "subject", "speed", "number", "points": [[x, y], ...]}. Two ways of use:
//   same person: a set of one medium-speed recording per shape from one person, tested on all
//                of that person's other strokes (every person, every recording number in turn);
//   cross person: the same sets tested on the strokes of every other person.
// Every path is normalised as the program normalises it, so the figures are the program's.
// --table shows how the distance limit trades right answers against unknown shapes accepted.
// --sweep also measures the other matching methods that were tried, each with the rejection
// rule that suits it best, to show why the precise recogniser matches as it does; --sweep
// headings measures the elastic match with several weights of the heading instead.
#include "recognition/MotionGeometry.h"
#include "recognition/PreciseRecogniser.h"
#include "recognition/Recogniser.h"
#include "sets/MotionSet.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace traxo {
namespace {

struct Stroke {
    int shape = 0;
    std::string subject;
    std::string speed;
    int number = 0;
    std::unique_ptr<MotionPath> path; // normalised
    PreparedPath prepared;
};

std::vector<Stroke> LoadStrokes(const char* file, std::vector<std::string>& shapes) {
    std::ifstream in(file);
    const nlohmann::json document = nlohmann::json::parse(in);
    std::map<std::string, int> shapeIndex;
    std::vector<Stroke> strokes;
    for (const auto& entry : document) {
        Stroke stroke;
        const std::string name = entry.at("name");
        if (!shapeIndex.contains(name)) {
            shapeIndex[name] = static_cast<int>(shapes.size());
            shapes.push_back(name);
        }
        stroke.shape = shapeIndex[name];
        stroke.subject = entry.at("subject");
        stroke.speed = entry.at("speed");
        stroke.number = entry.at("number");
        auto raw = std::make_unique<MotionPath>();
        int count = 0;
        for (const auto& point : entry.at("points")) {
            if (count < kMaxPathPoints) {
                SetPointAt(*raw, count++, {point.at(0).get<int>(), point.at(1).get<int>()});
            }
        }
        raw->count = count;
        stroke.path = std::make_unique<MotionPath>(ResizeGesture(*raw));
        stroke.prepared = PreparePath(*stroke.path);
        strokes.push_back(std::move(stroke));
    }
    return strokes;
}

// One recognition: the nearest motion and how near it and the next nearest are. For the
// specified recogniser only its own verdict counts.
struct Outcome {
    int expected = 0;
    int best = -1;
    double nearest = 0;
    double next = 0;
    bool acceptedBySelf = false;
    bool acceptedWithoutOwn = false; // accepted some motion when the set lacks the gesture's shape
    double otherNearest = 0;         // the nearest and next nearest of the other shapes
    double otherNext = 0;
};

struct Tally {
    int right = 0, wrong = 0, rejected = 0;
    void Add(bool accepted, bool correct) { (accepted ? (correct ? right : wrong) : rejected)++; }
    int Total() const { return right + wrong + rejected; }
    std::string Text() const {
        char text[96];
        const double total = Total();
        std::snprintf(text, sizeof text, "right %5.1f %%  wrong %4.1f %%  rejected %4.1f %%",
                      100.0 * right / total, 100.0 * wrong / total, 100.0 * rejected / total);
        return text;
    }
};

using Distance = std::function<double(const Stroke& motion, const Stroke& gesture)>;

// Sets of one medium-speed recording per shape for every person and recording number; each is
// tested on the strokes of the same person (other than the set's own) or of everyone else.
template <typename Recognise>
void RunTrials(const std::vector<Stroke>& strokes, int shapeCount, Recognise recognise,
               std::vector<Outcome>& same, std::vector<Outcome>& cross) {
    std::vector<std::string> subjects;
    for (const Stroke& s : strokes) {
        if (std::find(subjects.begin(), subjects.end(), s.subject) == subjects.end()) {
            subjects.push_back(s.subject);
        }
    }
    for (const std::string& subject : subjects) {
        for (int number = 1; number <= 10; ++number) {
            std::vector<const Stroke*> set(static_cast<std::size_t>(shapeCount), nullptr);
            for (const Stroke& s : strokes) {
                if (s.subject == subject && s.speed == "medium" && s.number == number) {
                    set[static_cast<std::size_t>(s.shape)] = &s;
                }
            }
            if (std::count(set.begin(), set.end(), nullptr) != 0) {
                continue;
            }
            for (const Stroke& s : strokes) {
                if (std::find(set.begin(), set.end(), &s) != set.end()) {
                    continue;
                }
                Outcome outcome = recognise(set, s);
                outcome.expected = s.shape;
                (s.subject == subject ? same : cross).push_back(outcome);
            }
        }
    }
}

Outcome Nearest(const std::vector<const Stroke*>& set, const Stroke& gesture,
                const Distance& distance) {
    Outcome outcome;
    outcome.nearest = outcome.next = kUnlimited;
    for (std::size_t i = 0; i < set.size(); ++i) {
        const double d = distance(*set[i], gesture);
        if (d < outcome.nearest) {
            outcome.next = outcome.nearest;
            outcome.nearest = d;
            outcome.best = static_cast<int>(i);
        } else if (d < outcome.next) {
            outcome.next = d;
        }
    }
    return outcome;
}

Tally Judge(const std::vector<Outcome>& outcomes, double maxDistance, double maxRatio) {
    Tally tally;
    for (const Outcome& o : outcomes) {
        tally.Add(o.nearest <= maxDistance && o.nearest <= maxRatio * o.next, o.best == o.expected);
    }
    return tally;
}

// The methods that were tried against the shipped elastic match.
double MeanGap(const PreparedPath& a, const PreparedPath& b) {
    double sum = 0;
    for (int i = 0; i < kPreparedPoints; ++i) {
        sum += std::hypot(a.points[i].x - b.points[i].x, a.points[i].y - b.points[i].y);
    }
    return sum / kPreparedPoints;
}

// Cosine distance of the centred point vectors (angle in degrees), without rotation.
double CosineAngle(const PreparedPath& a, const PreparedPath& b) {
    const auto centred = [](const PreparedPath& p) {
        double cx = 0, cy = 0;
        for (const PointF& q : p.points) {
            cx += q.x / kPreparedPoints;
            cy += q.y / kPreparedPoints;
        }
        std::vector<double> v;
        double norm = 0;
        for (const PointF& q : p.points) {
            v.push_back(q.x - cx);
            v.push_back(q.y - cy);
            norm += (q.x - cx) * (q.x - cx) + (q.y - cy) * (q.y - cy);
        }
        for (double& x : v) {
            x /= std::sqrt(norm);
        }
        return v;
    };
    const std::vector<double> u = centred(a);
    const std::vector<double> v = centred(b);
    double dot = 0;
    for (std::size_t i = 0; i < u.size(); ++i) {
        dot += u[i] * v[i];
    }
    return std::acos(std::clamp(dot, -1.0, 1.0)) * 180 / 3.14159265358979;
}

// Elastic matching with any band, every cell computed (the shipped one abandons early).
double ElasticWithBand(const PreparedPath& a, const PreparedPath& b, int band) {
    constexpr int n = kPreparedPoints;
    std::vector<double> cost((n + 1) * (n + 1), kUnlimited);
    cost[0] = 0;
    for (int i = 1; i <= n; ++i) {
        for (int j = std::max(1, i - band); j <= std::min(n, i + band); ++j) {
            const double gap = std::hypot(a.points[i - 1].x - b.points[j - 1].x,
                                          a.points[i - 1].y - b.points[j - 1].y);
            cost[i * (n + 1) + j] =
                gap + std::min({cost[(i - 1) * (n + 1) + j], cost[i * (n + 1) + j - 1],
                                cost[(i - 1) * (n + 1) + j - 1]});
        }
    }
    return cost[n * (n + 1) + n] / n;
}

// Elastic matching whose point cost also weighs the difference of the path's direction there
// (weight in box units per radian).
double ElasticWithDirection(const PreparedPath& a, const PreparedPath& b, int band, double weight) {
    constexpr int n = kPreparedPoints;
    const auto directions = [](const PreparedPath& p) {
        std::vector<double> d(n);
        for (int i = 0; i < n; ++i) {
            const int from = std::max(0, i - 1), to = std::min(n - 1, i + 1);
            d[i] = std::atan2(p.points[to].y - p.points[from].y, p.points[to].x - p.points[from].x);
        }
        return d;
    };
    const std::vector<double> da = directions(a), db = directions(b);
    std::vector<double> cost((n + 1) * (n + 1), kUnlimited);
    cost[0] = 0;
    for (int i = 1; i <= n; ++i) {
        for (int j = std::max(1, i - band); j <= std::min(n, i + band); ++j) {
            double turn = std::abs(da[i - 1] - db[j - 1]);
            turn = std::min(turn, 2 * 3.14159265358979 - turn);
            const double gap = std::hypot(a.points[i - 1].x - b.points[j - 1].x,
                                          a.points[i - 1].y - b.points[j - 1].y) +
                               weight * turn;
            cost[i * (n + 1) + j] =
                gap + std::min({cost[(i - 1) * (n + 1) + j], cost[i * (n + 1) + j - 1],
                                cost[(i - 1) * (n + 1) + j - 1]});
        }
    }
    return cost[n * (n + 1) + n] / n;
}

void Report(const char* name, const std::vector<Outcome>& same, const std::vector<Outcome>& cross,
            double maxDistance, double maxRatio) {
    std::printf("%s\n  same person:  %s  (%d)\n  cross person: %s  (%d)\n", name,
                Judge(same, maxDistance, maxRatio).Text().c_str(), int(same.size()),
                Judge(cross, maxDistance, maxRatio).Text().c_str(), int(cross.size()));
}

// The rule that leaves the most right answers while a wrong action stays rarer than a
// rejection and at most 1 % (same person) and 4 % (cross person).
void SweepRule(const char* name, const std::vector<Outcome>& same,
               const std::vector<Outcome>& cross) {
    std::vector<double> nearest;
    for (const Outcome& o : same) {
        nearest.push_back(o.nearest);
    }
    std::sort(nearest.begin(), nearest.end());
    double bestScore = -1, bestDistance = 0, bestRatio = 0;
    for (int q = 80; q <= 1000; q += 5) {
        const double maxDistance = nearest[std::min(nearest.size() - 1, nearest.size() * q / 1000)];
        for (double maxRatio = 0.5; maxRatio <= 1.0001; maxRatio += 0.05) {
            const Tally s = Judge(same, maxDistance, maxRatio);
            const Tally c = Judge(cross, maxDistance, maxRatio);
            const bool safe = s.wrong < s.rejected && c.wrong < c.rejected &&
                              s.wrong * 100 <= s.Total() && c.wrong * 100 <= 4 * c.Total();
            const double score = double(s.right) / s.Total() + double(c.right) / c.Total();
            if (safe && score > bestScore) {
                bestScore = score;
                bestDistance = maxDistance;
                bestRatio = maxRatio;
            }
        }
    }
    char title[160];
    std::snprintf(title, sizeof title, "%s, best rule: distance <= %.3g, ratio <= %.2f", name,
                  bestDistance, bestRatio);
    Report(title, same, cross, bestDistance, bestRatio);
    std::snprintf(title, sizeof title, "%s, nearest always taken", name);
    Report(title, same, cross, kUnlimited, 1.0);
}

} // namespace
} // namespace traxo

int main(int argc, char** argv) {
    using namespace traxo;
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: measure-recognition STROKES.json [--table | --sweep [headings]]\n");
        return 2;
    }
    std::vector<std::string> shapes;
    const std::vector<Stroke> strokes = LoadStrokes(argv[1], shapes);
    const int shapeCount = static_cast<int>(shapes.size());

    auto set = std::make_unique<MotionSet>();
    Recogniser specified;
    std::vector<Outcome> same, cross;
    RunTrials(
        strokes, shapeCount,
        [&](const std::vector<const Stroke*>& motions, const Stroke& gesture) {
            set->motionCount = static_cast<std::int32_t>(motions.size());
            for (std::size_t i = 0; i < motions.size(); ++i) {
                set->motions[i].path = *motions[i]->path;
            }
            MotionScores scores = specified.ScoreMotions(*gesture.path, *set);
            const Verdict verdict = JudgeScores(scores);
            scores[static_cast<std::size_t>(gesture.shape)].reset();
            return Outcome{0, verdict.bestIndex, 0,
                           0, verdict.accepted,  JudgeScores(scores).accepted};
        },
        same, cross);
    const auto selfJudged = [](const std::vector<Outcome>& outcomes) {
        Tally tally;
        for (const Outcome& o : outcomes) {
            tally.Add(o.acceptedBySelf, o.best == o.expected);
        }
        return tally.Text();
    };
    const auto unknownAccepted = [](const std::vector<Outcome>& outcomes) {
        const auto accepted = std::count_if(outcomes.begin(), outcomes.end(),
                                            [](const Outcome& o) { return o.acceptedWithoutOwn; });
        return 100.0 * double(accepted) / double(outcomes.size());
    };
    const auto reportUnknown = [&] {
        std::printf("  shape missing from the set, some motion accepted: same person %.1f %%, "
                    "cross person %.1f %%\n",
                    unknownAccepted(same), unknownAccepted(cross));
    };
    std::printf("specified recogniser\n  same person:  %s\n  cross person: %s\n",
                selfJudged(same).c_str(), selfJudged(cross).c_str());
    reportUnknown();

    PreciseRecogniser precise;
    same.clear();
    cross.clear();
    RunTrials(
        strokes, shapeCount,
        [&](const std::vector<const Stroke*>& motions, const Stroke& gesture) {
            set->motionCount = static_cast<std::int32_t>(motions.size());
            for (std::size_t i = 0; i < motions.size(); ++i) {
                set->motions[i].path = *motions[i]->path;
            }
            const PreciseVerdict verdict =
                JudgeDistances(precise.MeasureMotions(*gesture.path, *set));
            // Every distance in full, so that leaving a motion out cannot uncover an abandoned one.
            MotionDistances all{};
            for (std::size_t i = 0; i < motions.size(); ++i) {
                all[i] = ElasticDistance(motions[i]->prepared, gesture.prepared);
            }
            all[static_cast<std::size_t>(gesture.shape)].reset();
            const PreciseVerdict others = JudgeDistances(all);
            return Outcome{0,
                           verdict.bestIndex,
                           verdict.best,
                           verdict.runnerUp,
                           verdict.accepted,
                           others.accepted,
                           others.best,
                           others.runnerUp};
        },
        same, cross);
    Report("precise recogniser", same, cross, kMaxMatchDistance, kMaxRunnerUpRatio);
    reportUnknown();

    if (argc > 2 && std::string(argv[2]) == "--table") {
        // How the distance limit trades right answers against unknown shapes taken for a motion.
        for (const double ratio : {0.8, 0.9}) {
            for (const double limit : {30.0, 35.0, 40.0, 45.0, 50.0, 60.0, 80.0}) {
                double unknown[2] = {0, 0};
                for (int c = 0; c < 2; ++c) {
                    for (const Outcome& o : c == 0 ? same : cross) {
                        unknown[c] +=
                            o.otherNearest <= limit && o.otherNearest <= ratio * o.otherNext;
                    }
                    unknown[c] = 100 * unknown[c] / double((c == 0 ? same : cross).size());
                }
                char title[160];
                std::snprintf(title, sizeof title,
                              "distance <= %.0f, ratio <= %.1f (shape missing, accepted: "
                              "%.1f %% / %.1f %%)",
                              limit, ratio, unknown[0], unknown[1]);
                Report(title, same, cross, limit, ratio);
            }
        }
    }
    if (argc > 2 && std::string(argv[2]) == "--sweep") {
        const auto sweep = [&](const char* name, const Distance& distance) {
            std::vector<Outcome> s, c;
            RunTrials(
                strokes, shapeCount,
                [&](const std::vector<const Stroke*>& motions, const Stroke& gesture) {
                    return Nearest(motions, gesture, distance);
                },
                s, c);
            SweepRule(name, s, c);
        };
        if (argc > 3 && std::string(argv[3]) == "headings") {
            for (double weight : {5.0, 10.0, 20.0, 30.0, 45.0, 70.0}) {
                const std::string name = "elastic with direction, weight " + std::to_string(weight);
                sweep(name.c_str(), [weight](const Stroke& m, const Stroke& g) {
                    return ElasticWithDirection(m.prepared, g.prepared, 4, weight);
                });
            }
            return 0;
        }
        sweep("mean gap of evenly spaced points",
              [](const Stroke& m, const Stroke& g) { return MeanGap(m.prepared, g.prepared); });
        sweep("cosine of centred points",
              [](const Stroke& m, const Stroke& g) { return CosineAngle(m.prepared, g.prepared); });
        for (int band : {2, 4, 6, 8, 31}) {
            const std::string name = "elastic, band " + std::to_string(band);
            sweep(name.c_str(), [band](const Stroke& m, const Stroke& g) {
                return ElasticWithBand(m.prepared, g.prepared, band);
            });
        }
    }
    return 0;
}
