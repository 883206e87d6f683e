"""Private headless Wayland desktops for one run of the game: GNOME's
compositor (mutter) or KDE's (KWin), each in a folder of its own and on a
session bus of its own, with hands for a player: keys and a pointer.

The game runs with WAYLAND_DEBUG=1, so that its side of the Wayland
connection is logged: which windows it has, with their titles, which of them
the desktop gives the keyboard focus and the pointer, and where the desktop
places each popup. Where a desktop says itself where its windows lie (KWin's
scripting) or shows them (mutter's screen cast), the test reads that too.
Everything started here, and whatever it starts in turn, is ended on the way
out."""

import ctypes
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

from orca_session import LogLines, TestFailure, poll

_PR_SET_PDEATHSIG = 1
_PR_SET_CHILD_SUBREAPER = 36
_libc = ctypes.CDLL(None, use_errno=True)

# The virtual screen of every desktop here.
SCREEN = (1280, 800)

# Keys by their Linux (evdev) codes, as KWin's and mutter's input take them.
KEYS = {"Escape": 1, "Return": 28, "space": 57, "F1": 59, "Shift": 42, "Control": 29,
        **{str(digit): 1 + digit for digit in range(1, 10)}}
KEYS.update({letter: code for row, first in (("qwertyuiop", 16), ("asdfghjkl", 30),
                                               ("zxcvbnm", 44))
             for code, letter in enumerate(row, first)})
BUTTON_LEFT = 0x110


def _die_with_parent():
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGTERM)


def library_present(path):
    """Whether /usr/lib/ARCH/`path` exists for some architecture."""
    return any(os.path.exists(os.path.join("/usr/lib", arch, path))
               for arch in os.listdir("/usr/lib") if arch.endswith("-linux-gnu"))


class Window:
    """One window of the game, as its Wayland connection shows it."""

    def __init__(self, kind, surface, parent=None):
        self.kind = kind  # "toplevel" or "popup"
        self.surface = surface  # the id of its wl_surface
        self.parent = parent  # the Window a popup belongs to
        self.title = ""
        self.geometry = None  # (x, y, width, height) of its window geometry
        self.place = None  # a popup's (x, y, width, height) in its parent's
        self.dismissed = False  # a popup closed by the desktop
        self.gone = False

    def __repr__(self):
        return f"<{self.kind} {self.title!r} geometry={self.geometry} place={self.place}>"


