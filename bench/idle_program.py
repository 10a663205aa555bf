"""Measures what the real program costs while nothing happens: its calendar window shown on a
folder of notes, nobody at the keys. Over a stretch of seconds it counts how often the
program's threads wake (voluntary context switches) and, with strace, its file-status calls
(stat, statx, newfstatat, lstat), by the path they asked about. A measurement, not a test.

    python3 bench/idle_program.py [--app-dir build/Almanor] [--notes 3000] [--seconds 10]

Needs what the end-to-end suite needs (Xvfb, openbox, trayer, xdotool), and strace."""

import argparse
import collections
import glob
import os
import re
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from desktop import AppFolder, Desktop, wait_for  # noqa: E402
from real_program import SETTINGS, calendar_window, settle, write_notes  # noqa: E402

STAT_CALLS = "stat,statx,newfstatat,lstat,fstatat64,stat64,lstat64"


def wakeups_by_thread(pid):
    counts = {}
    for status in glob.glob(f"/proc/{pid}/task/*/status"):
        fields = {}
        try:
            with open(status) as f:
                for line in f:
                    key, _, value = line.partition(":")
                    fields[key] = value.strip()
        except OSError:
            continue  # the thread ended meanwhile
        counts[status.split("/")[4]] = (fields["Name"], int(fields["voluntary_ctxt_switches"]))
    return counts


def wakeups(pid, seconds):
    before = wakeups_by_thread(pid)
    time.sleep(seconds)
    after = wakeups_by_thread(pid)
    per_thread = collections.Counter()
    for tid, (name, count) in after.items():
        per_thread[name] += count - before.get(tid, (name, 0))[1]
    return per_thread


def stats(pid, seconds):
    with tempfile.NamedTemporaryFile("r", suffix=".strace") as log:
        tracer = subprocess.Popen(["strace", "-f", "-qq", "-e", f"trace={STAT_CALLS}", "-o",
                                   log.name, "-p", str(pid)], stderr=subprocess.DEVNULL)
        time.sleep(seconds)
        tracer.terminate()
        tracer.wait(timeout=10)
        paths = collections.Counter()
        for line in log:
            found = re.search(r'"([^"]*)"', line)
            paths[found.group(1) if found else line.split("(")[0].split()[-1]] += 1
        return paths


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--app-dir", default="build/Almanor")
    parser.add_argument("--notes", type=int, default=3000)
    parser.add_argument("--seconds", type=float, default=10)
    args = parser.parse_args()
    desktop = Desktop()
    desktop.start()
    folder = AppFolder(args.app_dir)
    process = None
    try:
        folder.write("options.cfg", SETTINGS)
        write_notes(folder, args.notes)
        process = subprocess.Popen([folder.file("almanor")], cwd="/", env=desktop.env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for(lambda: calendar_window(desktop), timeout=120, what="the calendar window")
        settle(process.pid)  # the list of all notes is read in steps after the start
        woke = wakeups(process.pid, args.seconds)
        asked = stats(process.pid, args.seconds)
    finally:
        if process:
            process.kill()
            process.wait(timeout=10)
        folder.remove()
        desktop.stop()
    print(f"{args.notes:,} notes, {args.seconds:g} s idle, load average %.2f" % os.getloadavg()[0])
    print("wake-ups a second: %.1f" % (sum(woke.values()) / args.seconds))
    for name, count in woke.most_common():
        print(f"    {name}: {count / args.seconds:.1f}")
    print("file status calls a second: %.1f" % (sum(asked.values()) / args.seconds))
    for path, count in asked.most_common():
        print(f"    {path}: {count / args.seconds:.1f}")


if __name__ == "__main__":
    main()
