"""Measures the time from releasing the button at the end of a gesture to the first change of the
target's text, over several gestures, and prints the median. Not a test: run it by hand with the
TRAXO_E2E_* variables set as tests/e2e/CMakeLists.txt sets them for the tests (`ctest -V -N -R
e2e_gestures` in the build folder shows them):

  python3 tests/e2e/measure_latency.py --runs 15

Without a DISPLAY it starts its own X server.
"""

import argparse
import statistics
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import traxo_e2e  # noqa: E402
from traxo_e2e import RIGHT_BUTTON, STROKE_RIGHT, line_points, move_along, press  # noqa: E402


class Latency(traxo_e2e.TraxoTestCase):
    runs = 10

    def test_measure(self):
        self.build_set([(STROKE_RIGHT, "@Keystrokes: x", [])])
        self.write_settings(motions="set.mtd")
        self.start_traxo()
        target = self.start_target()
        self.settle()
        times = []
        for run in range(self.runs):
            before = target.text()
            start = target.at(0.2, 0.3 + 0.4 * run / self.runs)
            end = (target.at(0.8, 0.5)[0], start[1])
            press(RIGHT_BUTTON, *start)
            time.sleep(0.1)
            move_along(line_points(start, end))
            time.sleep(0.1)
            # Timed from the start of the xdotool run: an upper bound by xdotool's start-up.
            released = time.perf_counter()
            traxo_e2e.xdotool("mouseup", RIGHT_BUTTON)
            while target.text() == before:
                if time.perf_counter() - released > 5:
                    self.fail(f"run {run + 1}: nothing was typed within 5 s")
                time.sleep(0.001)
            times.append((time.perf_counter() - released) * 1000)
            time.sleep(0.6)  # past the double-click time before the next press
        overhead = []
        for _ in range(self.runs):
            begun = time.perf_counter()
            traxo_e2e.cursor_position()
            overhead.append((time.perf_counter() - begun) * 1000)
        print(f"\nrelease to first typed character, {len(times)} gestures: "
              f"median {statistics.median(times):.1f} ms, min {min(times):.1f} ms, "
              f"max {max(times):.1f} ms (including one xdotool run, which alone takes "
              f"{statistics.median(overhead):.1f} ms)")


if __name__ == "__main__":
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=10)
    options, rest = parser.parse_known_args()
    Latency.runs = options.runs
    traxo_e2e.main([sys.argv[0], *rest])
