"""Measures the real program in a virtual X session on folders of 0, 10,000 and 100,000 notes:
the time from starting it to its calendar window on screen (warm file cache, and cold where
the machine lets this script drop the cache), the processor time it spends after that until
it is idle (above all reading the list of all notes on another thread), the processor time one
month switch costs (Ctrl+PgDown), the time from a key typed into today's note to the note file
holding it (median and slowest of a series), the time the notes overview takes to open, and
the memory after the start.
Then, with the notes overview closed and again with it open: the month switch, a key every
600 ms, and the idle program's wake-ups and file stats per second; with it open, the longest
time the program's main thread stays away from its event loop while this script adds, changes
and removes 1,000 note files.
Each figure stands beside the empty folder's of the same run. A measurement, not a test.
With --hostile, the folders instead hold what a user's folder can hold in place of a note or
the settings (a pipe, a link to /dev/zero, a 200 MB file).

    python3 bench/real_program.py [--app-dir build/Almanor] [--sizes 0,10000,100000] [--hostile]

Needs what the end-to-end suite needs (Xvfb, openbox, trayer, xdotool), and strace and perf."""

import argparse
import ctypes
import datetime
import json
import os
import re
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from desktop import AppFolder, Desktop, TWIPS_PER_PIXEL, wait_for  # noqa: E402

SETTINGS = (b'30,#FALSE#,#FALSE#,#FALSE#,"300",#TRUE#,#TRUE#,#FALSE#,#TRUE#,#TRUE#,'
            b'"alarm.wav","chime.wav"\r\n')
SWITCHES = 24
KEYSTROKES = 30
KEY_EVERY = 0.6  # seconds from one key to the next, as a person types slowly
IDLE = 10  # seconds of watching the idle program
CHANGED_NOTES = 1000
TICKS = os.sysconf("SC_CLK_TCK")
# The system calls that look a file up: glibc's fstat is newfstatat on this machine.
STAT_CALLS = {"stat", "lstat", "fstat", "newfstatat", "statx", "stat64", "lstat64", "fstat64",
              "fstatat64"}
# One line of `perf trace`: its start in ms from the tracer's start, how long it took, the call.
TRACED_CALL = re.compile(r"^\s*(?P<start>[\d.]+) \(\s*(?P<took>[\d.]+) ms\): "
                         r"(?:\S+ )?(?P<name>p?poll)\((?P<arguments>.*)\)\s+=")
NO_TIMEOUT = 2**32 - 1


def note_record(day, number):
    text = f"Note {number}: " + "words of a day " * (number % 20)
    alarm = "9:00:00 AM" if number % 7 == 0 else ""
    return f'"dailynotes","{text}","{day:%m/%d/%Y}","{alarm}"\r\n'.encode()


def note_name(day):
    return day.strftime("%Y%m%d") + ".dnf"


def write_notes(folder, count):
    day = datetime.date.today()
    for i in range(count):
        folder.write(note_name(day), note_record(day, i))
        day -= datetime.timedelta(days=1)


def warm(folder):
    for name in os.listdir(folder.path):
        if os.path.isfile(folder.file(name)) and not os.path.islink(folder.file(name)):
            with open(folder.file(name), "rb") as f:
                f.read()


def drop_file_cache():
    subprocess.run(["sync"], check=False)
    try:
        with open("/proc/sys/vm/drop_caches", "w") as f:
            f.write("3\n")
        return True
    except OSError:
        return False


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICKS


def settle(pid, first=3.0):
    """Waits until the program stops using the processor; by default at least 3 s, as it reads
    the list of all notes on another thread, beginning a second after its window shows."""
    time.sleep(first)
    last = cpu_seconds(pid)
    for _ in range(600):
        time.sleep(0.5)
        now = cpu_seconds(pid)
        if now - last <= 1 / TICKS:
            return
        last = now


