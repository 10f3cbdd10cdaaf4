"""Start-up, single instance, shutdown, and what the mouse hook lets through."""

import os
import shutil
import signal
import socket
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import traxo_e2e  # noqa: E402
from traxo_e2e import (click, MAIN_CLASS, MAIN_TITLE, RIGHT_BUTTON, LEFT_BUTTON, STROKE_RIGHT, STROKE_DOWN,  # noqa: E402
                       ini_value, parse_ini, wait_until, holds_for, drag, press, release, move_to,
                       xdotool)

JUNK_LIBRARY = b"not a dll\n"
TYPE_HELLO = "@Keystrokes: hello{enter}"
HELLO = "hello\r\n"


def assert_gestures_work(case):
    """A right stroke over a target types the line its gesture holds, and the hook library
    withholds the button from the target (without it the poll alone still sees the stroke)."""
    target = case.start_target()
    case.settle()
    drag(RIGHT_BUTTON, [target.at(0.2, 0.5), target.at(0.8, 0.5)])
    case.wait_for_text(target, HELLO)
    case.assertEqual([m for m in target.mouse_messages() if m.startswith("WM_RBUTTON")], [],
                     "the target saw the right button: the hook library is not loaded")


class FirstStart(traxo_e2e.TraxoTestCase):

    def test_writes_library_and_settings_on_first_start(self):
        traxo = self.start_traxo()
        library = self.folder / "MouseCore.dll"
        self.assertTrue(library.is_file(), "MouseCore.dll was not written next to Traxo.exe")
        self.assertEqual(library.read_bytes(), self.paths.mousecore.read_bytes(),
                         "MouseCore.dll differs from the library the build made")

        # The first-run language choice, where the program already asks for it.
        self.probe("click-button", MAIN_TITLE, "English")
        self.probe("click-button", MAIN_TITLE, "No")
        self.close_main_window()
        # Where a language choice came up only after the close was asked for.
        deadline = time.monotonic() + 20
        while traxo.poll() is None and time.monotonic() < deadline:
            self.probe("click-button", MAIN_TITLE, "English")
            self.probe("click-button", MAIN_TITLE, "No")  # the tutorial offer that follows
            time.sleep(0.2)  # between two looks for a question that may still come
        self.assertEqual(self.wait_for_exit(traxo), 0)

        data = self.ini_path().read_bytes()
        self.assertTrue(data.startswith(b"\xff\xfe"), "traxo.ini is not UTF-16LE with a BOM")
        settings = parse_ini(data)
        self.assertEqual(ini_value(settings, "main", "version"), traxo_e2e.VERSION)


