"""A private desktop for one run of the game with the Orca screen reader: a
virtual X server with a window manager, a session bus of its own, on which
the accessibility bus starts on demand, Orca, and the game. Orca logs what it
would say; the game is not told to expose itself, it follows Orca's request
as on a user's desktop. Everything started here, and whatever those start in
turn, is ended and reaped on the way out, also when the test fails."""

import ctypes
import os
import re
import select
import shutil
import signal
import subprocess
import tempfile
import time

SKIP = 77  # ctest's SKIP_RETURN_CODE

_PR_SET_PDEATHSIG = 1
_PR_SET_CHILD_SUBREAPER = 36
_ACCESSIBILITY_BUS_SERVICE = "/usr/share/dbus-1/services/org.a11y.Bus.service"
_libc = ctypes.CDLL(None, use_errno=True)

# Orca's debug file is written through a buffer; this makes each line appear
# as soon as it is written.
_LINE_BUFFERED_LOG = """\
import orca.debug
if orca.debug.debugFile:
    orca.debug.debugFile.reconfigure(line_buffering=True)
"""
# Orca 43 ends its start-up with the first line, Orca 48 with the second.
_ORCA_READY = re.compile(r"Startup complete|Starting Atspi main event loop")
# An utterance: "SPEECH OUTPUT: 'text'{...}" (Orca 43) or
# "SPEECH OUTPUT: 'text' ACSS..." (Orca 48). The text may hold quotes.
_UTTERANCE = re.compile(r"SPEECH OUTPUT: '(.*)'\s*(?:\{.*\}|ACSS.*)?$")


def missing_tools():
    """What is missing to run the game with Orca here, if anything."""
    missing = [tool for tool in ("Xvfb", "openbox", "dbus-daemon", "orca", "xdotool", "xwininfo",
                                 "xprop") if not shutil.which(tool)]
    if not os.path.exists(_ACCESSIBILITY_BUS_SERVICE):
        missing.append("at-spi2-core")
    try:
        import pyatspi  # noqa: F401
        from gi.repository import GLib  # noqa: F401
    except ImportError:
        missing.append("python3-pyatspi")
    return missing


class TestFailure(Exception):
    pass


def poll(what, check, timeout=10.0, pump=lambda: None):
    """Returns check()'s first true value, polling; fails after `timeout` s."""
    end = time.monotonic() + timeout
    while True:
        pump()
        value = check()
        if value:
            return value
        if time.monotonic() > end:
            raise TestFailure(f"timed out waiting for {what}")
        time.sleep(0.02)


def spoken_form(text):
    """Text as compared with what Orca says: blanks collapsed, and without
    the full stop Orca closes an utterance with."""
    return " ".join(text.split()).rstrip(".")


def _die_with_parent():
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGTERM)


class LogLines:
    """The whole lines a growing log file has gained since last asked."""

    def __init__(self, path):
        self._path = path
        self._offset = 0
        self._pending = ""

    def new(self):
        try:
            with open(self._path, errors="replace") as log:
                log.seek(self._offset)
                data = log.read()
                self._offset = log.tell()
        except FileNotFoundError:
            return []
        lines = (self._pending + data).split("\n")
        self._pending = lines.pop()  # an unfinished line waits for its end
        return lines


class Speech:
    """What Orca has said so far, read from its debug log in order."""

    def __init__(self, log):
        self._log = LogLines(log)
        self.heard = []  # every utterance, in order
        self._next = 0  # the first utterance not yet matched by expect()

    def _read(self):
        for line in self._log.new():
            match = _UTTERANCE.search(line)
            if match:
                self.heard.append(spoken_form(match.group(1)))

    def expect(self, text, timeout=10.0):
        """Waits until Orca says something holding `text`, after whatever an
        earlier expect() matched; returns that utterance."""
        wanted = spoken_form(text)

        def said():
            self._read()
            for index in range(self._next, len(self.heard)):
                if wanted in self.heard[index]:
                    self._next = index + 1
                    return self.heard[index]
            return None
        try:
            return poll(f"Orca to say {wanted!r}", said, timeout)
        except TestFailure as failure:
            recent = "\n  ".join(self.heard[self._next:][-15:]) or "(nothing)"
            raise TestFailure(f"{failure}; since the last match Orca said:\n  {recent}") from None

    def contains(self, text):
        self._read()
        return spoken_form(text) in self.heard