def resident_mb(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    return float("nan")


class Layout:
    """The calendar window's rectangles in twips, as the build wrote them beside the
    application folder (the end-to-end suite reads the same file, which has the overview's too)."""

    def __init__(self, app_dir):
        with open(os.path.join(os.path.dirname(os.path.abspath(app_dir)),
                               "window-layout.json")) as f:
            self.rects = json.load(f)["calendar_window"]

    def window_size(self):
        return tuple(round(v / TWIPS_PER_PIXEL) for v in self.rects["window"][2:])

    def middle(self, name):
        """A hotspot's middle in pixels from the window's corner."""
        left, top, width, height = self.rects[name]
        return round((left + width / 2) / TWIPS_PER_PIXEL), round((top + height / 2) /
                                                                   TWIPS_PER_PIXEL)


def calendar_window(desktop, layout):
    for window in desktop.windows_named("Almanor"):
        if desktop.window_geometry(window)[2:] == layout.window_size():
            return window
    return None


def start(desktop, folder, layout):
    begun = time.monotonic()
    process = subprocess.Popen([folder.file("almanor")], cwd="/", env=desktop.env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    window = wait_for(lambda: calendar_window(desktop, layout), timeout=120, interval=0.005,
                      what="the calendar window")
    return process, window, time.monotonic() - begun


def stop(process):
    process.kill()
    process.wait(timeout=10)
    time.sleep(0.5)


def today_note(folder):
    return folder.file(note_name(datetime.date.today()))


def big_note(folder):
    with open(today_note(folder), "wb") as f:
        f.truncate(200 * 1024 * 1024)


# What the folder holds instead of a note or the settings, each measured on its own.
HOSTILE = {
    "empty folder": lambda folder: None,
    "pipe as today's note": lambda folder: os.mkfifo(today_note(folder)),
    "/dev/zero as today's note": lambda folder: os.symlink("/dev/zero", today_note(folder)),
    "200 MB today's note": big_note,
    "pipe as options.cfg": lambda folder: (os.remove(folder.file("options.cfg")),
                                           os.mkfifo(folder.file("options.cfg"))),
}


def activate(desktop, window):
    desktop.run(["xdotool", "windowactivate", "--sync", str(window)], check=False)


def switch_cpu_ms(desktop, window, pid):
    """Processor time per month switch, counted from a series of switches."""
    activate(desktop, window)
    desktop.click_in(window, 200, 150)  # a day of the calendar, which takes the keys
    time.sleep(0.5)
    before = cpu_seconds(pid)
    desktop.key(*["ctrl+Next"] * SWITCHES)
    settle(pid, first=1.5)
    return (cpu_seconds(pid) - before) * 1000 / SWITCHES


class KeySender:
    """Sends the key "x" through the XTest extension from this process: no program to start per
    key, so the time measured is the program's own, from the key sent to the file written."""

    def __init__(self, display):
        self.xlib = ctypes.cdll.LoadLibrary("libX11.so.6")
        self.xtest = ctypes.cdll.LoadLibrary("libXtst.so.6")
        self.xlib.XOpenDisplay.restype = ctypes.c_void_p
        self.xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.xlib.XStringToKeysym.restype = ctypes.c_ulong
        self.xlib.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.xlib.XFlush.argtypes = self.xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.xtest.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                                 ctypes.c_ulong]
        self.display = self.xlib.XOpenDisplay(display.encode())
        self.code = self.xlib.XKeysymToKeycode(self.display, self.xlib.XStringToKeysym(b"x"))

    def press(self):
        for down in (1, 0):
            self.xtest.XTestFakeKeyEvent(self.display, self.code, down, 0)
        self.xlib.XFlush(self.display)

    def close(self):
        self.xlib.XCloseDisplay(self.display)


def keystroke_ms(desktop, window, layout, note, every=None):
    """Types into today's note one key at a time; each time is from sending the key until the
    file holds it. A key goes `every` seconds after the one before (at once when that one landed
    later); without `every`, 0.1 s after the one before landed. Returns the times sorted."""
    activate(desktop, window)
    desktop.key("ctrl+t")
    desktop.click_in(window, *layout.middle("note"))
    sender = KeySender(desktop.display)
    times = []
    for _ in range(KEYSTROKES):
        size = os.path.getsize(note) if os.path.exists(note) else 0
        begun = time.monotonic()
        sender.press()
        wait_for(lambda: os.path.exists(note) and os.path.getsize(note) > size, timeout=10,
                 interval=0.0002, what="the keystroke in the note file")
        times.append((time.monotonic() - begun) * 1000)
        time.sleep(0.1 if every is None else max(0.0, begun + every - time.monotonic()))
    sender.close()
    return sorted(times)


def percentiles(times):
    """The median, the 90th percentile and the slowest of sorted times."""
    return times[len(times) // 2], times[len(times) * 9 // 10], times[-1]


def voluntary_switches(pid):
    """Each thread's count of the times it gave up the processor to wait: its wake-ups."""
    counts = {}
    for thread in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{thread}/status") as f:
                for line in f:
                    if line.startswith("voluntary_ctxt_switches:"):
                        counts[thread] = int(line.split()[1])
        except FileNotFoundError:
            pass  # the thread ended meanwhile
    return counts


def idle_rates(pid):
    """Wake-ups per second of all the program's threads, then, separately, since tracing wakes
    it too, its file stats per second as strace counts them."""
    before = voluntary_switches(pid)
    time.sleep(IDLE)
    after = voluntary_switches(pid)
    wakeups = sum(count - before.get(thread, 0) for thread, count in after.items()) / IDLE
    with tempfile.NamedTemporaryFile("r", prefix="almanor-strace-") as summary:
        tracer = subprocess.Popen(["strace", "-f", "-c", "-o", summary.name, "-p", str(pid)],
                                  stderr=subprocess.DEVNULL)
        time.sleep(IDLE)
        tracer.send_signal(signal.SIGINT)
        tracer.wait(timeout=30)
        stats = 0
        for line in summary:
            fields = line.split()
            if len(fields) >= 5 and fields[-1] in STAT_CALLS:
                stats += int(fields[3])
    return wakeups, stats / IDLE


def is_event_loop_wait(name, arguments):
    """Whether a traced poll is the event loop's wait. libxcb also polls, on the main thread,
    when the X server is slow to take a request: one descriptor and no time limit."""
    found = dict(re.findall(r"(\w+): (\w+)", arguments))
    return name == "ppoll" or not (found.get("nfds") == "1" and
                                   int(found.get("timeout_msecs", "0")) == NO_TIMEOUT)


def longest_stall_ms(trace_lines):
    """The longest time between the end of one event loop wait and the start of the next, and
    the time from the first wait's start to the last one's end."""
    gaps, first, ended = [], None, None
    for line in trace_lines:
        if "LOST" in line:
            raise RuntimeError("perf trace lost events: " + line.strip())
        call = TRACED_CALL.match(line)
        if not call or not is_event_loop_wait(call["name"], call["arguments"]):
            continue
        begun = float(call["start"])
        if ended is None:
            first = begun
        else:
            gaps.append(begun - ended)
        ended = begun + float(call["took"])
    if not gaps:
        raise RuntimeError("perf trace saw the event loop wait less than twice")
    return max(gaps), ended - first


def change_notes(folder):
    """What a program that synchronises the folder does: adds 1,000 notes on days that have
    none, rewrites each of them with another text, and removes them again."""
    days = [datetime.date.today() + datetime.timedelta(days=i) for i in
            range(1, CHANGED_NOTES + 1)]
    for number, day in enumerate(days):
        folder.write(note_name(day), note_record(day, number))
    for number, day in enumerate(days):
        folder.write(note_name(day), note_record(day, number + 1))
    for day in days:
        os.remove(folder.file(note_name(day)))


def stall_while_notes_change(folder, pid):
    """Traces the main thread's waits with perf, whose kernel side costs the program next to
    nothing (strace stops the thread at every system call, which made a scan of the folder
    twenty times slower)."""
    with tempfile.NamedTemporaryFile("r", prefix="almanor-perf-") as trace:
        tracer = subprocess.Popen(["perf", "trace", "-t", str(pid), "-e", "poll,ppoll",
                                   "-o", trace.name], stderr=subprocess.DEVNULL)
        time.sleep(2)  # perf's start; it writes nothing before it ends, so checked below
        changed = time.monotonic()
        change_notes(folder)
        settle(pid, first=1)
        watched = (time.monotonic() - changed) * 1000
        tracer.send_signal(signal.SIGINT)
        tracer.wait(timeout=30)
        longest, traced = longest_stall_ms(trace)
    if traced < watched:
        raise RuntimeError(f"perf trace began after the notes began to change: {traced:.0f} ms "
                           f"traced of {watched:.0f}")
    return longest


def open_overview(desktop, window, layout):
    x, y, _, _ = desktop.window_geometry(window)
    desktop.click(x + layout.middle("all")[0], y + layout.middle("all")[1])
    begun = time.monotonic()
    desktop.click(x + layout.middle("view")[0], y + layout.middle("view")[1])
    wait_for(lambda: desktop.windows_named("View All Notes"), timeout=120, interval=0.005,
             what="the overview")
    return time.monotonic() - begun


def measure(desktop, runnable, layout, count, prepare=None):
    folder = AppFolder(runnable)
    try:
        folder.write("options.cfg", SETTINGS)
        figures = {"notes": count}
        if prepare:
            HOSTILE[prepare](folder)
            figures["notes"] = prepare
        else:
            write_notes(folder, count)
        if drop_file_cache() and not prepare:
            process, _, figures["start cold s"] = start(desktop, folder, layout)
            stop(process)
        warm(folder)
        process, window, figures["start s"] = start(desktop, folder, layout)
        pid = process.pid
        shown = cpu_seconds(pid)
        settle(pid)
        figures["cpu after start s"] = cpu_seconds(pid) - shown
        figures["memory MB"] = resident_mb(pid)
        if prepare:
            stop(process)  # only the start is in question, and a message may hold the window
            return figures
        figures["wakeups closed"], figures["stats closed"] = idle_rates(pid)
        figures["switch cpu ms"] = switch_cpu_ms(desktop, window, pid)
        figures["key p50 ms"], _, figures["key max ms"] = percentiles(
            keystroke_ms(desktop, window, layout, today_note(folder)))
        figures["keys closed"] = percentiles(
            keystroke_ms(desktop, window, layout, today_note(folder), KEY_EVERY))
        figures["overview s"] = open_overview(desktop, window, layout)
        settle(pid, first=1)
        figures["wakeups open"], figures["stats open"] = idle_rates(pid)
        figures["switch open ms"] = switch_cpu_ms(desktop, window, pid)
        figures["keys open"] = percentiles(
            keystroke_ms(desktop, window, layout, today_note(folder), KEY_EVERY))
        figures["stall ms"] = stall_while_notes_change(folder, pid)
        stop(process)
        return figures
    finally:
        folder.remove()


def cell(row, base, column):
    value = row.get(column)
    if value is None:
        return "n/a"
    if column == "notes":
        return value if isinstance(value, str) else f"{value:,}"
    if isinstance(value, tuple):
        return " / ".join(f"{part:.1f}" for part in value)
    text = f"{value:.3f}" if column.endswith(" s") else f"{value:.1f}"
    if row is not base and base.get(column) and column in RATIO_COLUMNS:
        text += f" ({value / base[column]:.1f}x)"
    return text


def print_table(rows, columns):
    """A table to paste into the README."""
    print("| " + " | ".join(title for title, _ in columns) + " |")
    print("|" + "---|" * len(columns))
    for row in rows:
        print("| " + " | ".join(cell(row, rows[0], column) for _, column in columns) + " |")
    print()


STARTS = [("notes", "notes"), ("start, warm s", "start s"), ("start, cold s", "start cold s"),
          ("CPU after the start s", "cpu after start s"),
          ("CPU per month switch ms", "switch cpu ms"), ("key p50 ms", "key p50 ms"),
          ("key max ms", "key max ms"), ("overview opens s", "overview s"),
          ("memory MB", "memory MB")]
OVERVIEW = [("notes", "notes"), ("switch CPU ms, closed", "switch cpu ms"),
            ("switch CPU ms, open", "switch open ms"),
            ("key p50 / p90 / max ms, closed", "keys closed"),
            ("key p50 / p90 / max ms, open", "keys open"),
            ("wake-ups/s, closed", "wakeups closed"), ("wake-ups/s, open", "wakeups open"),
            ("stats/s, closed", "stats closed"), ("stats/s, open", "stats open"),
            ("longest stall ms, open", "stall ms")]
HOSTILE_COLUMNS = [("folder", "notes"), ("start, warm s", "start s"),
                   ("CPU after the start s", "cpu after start s"), ("memory MB", "memory MB")]
RATIO_COLUMNS = {"start s", "start cold s", "switch cpu ms", "switch open ms", "key p50 ms",
                 "key max ms", "overview s", "stall ms"}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--app-dir", default="build/Almanor")
    parser.add_argument("--sizes", default="0,10000,100000")
    parser.add_argument("--hostile", action="store_true")
    args = parser.parse_args()
    layout = Layout(args.app_dir)
    desktop = Desktop()
    desktop.start()
    try:
        if args.hostile:
            rows = [measure(desktop, args.app_dir, layout, 0, name) for name in HOSTILE]
        else:
            rows = [measure(desktop, args.app_dir, layout, int(n))
                    for n in args.sizes.split(",")]
    finally:
        desktop.stop()
    print("load average: %.2f %.2f %.2f" % os.getloadavg())
    if args.hostile:
        print_table(rows, HOSTILE_COLUMNS)
    else:
        print_table(rows, STARTS)
        print_table(rows, OVERVIEW)


if __name__ == "__main__":
    main()
