// Loading and saving a full-sized set file: 100 recorded motions of 30 points, some with
// per-program actions, and 50 known programs, in a set made as the program makes its own.
#include "sets/SetDocument.h"
#include "sets/SetImage.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

namespace traxo {
namespace {

namespace fs = std::filesystem;

std::u16string Utf16(const std::string& ascii) {
    return {ascii.begin(), ascii.end()};
}

void FillSet(MotionSet& set) {
    std::mt19937 random(1);
    for (int a = 0; a < 50; ++a) {
        set.knownApps[a].path.Assign(
            Utf16("c:\\programs\\program" + std::to_string(a) + "\\program.exe"));
        set.knownApps[a].title.Assign(Utf16("Program " + std::to_string(a)));
    }
    set.knownAppCount = 50;
    for (int m = 0; m < 100; ++m) {
        Motion& motion = set.motions[m];
        for (int p = 0; p < 30; ++p) {
            motion.path.points[p].x = static_cast<std::int32_t>(random() % 101);
            motion.path.points[p].y = static_cast<std::int32_t>(random() % 101);
        }
        motion.path.count = 30;
        motion.path.drawIndex = 29;
        motion.defaultAction.Assign(Utf16("@Keys:Ctrl+Shift+" + std::to_string(m)));
        motion.ruleCount = static_cast<std::uint8_t>(m % 4);
        for (int r = 0; r < motion.ruleCount; ++r) {
            motion.rules[r].appIndex = static_cast<std::uint8_t>((m + r * 7) % 50);
            motion.rules[r].action.Assign(Utf16("@Keystrokes:{CTRL}" + std::to_string(r)));
        }
    }
    set.motionCount = 100;
}

struct BenchFile {
    fs::path file = fs::temp_directory_path() /
                    ("traxo-set-bench-" + std::to_string(std::random_device()()) + ".mtd");
    std::unique_ptr<MotionSet> set = NewMotionSet();
    SetDocument document{*set};

    BenchFile() {
        FillSet(*set);
        document.saveMotions(file);
    }
    ~BenchFile() {
        std::error_code ec;
        fs::remove(file, ec);
    }
};

void BM_LoadSet(benchmark::State& state) {
    BenchFile bench;
    for (auto _ : state) {
        benchmark::DoNotOptimize(bench.document.loadMotions(bench.file));
    }
    state.counters["file bytes"] = static_cast<double>(fs::file_size(bench.file));
}
BENCHMARK(BM_LoadSet)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

void BM_SaveSet(benchmark::State& state) {
    BenchFile bench;
    for (auto _ : state) {
        if (!bench.document.saveMotions(bench.file)) {
            state.SkipWithError("saving failed");
            break;
        }
    }
    state.counters["file bytes"] = static_cast<double>(fs::file_size(bench.file));
}
BENCHMARK(BM_SaveSet)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

} // namespace
} // namespace traxo
