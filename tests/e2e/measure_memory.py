"""Measures Traxo's memory under Wine and where it goes, next to Wine's notepad started in the
same run: with the starter set and the window never shown, after the window was shown once and
hidden, and with a set of 100 motions. The totals are what Windows reports for the process
(GetProcessMemoryInfo, read by the probe); the breakdown counts the resident pages of each of
its regions (VirtualQueryEx, read by the probe) and of what Wine's Unix side maps beside them.
Traxo.exe is measured as the packages carry it, without symbols (which Wine would read into
memory with the program), unless --keep-symbols. Prints medians in MB. Not a test: run it by hand with the TRAXO_E2E_* variables that
`ctest -V -N -R e2e_` shows:

  python3 tests/e2e/measure_memory.py --runs 3
"""

import argparse
import random
import shutil
import statistics
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import traxo_e2e  # noqa: E402
from traxo_e2e import MAIN_CLASS, move_to, wait_until, xdotool  # noqa: E402

PAGE = 4096
IMAGE_BYTES = 23_581_327  # the set image
FONT_FILES = (".ttf", ".ttc", ".otf", ".fon", ".fnt", ".pfb", ".pcf", ".pcf.gz")
# Wine reports no private bytes (0) and no GDI object count: private memory is what the resident
# pages of the private regions and of Wine's anonymous Unix memory add up to.
COLUMNS = ["workingset", "private", "set image", "heaps+stacks", "code", "mapped", "fonts",
           "unix libs", "unix heap/GDI"]
PRIVATE = ("set image", "heaps+stacks", "unix heap/GDI")


