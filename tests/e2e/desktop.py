"""A virtual X desktop (Xvfb, a window manager and a notification area) and the means to drive
the real program on it as a person would: mouse, keyboard, screen and files."""

import os
import shutil
import subprocess
import tempfile
import time

SCREEN_WIDTH = 1280
SCREEN_HEIGHT = 800
TWIPS_PER_PIXEL = 15


def wait_for(condition, timeout=10.0, interval=0.05, what="condition"):
    """Polls until condition() is truthy; fails the test after `timeout` seconds."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)


class Desktop:
    def __init__(self):
        self.display = None
        self.env = dict(os.environ)
        self.env.pop("QT_QPA_PLATFORM", None)
        self.processes = []

    def start(self):
        # The server picks a free display number itself and writes it to the pipe.
        read_end, write_end = os.pipe()
        self.processes.append(subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
             f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}x24", "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("the X server did not start")
        self.display = ":" + number
        self.env["DISPLAY"] = self.display
        wait_for(lambda: self.run(["xdpyinfo"], check=False).returncode == 0,
                 what="the X server")
        self._spawn(["openbox"])
        wait_for(lambda: "_NET_SUPPORTING_WM_CHECK" in self.output(["xprop", "-root"]),
                 what="the window manager")
        self._spawn(["trayer", "--edge", "top", "--align", "right", "--widthtype", "request",
                     "--height", "24", "--SetDockType", "true"])
        wait_for(lambda: self.windows_named("panel"), what="the notification area")

    def stop(self):
        for process in reversed(self.processes):
            process.terminate()
        for process in reversed(self.processes):
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()

    def _spawn(self, command):
        process = subprocess.Popen(command, env=self.env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        self.processes.append(process)
        return process

    def run(self, command, check=True):
        return subprocess.run(command, env=self.env, capture_output=True, text=True,
                              check=check, timeout=20)

    def output(self, command):
        return self.run(command, check=False).stdout

    # Windows ----------------------------------------------------------------------------
    def windows_named(self, name):
        result = self.run(["xdotool", "search", "--onlyvisible", "--name", f"^{name}$"],
                          check=False)
        return [int(w) for w in result.stdout.split()]

    def window_geometry(self, window):
        """(x, y, width, height) of a window as the X server reports it."""
        values = {}
        for line in self.output(["xdotool", "getwindowgeometry", "--shell",
                                 str(window)]).splitlines():
            key, _, value = line.partition("=")
            values[key] = int(value)
        return values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]

    def screenshot(self, path, window=None):
        target = ["-window", "root"] if window is None else ["-window", str(window)]
        self.run(["import", *target, path], check=False)

    # Mouse and keyboard ------------------------------------------------------------------
    def move_mouse(self, x, y):
        self.run(["xdotool", "mousemove", str(x), str(y)])

    def click(self, x, y, button=1, repeat=1):
        self.run(["xdotool", "mousemove", str(x), str(y), "click", "--repeat", str(repeat),
                  "--delay", "80", str(button)])

    def type_text(self, text):
        self.run(["xdotool", "type", "--delay", "40", text])

    def key(self, *keys):
        self.run(["xdotool", "key", "--delay", "40", *keys])

    def clipboard_text(self):
        return self.output(["xclip", "-selection", "clipboard", "-o"])


class AppFolder:
    """A copy of the runnable application folder in a temporary directory."""

    def __init__(self, runnable_folder):
        self.root = tempfile.mkdtemp(prefix="almanor-e2e-")
        self.path = os.path.join(self.root, "Almanor")
        shutil.copytree(runnable_folder, self.path)
        for name in os.listdir(self.path):
            if name.endswith(".dnf") or name == "options.cfg":
                os.remove(os.path.join(self.path, name))

    def remove(self):
        shutil.rmtree(self.root, ignore_errors=True)

    def file(self, name):
        return os.path.join(self.path, name)

    def write(self, name, data):
        with open(self.file(name), "wb") as f:
            f.write(data)

    def read(self, name):
        with open(self.file(name), "rb") as f:
            return f.read()

    def exists(self, name):
        return os.path.exists(self.file(name))

    def note_files(self):
        return sorted(n for n in os.listdir(self.path) if n.endswith(".dnf"))

    def snapshot(self):
        """Every file's bytes and modification time."""
        result = {}
        for name in os.listdir(self.path):
            full = self.file(name)
            result[name] = (self.read(name), os.stat(full).st_mtime_ns)
        return result
