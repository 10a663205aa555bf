"""End-to-end checks of the real program in a virtual X session, driven only as a person
would: mouse moves, clicks and key presses; results read from the screen and the files."""

import contextlib
import datetime
import hashlib
import json
import os
import pathlib
import re
import shutil
import signal
import stat
import subprocess
import sys
import tempfile
import time
import unittest
import wave
from pathlib import Path
from unittest import mock

from desktop import (AppFolder, Desktop, SCREEN_HEIGHT, SCREEN_RIGHT, TWIPS_PER_PIXEL,
                     seconds_heard, wait_for)

RUNNABLE = os.environ.get("ALMANOR_APP_DIR", "")
if not RUNNABLE:
    sys.exit("ALMANOR_APP_DIR must name the runnable application folder")
ARTEFACTS = os.environ.get("ALMANOR_E2E_ARTEFACTS", "")
# The windows' rectangles, name: (left, top, width, height) in twips, as the build wrote them
# from the program's own layouts; a manual run finds them beside the application folder.
with open(os.environ.get("ALMANOR_E2E_LAYOUT") or os.path.join(
        os.path.dirname(os.path.abspath(RUNNABLE)), "window-layout.json")) as layout_file:
    LAYOUTS = json.load(layout_file)
LAYOUT, OVERVIEW = LAYOUTS["calendar_window"], LAYOUTS["overview"]
CALENDAR = LAYOUT["calendar"]
LAYOUT["weekdays"] = (CALENDAR[0], CALENDAR[1] + 360, CALENDAR[2], 150)  # the day names' row
WINDOW_WIDTH, WINDOW_HEIGHT = (round(v / TWIPS_PER_PIXEL) for v in LAYOUT["window"][2:])
OPEN_X = SCREEN_RIGHT - WINDOW_WIDTH

SETTINGS_KEEP_OPEN = (b'30,#FALSE#,#TRUE#,#FALSE#,"300",#TRUE#,#TRUE#,#FALSE#,#TRUE#,#TRUE#,'
                      b'"alarm.wav","chime.wav"\r\n')
SETTINGS_SLIDE_NOT_ON_TOP = (b'30,#FALSE#,#FALSE#,#TRUE#,"300",#TRUE#,#TRUE#,#FALSE#,#TRUE#,#TRUE#,'
                             b'"alarm.wav","chime.wav"\r\n')
# The defaults with "Always On Top" and "Slide Away On Open" unchecked.
SETTINGS_NEITHER_ON_TOP_NOR_SLIDING = (b'30,#FALSE#,#FALSE#,#FALSE#,"300",#TRUE#,#TRUE#,#TRUE#,'
                                       b'#TRUE#,#TRUE#,"alarm.wav","chime.wav"\r\n')

# The tray menu's commands in their order; the separator after "Options" takes no key press.
TRAY_MENU = ("Options", "About", "Exit")


# A note of 10 MB: words and line breaks, as a note pasted from a long document would be.
HUGE_NOTE = b"A long line of words that goes on. " * 100 + b"\r\n"
HUGE_NOTE *= (10 * 1024 * 1024) // len(HUGE_NOTE) + 1


def record(text, date, alarm=""):
    return (b'"dailynotes","' + text.encode("cp1252") + b'","' +
            date.strftime("%m/%d/%Y").encode() + b'","' + alarm.encode() + b'"\r\n')


def note_name(date):
    return date.strftime("%Y%m%d") + ".dnf"


def middle(rect):
    left, top, width, height = rect
    return (round((left + width / 2) / TWIPS_PER_PIXEL),
            round((top + height / 2) / TWIPS_PER_PIXEL))


def fingerprints(folder):
    """Every file's name, a digest of its bytes and its modification time."""
    return {name: (hashlib.sha256(data).hexdigest(), mtime)
            for name, (data, mtime) in folder.snapshot().items()}


def time_of_day_text(moment):
    hour = moment.hour % 12 or 12
    return f"{hour}:{moment.minute:02d}:{moment.second:02d} {'AM' if moment.hour < 12 else 'PM'}"


