"""Measures the assign dialog under Wine with a set of 200 known programs: from the click on the
main window's action button until the dialog is shown with nothing left to paint (the probe's
probe's wait-painted, which watches from inside Wine). The dialog is cancelled between runs; the first opening is told apart.
Prints the median. Not a test: run it by hand with the TRAXO_E2E_* variables that
`ctest -V -N -R e2e_` shows:

  python3 tests/e2e/measure_assign.py --runs 9
"""

import argparse
import statistics
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import traxo_e2e  # noqa: E402
from test_assign import ACTION_BUTTON, ASSIGN_CLASS, ASSIGN_TITLE, FIRST_ROW  # noqa: E402
from traxo_e2e import MAIN_CLASS, STROKE_RIGHT, wait_until  # noqa: E402

PROGRAMS = 200
CLOCK = time.CLOCK_MONOTONIC_RAW


class AssignDialog(traxo_e2e.TraxoTestCase):
    runs = 9

    def dialog_visible(self):
        code, out = self.probe("window-rect", ASSIGN_CLASS)
        return code == 0 and out.split()[4] == "1"

    def click_to_painted(self, run):
        """Milliseconds from the click to the dialog shown and painted. The probe watches from
        inside Wine and tells the moments by Wine's performance counter, which counts the host's
        monotonic clock; the moment it was armed checks that."""
        log = self.folder / f"painted-{run}.txt"
        before = time.clock_gettime(CLOCK)
        self.spawn(self.paths.probe, "wait-painted", ASSIGN_CLASS, log_name=log.name)
        armed = wait_until(lambda: self.probe_moment(log, "armed"), 30, "the probe to be armed")
        after = time.clock_gettime(CLOCK)
        self.assertTrue(before <= armed <= after,
                        f"the probe's clock ({armed:.3f}) is not the host's ({before:.3f}..{after:.3f})")
        clicked = time.clock_gettime(CLOCK)
        traxo_e2e.xdotool("click", traxo_e2e.LEFT_BUTTON)
        painted = wait_until(lambda: self.probe_moment(log, "painted"), 20,
                             "the assign dialog to be painted")
        return (painted - clicked) * 1000

    @staticmethod
    def probe_moment(log, name):
        for line in log.read_text(encoding="utf-8", errors="replace").splitlines():
            if line.startswith(name + " "):
                return float(line.split()[1])
        return None

    def test_measure(self):
        apps = [(f"C:\\Programs\\app{k}.exe", f"App {k}") for k in range(PROGRAMS)]
        rules = [(k, "@Keys: Ctrl + W") for k in range(0, PROGRAMS, 3)]
        self.build_set([(STROKE_RIGHT, "@Keystrokes: x", rules)], known_apps=apps)
        self.write_settings(motions="set.mtd")
        self.start_traxo()
        self.show_main_window()
        time.sleep(0.5)  # the fades of the controls settle
        code, out = self.probe("client-rect", MAIN_CLASS)
        self.assertEqual(code, 0)
        left, top = (int(v) for v in out.split()[:2])
        row_left, row_top = left + FIRST_ROW[0], top + FIRST_ROW[1]
        traxo_e2e.move_to(row_left + 150, row_top + 40)
        traxo_e2e.xdotool("click", traxo_e2e.LEFT_BUTTON)
        time.sleep(0.5)  # the action button comes over the selected row
        times = []
        for run in range(self.runs):
            # The button reacts to the pointer coming over it: come from the row each time.
            traxo_e2e.move_to(row_left + 150, row_top + 40)
            time.sleep(0.3)
            traxo_e2e.move_to(row_left + ACTION_BUTTON[0], row_top + ACTION_BUTTON[1])
            time.sleep(0.3)
            times.append(self.click_to_painted(run))
            self.click_button(ASSIGN_TITLE, "Cancel")
            wait_until(lambda: not self.dialog_visible(), 10, "the assign dialog to close")
        # The first opening shows a window never shown before; the later ones show it again:
        # both are told.
        again = times[1:]
        print(f"\naction button click to the assign dialog painted, {PROGRAMS} known programs: "
              f"first opening {times[0]:.0f} ms; {len(again)} openings after it: median "
              f"{statistics.median(again):.0f} ms (min {min(again):.0f}, max {max(again):.0f}); "
              f"all runs median {statistics.median(times):.0f} ms")

if __name__ == "__main__":
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=9)
    options, rest = parser.parse_known_args()
    AssignDialog.runs = options.runs
    traxo_e2e.main([sys.argv[0], *rest])
