"""Harness of the end-to-end tests: Traxo.exe under Wine on a real X display.

Every test gets a fresh folder under the scratch root with its own copy of Traxo.exe and its own
traxo.ini. The program is started with Wine in the background, the mouse and keyboard are driven
with xdotool, and what reaches other programs is read from the probe's target window, which logs
every mouse button message it receives and writes its text to a file on every change.

The paths come from the environment (set by the CMake test registration):
TRAXO_E2E_EXE, TRAXO_E2E_MOUSECORE, TRAXO_E2E_CLI, TRAXO_E2E_PROBE, TRAXO_E2E_WINE_RUN,
TRAXO_E2E_WINEPREFIX, TRAXO_E2E_SCRATCH, and the program's identity: TRAXO_E2E_MAIN_CLASS,
TRAXO_E2E_VERSION.
"""

import json
import os
import re
import select
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import unittest
import zlib
from pathlib import Path

# The program's identity, as the build defines it (CMakeLists.txt).
MAIN_CLASS = os.environ.get("TRAXO_E2E_MAIN_CLASS", "")
VERSION = os.environ.get("TRAXO_E2E_VERSION", "")
MAIN_TITLE = "Traxo"
TARGET_CLASS = "TraxoE2eTarget"
TARGET_TITLE = "Traxo test target"

RIGHT_BUTTON = 3
MIDDLE_BUTTON = 2
LEFT_BUTTON = 1

# Normalised strokes as the recording pad stores them: 30 points in the 100 by 100 box.
STROKE_RIGHT = [[round(i * 100 / 29), 50] for i in range(30)]
STROKE_DOWN = [[50, round(i * 100 / 29)] for i in range(30)]

# The settings every test starts from unless it says otherwise: no first-run prompt, no popup,
# no update check, gestures on in trigger mode 1, no trail.
# A test that wants the first-run prompt writes tutorialPrompt=1, or no settings file at all.
DEFAULT_SETTINGS = {
    "version": VERSION,
    "motions": "",
    "tutorialPrompt": "0",
    "showInfo": "0",
    "autoCheck": "0",
    "recentList": "1",
    "showTrails": "0",
    "fastTrails": "0",
    "active": "1",
    "mouseExMode": "0",
    "invoke": "1",
    "language": "0",
    "idleTimeout": "0",
    "tail": "clBlue",
}


def _env_path(name):
    value = os.environ.get(name)
    if not value:
        raise unittest.SkipTest(f"{name} is not set: run the tests through ctest")
    return Path(value)


class Paths:
    """Where the build put the programs under test."""

    def __init__(self):
        self.exe = _env_path("TRAXO_E2E_EXE")
        self.mousecore = _env_path("TRAXO_E2E_MOUSECORE")
        self.cli = _env_path("TRAXO_E2E_CLI")
        self.probe = _env_path("TRAXO_E2E_PROBE")
        self.wine_run = _env_path("TRAXO_E2E_WINE_RUN")
        self.prefix = _env_path("TRAXO_E2E_WINEPREFIX")
        self.scratch = _env_path("TRAXO_E2E_SCRATCH")


def windows_path(path):
    """The DOS path under which Wine's Z: drive shows a host path."""
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