class RunningProgram:
    def __init__(self, desktop, folder, command=None, env=None):
        self.desktop = desktop
        self.folder = folder
        # Started from another working folder: the program must find its own folder itself.
        self.process = subprocess.Popen(command or [folder.file("almanor")], cwd="/",
                                        env=env or desktop.env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)

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
        dx, dy = middle(LAYOUT[name])
        return x + dx, y + dy

    def click(self, name, button=1):
        self.desktop.click(*self.spot(name), button=button)

    def wait_open(self):
        wait_for(lambda: self.window_x() == OPEN_X, what="the window to be open")

    def wait_splash_gone(self):
        """Waits for the start's splash (the about window for two seconds) to go."""
        wait_for(lambda: not self.desktop.windows_named("About"), what="the splash to go")

    def wait_parked(self):
        # Window managers may keep a slightly wider strip on screen than the two pixels asked for.
        wait_for(lambda: self.window_x() >= SCREEN_RIGHT - 30, what="the window to be parked")

    # The notification area ----------------------------------------------------------------
    def tray_icon(self):
        """Screen position of the middle of the program's icon in the notification area."""
        def find():
            icons = self.desktop.embedded_icons("almanor")
            return icons[0] if len(icons) == 1 else None
        _, x, y, width, height = wait_for(find, what="the tray icon")
        return x + width // 2, y + height // 2

    def click_tray(self, button=1, repeat=1):
        self.desktop.click(*self.tray_icon(), button=button, repeat=repeat)

    def open_tray_menu(self):
        self.click_tray(button=3)

        # A window of its own, which the window manager does not frame: not the icon itself,
        # not its tooltip.
        def menu():
            icons = {icon[0] for icon in self.desktop.embedded_icons("almanor")}
            for window in self.desktop.windows_of_class("almanor"):
                if (window not in icons and self.desktop.is_override_redirect(window) and
                        "_NET_WM_WINDOW_TYPE_TOOLTIP" not in self.desktop.window_type(window)):
                    return window
            return None
        return wait_for(menu, what="the tray menu")

    def choose_in_tray_menu(self, menu, item):
        self.desktop.key(*["Down"] * (TRAY_MENU.index(item) + 1), "Return")
        wait_for(lambda: not self.desktop.is_viewable(menu), what="the tray menu to close")

    def exit_from_tray(self):
        self.choose_in_tray_menu(self.open_tray_menu(), "Exit")

    # Other windows ------------------------------------------------------------------------
    def message_box(self):
        """A message of the program: a dialog captioned like the calendar window."""
        calendar = self.calendar_window()
        return wait_for(lambda: [w for w in self.desktop.windows_named("Almanor") if w != calendar
                                 and "DIALOG" in self.desktop.window_type(w)],
                        what="the message")[0]

    def options_window(self):
        """The options window: the other managed window captioned like the calendar window."""
        calendar = self.calendar_window()

        def find():
            named = self.desktop.windows_named("Almanor")
            for window in self.desktop.managed_windows():
                if window != calendar and window in named:
                    return window
            return None
        return wait_for(find, what="the options window")

    def focus(self, window):
        """Clicks into the window's margin, where no control is, and waits for it to be active."""
        self.desktop.click_in(window, 3, 3)
        wait_for(lambda: self.desktop.active_window() == window, what="the window to be active")

    def wait_for_ticks(self, changes=2):
        """Waits for the clock shown to change: twice, and a full second has ticked; once, and the
        program has had its once-a-second look at the shown note's file."""
        left, top, width, height = (round(v / TWIPS_PER_PIXEL) for v in LAYOUT["clock"])

        def clock():
            rgb = self.desktop.pixels(self.calendar_window())
            rows = (((top + y) * WINDOW_WIDTH + left) * 3 for y in range(height))
            return [rgb[start:start + width * 3] for start in rows]
        for _ in range(changes):
            shown = clock()
            wait_for(lambda: clock() != shown, what="the clock to go on")

    def read_note_box(self):
        """The note field's text, copied to the clipboard by the keys a person would use."""
        self.click("note")
        self.desktop.key("ctrl+a", "ctrl+c")


