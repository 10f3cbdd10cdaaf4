"""Gestures drawn on the screen: capture, recognition, the action in the foreground program,
exclusions, per-program rules, the other trigger modes, the trail and the screen edge."""

import json
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import traxo_e2e  # noqa: E402
from traxo_e2e import (MIDDLE_BUTTON, RIGHT_BUTTON, STROKE_DOWN, STROKE_RIGHT,  # noqa: E402
                       drag, line_points, move_along, move_to, press, release, screen_size,
                       screenshot_showing, take_screenshot, wait_until, xdotool)

TYPE_HELLO = "@Keystrokes: hello{enter}"
BACKSPACE = "@Keys: BkSp"
HELLO = "hello\r\n"
LIME = (0, 255, 0)


class GestureTestCase(traxo_e2e.TraxoTestCase):
    """Traxo with a set whose right stroke types a line and whose down stroke deletes a key."""

    motions = [(STROKE_RIGHT, TYPE_HELLO, []), (STROKE_DOWN, BACKSPACE, [])]
    known_apps = ()
    settings = {}
    exclude_target = False  # list the target's program in the exclude section

    def setUp(self):
        super().setUp()
        self.expected_exe = traxo_e2e.windows_path(self.paths.probe).lower()
        self.build_set(self.motions_for_test(), self.known_apps_for_test())
        # The poll compares lower-cased full paths as GetModuleFileNameExW gives them.
        exclude = [self.expected_exe] if self.exclude_target else []
        self.write_settings(exclude, motions="set.mtd", **self.settings_for_test())
        self.start_traxo()
        self.target = self.start_target()
        self.assertEqual(self.target.exe_as_seen.lower(), self.expected_exe,
                         "the target's program path is not the one the test expected")
        self.settle()

    def motions_for_test(self):
        return self.motions

    def known_apps_for_test(self):
        return self.known_apps

    def settings_for_test(self):
        return self.settings

    def stroke_right(self, button=RIGHT_BUTTON):
        drag(button, [self.target.at(0.2, 0.5), self.target.at(0.8, 0.5)])

    def stroke_down(self, button=RIGHT_BUTTON):
        drag(button, [self.target.at(0.5, 0.15), self.target.at(0.5, 0.85)])


class RightDragGestures(GestureTestCase):

    def test_strokes_run_keystrokes_and_key_combination(self):
        self.stroke_right()
        self.wait_for_text(self.target, HELLO)
        self.assertNotIn("WM_RBUTTONDOWN", self.target.mouse_messages())
        self.stroke_down()
        self.wait_for_text(self.target, "hello")
        self.assertEqual([m for m in self.target.mouse_messages() if m.startswith("WM_RBUTTON")],
                         [], "the program saw the right button of a gesture")

    def test_click_without_movement_reaches_program(self):
        press(RIGHT_BUTTON, *self.target.centre)
        time.sleep(0.08)  # as long as a click by hand lasts
        release(RIGHT_BUTTON)
        # The withheld press already counts as the first click for the system's double-click
        # detection, so the press given back within the double-click time is a double-click.
        clicks = (["WM_RBUTTONDOWN", "WM_RBUTTONUP"], ["WM_RBUTTONDBLCLK", "WM_RBUTTONUP"])
        try:
            wait_until(lambda: self.target.mouse_messages() in clicks, 5, "the click at the target")
        except AssertionError:
            self.fail(f"the target saw {self.target.mouse_messages()}, expected a right click")
        self.assert_text_stays(self.target, "")


class ExcludedProgram(GestureTestCase):

    exclude_target = True

    def test_drag_reaches_excluded_program_untouched(self):
        self.stroke_right()
        try:
            wait_until(lambda: ["WM_RBUTTONDOWN", "WM_RBUTTONUP"] == [
                m for m in self.target.mouse_messages() if m.startswith("WM_RBUTTON")], 5,
                "the drag at the target")
        except AssertionError:
            self.fail(f"the target saw {self.target.mouse_messages()}, expected the drag's own "
                      f"right press and release")
        self.assert_text_stays(self.target, "")


class UnicodeKeystrokes(GestureTestCase):
    """A script whose text has no key on the layout types that text as it stands."""

    motions = [(STROKE_RIGHT, "@Keystrokes: 你好，世界 ü é{enter}", []),
               (STROKE_DOWN, BACKSPACE, [])]

    def test_text_without_keys_is_typed_as_itself(self):
        self.stroke_right()
        self.wait_for_text(self.target, "你好，世界 ü é\r\n")
        self.assert_text_stays(self.target, "你好，世界 ü é\r\n")


class ProgramRules(GestureTestCase):
    """The right stroke has a rule for the target's program; the down stroke only for another."""

    def motions_for_test(self):
        return [(STROKE_RIGHT, "@Keystrokes: default", [(0, "@Keystrokes: rule")]),
                (STROKE_DOWN, "@Keystrokes: down", [(1, "@Keystrokes: other")])]

    def known_apps_for_test(self):
        return [(self.expected_exe, "Probe"), ("c:\\windows\\notepad.exe", "Notepad")]

    def test_rule_overrides_default_in_its_program_only(self):
        self.stroke_right()
        self.wait_for_text(self.target, "rule")
        self.stroke_down()
        self.wait_for_text(self.target, "ruledown")
        self.assert_text_stays(self.target, "ruledown")


