"""The options dialog driven with the real mouse: its changes act as soon as OK is pressed, without
a restart: the trigger mode, the trail colour chosen in the colour dialog and a program excluded
from the recently used ones. Its "Check for updates now" asks a local web server."""

import http.server
import os
import signal
import sys
import threading
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import traxo_e2e  # noqa: E402
from traxo_e2e import (click, LEFT_BUTTON, MAIN_CLASS, MIDDLE_BUTTON, RIGHT_BUTTON,  # noqa: E402
                       STROKE_RIGHT, drag, ini_value, line_points, move_along, move_to, press,
                       release, screenshot_showing, take_screenshot, wait_for_still_screen, wait_until, xdotool)

OPTIONS_CLASS = "TfrmOptions"
COLOUR_TITLE = "Color"
TYPE_HELLO = "@Keystrokes: hello{enter}"
HELLO = "hello\r\n"

# Places in the main window's client area (96 DPI; the Wine prefix runs at 96 DPI).
OPTIONS_BUTTON = (436, 61)
HIDE_BUTTON = (761, 13)
# Places in the options dialog's client area.
METHOD_ROW_TOP = 58        # the trigger pictures' list: its first row's top edge
METHOD_ROW_HEIGHT = 26
MIDDLE_BUTTON_MODE = 3     # "hold middle button and drag mouse"
TRAIL_BUTTON = (444, 74)   # "Change gesture trail colour..."
EXCLUSION_TAB = (189, 18)  # "Excluded programs"
RECENT_LIST = (221, 298)   # the recently used programs' drop-down
RECENT_FIRST_ENTRY = (221, 316)
EXCLUDE_BUTTON = (505, 298)
CHECK_NOW_BUTTON = (333, 436)
OK_BUTTON = (564, 434)

TRAIL_COLOUR = (200, 30, 160)


class OptionsTestCase(traxo_e2e.TraxoTestCase):
    """Traxo in trigger mode 1 with a set whose right stroke types a line."""

    settings = {"showTrails": 1, "fastTrails": 0, "tail": "clBlue"}

    def setUp(self):
        super().setUp()
        self.build_set([(STROKE_RIGHT, TYPE_HELLO, [])])
        self.write_settings(motions="set.mtd", **self.settings)
        self.start_traxo()

    # -- the windows

    def origin(self, window_class):
        code, out = self.probe("client-rect", window_class)
        self.assertEqual(code, 0, f"no window {window_class}")
        left, top = (int(v) for v in out.split()[:2])
        return left, top

    def click_in(self, window_class, place):
        left, top = self.origin(window_class)
        click(left + place[0], top + place[1])

    def options_visible(self):
        code, out = self.probe("window-rect", OPTIONS_CLASS)
        return code == 0 and out.split()[4] == "1"

    def open_options(self):
        self.show_main_window()
        self.wait_for_still_window(MAIN_CLASS)  # the fades of the controls settle
        self.click_in(MAIN_CLASS, OPTIONS_BUTTON)
        wait_until(self.options_visible, 10, "the options dialog")
        self.wait_for_still_window(OPTIONS_CLASS)

    def press_ok(self):
        """OK, then the main window hidden with its own button, out of the way of the target."""
        self.click_in(OPTIONS_CLASS, OK_BUTTON)
        wait_until(lambda: not self.options_visible(), 10, "the options dialog to close")
        self.click_in(MAIN_CLASS, HIDE_BUTTON)
        wait_until(lambda: self.main_window_state() == "0", 10, "the main window to hide")

    def saved(self, key, section="main"):
        return ini_value(self.read_settings(), section, key)