def resident_pages(pagemap, start, end):
    """Pages of [start, end) present in memory or swapped out."""
    pagemap.seek(start // PAGE * 8)
    data = pagemap.read((end - start) // PAGE * 8)
    return sum(1 for i in range(7, len(data), 8) if data[i] & 0xC0)


def parse_probe(text):
    counters, regions = {}, []
    for line in text.splitlines():
        words = line.split()
        if words and words[0] == "region":
            base, size, kind, allocation, allocation_size = words[1:6]
            regions.append((int(base, 16), int(size), kind, int(allocation_size)))
        elif len(words) == 2:
            counters[words[0]] = int(words[1])
    return counters, sorted(regions)


def unix_mappings(pid):
    """(start, end, path) of every mapping of the Linux process."""
    for line in Path(f"/proc/{pid}/maps").read_text().splitlines():
        fields = line.split(maxsplit=5)
        start, end = (int(v, 16) for v in fields[0].split("-"))
        yield start, end, fields[5] if len(fields) == 6 else ""


def uncovered(start, end, regions):
    """The parts of [start, end) outside every Windows region (sorted by base)."""
    cursor = start
    for base, size, _, _ in regions:
        if base + size <= cursor or base >= end:
            continue
        if base > cursor:
            yield cursor, base
        cursor = max(cursor, base + size)
    if cursor < end:
        yield cursor, end


def breakdown(counters, regions, pid):
    """Resident bytes by what holds them."""
    rows = dict.fromkeys(COLUMNS, 0)
    rows["workingset"] = counters.get("workingset", 0)
    with open(f"/proc/{pid}/pagemap", "rb") as pagemap:
        for base, size, kind, allocation_size in regions:
            pages = resident_pages(pagemap, base, base + size) * PAGE
            if kind == "private":
                image = IMAGE_BYTES <= allocation_size <= IMAGE_BYTES + 2 ** 20
                rows["set image" if image else "heaps+stacks"] += pages
            else:
                rows["code" if kind == "image" else "mapped"] += pages
        for start, end, path in unix_mappings(pid):
            if path == "[vsyscall]":
                continue
            pages = sum(resident_pages(pagemap, s, e) for s, e in uncovered(start, end, regions))
            if path.lower().endswith(FONT_FILES):
                rows["fonts"] += pages * PAGE
            elif path.startswith("/"):
                rows["unix libs"] += pages * PAGE
            else:
                rows["unix heap/GDI"] += pages * PAGE
    rows["private"] = max(counters.get("private", 0), sum(rows[c] for c in PRIVATE))
    return rows


def linux_pid_of(text_in_command):
    """The Wine process (not its starting shell) whose command line names the program."""
    for entry in Path("/proc").iterdir():
        if not entry.name.isdigit():
            continue
        try:
            command = (entry / "cmdline").read_bytes().replace(b"\0", b" ").decode("utf-8",
                                                                                   "replace")
            state = (entry / "stat").read_text().split(")")[-1].split()[0]
            maps = (entry / "maps").read_text()
        except OSError:
            continue
        if (text_in_command.lower() in command.lower() and state != "Z" and
                "ntdll.so" in maps):
            return int(entry.name)
    raise AssertionError(f"no Wine process runs {text_in_command}")


def random_motion(rng):
    points = [[rng.randint(0, 100), rng.randint(0, 100)] for _ in range(30)]
    return points, "@Keystrokes: x", []


class Memory(traxo_e2e.TraxoTestCase):
    runs = 3
    keep_symbols = False

    def measure(self, window_class, command_text):
        # The resident pages settle after start-up and hiding: measured once two readings
        # half a second apart agree on the working set.
        readings = []

        def settled():
            code, text = self.probe("memory", window_class)
            self.assertEqual(code, 0, f"the probe could not read the memory of {window_class}")
            readings.append(parse_probe(text))
            return (len(readings) > 1 and readings[-1][0]["workingset"] ==
                    readings[-2][0]["workingset"])

        wait_until(settled, 30, f"the memory of {window_class} to settle", interval=0.5)
        counters, regions = readings[-1]
        return breakdown(counters, regions, linux_pid_of(command_text))

    def notepad(self):
        process = self.spawn("notepad", log_name="notepad.log")
        wait_until(lambda: self.probe("find-window", "Notepad")[0] == 0, 60, "notepad")
        rows = self.measure("Notepad", "notepad")
        process.terminate()
        process.wait(timeout=20)
        return rows

    def hide_main_window(self):
        self.show_main_window()
        self.assertEqual(self.probe("wait-painted", MAIN_CLASS)[0], 0, "the window never painted")
        code, out = self.probe("window-rect", MAIN_CLASS)
        left, top, right, bottom = (int(v) for v in out.split()[:4])
        move_to((left + right) // 2, (top + bottom) // 2)
        xdotool("key", "Escape")
        wait_until(lambda: self.main_window_state() == "0", 10, "Escape to hide the window")

    def traxo(self, motions, show_once):
        self.write_settings(motions=motions)
        process = self.start_traxo()
        if show_once:
            self.hide_main_window()
        rows = self.measure(MAIN_CLASS, str(self.folder / "Traxo.exe"))
        self.close_main_window()
        self.wait_for_exit(process)
        return rows

    def test_measure(self):
        self.install()
        strip = shutil.which("x86_64-w64-mingw32-strip")
        if not self.keep_symbols and strip:
            subprocess.run([strip, self.folder / "Traxo.exe"], check=True)
        self.assertTrue((self.folder / "GettingStarted.mtd").exists(), "no starter set built")
        rng = random.Random(7)
        self.build_set([random_motion(rng) for _ in range(100)], name="hundred.mtd")
        cases = {
            "notepad": self.notepad,
            "starter, never shown": lambda: self.traxo("GettingStarted.mtd", False),
            "starter, shown and hidden": lambda: self.traxo("GettingStarted.mtd", True),
            "100 motions, never shown": lambda: self.traxo("hundred.mtd", False),
        }
        results = {name: [] for name in cases}
        for _ in range(self.runs):
            for name, run in cases.items():
                results[name].append(run())
        medians = {name: {column: statistics.median(r[column] for r in runs)
                          for column in COLUMNS} for name, runs in results.items()}
        self.report(medians)

    def report(self, medians):
        width = max(len(name) for name in medians) + 2
        symbols = "with symbols" if self.keep_symbols else "without symbols"
        print(f"\nTraxo.exe {symbols}; medians of {self.runs} runs, resident MB")
        print(" " * width + "".join(f"{column:>14}" for column in COLUMNS))
        for name, row in medians.items():
            cells = [f"{row[c] / 2 ** 20:14.1f}" for c in COLUMNS]
            print(f"{name:<{width}}" + "".join(cells))
        notepad = medians["notepad"]["workingset"]
        for name, row in medians.items():
            if name != "notepad":
                print(f"{name}: working set {(row['workingset'] - notepad) / 2 ** 20:+.1f} MB "
                      f"beside notepad")


if __name__ == "__main__":
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--keep-symbols", action="store_true")
    options, rest = parser.parse_known_args()
    Memory.runs = options.runs
    Memory.keep_symbols = options.keep_symbols
    traxo_e2e.main([sys.argv[0], *rest])