class OtherTriggerModes(GestureTestCase):

    def settings_for_test(self):
        # The trigger mode is read at start: each test names its own.
        return {"invoke": 0 if "ctrl_shift" in self._testMethodName else 3}

    def test_ctrl_shift_mode_runs_gesture_once(self):
        start, end = self.target.at(0.2, 0.5), self.target.at(0.8, 0.5)
        move_to(*start)
        xdotool("keydown", "ctrl", "shift")
        try:
            time.sleep(0.35)  # the gesture starts at the next 100 ms poll
            move_along(line_points(start, end))
            time.sleep(0.1)  # the last point polled before the keys go up: no sign outside
        finally:
            xdotool("keyup", "ctrl", "shift")
        try:
            wait_until(lambda: self.target.text().lower() == HELLO, 10, "the gesture's text")
        except AssertionError:
            self.fail(f"the target's text is {self.target.text()!r}, expected {HELLO!r}")
        self.assert_text_stays(self.target, self.target.text())
        self.assertEqual(self.target.text(), HELLO,
                         "the text was typed while Shift, still held from the trigger, was down")

    def test_middle_button_mode_runs_gesture_once(self):
        self.stroke_right(MIDDLE_BUTTON)
        self.wait_for_text(self.target, HELLO)
        self.assert_text_stays(self.target, HELLO)
        self.assertEqual([m for m in self.target.mouse_messages() if m.startswith("WM_MBUTTON")],
                         [], "the program saw the middle button of a gesture")


class Trail(GestureTestCase):
    """A lime trail while drawing; the screen as it was once the button is released."""

    motions = [(STROKE_RIGHT, "", [])]
    settings = {"showTrails": 1, "fastTrails": 0, "tail": "$0000FF00"}

    def test_trail_drawn_during_drag_and_screen_restored(self):
        start, end = self.target.at(0.15, 0.6), self.target.at(0.85, 0.6)
        samples = [(x, start[1]) for x in range(start[0] + 20, end[0] - 20, 8)]
        move_to(*start)
        band_box = (start[0] - 10, start[1] - 6, end[0] + 10, start[1] + 7)
        traxo_e2e.wait_for_still_screen(band_box)
        before = take_screenshot()

        def coloured_in(shot):
            return [p for p in samples if shot.pixel(*p) == LIME]

        press(RIGHT_BUTTON, *start)
        try:
            time.sleep(0.1)  # the gesture starts at the next poll, which shows no sign outside
            move_along(line_points(start, end))
            during = screenshot_showing(lambda shot: len(coloured_in(shot)) >= 0.9 * len(samples))
        finally:
            release(RIGHT_BUTTON)

        coloured = coloured_in(during)
        if len(coloured) < 0.9 * len(samples):
            shot = self.save_screenshot(during, "during.png")
            self.fail(f"only {len(coloured)} of {len(samples)} points along the drag have the "
                      f"trail colour; screenshot {shot}")

        band = [(x, y) for x in range(start[0] - 10, end[0] + 10)
                for y in range(start[1] - 6, start[1] + 7)]

        def restored():
            after = take_screenshot()
            changed = [p for p in band if after.pixel(*p) != before.pixel(*p)]
            return after if not changed else None
        try:
            wait_until(restored, 5, "the screen under the trail to be restored", interval=0.2)
        except AssertionError:
            self.save_screenshot(before, "before.png")
            after = self.save_screenshot(take_screenshot(), "after.png")
            self.fail(f"the screen along the trail differs from before the drag; see {after}")


class ScreenEdge(GestureTestCase):

    def test_gesture_ending_at_screen_edge_runs_nothing(self):
        width, _ = screen_size()
        y = self.target.at(0.5, 0.5)[1]
        # The same stroke inside the screen is recognised...
        self.stroke_right()
        self.wait_for_text(self.target, HELLO)
        # ...but not when it ends within 10 pixels of the edge.
        drag(RIGHT_BUTTON, [self.target.at(0.8, 0.5), (width - 5, y)])
        self.assert_text_stays(self.target, HELLO, duration=1.5)


class PreciseRecognition(traxo_e2e.TraxoTestCase):
    """The starter set, with a wobbly and hurried "close tab" (down, then right): a flick before
    the stroke, a tremor on the way down and a fast sweep to the right. With the `recogniser`
    setting at 1 the precise recogniser runs its action."""

    def setUp(self):
        super().setUp()
        starter = json.loads((Path(__file__).resolve().parents[2] / "sets" / "starter"
                              / "GettingStarted.json").read_text(encoding="utf-8"))
        for motion in starter["motions"]:
            motion["defaultAction"] = ("@Keystrokes: closetab" if motion["name"] == "close tab"
                                       else "@Keystrokes: other")
        source = self.folder / "starter.json"
        source.write_text(json.dumps(starter), encoding="utf-8")
        output = self.run_wine_ok(self.paths.cli, "set", "build", traxo_e2e.windows_path(source),
                                     traxo_e2e.windows_path(self.folder / "set.mtd"), what="traxo-cli set build")
        self.write_settings(motions="set.mtd", recogniser=1)
        self.start_traxo()
        self.target = self.start_target()
        self.settle()

    def draw_wobbly_close_tab(self):
        cx, cy = self.target.centre
        left, top = cx - 150, cy - 150
        points = [(left - 12, top - 25), (left, top)]
        points += [(left + (5 if k % 2 else -5), top + 10 * k) for k in range(1, 31)]
        # Steps of 50 pixels: the capture fills in only steps of 60 or more.
        points += line_points((left, top + 300), (left + 300, top + 300), step=50)
        press(RIGHT_BUTTON, left, top)
        time.sleep(0.1)  # the gesture starts, and ends, at a poll, which shows no sign outside
        move_along(points)
        time.sleep(0.1)
        release(RIGHT_BUTTON)

    def test_precise_recogniser_runs_the_wobbly_gesture(self):
        self.draw_wobbly_close_tab()
        self.wait_for_text(self.target, "closetab")
        self.assert_text_stays(self.target, "closetab")


if __name__ == "__main__":
    traxo_e2e.main()