class Session:
    def __init__(self):
        self.dir = tempfile.mkdtemp(prefix="dropline-orca-")
        self.log = os.path.join(self.dir, "game.log")
        self.env = {}
        self._started = []
        self._bound = set()
        self.speech = None

    def __enter__(self):
        # The bus launcher and the daemons it starts outlive their parents;
        # as a subreaper this process inherits them and can end them.
        _libc.prctl(_PR_SET_CHILD_SUBREAPER, 1)
        try:
            self._start_display()
            self._start_bus()
            self._start_orca()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, *exc):
        for process in reversed(self._started):
            if process.poll() is None:
                process.terminate()
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        self._end_orphans()
        shutil.rmtree(self.dir, ignore_errors=True)
        return False

    def _spawn(self, argv, **kwargs):
        kwargs.setdefault("stdout", subprocess.DEVNULL)
        kwargs.setdefault("stderr", subprocess.DEVNULL)
        process = subprocess.Popen(argv, preexec_fn=_die_with_parent, **kwargs)
        self._started.append(process)
        return process

    def _desktop_env(self, **more):
        env = dict(os.environ, HOME=self.dir, XDG_RUNTIME_DIR=self.dir, **self.env, **more)
        env.pop("AT_SPI_BUS_ADDRESS", None)
        return env

    def _start_display(self):
        read_end, write_end = os.pipe()
        # -noreset: a server that resets when its last client leaves can
        # refuse the next one while it does.
        self._spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                     "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,))
        os.close(write_end)
        display = self._read_line(read_end, "Xvfb to start")
        self.env["DISPLAY"] = f":{display}"
        # Orca follows the active window, which needs a window manager.
        self._spawn(["openbox", "--sm-disable"], env=self._desktop_env())

    def _start_bus(self):
        read_end, write_end = os.pipe()
        self._spawn(["dbus-daemon", "--session", "--nofork", f"--print-address={write_end}",
                     f"--address=unix:path={self.dir}/bus"], pass_fds=(write_end,),
                    env=self._desktop_env(GSETTINGS_BACKEND="memory"))
        os.close(write_end)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self._read_line(read_end, "the session bus")
        # This process is an accessibility client too: it talks to the same buses.
        os.environ.update(self.env)
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)

    def _start_orca(self):
        settings = os.path.join(self.dir, "orca")
        os.makedirs(settings)
        with open(os.path.join(settings, "orca-customizations.py"), "w") as customizations:
            customizations.write(_LINE_BUFFERED_LOG)
        log = os.path.join(self.dir, "orca.log")
        # No speech server: Orca still logs every utterance.
        self._spawn(["orca", "--disable", "speech", "--disable", "braille",
                     "--debug-file", log, "--user-prefs", settings],
                    env=self._desktop_env(GSETTINGS_BACKEND="memory"))

        def ready():
            try:
                with open(log, errors="replace") as text:
                    return _ORCA_READY.search(text.read())
            except FileNotFoundError:
                return None
        poll("Orca to start", ready, timeout=60)
        self.speech = Speech(log)

    @staticmethod
    def _read_line(fd, what, timeout=10.0):
        data = b""
        end = time.monotonic() + timeout
        try:
            while not data.endswith(b"\n"):
                remaining = end - time.monotonic()
                if remaining <= 0 or not select.select([fd], [], [], remaining)[0]:
                    raise TestFailure(f"timed out waiting for {what}")
                chunk = os.read(fd, 256)
                if not chunk:
                    raise TestFailure(f"no answer while waiting for {what}")
                data += chunk
        finally:
            os.close(fd)
        return data.decode().strip()

    def start_game(self, binary, **env):
        env = self._desktop_env(
            QT_QPA_PLATFORM="xcb",
            # No sound server: every cue fails at once and the game goes on.
            PULSE_SERVER=f"unix:{self.dir}/no-server", **env)
        env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)
        with open(self.log, "wb") as log:
            return self._spawn([binary], env=env, stdout=log, stderr=subprocess.STDOUT)

    def keys(self, *keys):
        """Presses keys in the focused window, as the player does."""
        subprocess.run(["xdotool", "key", "--delay", "30", *keys], env=self._desktop_env(),
                       check=True)

    def _window(self, title):
        """The id of the window titled `title`."""
        def found():
            search = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                                    env=self._desktop_env(), capture_output=True, text=True)
            return search.stdout.split()[:1]
        return poll(f"the window {title!r}", found)[0]

    def frame(self, title):
        """The frame of the window titled `title` on the screen, as the window
        manager draws it: (x, y, width, height)."""
        window = self._window(title)
        info = subprocess.run(["xwininfo", "-id", window], env=self._desktop_env(),
                              capture_output=True, text=True, check=True).stdout
        fields = ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")
        x, y, width, height = (int(re.search(rf"{field}:\s+(-?\d+)", info).group(1))
                               for field in fields)
        extents = subprocess.run(["xprop", "-id", window, "_NET_FRAME_EXTENTS"],
                                 env=self._desktop_env(), capture_output=True, text=True).stdout
        left, right, top, bottom = map(int, re.findall(r"\d+", extents.partition("=")[2])) \
            if "=" in extents else (0, 0, 0, 0)
        return x - left, y - top, width + left + right, height + top + bottom

    def move(self, title, x, y):
        """Moves the window titled `title` to x, y on the screen."""
        subprocess.run(["xdotool", "windowmove", "--sync", self._window(title), str(x), str(y)],
                       env=self._desktop_env(), check=True)

    def type(self, text):
        self._bind_keys(char for char in text if not char.isascii())
        subprocess.run(["xdotool", "type", "--delay", "30", text], env=self._desktop_env(),
                       check=True)

    def _bind_keys(self, chars):
        """Gives each of `chars` a key of its own for the whole session.
        Left to xdotool, a letter missing from the keymap is bound to a key
        only while it is pressed, and a game slow to read the keymap change
        finds the key bound to nothing."""
        missing = [char for char in dict.fromkeys(chars) if char not in self._bound]
        if not missing:
            return
        keymap = subprocess.run(["xmodmap", "-pke"], env=self._desktop_env(), check=True,
                                capture_output=True, text=True).stdout
        free = [line.split()[1] for line in keymap.splitlines() if line.rstrip().endswith("=")]
        if len(free) < len(missing):
            raise TestFailure(f"no free keys to bind {missing!r} to")
        for char, keycode in zip(missing, free):
            keysym = f"U{ord(char):04X}"
            subprocess.run(["xmodmap", "-e", f"keycode {keycode} = {keysym} {keysym}"],
                           env=self._desktop_env(), check=True)
            self._bound.add(char)

    def game_output(self):
        with open(self.log, errors="replace") as log:
            return log.read()

    def _end_orphans(self, grace=1.0, bound=5.0):
        """Ends and reaps every process that was handed over to this one:
        asked to end after `grace` s, killed after `bound` s."""
        start = time.monotonic()
        sent = set()
        while True:
            try:
                while os.waitpid(-1, os.WNOHANG)[0]:
                    pass
            except ChildProcessError:
                return  # none left
            elapsed = time.monotonic() - start
            for after, signum in ((grace, signal.SIGTERM), (bound, signal.SIGKILL)):
                if elapsed > after and signum not in sent:
                    sent.add(signum)
                    self._signal_children(signum)
            if elapsed > bound + 2:
                raise TestFailure("processes left over that would not end")
            time.sleep(0.02)

    @staticmethod
    def _signal_children(signum):
        me = str(os.getpid())
        for entry in os.listdir("/proc"):
            if not entry.isdigit():
                continue
            try:
                with open(f"/proc/{entry}/stat") as stat:
                    parent = stat.read().rsplit(")", 1)[1].split()[1]
                if parent == me:
                    os.kill(int(entry), signum)
            except (OSError, IndexError):
                pass
