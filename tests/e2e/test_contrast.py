"""The configuration window under the system's high contrast: with it turned on in the prefix
(the stored setting, which is what Wine goes by, and a high-contrast scheme of system colours),
the toolbar, a toolbar button under the cursor, the caption bar, the selected row and the pad
show the scheme's colours; turned on and off while the window is open, the window follows."""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import traxo_e2e  # noqa: E402
import test_mainwindow  # noqa: E402
from test_mainwindow import CAPTION_BAR, ROW0, TOOLBAR, close_to  # noqa: E402
from traxo_e2e import (MAIN_CLASS, LEFT_BUTTON, STROKE_RIGHT, STROKE_DOWN, move_to,  # noqa: E402
                       screenshot_showing, take_screenshot, wait_until, xdotool)

# The system colour indexes and the scheme set for the test: every colour told apart.
WINDOW, WINDOW_TEXT, HIGHLIGHT, HIGHLIGHT_TEXT, BUTTON_FACE, GRAY_TEXT, BUTTON_TEXT = (
    5, 8, 13, 14, 15, 17, 18)
SCHEME = {
    WINDOW: (0, 0, 0),
    WINDOW_TEXT: (255, 255, 0),
    HIGHLIGHT: (0, 160, 160),
    HIGHLIGHT_TEXT: (0, 0, 0),
    BUTTON_FACE: (0, 0, 96),
    GRAY_TEXT: (0, 255, 0),
    BUTTON_TEXT: (255, 255, 255),
}
HIGH_CONTRAST_ON = "127"  # the stored flags: on, available and the rest of Windows' defaults

# Places in the client area (96 DPI) and the system colour each shows.
PLACES = {
    "the toolbar": (TOOLBAR[:2], BUTTON_FACE),
    "the caption bar": ((400, 25), HIGHLIGHT),
    "the pad": ((760, 480), WINDOW),
    "an unselected row": ((50, 119 + 96), WINDOW),
}
LOAD_BUTTON = (249, 75)  # inside btnLoad, below its caption


def hex_colour(rgb):
    return "%02X%02X%02X" % rgb


class HighContrast(traxo_e2e.TraxoTestCase):

    def setUp(self):
        super().setUp()
        self.restore = None
        self.build_set([(STROKE_RIGHT, "@Browser: back", []), (STROKE_DOWN, "", []),
                        (STROKE_RIGHT, "", [])])
        self.write_settings(motions="set.mtd")

    def ask_probe(self, *args):
        code, out = self.probe("high-contrast", *args)
        self.assertEqual(code, 0, f"the probe could not do high-contrast {args}")
        return out

    def system_colours(self):
        """The system colours as programs started now see them, by index."""
        pairs = (item.split("=") for item in self.ask_probe("colours", *SCHEME).split())
        return {int(i): tuple(int(rgb[k:k + 2], 16) for k in (0, 2, 4)) for i, rgb in pairs}

    def turn_on(self, scheme=True):
        """The stored setting and, for the programs started after, the scheme's colours. What
        the prefix had comes back afterwards, for the tests that share it."""
        prior = self.system_colours()
        self.restore = ([f"{i}={hex_colour(c)}" for i, c in prior.items()], None)
        self.addCleanup(self.turn_off)
        if scheme:
            self.ask_probe("set-colours", *(f"{i}={hex_colour(c)}" for i, c in SCHEME.items()))
        self.restore = (self.restore[0], self.ask_probe("flags", HIGH_CONTRAST_ON))

    def turn_off(self):
        if self.restore is None:
            return
        colours, flags = self.restore
        self.restore = None
        self.ask_probe("set-colours", *colours)
        if flags is not None:
            self.ask_probe("flags", flags)

    # The client area's places on the screen, as the main window's colour test finds them.
    client_origin = test_mainwindow.MainWindowLooks.client_origin
    screen = test_mainwindow.MainWindowLooks.screen

    def wrong_places(self, shot, places):
        """What each place shows where it is not the expected colour."""
        return [f"{what} at {place} shows {shot.pixel(*self.screen(place))}, expected {expected}"
                for what, (place, expected) in places.items()
                if not close_to(shot.pixel(*self.screen(place)), expected, tolerance=2)]

    def wait_for_colours(self, places, name):
        shot = screenshot_showing(lambda s: not self.wrong_places(s, places), timeout=10)
        path = self.save_screenshot(shot, name)
        wrong = self.wrong_places(shot, places)
        self.assertFalse(wrong, f"{'; '.join(wrong)} (see {path})")

    @staticmethod
    def places_in(colours, which=PLACES):
        return {what: (place, colours[index]) for what, (place, index) in which.items()}

    def test_window_shown_in_high_contrast_uses_the_system_colours(self):
        self.turn_on()
        self.start_traxo()
        self.show_main_window()
        move_to(0, 0)
        self.wait_for_colours(self.places_in(SCHEME), "high-contrast.png")

        # A click selects the first row: it takes the highlight.
        move_to(*self.screen(ROW0))
        xdotool("click", LEFT_BUTTON)
        selected = {"the selected row": (ROW0, SCHEME[HIGHLIGHT])}
        move_to(0, 0)
        self.wait_for_colours(selected, "high-contrast-selected.png")

        # A toolbar button under the cursor fills with the highlight.
        move_to(*self.screen(LOAD_BUTTON))
        self.wait_for_colours({"the button under the cursor": (LOAD_BUTTON, SCHEME[HIGHLIGHT])},
                              "high-contrast-hover.png")

    def test_window_follows_high_contrast_turned_on_and_off(self):
        self.start_traxo()
        self.show_main_window()
        move_to(0, 0)
        own = {"the toolbar": (TOOLBAR[:2], TOOLBAR[2]),
               "the caption bar": (CAPTION_BAR[:2], CAPTION_BAR[2])}
        self.wait_for_colours(own, "before.png")

        # Wine gives a running program the system colours it started with, whoever sets them
        # after: the window turns to those, the prefix's own scheme.
        colours = self.system_colours()
        self.turn_on(scheme=False)
        which = {what: PLACES[what] for what in ("the toolbar", "the caption bar")}
        self.wait_for_colours(self.places_in(colours, which), "turned-on.png")

        self.turn_off()
        self.wait_for_colours(own, "turned-off.png")

if __name__ == "__main__":
    traxo_e2e.main()
