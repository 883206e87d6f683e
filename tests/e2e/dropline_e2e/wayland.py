"""Private headless Wayland desktops for one run of the game: GNOME's
compositor (mutter) or KDE's (KWin), each in a folder of its own and on a
session bus of its own, with hands for a player: keys and a pointer.

The game runs with WAYLAND_DEBUG=1, so that its side of the Wayland
connection is logged: which windows it has, with their titles, which of them
the desktop gives the keyboard focus and the pointer, and where the desktop
places each popup. Where a desktop says itself where its windows lie (KWin's
scripting) or shows them (mutter's screen cast), the test reads that too.
Play drives the game there and checks what a player sees."""

import os
import re
import shutil
import signal
import subprocess

from . import design
from .design import TITLES
from .processes import (LogLines, Processes, TestFailure, library_present, missing_programs,
                        poll)

# The virtual screen of every desktop here.
SCREEN = (1280, 800)
PICTURE = tuple(design.MAIN.size)  # the main picture, the main window's client area

# Keys by their Linux (evdev) codes, as KWin's and mutter's input take them.
KEYS = {"Escape": 1, "Return": 28, "space": 57, "F1": 59, "Shift": 42, "Control": 29,
        **{str(digit): 1 + digit for digit in range(1, 10)}}
KEYS.update({letter: code for row, first in (("qwertyuiop", 16), ("asdfghjkl", 30),
                                               ("zxcvbnm", 44))
             for code, letter in enumerate(row, first)})
BUTTON_LEFT = 0x110


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


class Desktop(Processes):
    """A headless compositor in a folder of its own; the game and the
    test's tools are its clients."""

    name = ""
    tools = ()  # the programs it needs

    def __init__(self):
        super().__init__(f"dropline-{self.name}-")
        os.chmod(self.dir, 0o755)
        self.runtime = self.path("runtime")
        os.mkdir(self.runtime, 0o700)
        self.display = "wayland-dropline"
        self.env = {"PATH": "/usr/sbin:/usr/bin:/sbin:/bin", "LANG": "C.UTF-8",
                    "HOME": self.dir, "XDG_RUNTIME_DIR": self.runtime}

    @classmethod
    def missing(cls):
        """What is missing to run this desktop and the game on it here."""
        missing = missing_programs(*cls.tools)
        if not library_present("qt6/plugins/platforms/libqwayland-generic.so"):
            missing.append("qt6-wayland")
        return missing

    def wait_for_display(self, compositor):
        def listening():
            if compositor.poll() is not None:
                raise TestFailure(f"{self.name} ended at start-up")
            return os.path.exists(os.path.join(self.runtime, self.display))
        poll(f"{self.name} to listen", listening, timeout=30)

    def start_game(self, binary):
        """The game, run with the desktop alone (no session bus, no X
        server to fall back to), no sound server, the sanitizers' options of
        a sanitized build, and its Wayland connection logged."""
        env = dict(DBUS_SESSION_BUS_ADDRESS=None, WAYLAND_DISPLAY=self.display,
                   QT_QPA_PLATFORM="wayland", WAYLAND_DEBUG="1",
                   PULSE_SERVER=f"unix:{self.dir}/no-sound-server")
        for option in ("ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS"):
            if option in os.environ:
                env[option] = os.environ[option]
        return self.spawn([binary], log="game.log", env=env)

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
        self.spawn(["pipewire"], log="pipewire.log")
        self.spawn(["wireplumber"], log="wireplumber.log")
        # Measured on mutter 43: SIGTERM leaves it running, SIGINT ends it.
        compositor = self.spawn(
            ["mutter", "--headless", "--wayland", "--no-x11", "--virtual-monitor",
             f"{SCREEN[0]}x{SCREEN[1]}", f"--wayland-display={self.display}"],
            log="mutter.log", stop=signal.SIGINT)
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
        self.run("gst-launch-1.0", "-q", "pipewiresrc", f"path={self._node}", "num-buffers=1",
                 "!", "videoconvert", "!", "video/x-raw,format=RGB", "!", "filesink",
                 f"location={path}", timeout=30)
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

    def __init__(self, input_client, **env):
        """`env`: more of the desktop's environment (its keymap, its language),
        which the compositor and the game both get."""
        super().__init__()
        self.env.update(env)
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
        activities = ["--no-kactivities"] if "--no-kactivities" in self.run(kwin, "--help") else []
        compositor = self.spawn(
            [kwin, "--virtual", "--width", str(SCREEN[0]), "--height", str(SCREEN[1]),
             "--socket", self.display, "--no-lockscreen", "--no-global-shortcuts", *activities],
            log="kwin.log", env=dict(KWIN_WAYLAND_NO_PERMISSION_CHECKS="1", QT_LOGGING_RULES="js=true"))
        self.wait_for_display(compositor)
        self._input = self.spawn([self._input_client], stdin=subprocess.PIPE,
                                 stdout=subprocess.PIPE, text=True,
                                 env=dict(WAYLAND_DISPLAY=self.display))
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
        return self.run("dbus-send", "--session", "--print-reply", "--dest=org.kde.KWin", path,
                        method, *arguments, timeout=10)


