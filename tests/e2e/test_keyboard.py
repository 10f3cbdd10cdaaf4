"""The configuration window driven from the keyboard alone: Tab and Space through the toolbar,
the arrows and Enter in the gesture list, the assign dialog by its keys and Ctrl+S."""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import traxo_e2e  # noqa: E402
from test_configwindow import (LIST, ROW_HEIGHT, SELECTED_ROW, STARTER_SET,  # noqa: E402
                               WindowTestCase)
from traxo_e2e import (MAIN_CLASS, move_to, screen_size, take_screenshot, wait_until,  # noqa: E402
                       xdotool)  # noqa: E402

ASSIGN_CLASS = "TfrmAssign"
# Where the focus lands, in the main window's client area (96 DPI).
HIDE_BUTTON = ("TDynamicButton", (735, 3, 788, 24))
ACTIVE_BUTTON = ("TDynamicButton", (13, 43, 87, 79))
GESTURE_LIST = "ListBox"
TOOLBAR_BUTTONS_AFTER_ACTIVE = 7  # New set to Exit
# The free right end of the Exit button, where a key tip shows while Alt is held.
EXIT_BUTTON_END = (585, 60, 601, 79)
WHITE = (255, 255, 255)
ACTION_LIST = "SysListView32"
ACTION_BOX = "ComboBox"
# The box lists the current action first, then the actions: "Browser: back" is the ninth.
BROWSER_BACK_ENTRY = 9
BROWSER_BACK = "@Browser: back"


class KeyboardOnly(WindowTestCase):
    """The starter set in the shown window; no mouse button is pressed."""

    def setUp(self):
        super().setUp()
        self.install()
        self.set_path = self.folder / STARTER_SET
        chinese = "chinese" in self._testMethodName
        self.write_settings(motions=STARTER_SET, language=1 if chinese else 0)
        self.start_traxo()
        self.show_main_window()
        # The pointer rests out of the window's way: an open drop-down selects what lies under it.
        width, height = screen_size()
        move_to(width - 1, height - 1)
        self.wait_for_still_window(MAIN_CLASS)

    def focus(self, window_class=MAIN_CLASS):
        """(class, (left, top, right, bottom)) of the focused window, or None."""
        code, out = self.probe("focus", window_class)
        parts = out.split()
        if code != 0 or len(parts) != 5:
            return None
        return parts[0], tuple(int(v) for v in parts[1:])

    def key_until(self, key, condition, what):
        xdotool("key", key)
        return wait_until(condition, 5, what)

    def white_pixels(self, box):
        shot = take_screenshot()
        left, top = self.at(box[0], box[1])
        return sum(1 for y in range(top, top + box[3] - box[1])
                   for x in range(left, left + box[2] - box[0]) if shot.pixel(x, y) == WHITE)

    def selected_row(self):
        shot = take_screenshot()
        x, top = self.at(LIST[0] + 3, LIST[1])
        for row in range(6):
            if shot.pixel(x, top + row * ROW_HEIGHT + ROW_HEIGHT // 2) == SELECTED_ROW:
                return row
        return None

    def test_set_up_a_gesture_with_the_keyboard_alone(self):
        active = traxo_e2e.ini_value(self.read_settings(), "main", "active")

        # Tab reaches the caption bar's button, then Active; Space presses it.
        self.key_until("Tab", lambda: self.focus() == HIDE_BUTTON, "the hide button to take the focus")
        self.key_until("Tab", lambda: self.focus() == ACTIVE_BUTTON, "Active to take the focus")
        self.key_until("space", lambda: traxo_e2e.ini_value(self.read_settings(), "main", "active") != active,
                       "Space on Active to change the setting")

        # The rest of the toolbar, then the gesture list; the arrows select gesture 2.
        for _ in range(TOOLBAR_BUTTONS_AFTER_ACTIVE):
            xdotool("key", "Tab")
        self.key_until("Tab", lambda: (self.focus() or ("",))[0] == GESTURE_LIST,
                       "the gesture list to take the focus")
        self.key_until("Down", lambda: self.selected_row() == 0, "Down to select gesture 1")
        self.key_until("Down", lambda: self.selected_row() == 1, "Down to select gesture 2")

        # Enter opens the assign dialog for it.
        self.key_until("Return", lambda: self.probe("window-rect", ASSIGN_CLASS)[1].endswith(" 1"),
                       "Enter to open the assign dialog")
        self.assertEqual(self.focus(ASSIGN_CLASS)[0], ACTION_LIST, "the dialog's focus")

        # Tab to the action box over the selected row ("all programs"), open it, choose
        # "Browser: back" with the arrows and confirm with Enter; Enter again is OK.
        self.key_until("Tab", lambda: (self.focus(ASSIGN_CLASS) or ("",))[0] == ACTION_BOX,
                       "the action box to take the focus")
        xdotool("key", "F4")
        for _ in range(BROWSER_BACK_ENTRY):
            xdotool("key", "Down")
        xdotool("key", "Return")
        self.key_until("Return", lambda: self.probe("window-rect", ASSIGN_CLASS)[1].endswith(" 0"),
                       "Enter to close the dialog with OK")

        wait_until(lambda: (self.focus() or ("",))[0] == GESTURE_LIST, 5,
                   "the focus to come back to the gesture list")
        # Ctrl+S writes the set with the gesture's new action.
        self.key_until("ctrl+s", lambda: self.dump_set(self.set_path)["motions"][1]["defaultAction"]
                       == BROWSER_BACK, "Ctrl+S to save gesture 2 with its new action")

    def test_alt_shows_the_chinese_buttons_keys(self):
        # The Chinese captions hold no Latin letter: while Alt is held each button shows its key
        # in a tip at its corner, and the tips go with the key.
        resting = self.white_pixels(EXIT_BUTTON_END)
        xdotool("keydown", "alt")
        try:
            wait_until(lambda: self.white_pixels(EXIT_BUTTON_END) > resting + 40, 5,
                       "Alt to show the Exit button's key tip")
        finally:
            xdotool("keyup", "alt")
        wait_until(lambda: self.white_pixels(EXIT_BUTTON_END) == resting, 5,
                   "the key tip to go with Alt")


if __name__ == "__main__":
    traxo_e2e.main()