class OptionsThroughTheDialog(OptionsTestCase):

    def test_middle_button_mode_acts_at_once(self):
        self.open_options()
        row_middle = METHOD_ROW_TOP + METHOD_ROW_HEIGHT * MIDDLE_BUTTON_MODE + METHOD_ROW_HEIGHT // 2
        self.click_in(OPTIONS_CLASS, (150, row_middle))
        self.press_ok()
        self.assertEqual(self.saved("invoke"), str(MIDDLE_BUTTON_MODE),
                         "the chosen trigger mode was not saved")
        target = self.start_target()
        self.settle()
        drag(MIDDLE_BUTTON, [target.at(0.2, 0.5), target.at(0.8, 0.5)])
        self.wait_for_text(target, HELLO)
        self.assertEqual([m for m in target.mouse_messages() if m.startswith("WM_MBUTTON")], [],
                         "the program saw the middle button of a gesture")
        # The right button is the program's own again.
        target.clear_mouse_log()
        drag(RIGHT_BUTTON, [target.at(0.2, 0.5), target.at(0.8, 0.5)])
        wait_until(lambda: [m for m in target.mouse_messages() if m.startswith("WM_RBUTTON")]
                   == ["WM_RBUTTONDOWN", "WM_RBUTTONUP"], 5, "the right drag at the target")
        self.assert_text_stays(target, HELLO)

    def test_trail_has_the_colour_chosen_in_the_colour_dialog(self):
        self.open_options()
        self.click_in(OPTIONS_CLASS, TRAIL_BUTTON)
        wait_until(lambda: self.probe("foreground")[1] == f"#32770\t{COLOUR_TITLE}", 10,
                   "the colour dialog")
        # The colour typed into its red, green and blue fields, reached by their access keys.
        for key, value in zip(("alt+r", "alt+g", "alt+b"), TRAIL_COLOUR):
            # Keys reach the dialog in order, and each goes to the field focused by then.
            xdotool("key", key)
            xdotool("type", "--delay", "30", str(value))
        xdotool("key", "Return")
        wait_until(lambda: self.probe("find-window", "#32770", COLOUR_TITLE)[0] != 0, 10,
                   "the colour dialog to close")
        self.press_ok()
        red, green, blue = TRAIL_COLOUR
        self.assertEqual(self.saved("tail"), f"$00{blue:02X}{green:02X}{red:02X}",
                         "the chosen colour was not saved")

        target = self.start_target()
        self.settle()
        start, end = target.at(0.15, 0.6), target.at(0.85, 0.6)
        samples = [(x, start[1]) for x in range(start[0] + 20, end[0] - 20, 8)]
        def coloured_in(shot):
            return [p for p in samples if shot.pixel(*p) == TRAIL_COLOUR]

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
            seen = sorted({during.pixel(*p) for p in samples})[:6]
            self.fail(f"only {len(coloured)} of {len(samples)} points along the drag have the "
                      f"chosen colour (seen {seen}); screenshot {shot}")
        self.wait_for_text(target, HELLO)

    def test_recent_program_excluded_gets_its_drag(self):
        target = self.start_target()
        self.settle(1.0)  # the poll sees the target's program in the foreground
        self.open_options()
        self.click_in(OPTIONS_CLASS, EXCLUSION_TAB)
        self.wait_for_still_window(OPTIONS_CLASS)
        self.click_in(OPTIONS_CLASS, RECENT_LIST)
        wait_for_still_screen()  # the list of recent programs opens
        self.click_in(OPTIONS_CLASS, RECENT_FIRST_ENTRY)
        wait_for_still_screen()
        self.click_in(OPTIONS_CLASS, EXCLUDE_BUTTON)
        self.wait_for_still_window(OPTIONS_CLASS)
        self.press_ok()
        excluded = [value for _, value in self.read_settings().get("exclude", [])]
        self.assertEqual(excluded, [target.exe_as_seen.lower()],
                         "the saved excluded programs are not the target's program")

        # The target back in the foreground, with a click on a part that nothing covered.
        click(*target.at(0.1, 0.1))
        self.settle()
        target.clear_mouse_log()
        drag(RIGHT_BUTTON, [target.at(0.2, 0.5), target.at(0.8, 0.5)])
        try:
            wait_until(lambda: [m for m in target.mouse_messages() if m.startswith("WM_RBUTTON")]
                       == ["WM_RBUTTONDOWN", "WM_RBUTTONUP"], 5, "the drag at the target")
        except AssertionError:
            self.fail(f"the target saw {target.mouse_messages()}, expected the drag's own right "
                      f"press and release")
        self.assert_text_stays(target, "")


class UpdateServer(http.server.ThreadingHTTPServer):
    """Answers every GET with `body` and keeps the paths asked for."""

    def __init__(self):
        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(handler):  # noqa: N805
                self.requests.append(handler.path)
                if self.trickle:
                    return self.trickle_reply(handler)
                data = self.body.encode("utf-8")
                handler.send_response(200)
                handler.send_header("Content-Type", "text/plain")
                handler.send_header("Content-Length", str(len(data)))
                handler.end_headers()
                handler.wfile.write(data)

            def log_message(handler, *args):  # noqa: N805
                pass

        super().__init__(("127.0.0.1", 0), Handler)
        self.body = ""
        self.trickle = False  # one byte a second, for ever
        self.requests = []
        self.thread = threading.Thread(target=self.serve_forever, daemon=True)
        self.thread.start()

    @property
    def address(self):
        return f"http://127.0.0.1:{self.server_address[1]}/updates.ini"

    def trickle_reply(self, handler):
        handler.send_response(200)
        handler.send_header("Content-Type", "text/plain")
        handler.end_headers()
        try:
            while self.trickle:
                handler.wfile.write(b"[")
                handler.wfile.flush()
                time.sleep(1)  # the server's pace, not a wait of the test
        except OSError:
            pass  # the check gave up and closed the connection

    def stop(self):
        self.trickle = False
        self.shutdown()
        self.server_close()


