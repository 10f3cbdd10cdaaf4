"""Measures the configuration window under Wine with a set of 100 motions and 50 known programs:
from ShowConfigMessage until the window has painted (next to a plain show and paint of the
probe's bare target window), and the processor time while the window is open and idle with the
mouse outside it. Prints medians. Not a test: run it by hand with the TRAXO_E2E_* variables that
`ctest -V -N -R e2e_` shows:

  python3 tests/e2e/measure_window.py --runs 9 --idle-seconds 30
"""

import argparse
import random
import statistics
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import measure_cpu  # noqa: E402
import traxo_e2e  # noqa: E402
from traxo_e2e import MAIN_CLASS, TARGET_CLASS  # noqa: E402


class Window(measure_cpu.Cpu):
    runs = 9
    idle_seconds = 30

    def time_show(self, window_class):
        code, text = self.probe("time-show", window_class, str(self.runs))
        self.assertEqual(code, 0, f"no window of class {window_class}")
        return [float(line) for line in text.split()]

    def test_measure(self):
        rng = random.Random(11)
        apps = [(f"C:\\Programs\\app{k}.exe", f"App {k}") for k in range(50)]
        motions = [([[rng.randint(0, 100), rng.randint(0, 100)] for _ in range(30)],
                    "@Keystrokes: x", [(k % 50, "@Keys: Ctrl + W")] if k % 2 else [])
                   for k in range(100)]
        self.build_set(motions, known_apps=apps)
        self.write_settings(motions="set.mtd")
        self.start_traxo()
        self.start_target()
        self.settle(1.0)
        traxo = self.time_show(MAIN_CLASS)
        bare = self.time_show(TARGET_CLASS)
        traxo_e2e.move_to(5, 1000)
        pid = self.traxo_processes()[0]
        idle, _ = self.share(pid, self.idle_seconds)
        print(f"\nShowConfigMessage to painted, {self.runs} times: median "
              f"{statistics.median(traxo):.1f} ms (min {min(traxo):.1f}, max {max(traxo):.1f}); "
              f"a bare window's show and paint median {statistics.median(bare):.1f} ms; "
              f"open and idle: {idle:.2f}% of one core over {self.idle_seconds} s")


if __name__ == "__main__":
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=9)
    parser.add_argument("--idle-seconds", type=int, default=30)
    options, rest = parser.parse_known_args()
    Window.runs = options.runs
    Window.idle_seconds = options.idle_seconds
    traxo_e2e.main([sys.argv[0], *rest])
