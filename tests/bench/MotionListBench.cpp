// Painting the motion list's visible rows (eight of them, with thumbnails, icons and counters)
// on a recording canvas: the portable share of one repaint of the list.
#include "platform/RecordingPaintCanvas.h"
#include "ui/main/MotionListPainter.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace traxo {
namespace {

// 100 motions of 30 points, each with a default action and, every third one, two program rules.
std::unique_ptr<MotionSet> HundredMotions() {
    auto set = std::make_unique<MotionSet>();
    set->knownAppCount = 50;
    for (int m = 0; m < 100; ++m) {
        Motion& motion = set->motions[m];
        for (int p = 0; p < 30; ++p) {
            motion.path.points[p].x = (m * 7 + p * 3) % 101;
            motion.path.points[p].y = 100 - (m + p * 5) % 101;
        }
        motion.path.count = 30;
        motion.defaultAction.Assign(u"@Keys: Ctrl + W");
        if (m % 3 == 0) {
            motion.rules[0].appIndex = static_cast<std::uint8_t>(m % 50);
            motion.rules[0].action.Assign(u"https://example.org/");
            motion.rules[1].appIndex = static_cast<std::uint8_t>((m + 1) % 50);
            motion.ruleCount = 2;
        }
    }
    set->motionCount = 100;
    return set;
}

void BM_PaintVisibleRows(benchmark::State& state) {
    const auto set = HundredMotions();
    const MotionListFonts fonts;
    for (auto _ : state) {
        RecordingPaintCanvas canvas;
        for (int row = 0; row < 8; ++row) {
            const Rect rect{0, row * kMotionRowHeight, 296, (row + 1) * kMotionRowHeight};
            ListBox1DrawItem(canvas, *set, row, rect, {row == 2, row == 2}, Language::English,
                             fonts, DpiScale{});
        }
        benchmark::DoNotOptimize(canvas.calls.data());
    }
}
BENCHMARK(BM_PaintVisibleRows)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace traxo