class UpdateCheckThroughTheDialog(OptionsTestCase):
    """The settings point the update check at a server the test runs."""

    def setUp(self):
        self.version = os.environ.get("TRAXO_E2E_VERSION")
        if not self.version:
            self.fail("TRAXO_E2E_VERSION is not set: run the tests through ctest")
        self.server = UpdateServer()
        self.addCleanup(self.server.stop)
        self.settings = dict(OptionsTestCase.settings, updateUrl=self.server.address)
        super().setUp()

    def answer_texts(self, expected):
        """The texts of the visible windows titled Traxo once one of them reads `expected`."""
        def look():
            out = self.probe("list-texts", traxo_e2e.MAIN_TITLE)[1]
            texts = [line.split(": ", 1)[1] for line in out.splitlines() if ": " in line]
            return texts if any(expected in text for text in texts) else None
        try:
            return wait_until(look, 20, f"a window titled Traxo that reads {expected!r}", 0.2)
        except AssertionError:
            self.save_screenshot(take_screenshot(), "no-answer.png")
            raise

    def answer_texts_gone(self, text):
        return text not in self.probe("list-texts", traxo_e2e.MAIN_TITLE)[1]

    @staticmethod
    def notepads():
        """Pids of running processes whose command line names notepad."""
        found = set()
        for entry in Path("/proc").iterdir():
            if entry.name.isdigit():
                try:
                    command = (entry / "cmdline").read_bytes().lower()
                except OSError:
                    continue
                if b"notepad" in command:
                    found.add(int(entry.name))
        return found

    def test_check_now_tells_the_latest_version(self):
        self.server.body = f"[traxo]\r\nversion={self.version}\r\n"
        self.open_options()
        self.click_in(OPTIONS_CLASS, CHECK_NOW_BUTTON)
        self.answer_texts("You have the latest version.")
        self.assertEqual(self.server.requests, ["/updates.ini"])
        self.click_button(traxo_e2e.MAIN_TITLE, "OK")
        wait_until(lambda: self.answer_texts_gone("You have the latest version."), 10,
                   "the answer to close")

    def test_a_trickling_server_is_given_up_at_the_deadline(self):
        self.server.trickle = True
        self.open_options()
        begun = time.monotonic()
        self.click_in(OPTIONS_CLASS, CHECK_NOW_BUTTON)
        wait_until(lambda: self.server.requests, 10, "the check to reach the server")
        failure = "Could not check for updates: check your connection."
        # The whole check ends by its 30 s deadline (plus the start of the connection).
        wait_until(lambda: failure in self.probe("list-texts", traxo_e2e.MAIN_TITLE)[1], 45,
                   "the check to give up", 0.5)
        self.assertLess(time.monotonic() - begun, 40)
        self.click_button(traxo_e2e.MAIN_TITLE, "OK")
        # A later check is not held by the one given up.
        self.server.trickle = False
        self.server.body = f"[traxo]\r\nversion={self.version}\r\n"
        self.click_in(OPTIONS_CLASS, CHECK_NOW_BUTTON)
        self.answer_texts("You have the latest version.")
        self.click_button(traxo_e2e.MAIN_TITLE, "OK")

    def test_a_download_that_is_no_web_address_opens_nothing(self):
        address = "file:///C:/windows/notepad.exe"
        self.server.body = ("[traxo]\r\nversion=99.0\r\ndate=2030-01-01\r\n"
                            f"download={address}\r\ninfo=A newer Traxo.\r\n")
        before = self.notepads()
        self.addCleanup(self.end_notepads, before)
        self.open_options()
        self.click_in(OPTIONS_CLASS, CHECK_NOW_BUTTON)
        texts = self.answer_texts("A newer Traxo.")
        buttons = [line.split(": ", 1)[1] for line in
                   self.probe("list-buttons", traxo_e2e.MAIN_TITLE)[1].splitlines()
                   if line.startswith("#32770: ")]
        self.assertTrue(buttons, "the answer has no buttons")
        # Its first button is the one that would download.
        self.click_button(traxo_e2e.MAIN_TITLE, buttons[0])
        wait_until(lambda: self.answer_texts_gone("A newer Traxo."), 10, "the answer to close")
        self.assertTrue(traxo_e2e.holds_for(lambda: self.notepads() == before, 3.0),
                        "a program was started for the download address")
        self.assertEqual(buttons, ["OK"], "the answer offers to download")
        self.assertTrue(any(address in text for text in texts),
                        f"the answer does not show the address as text: {texts}")

    def end_notepads(self, before):
        # Left running, they would keep the Wine server, which the next test waits for.
        for pid in self.notepads() - before:
            try:
                os.kill(pid, signal.SIGKILL)
            except OSError:
                pass


if __name__ == "__main__":
    traxo_e2e.main()
