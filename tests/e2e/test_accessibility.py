"""The configuration window through a screen reader's eyes: the probe reads every control's
accessible object from another process through the system's accessibility library, in English
and in Chinese, and finds each named by its caption, in its role, and the list's rows named by
what they show."""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import traxo_e2e  # noqa: E402
from traxo_e2e import (LEFT_BUTTON, MAIN_CLASS, RIGHT_BUTTON, STROKE_DOWN,  # noqa: E402
                       STROKE_RIGHT, click, drag, wait_until)

PUSH_BUTTON = 0x2B
CHECK_BUTTON = 0x2C
PAGE_TAB = 0x25
LIST = 0x21
LIST_ITEM = 0x22
GRAPHIC = 0x28
ALERT = 0x08
GROUPING = 0x14
CHECKED = 0x10
UNAVAILABLE = 0x1

# Every control a reader must find in the window, by its name in each language, with its role.
CONTROLS = {
    0: [("hide", PUSH_BUTTON), ("Active", CHECK_BUTTON), ("New set", PUSH_BUTTON),
        ("Load set", PUSH_BUTTON), ("Save set", PUSH_BUTTON), ("as...", PUSH_BUTTON),
        ("Options", PUSH_BUTTON), ("Help", PUSH_BUTTON), ("Exit", PUSH_BUTTON),
        ("Gesture set", PAGE_TAB), ("Testing", PAGE_TAB),
        ("Configure programs...", PUSH_BUTTON), ("Create gesture", PUSH_BUTTON),
        ("Delete gesture", PUSH_BUTTON), ("Gestures", LIST), ("Gesture pad", GRAPHIC)],
    1: [("隐藏", PUSH_BUTTON), ("启动", CHECK_BUTTON), ("新建", PUSH_BUTTON),
        ("载入", PUSH_BUTTON), ("保存", PUSH_BUTTON), ("另存为", PUSH_BUTTON),
        ("选项", PUSH_BUTTON), ("帮助", PUSH_BUTTON), ("退出", PUSH_BUTTON),
        ("手势组", PAGE_TAB), ("测试", PAGE_TAB),
        ("配置程序…", PUSH_BUTTON), ("创建", PUSH_BUTTON),
        ("删除", PUSH_BUTTON), ("手势列表", LIST), ("手势板", GRAPHIC)],
}
POPUP_CLASS = "TfrmInfo"
OPTIONS_CLASS = "TfrmOptions"
OPTIONS_BUTTON = (436, 61)  # in the main window's client area
PAD = (303, 119, 786, 519)  # image1 in the client area (96 DPI)
ROWS = {
    0: ["Gesture 1: Browser: back", "Gesture 2: notepad.exe"],
    1: ["手势 1：浏览器:后退", "手势 2：notepad.exe"],
}