class EndToEnd(unittest.TestCase):
    desktop = None

    @classmethod
    def setUpClass(cls):
        cls.desktop = Desktop()
        try:
            cls.desktop.start()
        except BaseException:
            cls.desktop.stop()  # tearDownClass does not run when this fails
            raise

    @classmethod
    def tearDownClass(cls):
        cls.desktop.stop()

    def setUp(self):
        self.folder = AppFolder(RUNNABLE)
        self.program = None
        self.programs = []
        # A trash of the test's own, where the program's deletes go.
        trash_home = mock.patch.dict(self.desktop.env,
                                     XDG_DATA_HOME=os.path.join(self.folder.root, "data"))
        trash_home.start()
        self.addCleanup(trash_home.stop)

    def tearDown(self):
        self.shoot(self.id().split(".")[-1])
        for program in self.programs:
            program.stop()
        self.folder.remove()

    def start(self):
        self.program = RunningProgram(self.desktop, self.folder)
        self.programs.append(self.program)
        return self.program

    def start_open(self, settings=SETTINGS_KEEP_OPEN):
        """Starts the program with these settings and waits for its window to be open."""
        self.folder.write("options.cfg", settings)
        self.start().wait_open()
        return self.program

    def shoot(self, name):
        """Saves a screenshot of the screen as a test artefact."""
        if ARTEFACTS:
            os.makedirs(ARTEFACTS, exist_ok=True)
            self.desktop.screenshot(os.path.join(ARTEFACTS, name + ".png"))

    def open_window_on_top(self, text, x, y):
        """Another program's window at (x, y), in front of everything but the top layer."""
        other = subprocess.Popen(["xmessage", "-geometry", f"+{x}+{y}", text], env=self.desktop.env,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

        def stop():
            other.terminate()
            other.wait(timeout=5)
        self.addCleanup(stop)
        return wait_for(lambda: (self.desktop.windows_named("xmessage") or [None])[0],
                        what="the other program's window")

    def is_above(self, upper, lower):
        order = self.desktop.stacking_order()
        return upper in order and lower in order and order.index(upper) > order.index(lower)

    def test_first_start_on_an_empty_folder(self):
        program = self.start()
        window = program.calendar_window()
        # Slides away after it is shown, leaving the strip at the edge (window managers may
        # keep a slightly wider strip on screen than the two pixels asked for).
        wait_for(lambda: program.window_x() >= SCREEN_RIGHT - 30, what="the slide away")
        wait_for(self.hint_balloons, what="the first start's hint, once the window has gone")
        self.assertGreaterEqual(program.window_x(), SCREEN_RIGHT - 30)
        x, y, _, _ = self.desktop.window_geometry(window)
        self.assertEqual(y, round((SCREEN_HEIGHT - WINDOW_HEIGHT) / 2))
        self.assertIn("_NET_WM_STATE_ABOVE", self.desktop.output(["xprop", "-id", str(window)]))
        self.assertEqual(self.folder.note_files(), [])
        self.assertFalse(self.folder.exists("options.cfg"))

    def test_edge_strip_opens_the_parked_window(self):
        program = self.start()
        program.calendar_window()
        wait_for(lambda: program.window_x() >= SCREEN_RIGHT - 30, what="the slide away")
        wait_for(self.hint_balloons, what="the first start's hint, once the window has gone")
        # Anywhere on the strip the window manager leaves on screen, not only its first pixels.
        x = (program.window_x() + SCREEN_RIGHT) // 2
        self.desktop.move_mouse(x, SCREEN_HEIGHT // 2)
        self.desktop.move_mouse(x + 1, SCREEN_HEIGHT // 2 + 5)
        program.wait_open()

    def test_typing_a_note_writes_the_exact_record(self):
        program = self.start_open()
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

    def set_alarm_ahead(self, program, text):
        """Types the note's text and sets its alarm a few seconds ahead; returns that moment."""
        program.click("note")
        self.desktop.type_text(text)
        program.click("alarm")
        dialog = wait_for(lambda: self.desktop.windows_named("Alarm Time"),
                          what="the alarm time dialog")[0]
        moment = datetime.datetime.now() + datetime.timedelta(seconds=6)
        self.desktop.activate(dialog)
        self.desktop.key("ctrl+a")
        self.desktop.type_text(moment.strftime("%H:%M:%S"))
        self.desktop.key("Return")
        today = datetime.date.today()
        wait_for(lambda: self.folder.read(note_name(today)) ==
                 record(text, today, time_of_day_text(moment)), what="the alarm saved")
        return moment

    def alarm_window(self, kind="Alarm"):
        """The shown alarm window of this kind ("Alarm – 5:23 PM") and its title."""
        def find():
            for window in self.desktop.windows_named(kind + " .*"):
                return window, self.desktop.output(["xdotool", "getwindowname", str(window)])
            return None
        return wait_for(find, timeout=20, what=f"the window '{kind}'")

    def write_missed_alarm(self, text):
        """Today's note with its alarm two minutes gone by."""
        moment = datetime.datetime.now() - datetime.timedelta(minutes=2)
        if moment.date() != datetime.date.today():
            self.skipTest("too close to midnight for an alarm of today gone by")
        self.folder.write(note_name(moment.date()),
                          record(text, moment.date(), time_of_day_text(moment)))

    def test_a_pipe_named_like_the_alarm_sound_stops_neither_the_alarm_nor_the_clock(self):
        # Nothing to play: what shows is the message, and the clock going on after it.
        os.remove(self.folder.file("alarm.wav"))
        os.mkfifo(self.folder.file("alarm.wav"))
        program = self.start_open()
        self.set_alarm_ahead(program, "Stretch")
        self.desktop.answer(self.alarm_window()[0], "Return")
        program.wait_for_ticks()

    def test_purge_at_start_up_removes_exactly_the_old_notes(self):
        today = datetime.date.today()
        # The limit as written, after a byte-order mark some editors add, and a first field
        # that is no number (the file counts as unreadable: defaults, no purge).
        for first_field, limit in ((b"30", 30), (b"\xef\xbb\xbf30", 30), (b"abc", None)):
            ago = [today - datetime.timedelta(days=n) for n in range(403)]
            conflict_copy = note_name(ago[400])[:8] + " (copy).dnf"
            self.folder.write(conflict_copy, record("a sync tool's copy", today))
            kept = [conflict_copy]  # not a note file of this program: never deleted
            # Only a note old by both its date field and its name goes; a file that is no note
            # stays, as does one whose date field is no date.
            for name, content in ((note_name(ago[2]), record("dated old", ago[400])),
                                  (note_name(ago[401]), record("dated new", today)),
                                  (note_name(ago[402]), b"no record"),
                                  (note_name(ago[32]), b'"dailynotes","x","12/09/10000",""\r\n')):
                self.folder.write(name, content)
                kept.append(name)
            for age in (0, 1, 29, 30, 31, 400):
                day = today - datetime.timedelta(days=age)
                self.folder.write(note_name(day), record(f"{age} days old", day))
                if limit is None or age <= limit:
                    kept.append(note_name(day))
            self.folder.write("options.cfg", first_field + SETTINGS_KEEP_OPEN.replace(
                b"30,#FALSE#", b",#TRUE#", 1))
            program = self.start()
            program.calendar_window()
            wait_for(lambda: self.folder.note_files() == sorted(kept),
                     what=f"the purge by {first_field}")
            if limit is None:  # the defaults: the window slides away once it has started
                program.wait_parked()
            else:
                program.wait_for_ticks()
            self.assertEqual(self.folder.note_files(), sorted(kept))
            program.stop()

    def test_tray_menu_shows_about_and_options_whose_changes_a_restart_honours(self):
        program = self.start()
        window = program.calendar_window()
        program.wait_parked()
        self.assertIn("_NET_WM_STATE_ABOVE", self.desktop.net_wm_state(window))
        parked = self.desktop.window_geometry(window)

        # Once the splash has gone, About brings it back.
        program.wait_splash_gone()
        program.choose_in_tray_menu(program.open_tray_menu(), "About")
        about = wait_for(lambda: self.desktop.windows_named("About"), what="the about window")
        self.desktop.answer(about[0], "Escape")
        wait_for(lambda: not self.desktop.windows_named("About"), what="Escape to close About")

        menu = program.open_tray_menu()
        program.choose_in_tray_menu(menu, "Options")
        options = program.options_window()
        program.focus(options)
        self.desktop.key("space")  # "Always On Top", the first control, has the focus
        self.desktop.key("Tab", "space")  # "Slide Away On Open"
        _, _, width, height = self.desktop.client_rect(options)
        self.desktop.click_in(options, width - 25, height - 20)  # Apply, in the corner
        wait_for(lambda: self.folder.exists("options.cfg") and
                 self.folder.read("options.cfg") == SETTINGS_NEITHER_ON_TOP_NOR_SLIDING,
                 what="the settings file")
        wait_for(lambda: "_NET_WM_STATE_ABOVE" not in self.desktop.net_wm_state(window),
                 what="the calendar window to leave the top layer")
        self.assertEqual(self.desktop.window_geometry(window), parked)

        program.exit_from_tray()
        wait_for(lambda: not program.running(), timeout=2, what="the program to end")
        wait_for(lambda: not self.desktop.embedded_icons("almanor"), timeout=2,
                 what="the tray icon to go")

        program = self.start()
        window = program.calendar_window()
        program.wait_open()
        program.tray_icon()
        program.wait_for_ticks()  # far longer than a slide away takes to begin
        self.assertEqual(program.window_x(), OPEN_X)
        self.assertNotIn("_NET_WM_STATE_ABOVE", self.desktop.net_wm_state(window))
        self.assertEqual(self.folder.read("options.cfg"), SETTINGS_NEITHER_ON_TOP_NOR_SLIDING)
        program.exit_from_tray()
        wait_for(lambda: not program.running(), timeout=2, what="the program to end")
        wait_for(lambda: not self.desktop.embedded_icons("almanor"), timeout=2,
                 what="the tray icon to go")

    def test_tray_click_brings_the_window_to_the_front_and_double_click_slides_it(self):
        self.folder.write("options.cfg", SETTINGS_SLIDE_NOT_ON_TOP)
        program = self.start()
        window = program.calendar_window()
        program.wait_parked()
        parked_x = program.window_x()
        other = self.open_window_on_top("In front of the calendar window", SCREEN_RIGHT - 150,
                                        SCREEN_HEIGHT // 2)
        wait_for(lambda: self.is_above(other, window), what="the other window in front")

        program.click_tray()
        wait_for(lambda: self.is_above(window, other),
                 what="a left click on the tray icon to bring the calendar window to the front")
        self.assertEqual(program.window_x(), parked_x)
        self.assertNotIn("_NET_WM_STATE_ABOVE", self.desktop.net_wm_state(window))

        time.sleep(0.6)  # so that the next click does not count as the end of a double click
        program.click_tray(repeat=2)
        program.wait_open()
        program.click_tray(repeat=2)
        program.wait_parked()

    def test_view_all_lists_copies_and_goes_to_the_date_of_a_note(self):
        self.folder.write("options.cfg", SETTINGS_KEEP_OPEN)
        today = datetime.date.today()
        old_day = datetime.date(1999, 3, 5)
        notes = [  # newest first, as the list shows them
            (today, "Buy bread", ""),
            (datetime.date(2024, 4, 10), "Caf\u00e9 at ten\r\nthen the bank", ""),
            (old_day, "Dentist", "7:00:00 AM"),
        ]
        for day, text, alarm in notes:
            self.folder.write(note_name(day), record(text, day, alarm))
        before = self.folder.snapshot()
        program = self.start()
        program.wait_open()
        program.read_note_box()
        wait_for(lambda: self.desktop.clipboard_bytes() == b"Buy bread", what="today's note")

        program.click("all")
        program.click("view")
        overview = wait_for(lambda: self.desktop.windows_named("View All Notes"),
                            what="the notes overview window")[0]
        self.assertEqual(self.desktop.client_rect(overview)[2:], (424, 181))
        self.desktop.click_in(overview, *middle(OVERVIEW["copy"]))
        expected = "Almanor Notes."
        for day, text, alarm in notes:
            expected += "\r\n" + day.strftime("%m/%d/%Y") + "  -  "
            expected += (alarm + "  -  " if alarm else "") + text
        wait_for(lambda: self.desktop.clipboard_bytes() == expected.encode("utf-8"),
                 what="the list on the clipboard")

        self.desktop.click_in(overview, 60, 54)  # the first line, under the search field
        self.desktop.key("End")  # the last line: the oldest note
        self.desktop.click_in(overview, *middle(OVERVIEW["goto"]))
        program.read_note_box()
        wait_for(lambda: self.desktop.clipboard_bytes() == b"Dentist",
                 what="the calendar window to show the note of the chosen date")
        self.assertTrue(self.desktop.is_viewable(overview))

        self.desktop.click_in(overview, *middle(OVERVIEW["close"]))
        wait_for(lambda: self.desktop.is_unmapped(overview), what="the overview window to hide")
        program.click("view")
        wait_for(lambda: self.desktop.windows_named("View All Notes") == [overview],
                 what="the same overview window again")

        # Ctrl+F in the calendar window: two words, in another order and without the accent.
        self.desktop.answer(program.calendar_window(), "ctrl+f")
        wait_for(lambda: self.desktop.active_window() == overview, what="the search field")
        self.desktop.type_text("bank cafe")
        self.desktop.click_in(overview, *middle(OVERVIEW["copy"]))
        found = "Almanor Notes.\r\n04/10/2024  -  Caf\u00e9 at ten\r\nthen the bank"
        wait_for(lambda: self.desktop.clipboard_bytes() == found.encode("utf-8"),
                 what="the lines found on the clipboard")
        self.assertEqual(self.folder.snapshot(), before)

    def test_hostile_note_files_are_left_as_they_are(self):
        self.folder.write("options.cfg", SETTINGS_KEEP_OPEN)
        today = datetime.date.today()

        def day(offset):
            return today + datetime.timedelta(days=offset)

        def date_field(offset):
            return day(offset).strftime("%m/%d/%Y").encode()
        # A hostile file on each of the seven days before today, huge notes on the next two
        # days, and files whose names are no dates.
        hostile = {
            note_name(day(-7)): b"",
            note_name(day(-6)): b'"dailynotes","half a no',
            note_name(day(-5)): (b'"dailynotes","he said "hi"\r\nand\rleft\n","' + date_field(-5) +
                                 b'","10:00:00 AM"\r\n"stray\r\n'),
            note_name(day(-4)): (b'"dailynotes","nul\x00inside\x00 \x81\x8d\x8f\x90\x9d","' +
                                 date_field(-4) + b'","7:00:00 AM"\r\n'),
            note_name(day(-3)): (b'\xef\xbb\xbf"dailynotes","after a byte order mark","' +
                                 date_field(-3) + b'","8:00:00 AM"\r\n'),
            note_name(day(-2)): b'"dailynotes","no such day","02/31/2001","9:00:00 AM"\r\n',
            note_name(day(-1)): b'"dailynotes","\r\n\r\n"\r\n\r\n',
            note_name(day(1)): b'"dailynotes","' + HUGE_NOTE + b'","' + date_field(1) + b'",""\r\n',
            # 10 MB in one run of characters, as encoded data pasted into a note would be.
            note_name(day(2)): (b'"dailynotes","' + b"0123456789abcdef" * (10 * 1024 * 1024 // 16) +
                                b'","' + date_field(2) + b'",""\r\n'),
            "2001.dnf": b'"dailynotes","short name","01/01/2001",""\r\n',
            "20011301.dnf": b'"dailynotes","month thirteen","13/01/2001","11:00:00 AM"\r\n',
            "20010231.dnf": b'"dailynotes","february 31","02/31/2001","11:00:00 AM"\r\n',
        }
        for name, data in hostile.items():
            self.folder.write(name, data)
        # A pipe for today and a link to an endless device on another day of the month.
        os.mkfifo(self.folder.file(note_name(today)))
        os.symlink("/dev/zero", self.folder.file(note_name(today.replace(
            day=28 if today.day < 15 else 1))))
        before = fingerprints(self.folder)
        program = self.start()
        program.wait_open()
        program.click("note")
        self.desktop.type_text("not saved over the pipe")
        program.click("weekdays")  # the calendar takes the keys; no day is chosen
        steps = [(lambda: self.desktop.key("Left"), day(offset).isoformat())
                 for offset in range(-1, -8, -1)]
        steps.append((lambda: program.click("today"), "today"))
        steps.append((lambda: self.desktop.key("Right"), day(1).isoformat()))
        steps.append((lambda: self.desktop.key("Right"), day(2).isoformat()))
        stuck = self.take_steps_then_quit(program, steps)
        self.assertEqual(fingerprints(self.folder), before)
        if stuck:
            self.fail(stuck)

    def test_a_settings_file_that_is_a_pipe_is_told_and_the_defaults_apply(self):
        os.mkfifo(self.folder.file("options.cfg"))
        program = self.start()
        window = program.calendar_window()
        box = program.message_box()
        wait_for(lambda: "_NET_WM_STATE_ABOVE" in self.desktop.net_wm_state(window),
                 what="the window on top, as by default")
        self.desktop.answer(box, "Return")
        wait_for(lambda: not self.desktop.is_viewable(box), what="the message to close")
        self.assertTrue(stat.S_ISFIFO(os.lstat(self.folder.file("options.cfg")).st_mode))

    def test_a_second_start_on_the_folder_shows_the_running_program_and_ends(self):
        # A lock file in the folder stops no start: an empty one (a power cut), another host's
        # (a sync tool's copy).
        for leftover in (b"", b"4242\nalmanor\nanother-host\n"):
            if self.program:
                self.program.stop()
            self.folder.write("almanor.lock", leftover)
            program = self.start()
            wait_for(lambda: self.windows_of(program), what="the program's window")
        first = self.program
        first.wait_parked()
        second = self.start()
        wait_for(lambda: not second.running(), what="the second start to end")
        self.assertEqual(second.process.returncode, 0)
        first.wait_open()
        self.assertTrue(first.running())
        # Waited for: under load a search can miss the window while the ended start's go away.
        wait_for(lambda: len([w for w in self.desktop.windows_named("Almanor")
                              if self.desktop.window_geometry(w)[2:] ==
                              (WINDOW_WIDTH, WINDOW_HEIGHT)]) == 1, what="one calendar window")

    def windows_of(self, program):
        return self.desktop.output(["xdotool", "search", "--onlyvisible", "--pid",
                                    str(program.process.pid)]).split()

    def test_a_second_start_says_so_when_the_running_program_does_not_answer(self):
        first = self.start()
        first.wait_parked()
        os.kill(first.process.pid, signal.SIGSTOP)
        second = self.start()
        message = wait_for(lambda: self.windows_of(second), what="the message")
        self.desktop.answer(int(message[0]), "Return")
        wait_for(lambda: not second.running(), what="the second start to end")
        self.assertNotEqual(second.process.returncode, 0)
        os.kill(first.process.pid, signal.SIGCONT)

    def test_every_way_of_ending_takes_the_lock_and_the_socket_away(self):
        runtime = tempfile.mkdtemp(prefix="almanor-runtime-")
        self.addCleanup(shutil.rmtree, runtime, ignore_errors=True)
        with mock.patch.dict(self.desktop.env, XDG_RUNTIME_DIR=runtime):
            for end in ("Exit", signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
                if end != "Exit" and signal.getsignal(end) == signal.SIG_IGN:
                    continue  # ignored from the start on, as `nohup` asks
                program = self.start()
                program.tray_icon()
                self.assertEqual(len(os.listdir(runtime)), 2, "the lock and the socket")
                if end == "Exit":
                    program.exit_from_tray()
                else:
                    program.process.send_signal(end)
                wait_for(lambda: not program.running(), what=f"the end by {end}")
                self.assertEqual(program.process.returncode, 0)
                self.assertEqual(os.listdir(runtime), [])
            # Under nohup the hang-up stays ignored, and the program goes on.
            self.folder.write("options.cfg", SETTINGS_KEEP_OPEN)
            program = RunningProgram(self.desktop, self.folder,
                                     command=["nohup", self.folder.file("almanor")])
            self.programs.append(program)
            program.wait_open()
            program.process.send_signal(signal.SIGHUP)
            program.wait_for_ticks()
            self.assertTrue(program.running(), "ended by a hang-up nohup ignores")

    def test_closing_the_window_through_the_window_manager_parks_it(self):
        program = self.start_open()
        window = program.calendar_window()
        self.desktop.answer(window, "alt+F4")
        program.wait_parked()
        self.assertTrue(program.running())
        program.click_tray(repeat=2)
        program.wait_open()

    def test_typing_after_a_window_closes_reaches_the_note(self):
        program = self.start()
        window = program.calendar_window()
        program.wait_parked()
        x = (program.window_x() + SCREEN_RIGHT) // 2  # the edge strip slides it out
        self.desktop.move_mouse(x, SCREEN_HEIGHT // 2)
        self.desktop.move_mouse(x + 1, SCREEN_HEIGHT // 2 + 5)
        program.wait_open()
        today = datetime.date.today()
        typed = ""
        # A click into the note box, the options window closed by the window manager, the alarm
        # time dialog closed by Escape: each time the keyboard is the note box's.
        for step, letter in (("click", "A"), ("options", "B"), ("alarm", "C")):
            if step == "options":
                self.desktop.key("ctrl+o")
                options = program.options_window()
                wait_for(lambda: self.desktop.focused_window() == options, what="options focused")
                self.desktop.key("alt+F4")
            elif step == "alarm":
                program.click("alarm")
                dialog = wait_for(lambda: self.desktop.windows_named("Alarm Time"),
                                  what="the alarm time dialog")[0]
                self.desktop.answer(dialog, "Escape")
            else:
                program.click("note")
            wait_for(lambda: self.desktop.focused_window() == window,
                     what=f"the keyboard back in the calendar window after {step}")
            self.desktop.type_text(letter)
            typed += letter
            wait_for(lambda: self.folder.exists(note_name(today)) and
                     self.folder.read(note_name(today)) == record(typed, today),
                     what=f"{typed!r} in the note")

    # Beside synchronising tools and other editors -------------------------------------------
    def test_a_note_another_program_changes_is_shown_and_not_written_over(self):
        today = datetime.date.today()
        self.folder.write(note_name(today), record("Written here", today))
        program = self.start_open()
        theirs = record("Written on the laptop", today)
        self.folder.write(note_name(today), theirs)
        wait_for(lambda: program.read_note_box() or
                 self.desktop.clipboard_bytes() == b"Written on the laptop", timeout=2.0,
                 what="the other program's note within 2 s")
        program.wait_for_ticks()
        self.assertEqual(self.folder.read(note_name(today)), theirs)

    def test_a_note_another_program_changes_while_the_user_types_keeps_both_texts(self):
        today = datetime.date.today()
        program = self.start_open()
        program.click("note")
        self.desktop.type_text("Mine")
        wait_for(lambda: self.folder.exists(note_name(today)) and
                 self.folder.read(note_name(today)) == record("Mine", today), what="the note")
        # As cp does: the file is emptied in place, and written after a pause the other
        # program takes, long enough for the once-a-second look to find the file empty (and
        # shorter than the two seconds after which an unchanging file is taken as it is).
        with open(self.folder.file(note_name(today)), "r+b") as note:
            note.truncate(0)
            note.flush()
            self.desktop.type_text("!")
            program.wait_for_ticks(changes=1)
            note.write(record("Theirs", today))
        wait_for(lambda: re.match(rb'"dailynotes","Theirs\r\n\r\n-+ .* -+\r\nMine!"',
                                  self.folder.read(note_name(today))), what="both texts in the file")
        calendar = program.calendar_window()
        box = wait_for(lambda: [w for w in self.desktop.windows_named("Almanor") if w != calendar],
                       what="the message that both are kept")[0]
        self.desktop.answer(box, "Return")
        program.read_note_box()
        wait_for(lambda: re.match(rb"Theirs\n\n-+ .* -+\nMine", self.desktop.clipboard_bytes()),
                 what="both texts in the window")

    def test_keys_typed_while_a_failed_save_is_told_reach_the_note_and_are_saved_later(self):
        today = datetime.date.today()
        disk = tempfile.mkdtemp(prefix="almanor-e2e-disk-")
        if subprocess.run(["mount", "-t", "tmpfs", "-o", "size=64m", "tmpfs", disk]).returncode:
            self.skipTest("a small disk needs mount rights")
        self.addCleanup(os.rmdir, disk)
        self.addCleanup(subprocess.run, ["umount", "-l", disk])
        self.folder.path = shutil.copytree(self.folder.path, os.path.join(disk, "Almanor"))
        program = self.start_open()
        # Unbuffered: a buffered file would fail again at its close, flushing what the disk refused.
        with open(os.path.join(disk, "filler"), "wb", buffering=0) as filler:
            try:
                while True:
                    filler.write(b"\0" * 65536)
            except OSError:
                pass
        program.click("note")
        self.desktop.type_text("abc")
        calendar = program.calendar_window()
        wait_for(lambda: [w for w in self.desktop.windows_named("Almanor") if w != calendar],
                 what="the notice that the note was not saved")
        self.desktop.type_text("def")
        os.remove(os.path.join(disk, "filler"))
        wait_for(lambda: self.folder.exists(note_name(today)) and
                 self.folder.read(note_name(today)) == record("abcdef", today),
                 what="every key saved once the disk takes it")

    def take_steps_then_quit(self, program, steps):
        """Takes each step (an action, the day it leads to; each shown within a bound), then quits
        with OK. Returns None, or how the program stopped answering (it is then ended)."""
        window = program.calendar_window()
        try:
            for act, day in steps:
                picture = self.desktop.pixels(window)
                act()
                wait_for(lambda: self.desktop.pixels(window) != picture, timeout=10,
                         what=f"the calendar window to show {day}")
            program.click("quit")
            box = wait_for(lambda: self.desktop.windows_named("Quit\\?"),
                           what="the quit question")[0]
            self.desktop.answer(box, "Return")
            wait_for(lambda: not program.running(), timeout=5, what="the program to end")
        except AssertionError as failure:
            program.stop()
            return f"the program stopped answering: {failure}"
        return None

    def answer_file_dialog(self, owner, path):
        """Chooses `path` (or cancels) in Qt's file dialog of the focused button, back in owner."""
        self.desktop.key("space")
        dialog = wait_for(lambda: self.desktop.windows_named("Open Wav"), what="the file dialog")
        self.desktop.activate(dialog[0])
        if path:
            self.desktop.type_text(path)
        self.desktop.key("Return" if path else "Escape")
        wait_for(lambda: not self.desktop.windows_named("Open Wav"), what="the dialog to close")
        wait_for(lambda: self.desktop.active_window() == owner, what="the owner to be active")

    def test_a_sound_chosen_in_the_file_dialog_is_applied_and_cancel_keeps_the_setting(self):
        program = self.start_open()
        bell = os.path.join(self.folder.root, "bell.wav")
        shutil.copy(self.folder.file("alarm.wav"), bell)
        program.click("options")
        options = program.options_window()
        program.focus(options)
        self.desktop.key(*["Tab"] * 6)  # "Select Alarm Sound", past the four boxes and the speeds
        self.answer_file_dialog(options, None)
        self.answer_file_dialog(options, bell)
        self.desktop.key(*["Tab"] * 3)  # "Select Chime Sound"
        self.answer_file_dialog(options, None)
        _, _, width, height = self.desktop.client_rect(options)
        self.desktop.click_in(options, width - 25, height - 20)  # Apply, in the corner
        chosen = SETTINGS_KEEP_OPEN.replace(b'"alarm.wav"', b'"' + bell.encode() + b'"')
        wait_for(lambda: self.folder.read("options.cfg") == chosen, what="the chosen sound saved")

    def test_alarm_set_a_few_seconds_ahead_fires_its_message_once_its_sound_has_played(self):
        with wave.open(self.folder.file("alarm.wav")) as wav:
            length = wav.getnframes() / wav.getframerate()
        heard = os.path.join(self.folder.root, "heard.raw")
        with contextlib.nullcontext() if self.desktop.no_sound else self.desktop.listening(heard):
            moment = self.set_alarm_ahead(self.start_open(), "Stretch")
            _, shown = self.alarm_window()
        self.assertTrue(shown.strip().endswith(time_of_day_text(moment).replace(":00 ", " ")))
        if self.desktop.no_sound:
            self.skipTest(f"what was heard: {self.desktop.no_sound}")
        sound, silence = seconds_heard(heard)
        # All of the sound comes before the message (not cut short, not skipped), and the
        # message right after it, not once the time allowed for the sound has run out.
        self.assertGreater(sound, length * 0.8)
        self.assertLess(silence, 1.0)

    def test_an_installed_program_keeps_its_notes_in_the_users_data_folder(self):
        # The package's unpacked tree, else this folder read-only in a mount namespace of its own.
        root = os.environ.get("ALMANOR_INSTALLED_ROOT")
        data = os.path.join(self.folder.root, "data", "almanor")
        os.makedirs(data)
        with open(os.path.join(data, "options.cfg"), "wb") as settings:
            settings.write(SETTINGS_KEEP_OPEN)
        command = [os.path.join(root, "usr/bin/almanor")] if root else [
            "unshare", "--map-root-user", "--mount", "sh", "-c",
            'mount --bind -o ro "$0" "$0" && exec "$0/almanor"', self.folder.path]
        env = dict(self.desktop.env, XDG_DATA_HOME=os.path.dirname(data), HOME=self.folder.root)
        self.program = RunningProgram(self.desktop, self.folder, command, env)
        self.programs.append(self.program)
        self.program.wait_open()
        self.program.click("note")
        self.desktop.type_text("Installed")
        today = datetime.date.today()
        note = os.path.join(data, note_name(today))
        wait_for(lambda: os.path.exists(note) and pathlib.Path(note).read_bytes() ==
                 record("Installed", today), what="the note in the data folder")
        self.assertEqual(self.folder.note_files(), [])

    def run_command(self, option):
        return subprocess.run([self.folder.file("almanor"), option], env=self.desktop.env,
                              capture_output=True, timeout=30)

    def test_toggle_from_the_command_line_slides_the_window_out_and_away(self):
        program = self.start()
        program.wait_parked()
        for arrived in (program.wait_open, program.wait_parked):
            self.assertEqual(self.run_command("--toggle").returncode, 0)
            arrived()
        program.stop()
        hidden = self.run_command("--hide")
        self.assertEqual((hidden.returncode, hidden.stderr.count(b"almanor: ")), (1, 1))

    def hint_balloons(self):
        """The tray icon's balloons: tooltip windows taller than the icon's one-line tooltip."""
        return [w for w in self.desktop.windows_of_class("almanor")
                if self.desktop.is_override_redirect(w) and
                "_NET_WM_WINDOW_TYPE_TOOLTIP" in self.desktop.window_type(w) and
                self.desktop.window_geometry(w)[3] > 40]

    def test_a_first_start_says_once_where_the_window_went(self):
        self.desktop.move_mouse(10, SCREEN_HEIGHT - 10)  # far from the icon and its tooltip
        for first in (True, False):
            program = self.start()
            program.wait_parked()
            if first:
                wait_for(self.hint_balloons, what="the hint")
                program.exit_from_tray()
                wait_for(lambda: not program.running(), what="the program to end")
            else:
                menu = program.open_tray_menu()  # after the park: a hint would be there by now
                self.assertEqual(self.hint_balloons(), [])
                program.choose_in_tray_menu(menu, "Exit")
        self.assertFalse(self.folder.exists("options.cfg"))

    def test_a_missed_alarm_is_told_once_and_not_again_after_a_restart(self):
        self.write_missed_alarm("Dentist")
        self.start_open()
        self.alarm_window("Missed alarm")
        self.program.stop()
        self.start().wait_for_ticks()
        self.assertEqual(self.desktop.windows_named("Missed alarm .*"), [])

    def test_an_alarm_leaves_the_keys_with_the_window_typed_in(self):
        self.set_alarm_ahead(self.start_open(), "Stretch")
        typed = os.path.join(self.folder.root, "typed")
        terminal = subprocess.Popen(["xterm", "-T", "typing", "-e", "sh", "-c", "cat > " + typed],
                                    env=self.desktop.env, stderr=subprocess.DEVNULL)
        self.addCleanup(lambda: (terminal.kill(), terminal.wait()))
        self.desktop.activate(wait_for(lambda: self.desktop.windows_named("typing"),
                                       what="the terminal")[0])
        self.desktop.type_text("before")
        self.alarm_window()
        self.desktop.key("space", "Return")  # what answered the modal box of old
        wait_for(lambda: os.path.exists(typed) and Path(typed).read_text() == "before \n",
                 what="the keys in the terminal")

    def test_an_alarm_is_also_a_notice_whose_dismiss_closes_the_window(self):
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address"],
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.addCleanup(lambda: (bus.kill(), bus.wait()))
        with bus.stdout:
            address = bus.stdout.readline().strip()
        with mock.patch.dict(self.desktop.env, DBUS_SESSION_BUS_ADDRESS=address):
            server = subprocess.Popen(["/usr/bin/python3", os.path.join(os.path.dirname(
                __file__), "notification_server.py"), self.folder.path], env=self.desktop.env)
            self.addCleanup(lambda: (server.kill(), server.wait()))
            notices = Path(self.folder.file("notices.json"))
            wait_for(notices.exists, what="the notification service")
            self.write_missed_alarm("Dentist")
            self.start_open()
        notice = wait_for(lambda: json.loads(notices.read_text()), what="the notice")[0]
        self.assertTrue(notice["summary"].startswith("Missed alarm – "))
        self.assertEqual(notice["actions"], ["snooze", "Snooze", "dismiss", "Dismiss"])
        hints = notice["hints"]  # the icon as 64 x 64 pixels, 4 bytes each
        self.assertEqual((hints["urgency"], hints["desktop-entry"], len(hints["image-data"][6])),
                         (2, "almanor", 64 * 64 * 4))
        self.alarm_window("Missed alarm")
        self.folder.write("answer.tmp", b"dismiss")
        os.replace(self.folder.file("answer.tmp"), self.folder.file("answer"))
        wait_for(lambda: not self.desktop.windows_named("Missed alarm .*"),
                 what="the window to close")
        wait_for(lambda: json.loads(notices.read_text())[0].get("closed"),
                 what="the answered notice to be taken away")

    def in_trash(self, kind="files"):
        folder = os.path.join(self.folder.root, "data", "Trash", kind)
        return sorted(os.listdir(folder)) if os.path.isdir(folder) else []

    def test_clear_puts_the_note_in_the_trash_and_ctrl_z_brings_it_back(self):
        today = datetime.date.today()
        note = record("Bring me back", today, "7:00:00 AM")
        self.folder.write(note_name(today), note)
        program = self.start_open()
        program.click("clear")
        wait_for(lambda: self.in_trash() == [note_name(today)], what="the note in the trash")
        self.assertFalse(self.folder.exists(note_name(today)))
        self.desktop.answer(program.calendar_window(), "ctrl+z")
        wait_for(lambda: self.folder.exists(note_name(today)), what="the note back")
        self.assertEqual(self.folder.read(note_name(today)), note)
        self.assertEqual(self.in_trash() + self.in_trash("info"), [])

    def test_enter_on_delete_all_notes_deletes_nothing(self):
        today = datetime.date.today()
        self.folder.write(note_name(today), record("Stay", today))
        program = self.start_open()
        program.click("all")
        program.click("clear")
        box = wait_for(lambda: self.desktop.windows_named(r"Delete\?"), what="the question")[0]
        self.desktop.answer(box, "Return")
        wait_for(lambda: not self.desktop.windows_named(r"Delete\?"), what="the question to close")
        self.assertEqual(self.folder.note_files(), [note_name(today)])
        self.assertEqual(self.in_trash(), [])

    def test_keep_both_merges_another_machines_version_of_the_note(self):
        today = datetime.date.today()
        copy = today.strftime("%Y%m%d") + " (conflicted copy 2026-12-06 101010).dnf"
        self.folder.write(note_name(today), record("Mine", today))
        self.folder.write(copy, record("Theirs", today))
        program = self.start_open()
        x, y, _, _ = self.desktop.window_geometry(program.calendar_window())
        left, top, width, height = LAYOUT["note"]
        # The command stands over the note's last line once the look at the folder behind the
        # window found the other version; until then a click there only puts the caret.
        def merged():
            self.desktop.click(x + round((left + width / 2) / TWIPS_PER_PIXEL),
                               y + round((top + height * 0.9) / TWIPS_PER_PIXEL))
            return re.match(rb'"dailynotes","Mine\r\n\r\n-+ .* -+\r\nTheirs"',
                            self.folder.read(note_name(today)))
        wait_for(merged, what="both versions")
        wait_for(lambda: self.in_trash() == [copy], what="the copy in the trash")
        self.assertFalse(self.folder.exists(copy))

    def test_the_overview_speaks_german_under_a_german_locale_and_english_as_before(self):
        """Under en_US as under the C locale; LANG need not name an installed locale."""
        _, top, _, height = OVERVIEW["copy"]
        looks = {}
        for lang, title in (("C.UTF-8", "View All Notes"), ("en_US.UTF-8", "View All Notes"),
                            ("de_DE.UTF-8", "Alle Notizen")):
            folder = AppFolder(RUNNABLE)
            self.addCleanup(folder.remove)
            folder.write("options.cfg", SETTINGS_KEEP_OPEN)
            with mock.patch.dict(self.desktop.env, LANG=lang, LANGUAGE="", LC_ALL="",
                                 LC_MESSAGES=""):
                program = RunningProgram(self.desktop, folder)
            self.programs.append(program)
            program.wait_open()
            program.click("all")
            program.click("view")
            overview = wait_for(lambda: self.desktop.windows_named(title),
                                what=f"the overview titled {title}")[0]
            self.desktop.move_mouse(0, 0)  # no button under the mouse
            row = self.desktop.client_rect(overview)[2] * 3
            first, last = round(top / TWIPS_PER_PIXEL), round((top + height) / TWIPS_PER_PIXEL)
            pictures = []

            def settled():  # the same picture of the buttons twice in a row
                pictures.append(self.desktop.pixels(overview)[first * row:last * row])
                return len(pictures) > 1 and pictures[-1] == pictures[-2] and pictures[-1]
            looks[lang] = wait_for(settled, what="the buttons drawn")
            program.stop()
        self.assertEqual(looks["en_US.UTF-8"], looks["C.UTF-8"])
        self.assertNotEqual(looks["de_DE.UTF-8"], looks["C.UTF-8"])


if __name__ == "__main__":
    unittest.main(verbosity=2)