def changes(before, after):
    """Where two screenshots differ: the pixels (x, y) whose colour changed.
    The background of mutter's screen cast differs slightly from one frame
    to the next."""
    return [(x // 3, y) for y, (old, new) in enumerate(zip(before, after)) if old != new
            for x, (a, b) in enumerate(zip(old, new)) if abs(a - b) > 32]


def beside(a, b):
    """Whether rectangles (x, y, width, height) a and b touch left and right
    of each other, side by side, without overlapping."""
    touching = a[0] + a[2] == b[0] or b[0] + b[2] == a[0]
    return touching and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]


def find_field(screen, size):
    """The top-left corner of the first place on the screen, from the top,
    that a rectangle of `size` covers with its corners of one colour, where
    the pixels left of and above it are of others: a picture of that size on
    a plain field, whatever its colour."""
    width, height = size
    for y in range(1, len(screen) - height + 1):
        above, top, bottom = screen[y - 1], screen[y], screen[y + height - 1]
        for x in range(3, len(top) - 3 * width + 3, 3):
            colour = top[x:x + 3]
            if above[x:x + 3] == colour or top[x - 3:x] == colour:
                continue
            right = x + 3 * (width - 1)
            # Ten pixels alike at each corner's row: a field, not noise.
            if (top[x:x + 30] == bottom[x:x + 30] == colour * 10
                    and top[right:right + 3] == bottom[right:right + 3] == colour):
                return x // 3, y
    return None