class ProtocolLog:
    """The game's Wayland connection, read from its WAYLAND_DEBUG output."""

    # "[1234.567]  -> xdg_toplevel@21.set_title(...)" for a request, without
    # the arrow for an event; libwayland 1.23 names the queue too, and writes
    # "#" for "@".
    _LINE = re.compile(
        r"^\[\s*[\d.]+\]\s+(?:\{[^}]*\}\s+)?(?:-> )?\s*(\w+)[@#](\d+)\.(\w+)\((.*)\)\s*$")
    _ID = re.compile(r"(?:\w+|\[unknown\])[@#](\d+)")

    def __init__(self, path):
        self._log = LogLines(path)
        self._windows = []  # every window, in order of creation
        self._surfaces = {}  # xdg_surface id -> wl_surface id
        self._roles = {}  # xdg_surface, xdg_toplevel or xdg_popup id -> Window
        self._focus = None  # the Window with the keyboard focus
        self._focus_taken = False  # whether the game has taken it in
        self._syncs = set()  # the game's round trips under way
        self._pointer = None  # the Window under the pointer

    def _read(self):
        for line in self._log.new():
            match = self._LINE.match(line)
            if match:
                self._take(*match.groups())

    def _take(self, interface, object_id, message, arguments):
        object_id = int(object_id)
        ids = [int(found) for found in self._ID.findall(arguments)]
        window = self._roles.get(object_id)
        if message == "get_xdg_surface":
            self._surfaces[ids[0]] = ids[1]
        elif message in ("get_toplevel", "get_popup"):
            parent = self._roles.get(ids[1]) if message == "get_popup" else None
            window = Window(message[len("get_"):], self._surfaces.get(object_id), parent)
            self._windows.append(window)
            self._roles[object_id] = self._roles[ids[0]] = window
        elif window is None:
            pass
        elif interface == "xdg_toplevel" and message == "set_title":
            window.title = arguments[1:-1]
        elif interface == "xdg_surface" and message == "set_window_geometry":
            window.geometry = tuple(int(number) for number in arguments.split(", "))
        elif interface == "xdg_popup" and message == "configure":
            window.place = tuple(int(number) for number in arguments.split(", "))
        elif interface == "xdg_popup" and message == "popup_done":
            window.dismissed = True
        elif interface in ("xdg_toplevel", "xdg_popup") and message == "destroy":
            window.gone = True
        if interface == "wl_keyboard" and message in ("enter", "leave"):
            self._focus = self._window_of(ids[0]) if message == "enter" and ids else None
            self._focus_taken = False
        elif interface == "wl_display" and message == "sync":
            self._syncs.add(ids[0])
        elif interface == "wl_callback" and message == "done" and object_id in self._syncs:
            self._syncs.discard(object_id)
            self._focus_taken = True
        elif interface == "wl_pointer" and message in ("enter", "leave"):
            self._pointer = self._window_of(ids[0]) if message == "enter" and ids else None

    def _window_of(self, surface):
        for window in reversed(self._windows):
            if window.surface == surface and not window.gone:
                return window
        return None

    def shown(self, kind, title=None):
        """The windows of a kind (and title) shown now, the newest last."""
        self._read()
        return [window for window in self._windows if window.kind == kind and not window.gone
                and (title is None or window.title == title)]

    def closed(self, window):
        """Whether `window` has closed."""
        self._read()
        return window.gone

    def focus(self):
        """The window with the keyboard focus, once the game has taken it in:
        Qt activates a window when a round trip to the desktop ends after the
        keyboard entered it. Before then the window's shortcuts do nothing
        (measured with mutter under the sanitizers: Ctrl+Q lost right after
        a message box closed)."""
        self._read()
        if self._focus and not self._focus.gone and self._focus_taken:
            return self._focus
        return None

    def pointer(self):
        """The window under the pointer."""
        self._read()
        return self._pointer if self._pointer and not self._pointer.gone else None


