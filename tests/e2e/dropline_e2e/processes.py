"""The processes of one test, in a folder of its own: each started to end
with the test, and whatever they start in turn handed to the test when
orphaned; all of them ended and reaped on the way out, also when the test
fails, and their logs shown then."""

import ctypes
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77  # ctest's SKIP_RETURN_CODE

_PR_SET_PDEATHSIG = 1
_PR_SET_CHILD_SUBREAPER = 36
_libc = ctypes.CDLL(None, use_errno=True)
_held = set()  # the processes that an open Processes has started
# A line of a WAYLAND_DEBUG log, left out of a failure's report.
_PROTOCOL_LINE = re.compile(r"^\[\s*[\d.]+\]")


class TestFailure(Exception):
    pass


class Skip(Exception):
    """The test cannot run here, for a reason found only once it started."""


def poll(what, check, timeout=10.0):
    """Returns check()'s first true value, polling; fails after `timeout` s."""
    end = time.monotonic() + timeout
    while True:
        value = check()
        if value:
            return value
        if time.monotonic() > end:
            raise TestFailure(f"timed out waiting for {what}")
        time.sleep(0.02)


def missing_programs(*programs):
    return [program for program in programs if not shutil.which(program)]


def library_present(path):
    """Whether /usr/lib/ARCH/`path` exists for some architecture."""
    return any(os.path.exists(os.path.join("/usr/lib", arch, path))
               for arch in os.listdir("/usr/lib") if arch.endswith("-linux-gnu"))


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


def read_line(fd, what):
    """The first line written to the pipe `fd`; its writer's end, if it
    ends first, fails the test."""
    with os.fdopen(fd) as pipe:
        line = pipe.readline().strip()
    if not line:
        raise TestFailure(f"no answer while waiting for {what}")
    return line


class Processes:
    """A folder and the processes started in it. As a context manager: on the
    way out every process is ended (by its own signal), and every process
    handed over to this one; the folder is removed."""

    def __init__(self, prefix="dropline-"):
        self.dir = tempfile.mkdtemp(prefix=prefix)
        self.env = dict(os.environ)
        self._started = []  # (process, its stopping signal)
        self._logs = []  # the log files shown when the test fails

    def __enter__(self):
        # Daemons outlive their parents; as a subreaper this process inherits
        # them and can end them.
        _libc.prctl(_PR_SET_CHILD_SUBREAPER, 1)
        try:
            self.start()
        except BaseException:
            self.__exit__(*sys.exc_info())
            raise
        return self

    def start(self):
        pass

    def __exit__(self, kind, error, trace):
        if kind is not None and kind is not Skip and not (kind is SystemExit
                                                          and error.code in (0, None)):
            self.show_logs()
        self.end()
        return False

    def end(self):
        for process, stop in reversed(self._started):
            if process.poll() is None:
                process.send_signal(stop)
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
            _held.discard(process.pid)
        self._started = []
        end_orphans()
        shutil.rmtree(self.dir, ignore_errors=True)

    def kill(self, process):
        """Kills a started process at once, as a crash would."""
        process.kill()
        process.wait()
        self._started = [started for started in self._started if started[0] is not process]
        _held.discard(process.pid)

    def path(self, name):
        return os.path.join(self.dir, name)

    def spawn(self, argv, log=None, stop=signal.SIGTERM, env=None, **kwargs):
        """Starts a program that ends with the test, by the signal `stop`;
        its output goes to the file `log` in the folder. `env` adds to the
        folder's environment; a variable set to None is left out."""
        output = open(self.path(log), "ab") if log else subprocess.DEVNULL
        kwargs.setdefault("stdout", output)
        kwargs.setdefault("stderr", output)
        try:
            env = {name: value for name, value in dict(self.env, **(env or {})).items()
                   if value is not None}
            process = subprocess.Popen(argv, preexec_fn=_die_with_parent, env=env, **kwargs)
        finally:
            if log:
                output.close()
        self._started.append((process, stop))
        _held.add(process.pid)
        if log and log not in self._logs:
            self.show_on_failure(log)
        return process

    def run(self, *argv, **kwargs):
        """Runs a tool to its end, in the folder's environment; its output."""
        kwargs.setdefault("check", True)
        return subprocess.run(argv, env=self.env, capture_output=True, text=True,
                              **kwargs).stdout

    def log(self, name):
        """The file `name` of the folder, as text."""
        try:
            with open(self.path(name), errors="replace") as text:
                return text.read()
        except FileNotFoundError:
            return ""

    def show_on_failure(self, name):
        """Shows the folder's file `name` if the test fails."""
        self._logs.append(name)

    def show_logs(self, lines=40):
        for name in self._logs:
            said = [line for line in self.log(name).splitlines() if not _PROTOCOL_LINE.match(line)]
            print(f"--- {name}", *said[-lines:], sep="\n", file=sys.stderr)

    def start_bus(self, **env):
        """A session bus of the folder's own; its address goes into the
        folder's environment."""
        read_end, write_end = os.pipe()
        self.spawn(["dbus-daemon", "--session", "--nofork", f"--print-address={write_end}",
                    f"--address=unix:path={self.dir}/bus"], pass_fds=(write_end,), env=env)
        os.close(write_end)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = read_line(read_end, "the session bus")


def end_orphans(grace=1.0, bound=5.0):
    """Ends and reaps every process handed over to this one, leaving those
    that a Processes still holds: asked to end after `grace` s, killed after
    `bound` s."""
    start = time.monotonic()
    sent = set()
    while True:
        left = []
        for pid in _children():
            try:
                if pid not in _held and os.waitpid(pid, os.WNOHANG)[0] == 0:
                    left.append(pid)
            except ChildProcessError:
                pass
        if not left:
            return
        elapsed = time.monotonic() - start
        for after, signum in ((grace, signal.SIGTERM), (bound, signal.SIGKILL)):
            if elapsed >= after and signum not in sent:
                sent.add(signum)
                for pid in left:
                    os.kill(pid, signum)
        if elapsed > bound + 2:
            raise TestFailure("processes left over that would not end")
        time.sleep(0.02)


def _children():
    me = str(os.getpid())
    for entry in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{entry}/stat") as stat:
                if stat.read().rsplit(")", 1)[1].split()[1] == me:
                    yield int(entry)
        except (OSError, IndexError):
            pass
