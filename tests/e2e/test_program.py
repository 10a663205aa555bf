"""End-to-end checks of the real program in a virtual X session, driven only as a person
would: mouse moves, clicks and key presses; results read from the screen and the files."""

import datetime
import os
import re
import subprocess
import sys
import time
import unittest

from desktop import (AppFolder, Desktop, SCREEN_HEIGHT, SCREEN_WIDTH, TWIPS_PER_PIXEL,
                     wait_for)

RUNNABLE = os.environ.get("ALMANOR_APP_DIR", "")
ARTEFACTS = os.environ.get("ALMANOR_E2E_ARTEFACTS", "")
WINDOW_WIDTH = 281
WINDOW_HEIGHT = 285
OPEN_X = SCREEN_WIDTH - WINDOW_WIDTH

# Hotspots of the calendar window: (left, top, width, height) in twips.
HOTSPOTS = {
    "back": (1680, 285, 195, 225),
    "today": (1680, 480, 210, 225),
    "forward": (1680, 660, 210, 270),
    "clear": (390, 1215, 630, 285),
    "view": (1065, 1500, 615, 270),
    "help": (3765, -15, 240, 270),
    "quit": (4005, -30, 255, 240),
    "about": (330, 3930, 1005, 300),
    "options": (1740, 3915, 1110, 345),
    "close": (3270, 3885, 930, 555),
    "all": (375, 915, 510, 270),
    "note": (90, 2640, 4020, 1245),
    "alarm": (810, 2280, 990, 285),
    "calendar": (1875, 240, 2325, 2325),
}

SETTINGS_KEEP_OPEN = (b'30,#FALSE#,#TRUE#,#FALSE#,"300",#TRUE#,#TRUE#,#FALSE#,#TRUE#,#TRUE#,'
                      b'"alarm.wav","chime.wav"\r\n')


def record(text, date, alarm=""):
    return (b'"dailynotes","' + text.encode("cp1252") + b'","' +
            date.strftime("%m/%d/%Y").encode() + b'","' + alarm.encode() + b'"\r\n')


def note_name(date):
    return date.strftime("%Y%m%d") + ".dnf"


def time_of_day_text(moment):
    hour = moment.hour % 12 or 12
    return f"{hour}:{moment.minute:02d}:{moment.second:02d} {'AM' if moment.hour < 12 else 'PM'}"