class Desktop:
    """A headless compositor in a folder of its own; the game and the
    test's tools are its clients."""

    name = ""
    tools = ()  # the programs it needs

    def __init__(self):
        self.dir = tempfile.mkdtemp(prefix=f"dropline-{self.name}-")
        os.chmod(self.dir, 0o755)
        self.runtime = os.path.join(self.dir, "runtime")
        os.mkdir(self.runtime, 0o700)
        self.display = "wayland-dropline"
        self.env = {"PATH": "/usr/sbin:/usr/bin:/sbin:/bin", "LANG": "C.UTF-8",
                    "HOME": self.dir, "XDG_RUNTIME_DIR": self.runtime}
        self._started = []

    @classmethod
    def missing(cls):
        """What is missing to run this desktop here."""
        return [tool for tool in cls.tools if not shutil.which(tool)]

    def spawn(self, argv, log=None, stop=signal.SIGTERM, **kwargs):
        """Starts a program that ends with the test, by the signal `stop`;
        its output goes to the file `log` in the desktop's folder."""
        output = open(os.path.join(self.dir, log), "wb") if log else subprocess.DEVNULL
        try:
            process = subprocess.Popen(argv, stdout=output, stderr=subprocess.STDOUT,
                                       preexec_fn=_die_with_parent, **kwargs)
        finally:
            if log:
                output.close()
        self._started.append((process, stop))
        return process

    def log(self, name):
        """The file `name` of the desktop's folder, as text."""
        try:
            with open(os.path.join(self.dir, name), errors="replace") as text:
                return text.read()
        except FileNotFoundError:
            return ""

    def __enter__(self):
        # What the compositor and the bus start outlive their parents; as a
        # subreaper this process inherits them and can end them.
        _libc.prctl(_PR_SET_CHILD_SUBREAPER, 1)
        try:
            self.start()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, *exc):
        for process, stop in reversed(self._started):
            if process.poll() is None:
                process.send_signal(stop)
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        _end_orphans()
        shutil.rmtree(self.dir, ignore_errors=True)
        return False

    def start_bus(self):
        read_end, write_end = os.pipe()
        self.spawn(["dbus-daemon", "--session", "--nofork", f"--print-address={write_end}",
                    f"--address=unix:path={self.dir}/bus"], pass_fds=(write_end,), env=self.env)
        os.close(write_end)
        with os.fdopen(read_end) as answer:
            self.env["DBUS_SESSION_BUS_ADDRESS"] = answer.readline().strip()

    def wait_for_display(self, compositor):
        def listening():
            if compositor.poll() is not None:
                raise TestFailure(f"{self.name} ended at start-up:\n"
                                  f"{self.log(self.name + '.log')[-3000:]}")
            return os.path.exists(os.path.join(self.runtime, self.display))
        poll(f"{self.name} to listen", listening, timeout=30)

    def game_env(self):
        """What the game runs with: the desktop alone (no session bus, no X
        server to fall back to), no sound server, the sanitizers' options of
        a sanitized build, and its Wayland connection logged."""
        env = {name: value for name, value in self.env.items()
               if name != "DBUS_SESSION_BUS_ADDRESS"}
        env.update(WAYLAND_DISPLAY=self.display, QT_QPA_PLATFORM="wayland", WAYLAND_DEBUG="1",
                   PULSE_SERVER=f"unix:{self.dir}/no-sound-server")
        for option in ("ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS"):
            if option in os.environ:
                env[option] = os.environ[option]
        return env

    def start_game(self, binary):
        return self.spawn([binary], log="game.log", env=self.game_env())

    # The player's hands.
    def press(self, *keys):
        """Presses and releases each key in turn; "Control+q" holds Control."""
        for key in keys:
            held, _, last = key.rpartition("+")
            codes = [KEYS[name] for name in held.split("+") if name] + [KEYS[last]]
            for code in codes:
                self.key(code, True)
            for code in reversed(codes):
                self.key(code, False)

    def type(self, text):
        for letter in text:
            self.press(f"Shift+{letter.lower()}" if letter.isupper() else letter)

    def key(self, code, pressed):
        raise NotImplementedError

    def move(self, x, y):
        """Moves the pointer to x, y on the screen."""
        raise NotImplementedError

    def button(self, pressed):
        """Presses or releases the left mouse button."""
        raise NotImplementedError

    def frames(self):
        """Each window on the screen as (title, (x, y, width, height)), its
        frame included; None where the desktop does not say."""
        return None

    def screenshot(self):
        """The screen as rows of RGB bytes; None where it cannot be seen."""
        return None


def _end_orphans(bound=5.0):
    """Ends and reaps every process handed over to this one: asked to end at
    once, killed after `bound` s."""
    start = time.monotonic()
    sent = set()
    me = str(os.getpid())
    while True:
        try:
            while os.waitpid(-1, os.WNOHANG)[0]:
                pass
        except ChildProcessError:
            return  # none left
        elapsed = time.monotonic() - start
        for after, signum in ((0, signal.SIGTERM), (bound, signal.SIGKILL)):
            if elapsed >= after and signum not in sent:
                sent.add(signum)
                for entry in filter(str.isdigit, os.listdir("/proc")):
                    try:
                        with open(f"/proc/{entry}/stat") as stat:
                            if stat.read().rsplit(")", 1)[1].split()[1] == me:
                                os.kill(int(entry), signum)
                    except (OSError, IndexError):
                        pass
        if elapsed > bound + 2:
            raise TestFailure("processes left over that would not end")
        time.sleep(0.02)