def wait_until(condition, timeout, what, interval=0.05):
    """Polls condition until it returns a true value, which is returned; fails after timeout."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise AssertionError(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)


def holds_for(condition, duration, interval=0.05):
    """Whether condition stays true for the whole duration."""
    deadline = time.monotonic() + duration
    while time.monotonic() < deadline:
        if not condition():
            return False
        time.sleep(interval)
    return condition()


# ---- settings file ----------------------------------------------------------------------------


def ini_bytes(main, exclude=()):
    lines = ["[main]"] + [f"{key}={value}" for key, value in main.items()]
    if exclude:
        lines.append("[exclude]")
        lines += [f"program{i}={path}" for i, path in enumerate(exclude)]
    text = "\r\n".join(lines) + "\r\n"
    return b"\xff\xfe" + text.encode("utf-16-le")


def parse_ini(data):
    """Sections of a UTF-16LE settings file as {section: [(key, value), ...]} in file order."""
    if not data.startswith(b"\xff\xfe"):
        raise AssertionError(f"traxo.ini does not start with the UTF-16LE mark: {data[:8]!r}")
    sections = {}
    current = None
    for line in data[2:].decode("utf-16-le").splitlines():
        line = line.strip()
        if line.startswith("[") and line.endswith("]"):
            current = sections.setdefault(line[1:-1].lower(), [])
        elif "=" in line and current is not None:
            key, value = line.split("=", 1)
            current.append((key.strip(), value.strip()))
    return sections


def ini_value(sections, section, key):
    for name, value in sections.get(section, []):
        if name.lower() == key.lower():
            return value
    return None


# ---- screen -----------------------------------------------------------------------------------


class Screenshot:
    """The whole X screen as 8-bit RGB."""

    def __init__(self, width, height, pixels):
        self.width, self.height, self.pixels = width, height, pixels

    def pixel(self, x, y):
        offset = (y * self.width + x) * 3
        return tuple(self.pixels[offset:offset + 3])

    def save_png(self, path):
        rows = b"".join(
            b"\x00" + self.pixels[y * self.width * 3:(y + 1) * self.width * 3]
            for y in range(self.height))

        def chunk(kind, body):
            return (struct.pack(">I", len(body)) + kind + body +
                    struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        Path(path).write_bytes(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                               chunk(b"IDAT", zlib.compress(rows, 6)) + chunk(b"IEND", b""))


def screen_size():
    out = subprocess.run(["xdotool", "getdisplaygeometry"], check=True, capture_output=True,
                         text=True).stdout.split()
    return int(out[0]), int(out[1])


def grab_screen_bytes():
    return subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"], check=True,
                          capture_output=True).stdout


def screenshot_showing(condition, timeout=5):
    """The first screenshot for which condition holds, or the last one taken by the timeout,
    for the caller to judge and report."""
    deadline = time.monotonic() + timeout
    while True:
        shot = take_screenshot()
        if condition(shot) or time.monotonic() >= deadline:
            return shot


def wait_for_still_screen(box=None, timeout=10, captures=3):
    """Waits until the screen, or the box (left, top, right, bottom) of it, stops changing: the
    same picture several captures in a row, as once fades and repaints are over."""
    width = screen_size()[0]

    def picture():
        pixels = grab_screen_bytes()
        if box is None:
            return pixels
        left, top, right, bottom = box
        return b"".join(pixels[(y * width + left) * 3:(y * width + right) * 3]
                        for y in range(top, bottom))

    deadline = time.monotonic() + timeout
    last, same = None, 0
    while same < captures - 1:
        if time.monotonic() >= deadline:
            raise AssertionError(f"the screen at {box or 'large'} still changed after {timeout} s")
        current = picture()
        same = same + 1 if current == last else 0
        last = current


def take_screenshot():
    width, height = screen_size()
    pixels = grab_screen_bytes()
    if len(pixels) != width * height * 3:
        raise AssertionError(f"screenshot has {len(pixels)} bytes for {width}x{height}")
    return Screenshot(width, height, pixels)


# ---- mouse and keyboard -----------------------------------------------------------------------


def xdotool(*args):
    subprocess.run(["xdotool", *[str(a) for a in args]], check=True, timeout=60)


def cursor_position():
    out = subprocess.run(["xdotool", "getmouselocation", "--shell"], check=True,
                         capture_output=True, text=True).stdout
    values = dict(line.split("=", 1) for line in out.split())
    return int(values["X"]), int(values["Y"])


def move_to(x, y):
    # --sync waits for the pointer to arrive, and would wait forever when it is there already.
    if cursor_position() != (x, y):
        xdotool("mousemove", "--sync", x, y)


def click(x, y, button=1):
    """A click at the point. The pointer's arrival and the click reach the program in the order
    the X server took them, so nothing need be waited for between them."""
    move_to(x, y)
    xdotool("click", button)


def line_points(start, end, step=10):
    """Points from start (excluded) to end (included), about step pixels apart."""
    (x0, y0), (x1, y1) = start, end
    length = max(abs(x1 - x0), abs(y1 - y0))
    count = max(1, round(length / step))
    return [(round(x0 + (x1 - x0) * k / count), round(y0 + (y1 - y0) * k / count))
            for k in range(1, count + 1)]


def move_along(points, step_delay=0.02):
    """Moves through the points one by one, pausing so that every poll of the capture sees them."""
    args = []
    for x, y in points:
        args += ["mousemove", str(x), str(y), "sleep", str(step_delay)]
    if args:
        xdotool(*args)


def press(button, x, y):
    """Moves to the point, waits there, presses: the poll (every 100 ms while no gesture is being
    drawn) must have seen the cursor there, as the position before the press starts the path.
    That poll shows no sign outside the program, so here only time can be waited for."""
    move_to(x, y)
    time.sleep(0.15)
    xdotool("mousedown", button)


def release(button):
    xdotool("mouseup", button)


def drag(button, waypoints, step=10, step_delay=0.02, settle=0.1):
    """Presses at the first waypoint, moves through the others in small steps, releases. The
    pauses let the capture's polls take the first and last points, which show no sign outside."""
    press(button, *waypoints[0])
    time.sleep(settle)
    for start, end in zip(waypoints, waypoints[1:]):
        move_along(line_points(start, end, step), step_delay)
    time.sleep(settle)
    release(button)


