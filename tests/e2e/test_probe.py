"""The tools of the other end-to-end tests, checked without Traxo: input from xdotool reaches the
probe's target window, which logs and writes it as the tests read it. When these fail, the
failures of the other tests say nothing about Traxo."""

import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import traxo_e2e  # noqa: E402
from traxo_e2e import (RIGHT_BUTTON, TARGET_CLASS, TARGET_TITLE, drag, move_to,  # noqa: E402
                       take_screenshot, wait_until, xdotool)


class ProbeBaseline(traxo_e2e.TraxoTestCase):

    def setUp(self):
        super().setUp()
        self.target = self.start_target()

    def test_buttons_reach_target_unhooked(self):
        drag(RIGHT_BUTTON, [self.target.at(0.3, 0.5), self.target.at(0.6, 0.5)])
        move_to(*self.target.centre)
        time.sleep(0.6)  # past the double-click time
        xdotool("click", "--repeat", 2, "--delay", 80, RIGHT_BUTTON)
        wait_until(lambda: len(self.target.mouse_messages()) >= 4, 5, "four button messages")
        self.assertEqual(self.target.mouse_messages(),
                         ["WM_RBUTTONDOWN", "WM_RBUTTONUP", "WM_RBUTTONDOWN", "WM_RBUTTONUP",
                          "WM_RBUTTONDBLCLK", "WM_RBUTTONUP"])

    def test_typed_text_and_line_breaks_reach_text_file(self):
        xdotool("type", "--delay", 20, "abc")
        xdotool("key", "Return")
        self.wait_for_text(self.target, "abc\r\n")

    def test_window_lookups_and_program_path(self):
        self.assertEqual(self.probe("find-window", TARGET_CLASS, TARGET_TITLE), (0, "visible=1"))
        self.assertEqual(self.probe("count-windows", TARGET_CLASS), (0, "1"))
        code, path = self.probe("exe-of-window", TARGET_CLASS)
        self.assertEqual((code, path.lower()), (0, traxo_e2e.windows_path(self.paths.probe).lower()))
        self.assertEqual(self.probe("find-window", "NoSuchClass")[0], 1)
        self.assertEqual(self.probe("close-window", TARGET_CLASS)[0], 0)
        self.assertEqual(self.target.process.wait(timeout=10), 0)

    def test_screenshot_shows_target(self):
        shot = take_screenshot()
        # The edit's background is the system's window colour, white by default.
        self.assertEqual(shot.pixel(*self.target.at(0.5, 0.9)), (255, 255, 255))


if __name__ == "__main__":
    traxo_e2e.main()