class Mutter(Desktop):
    """GNOME's compositor, headless, on a virtual monitor. Keys and the
    pointer through its remote-desktop service; the screen through a screen
    cast of the same session (PipeWire)."""

    name = "mutter"
    tools = ("mutter", "dbus-daemon", "pipewire", "wireplumber", "gst-launch-1.0")

    @classmethod
    def missing(cls):
        missing = super().missing()
        try:
            import dbus  # noqa: F401
            from gi.repository import GLib  # noqa: F401
        except ImportError:
            missing.append("python3-dbus, python3-gi")
        if not library_present("gstreamer-1.0/libgstpipewire.so"):
            missing.append("gstreamer1.0-pipewire")
        return missing

    def start(self):
        self.start_bus()
        self.spawn(["pipewire"], log="pipewire.log", env=self.env)
        self.spawn(["wireplumber"], log="wireplumber.log", env=self.env)
        # Measured on mutter 43: SIGTERM leaves it running, SIGINT ends it.
        compositor = self.spawn(
            ["mutter", "--headless", "--wayland", "--no-x11", "--virtual-monitor",
             f"{SCREEN[0]}x{SCREEN[1]}", f"--wayland-display={self.display}"],
            log="mutter.log", stop=signal.SIGINT, env=self.env)
        self.wait_for_display(compositor)
        self._start_remote_desktop()

    def _start_remote_desktop(self):
        import dbus
        from dbus.mainloop.glib import DBusGMainLoop
        from gi.repository import GLib
        # Every call on one connection, which the session belongs to.
        bus = dbus.bus.BusConnection(self.env["DBUS_SESSION_BUS_ADDRESS"],
                                     mainloop=DBusGMainLoop())
        remote, cast = "org.gnome.Mutter.RemoteDesktop", "org.gnome.Mutter.ScreenCast"
        poll("mutter's remote desktop",
             lambda: bus.name_has_owner(remote) and bus.name_has_owner(cast))
        desktop = dbus.Interface(bus.get_object(remote, "/org/gnome/Mutter/RemoteDesktop"), remote)
        session = bus.get_object(remote, desktop.CreateSession())
        self._session = dbus.Interface(session, f"{remote}.Session")
        session_id = session.Get(f"{remote}.Session", "SessionId",
                                 dbus_interface="org.freedesktop.DBus.Properties")
        casts = dbus.Interface(bus.get_object(cast, "/org/gnome/Mutter/ScreenCast"), cast)
        cast_session = dbus.Interface(
            bus.get_object(cast, casts.CreateSession({"remote-desktop-session-id": session_id})),
            f"{cast}.Session")
        # The pointer is placed in the coordinates of a cast of the whole
        # screen, drawn without the cursor.
        self._stream = cast_session.RecordMonitor("", {"cursor-mode": dbus.UInt32(0)})
        nodes = []
        bus.add_signal_receiver(lambda node: nodes.append(int(node)), "PipeWireStreamAdded",
                                f"{cast}.Stream", path=self._stream)
        self._session.Start()
        context = GLib.MainContext.default()

        def added():
            context.iteration(False)
            return nodes
        self._node = poll("mutter's screen cast", added)[0]
        # Measured: mutter 43 loses the first key of a new session; mutter 48
        # makes the session's pointer with its first move, which reaches no
        # client that has not had a pointer before.
        self.press("Shift")
        self.move(0, 0)

    def key(self, code, pressed):
        self._session.NotifyKeyboardKeycode(code, pressed)

    def move(self, x, y):
        self._session.NotifyPointerMotionAbsolute(self._stream, float(x), float(y))

    def button(self, pressed):
        self._session.NotifyPointerButton(BUTTON_LEFT, pressed)

    def screenshot(self):
        path = os.path.join(self.dir, "screen.rgb")
        subprocess.run(["gst-launch-1.0", "-q", "pipewiresrc", f"path={self._node}",
                        "num-buffers=1", "!", "videoconvert", "!", "video/x-raw,format=RGB", "!",
                        "filesink", f"location={path}"],
                       env=self.env, check=True, timeout=30, stdout=subprocess.DEVNULL)
        with open(path, "rb") as raw:
            data = raw.read()
        row = SCREEN[0] * 3
        if len(data) != row * SCREEN[1]:
            raise TestFailure(f"a screenshot of {len(data)} bytes, not {SCREEN[0]}x{SCREEN[1]} RGB")
        return [data[y * row:(y + 1) * row] for y in range(SCREEN[1])]