def release_everything():
    """Leaves no button or modifier held, whatever a failed test did."""
    for args in (["mouseup", "1"], ["mouseup", "2"], ["mouseup", "3"],
                 ["keyup", "ctrl", "shift", "alt"]):
        subprocess.run(["xdotool", *args], capture_output=True, timeout=30)


# ---- the probe's target window ----------------------------------------------------------------


class Target:
    """A running target window and what it has logged."""

    def __init__(self, process, log_dir):
        self.process = process
        self.log_dir = Path(log_dir)
        info = {}
        for line in (self.log_dir / "ready.txt").read_text(encoding="utf-8").splitlines():
            key, _, value = line.partition("=")
            info[key] = value
        self.info = info
        left, top, right, bottom = (int(v) for v in info["edit"].split())
        self.rect = (left, top, right, bottom)
        self.exe_as_seen = info["exeAsSeen"]

    @property
    def centre(self):
        left, top, right, bottom = self.rect
        return (left + right) // 2, (top + bottom) // 2

    def at(self, fx, fy):
        """A point inside the edit, given as fractions of its width and height."""
        left, top, right, bottom = self.rect
        return round(left + (right - left) * fx), round(top + (bottom - top) * fy)

    def mouse_messages(self):
        path = self.log_dir / "mouse.log"
        if not path.exists():
            return []
        return [line.split()[0] for line in path.read_text(encoding="utf-8").splitlines()
                if line.strip() and not line.startswith("WM_CONTEXTMENU")]

    def clear_mouse_log(self):
        # The target appends; cutting the file to nothing keeps its handle valid.
        with open(self.log_dir / "mouse.log", "r+b") as log:
            log.truncate(0)

    def text(self):
        # Bytes, not text mode: the edit's line breaks are CR LF and must stay so.
        return (self.log_dir / "text.txt").read_bytes().decode("utf-8")


# ---- the Wine session -------------------------------------------------------------------------
#
# One Wine server, and with it one Wine desktop, serves the whole run: it is started persistent
# (tests/e2e/wine_session.py, a ctest fixture), so that no program of a test ever starts while the
# server of the test before is shutting down. It is ended and started again only where a test
# needs a clean slate: after Traxo had to be killed (its global hook would outlive it), and
# around the classes that run in a Wine prefix of their own.

# Lines that Wine itself writes, as opposed to the program it runs.
WINE_MESSAGE = re.compile(r"^([0-9a-f]{4}:)?(err|fixme|warn|trace):|^wine( client error)?[:(]")
WINEDEBUG = "-all,err+all"  # Wine's errors are kept, to be told when a run fails


def wine_environment(prefix=None):
    env = dict(os.environ, WINEDEBUG=WINEDEBUG)
    if prefix is not None:
        env["WINEPREFIX"] = str(prefix)
    return env


