"""Traxo on a 150 % screen (144 DPI): the windows are scaled, their texts fit, and the trail
of a gesture is drawn under the cursor in the screen's own pixels.

The class runs in a Wine prefix of its own, a copy of the shared one with LogPixels set to 144,
so that no other test sees the changed DPI, whatever becomes of this one."""

import shutil
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import traxo_e2e  # noqa: E402
from traxo_e2e import (LEFT_BUTTON, MAIN_CLASS, RIGHT_BUTTON, STROKE_RIGHT,  # noqa: E402
                       line_points, move_along, move_to, press, release, screenshot_showing, take_screenshot,
                       wait_until, xdotool)

DPI = 144
# The designed client sizes (96-DPI units) and what they are at 144 DPI.
MAIN_CLIENT = (788, 549)
OPTIONS_CLIENT = (602, 481)
POPUP_CLIENT = (134, 56)
LIME = (0, 255, 0)
# The Options button on the toolbar, in 96-DPI units of the main window's client area.
OPTIONS_BUTTON = (398 + 77 // 2, 27 + 16 + 36 // 2)


def scaled(units):
    """As the program scales: half away from zero."""
    return (units * DPI + 48) // 96


class HighDpi(traxo_e2e.TraxoTestCase):

    @classmethod
    def setUpClass(cls):
        super().setUpClass()  # makes the shared prefix when it is not there yet
        # The copy is taken with the shared prefix's registry written out, and one Wine desktop
        # at a time is on the display: the next class starts the shared session again.
        cls.close_probe()
        traxo_e2e.stop_wine_session(cls.paths.prefix)
        private = cls.paths.scratch / "HighDpi-prefix"
        if private.exists():
            shutil.rmtree(private)
        private.parent.mkdir(parents=True, exist_ok=True)
        subprocess.run(["cp", "-a", "--reflink=auto", str(cls.paths.prefix), str(private)],
                       check=True, timeout=120)
        cls.paths.prefix = private
        # Both places Wine has read the screen's DPI from.
        for key in (r"HKCU\Control Panel\Desktop",
                    r"HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts"):
            cls.run_wine_ok("reg", "add", key, "/v", "LogPixels", "/t", "REG_DWORD", "/d",
                            str(DPI), "/f", what=f"reg add {key}")
        traxo_e2e.stop_wine_session(cls.paths.prefix)  # the registry is written out

    @classmethod
    def tearDownClass(cls):
        super().tearDownClass()
        if cls.paths is not None and cls.paths.prefix.name == "HighDpi-prefix":
            traxo_e2e.stop_wine_session(cls.paths.prefix)
            shutil.rmtree(cls.paths.prefix, ignore_errors=True)

    def setUp(self):
        super().setUp()
        # An action that does something: "do nothing" shows no popup.
        self.build_set([(STROKE_RIGHT, "@Keystrokes: a", [])])

    def rect(self, command, window_class):
        code, out = self.probe(command, window_class)
        self.assertEqual(code, 0, f"{command} {window_class}: no such window")
        return tuple(int(v) for v in out.split()[:4])

    def test_program_declares_per_monitor_awareness(self):
        # Wine lets every program see the screen unscaled, so only the declaration can be read
        # here: the manifest the program carries asks for per-monitor awareness (v2 first) and
        # falls back to the system-wide one.
        image = self.paths.exe.read_bytes()
        start = image.find(b"<assembly")
        self.assertGreaterEqual(start, 0, "Traxo.exe carries no manifest")
        manifest = image[start:image.find(b"</assembly>", start)].decode("utf-8")
        self.assertRegex(manifest, r"<dpiAwareness[^>]*>\s*PerMonitorV2\s*,\s*PerMonitor\s*<")
        self.assertRegex(manifest, r"<dpiAware[^>]*>\s*true/pm\s*<")

    def test_windows_are_scaled_and_their_texts_fit(self):
        self.write_settings(motions="set.mtd")
        self.start_traxo()
        self.show_main_window()
        code, dpi = self.probe("dpi", MAIN_CLASS)
        self.assertEqual(code, 0)
        self.assertIn(f"screen={DPI}", dpi, "the prefix does not run at 144 DPI")

        left, top, right, bottom = self.rect("client-rect", MAIN_CLASS)
        self.assertEqual((right - left, bottom - top), tuple(scaled(v) for v in MAIN_CLIENT),
                         "the main window's client area is not 1.5 times the design")
        self.wait_for_still_window(MAIN_CLASS)  # the fades of the controls settle
        self.save_screenshot(take_screenshot(), "main-window-144.png")

        move_to(left + scaled(OPTIONS_BUTTON[0]), top + scaled(OPTIONS_BUTTON[1]))
        xdotool("click", LEFT_BUTTON)
        wait_until(lambda: self.probe("find-window", "TfrmOptions")[1].endswith("=1"), 10,
                   "the options dialog")
        move_to(0, 0)
        self.wait_for_still_window("TfrmOptions")
        options = self.rect("client-rect", "TfrmOptions")
        self.assertEqual((options[2] - options[0], options[3] - options[1]),
                         tuple(scaled(v) for v in OPTIONS_CLIENT))
        self.save_screenshot(take_screenshot(), "options-144.png")
        code, cut = self.probe("cut-texts", "TfrmOptions")
        self.assertEqual(code, 0)
        lines = cut.splitlines()
        self.assertGreater(int(lines[0].split()[1]), 10, f"hardly any texts were measured: {cut}")
        self.assertEqual(lines[1:], ["none"], f"texts cut in the options dialog:\n{cut}")
        self.assertEqual(self.probe("close-window", "TfrmOptions")[0], 0)  # as Cancel
        wait_until(lambda: not self.probe("find-window", "TfrmOptions")[1].endswith("=1"), 10,
                   "the options dialog to close")

    def test_trail_is_under_the_cursor_and_the_popup_is_scaled(self):
        self.write_settings(motions="set.mtd", showTrails=1, fastTrails=0, tail="$0000FF00",
                            showInfo=1)
        self.start_traxo()
        target = self.start_target()
        self.settle()
        start, end = target.at(0.15, 0.6), target.at(0.85, 0.6)
        # A slanted stroke too: under a scaled trail only one row of points would match.
        corner = target.at(0.85, 0.2)
        samples = ([(x, start[1]) for x in range(start[0] + 20, end[0] - 20, 12)] +
                   [p for p in line_points(end, corner, 12)][2:-2])

        def coloured_in(shot):
            def on_trail(point):
                x, y = point
                return any(shot.pixel(x + dx, y + dy) == LIME
                           for dx in (-1, 0, 1) for dy in (-1, 0, 1))
            return [p for p in samples if on_trail(p)]

        press(RIGHT_BUTTON, *start)
        try:
            time.sleep(0.1)  # the gesture starts at the next poll, which shows no sign outside
            move_along(line_points(start, end))
            move_along(line_points(end, corner))
            during = screenshot_showing(lambda shot: len(coloured_in(shot)) >= 0.9 * len(samples))
        finally:
            release(RIGHT_BUTTON)
        coloured = coloured_in(during)
        if len(coloured) < 0.9 * len(samples):
            shot = self.save_screenshot(during, "trail-144.png")
            self.fail(f"only {len(coloured)} of {len(samples)} points along the drag have the "
                      f"trail colour; screenshot {shot}")

        def popup_shown():
            code, out = self.probe("window-rect", "TfrmInfo")
            return code == 0 and out.split()[4] == "1"
        wait_until(popup_shown, 5, "the result popup")
        left, top, right, bottom = self.rect("client-rect", "TfrmInfo")  # its size stays
        self.assertEqual((right - left, bottom - top), tuple(scaled(v) for v in POPUP_CLIENT),
                         "the popup is not scaled")


if __name__ == "__main__":
    traxo_e2e.main()
