"""The tutorial walked through as a new user does it, with the real mouse: opened from the help
menu, Next through the stages, drawing on the pad, creating a gesture, choosing its action in the
assign dialog, drawing it on the screen, and Finish. The stage is read from the tutorial's text
and its place on the screen."""

import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import traxo_e2e  # noqa: E402
from traxo_e2e import (click, LEFT_BUTTON, MAIN_CLASS, RIGHT_BUTTON, drag, move_to,  # noqa: E402
                       take_screenshot, wait_until, xdotool)

TUTORIAL_CLASS = "TfrmTutorial"
ASSIGN_CLASS = "TfrmAssign"
ASSIGN_TITLE = "Assign action"
MENU_CLASS = "#32768"

# Places in the main window's client area (96 DPI; the Wine prefix runs at 96 DPI).
HELP_BUTTON = (508, 61)
ACTIVE_BUTTON_CENTRE = (13 + 37, 27 + 16 + 18)
PAD = (303, 119, 786, 519)
CREATE_BUTTON = (30, 534)           # left of its centre, where the tutorial's corner points
FIRST_ROW = (5, 119)
ACTION_BUTTON = (50 + 15, 15 + 10)  # the action button's left end, from the row's top left
# In the tutorial window: Back, and Next or Finish at the same place.
BACK = (13 + 27, 174 + 13)
NEXT = (125 + 27, 174 + 13)
SIZE = (402, 213)
TRAXO_SETTINGS_ENTRY = 8            # "Traxo: settings" in the drop-down of "all programs"


def numbers(output):
    return [int(v) for v in output.split()]


class TutorialTestCase(traxo_e2e.TraxoTestCase):
    """Looks at the main window and the tutorial, and presses the tutorial's buttons."""

    # -- the main window

    def client_origin(self, window_class=MAIN_CLASS):
        code, out = self.probe("client-rect", window_class)
        self.assertEqual(code, 0, f"no window {window_class}")
        return tuple(numbers(out)[:2])

    def at(self, x, y):
        left, top = self.client_origin()
        return left + x, top + y

    def click_at(self, x, y):
        click(x, y)

    def window_rect(self, window_class):
        """(left, top, right, bottom) when the window is visible, else None."""
        code, out = self.probe("window-rect", window_class)
        if code != 0:
            return None
        values = numbers(out)
        return tuple(values[:4]) if values[4] == 1 else None

    def pad_point(self, fx, fy):
        left, top, right, bottom = PAD
        return self.at(round(left + (right - left) * fx), round(top + (bottom - top) * fy))

    # -- the tutorial

    def memo(self):
        code, out = self.probe("child-text", TUTORIAL_CLASS, "Static")
        return out.strip() if code == 0 else None

    def wait_for_stage(self, text, timeout=10):
        """Waits until the visible tutorial shows a text starting so; returns its window rect."""
        try:
            wait_until(lambda: (self.memo() or "").startswith(text), timeout,
                       f"the tutorial stage starting {text!r}", interval=0.1)
        except AssertionError:
            self.save_screenshot(take_screenshot(), "tutorial-stage.png")
            raise AssertionError(f"the tutorial shows {self.memo()!r}, expected {text!r}") from None
        time.sleep(0.15)  # the window moves after its text is set
        return self.window_rect(TUTORIAL_CLASS)

    def press(self, place):
        rect = self.window_rect(TUTORIAL_CLASS)
        self.assertIsNotNone(rect, "the tutorial is not showing")
        self.click_at(rect[0] + place[0], rect[1] + place[1])

    def shot(self, name):
        self.wait_for_still_window(TUTORIAL_CLASS)  # the buttons' fades end
        self.save_screenshot(take_screenshot(), name)