def wineserver(prefix, *args, timeout=60):
    """Runs wineserver for the prefix; its exit code (None when it did not end in time)."""
    try:
        return subprocess.run(["wineserver", *args], env=wine_environment(prefix),
                              stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, timeout=timeout).returncode
    except subprocess.TimeoutExpired:
        return None


def stop_wine_session(prefix):
    """Ends every program of the prefix and its server, and waits until the server is gone."""
    wineserver(prefix, "--kill")
    if wineserver(prefix, "--wait") is None:
        raise AssertionError(f"the Wine server of {prefix} did not end within 60 s")


def start_wine_session(prefix):
    """A persistent server for the prefix, unless one runs already."""
    if wineserver(prefix, "--persistent") not in (0, 2):  # 2: a server is there already
        raise AssertionError(f"could not start a Wine server for {prefix}")


class ProbeServer:
    """One probe that answers command after command: a Wine process for a whole test class
    instead of one for every look."""

    def __init__(self, command, prefix, error_log):
        self.prefix = prefix
        self.error_log = error_log
        with open(error_log, "wb") as errors:
            self.process = subprocess.Popen(
                [*command, "serve"], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                stderr=errors, env=wine_environment(prefix), start_new_session=True)
        self.pending = b""

    def alive(self):
        return self.process.poll() is None

    def ask(self, args, timeout=60):
        """(exit code, printed text) of one command."""
        line = "\t".join(str(a) for a in args) + "\n"
        try:
            self.process.stdin.write(line.encode("utf-8"))
            self.process.stdin.flush()
        except BrokenPipeError:
            raise AssertionError(f"the probe ended (exit code {self.process.poll()}); it said: "
                                 f"{self.errors()}") from None
        deadline = time.monotonic() + timeout
        while True:
            end = self.pending.find(b"\x1e")
            if end >= 0 and self.pending.find(b"\n", end) >= 0:
                newline = self.pending.find(b"\n", end)
                output = self.pending[:end].decode("utf-8", "replace").replace("\r", "")
                code = int(self.pending[end + 1:newline].strip())
                self.pending = self.pending[newline + 1:]
                return code, output.strip()
            remaining = deadline - time.monotonic()
            if remaining <= 0:
                self.close()
                raise AssertionError(f"the probe did not answer {args} within {timeout} s")
            ready, _, _ = select.select([self.process.stdout], [], [], remaining)
            if ready:
                chunk = os.read(self.process.stdout.fileno(), 65536)
                if not chunk:
                    raise AssertionError(f"the probe ended while answering {args} (exit code "
                                         f"{self.process.wait(timeout=10)}); it said: "
                                         f"{self.errors()}")
                self.pending += chunk

    def errors(self):
        try:
            return Path(self.error_log).read_text(encoding="utf-8", errors="replace").strip()
        except OSError:
            return ""

    def close(self):
        if self.alive():
            self.process.stdin.close()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait(timeout=10)


class WineRun:
    """What one run of a Windows program left: enough to say why it failed."""

    def __init__(self, command, code, output, wine_messages):
        self.command, self.code = command, code
        self.output, self.wine_messages = output, wine_messages

    def __str__(self):
        return (f"command: {' '.join(self.command)}\nexit status: {self.code}\n"
                f"printed: {self.output or '(nothing)'}\n"
                f"Wine said: {self.wine_messages or '(nothing)'}")


def split_wine_messages(text):
    """(the program's lines, Wine's own lines) of what a run printed."""
    own, wine = [], []
    for line in text.splitlines():
        (wine if WINE_MESSAGE.match(line) else own).append(line)
    return "\n".join(own).strip(), "\n".join(wine).strip()


# ---- the test case base -----------------------------------------------------------------------


