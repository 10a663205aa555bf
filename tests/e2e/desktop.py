"""A virtual X desktop (Xvfb, a window manager and a notification area) and the means to drive
the real program on it as a person would: mouse, keyboard, screen and files."""

import array
import contextlib
import os
import re
import shutil
import stat
import subprocess
import tempfile
import time

# The primary screen. With ALMANOR_E2E_SCREENS=2 another screen lies left of it, so that the
# primary one begins at SCREEN_LEFT.
SCREEN_WIDTH = 1280
SCREEN_HEIGHT = 800
TWO_SCREENS = os.environ.get("ALMANOR_E2E_SCREENS") == "2"
SCREEN_LEFT = 1024 if TWO_SCREENS else 0
SCREEN_RIGHT = SCREEN_LEFT + SCREEN_WIDTH
# Xvfb offers no way to split its screen into monitors that Qt sees; Xorg's dummy driver does.
# Its one output covers both screens (the pointer cannot leave the outputs); the mode is what
# `cvt 2304 800` gives.
DUMMY_XORG_CONF = """Section "Device"
    Identifier "dummy"
    Driver "dummy"
    VideoRam 16000
EndSection
Section "Monitor"
    Identifier "monitor"
    HorizSync 5.0 - 1000.0
    VertRefresh 5.0 - 200.0
    Modeline "both" 150.50 2304 2424 2664 3024 800 803 813 831 -hsync +vsync
EndSection
Section "Screen"
    Identifier "screen"
    Device "dummy"
    Monitor "monitor"
    SubSection "Display"
        Modes "both"
        Virtual 2304 800
    EndSubSection
EndSection
"""
TWIPS_PER_PIXEL = 15
# The window manager of the session: openbox, or xfwm4 (Xfce's, which keeps its settings in
# xfconf and so wants a session bus).
WINDOW_MANAGERS = {"openbox": ["openbox"],
                   "xfwm4": ["dbus-launch", "--exit-with-session", "xfwm4", "--compositor=off"]}
WINDOW_MANAGER = os.environ.get("ALMANOR_E2E_WM", "openbox")

# One line of `xwininfo -tree`: id, name, class, size, position in the parent and on the screen.
TREE_LINE = re.compile(r'(?P<id>0x[0-9a-fA-F]+) .*\("(?P<res_name>[^"]*)" "(?P<res_class>[^"]*)"\)'
                       r'\s+(?P<w>\d+)x(?P<h>\d+)\S*\s+\+(?P<x>-?\d+)\+(?P<y>-?\d+)')


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


