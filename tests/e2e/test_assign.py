"""Actions assigned the way a user does it: the main window's action button, the assign dialog's
drop-down, the key-combination dialog and the keystrokes editor, then "Save set"; the saved set
then acts in two programs, one with its own action and one left to the default."""

import json
import shutil
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import traxo_e2e  # noqa: E402
from traxo_e2e import (click, LEFT_BUTTON, MAIN_CLASS, RIGHT_BUTTON, STROKE_RIGHT, drag,  # noqa: E402
                       holds_for, move_to, take_screenshot, wait_until, windows_path, xdotool)

ASSIGN_CLASS = "TfrmAssign"
ASSIGN_TITLE = "Assign action"
KEYCOMBO_CLASS = "TfrmKeyCombo"
KEYCOMBO_TITLE = "Key combination"
KEYSTROKES_CLASS = "TfrmKeystrokes"
KEYSTROKES_TITLE = "Keystrokes"

# Places in the main window's client area (96 DPI).
FIRST_ROW = (5, 119)                # the list's first row, top left
ACTION_BUTTON = (50 + 40, 15 + 10)  # inside the action button, from the selected row's top left
SAVE_BUTTON = (295, 61)             # "Save set"
ROW_HEIGHT = 24                     # of the assign dialog's list

# Entries of the drop-down below the current action (the first row has no "Same as default").
DEFAULT_ROW_KEY_COMBINATION = 5
PROGRAM_ROW_KEYSTROKES = 7

SCRIPT = "hello{enter}"
HELLO = "hello\r\n"
LINK = (73, 109, 169)  # the colour of the current action's text in the drop-down


def rect_of(output):
    return tuple(int(v) for v in output.split()[:4])


