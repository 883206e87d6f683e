"""A sound server of the test's own, PulseAudio or PipeWire with its
PulseAudio service: its own runtime folder, home and socket, a null sink as
the default, no autospawn and nothing of the user's configuration. It can be
killed at once, as a crash would, and started again on the same socket. And
the game's own cue player, driven one cue at a time."""

import os
import queue
import re
import subprocess
import threading
import time

from .processes import Processes, Skip, TestFailure, missing_programs, poll

SINK = "dropline_null"
TOOLS = {"pulseaudio": ("pulseaudio", "pactl"),
         "pipewire": ("pipewire", "wireplumber", "pipewire-pulse", "dbus-daemon", "pactl")}


def missing(kind, *more):
    return missing_programs(*TOOLS[kind], *more)


class SoundServer(Processes):
    def __init__(self, kind):
        super().__init__(f"dropline-{kind}-")
        self.kind = kind
        runtime, home = self.path("runtime"), self.path("home")
        os.mkdir(runtime, 0o700)
        os.mkdir(home, 0o700)
        # What the server and its clients share.
        self.client_env = dict(XDG_RUNTIME_DIR=runtime, HOME=home,
                               XDG_CONFIG_HOME=os.path.join(home, ".config"),
                               PULSE_SERVER=f"unix:{runtime}/pulse/native")
        self.env.update(self.client_env)
        self._servers = []
        self._events = None

    def start(self):
        """Starts the server; skips the test when it cannot run here."""
        try:
            self.restart()
        except TestFailure as failure:
            raise Skip(f"{self.kind} could not be started here ({failure}):\n"
                       + "\n".join(self.log("server.log").splitlines()[-5:])) from None

    def restart(self):
        runtime = self.client_env["XDG_RUNTIME_DIR"]
        if self.kind == "pulseaudio":
            # -n: no default.pa. As root, user mode still works; it only warns.
            self._servers = [self.spawn(
                ["pulseaudio", "--daemonize=no", "-n", "--exit-idle-time=-1", "--disallow-exit",
                 "--use-pid-file=no", "--disable-shm=yes", "--log-target=stderr",
                 f"--load=module-native-protocol-unix socket={runtime}/pulse/native "
                 "auth-anonymous=1", f"--load=module-null-sink sink_name={SINK}",
                 "--load=module-always-sink"], log="server.log", stdin=subprocess.DEVNULL)]
        else:
            # WirePlumber, the session manager that links streams to sinks,
            # wants a session bus; the bus outlives server crashes.
            if "DBUS_SESSION_BUS_ADDRESS" not in self.client_env:
                self.start_bus()
                self.client_env["DBUS_SESSION_BUS_ADDRESS"] = self.env["DBUS_SESSION_BUS_ADDRESS"]
            self._servers = [self.spawn(["pipewire"], log="server.log")]
            poll("PipeWire's socket", lambda: os.path.exists(f"{runtime}/pipewire-0"), 5)
            self._servers += [self.spawn([program], log="server.log")
                              for program in ("wireplumber", "pipewire-pulse")]

        def serving():
            if self._servers[0].poll() is not None:
                raise TestFailure(f"{self.kind} ended")
            return self.pactl("info", check=False) is not None
        poll(f"{self.kind} to serve", serving)
        if self.kind == "pipewire":
            self.pactl("load-module", "module-null-sink", f"sink_name={SINK}")
        self.pactl("set-default-sink", SINK)

    def crash(self):
        """Kills the server's processes at once."""
        for server in self._servers:
            self.kill(server)
        self._servers = []

    def pactl(self, *args, check=True):
        """pactl's answer; None where it failed and `check` is off."""
        try:
            return self.run("pactl", *args, timeout=5)
        except (subprocess.CalledProcessError, subprocess.TimeoutExpired):
            if check:
                raise TestFailure(f"pactl {' '.join(args)} failed") from None
            return None

    def watch_streams(self):
        """Records the server's events from now on (a new stream is a sound
        being played), into a fresh log."""
        if self._events:
            self.kill(self._events)
        open(self.path("events.log"), "w").close()
        self._events = self.spawn(["pactl", "subscribe"], log="events.log")
        time.sleep(0.2)  # the subscription is in place

    def streams(self):
        """The streams begun since watch_streams()."""
        return self.log("events.log").count("'new' on sink-input")

    def played(self, event):
        """The file of the stream of `event` (its event.id) now on the
        server, if any."""
        for block in (self.pactl("list", "sink-inputs", check=False) or "").split("Sink Input #"):
            if re.search(rf'event\.id = "{re.escape(event)}"', block):
                found = re.search(r'media\.filename = "(.*)"', block)
                if found:
                    return found.group(1)
        return None


class CueProbe:
    """A running dropline_cue_probe, the game's own player, fed one cue a
    line; it answers each with how long the cue held it."""

    def __init__(self, server, probe, **env):
        self._answers = queue.Queue()
        self.process = server.spawn([probe], log="probe.err", stdin=subprocess.PIPE,
                                    stdout=subprocess.PIPE, text=True, env=env)
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.process.stdout:
            self._answers.put(line.strip())

    def send(self, cue):
        """Asks for a cue without waiting for its answer."""
        self.process.stdin.write(cue + "\n")
        self.process.stdin.flush()

    def answer(self):
        """How long the next cue sent held the player, in ms."""
        try:
            line = self._answers.get(timeout=15)
        except queue.Empty:
            raise TestFailure("no answer from the player") from None
        return int(line.partition("_ms=")[2])

    def play(self, cue):
        self.send(cue)
        return self.answer()

    def stop(self):
        """Ends its input; its exit status."""
        self.process.stdin.close()
        return self.process.wait(timeout=30)