def seconds_heard(path):
    """How long a recording of the audio output holds sound, and how long the silence after
    the last sound is, to a hundredth of a second."""
    with open(path, "rb") as recording:
        data = recording.read()
    samples = array.array("h", data[:len(data) // 2 * 2])
    loud = [any(samples[i:i + 80]) for i in range(0, len(samples), 80)]
    last = max((i + 1 for i, block in enumerate(loud) if block), default=0)
    return sum(loud) / 100, (len(loud) - last) / 100


class Desktop:
    def __init__(self):
        self.display = None
        self.env = dict(os.environ)
        self.env.pop("QT_QPA_PLATFORM", None)
        self.processes = []
        self.sound_folder = tempfile.mkdtemp(prefix="almanor-sound-")
        self.no_sound = None  # why the desktop has no audio output, when it has none

    def start(self):
        # The server picks a free display number itself and writes it to the pipe.
        read_end, write_end = os.pipe()
        if TWO_SCREENS:
            self.scratch = tempfile.mkdtemp(prefix="almanor-xorg-")
            with open(os.path.join(self.scratch, "xorg.conf"), "w") as conf:
                conf.write(DUMMY_XORG_CONF)
            server = ["Xorg", "-config", os.path.join(self.scratch, "xorg.conf"),
                      "-logfile", os.path.join(self.scratch, "xorg.log")]
        else:
            server = ["Xvfb", "-screen", "0", f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}x24"]
        # -noreset: a server that starts afresh as its last client leaves drops the next to join.
        self.processes.append(subprocess.Popen(
            server + ["-displayfd", str(write_end), "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("the X server did not start")
        self.display = ":" + number
        self.env["DISPLAY"] = self.display
        wait_for(lambda: self.run(["xdpyinfo"], check=False).returncode == 0, what="the X server")
        if TWO_SCREENS:
            self.split_into_two_screens()
        self._spawn(WINDOW_MANAGERS[WINDOW_MANAGER])
        wait_for(lambda: "_NET_SUPPORTING_WM_CHECK" in self.output(["xprop", "-root"]),
                 what="the window manager")
        self.start_notification_area()
        self.no_sound = self.start_sound_server()

    def start_notification_area(self):
        """A panel holding the notification area, started again should it die before showing or
        leave its panel unmapped (as trayer now and then does on a busy machine, still running);
        what it said goes into the failure when it never shows."""
        log_path = os.path.join(self.sound_folder, "trayer.log")
        tries = []
        started = []

        def shown():
            if tries and tries[-1].poll() is None and time.monotonic() - started[-1] > 10:
                tries[-1].terminate()
                tries[-1].wait()
            if (not tries or tries[-1].poll() is not None) and len(tries) < 5:
                with open(log_path, "a") as log:  # NO_AT_BRIDGE: no wait for a missing bus
                    tries.append(self._spawn(
                        ["trayer", "--edge", "top", "--align", "right", "--widthtype", "request",
                         "--height", "24", "--SetDockType", "true"],
                        env=dict(self.env, NO_AT_BRIDGE="1"), stderr=log))
                started.append(time.monotonic())
            return self.windows_named("panel")
        try:
            wait_for(shown, timeout=60, what="the notification area")
        except AssertionError as error:
            with open(log_path, errors="replace") as log:
                raise AssertionError(f"{error}; trayer ended with "
                                     f"{[p.returncode for p in tries]}: {log.read()[-2000:]!r}")

    def start_sound_server(self):
        """An audio output without hardware: a PulseAudio server whose one sink plays to nowhere
        at a real device's pace. Returns why there is none when it cannot start."""
        if not (shutil.which("pulseaudio") and shutil.which("pactl")):
            return "no PulseAudio server or pactl is installed"
        socket = os.path.join(self.sound_folder, "native")
        self._spawn(["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                     "--use-pid-file=no", "-L", "module-null-sink",
                     "-L", f"module-native-protocol-unix auth-anonymous=1 socket={socket}"],
                    env=dict(self.env, HOME=self.sound_folder, XDG_RUNTIME_DIR=self.sound_folder))
        self.env["PULSE_SERVER"] = "unix:" + socket
        try:
            wait_for(lambda: self.run(["pactl", "info"], check=False).returncode == 0,
                     what="the sound server")
        except AssertionError as error:
            del self.env["PULSE_SERVER"]
            return str(error)
        return None

    @contextlib.contextmanager
    def listening(self, path):
        """Records what the audio output plays while the block runs: 8000 samples a second."""
        with open(path, "wb") as out:
            recorder = subprocess.Popen(["parec", "--device=@DEFAULT_MONITOR@", "--raw",
                                         "--format=s16le", "--channels=1", "--rate=8000",
                                         "--latency-msec=20"], env=self.env, stdout=out)
            try:
                yield
            finally:
                recorder.terminate()
                recorder.wait(timeout=5)

    def split_into_two_screens(self):
        """A screen left of the primary one, as two monitors of one X screen (RandR 1.5)."""
        self.run(["xrandr", "--setmonitor", "LEFT",
                  f"{SCREEN_LEFT}/271x{SCREEN_HEIGHT}/212+0+0", "none"])
        self.run(["xrandr", "--setmonitor", "*PRIMARY",
                  f"{SCREEN_WIDTH}/339x{SCREEN_HEIGHT}/212+{SCREEN_LEFT}+0", "DUMMY0"])

    def stop(self):
        for process in reversed(self.processes):
            process.terminate()
        for process in reversed(self.processes):
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
        shutil.rmtree(self.sound_folder, ignore_errors=True)
        if TWO_SCREENS:
            shutil.rmtree(self.scratch, ignore_errors=True)

    def _spawn(self, command, env=None, stderr=subprocess.DEVNULL):
        process = subprocess.Popen(command, env=env or self.env, stdout=subprocess.DEVNULL,
                                   stderr=stderr)
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

    def client_rect(self, window):
        """(x, y, width, height) of a window's client area on screen, also inside a frame."""
        values = {}
        for line in self.output(["xwininfo", "-id", str(window)]).splitlines():
            key, _, value = line.strip().partition(":")
            values[key] = value.strip()
        return (int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"]),
                int(values["Width"]), int(values["Height"]))

    def is_viewable(self, window):
        return "IsViewable" in self.output(["xwininfo", "-id", str(window)])

    def is_unmapped(self, window):
        """True for a window that exists but is hidden."""
        return "IsUnMapped" in self.output(["xwininfo", "-id", str(window)])

    def is_override_redirect(self, window):
        return "Override Redirect State: yes" in self.output(["xwininfo", "-id", str(window)])

    def net_wm_state(self, window):
        return self.output(["xprop", "-id", str(window), "_NET_WM_STATE"])

    def window_type(self, window):
        return self.output(["xprop", "-id", str(window), "_NET_WM_WINDOW_TYPE"])

    def _root_window_list(self, atom):
        text = self.output(["xprop", "-root", atom])
        return [int(w, 16) for w in re.findall(r"0x[0-9a-fA-F]+", text.partition("#")[2])]

    def managed_windows(self):
        return self._root_window_list("_NET_CLIENT_LIST")

    def stacking_order(self):
        """The managed windows from the bottom to the top."""
        return self._root_window_list("_NET_CLIENT_LIST_STACKING")

    def active_window(self):
        text = self.output(["xdotool", "getactivewindow"]).strip()
        return int(text) if text.isdigit() else None

    def focused_window(self):
        """The window that has the keyboard (the window manager's active one may not)."""
        text = self.output(["xdotool", "getwindowfocus"]).strip()
        return int(text) if text.isdigit() else None

    def windows_of_class(self, wm_class):
        result = self.run(["xdotool", "search", "--onlyvisible", "--class", f"^{wm_class}$"],
                          check=False)
        return [int(w) for w in result.stdout.split()]

    def embedded_icons(self, wm_class):
        """A program's windows in the notification area: (id, x, y, width, height) on screen."""
        icons = []
        for panel in self.windows_named("panel"):
            for line in self.output(["xwininfo", "-tree", "-id", str(panel)]).splitlines():
                match = TREE_LINE.search(line)
                if match and match.group("res_class").lower() == wm_class.lower():
                    window = int(match.group("id"), 16)
                    if self.is_viewable(window):
                        icons.append((window, int(match.group("x")), int(match.group("y")),
                                      int(match.group("w")), int(match.group("h"))))
        return icons

    def pixels(self, window):
        """The window's picture as raw pixels, for telling whether its look changed."""
        return subprocess.run(["import", "-window", str(window), "-depth", "8", "rgb:-"],
                              env=self.env, capture_output=True, timeout=20).stdout

    def screenshot(self, path):
        self.run(["import", "-window", "root", path], check=False)

    # Mouse and keyboard ------------------------------------------------------------------
    def move_mouse(self, x, y):
        self.run(["xdotool", "mousemove", str(x), str(y)])

    def click(self, x, y, button=1, repeat=1):
        self.run(["xdotool", "mousemove", str(x), str(y), "click", "--repeat", str(repeat),
                  "--delay", "80", str(button)])

    def click_in(self, window, x, y, button=1, repeat=1):
        """Clicks at a position relative to a window's client area."""
        self.run(["xdotool", "mousemove", "--window", str(window), str(x), str(y), "click",
                  "--repeat", str(repeat), "--delay", "80", str(button)])

    def activate(self, window):
        """Makes the window the active one. Asked before the window manager has taken the window
        in, the request fails at once (it has no desktop yet), so it is asked until it holds."""
        def active():
            self.run(["xdotool", "windowactivate", str(window)], check=False)
            return self.active_window() == window
        wait_for(active, what=f"window {window} to be active")

    def answer(self, window, *keys):
        """Makes the window (a message box, a dialog) the active one and presses keys in it."""
        self.activate(window)
        self.key(*keys)

    def type_text(self, text):
        self.run(["xdotool", "type", "--delay", "40", text])

    def key(self, *keys):
        self.run(["xdotool", "key", "--delay", "40", *keys])

    def clipboard_bytes(self):
        """The clipboard's text as UTF-8 bytes, line breaks exactly as the owner gave them."""
        result = subprocess.run(["xclip", "-selection", "clipboard", "-t", "UTF8_STRING", "-o"],
                                env=self.env, capture_output=True, timeout=20)
        return result.stdout if result.returncode == 0 else None


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
        """Every file's bytes and time; a link's or pipe's kind and target (never its bytes)."""
        result = {}
        for name in os.listdir(self.path):
            full = self.file(name)
            info = os.lstat(full)
            link = os.readlink(full) if stat.S_ISLNK(info.st_mode) else ""
            data = (self.read(name) if stat.S_ISREG(info.st_mode) else
                    (stat.filemode(info.st_mode) + link).encode())
            result[name] = (data, info.st_mtime_ns)
        return result