class Play:
    """The game on a desktop, played by keys and clicks, as the game's
    Wayland connection shows it."""

    def __init__(self, desktop, game):
        self.desktop = desktop
        self.game = game
        self.log = ProtocolLog(os.path.join(desktop.dir, "game.log"))
        self.main = None
        self.picture = None  # the main picture's top-left corner on the screen
        self.about_corner = None  # the about window's top-left corner there
        self.counted = 0  # the presses and clicks the board has counted

    def start(self, names_title=TITLES.names):
        """Waits for the main window, whose first activation (the desktop
        activates a new window) asks for the names, and types them into the
        prompts titled `names_title`."""
        self.main = self.window(TITLES.main)
        for name in ("Ann", "Bob"):
            prompt = self.window(names_title, focused=True)
            self.desktop.type(name)
            self.desktop.press("Return")
            self.gone(prompt)
        self.window(TITLES.main, focused=True)

    def draw(self, key):
        """The press of `key` that must make the draw, and none before it:
        the draw's message, closed by Return."""
        if self.log.shown("toplevel", TITLES.message):
            raise TestFailure("the draw came early: a key or click counted that should not have")
        self.drop(key)
        message = self.window(TITLES.message, focused=True)
        self.desktop.press("Return")
        self.gone(message)
        # Keys typed before the desktop gives the focus back would go nowhere.
        self.window(TITLES.main, focused=True)

    def window(self, title, focused=False):
        """Waits for the window titled `title` (with the keyboard focus)."""
        def found():
            if self.game.poll() is not None:
                raise TestFailure(f"the game ended with status {self.game.returncode}")
            windows = self.log.shown("toplevel", title)
            if not windows or (focused and self.log.focus() is not windows[-1]):
                return None
            return windows[-1]
        return poll(f"{'the focused ' if focused else ''}window {title.strip()!r}", found)

    def gone(self, window):
        poll(f"{window} to close", lambda: self.log.closed(window))

    def about(self):
        """The about window shown now, if any: a popup of the main window."""
        popups = [popup for popup in self.log.shown("popup") if popup.parent is self.main]
        return popups[-1] if popups else None

    def drop(self, *keys):
        self.desktop.press(*keys)
        self.counted += len(keys)

    def click(self, window, x, y):
        """Clicks at x, y on the screen, once the pointer is over `window`: a
        desktop may take a button pressed right after a move before the move
        (mutter 43 does)."""
        self.desktop.move(x, y)
        poll(f"the pointer over {window}", lambda: self.log.pointer() is window)
        self.desktop.button(True)
        self.desktop.button(False)

    def click_column_1(self):
        x, y = design.centre(design.MAIN.columns[0])
        self.click(self.main, self.picture[0] + x, self.picture[1] + y)
        self.counted += 1

    def find_picture(self):
        """Where the main picture lies on the screen: from the desktop's word
        on the main window's frame (KWin draws none here), or where the
        picture's plain field is seen (mutter)."""
        frames = self.desktop.frames()
        if frames is not None:
            x, y, width, height = dict(frames)[TITLES.main.strip()]
            return x + width - PICTURE[0], y + height - PICTURE[1]
        corner = find_field(self.still_screen(), PICTURE)
        if corner is None:
            raise TestFailure("the main picture is nowhere on the screen")
        return corner

    def still_screen(self):
        """The screen once the game has drawn what it had to: two
        screenshots in a row alike. None where the screen cannot be seen."""
        shots = [self.desktop.screenshot()]
        if shots[0] is None:
            return None

        def alike():
            shots.append(self.desktop.screenshot())
            return not changes(*shots[-2:]) and shots[-1]
        return poll("the screen to stay still", alike)

    def open_about(self):
        """Opens the about window with F1 and checks it: beside the main
        window, and taking the keys (the key 1 drops no disc)."""
        before = self.still_screen()
        self.desktop.press("F1")
        about = poll("the about window", lambda: (about := self.about()) and about.place and about)
        self.check_beside(about, before)
        self.desktop.press("1")
        return about

    def check_beside(self, about, before):
        # Where the desktop placed it, as it told the game: relative to the
        # main window's window geometry, its frame when the game draws one.
        main = (0, 0, *self.main.geometry[2:])
        if about.dismissed:
            raise TestFailure("the desktop closed the about window")
        if not beside(about.place, main):
            raise TestFailure(f"the about window at {about.place} is not beside the main "
                              f"window at {main}")
        print(f"ok: the desktop placed the about window at {about.place}, "
              f"beside the main window at {main}")
        if self.desktop.frames() is not None:
            # The desktop lists the popup once the game has drawn it.
            self.about_corner = poll("the desktop to show the about window",
                                     lambda: self.check_frames_beside(about))
        if before is not None:
            self.about_corner = self.check_seen_beside(before, self.still_screen())

    def check_frames_beside(self, about):
        """Where the desktop says the windows lie: the about window's frame
        beside the main window's. Returns the about window's top-left corner,
        or None while the desktop does not show it."""
        frames = self.desktop.frames()
        main = dict(frames)[TITLES.main.strip()]
        popup = [frame for title, frame in frames if title == "" and frame[2:] == about.place[2:]]
        if not popup:
            return None
        if len(popup) != 1 or not beside(popup[0], main):
            raise TestFailure(f"the desktop's windows: {frames}")
        print(f"ok: the desktop shows the about window at {popup[0]}, "
              f"beside the main window at {main}")
        return popup[0][:2]

    def check_seen_beside(self, before, after):
        """On the screen: what changed as the about window opened lies beside
        the main window's frame, and nothing over it. The frame's sides are
        as wide as each other."""
        changed = changes(before, after)
        if not changed:
            raise TestFailure("the about window is not seen on the screen")
        xs, ys = [x for x, _ in changed], [y for _, y in changed]
        seen = (min(xs), min(ys), max(xs) - min(xs) + 1, max(ys) - min(ys) + 1)
        side = (self.main.geometry[2] - PICTURE[0]) // 2
        frame_sides = (self.picture[0] - side, self.picture[1], PICTURE[0] + 2 * side, PICTURE[1])
        if not beside(seen, frame_sides):
            raise TestFailure(f"the about window is seen at {seen}, the main picture at "
                              f"{self.picture} in a frame {side} px wide at its sides")
        print(f"ok: the about window is seen at {seen}, beside the main window's frame "
              f"{side} px right of the picture at {self.picture}")
        return seen[:2]

    def leave(self, q_key="q"):
        """Ctrl+Q (`q_key` being where the layout puts Q) opens the farewell,
        whose Return ends the game with exit status 0."""
        self.desktop.press(f"Control+{q_key}")
        farewell = self.window(TITLES.farewell, focused=True)
        # Return ends the program at once, long before the farewell's 10 s
        # timer. The process then gets time to finish (a sanitized build
        # checks for leaks on the way out).
        self.desktop.press("Return")
        self.gone(farewell)
        poll("the program to end after the farewell", lambda: self.game.poll() is not None,
             timeout=30)
        if self.game.returncode != 0:
            raise TestFailure(f"exit status {self.game.returncode}")


DESKTOPS = {"mutter": Mutter, "kwin": KWin}


def missing(name, binary=None, input_client=""):
    """What is missing to run the game on the desktop `name` here; KWin
    needs the fake-input client, which the build makes where it can."""
    if name not in DESKTOPS:
        return [f"a desktop called {name!r} (mutter or kwin)"]
    lacking = DESKTOPS[name].missing()
    if name == "kwin" and not input_client:
        lacking.append("the fake-input client (plasma-wayland-protocols, libwayland-dev)")
    return lacking