class TraxoTestCase(unittest.TestCase):
    """Each test runs in its own folder with its own Traxo.exe and settings."""

    paths = None

    @classmethod
    def setUpClass(cls):
        if not os.environ.get("DISPLAY"):
            raise unittest.SkipTest("no X display: run the tests through ctest under xvfb-run")
        cls.paths = Paths()
        start_wine_session(cls.paths.prefix)
        # The first use makes the Wine prefix (once, under a lock).
        cls.probe("count-windows", MAIN_CLASS)

    def setUp(self):
        self.processes = []
        self.traxo_started = []
        name = self.id().split(".", 1)[-1]
        self.folder = self.paths.scratch / name
        if self.folder.exists():
            shutil.rmtree(self.folder)
        self.folder.mkdir(parents=True)
        self.addCleanup(self.stop_all)
        self.addCleanup(release_everything)
        release_everything()
        wait_until(lambda: self.count_main_windows() == 0, 15,
                   "the main windows of earlier tests to go away")

    # -- Wine programs

    @classmethod
    def wine_command(cls, exe, *args):
        return [str(cls.paths.wine_run), str(cls.paths.prefix), str(exe), *[str(a) for a in args]]

    @classmethod
    def wine_environment(cls):
        return wine_environment()

    last_run = None

    @classmethod
    def run_wine(cls, exe, *args, timeout=120):
        """Runs a Windows program to its end; (exit code, printed text). Wine's own messages are
        kept apart, in cls.last_run, to be told when the caller finds that the run failed.

        Its output goes through a file, not a pipe: a Wine server or service that the program
        starts inherits the handles and would hold a pipe open long after the program ended."""
        command = cls.wine_command(exe, *args)
        with tempfile.TemporaryFile() as output:
            result = subprocess.run(command, stdin=subprocess.DEVNULL, stdout=output,
                                    stderr=subprocess.STDOUT, timeout=timeout,
                                    env=cls.wine_environment())
            output.seek(0)
            text, messages = split_wine_messages(output.read().decode("utf-8", "replace"))
        cls.last_run = WineRun(command[2:], result.returncode, text, messages)
        return result.returncode, text

    @classmethod
    def run_wine_ok(cls, exe, *args, what, timeout=120):
        """Runs a Windows program that must succeed; its printed text."""
        code, text = cls.run_wine(exe, *args, timeout=timeout)
        if code != 0:
            raise AssertionError(f"{what} failed\n{cls.last_run}")
        return text

    probe_server = None

    @classmethod
    def probe(cls, *args, timeout=60):
        """Runs a probe command; (exit code, printed text)."""
        server = cls.probe_server
        if server is None or not server.alive() or server.prefix != cls.paths.prefix:
            cls.close_probe()
            cls.paths.scratch.mkdir(parents=True, exist_ok=True)
            server = cls.probe_server = ProbeServer(
                cls.wine_command(cls.paths.probe), cls.paths.prefix,
                cls.paths.scratch / f"probe-{cls.__name__}.log")
        return server.ask(args, timeout)

    @classmethod
    def close_probe(cls):
        if cls.probe_server is not None:
            cls.probe_server.close()
            cls.probe_server = None

    def spawn(self, exe, *args, log_name):
        log = open(self.folder / log_name, "wb")
        process = subprocess.Popen(self.wine_command(exe, *args), stdin=subprocess.DEVNULL,
                                   stdout=log, stderr=subprocess.STDOUT,
                                   env=self.wine_environment(), cwd=self.folder,
                                   start_new_session=True)
        log.close()
        process.log_path = self.folder / log_name
        self.processes.append(process)
        return process

    def log_of(self, process):
        """What a program started with spawn printed, Wine's messages included."""
        try:
            return process.log_path.read_text(encoding="utf-8", errors="replace").strip() or \
                "(nothing)"
        except OSError as error:
            return f"(no log: {error})"

    def stop_all(self):
        # Traxo by its own close first: under Wine a global hook outlives a killed owner until
        # the Wine server ends, and would go on withholding buttons in the tests after this one.
        killed_traxo = False
        for process in self.processes:
            if process in self.traxo_started and process.poll() is None:
                killed_traxo |= not self.close_traxo(process)
        for process in reversed(self.processes):
            if process.poll() is None:
                process.send_signal(signal.SIGTERM)
        for process in reversed(self.processes):
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait(timeout=10)
        if killed_traxo or any(process.returncode != 0 for process in self.traxo_started):
            self.restart_wine_session()

    def close_traxo(self, process, timeout=10):
        """Closes the main window, answering No to the save question; whether Traxo ended."""
        self.probe("close-window", MAIN_CLASS)
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            try:
                process.wait(timeout=0.2)
                return True
            except subprocess.TimeoutExpired:
                self.probe("click-button", MAIN_TITLE, "No")
        return False

    @classmethod
    def restart_wine_session(cls):
        """A fresh Wine server and desktop, with no trace of what ran before."""
        cls.close_probe()
        stop_wine_session(cls.paths.prefix)
        start_wine_session(cls.paths.prefix)
        # Its desktop and services start with the first program, and inherit its output: a file.
        cls.run_wine(cls.paths.probe, "count-windows", MAIN_CLASS)

    @classmethod
    def tearDownClass(cls):
        cls.close_probe()

    # -- gesture sets and settings

    def build_set(self, motions, known_apps=(), name="set.mtd"):
        """Writes a set file with traxo-cli. motions: [(points, defaultAction, [(app, action)])]."""
        document = {
            "motions": [{"points": points, "defaultAction": action,
                         "rules": [{"appIndex": app, "action": text} for app, text in rules]}
                        for points, action, rules in motions],
            "knownApps": [{"path": path, "title": title} for path, title in known_apps],
        }
        source = self.folder / (name + ".json")
        source.write_text(json.dumps(document, ensure_ascii=False, indent=1), encoding="utf-8")
        target = self.folder / name
        self.run_wine_ok(self.paths.cli, "set", "build", windows_path(source), windows_path(target),
                         what="traxo-cli set build")
        return target

    def write_settings(self, exclude=(), **values):
        main = dict(DEFAULT_SETTINGS)
        main.update({key: str(value) for key, value in values.items()})
        data = ini_bytes(main, exclude)
        (self.folder / "traxo.ini").write_bytes(data)
        return data

    def ini_path(self):
        return self.folder / "traxo.ini"

    def read_settings(self):
        return parse_ini(self.ini_path().read_bytes())

    # -- the program under test

    def install(self):
        """Copies the program (and the starter set when the build has one) into the folder."""
        if not self.paths.exe.exists():
            raise AssertionError(f"{self.paths.exe} has not been built")
        shutil.copy2(self.paths.exe, self.folder / "Traxo.exe")
        starter = self.paths.exe.parent / "GettingStarted.mtd"
        if starter.exists():
            shutil.copy2(starter, self.folder / "GettingStarted.mtd")

    def start_traxo(self, wait=True):
        if not (self.folder / "Traxo.exe").exists():
            self.install()
        log_name = f"traxo-{len(self.processes)}.log"
        process = self.spawn(self.folder / "Traxo.exe", log_name=log_name)
        self.traxo_started.append(process)
        if wait:
            self.wait_for_main_window(process)
        return process

    def wait_for_main_window(self, process, timeout=60):
        def found():
            if process.poll() is not None:
                raise AssertionError(f"Traxo.exe ended during start-up with exit code "
                                     f"{process.returncode}; it printed: {self.log_of(process)}")
            return self.probe("find-window", MAIN_CLASS, MAIN_TITLE)[0] == 0
        wait_until(found, timeout, "the main window", interval=0.1)

    def main_window_state(self):
        """'none', '0' (hidden) or '1' (visible)."""
        code, out = self.probe("find-window", MAIN_CLASS, MAIN_TITLE)
        return out.partition("=")[2] if code == 0 else "none"

    def count_main_windows(self):
        return int(self.probe("count-windows", MAIN_CLASS)[1] or 0)

    def traxo_processes(self):
        """Pids of running processes of this test's Traxo.exe."""
        exe = str(self.folder / "Traxo.exe")
        pids = []
        for entry in Path("/proc").iterdir():
            if not entry.name.isdigit():
                continue
            try:
                command = (entry / "cmdline").read_bytes().replace(b"\0", b" ").decode(
                    "utf-8", "replace")
                state = (entry / "stat").read_text().split(")")[-1].split()[0]
            except OSError:
                continue
            if exe in command and state != "Z":
                pids.append(int(entry.name))
        return pids

    def close_main_window(self):
        code, _ = self.probe("close-window", MAIN_CLASS)
        self.assertEqual(code, 0, "no main window to close")

    def click_button(self, title, text, timeout=15):
        """Clicks the button once a visible window with that title shows it."""
        wait_until(lambda: self.probe("click-button", title, text)[0] == 0, timeout,
                   f'a button "{text}" in a window "{title}"', interval=0.1)

    def answer(self, title, text, timeout=15):
        """Clicks the button of a question and waits for the question to go: the click is
        posted, so the window may still show an instant after it."""
        self.click_button(title, text, timeout)

        def gone():
            buttons = self.probe("list-buttons", title)[1].splitlines()
            return not any(line.split(": ", 1)[-1].replace("&", "") == text for line in buttons)
        wait_until(gone, 10, f'the window "{title}" with the button "{text}" to close')

    def wait_for_exit(self, process, timeout=20):
        try:
            return process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            buttons = self.probe("list-buttons", MAIN_TITLE)[1]
            raise AssertionError(f"Traxo.exe still runs after {timeout} s; buttons of windows "
                                 f"titled Traxo: {buttons or '(none)'}") from None

    def show_main_window(self):
        """A second start: it asks the first to show its window and ends."""
        second = self.start_traxo(wait=False)
        try:
            second.wait(timeout=30)
        except subprocess.TimeoutExpired:
            raise AssertionError("the second start did not end by itself") from None
        wait_until(lambda: self.main_window_state() == "1", 10, "the main window to be shown")
        return second

    # -- the target window

    def start_target(self, name="target"):
        log_dir = self.folder / name
        log_dir.mkdir()
        process = self.spawn(self.paths.probe, "target", windows_path(log_dir),
                             log_name=f"{name}.log")

        def ready():
            if process.poll() is not None:
                raise AssertionError(f"the target ended with exit code {process.returncode}; it "
                                     f"printed: {self.log_of(process)}")
            return (log_dir / "ready.txt").exists()
        wait_until(ready, 60, "the target window", interval=0.1)
        target = Target(process, log_dir)
        self.assertEqual(target.info.get("foreground"), "1",
                         "the target window did not come to the foreground")
        return target

    def wait_for_text(self, target, expected, timeout=10):
        try:
            wait_until(lambda: target.text() == expected, timeout, f"the text {expected!r}")
        except AssertionError:
            self.fail(f"the target's text is {target.text()!r}, expected {expected!r}")

    def assert_text_stays(self, target, expected, duration=1.0):
        if not holds_for(lambda: target.text() == expected, duration):
            self.fail(f"the target's text became {target.text()!r}, expected it to stay "
                      f"{expected!r}")

    def wait_for_still_window(self, window_class):
        """Waits until the window of the class is drawn and stays as it is (its fades over)."""
        code, out = self.probe("window-rect", window_class)
        self.assertEqual(code, 0, f"no window of the class {window_class}")
        width, height = screen_size()
        left, top, right, bottom = (int(v) for v in out.split()[:4])
        wait_for_still_screen((max(left, 0), max(top, 0), min(right, width), min(bottom, height)))

    def settle(self, seconds=0.6):
        """Time for a few 100 ms polls: the foreground program is seen and the hook armed."""
        time.sleep(seconds)

    def save_screenshot(self, shot, name):
        path = self.folder / name
        shot.save_png(path)
        return path


def main(argv=None):
    """Runs the unittest command line (argv, by default the script's own), under a private X
    server when there is no display."""
    if not os.environ.get("DISPLAY") and not os.environ.get("TRAXO_E2E_OWN_DISPLAY"):
        env = dict(os.environ, TRAXO_E2E_OWN_DISPLAY="1")
        prefix = os.environ.get("TRAXO_E2E_WINEPREFIX", "")
        # Wine's desktop must not outlive the X server: end the Wine server with the run.
        script = ('"$@"; rc=$?; WINEPREFIX="$TRAXO_E2E_WINEPREFIX" wineserver --kill; exit $rc'
                  if prefix else '"$@"')
        command = ["xvfb-run", "-a", "-s", "-screen 0 1280x1024x24", "bash", "-c", script,
                   "e2e", sys.executable, *sys.argv]
        sys.exit(subprocess.call(command, env=env))
    unittest.main(module="__main__", argv=argv)
