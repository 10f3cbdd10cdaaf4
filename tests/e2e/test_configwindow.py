"""The configuration window and the tray driven with the real mouse: gestures recorded on the pad
and saved, the pad's test of a drawn gesture, the result popup of a screen gesture, hiding the
window, and the notification icon with its menu."""

import json
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import traxo_e2e  # noqa: E402
from traxo_e2e import (click, LEFT_BUTTON, MAIN_CLASS, RIGHT_BUTTON, STROKE_DOWN,  # noqa: E402
                       STROKE_RIGHT, drag, line_points, move_along, move_to, press, release,
                       screen_size, take_screenshot, wait_until, windows_path, xdotool)

POPUP_CLASS = "TfrmInfo"
STARTER_SET = "GettingStarted.mtd"
STARTER_MOTIONS = 10

# Places in the main window's client area (96 DPI; the Wine prefix runs at 96 DPI).
PAD = (303, 119, 786, 519)          # image1
LIST = (5, 119, 301, 478)           # ListBox1
CREATE_BUTTON = (70, 534)           # "Create gesture"
SAVE_BUTTON = (295, 61)             # "Save set"
NEW_SET_BUTTON = (129, 61)          # "New set"
RECORD_BUTTON = (358, 534)          # "Record again"
STATUS_TAB = (302, 97, 445, 118)    # lblStatus: "Testing" or "Recording"
FILE_LABEL = (64, 7, 724, 21)       # lblFile in the caption bar
TOOLBAR_OVER_LIST = (5, 27, 301, 93)
OPTIONS_BUTTON = (436, 61)
OPTIONS_CLASS = "TfrmOptions"
OPTIONS_OK = (564, 434)             # in the options dialog's client area
HIDE_BUTTON = (761, 13)             # "hide"
ROW_HEIGHT = 50
ROW_THUMB = (10, 5, 45, 40)         # the thumbnail box within a row
# The pad's message boxes are centred at (width / 2, height * 3 / 5); one with a thumbnail is
# 50 pixels high, so its top edge lies 25 pixels above the centre.
MESSAGE_TOP = (400 // 5) * 3 - 25
BOX_GREY = (192, 192, 192)
# Patches of a 40 by 40 thumbnail that hold ink: left, middle, right at the top, then the bottom.
V_GRID = ((True, False, True), (False, True, False))
L_GRID = ((True, False, False), (True, True, True))
SELECTED_ROW = (230, 232, 240)
WHITE = (255, 255, 255)

# The tray icon's callback (WM_APP + 0x3E7) with the mouse messages it carries.
TRAY_CALLBACK = 0x8000 + 0x3E7
TRAY_ICON_ID = 1
WM_LBUTTONUP = 0x0202
WM_RBUTTONUP = 0x0205
MENU_CLASS = "#32768"
NIM_ADD = 0
NIM_DELETE = 2
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"

HELLO_ACTION = "@Keystrokes: hello{enter}"
HELLO = "hello\r\n"


class WindowTestCase(traxo_e2e.TraxoTestCase):
    """Traxo started with a set and its window shown by a second start."""

    show_window = True

    def client_origin(self):
        code, out = self.probe("client-rect", MAIN_CLASS)
        self.assertEqual(code, 0, "the main window has no client area")
        left, top, _, _ = (int(v) for v in out.split())
        return left, top

    def at(self, x, y):
        left, top = self.client_origin()
        return left + x, top + y

    def click(self, place):
        click(*self.at(*place))

    def saved_motions(self, path, count):
        """The set file's motions once it holds count of them, else None."""
        code, out = self.run_wine(self.paths.cli, "set", "dump", windows_path(path))
        if code != 0:
            return None
        motions = json.loads(out)["motions"]
        return motions if len(motions) == count else None

    def dump_set(self, path):
        out = self.run_wine_ok(self.paths.cli, "set", "dump", windows_path(path), what="traxo-cli set dump")
        return json.loads(out)

    def run_value(self):
        """The Run key's value for Traxo, or None."""
        code, out = self.run_wine("reg", "query", RUN_KEY, "/v", "traxo")
        if code != 0:
            return None
        for line in out.splitlines():
            parts = line.split(None, 2)
            if len(parts) == 3 and parts[0].lower() == "traxo" and parts[1] == "REG_SZ":
                return parts[2].strip()
        return None

    def delete_run_value(self):
        self.run_wine("reg", "delete", RUN_KEY, "/v", "traxo", "/f")

    def popup_state(self):
        """None when there is no popup window, else (left, top, right, bottom, visible)."""
        code, out = self.probe("window-rect", POPUP_CLASS)
        if code != 0:
            return None
        left, top, right, bottom, visible = (int(v) for v in out.split())
        return left, top, right, bottom, visible == 1

    def popup_visible(self):
        state = self.popup_state()
        return state is not None and state[4]


class PadRecording(WindowTestCase):
    """The starter set, loaded from the settings, in the shown window; the popup switched on so
    that its absence during pad tests means something."""

    def setUp(self):
        super().setUp()
        self.install()
        self.set_path = self.folder / STARTER_SET
        self.assertTrue(self.set_path.exists(), "the build has no starter set")
        self.write_settings(motions=STARTER_SET, showInfo=1)
        self.start_traxo()
        self.show_main_window()
        self.wait_for_still_window(MAIN_CLASS)  # the fades of the controls settle

    # -- looking at the pad and the list

    def pad_point(self, fx, fy):
        """A point in the pad given as fractions of its size, on the screen."""
        left, top, right, bottom = PAD
        return self.at(round(left + (right - left) * fx), round(top + (bottom - top) * fy))

    def draw_on_pad(self, fractions):
        drag(LEFT_BUTTON, [self.pad_point(fx, fy) for fx, fy in fractions], step=8)

    def message_box(self, shot):
        """The message box with a thumbnail that the pad shows, or None: its left and right
        edges in the pad, which of six 8 by 8 patches of its thumbnail hold ink (its left, middle
        and right at the top, then at the bottom),
        and the pixels of its text."""
        left, top = self.at(PAD[0], PAD[1] + MESSAGE_TOP)
        xs = [x for x in range(PAD[2] - PAD[0]) if shot.pixel(left + x, top) == BOX_GREY]
        if len(xs) < 40:
            return None
        first, last = xs[0], xs[-1]
        thumb_x, thumb_y = left + first + 5, top + 5
        grid = tuple(
            tuple(any(shot.pixel(thumb_x + x, thumb_y + y) != WHITE
                      for y in range(row_top, row_top + 8)
                      for x in range(column_left, column_left + 8))
                  for column_left in (0, 16, 32))
            for row_top in (0, 32))
        text = b"".join(bytes(shot.pixel(x, y)) for y in range(top + 1, top + 49)
                        for x in range(left + first + 50, left + last))
        return {"edge": (first, last), "grid": grid, "text": text}

    def wait_for_message_box(self, what, differing_from=None):
        found = []

        def box():
            shot = take_screenshot()
            found[:] = [shot]
            answer = self.message_box(shot)
            if answer is None or (differing_from is not None and
                                  answer["text"] == differing_from["text"]):
                return None
            return answer
        try:
            return wait_until(box, 5, what, interval=0.1)
        except AssertionError:
            self.save_screenshot(found[0], "pad.png")
            raise

    def selected_row_top(self, shot):
        """The top of the selected row on the screen (its fill in the list's left margin)."""
        x, top = self.at(LIST[0] + 3, LIST[1])
        _, bottom = self.at(LIST[0] + 3, LIST[3])
        for y in range(top, bottom):
            if shot.pixel(x, y) == SELECTED_ROW:
                return y
        return None

    def selected_thumbnail_ink(self, shot):
        """Pixels of the selected row's thumbnail box that are neither its fill nor white."""
        row_top = self.selected_row_top(shot)
        if row_top is None:
            self.save_screenshot(shot, "list.png")
            self.fail("no row of the list is selected")
        x0, _ = self.at(LIST[0] + ROW_THUMB[0], 0)
        return sum(1 for y in range(row_top + ROW_THUMB[1], row_top + ROW_THUMB[3])
                   for x in range(x0, x0 + ROW_THUMB[2] - ROW_THUMB[0])
                   if shot.pixel(x, y) not in (SELECTED_ROW, WHITE))

    # -- the tests

    def test_ctrl_s_saves_the_set(self):
        # The window's shortcuts act wherever the focus is: here the pad just drawn on.
        self.click(CREATE_BUTTON)
        wait_until(lambda: self.selected_row_top(take_screenshot()) is not None, 5,
                   "the new row to be selected")
        self.draw_on_pad([(0.25, 0.2), (0.45, 0.7), (0.65, 0.2)])
        wait_until(lambda: self.selected_thumbnail_ink(take_screenshot()) > 20, 5,
                   "the recorded stroke in the new row's thumbnail")
        xdotool("key", "ctrl+s")
        wait_until(lambda: self.saved_motions(self.set_path, STARTER_MOTIONS + 1), 10,
                   "Ctrl+S to save the new gesture")

    def test_recorded_gestures_are_listed_warned_about_and_saved(self):
        before = self.dump_set(self.set_path)
        self.assertEqual(len(before["motions"]), STARTER_MOTIONS)
        modified = self.set_path.stat().st_mtime_ns

        # "Create gesture" adds a selected row with an empty thumbnail and arms the pad.
        self.click(CREATE_BUTTON)
        wait_until(lambda: self.selected_row_top(take_screenshot()) is not None, 5,
                   "the new row to be selected")
        time.sleep(0.3)  # nothing must appear: give a stray repaint its chance
        self.assertEqual(self.selected_thumbnail_ink(take_screenshot()), 0,
                         "the new row shows a thumbnail before anything was drawn")

        # A V drawn on the pad becomes the row's thumbnail.
        v_shape = [(0.25, 0.2), (0.45, 0.7), (0.65, 0.2)]
        self.draw_on_pad(v_shape)
        wait_until(lambda: self.selected_thumbnail_ink(take_screenshot()) > 20, 5,
                   "the recorded stroke in the new row's thumbnail")
        self.wait_for_still_window(MAIN_CLASS)  # the pad's own repaint, which may carry a warning, arrives
        # Whether this first V resembles a starter gesture is the recogniser's business; the
        # second must be found similar to the first, gesture 11.
        earlier = self.message_box(take_screenshot())

        self.click(CREATE_BUTTON)
        wait_until(lambda: self.selected_thumbnail_ink(take_screenshot()) == 0, 5,
                   "a second new row, still without a thumbnail")
        self.draw_on_pad(v_shape)
        warning = self.wait_for_message_box("the similarity warning in the pad", earlier)
        first, last = warning["edge"]
        # "Warning: this is similar to gesture #11" is far wider than the short messages.
        self.assertGreater(last - first, 200, "the pad's message is too narrow for the warning")
        # Its thumbnail is the V of gesture 11: ink at the top corners and the bottom middle.
        if warning["grid"] != V_GRID:
            self.save_screenshot(take_screenshot(), "warning.png")
        self.assertEqual(warning["grid"], V_GRID, "the warning does not show the V")

        # "Save set" writes both new gestures to the set's own file.
        self.click(SAVE_BUTTON)
        wait_until(lambda: self.set_path.stat().st_mtime_ns != modified, 10,
                   "the set file to be written")
        after = wait_until(lambda: self.saved_motions(self.set_path, STARTER_MOTIONS + 2), 10,
                           "the saved set to hold both new gestures")
        self.assertEqual(after[:STARTER_MOTIONS], before["motions"],
                         "saving changed the starter gestures")
        for motion in after[STARTER_MOTIONS:]:
            points = motion["points"]
            self.assertEqual(len(points), 30, "a recorded path is not resampled to 30 points")
            xs = [p[0] for p in points]
            ys = [p[1] for p in points]
            self.assertTrue(all(0 <= v <= 100 for v in xs + ys),
                            f"a recorded path leaves the 100 by 100 box: {points}")
            self.assertGreaterEqual(max(max(xs) - min(xs), max(ys) - min(ys)), 95,
                                    "a recorded path is not scaled to the box")
            # A V: down to the middle, then up again.
            lowest = ys.index(max(ys))
            self.assertTrue(10 <= lowest <= 20, f"the V's lowest point is point {lowest}")
            self.assertLess(ys[0], ys[lowest] - 50)
            self.assertLess(ys[-1], ys[lowest] - 50)
            self.assertLess(xs[0], xs[lowest])
            self.assertLess(xs[lowest], xs[-1])

    def test_drawn_gesture_is_tested_against_the_set(self):
        # Two points, too few to be a gesture: "Unrecognised".
        self.draw_on_pad([(0.5, 0.3), (0.516, 0.3)])
        short = self.wait_for_message_box("the pad's answer to a short stroke")
        # The starter's "close tab" stroke, down then right: "Matches #5" with its L.
        self.draw_on_pad([(0.2, 0.1), (0.2, 0.8), (0.8, 0.8)])
        match = self.wait_for_message_box("the pad's answer to the close-tab stroke", short)
        self.assertEqual(match["grid"], L_GRID, "the pad's answer does not show gesture 5's L")
        self.assertNotEqual(short["grid"], L_GRID, "the short stroke's answer shows an L")
        self.assertFalse(self.popup_visible(), "a test on the pad showed the result popup")
        self.assertEqual(self.main_window_state(), "1")


class PadInterruptions(WindowTestCase):
    """Twelve gestures, the second with an action, in Ctrl+Shift mode: recordings cut short by a
    screen gesture or another command, the status tab and the caption's unsaved mark, the
    action button of a row scrolled out of view, and the pad's words after a language switch."""

    def setUp(self):
        super().setUp()
        motions = [(STROKE_RIGHT, "", []), (STROKE_DOWN, "@Browser: forward", [])]
        motions += [(STROKE_RIGHT, "", [])] * 10
        self.set_path = self.build_set(motions)
        self.write_settings(motions="set.mtd", invoke=0)
        self.start_traxo()
        self.show_main_window()
        self.wait_for_still_window(MAIN_CLASS)  # the fades of the controls settle

    def pad_point(self, fx, fy):
        left, top, right, bottom = PAD
        return self.at(round(left + (right - left) * fx), round(top + (bottom - top) * fy))

    def pixels(self, area, shot=None):
        """The pixels of a client-area rectangle, for comparing one look with another."""
        shot = shot or take_screenshot()
        left, top = self.at(area[0], area[1])
        return tuple(shot.pixel(x, y) for y in range(top, top + area[3] - area[1])
                     for x in range(left, left + area[2] - area[0]))

    def steady_pixels(self, area):
        """The area's pixels once two looks in a row agree (the tabs fade)."""
        last = []

        def steady():
            now = self.pixels(area)
            agreed = bool(last) and now == last[0]
            last[:] = [now]
            return now if agreed else None
        return wait_until(steady, 5, "the area to stop changing", interval=0.2)

    def select_row(self, index):
        # The row's right half: the action button covers the left of a selected row.
        self.click((LIST[0] + 250, LIST[1] + ROW_HEIGHT * index + 25))

    def test_a_screen_gesture_ends_a_recording_and_the_motion_keeps_its_path(self):
        before = self.dump_set(self.set_path)["motions"]
        testing = self.steady_pixels(STATUS_TAB)
        saved_caption = self.steady_pixels(FILE_LABEL)

        self.select_row(1)
        self.click(RECORD_BUTTON)
        wait_until(lambda: self.pixels(STATUS_TAB) != testing, 5, "the status to say Recording")

        # The press starts the recording; a screen gesture drawn while the button is still down
        # ends it before the release.
        start, middle = self.pad_point(0.2, 0.3), self.pad_point(0.5, 0.6)
        press(LEFT_BUTTON, *start)
        move_along(line_points(start, middle))
        xdotool("keydown", "ctrl", "shift")
        try:
            time.sleep(0.35)  # the gesture starts at the next 100 ms poll
            move_along(line_points(middle, self.pad_point(0.9, 0.6)))
            time.sleep(0.1)  # the last point polled before the keys go up: no sign outside
        finally:
            xdotool("keyup", "ctrl", "shift")
        release(LEFT_BUTTON)
        wait_until(lambda: self.pixels(STATUS_TAB) == testing, 5, "the status to say Testing again")
        self.assertEqual(self.steady_pixels(FILE_LABEL), saved_caption,
                         "the interrupted recording marked the set modified")

        modified = self.set_path.stat().st_mtime_ns
        self.click(SAVE_BUTTON)
        wait_until(lambda: self.set_path.stat().st_mtime_ns != modified, 10,
                   "the set file to be written")
        after = self.dump_set(self.set_path)["motions"]
        self.assertEqual(after[1]["points"], before[1]["points"],
                         "the interrupted recording changed the gesture's path")

        # A finished recording marks the set modified in the caption until it is saved.
        self.click(RECORD_BUTTON)
        wait_until(lambda: self.pixels(STATUS_TAB) != testing, 5, "the status to say Recording")
        drag(LEFT_BUTTON, [self.pad_point(0.2, 0.2), self.pad_point(0.8, 0.8)], step=8)
        try:
            wait_until(lambda: self.pixels(FILE_LABEL) != saved_caption, 5,
                       "the caption's mark of unsaved changes")
        except AssertionError:
            self.save_screenshot(take_screenshot(), "no-unsaved-mark.png")
            raise
        self.click(SAVE_BUTTON)
        wait_until(lambda: self.pixels(FILE_LABEL) == saved_caption, 10,
                   "the mark to go once the set is saved")

        # New set disarms the pad, and the status follows.
        self.click(RECORD_BUTTON)
        wait_until(lambda: self.pixels(STATUS_TAB) != testing, 5, "the status to say Recording")
        self.click(NEW_SET_BUTTON)
        wait_until(lambda: self.pixels(STATUS_TAB) == testing, 5,
                   "the status to say Testing after New set")

    def test_the_action_button_stays_inside_the_list_when_its_row_scrolls_away(self):
        top_rows = (LIST[0], LIST[1], LIST[2], LIST[1] + 2 * ROW_HEIGHT)
        unselected = self.steady_pixels(top_rows)
        self.select_row(1)
        wait_until(lambda: self.pixels(top_rows) != unselected, 5, "the second row to be selected")
        selected = self.steady_pixels(top_rows)
        # Taken in the active window: the toolbar's buttons look otherwise in an inactive one.
        toolbar = self.steady_pixels(TOOLBAR_OVER_LIST)
        move_to(*self.at(LIST[0] + 250, LIST[1] + 200))
        xdotool("click", "5")  # the wheel, one notch down: the selected row leaves the view
        wait_until(lambda: self.pixels(top_rows) != selected, 5, "the list to scroll")
        if self.steady_pixels(TOOLBAR_OVER_LIST) != toolbar:
            self.save_screenshot(take_screenshot(), "action-button-over-toolbar.png")
            self.fail("the action button of a row scrolled out of view shows over the toolbar")

        # Scrolled back, the row shows its button again.
        xdotool("click", "4")
        wait_until(lambda: self.pixels(top_rows) == selected, 5,
                   "the selected row and its action button back in view")


    def test_the_pads_message_changes_language_at_once(self):
        self.click(CREATE_BUTTON)  # the pad asks for a drawing
        wait_until(lambda: any(pixel != WHITE for pixel in self.pixels(PAD)), 5,
                   "the pad's request to draw")
        armed = self.steady_pixels(PAD)
        self.click(OPTIONS_BUTTON)
        wait_until(lambda: self.probe("window-rect", OPTIONS_CLASS)[1].split()[4:] == ["1"], 10,
                   "the options")
        code, out = self.probe("child-rect", OPTIONS_CLASS, "ComboBox")
        self.assertEqual(code, 0, "the options have no language box")
        left, top, right, bottom = (int(v) for v in out.split())
        click((left + right) // 2, (top + bottom) // 2)
        xdotool("key", "Down", "Return")
        code, out = self.probe("client-rect", OPTIONS_CLASS)
        left, top = (int(v) for v in out.split()[:2])
        click(left + OPTIONS_OK[0], top + OPTIONS_OK[1])
        try:
            wait_until(lambda: self.pixels(PAD) != armed, 5, "the pad's words in Chinese")
        except AssertionError:
            self.save_screenshot(take_screenshot(), "pad-language.png")
            raise


class PopupAndHiding(WindowTestCase):
    """A set of two strokes in a target window, with the result popup switched on."""

    def setUp(self):
        super().setUp()
        self.build_set([(STROKE_RIGHT, HELLO_ACTION, []), (STROKE_DOWN, "@Keys: BkSp", [])])
        self.write_settings(motions="set.mtd", showInfo=1)
        self.start_traxo()
        self.target = self.start_target()
        self.settle()

    def stroke_right(self):
        drag(RIGHT_BUTTON, [self.target.at(0.2, 0.5), self.target.at(0.8, 0.5)])

    def foreground(self):
        return self.probe("foreground")[1]

    def test_screen_gesture_shows_popup_at_bottom_right_without_focus(self):
        width, height = screen_size()
        target_in_front = self.foreground()
        self.assertTrue(target_in_front.startswith(traxo_e2e.TARGET_CLASS), target_in_front)
        self.assertFalse(self.popup_visible(), "the popup shows before any gesture")

        self.stroke_right()
        ended = time.monotonic()
        state = wait_until(lambda: self.popup_visible() and self.popup_state(), 3,
                           "the result popup")
        in_front = self.foreground()
        wait_until(lambda: not self.popup_visible(), 5, "the popup to go")
        shown_for = time.monotonic() - ended

        left, top, right, bottom, _ = state
        self.assertEqual(right, width, f"the popup {state} does not touch the right edge")
        self.assertGreaterEqual(bottom, height, f"the popup {state} is above the bottom edge")
        self.assertLess(top, height, f"the popup {state} is below the screen")
        self.assertEqual(in_front, target_in_front, "the popup took the foreground")
        self.assertLess(shown_for, 2.5, "the popup stayed longer than 2.5 s")
        self.wait_for_text(self.target, HELLO)
        self.assertEqual(self.foreground(), target_in_front)

    def test_escape_and_hide_leave_traxo_running(self):
        process = self.traxo_started[0]
        self.show_main_window()
        self.wait_for_still_window(MAIN_CLASS)
        # Escape with the focus wherever the window put it.
        move_to(*self.at(400, 300))
        xdotool("key", "Escape")
        wait_until(lambda: self.main_window_state() == "0", 5, "Escape to hide the window")

        self.show_main_window()
        self.wait_for_still_window(MAIN_CLASS)
        self.click(HIDE_BUTTON)
        wait_until(lambda: self.main_window_state() == "0", 5, '"hide" to hide the window')
        self.assertIsNone(process.poll(), "Traxo ended when its window was hidden")

        # Gestures go on working in the program in front.
        move_to(*self.target.centre)
        xdotool("click", LEFT_BUTTON)
        wait_until(lambda: self.foreground().startswith(traxo_e2e.TARGET_CLASS), 5,
                   "the target to be in front")
        self.settle()
        self.stroke_right()
        self.wait_for_text(self.target, HELLO)


class TrayIcon(WindowTestCase):
    """Traxo running hidden in the notification area."""

    def setUp(self):
        super().setUp()
        self.build_set([(STROKE_RIGHT, HELLO_ACTION, [])])
        self.write_settings(motions="set.mtd")
        self.addCleanup(self.delete_run_value)
        self.delete_run_value()
        self.start_traxo()

    def icon_known(self):
        code, out = self.probe("tray-icon", MAIN_CLASS, TRAY_ICON_ID)
        self.assertEqual(code, 0, "no main window")
        return out == "icon=1"

    def tray_callback(self, mouse_message):
        code, _ = self.probe("post-message", MAIN_CLASS, TRAY_CALLBACK, TRAY_ICON_ID,
                             mouse_message)
        self.assertEqual(code, 0, "no main window to post to")

    def choose_autostart(self):
        move_to(600, 500)
        self.tray_callback(WM_RBUTTONUP)
        wait_until(lambda: self.probe("find-window", MENU_CLASS)[1] == "visible=1", 5,
                   "the tray menu")
        xdotool("key", "s")
        wait_until(lambda: self.probe("find-window", MENU_CLASS)[1] != "visible=1", 5,
                   "the tray menu to close")

    def test_icon_is_there_and_comes_back_after_a_shell_restart(self):
        wait_until(self.icon_known, 10, "the tray icon")
        self.assertEqual(self.main_window_state(), "0", "the window shows at a normal start")
        # A click on the icon opens the window.
        self.tray_callback(WM_LBUTTONUP)
        wait_until(lambda: self.main_window_state() == "1", 5, "the window after a click")
        # A restarted shell has forgotten the icon and says so to every window.
        self.assertEqual(self.probe("tray-icon", MAIN_CLASS, TRAY_ICON_ID, "delete")[0], 0)
        self.assertFalse(self.icon_known(), "the shell still knows a deleted icon")
        self.assertEqual(self.probe("taskbar-created")[0], 0)
        wait_until(self.icon_known, 10, "the icon to be added again")

    def test_icon_is_deleted_at_exit(self):
        wait_until(self.icon_known, 10, "the tray icon")
        window = self.probe("window-handle", MAIN_CLASS)[1]
        # Wine's shell forgets the icons of a window that is gone, whether or not its program
        # deleted them: a stand-in shell, which the icon is shown again in after a shell
        # restart, tells what the program itself asked for.
        log = self.folder / "tray.log"
        self.spawn(self.paths.probe, "tray-recorder", windows_path(log), log_name="tray.txt")
        wait_until(lambda: log.exists() and log.read_text().startswith("ready"), 30,
                   "the stand-in shell")
        self.assertEqual(self.probe("taskbar-created")[0], 0)
        wait_until(lambda: f"{NIM_ADD} {window}" in self.tray_calls(log), 10,
                   "the icon to be added to the stand-in shell")
        self.assertTrue(self.close_traxo(self.traxo_started[0]), "Traxo did not end")
        calls = [call for call in self.tray_calls(log) if call.endswith(f" {window}")]
        self.assertEqual(calls[-1:], [f"{NIM_DELETE} {window}"],
                         f"the icon was not deleted at exit; the shell was asked: {calls}")

    @staticmethod
    def tray_calls(log):
        return log.read_text().splitlines()[1:]

    def test_autostart_entry_toggles_the_run_value(self):
        wait_until(self.icon_known, 10, "the tray icon")
        self.assertIsNone(self.run_value())
        self.choose_autostart()
        value = wait_until(self.run_value, 10, "the Run value")
        exe = windows_path(self.folder / "Traxo.exe")
        self.assertEqual(value.lower(), f'"{exe}"'.lower(), "the Run value is not the quoted path")
        self.choose_autostart()
        wait_until(lambda: self.run_value() is None, 10, "the Run value to be deleted")


class AutostartQuestion(WindowTestCase):
    """Another copy of Traxo set to start with Windows: five seconds after start this copy asks
    whether it should start instead."""

    OTHER_COPY = '"C:\\Other place\\Traxo.exe"'

    def setUp(self):
        super().setUp()
        self.build_set([(STROKE_RIGHT, HELLO_ACTION, [])])
        self.write_settings(motions="set.mtd")
        self.addCleanup(self.delete_run_value)
        out = self.run_wine_ok("reg", "add", RUN_KEY, "/v", "traxo", "/d", self.OTHER_COPY,
                                  "/f", what="reg add")

    def question_buttons(self):
        """The buttons of a visible window titled Traxo other than the (hidden) main window."""
        out = self.probe("list-buttons", traxo_e2e.MAIN_TITLE)[1]
        return [line.split(": ", 1)[1] for line in out.splitlines()
                if ": " in line and not line.startswith(MAIN_CLASS)]

    def test_yes_points_the_entry_at_this_copy(self):
        self.start_traxo()
        started = time.monotonic()
        # The question's timer starts a moment before the main window can be found.
        early = 3.5 - (time.monotonic() - started)
        self.assertTrue(traxo_e2e.holds_for(lambda: not self.question_buttons(), early, 0.2),
                        "the question came before its five seconds")
        try:
            buttons = wait_until(self.question_buttons, 5, "the autostart question", 0.2)
        except AssertionError:
            self.save_screenshot(take_screenshot(), "no-question.png")
            raise
        self.assertEqual(sorted(buttons), ["No", "Yes"])
        self.assertEqual(self.run_value(), self.OTHER_COPY, "the entry changed before the answer")
        self.click_button(traxo_e2e.MAIN_TITLE, "Yes")
        exe = windows_path(self.folder / "Traxo.exe")
        wait_until(lambda: (self.run_value() or "").lower() == f'"{exe}"'.lower(), 10,
                   "the Run value to name this copy")
        self.assertFalse(traxo_e2e.holds_for(self.question_buttons, 0.5), "the question stays")


if __name__ == "__main__":
    traxo_e2e.main()
