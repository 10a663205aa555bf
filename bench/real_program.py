"""Measures the real program in a virtual X session on folders of 0, 10,000 and 100,000 notes:
the time from starting it to its calendar window on screen (warm file cache, and cold where
the machine lets this script drop the cache), the processor time it spends after that until
it is idle (above all reading the list of all notes in steps), the processor time one month
switch costs
(Ctrl+PgDown), the time from a key typed into today's note to the note file holding it
(median and slowest of a series), the time the notes overview takes to open, and the memory
after the start.
Each figure stands beside the empty folder's of the same run. A measurement, not a test.
With --hostile, the folders instead hold what a user's folder can hold in place of a note or
the settings (a pipe, a link to /dev/zero, a 200 MB file).

    python3 bench/real_program.py [--app-dir build/Almanor] [--sizes 0,10000,100000] [--hostile]

Needs what the end-to-end suite needs (Xvfb, openbox, trayer, xdotool)."""

import argparse
import datetime
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from desktop import AppFolder, Desktop, wait_for  # noqa: E402

SETTINGS = (b'30,#FALSE#,#FALSE#,#FALSE#,"300",#TRUE#,#TRUE#,#FALSE#,#TRUE#,#TRUE#,'
            b'"alarm.wav","chime.wav"\r\n')
SWITCHES = 24
KEYSTROKES = 30
TICKS = os.sysconf("SC_CLK_TCK")


def write_notes(folder, count):
    day = datetime.date.today()
    for i in range(count):
        text = f"Note {i}: " + "words of a day " * (i % 20)
        alarm = "9:00:00 AM" if i % 7 == 0 else ""
        folder.write(day.strftime("%Y%m%d") + ".dnf",
                     f'"dailynotes","{text}","{day:%m/%d/%Y}","{alarm}"\r\n'.encode())
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


def settle(pid):
    """Waits until the program stops using the processor: it reads the list of all notes in
    steps, beginning a second after its window shows."""
    time.sleep(3)
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


def calendar_window(desktop):
    for window in desktop.windows_named("Almanor"):
        if desktop.window_geometry(window)[2:] == (281, 285):
            return window
    return None


def start(desktop, folder):
    begun = time.monotonic()
    process = subprocess.Popen([folder.file("almanor")], cwd="/", env=desktop.env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    window = wait_for(lambda: calendar_window(desktop), timeout=120, interval=0.005,
                      what="the calendar window")
    return process, window, time.monotonic() - begun


def stop(process):
    process.kill()
    process.wait(timeout=10)
    time.sleep(0.5)


def today_note(folder):
    return folder.file(datetime.date.today().strftime("%Y%m%d") + ".dnf")


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


def keystroke_ms(desktop, window, note):
    """Types into today's note one key at a time; each time is from sending the key until the
    file holds it (sending costs the same at any number of notes)."""
    desktop.key("ctrl+t")
    desktop.click_in(window, 140, 215)  # the note box
    times = []
    for _ in range(KEYSTROKES):
        size = os.path.getsize(note) if os.path.exists(note) else 0
        begun = time.monotonic()
        desktop.key("x")
        wait_for(lambda: os.path.exists(note) and os.path.getsize(note) > size, timeout=10,
                 interval=0.0005, what="the keystroke in the note file")
        times.append((time.monotonic() - begun) * 1000)
        time.sleep(0.1)
    times.sort()
    return times[len(times) // 2], times[-1]


def measure(desktop, runnable, count, prepare=None):
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
            process, _, figures["start cold s"] = start(desktop, folder)
            stop(process)
        warm(folder)
        process, window, figures["start s"] = start(desktop, folder)
        shown = cpu_seconds(process.pid)
        settle(process.pid)
        figures["cpu after start s"] = cpu_seconds(process.pid) - shown
        figures["memory MB"] = resident_mb(process.pid)
        if prepare:
            stop(process)  # only the start is in question, and a message may hold the window
            return figures
        desktop.run(["xdotool", "windowactivate", "--sync", str(window)], check=False)
        desktop.click_in(window, 200, 150)  # a day of the calendar, which takes the keys
        time.sleep(0.5)
        before = cpu_seconds(process.pid)
        desktop.key(*["ctrl+Next"] * SWITCHES)
        time.sleep(1.5)
        figures["switch cpu ms"] = (cpu_seconds(process.pid) - before) * 1000 / SWITCHES
        figures["key p50 ms"], figures["key max ms"] = keystroke_ms(desktop, window,
                                                                    today_note(folder))
        x, y, _, _ = desktop.window_geometry(window)
        desktop.click(x + 42, y + 70)  # "All"
        begun = time.monotonic()
        desktop.click(x + 91, y + 109)  # "view"
        wait_for(lambda: desktop.windows_named("View All Notes"), timeout=120, interval=0.005,
                 what="the overview")
        figures["overview s"] = time.monotonic() - begun
        stop(process)
        return figures
    finally:
        folder.remove()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--app-dir", default="build/Almanor")
    parser.add_argument("--sizes", default="0,10000,100000")
    parser.add_argument("--hostile", action="store_true")
    args = parser.parse_args()
    desktop = Desktop()
    desktop.start()
    try:
        if args.hostile:
            rows = [measure(desktop, args.app_dir, 0, name) for name in HOSTILE]
        else:
            rows = [measure(desktop, args.app_dir, int(n)) for n in args.sizes.split(",")]
    finally:
        desktop.stop()
    columns = ["notes", "start s", "start cold s", "cpu after start s", "switch cpu ms",
               "key p50 ms", "key max ms", "overview s", "memory MB"]
    print("load average: %.2f %.2f %.2f" % os.getloadavg())
    print(" | ".join(columns))
    base = rows[0]
    for row in rows:
        cells = []
        for column in columns:
            value = row.get(column)
            if value is None:
                cells.append("n/a")
            elif column == "notes":
                cells.append(value if isinstance(value, str) else f"{value:,}")
            elif base.get(column) and row is not base and column not in ("memory MB", "cpu after start s"):
                cells.append(f"{value:.3f} ({value / base[column]:.1f}x)")
            else:
                cells.append(f"{value:.3f}")
        print(" | ".join(cells))


if __name__ == "__main__":
    main()