class RunningProgram:
    def __init__(self, desktop, folder):
        self.desktop = desktop
        self.folder = folder
        # Started from another working folder: the program must find its own folder itself.
        self.process = subprocess.Popen([folder.file("almanor")], cwd="/", env=desktop.env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(timeout=5)

    def running(self):
        return self.process.poll() is None

    def calendar_window(self):
        def find():
            for window in self.desktop.windows_named("Almanor"):
                if self.desktop.window_geometry(window)[2:] == (WINDOW_WIDTH, WINDOW_HEIGHT):
                    return window
            return None
        return wait_for(find, what="the calendar window")

    def window_x(self):
        return self.desktop.window_geometry(self.calendar_window())[0]

    def spot(self, name):
        """Screen position of the middle of a hotspot of the calendar window."""
        x, y, _, _ = self.desktop.window_geometry(self.calendar_window())
        left, top, width, height = HOTSPOTS[name]
        return (x + round((left + width / 2) / TWIPS_PER_PIXEL),
                y + round((top + height / 2) / TWIPS_PER_PIXEL))

    def click(self, name, button=1):
        self.desktop.click(*self.spot(name), button=button)

    def wait_open(self):
        wait_for(lambda: self.window_x() == OPEN_X, what="the window to be open")


class EndToEnd(unittest.TestCase):
    desktop = None

    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop()
        cls.desktop.start()

    @classmethod
    def tearDownClass(cls):
        cls.desktop.stop()

    def setUp(self):
        self.folder = AppFolder(RUNNABLE)
        self.program = None

    def tearDown(self):
        if ARTEFACTS:
            os.makedirs(ARTEFACTS, exist_ok=True)
            self.desktop.screenshot(os.path.join(ARTEFACTS, self.id().split(".")[-1] + ".png"))
        if self.program:
            self.program.stop()
        self.folder.remove()

    def start(self):
        self.program = RunningProgram(self.desktop, self.folder)
        return self.program

    def test_first_start_on_an_empty_folder(self):
        program = self.start()
        window = program.calendar_window()
        # Slides away after it is shown, leaving the strip at the edge (window managers may
        # keep a slightly wider strip on screen than the two pixels asked for).
        wait_for(lambda: program.window_x() >= SCREEN_WIDTH - 30, what="the slide away")
        time.sleep(0.5)
        self.assertGreaterEqual(program.window_x(), SCREEN_WIDTH - 30)
        x, y, _, _ = self.desktop.window_geometry(window)
        self.assertEqual(y, round((SCREEN_HEIGHT - WINDOW_HEIGHT) / 2))
        self.assertIn("_NET_WM_STATE_ABOVE", self.desktop.output(["xprop", "-id", str(window)]))
        self.assertTrue(self.desktop.output(["xdotool", "search", "--class", "almanor"]))
        self.assertEqual(self.folder.note_files(), [])
        self.assertFalse(self.folder.exists("options.cfg"))

    def test_edge_strip_opens_the_parked_window(self):
        program = self.start()
        program.calendar_window()
        wait_for(lambda: program.window_x() >= SCREEN_WIDTH - 30, what="the slide away")
        time.sleep(0.5)
        self.desktop.move_mouse(program.window_x() + 1, SCREEN_HEIGHT // 2)
        self.desktop.move_mouse(program.window_x() + 2, SCREEN_HEIGHT // 2 + 5)
        program.wait_open()

    def test_typing_a_note_writes_the_exact_record(self):
        self.folder.write("options.cfg", SETTINGS_KEEP_OPEN)
        program = self.start()
        program.wait_open()
        program.click("note")
        self.desktop.type_text('Call Ann, 5pm "today"')
        today = datetime.date.today()
        expected = (b'"dailynotes","Call Ann, 5pm \x94today\x94","' +
                    today.strftime("%m/%d/%Y").encode() + b'",""\r\n')
        wait_for(lambda: self.folder.exists(note_name(today)) and
                 self.folder.read(note_name(today)) == expected, what="the note file")
        for _ in range(len('Call Ann, 5pm "today"')):
            self.desktop.key("BackSpace")
        wait_for(lambda: not self.folder.exists(note_name(today)),
                 what="the emptied note's file to go")

    def test_switching_days_leaves_every_file_untouched(self):
        self.folder.write("options.cfg", SETTINGS_KEEP_OPEN)
        today = datetime.date.today()
        for offset in (-1, 0, 1):
            day = today + datetime.timedelta(days=offset)
            self.folder.write(note_name(day), record(f"note {offset}\r\nsecond line", day,
                                                     "7:00:00 AM" if offset else ""))
        time.sleep(0.05)
        before = self.folder.snapshot()
        program = self.start()
        program.wait_open()
        program.click("calendar")
        for key in ("Left", "Left", "Right", "Right", "Right", "Left"):
            self.desktop.key(key)
            time.sleep(0.15)
        program.click("forward")
        program.click("back")
        time.sleep(0.5)
        self.assertEqual(self.folder.snapshot(), before)

    def test_alarm_set_a_few_seconds_ahead_fires_its_message(self):
        self.folder.write("options.cfg", SETTINGS_KEEP_OPEN)
        program = self.start()
        program.wait_open()
        program.click("note")
        self.desktop.type_text("Stretch")
        program.click("alarm")
        dialog = wait_for(lambda: self.desktop.windows_named("Alarm Time"),
                          what="the alarm time dialog")[0]
        moment = datetime.datetime.now() + datetime.timedelta(seconds=6)
        self.desktop.run(["xdotool", "windowactivate", "--sync", str(dialog)], check=False)
        self.desktop.key("ctrl+a")
        self.desktop.type_text(moment.strftime("%H:%M:%S"))
        self.desktop.key("Return")
        today = datetime.date.today()
        wait_for(lambda: self.folder.read(note_name(today)) ==
                 record("Stretch", today, time_of_day_text(moment)), what="the alarm saved")
        title = re.compile(r"^\d{1,2}:\d\d:\d\d [AP]M$")

        def alarm_box():
            names = self.desktop.output(["xdotool", "search", "--onlyvisible", "--name", "M$"])
            for window in names.split():
                name = self.desktop.output(["xdotool", "getwindowname", window]).strip()
                if title.match(name):
                    return name
            return None
        shown = wait_for(alarm_box, timeout=20, what="the alarm's message")
        fired = datetime.datetime.strptime(shown, "%I:%M:%S %p").time()
        self.assertGreaterEqual(fired.replace(microsecond=0), moment.time().replace(microsecond=0))

    def test_purge_at_start_up_removes_exactly_the_old_notes(self):
        self.folder.write("options.cfg", SETTINGS_KEEP_OPEN.replace(b"30,#FALSE#", b"30,#TRUE#", 1))
        today = datetime.date.today()
        kept, gone = [], []
        for age in (0, 1, 29, 30, 31, 32, 400):
            day = today - datetime.timedelta(days=age)
            self.folder.write(note_name(day), record(f"{age} days old", day))
            (gone if age > 30 else kept).append(note_name(day))
        program = self.start()
        program.wait_open()
        wait_for(lambda: self.folder.note_files() == sorted(kept), what="the purge")
        time.sleep(0.3)
        self.assertEqual(self.folder.note_files(), sorted(kept))

    def test_quit_answered_with_ok_ends_the_program_at_once(self):
        self.folder.write("options.cfg", SETTINGS_KEEP_OPEN)
        program = self.start()
        program.wait_open()
        program.click("quit")
        box = wait_for(lambda: self.desktop.windows_named("Quit\\?"), what="the quit question")[0]
        self.desktop.run(["xdotool", "windowactivate", "--sync", str(box)], check=False)
        self.desktop.key("Return")
        wait_for(lambda: not program.running(), timeout=5, what="the program to end")


if __name__ == "__main__":
    if not RUNNABLE:
        sys.exit("ALMANOR_APP_DIR must name the runnable application folder")
    unittest.main(verbosity=2)
