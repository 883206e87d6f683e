"""A private desktop for one run of the game under AT-SPI: a virtual X server,
a session bus of its own, on which the accessibility bus starts on demand,
and the game. Everything it starts, and whatever those start in turn, is
ended and reaped on the way out, also when the test fails."""

import ctypes
import os
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


def missing_tools():
    """What is missing to run the game under AT-SPI here, if anything."""
    missing = [tool for tool in ("Xvfb", "dbus-daemon") if not shutil.which(tool)]
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


def _die_with_parent():
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGTERM)


class Session:
    def __init__(self):
        self.dir = tempfile.mkdtemp(prefix="dropline-atspi-")
        self.log = os.path.join(self.dir, "game.log")
        self.env = {}
        self._started = []
        self.game = None

    def __enter__(self):
        # The bus launcher and the daemons it starts outlive their parents;
        # as a subreaper this process inherits them and can end them.
        _libc.prctl(_PR_SET_CHILD_SUBREAPER, 1)
        try:
            self._start_display()
            self._start_bus()
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
        process = subprocess.Popen(argv, preexec_fn=_die_with_parent, **kwargs)
        self._started.append(process)
        return process

    def _start_display(self):
        read_end, write_end = os.pipe()
        # -noreset: without it the server starts afresh whenever its last
        # client leaves, and on Debian 13 the game then found no display in
        # about one run in three.
        self._spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                     "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,),
                    stderr=subprocess.DEVNULL)
        os.close(write_end)
        display = self._read_line(read_end, "Xvfb to start")
        self.env["DISPLAY"] = f":{display}"

    def _start_bus(self):
        read_end, write_end = os.pipe()
        env = dict(os.environ, DISPLAY=self.env["DISPLAY"], XDG_RUNTIME_DIR=self.dir,
                   GSETTINGS_BACKEND="memory")
        env.pop("AT_SPI_BUS_ADDRESS", None)
        self._spawn(["dbus-daemon", "--session", "--nofork", f"--print-address={write_end}",
                     f"--address=unix:path={self.dir}/bus"], pass_fds=(write_end,), env=env,
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self._read_line(read_end, "the session bus")
        # This process is the screen reader: it talks to the same buses.
        os.environ.update(self.env)
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)

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

    def start_game(self, binary):
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   XDG_RUNTIME_DIR=self.dir,
                   # No sound server: every cue fails at once and the game goes on.
                   PULSE_SERVER=f"unix:{self.dir}/no-server")
        with open(self.log, "wb") as log:
            self.game = self._spawn([binary], env=env, stdout=log, stderr=subprocess.STDOUT)
        return self.game

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
