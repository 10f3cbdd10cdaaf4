"""The release packages that tools/package.sh builds: the portable zips, and the installer run
silently under Wine in a prefix of its own (installed, used, updated, uninstalled)."""

import os
import shutil
import struct
import subprocess
import sys
import unittest
import zipfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import traxo_e2e  # noqa: E402
from traxo_e2e import STROKE_RIGHT, drag, wait_until  # noqa: E402

UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Traxo"
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"
RUN_ONCE_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\RunOnce"
PORTABLE_FILES = {"Traxo.exe", "GettingStarted.mtd", "ReadMe.txt", "License.txt"}
INSTALLED_FILES = PORTABLE_FILES | {"uninstall.exe"}
MACHINE_I386, MACHINE_AMD64 = 0x14C, 0x8664


def release_paths():
    """(version, dist folder, the installer with the 64-bit stub) from the environment."""
    version = traxo_e2e._env_path("TRAXO_E2E_VERSION").name
    dist = traxo_e2e._env_path("TRAXO_E2E_DIST")
    installer = traxo_e2e._env_path("TRAXO_E2E_INSTALLER")
    for path in (dist, installer):
        if not path.exists():
            raise AssertionError(f"{path} is missing: build the packages with tools/package.sh")
    return version, dist, installer


def pe_header(image):
    """(machine, number of symbols, version MS, version LS) of a PE image's bytes."""
    if image[:2] != b"MZ":
        raise AssertionError("not an MZ image")
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    if image[pe:pe + 4] != b"PE\0\0":
        raise AssertionError("no PE signature")
    machine, _, _, _, symbols = struct.unpack_from("<HHIII", image, pe + 4)
    fixed = image.find(struct.pack("<I", 0xFEEF04BD))
    if fixed == -1:
        raise AssertionError("no version resource")
    file_ms, file_ls = struct.unpack_from("<II", image, fixed + 8)
    return machine, symbols, file_ms, file_ls


def embedded_machines(image):
    """Machines of the PE images carried inside the image (its hook library)."""
    machines = []
    at = image.find(b"MZ", 1)
    while at != -1:
        if at + 0x40 <= len(image):
            pe = at + struct.unpack_from("<I", image, at + 0x3C)[0]
            if pe + 6 <= len(image) and image[pe:pe + 4] == b"PE\0\0":
                machines.append(struct.unpack_from("<H", image, pe + 4)[0])
        at = image.find(b"MZ", at + 1)
    return machines


def version_words(version):
    major, minor = (int(part) for part in version.split("."))
    return (major << 16) | minor, 0


class PortablePackages(unittest.TestCase):
    """The zips carry the program of their width, the starter set, the read-me and the licence."""

    def setUp(self):
        self.version, self.dist, _ = release_paths()

    def test_zips_hold_program_of_their_width_and_its_files(self):
        starter = traxo_e2e._env_path("TRAXO_E2E_EXE").parent / "GettingStarted.mtd"
        for width, machine in ((32, MACHINE_I386), (64, MACHINE_AMD64)):
            with self.subTest(width=width):
                path = self.dist / f"Traxo-{self.version}-win{width}.zip"
                with zipfile.ZipFile(path) as package:
                    self.assertEqual(set(package.namelist()), PORTABLE_FILES)
                    self.assertIsNone(package.testzip())
                    image = package.read("Traxo.exe")
                    got_machine, symbols, ms, ls = pe_header(image)
                    self.assertEqual(got_machine, machine, "program of the wrong width")
                    self.assertEqual(symbols, 0, "the packaged program carries symbols")
                    self.assertEqual((ms, ls), version_words(self.version))
                    self.assertEqual(embedded_machines(image), [machine],
                                     "the hook library carried inside is not of this width")
                    self.assertEqual(package.read("GettingStarted.mtd"), starter.read_bytes())
                    licence = package.read("License.txt").decode("utf-8")
                    readme = package.read("ReadMe.txt").decode("utf-8")
                    self.assertIn("Copyright (c) 2026 The Traxo developers", licence)
                    self.assertIn(f"Traxo {self.version}", readme)
                    self.assertNotIn("@VERSION@", readme)
                    for text in (licence, readme):
                        self.assertNotIn("\n", text.replace("\r\n", ""), "bare line feeds")

    def test_32_bit_zip_is_under_2_mb(self):
        size = (self.dist / f"Traxo-{self.version}-win32.zip").stat().st_size
        self.assertLess(size, 2 * 1024 * 1024)

    def test_installer_runs_on_32_bit_windows(self):
        image = (self.dist / f"Traxo-{self.version}-setup.exe").read_bytes()
        machine = struct.unpack_from("<H", image, struct.unpack_from("<I", image, 0x3C)[0] + 4)[0]
        self.assertEqual(machine, MACHINE_I386)
        self.assertEqual(sorted(p.name for p in self.dist.iterdir()), sorted([
            f"Traxo-{self.version}-setup.exe", f"Traxo-{self.version}-win32.zip",
            f"Traxo-{self.version}-win64.zip"]))


