// With fast trails off the whole trail is drawn again at the end of every capturing poll, which
// runs at the timer's shortest interval: the cost of one redraw should grow only linearly with
// the length of the gesture.
#include "capture/GestureCapture.h"
#include "tests/native/FakeDesktop.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace traxo {
namespace {

// A capture holding a gesture of `points` points, every step 20 pixels and on the screen.
struct CapturedGesture {
    Settings settings;
    testing::FakeDesktop desktop;
    testing::FakeHook hook;
    testing::RecordingScreen screen;
    testing::FakeOwner owner;
    GestureCapture capture{settings, desktop, hook, screen, owner};

    explicit CapturedGesture(int points) {
        Point at{100, 100};
        capture.StartGesture(at, at);
        while (capture.CapturedPath().count < points) {
            // Back and forth across the screen, one row lower at each end.
            const bool rightwards = (at.y / 20) % 2 == 1;
            if ((rightwards && at.x >= 1800) || (!rightwards && at.x <= 100)) {
                at.y += 20;
            } else {
                at.x += rightwards ? 20 : -20;
            }
            capture.CaptureStep(at);
        }
    }
};

void BM_FullTrailRedraw(benchmark::State& state) {
    const auto gesture = std::make_unique<CapturedGesture>(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        gesture->screen.calls.clear();
        gesture->capture.DrawOnScreen();
        benchmark::DoNotOptimize(gesture->screen.calls.data());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_FullTrailRedraw)->Arg(100)->Arg(500)->Arg(2000)->Complexity();

} // namespace
} // namespace traxo
