"""The configuration window as the user sees it: its colours where the layout puts them, a row
selected by a click, and "hide" or a double click on the caption's icon."""

import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import traxo_e2e  # noqa: E402
from traxo_e2e import (MAIN_CLASS, LEFT_BUTTON, STROKE_RIGHT, STROKE_DOWN, move_to,  # noqa: E402
                       take_screenshot, wait_until, xdotool)

# Places in the window's client area (96 DPI) and the colour each must show.
CAPTION_BAR = (400, 25, (181, 200, 221))
TOOLBAR = (5, 60, (60, 78, 91))
ACTIVE_BUTTON = (84, 76, (94, 121, 142))
SET_TAB = (70, 99, (46, 60, 75))  # above the caption
ROW0 = (50, 119 + 46)
WHITE = (255, 255, 255)
SELECTED_ROW = (230, 232, 240)
HIDE_BUTTON = (761, 13)
CAPTION_ICON = (11, 13)


def close_to(actual, expected, tolerance=6):
    return all(abs(a - e) <= tolerance for a, e in zip(actual, expected))


class MainWindowLooks(traxo_e2e.TraxoTestCase):

    def setUp(self):
        super().setUp()
        self.build_set([(STROKE_RIGHT, "@Browser: back", []), (STROKE_DOWN, "", [])])
        self.write_settings(motions="set.mtd")
        self.start_traxo()
        self.show_main_window()
        self.wait_for_still_window(MAIN_CLASS)  # the fades of the controls settle

    def client_origin(self):
        code, out = self.probe("client-rect", MAIN_CLASS)
        self.assertEqual(code, 0, "the main window has no client area")
        left, top, _, _ = (int(v) for v in out.split())
        return left, top

    def screen(self, place):
        left, top = self.client_origin()
        return left + place[0], top + place[1]

    def assert_colour(self, shot, place, expected, what):
        x, y = self.screen(place)
        actual = shot.pixel(x, y)
        if not close_to(actual, expected):
            self.save_screenshot(shot, "main-window.png")
            self.fail(f"{what} at {place} shows {actual}, expected {expected}")

    def test_panels_buttons_and_list_show_their_colours(self):
        move_to(0, 0)  # nothing hovered
        self.wait_for_still_window(MAIN_CLASS)
        shot = take_screenshot()
        self.assert_colour(shot, CAPTION_BAR[:2], CAPTION_BAR[2], "the caption bar")
        self.assert_colour(shot, TOOLBAR[:2], TOOLBAR[2], "the toolbar")
        self.assert_colour(shot, ACTIVE_BUTTON[:2], ACTIVE_BUTTON[2], "the active toggle")
        self.assert_colour(shot, SET_TAB[:2], SET_TAB[2], "the set's tab")
        self.assert_colour(shot, ROW0, WHITE, "an unselected row")

        # A click selects the row: it takes the selected fill.
        move_to(*self.screen(ROW0))
        xdotool("click", LEFT_BUTTON)
        move_to(0, 0)
        wait_until(lambda: close_to(take_screenshot().pixel(*self.screen(ROW0)), SELECTED_ROW), 5,
                   "the selected row's fill")

    def test_hide_hides_the_window(self):
        move_to(*self.screen(HIDE_BUTTON))
        xdotool("click", LEFT_BUTTON)
        wait_until(lambda: self.main_window_state() == "0", 5, "the window to hide")

    def test_double_click_on_the_caption_icon_hides_the_window(self):
        move_to(*self.screen(CAPTION_ICON))
        xdotool("click", "--repeat", "2", "--delay", "80", LEFT_BUTTON)
        wait_until(lambda: self.main_window_state() == "0", 5, "the window to hide")


if __name__ == "__main__":
    traxo_e2e.main()