class KWin(Desktop):
    """KDE's compositor, headless, on a virtual screen. Keys and the pointer
    through its fake-input protocol (the test's own small client); where the
    windows lie, from a KWin script."""

    name = "kwin"
    tools = ("kwin_wayland", "dbus-daemon", "dbus-send")

    def __init__(self, input_client, env=None):
        """`env`: more of the desktop's environment (its keymap, its language),
        which the compositor and the game both get."""
        super().__init__()
        self.env.update(env or {})
        self._input_client = input_client
        self._scripts = 0

    def start(self):
        self.start_bus()
        # Debian gives kwin_wayland a file capability, which a container
        # refuses to run; a plain copy has none. KWin loads its own Qt plugin
        # only under that name.
        os.mkdir(os.path.join(self.dir, "bin"))
        kwin = os.path.join(self.dir, "bin", "kwin_wayland")
        shutil.copy(shutil.which("kwin_wayland"), kwin)
        # KWin 5 runs without Plasma's activities only when told.
        usage = subprocess.run([kwin, "--help"], capture_output=True, text=True, env=self.env)
        activities = ["--no-kactivities"] if "--no-kactivities" in usage.stdout else []
        compositor = self.spawn(
            [kwin, "--virtual", "--width", str(SCREEN[0]), "--height", str(SCREEN[1]),
             "--socket", self.display, "--no-lockscreen", "--no-global-shortcuts", *activities],
            log="kwin.log",
            env=dict(self.env, KWIN_WAYLAND_NO_PERMISSION_CHECKS="1", QT_LOGGING_RULES="js=true"))
        self.wait_for_display(compositor)
        self._input = subprocess.Popen(
            [self._input_client], stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True,
            env=dict(self.env, WAYLAND_DISPLAY=self.display), preexec_fn=_die_with_parent)
        self._started.append((self._input, signal.SIGTERM))
        if self._input.stdout.readline().strip() != "ready":
            raise TestFailure("KWin's fake input refused the test")

    def _send(self, command):
        self._input.stdin.write(command + "\n")
        self._input.stdin.flush()
        if self._input.stdout.readline().strip() != "ok":
            raise TestFailure(f"KWin's fake input failed on {command!r}")

    def key(self, code, pressed):
        self._send(f"key {code} {int(pressed)}")

    def move(self, x, y):
        self._send(f"move {x} {y}")

    def button(self, pressed):
        self._send(f"button {BUTTON_LEFT} {int(pressed)}")

    def frames(self):
        self._scripts += 1
        tag = f"dropline-frames-{self._scripts}"
        script = os.path.join(self.dir, f"{tag}.js")
        # KWin 6 lists its windows with windowList(), KWin 5 with clientList();
        # print() writes to KWin's log.
        with open(script, "w") as text:
            text.write(f"""
var windows = workspace.windowList ? workspace.windowList() : workspace.clientList();
for (var i = 0; i < windows.length; i++) {{
    var frame = windows[i].frameGeometry;
    print("{tag}|" + frame.x + "|" + frame.y + "|" + frame.width + "|" + frame.height + "|"
          + windows[i].caption);
}}
print("{tag}|end");
""")
        loaded = self._kwin("/Scripting", "org.kde.kwin.Scripting.loadScript",
                            f"string:{script}", f"string:{tag}")
        number = re.search(r"int32 (\d+)", loaded).group(1)
        # KWin 6 serves a loaded script at /Scripting/ScriptN, KWin 5 at /N.
        try:
            self._kwin(f"/Scripting/Script{number}", "org.kde.kwin.Script.run")
        except subprocess.CalledProcessError:
            self._kwin(f"/{number}", "org.kde.kwin.Script.run")
        poll("KWin's script", lambda: f"{tag}|end" in self.log("kwin.log"))
        self._kwin("/Scripting", "org.kde.kwin.Scripting.unloadScript", f"string:{tag}")
        frames = []
        for line in self.log("kwin.log").splitlines():
            fields = line.partition(f"{tag}|")[2].split("|", 4)
            if len(fields) == 5:
                frames.append((fields[4], tuple(round(float(value)) for value in fields[:4])))
        return frames

    def _kwin(self, path, method, *arguments):
        return subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.kde.KWin",
                               path, method, *arguments], env=self.env, check=True,
                              capture_output=True, text=True, timeout=10).stdout


DESKTOPS = {"mutter": Mutter, "kwin": KWin}