class AssignTestCase(traxo_e2e.TraxoTestCase):

    def client_origin(self, window_class):
        code, out = self.probe("client-rect", window_class)
        self.assertEqual(code, 0, f"no window {window_class}")
        left, top, _, _ = rect_of(out)
        return left, top

    def click_at(self, x, y):
        click(x, y)

    def child_rect(self, window_class, child_class, timeout=10):
        found = []

        def look():
            code, out = self.probe("child-rect", window_class, child_class)
            if code == 0:
                found[:] = [rect_of(out)]
            return code == 0
        wait_until(look, timeout, f"a {child_class} in the window {window_class}", interval=0.1)
        return found[0]

    def window_visible(self, window_class):
        code, out = self.probe("window-rect", window_class)
        return code == 0 and out.split()[4] == "1"

    def wait_visible(self, window_class, timeout=10):
        try:
            wait_until(lambda: self.window_visible(window_class), timeout,
                       f"the window {window_class} to show", interval=0.1)
        except AssertionError:
            self.save_screenshot(take_screenshot(), f"no-{window_class}.png")
            raise

    def wait_hidden(self, window_class, timeout=10):
        wait_until(lambda: not self.window_visible(window_class), timeout,
                   f"the window {window_class} to close", interval=0.1)

    def choose_in_drop_down(self, entries_down):
        """Takes the entry that many below the current action in the drop-down over the selected
        row, with the keys a user would press: F4 opens the list, Home goes to its top."""
        left, top, right, bottom = self.child_rect(ASSIGN_CLASS, "ComboBox")
        self.click_at((left + right) // 2, (top + bottom) // 2)
        # Off the list, which would follow the pointer.
        move_to(left - 150, bottom + 250)
        if holds_for(lambda: not self.window_visible("ComboLBox"), 0.5):
            xdotool("key", "F4")
        wait_until(lambda: self.window_visible("ComboLBox"), 5, "the drop-down's list",
                   interval=0.1)
        xdotool("key", "Home", *(["Down"] * entries_down))
        xdotool("key", "Return")

    def open_assign_dialog(self):
        """Selects the first row of the main window's list and clicks its action button."""
        x, y = self.client_origin(MAIN_CLASS)
        row_left, row_top = x + FIRST_ROW[0], y + FIRST_ROW[1]
        self.click_at(row_left + 150, row_top + 40)  # below the action button, on the row
        self.wait_for_still_window(MAIN_CLASS)  # the action button comes over the selected row
        self.click_at(row_left + ACTION_BUTTON[0], row_top + ACTION_BUTTON[1])
        self.wait_visible(ASSIGN_CLASS)
        return x, y

    def drop_down_shows_action(self):
        """The drop-down over the selected row is painted: its current action's text is there."""
        left, top, right, bottom = self.child_rect(ASSIGN_CLASS, "ComboBox")
        shot = take_screenshot()
        for y in range(top + 2, bottom - 2):
            for x in range(left + 2, right - 20):
                if all(abs(a - b) <= 40 for a, b in zip(shot.pixel(x, y), LINK)):
                    return True
        self.save_screenshot(shot, "blank-drop-down.png")
        return False

    def dump_set(self, path):
        out = self.run_wine_ok(self.paths.cli, "set", "dump", windows_path(path), what="traxo-cli set dump")
        return json.loads(out)

    def start_other_target(self):
        """The probe's target under another program name, which the set does not know."""
        other = self.folder / "other" / "othertarget.exe"
        other.parent.mkdir()
        shutil.copy2(self.paths.probe, other)
        log_dir = self.folder / "other-log"
        log_dir.mkdir()
        process = self.spawn(other, "target", windows_path(log_dir), log_name="other.log")
        wait_until(lambda: (log_dir / "ready.txt").exists(), 60, "the other target", interval=0.1)
        target = traxo_e2e.Target(process, log_dir)
        self.assertEqual(target.info.get("foreground"), "1",
                         "the other target did not come to the foreground")
        return target


class AssignThroughDialogs(AssignTestCase):
    """One right stroke without an action and the probe's program known; the window shown."""

    def setUp(self):
        super().setUp()
        self.target_exe = windows_path(self.paths.probe).lower()
        self.set_path = self.build_set([(STROKE_RIGHT, "", [])], [(self.target_exe, "Probe")])
        self.write_settings(motions="set.mtd")
        self.start_traxo()
        self.show_main_window()
        self.wait_for_still_window(MAIN_CLASS)  # the fades of the controls settle

    def test_assigned_actions_are_saved_and_run(self):
        before = self.set_path.stat().st_mtime_ns
        x, y = self.open_assign_dialog()

        # All programs: a key combination, Shift and the A key.
        self.choose_in_drop_down(DEFAULT_ROW_KEY_COMBINATION)
        self.wait_visible(KEYCOMBO_CLASS)
        self.click_button(KEYCOMBO_TITLE, "Shift")
        left, top, right, bottom = self.child_rect(KEYCOMBO_CLASS, "msctls_hotkey32")
        self.click_at((left + right) // 2, (top + bottom) // 2)
        xdotool("key", "a")
        self.click_button(KEYCOMBO_TITLE, "OK")
        self.wait_hidden(KEYCOMBO_CLASS)

        # The probe's program, the second row: a keystroke script.
        # The second row: a click on the first row's title gives the list the focus, Down moves.
        _, combo_top, _, combo_bottom = self.child_rect(ASSIGN_CLASS, "ComboBox")
        list_left, _, _, _ = self.child_rect(ASSIGN_CLASS, "SysListView32")
        self.click_at(list_left + 100, (combo_top + combo_bottom) // 2)
        xdotool("key", "Down")
        wait_until(lambda: self.child_rect(ASSIGN_CLASS, "ComboBox")[1] > combo_top, 5,
                   "the drop-down to move to the second row")
        self.assertEqual(self.child_rect(ASSIGN_CLASS, "ComboBox")[1] - combo_top, ROW_HEIGHT,
                         "the drop-down moved by other than one row of the list")
        self.choose_in_drop_down(PROGRAM_ROW_KEYSTROKES)
        self.wait_visible(KEYSTROKES_CLASS)
        wait_until(lambda: self.probe("foreground")[1].startswith(KEYSTROKES_CLASS), 10,
                   "the keystrokes editor in the foreground")
        xdotool("type", "--delay", "30", SCRIPT)
        self.click_button(KEYSTROKES_TITLE, "OK")
        self.wait_hidden(KEYSTROKES_CLASS)

        self.click_button(ASSIGN_TITLE, "OK")
        self.wait_hidden(ASSIGN_CLASS)
        self.click_at(x + SAVE_BUTTON[0], y + SAVE_BUTTON[1])
        wait_until(lambda: self.set_path.stat().st_mtime_ns != before, 10, "the set to be saved")

        saved = self.dump_set(self.set_path)
        motion = saved["motions"][0]
        self.assertEqual(motion["defaultAction"], "@Keys: Shift + A", saved)
        self.assertEqual([(r["appIndex"], r["action"]) for r in motion["rules"]],
                         [(0, "@Keystrokes: " + SCRIPT)], saved)

        # Over the known program its script is typed; elsewhere the combination is pressed.
        target = self.start_target()
        self.settle()
        drag(RIGHT_BUTTON, [target.at(0.2, 0.5), target.at(0.8, 0.5)])
        self.wait_for_text(target, HELLO)
        other = self.start_other_target()
        self.settle()
        drag(RIGHT_BUTTON, [other.at(0.2, 0.5), other.at(0.8, 0.5)])
        self.wait_for_text(other, "A")
        self.assert_text_stays(target, HELLO, 0.5)


class OneGestureTestCase(AssignTestCase):
    """The main window shown over a set of one gesture that presses Ctrl+C."""

    def setUp(self):
        super().setUp()
        self.build_set([(STROKE_RIGHT, "@Keys: Ctrl + C", [])])
        self.write_settings(motions="set.mtd")
        self.start_traxo()
        self.show_main_window()
        self.wait_for_still_window(MAIN_CLASS)  # the fades of the controls settle


class DropDownThroughTheMouse(OneGestureTestCase):
    """The drop-down over the selected row, clicked once, and after an editor closes."""

    def test_one_click_opens_it_and_it_shows_the_action_after_an_editor(self):
        self.open_assign_dialog()
        wait_until(self.drop_down_shows_action, 5, "the drop-down's current action")
        left, top, right, bottom = self.child_rect(ASSIGN_CLASS, "ComboBox")
        self.click_at((left + right) // 2, (top + bottom) // 2)
        try:
            wait_until(lambda: self.window_visible("ComboLBox"), 5, "the list after one click",
                       interval=0.1)
        except AssertionError:
            self.save_screenshot(take_screenshot(), "no-list-after-one-click.png")
            raise
        xdotool("key", "Home", *(["Down"] * DEFAULT_ROW_KEY_COMBINATION))
        xdotool("key", "Return")
        self.wait_visible(KEYCOMBO_CLASS)
        self.click_button(KEYCOMBO_TITLE, "Cancel")
        self.wait_hidden(KEYCOMBO_CLASS)
        wait_until(self.drop_down_shows_action, 5, "the drop-down's action after the editor")


class KeystrokesEditorOpenedTwice(OneGestureTestCase):
    """The keystrokes editor opened a second time with its examples still shown."""

    def open_keystrokes_editor(self):
        self.choose_in_drop_down(DEFAULT_ROW_KEY_COMBINATION + 1)
        self.wait_visible(KEYSTROKES_CLASS)

    def test_the_examples_frame_is_painted_inside(self):
        self.open_assign_dialog()
        self.open_keystrokes_editor()
        x, y = self.client_origin(KEYSTROKES_CLASS)
        self.click_at(x + 70, y + 266)  # "Show examples"
        wait_until(lambda: self.child_rect(KEYSTROKES_CLASS, "ListBox")[3] > y + 300, 5,
                   "the examples list to show")
        self.click_button(KEYSTROKES_TITLE, "Cancel")
        self.wait_hidden(KEYSTROKES_CLASS)
        self.open_keystrokes_editor()
        left, top, right, bottom = self.child_rect(KEYSTROKES_CLASS, "ListBox")

        def frame_inside_is_white():
            # Between the group box's edge and the list, on every side of the list.
            shot = take_screenshot()
            points = [(left - 4, (top + bottom) // 2), (right + 4, (top + bottom) // 2),
                      ((left + right) // 2, bottom + 4)]
            if all(min(shot.pixel(px, py)) >= 200 for px, py in points):
                return True
            self.save_screenshot(shot, "examples-frame.png")
            return False
        wait_until(frame_inside_is_white, 5, "the inside of the examples frame to be painted")


if __name__ == "__main__":
    traxo_e2e.main()