class TutorialWalkthrough(TutorialTestCase):
    """A new user's empty set, gestures switched off (the tutorial switches them on), popups on."""

    def setUp(self):
        super().setUp()
        self.write_settings(active=0, showInfo=1)
        self.start_traxo()
        self.show_main_window()
        self.wait_for_still_window(MAIN_CLASS)  # the fades of the controls settle
        self.shots = 0

    def tutorial_focus(self):
        """The focused control's rectangle in the tutorial, or None when the focus is elsewhere."""
        code, out = self.probe("focus", TUTORIAL_CLASS)
        parts = out.split()
        if code != 0 or len(parts) != 5 or parts[0] != "TDynamicOpaqueButton":
            return None
        left, top, right, bottom = (int(v) for v in parts[1:])
        tutorial = self.window_rect(TUTORIAL_CLASS)
        return left + tutorial[0], top + tutorial[1], right + tutorial[0], bottom + tutorial[1]

    def test_the_keyboard_reaches_the_tutorial_and_presses_next(self):
        # Alt+H opens the help menu, T its tutorial entry.
        xdotool("key", "alt+h")
        wait_until(lambda: self.window_rect(MENU_CLASS) is not None, 5, "the help menu",
                   interval=0.1)
        xdotool("key", "t")
        self.click_button("Tutorial", "OK")
        rect = self.wait_for_stage("Welcome to Traxo.")
        next_at = (rect[0] + NEXT[0], rect[1] + NEXT[1])

        # F6 moves the keyboard to the tutorial; Tab reaches Next and Enter presses it.
        self.assertIsNone(self.tutorial_focus())
        xdotool("key", "F6")
        wait_until(self.tutorial_focus, 5, "F6 to give the tutorial a focused button")
        for _ in range(4):
            focus = self.tutorial_focus()
            if focus and focus[0] <= next_at[0] < focus[2] and focus[1] <= next_at[1] < focus[3]:
                break
            xdotool("key", "Tab")
            wait_until(lambda: self.tutorial_focus() != focus, 5, "Tab to move the focus")
        xdotool("key", "Return")
        self.wait_for_stage("Gestures are simple motions")

        # F6 again goes back to the main window.
        xdotool("key", "F6")
        wait_until(lambda: self.tutorial_focus() is None, 5, "F6 to go back to the main window")

    def test_walk_through_every_stage(self):
        # The help menu's last entry opens the tutorial, which first switches gestures on.
        self.click_at(*self.at(*HELP_BUTTON))
        wait_until(lambda: self.window_rect(MENU_CLASS) is not None, 5, "the help menu",
                   interval=0.1)
        xdotool("key", "t")
        self.click_button("Tutorial", "OK")
        rect = self.wait_for_stage("Welcome to Traxo.")

        # Without a control to point at, it stands centred over the main window.
        main = self.window_rect(MAIN_CLASS)
        self.assertEqual((rect[2] - rect[0], rect[3] - rect[1]), SIZE)
        self.assertLessEqual(abs((rect[0] + rect[2]) - (main[0] + main[2])), 2)
        self.assertLessEqual(abs((rect[1] + rect[3]) - (main[1] + main[3])), 2)
        self.shot("tutorial-stage1.png")

        self.press(NEXT)
        self.wait_for_stage("Gestures are simple motions")
        self.press(NEXT)
        self.wait_for_stage("Using Traxo is very simple.")
        self.press(NEXT)
        # Stage 4 points at the Active button: its top-left corner is that button's centre.
        rect = self.wait_for_stage("Look for the white Traxo icon")
        self.assertEqual(rect[:2], self.at(*ACTIVE_BUTTON_CENTRE))
        self.shot("tutorial-stage4.png")
        self.press(NEXT)
        self.wait_for_stage("Gestures are saved in sets.")
        self.press(NEXT)
        rect = self.wait_for_stage("On the right is an area")
        self.assertEqual(rect[:2], self.pad_point(0.5, 0.5))

        # Next before drawing only repeats what to do.
        self.press(NEXT)
        self.click_button("Traxo", "OK")
        time.sleep(0.3)  # proves that the stage stays: a move on would come within this time
        self.assertTrue(self.memo().startswith("On the right is an area"))
        # Drawing on the pad (away from the tutorial over its lower right) moves on at once.
        drag(LEFT_BUTTON, [self.pad_point(0.1, 0.2), self.pad_point(0.45, 0.2),
                           self.pad_point(0.45, 0.45)], step=8)
        self.wait_for_stage("To create a gesture, click this button now.")

        # Back to the pad's stage waits for nothing: Next goes on without drawing.
        self.press(BACK)
        self.wait_for_stage("On the right is an area")
        self.press(NEXT)
        self.wait_for_stage("To create a gesture, click this button now.")

        self.click_at(*self.at(*CREATE_BUTTON))
        rect = self.wait_for_stage("Record a motion in the right-hand area.")
        # The new gesture, a stroke to the right, drawn clear of the tutorial.
        drag(LEFT_BUTTON, [self.pad_point(0.6, 0.8), self.pad_point(0.95, 0.8)], step=8)
        time.sleep(0.5)  # proves that the stage stays: a move on would come within this time
        self.assertTrue(self.memo().startswith("Record a motion"))

        # The action button opens the assign dialog; the tutorial comes back over it.
        row_left, row_top = self.at(*FIRST_ROW)
        self.click_at(row_left + ACTION_BUTTON[0], row_top + ACTION_BUTTON[1])
        try:
            wait_until(lambda: self.window_rect(ASSIGN_CLASS) is not None, 10,
                       "the assign dialog", interval=0.1)
        except AssertionError:
            self.save_screenshot(take_screenshot(), "no-assign-dialog.png")
            raise
        rect = self.wait_for_stage("Choose one action for \"all programs\"")
        code, out = self.probe("child-rect", ASSIGN_CLASS, "SysListView32")
        self.assertEqual(code, 0)
        left, top, right, bottom = numbers(out)
        # It points at the list's top-right corner, beside the list or above it, never over
        # the dialog's OK and Cancel.
        beside = abs(rect[0] - right) <= 1 and abs(rect[1] - top) <= 1
        above = abs(rect[2] - right) <= 1 and abs(rect[3] - top) <= 1
        self.assertTrue(beside or above, f"tutorial at {rect}, list at {(left, top, right, bottom)}")
        self.shot("tutorial-stage9-assign.png")

        left, top, right, bottom = numbers(self.probe("child-rect", ASSIGN_CLASS, "ComboBox")[1])
        self.click_at((left + right) // 2, (top + bottom) // 2)
        move_to(left - 150, bottom + 250)
        time.sleep(0.3)  # whether the list opens by itself: F4 opens it where it did not
        if self.window_rect("ComboLBox") is None:
            xdotool("key", "F4")
        wait_until(lambda: self.window_rect("ComboLBox") is not None, 5, "the drop-down's list",
                   interval=0.1)
        xdotool("key", "Home", *(["Down"] * TRAXO_SETTINGS_ENTRY), "Return")
        wait_until(lambda: self.window_rect("ComboLBox") is None, 5, "the drop-down to close",
                   interval=0.1)
        code, out = self.probe("button-rect", ASSIGN_TITLE, "OK")
        self.assertEqual(code, 0, "the assign dialog's OK button")
        left, top, right, bottom = numbers(out)
        self.click_at((left + right) // 2, (top + bottom) // 2)
        wait_until(lambda: self.window_rect(ASSIGN_CLASS) is None, 10, "the assign dialog to close",
                   interval=0.1)
        rect = self.wait_for_stage("Your gesture is ready to use. Hold right button and drag mouse.")
        self.assertIsNotNone(rect)

        # The gesture drawn over another program: it works only because the tutorial switched
        # gestures on.
        target = self.start_target()
        self.settle()
        drag(RIGHT_BUTTON, [target.at(0.1, 0.85), target.at(0.9, 0.85)])
        self.wait_for_stage("You might have noticed")
        self.press(NEXT)
        self.wait_for_stage("You can change the gesture trail colour")
        self.shot("tutorial-last.png")
        self.press(NEXT)  # Finish, where Next was
        wait_until(lambda: self.window_rect(TUTORIAL_CLASS) is None, 5, "the tutorial to close",
                   interval=0.1)


class TutorialAtFirstStart(TutorialTestCase):
    """The tutorial taken at the first start, while the configuration window is still hidden."""

    def test_the_tutorial_shows_the_window_whose_pad_it_waits_on(self):
        self.install()
        self.write_settings(tutorialPrompt=1)
        self.start_traxo()
        self.assertEqual(self.main_window_state(), "0")
        self.click_button(traxo_e2e.MAIN_TITLE, "English")
        self.click_button(traxo_e2e.MAIN_TITLE, "Yes")
        wait_until(lambda: self.main_window_state() == "1", 10,
                   "the configuration window to show with the tutorial")
        self.wait_for_stage("Welcome to Traxo.")
        for stage in ("Gestures are simple motions", "Using Traxo is very simple.",
                      "Look for the white Traxo icon", "Gestures are saved in sets.",
                      "On the right is an area"):
            self.press(NEXT)
            self.wait_for_stage(stage)
        # The drawing lands on the pad, which is there to be seen, and moves the tutorial on.
        drag(LEFT_BUTTON, [self.pad_point(0.1, 0.2), self.pad_point(0.45, 0.2),
                           self.pad_point(0.45, 0.45)], step=8)
        self.wait_for_stage("To create a gesture, click this button now.")


if __name__ == "__main__":
    traxo_e2e.main()
