"""Measures Traxo's start-up under Wine: from starting Traxo.exe until its main window answers a
message (its thread answers only once start-up is done: the hook library loaded, the settings
and the set read) with a set of 100 motions, next to the same measure for the probe's bare
target window, which is what starting any windowed program costs under Wine. Prints medians.
Not a test: run it by hand with the TRAXO_E2E_* variables that `ctest -V -N -R e2e_` shows:

  python3 tests/e2e/measure_startup.py --runs 7
"""

import argparse
import random
import statistics
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import traxo_e2e  # noqa: E402
from traxo_e2e import MAIN_CLASS, MAIN_TITLE  # noqa: E402


def random_motion(rng):
    points = [[rng.randint(0, 100), rng.randint(0, 100)] for _ in range(30)]
    return points, "@Keystrokes: x", []


class Startup(traxo_e2e.TraxoTestCase):
    runs = 7

    def time_until_ready(self, start, window_class, title):
        begun = time.perf_counter()
        process = start()
        code, _ = self.probe("wait-ready", window_class, title)
        self.assertEqual(code, 0, f"{title} never answered")
        return (time.perf_counter() - begun) * 1000, process

    def test_measure(self):
        rng = random.Random(7)
        self.build_set([random_motion(rng) for _ in range(100)])
        self.write_settings(motions="set.mtd")
        traxo, bare = [], []
        for _ in range(self.runs):
            elapsed, process = self.time_until_ready(
                lambda: self.start_traxo(wait=False), MAIN_CLASS, MAIN_TITLE)
            traxo.append(elapsed)
            self.close_main_window()
            self.wait_for_exit(process)
            elapsed, process = self.time_until_ready(
                lambda: self.spawn(self.paths.probe, "target", traxo_e2e.windows_path(self.folder),
                                   log_name="target.log"),
                "TraxoE2eTarget", "Traxo test target")
            bare.append(elapsed)
            process.kill()
            process.wait()
        print(f"\nstart to ready, {self.runs} starts: Traxo with 100 motions median "
              f"{statistics.median(traxo):.0f} ms (min {min(traxo):.0f}, max {max(traxo):.0f}); "
              f"a bare window program median {statistics.median(bare):.0f} ms")


if __name__ == "__main__":
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=7)
    options, rest = parser.parse_known_args()
    Startup.runs = options.runs
    traxo_e2e.main([sys.argv[0], *rest])