class Installer(traxo_e2e.TraxoTestCase):
    """The 64-bit-stub installer, silently, in a fresh prefix: what a user's machine would see."""

    @classmethod
    def setUpClass(cls):
        cls.version, cls.dist, cls.installer = release_paths()
        if not os.environ.get("DISPLAY"):
            raise unittest.SkipTest("no X display: run the tests through ctest under xvfb-run")
        cls.paths = traxo_e2e.Paths()
        # One Wine desktop at a time on the display: the next class starts the shared one again.
        traxo_e2e.stop_wine_session(cls.paths.prefix)
        # Nothing of the installer may reach the prefix the other tests share (a Run value left
        # there would start Traxo in their sessions).
        cls.paths.prefix = cls.paths.scratch / "installer-prefix"
        if cls.paths.prefix.exists():
            shutil.rmtree(cls.paths.prefix)
        cls.probe("count-windows", traxo_e2e.MAIN_CLASS)  # makes the prefix

    @classmethod
    def tearDownClass(cls):
        cls.close_probe()
        if cls.paths is not None and cls.paths.prefix.name == "installer-prefix":
            traxo_e2e.stop_wine_session(cls.paths.prefix)
            shutil.rmtree(cls.paths.prefix, ignore_errors=True)

    def reg_query(self, key, value=None):
        """{name: data} of the key (or of the one value), or None when it is not there."""
        args = ["reg", "query", key] + (["/v", value] if value else [])
        code, output = self.run_wine(*args)
        if code != 0:
            return None
        values = {}
        for line in output.splitlines():
            parts = line.strip().split(None, 2)
            if len(parts) == 3 and parts[1].startswith("REG_"):
                values[parts[0]] = parts[2]
        return values

    def host_path(self, windows):
        drive, _, rest = windows.partition(":")
        self.assertEqual(drive.upper(), "C", f"installed outside drive C: {windows}")
        return self.paths.prefix / "drive_c" / rest.strip("\\").replace("\\", "/")

    def test_silent_install_update_and_uninstall(self):
        output = self.run_wine_ok(self.installer, "/S", what="the installer")

        # The installed-programs entry, and through it the folder.
        entry = self.reg_query(UNINSTALL_KEY)
        self.assertIsNotNone(entry, "no installed-programs entry")
        folder_windows = entry["InstallLocation"]
        self.assertEqual(entry["DisplayName"], "Traxo")
        self.assertEqual(entry["DisplayVersion"], self.version)
        self.assertEqual(entry["UninstallString"], f'"{folder_windows}\\uninstall.exe"')
        self.assertEqual(entry["QuietUninstallString"], f'"{folder_windows}\\uninstall.exe" /S')
        self.assertGreater(int(entry["EstimatedSize"], 16), 0)
        self.assertTrue(folder_windows.lower().endswith("\\appdata\\local\\programs\\traxo"),
                        f"not the user's own programs folder: {folder_windows}")
        folder = self.host_path(folder_windows)
        self.assertEqual({p.name for p in folder.iterdir()}, INSTALLED_FILES)
        # On 64-bit Windows the 64-bit program.
        machine, _, ms, ls = pe_header((folder / "Traxo.exe").read_bytes())
        self.assertEqual(machine, MACHINE_AMD64)
        self.assertEqual((ms, ls), version_words(self.version))

        appdata = folder.parents[2]  # ...\users\NAME\AppData\Local\Programs\Traxo
        shortcut = appdata / "Roaming/Microsoft/Windows/Start Menu/Programs/Traxo.lnk"
        self.assertTrue(shortcut.exists(), f"no Start-menu shortcut at {shortcut}")
        self.assertIn("Traxo.exe".encode("utf-16-le"), shortcut.read_bytes())
        run = self.reg_query(RUN_KEY, "traxo")
        self.assertEqual(run, {"traxo": f'"{folder_windows}\\Traxo.exe"'},
                         "the start-at-login value")

        # A portable copy running elsewhere is not this install's: an update leaves it be.
        self.write_settings()
        portable = self.start_traxo()
        output = self.run_wine_ok(self.installer, "/S", what="the update")
        self.assertIsNone(portable.poll(), "the installer closed a portable Traxo elsewhere")
        self.assertTrue(self.close_traxo(portable), "the portable Traxo did not close")

        # The user saves a set of their own in the folder and uses Traxo from there.
        saved = self.build_set([(STROKE_RIGHT, "@Keystrokes: hello{enter}", [])], name="mine.mtd")
        shutil.copy2(saved, folder / "mine.mtd")
        settings = traxo_e2e.ini_bytes(dict(traxo_e2e.DEFAULT_SETTINGS, motions="mine.mtd"))
        (folder / "traxo.ini").write_bytes(settings)
        traxo = self.spawn(folder / "Traxo.exe", log_name="installed-traxo.log")
        self.traxo_started.append(traxo)
        self.wait_for_main_window(traxo)
        self.assertTrue((folder / "MouseCore.dll").exists(), "the hook library was not written")
        target = self.start_target()
        self.settle()
        drag(traxo_e2e.RIGHT_BUTTON, [target.at(0.2, 0.5), target.at(0.8, 0.5)])
        self.wait_for_text(target, "hello\r\n")

        # Installed again over the running program, without start at login: Traxo is closed
        # for the update, the value the first install wrote goes, the user's files stay.
        output = self.run_wine_ok(self.installer, "/S", "/NOAUTOSTART", what="the update")
        self.wait_for_exit(traxo, timeout=5)
        self.assertIsNone(self.reg_query(RUN_KEY, "traxo"), "start at login is still on")
        self.assertEqual((folder / "mine.mtd").read_bytes(), saved.read_bytes())
        kept = traxo_e2e.parse_ini((folder / "traxo.ini").read_bytes())
        self.assertEqual(traxo_e2e.ini_value(kept, "main", "motions"), "mine.mtd")
        traxo = self.spawn(folder / "Traxo.exe", log_name="updated-traxo.log")
        self.traxo_started.append(traxo)
        self.wait_for_main_window(traxo)
        self.settle()
        target.clear_mouse_log()
        drag(traxo_e2e.RIGHT_BUTTON, [target.at(0.2, 0.5), target.at(0.8, 0.5)])
        self.wait_for_text(target, "hello\r\nhello\r\n")

        # The silent uninstaller, with Traxo running: it closes Traxo and removes what it put
        # there, keeping the user's set and settings. It goes on from a copy of itself, so it is
        # followed through its effects.
        output = self.run_wine_ok(folder / "uninstall.exe", "/S", what="the uninstaller")
        self.wait_for_exit(traxo, timeout=30)
        wait_until(lambda: not (folder / "uninstall.exe").exists(), 60,
                   "the uninstaller to remove itself")
        # The hook library may still be loaded in the programs the hook reached (under Wine, in
        # the target until it ends): then the next sign-in removes it.
        removal = self.reg_query(RUN_ONCE_KEY, "TraxoRemove")
        if (folder / "MouseCore.dll").exists():
            self.assertIsNotNone(removal, "the hook library is left with nothing to remove it")
            command = removal["TraxoRemove"]
            self.assertIn(f'del /f /q "{folder_windows}\\MouseCore.dll" & rmdir "{folder_windows}"',
                          command)
            # Sign-in, as far as the removal goes: the target has ended, the command runs (from a
            # batch file, which parses it as the system does) and must spare the user's files.
            target.process.terminate()
            target.process.wait(timeout=30)
            script = self.folder / "removal.cmd"
            script.write_bytes(b"@echo off\r\n" + command.encode("ascii") + b"\r\n")
            code, output = self.run_wine("cmd", "/c", traxo_e2e.windows_path(script))
            self.assertFalse((folder / "MouseCore.dll").exists(),
                             f"the removal at sign-in left the hook library: {output}")
        else:
            self.assertIsNone(removal, "a removal at sign-in is left for nothing")
        self.assertEqual({p.name for p in folder.iterdir()} - {"MouseCore.dll"},
                         {"mine.mtd", "traxo.ini"})
        self.assertEqual((folder / "mine.mtd").read_bytes(), saved.read_bytes())
        self.assertFalse(shortcut.exists(), "the shortcut is left")
        self.assertIsNone(self.reg_query(UNINSTALL_KEY), "the installed-programs entry is left")
        self.assertIsNone(self.reg_query(RUN_KEY, "traxo"), "the start-at-login value is left")


if __name__ == "__main__":
    traxo_e2e.main()
