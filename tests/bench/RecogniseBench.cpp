// Recognition runs on the user-interface thread at the end of every gesture: a full set of 100
// motions against a 30-point gesture should cost well under a frame.
#include "recognition/MotionGeometry.h"
#include "recognition/PreciseRecogniser.h"
#include "recognition/Recogniser.h"
#include "sets/MotionSet.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <random>

namespace traxo {
namespace {

// A raw random walk of count points, steps of up to 40 pixels on each axis.
MotionPath RandomRawPath(std::mt19937& random, int count) {
    std::uniform_int_distribution<int> step(-40, 40);
    MotionPath path{};
    Point at{500, 500};
    for (int i = 0; i < count; ++i) {
        SetPointAt(path, i, at);
        at.x += step(random);
        at.y += step(random);
    }
    path.count = count;
    return path;
}

// 100 stored motions and a gesture, all normalised to 30 points.
struct FullSet {
    std::unique_ptr<MotionSet> set = std::make_unique<MotionSet>();
    std::unique_ptr<MotionPath> gesture;

    FullSet() {
        std::mt19937 random(42);
        set->motionCount = kMaxMotions;
        for (int i = 0; i < kMaxMotions; ++i) {
            set->motions[i].path = ResizeGesture(RandomRawPath(random, 90));
        }
        gesture = std::make_unique<MotionPath>(ResizeGesture(RandomRawPath(random, 90)));
    }
};

void BM_Recognise(benchmark::State& state) {
    const FullSet full;
    Recogniser recogniser;
    RecognitionState recognition;
    for (auto _ : state) {
        benchmark::DoNotOptimize(recogniser.Recognise(*full.gesture, *full.set, recognition));
    }
}
BENCHMARK(BM_Recognise);

// The first recognition after a set is loaded, when no motion's features are known yet.
void BM_RecogniseFirstAfterLoad(benchmark::State& state) {
    const FullSet full;
    RecognitionState recognition;
    for (auto _ : state) {
        Recogniser recogniser;
        benchmark::DoNotOptimize(recogniser.Recognise(*full.gesture, *full.set, recognition));
    }
}
BENCHMARK(BM_RecogniseFirstAfterLoad);

// The precise recogniser, its motions prepared by an earlier recognition.
void BM_RecognisePrecise(benchmark::State& state) {
    const FullSet full;
    PreciseRecogniser recogniser;
    RecognitionState recognition;
    for (auto _ : state) {
        benchmark::DoNotOptimize(recogniser.Recognise(*full.gesture, *full.set, recognition));
    }
}
BENCHMARK(BM_RecognisePrecise);

// The same with a gesture close to one motion (a wobbly copy of it), as when a gesture is known:
// the near motion and every other one close enough to matter are measured in full.
void BM_RecognisePreciseNearMatch(benchmark::State& state) {
    const FullSet full;
    MotionPath gesture = full.set->motions[50].path;
    for (int i = 0; i < gesture.count; ++i) {
        Point p = PointAt(gesture, i);
        p.x += i % 2 == 0 ? 3 : -3;
        SetPointAt(gesture, i, p);
    }
    PreciseRecogniser recogniser;
    RecognitionState recognition;
    for (auto _ : state) {
        benchmark::DoNotOptimize(recogniser.Recognise(gesture, *full.set, recognition));
    }
    if (recogniser.Recognise(gesture, *full.set, recognition) != 50) {
        state.SkipWithError("the wobbly copy was not recognised");
    }
}
BENCHMARK(BM_RecognisePreciseNearMatch);

// The first precise recognition after a set is loaded, which prepares every motion.
void BM_RecognisePreciseFirstAfterLoad(benchmark::State& state) {
    const FullSet full;
    RecognitionState recognition;
    for (auto _ : state) {
        PreciseRecogniser recogniser;
        benchmark::DoNotOptimize(recogniser.Recognise(*full.gesture, *full.set, recognition));
    }
}
BENCHMARK(BM_RecognisePreciseFirstAfterLoad);

void BM_ResizeGesture(benchmark::State& state) {
    std::mt19937 random(7);
    const auto raw = std::make_unique<MotionPath>(RandomRawPath(random, kMaxPathPoints));
    for (auto _ : state) {
        benchmark::DoNotOptimize(ResizeGesture(*raw));
    }
}
BENCHMARK(BM_ResizeGesture);

} // namespace
} // namespace traxo
