"""Measures the processor time Traxo.exe uses under Wine: idle with the hook armed (100 ms
polls) over a minute, and while a long gesture is drawn with the full trail (1 ms polls,
the whole trail redrawn at every poll). Prints the share of one core. Not a test: run it by
hand with the TRAXO_E2E_* variables that `ctest -V -N -R e2e_` shows:

  python3 tests/e2e/measure_cpu.py --idle-seconds 60
"""

import argparse
import math
import os
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import traxo_e2e  # noqa: E402
from traxo_e2e import RIGHT_BUTTON, STROKE_RIGHT, move_along, press, release  # noqa: E402

TICKS = os.sysconf("SC_CLK_TCK")


def cpu_seconds(pid):
    fields = Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICKS  # utime, stime


class Cpu(traxo_e2e.TraxoTestCase):
    idle_seconds = 60

    def share(self, pid, seconds, during=None):
        before, begun = cpu_seconds(pid), time.perf_counter()
        if during:
            during()
        else:
            time.sleep(seconds)
        elapsed = time.perf_counter() - begun
        return 100 * (cpu_seconds(pid) - before) / elapsed, elapsed

    def test_measure(self):
        self.build_set([(STROKE_RIGHT, "", [])])
        self.write_settings(motions="set.mtd", showTrails=1, fastTrails=0)
        self.start_traxo()
        # Under Wine the mouse reaches the hook only over Wine's own windows.
        target = self.start_target()
        self.settle(1.0)
        pid = self.traxo_processes()[0]
        idle, _ = self.share(pid, self.idle_seconds)

        def draw():
            # A spiral over the target window, drawn for about ten seconds.
            cx, cy = target.at(0.5, 0.5)
            press(RIGHT_BUTTON, cx + 10, cy)
            points = [(cx + int(r * math.cos(r / 4)), cy + int(r * math.sin(r / 4)))
                      for r in (10 + k * 0.35 for k in range(500))]
            move_along(points, step_delay=0.02)
            release(RIGHT_BUTTON)
        drawing, elapsed = self.share(pid, 0, draw)
        print(f"\nTraxo.exe: idle with the hook armed {idle:.2f}% of one core over "
              f"{self.idle_seconds} s; drawing with the full trail {drawing:.1f}% over "
              f"{elapsed:.1f} s")


if __name__ == "__main__":
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--idle-seconds", type=int, default=60)
    options, rest = parser.parse_known_args()
    Cpu.idle_seconds = options.idle_seconds
    traxo_e2e.main([sys.argv[0], *rest])