class ScreenReaderNames(traxo_e2e.TraxoTestCase):

    def setUp(self):
        super().setUp()
        self.build_set([(STROKE_RIGHT, "@Browser: back", []), (STROKE_DOWN, "notepad.exe", [])])

    def read_objects(self):
        """The probe's lines as (kind, class or index, role, state, children, name)."""
        code, out = self.probe("accessible", MAIN_CLASS, "2")
        self.assertEqual(code, 0, "the probe found no main window")
        lines = [line.split("\t") for line in out.splitlines() if line]
        objects = [(kind, where, int(role), int(state), int(children), name)
                   for kind, where, role, state, children, name in
                   (line for line in lines if line[0] in ("object", "child"))]
        return objects, [line for line in lines if line[0] == "none"]

    def check_language(self, language):
        self.write_settings(motions="set.mtd", language=language)
        self.start_traxo()
        self.show_main_window()
        objects, missing = self.read_objects()
        # The window's own object lists its two frames first, as groupings, then its windows.
        frames = [(o[2], o[5]) for o in objects[:2] if o[0] == "child"]
        self.assertEqual(frames, [(GROUPING, CONTROLS[language][-2][0]),
                                  (GROUPING, CONTROLS[language][-1][0])])
        found = {(name, role): state for kind, _, role, state, _, name in objects
                 if kind == "object"}
        for name, role in CONTROLS[language]:
            self.assertIn((name, role), found,
                          f"no control named {name!r} in role {role:#x}; the probe read "
                          f"{objects}, and no object for {missing}")
        active = CONTROLS[language][1]
        self.assertTrue(found[active] & CHECKED, "Active is not checked while gestures are on")
        self.assertFalse(found[CONTROLS[language][2]] & (CHECKED | UNAVAILABLE))

        # The list's first two rows follow the list's own line, named by what they show.
        list_at = next(i for i, o in enumerate(objects) if o[0] == "object" and o[2] == LIST)
        self.assertEqual(objects[list_at][4], 2, "the list does not count its two rows")
        rows = [o for o in objects[list_at + 1:list_at + 3] if o[0] == "child"]
        self.assertEqual([(o[2], o[5]) for o in rows],
                         [(LIST_ITEM, ROWS[language][0]), (LIST_ITEM, ROWS[language][1])])

    def test_every_control_and_two_rows_in_english(self):
        self.check_language(0)

    def test_every_control_and_two_rows_in_chinese(self):
        self.check_language(1)

    def pad_alerts(self):
        """The names of the pad's alert children, as a reader finds them."""
        objects, _ = self.read_objects()
        pad_at = next(i for i, o in enumerate(objects) if o[0] == "object" and o[2] == GRAPHIC)
        return [o[5] for o in objects[pad_at + 1:] if o[0] == "child" and o[2] == ALERT]

    def test_the_pads_message_is_an_alert_a_reader_finds(self):
        self.write_settings(motions="set.mtd")
        self.start_traxo()
        self.show_main_window()
        self.assertNotIn("Matches #1", self.pad_alerts(), "the pad matched before any drawing")
        code, out = self.probe("client-rect", MAIN_CLASS)
        self.assertEqual(code, 0, "the main window has no client area")
        left, top = (int(v) for v in out.split()[:2])
        # A stroke to the right drawn on the pad is tested against the set: gesture 1.
        middle = top + (PAD[1] + PAD[3]) // 2
        drag(LEFT_BUTTON, [(left + PAD[0] + 80, middle), (left + PAD[2] - 80, middle)], step=8)
        wait_until(lambda: self.pad_alerts() == ["Matches #1"], 10,
                   "the pad's alert to say the match")

    def popup_object(self):
        """The result popup's own object as (role, name), or None before there is a popup."""
        code, out = self.probe("accessible", POPUP_CLASS, "0")
        if code != 0:
            return None
        line = next(line.split("\t") for line in out.splitlines() if line.startswith("window"))
        return int(line[2]), line[5]

    def test_the_result_popup_is_an_alert_that_says_the_result(self):
        self.write_settings(motions="set.mtd", showInfo=1)
        self.start_traxo()
        target = self.start_target()
        self.settle()
        drag(RIGHT_BUTTON, [target.at(0.2, 0.5), target.at(0.8, 0.5)])
        wait_until(lambda: self.popup_object() == (ALERT, "Gesture 1: Browser: back"), 5,
                   "the popup's alert to say the result")

    def dialog_buttons(self, window_class):
        code, out = self.probe("accessible", window_class, "0")
        if code != 0:
            return []
        return [(int(line[2]), line[5]) for line in (raw.split("\t") for raw in out.splitlines())
                if line[0] == "object" and line[1] == "TDynamicOpaqueButton"]

    def test_the_options_dialogs_buttons_are_named_in_chinese(self):
        self.write_settings(motions="set.mtd", language=1)
        self.start_traxo()
        self.show_main_window()
        self.wait_for_still_window(MAIN_CLASS)
        code, out = self.probe("client-rect", MAIN_CLASS)
        self.assertEqual(code, 0, "the main window has no client area")
        left, top = (int(v) for v in out.split()[:2])
        click(left + OPTIONS_BUTTON[0], top + OPTIONS_BUTTON[1])
        wait_until(lambda: sorted(self.dialog_buttons(OPTIONS_CLASS)) ==
                   [(PUSH_BUTTON, "取消"), (PUSH_BUTTON, "好")], 10,
                   "the options dialog's buttons, named")


if __name__ == "__main__":
    traxo_e2e.main()
