"""The first start in a new folder, as a new user meets it: the language prompt answered with the
real mouse, the starter set loaded, the main window in Chinese with real glyphs, the tutorial
offer declined, and a gesture of the starter set working at once."""

import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import traxo_e2e  # noqa: E402
from traxo_e2e import (click, MAIN_TITLE, RIGHT_BUTTON, drag, holds_for, ini_value,  # noqa: E402
                       move_to, take_screenshot, wait_until, xdotool)

CHINESE = "中文（简体）"
NO_IN_CHINESE = "否"
# Texts of the main window in Chinese: the active button, the set tab, the toolbar.
MAIN_WINDOW_CHINESE = "启动手势组新建载入保存选项帮助退出"
MAIN_WINDOW_FACE = "Tahoma"
MAIN_WINDOW_TEXT_HEIGHT = 13


def escaped(text):
    """The text as the probe takes it whatever the host's locale: \\uXXXX for all but ASCII."""
    return "".join(c if ord(c) < 128 else f"\\u{ord(c):04x}" for c in text)


class FirstRun(traxo_e2e.TraxoTestCase):

    def button_rect(self, text, timeout=30):
        """The screen rectangle of a button of a visible window titled Traxo, once it shows."""
        def found():
            code, out = self.probe("button-rect", MAIN_TITLE, escaped(text))
            return [int(v) for v in out.split()] if code == 0 and len(out.split()) == 4 else None
        return wait_until(found, timeout, f'the button "{text}"', interval=0.2)

    def click_with_mouse(self, text):
        left, top, right, bottom = self.button_rect(text)
        click((left + right) // 2, (top + bottom) // 2)

    def test_language_prompt_to_a_working_gesture(self):
        self.install()
        self.assertTrue((self.folder / "GettingStarted.mtd").is_file(),
                        "the build made no starter set to put beside the program")
        self.assertFalse(self.ini_path().exists())
        self.start_traxo()

        # The prompt offers both languages; the answer comes from the real mouse.
        self.button_rect("English")
        self.click_with_mouse(CHINESE)

        # The tutorial is offered next, already in Chinese; the user declines.
        self.click_with_mouse(NO_IN_CHINESE)

        def written():
            if not self.ini_path().exists():
                return None
            settings = self.read_settings()
            return settings if ini_value(settings, "main", "tutorialPrompt") == "0" else None
        settings = wait_until(written, 15, "the settings written after the prompt")
        self.assertEqual(ini_value(settings, "main", "language"), "1")
        self.assertTrue((ini_value(settings, "main", "motions") or "").lower().endswith(
            "gettingstarted.mtd"), f"the starter set is not the current set: {settings}")

        # The new settings check for updates ten seconds after the prompt; without a network the
        # check ends in a message, which the user closes.
        wait_until(lambda: (self.folder / "updates.ini").exists(), 90, "the automatic update check")
        holds_for(lambda: self.probe("click-button", MAIN_TITLE, "OK")[0] != 0, 5)
        wait_until(lambda: self.probe("list-buttons", MAIN_TITLE)[1] == "", 10,
                   "no window titled Traxo to be left open")

        # The main window speaks Chinese with glyphs of a real font, not the missing-glyph box.
        self.show_main_window()
        code, out = self.probe("glyphs", MAIN_WINDOW_FACE, MAIN_WINDOW_TEXT_HEIGHT,
                               escaped(MAIN_WINDOW_CHINESE))
        self.save_screenshot(take_screenshot(), "main-window-chinese.png")
        self.assertEqual(code, 0, f"Chinese texts draw as missing glyphs:\n{out}")

        # A gesture of the starter set works in another program: the up-right diagonal
        # maximises the window in the foreground.
        xdotool("key", "Escape")  # hides the main window
        wait_until(lambda: self.main_window_state() == "0", 10, "the main window to hide")
        target = self.start_target()
        self.settle(2.0)  # the poll sees the new foreground program and arms the hook
        before = self.probe("window-rect", traxo_e2e.TARGET_CLASS)[1].split()
        drag(RIGHT_BUTTON, [target.at(0.25, 0.875), target.at(0.75, 0.125)])
        width, height = traxo_e2e.screen_size()

        def maximised():
            rect = [int(v) for v in self.probe("window-rect", traxo_e2e.TARGET_CLASS)[1].split()[:4]]
            return rect[2] - rect[0] >= width and rect[3] - rect[1] >= height - 80
        try:
            wait_until(maximised, 10, "the target to be maximised")
        except AssertionError:
            self.save_screenshot(take_screenshot(), "gesture-failed.png")
            after = self.probe("window-rect", traxo_e2e.TARGET_CLASS)[1]
            self.fail(f"the starter set's gesture did not maximise the target: {before} -> {after}; "
                      f"{target.mouse_messages()} {self.probe('foreground')[1]}")
        self.assertNotIn("WM_RBUTTONDOWN", target.mouse_messages())


if __name__ == "__main__":
    traxo_e2e.main()