class LibraryExtraction(traxo_e2e.TraxoTestCase):

    def start_and_stop(self):
        traxo = self.start_traxo()
        self.close_main_window()
        self.wait_for_exit(traxo)

    def test_older_version_overwrites_library(self):
        self.write_settings(version="1.40")
        (self.folder / "MouseCore.dll").write_bytes(JUNK_LIBRARY)
        self.start_and_stop()
        self.assertEqual((self.folder / "MouseCore.dll").read_bytes(),
                         self.paths.mousecore.read_bytes(),
                         "a library left from another version was not replaced")

    def test_current_version_replaces_foreign_or_truncated_library(self):
        own = self.paths.mousecore.read_bytes()
        for content in (JUNK_LIBRARY, own[:len(own) // 2]):
            with self.subTest(size=len(content)):
                self.write_settings(version=traxo_e2e.VERSION)
                (self.folder / "MouseCore.dll").write_bytes(content)
                self.start_and_stop()
                self.assertEqual((self.folder / "MouseCore.dll").read_bytes(), own,
                                 "a library that is not the program's own was kept")

    def test_replaced_library_gives_working_gestures(self):
        self.build_set([(STROKE_RIGHT, TYPE_HELLO, [])])
        self.write_settings(version=traxo_e2e.VERSION, motions="set.mtd")
        (self.folder / "MouseCore.dll").write_bytes(JUNK_LIBRARY)
        self.start_traxo()
        assert_gestures_work(self)

    def test_current_version_without_library_writes_it(self):
        self.write_settings(version=traxo_e2e.VERSION)
        self.start_and_stop()
        self.assertEqual((self.folder / "MouseCore.dll").read_bytes(),
                         self.paths.mousecore.read_bytes())


class SingleInstance(traxo_e2e.TraxoTestCase):

    def test_second_start_shows_first_and_ends(self):
        # Settings of another version, which once made every start rewrite the hook library.
        settings = self.write_settings(version="1.40")
        first = self.start_traxo()
        # The first keeps its library mapped; a file written now could only be the second's.
        (self.folder / "MouseCore.dll").unlink()
        self.assertEqual(self.main_window_state(), "0", "the main window is shown at start")
        self.assertEqual(len(self.traxo_processes()), 1)

        second = self.show_main_window()
        self.assertEqual(second.returncode, 0)
        self.assertIsNone(first.poll(), "the first instance ended")
        self.assertEqual(self.count_main_windows(), 1)
        self.assertEqual(self.traxo_processes(), [first.pid],
                         "another Traxo process than the first one runs")
        self.assertEqual(self.ini_path().read_bytes(), settings,
                         "the second start changed the settings")
        self.assertFalse((self.folder / "MouseCore.dll").exists(),
                         "the second start wrote the hook library")

    def test_two_starts_at_once_give_one_traxo(self):
        self.write_settings()
        starts = [self.start_traxo(wait=False), self.start_traxo(wait=False)]
        wait_until(lambda: any(start.poll() is not None for start in starts), 30,
                   "one of the two starts to end")
        ended = next(start for start in starts if start.poll() is not None)
        running = next(start for start in starts if start is not ended)
        self.assertEqual(ended.returncode, 0)
        self.wait_for_main_window(running)
        # Each instance makes its tray icon with its main window: one window, one icon.
        self.assertEqual(self.count_main_windows(), 1)
        self.assertEqual(self.probe("tray-icon", MAIN_CLASS, 1)[1], "icon=1")
        self.assertEqual(len(self.traxo_processes()), 1, "two Traxo processes run")

    def test_a_first_that_does_not_answer_is_reported_and_the_second_ends(self):
        self.write_settings()
        first = self.start_traxo()
        stopped = self.traxo_processes()
        for pid in stopped:
            os.kill(pid, signal.SIGSTOP)
        self.addCleanup(lambda: [os.kill(pid, signal.SIGCONT) for pid in stopped])
        second = self.start_traxo(wait=False)
        wait_until(lambda: "does not answer" in self.probe("list-texts", MAIN_TITLE)[1], 30,
                   "the message that the running Traxo does not answer")
        self.click_button(MAIN_TITLE, "OK")
        self.assertEqual(self.wait_for_exit(second), 0)
        self.assertIsNone(first.poll(), "the first instance ended")


class HookWithholdsTheTrigger(traxo_e2e.TraxoTestCase):
    """Trigger mode 1 with a set loaded: the right button is the hook's."""

    def setUp(self):
        super().setUp()
        self.build_set([(STROKE_RIGHT, "", []), (STROKE_DOWN, "", [])])
        self.write_settings(motions="set.mtd")
        self.start_traxo()
        self.target = self.start_target()
        self.settle()

    def test_right_drag_never_reaches_the_program(self):
        start = self.target.at(0.3, 0.5)
        drag(RIGHT_BUTTON, [start, (start[0] + 150, start[1])])
        time.sleep(0.5)  # proves that nothing arrives: a late button message has its chance
        self.assertEqual([m for m in self.target.mouse_messages() if m.startswith("WM_RBUTTON")],
                         [], "the program under the cursor saw the right button")

    def test_left_click_passes(self):
        move_to(*self.target.at(0.5, 0.5))
        xdotool("click", LEFT_BUTTON)
        wait_until(lambda: self.target.mouse_messages() == ["WM_LBUTTONDOWN", "WM_LBUTTONUP"], 5,
                   "the left click at the target")

    def test_right_double_click_passes(self):
        move_to(*self.target.at(0.5, 0.5))
        xdotool("click", "--repeat", 2, "--delay", 80, RIGHT_BUTTON)
        try:
            wait_until(lambda: "WM_RBUTTONDBLCLK" in self.target.mouse_messages(), 5,
                       "the double-click at the target")
        except AssertionError:
            self.fail(f"no WM_RBUTTONDBLCLK; the target saw {self.target.mouse_messages()}")

    def test_held_press_is_withheld_then_given_back_as_click(self):
        press(RIGHT_BUTTON, *self.target.at(0.5, 0.5))
        time.sleep(0.4)  # proves that the held press does not arrive
        held = self.target.mouse_messages()
        # Held past the double-click time, so that the press given back is a plain press.
        time.sleep(0.4)
        release(RIGHT_BUTTON)
        self.assertNotIn("WM_RBUTTONDOWN", held, "the press reached the program while held")
        try:
            wait_until(lambda: self.target.mouse_messages() == ["WM_RBUTTONDOWN", "WM_RBUTTONUP"],
                       5, "the replayed click")
        except AssertionError:
            self.fail(f"after the release the target saw {self.target.mouse_messages()}, "
                      f"expected a right press and release")


def delete_first_gesture(case):
    """No motion is selected at start: selects the first with the mouse, then deletes it."""
    code, out = case.probe("client-rect", MAIN_CLASS)
    case.assertEqual(code, 0, "the main window has no client area")
    left, top, _, _ = (int(v) for v in out.split())
    for x, y in ((50, 119 + 46), (195, 93 + 441)):  # row 0, then "Delete gesture"
        traxo_e2e.click(left + x, top + y)
        case.wait_for_still_window(MAIN_CLASS)


class CloseWithModifiedSet(traxo_e2e.TraxoTestCase):

    def test_cancel_keeps_running_and_no_ends_writing_settings(self):
        set_file = self.build_set([(STROKE_RIGHT, "", []), (STROKE_DOWN, "", [])])
        set_bytes = set_file.read_bytes()
        # Two values that SaveSettings writes in another form, so that a write shows.
        written = self.write_settings(motions="set.mtd", tail="$00FF0000", idleTimeout="0x0")
        traxo = self.start_traxo()
        self.show_main_window()

        delete_first_gesture(self)
        self.close_main_window()
        self.click_button(MAIN_TITLE, "Cancel")
        wait_until(lambda: self.probe("click-button", MAIN_TITLE, "Cancel")[0] != 0, 10,
                   "the question to go away")
        self.assertTrue(holds_for(lambda: traxo.poll() is None, 1.5),
                        "Traxo ended although the close was cancelled")
        self.assertEqual(self.ini_path().read_bytes(), written,
                         "settings were written although the close was cancelled")

        self.close_main_window()
        self.click_button(MAIN_TITLE, "No")
        self.wait_for_exit(traxo)
        settings = self.read_settings()
        self.assertEqual(ini_value(settings, "main", "version"), traxo_e2e.VERSION)
        self.assertEqual(ini_value(settings, "main", "tail"), "clBlue",
                         "the settings were not written on close")
        self.assertEqual(ini_value(settings, "main", "idleTimeout"), "0")
        self.assertEqual(set_file.read_bytes(), set_bytes, "the set was saved after No")


class SessionEnd(traxo_e2e.TraxoTestCase):
    """Log-off and shutdown as the system announces them to the main window."""

    def modified_set(self):
        set_file = self.build_set([(STROKE_RIGHT, "", []), (STROKE_DOWN, "", [])])
        written = self.write_settings(motions="set.mtd", tail="$00FF0000")
        traxo = self.start_traxo()
        self.show_main_window()
        delete_first_gesture(self)
        return set_file, written, traxo

    def end_session(self, kind):
        """Starts the announcement; the probe waits for the answer in the background."""
        output = self.folder / f"end-session-{kind}.txt"
        process = subprocess.Popen(self.wine_command(self.paths.probe, "end-session",
                                                     traxo_e2e.MAIN_CLASS, kind),
                                   stdin=subprocess.DEVNULL, stdout=open(output, "wb"),
                                   stderr=subprocess.STDOUT, env=self.wine_environment())
        self.processes.append(process)
        return process, output

    def answer_of(self, probe, output):
        self.assertEqual(probe.wait(timeout=120), 0)
        return traxo_e2e.split_wine_messages(output.read_bytes().decode("utf-8", "replace"))[0]

    def test_cancel_holds_the_end_up_and_no_lets_it_go_writing_settings(self):
        set_file, written, traxo = self.modified_set()
        set_bytes = set_file.read_bytes()
        probe, output = self.end_session("normal")
        self.click_button(MAIN_TITLE, "Cancel")
        self.assertEqual(self.answer_of(probe, output), "query=0")
        self.assertIsNone(traxo.poll())
        self.assertEqual(self.ini_path().read_bytes(), written, "settings written on a refusal")

        probe, output = self.end_session("normal")
        self.click_button(MAIN_TITLE, "No")
        self.assertEqual(self.answer_of(probe, output), "query=1")
        self.assertEqual(ini_value(self.read_settings(), "main", "tail"), "clBlue",
                         "the settings were not written at the session end")
        self.assertEqual(set_file.read_bytes(), set_bytes, "the set was saved after No")

    def test_an_end_that_cannot_wait_keeps_a_recovery_copy_without_asking(self):
        set_file, _, traxo = self.modified_set()
        set_bytes = set_file.read_bytes()
        probe, output = self.end_session("critical")
        self.assertEqual(self.answer_of(probe, output), "query=1")
        recovered = self.folder / "set (recovered).mtd"
        self.assertTrue(recovered.is_file(), "no recovery copy beside the set")
        self.assertEqual(set_file.read_bytes(), set_bytes, "the set itself was overwritten")
        code, dump = self.run_wine(self.paths.cli, "set", "dump", traxo_e2e.windows_path(recovered))
        self.assertEqual(code, 0, dump)
        self.assertEqual(dump.count('"points"'), 1, "the copy is not the modified set")

    def test_a_settings_write_that_fails_at_the_end_shows_nothing(self):
        self.write_settings()
        traxo = self.start_traxo()
        # A folder in the settings file's place: the write at the end must fail.
        self.ini_path().unlink()
        self.ini_path().mkdir()
        probe, output = self.end_session("normal")
        try:
            probe.wait(timeout=30)
        except subprocess.TimeoutExpired:
            self.fail("the end waits for the user: " + self.probe("list-texts", MAIN_TITLE)[1])
        self.assertEqual(self.answer_of(probe, output), "query=1")
        self.assertNotIn("Unable to write", self.probe("list-texts", MAIN_TITLE)[1])
        self.assertIsNone(traxo.poll())


class SetThatDoesNotLoad(traxo_e2e.TraxoTestCase):

    def test_is_reported_once_shows_no_set_and_keeps_its_path(self):
        damaged = bytearray(self.build_set([(STROKE_RIGHT, "", [])], name="broken.mtd")
                            .read_bytes())
        damaged[len(damaged) // 2] ^= 0x5A  # its compressed data no longer decompresses
        (self.folder / "broken.mtd").write_bytes(bytes(damaged))
        self.write_settings(motions="broken.mtd")
        traxo = self.start_traxo()
        self.answer(MAIN_TITLE, "OK")
        self.assertTrue(holds_for(lambda: self.probe("click-button", MAIN_TITLE, "OK")[0] != 0,
                                  1.5), "the failure was reported twice")
        self.close_main_window()
        self.wait_for_exit(traxo)
        self.assertEqual(ini_value(self.read_settings(), "main", "motions"), "broken.mtd")

    def test_an_empty_file_is_reported_rather_than_loaded_as_an_empty_set(self):
        (self.folder / "empty.mtd").write_bytes(b"")
        self.write_settings(motions="empty.mtd")
        traxo = self.start_traxo()
        self.click_button(MAIN_TITLE, "OK")
        self.close_main_window()
        self.wait_for_exit(traxo)
        self.assertEqual((self.folder / "empty.mtd").read_bytes(), b"", "the empty file was written")


class FolderWithoutTheHookLibrary(traxo_e2e.TraxoTestCase):

    def test_says_once_that_gestures_are_off_and_goes_on_running(self):
        # A folder in its place: the library can be neither written nor loaded.
        (self.folder / "MouseCore.dll").mkdir()
        self.write_settings()
        traxo = self.start_traxo()
        wait_until(lambda: "OK" in self.probe("list-buttons", MAIN_TITLE)[1], 30,
                   "the notice that gestures are off")
        self.answer(MAIN_TITLE, "OK")
        self.assertTrue(holds_for(lambda: traxo.poll() is None, 1.5), "Traxo ended")
        self.assertTrue(holds_for(lambda: self.probe("click-button", MAIN_TITLE, "OK")[0] != 0,
                                  1.5), "the notice came twice")
        self.close_main_window()
        self.assertEqual(self.wait_for_exit(traxo), 0)


class PlantedLibraries(traxo_e2e.TraxoTestCase):
    """Copies of a library that writes a marker beside itself when loaded, planted where a
    search that is not restricted to the system folder would find them."""

    def plant(self, folder, name):
        """Returns the folder, where a marker "<name as loaded>.loaded" would appear."""
        folder.mkdir(parents=True, exist_ok=True)
        shutil.copy2(os.environ["TRAXO_E2E_MARKER_LIBRARY"], folder / name)
        return folder

    def set_wine_variable(self, name, value):
        previous = os.environ.get(name)
        os.environ[name] = value
        self.addCleanup(lambda: os.environ.pop(name) if previous is None
                        else os.environ.__setitem__(name, previous))

    def assert_never_loaded(self, folders):
        loaded = [str(marker) for folder in folders for marker in folder.glob("*.loaded")]
        self.assertEqual(loaded, [], "Traxo loaded a planted library")

    def test_system_libraries_come_from_the_system_folder_only(self):
        # Wine would prefer a copy of its own libraries found beside the program. The
        # accessibility library is loaded when a reader first asks for the window's objects.
        self.set_wine_variable("WINEDLLOVERRIDES", "mscoree,mshtml=;winmm,wininet,oleacc=n,b")
        markers = {self.plant(self.folder, name)
                   for name in ("winmm.dll", "wininet.dll", "oleacc.dll")}
        self.build_set([(STROKE_RIGHT, TYPE_HELLO, [])])
        self.write_settings(motions="set.mtd")
        self.start_traxo()
        assert_gestures_work(self)
        code, out = self.probe("accessible", MAIN_CLASS, "0")
        self.assertEqual(code, 0, "a reader found no object in the main window")
        self.assertIn("object", out)
        self.assert_never_loaded(markers)

    def make_unwritable(self, folder):
        # Permissions do not hold root back; the immutable attribute does.
        if os.geteuid() == 0:
            subprocess.run(["chattr", "+i", str(folder)], check=True)
            self.addCleanup(subprocess.run, ["chattr", "-i", str(folder)], check=True)
        else:
            folder.chmod(0o555)
            self.addCleanup(folder.chmod, 0o755)

    def test_hook_library_is_never_searched_for(self):
        # The program in a folder of its own that has no MouseCore.dll and cannot be written;
        # copies in the current folder and on PATH.
        program = self.folder / "program"
        program.mkdir()
        shutil.copy2(self.paths.exe, program / "Traxo.exe")
        self.write_settings()
        shutil.move(self.ini_path(), program / "traxo.ini")
        self.make_unwritable(program)
        on_path = self.folder / "on-path"
        markers = [self.plant(self.folder, "MouseCore.dll"), self.plant(on_path, "MouseCore.dll")]
        self.set_wine_variable("WINEPATH", traxo_e2e.windows_path(on_path))
        # Started with this test's folder, not the program's, as the current folder.
        traxo = self.spawn(program / "Traxo.exe", log_name="traxo-planted.log")
        self.traxo_started.append(traxo)
        self.wait_for_main_window(traxo)
        wait_until(lambda: "OK" in self.probe("list-buttons", MAIN_TITLE)[1], 30,
                   "the notice that gestures are off")
        self.click_button(MAIN_TITLE, "OK")
        self.assert_never_loaded(markers)
        self.assertFalse((program / "MouseCore.dll").exists())

class OfflineStart(traxo_e2e.TraxoTestCase):

    @staticmethod
    def closed_port():
        with socket.socket() as probe_socket:
            probe_socket.bind(("127.0.0.1", 0))
            return probe_socket.getsockname()[1]

    def test_automatic_update_check_that_fails_shows_nothing(self):
        address = f"http://127.0.0.1:{self.closed_port()}/updates.ini"
        self.write_settings(autoCheck=1, updateUrl=address)
        traxo = self.start_traxo()
        # Proves a negative, so it waits a fixed time: the automatic check runs about 10 s after
        # the start and fails at once on the closed port; nothing may be shown for it.
        self.assertTrue(holds_for(lambda: self.probe("list-buttons", MAIN_TITLE)[1] == "", 20),
                        "a window came up: " + self.probe("list-texts", MAIN_TITLE)[1])
        self.assertIsNone(traxo.poll())


if __name__ == "__main__":
    traxo_e2e.main()
