"""A private desktop for one run of the game with the Orca screen reader: a
virtual X server with a window manager, a session bus of its own, on which
the accessibility bus starts on demand, Orca, and the game. Orca logs what it
would say; the game is not told to expose itself, it follows Orca's request
as on a user's desktop. Also the game as an accessibility client (pyatspi)
sees it, and a player who plays by keys and listens to Orca."""

import os
import re

from . import design, x11
from .processes import LogLines, TestFailure, poll

_ACCESSIBILITY_BUS_SERVICE = "/usr/share/dbus-1/services/org.a11y.Bus.service"
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
# Debian 12's AT-SPI calls a push button "push button", Debian 13's "button".
BUTTON_ROLES = ("push button", "button")


def missing():
    """What is missing to run the game with Orca here, if anything."""
    lacking = x11.missing("openbox", "dbus-daemon", "orca", "xwininfo", "xprop", "xmodmap")
    if not os.path.exists(_ACCESSIBILITY_BUS_SERVICE):
        lacking.append("at-spi2-core")
    try:
        import pyatspi  # noqa: F401
        from gi.repository import GLib  # noqa: F401
    except ImportError:
        lacking.append("python3-pyatspi")
    return lacking


def spoken_form(text):
    """Text as compared with what Orca says: blanks collapsed, and without
    the full stop Orca closes an utterance with."""
    return " ".join(text.split()).rstrip(".")


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


class Desktop(x11.Display):
    """The X server with openbox (Orca follows the active window, which
    needs a window manager), the session bus and Orca."""

    def __init__(self):
        super().__init__(window_manager=True, prefix="dropline-orca-")
        self.env.update(HOME=self.dir, XDG_RUNTIME_DIR=self.dir)
        self.env.pop("AT_SPI_BUS_ADDRESS", None)
        self.speech = None

    def start(self):
        super().start()
        self.start_bus(GSETTINGS_BACKEND="memory")
        # This process is an accessibility client too: it talks to the same buses.
        os.environ.update(DISPLAY=self.env["DISPLAY"],
                          DBUS_SESSION_BUS_ADDRESS=self.env["DBUS_SESSION_BUS_ADDRESS"])
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)
        settings = self.path("orca")
        os.makedirs(settings)
        with open(os.path.join(settings, "orca-customizations.py"), "w") as customizations:
            customizations.write(_LINE_BUFFERED_LOG)
        # No speech server: Orca still logs every utterance.
        self.spawn(["orca", "--disable", "speech", "--disable", "braille",
                    "--debug-file", self.path("orca.log"), "--user-prefs", settings],
                   env=dict(GSETTINGS_BACKEND="memory"))
        self.show_on_failure("orca.log")
        poll("Orca to start", lambda: _ORCA_READY.search(self.log("orca.log")), timeout=60)
        self.speech = Speech(self.path("orca.log"))

    def start_game(self, binary, **env):
        """The game, which turns its accessibility on only as Orca asks."""
        return self.spawn([binary], log="game.log", env=dict(
            QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON=None,
            # No sound server: every cue fails at once and the game goes on.
            PULSE_SERVER=f"unix:{self.dir}/no-server", **env))


class Accessibility:
    """The game as an accessibility client sees it, beside Orca."""

    def __init__(self, pyatspi):
        self.pyatspi = pyatspi

    def app(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == design.facts.name:
                return app
        desktop.clear_cache()  # not there yet: ask the registry afresh next time
        return None

    def showing(self, thing):
        try:
            return thing.getState().contains(self.pyatspi.STATE_SHOWING)
        except Exception:
            return False

    def all(self, root=None):
        """Every showing object under `root` (the application by default)."""
        root = root or self.app()
        found = []
        if root is None:
            return found
        try:
            children = [child for child in root if child is not None]
        except Exception:
            return found
        for child in children:
            if self.showing(child):
                found.append(child)
                found.extend(self.all(child))
        return found

    def find(self, what, matches):
        """The first showing object that `matches`, once there is one; an
        object that goes away while it is asked about is passed over."""
        def first():
            for thing in self.all():
                try:
                    if matches(thing):
                        return thing
                except Exception:
                    continue
            return None
        return poll(what, first)

    def press_button(self, prefix):
        """Presses the showing button whose name begins with `prefix`, as a
        screen reader's activation (or a click) does."""
        action = self.find(f"a button named {prefix!r}", lambda thing: (
            thing.getRoleName() in BUTTON_ROLES and thing.name.startswith(prefix))).queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        action.doAction(names.index("Press"))

    def extents(self, thing):
        box = thing.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
        return box.x, box.y, box.width, box.height

    def named(self, name):
        """The showing object called `name`."""
        return self.find(f"an object named {name!r}", lambda thing: thing.name == name)

    def spoken_at(self, said):
        """Where the focused object whose name holds `said` lies: what a
        magnifier that follows the focus shows."""
        return self.extents(self.find(f"the focused object saying {said!r}", lambda thing: (
            thing.getState().contains(self.pyatspi.STATE_FOCUSED)
            and spoken_form(said) in spoken_form(thing.name))))

    def expect_spoken_over(self, said, name):
        """What was said lies exactly over the object called `name`."""
        at, over = self.spoken_at(said), self.extents(self.named(name))
        if at != over:
            raise TestFailure(f"{said!r} is said at {at}, not over {name!r} at {over}")

    def expect_spoken_around(self, said, names):
        """What was said lies around all the objects called `names`."""
        x, y, width, height = at = self.spoken_at(said)
        for name in names:
            left, top, w, h = self.extents(self.named(name))
            if not (x <= left and y <= top and left + w <= x + width and top + h <= y + height):
                raise TestFailure(f"{said!r} is said at {at}, not around {name!r} at "
                                  f"{(left, top, w, h)}")

    def expect_everything_named(self):
        """Every showing object without children (labels, buttons, discs) has
        a name."""
        unnamed = [thing.getRoleName() for thing in self.all()
                   if thing.childCount == 0 and not thing.name
                   and thing.getRoleName() not in ("separator", "filler")]
        if unnamed:
            raise TestFailure(f"showing objects without a name: {unnamed}")


class Player:
    """Plays by keys and listens to Orca."""

    def __init__(self, desktop):
        self.desktop = desktop
        self.speech = desktop.speech

    def key(self, key, says):
        self.desktop.keys(key)
        return self.speech.expect(says)

    def answer(self, text, says):
        """Types `text` into the prompt, then Return."""
        self.desktop.type(text)
        return self.key("Return", says)


def play(scenario, binary, **env):
    """Plays the game at `binary` (started with `env`) with
    `scenario(desktop, accessibility)` in a private desktop with Orca, and
    checks that it ends with status 0."""
    with Desktop() as desktop:
        import pyatspi
        game = desktop.start_game(binary, **env)
        scenario(desktop, Accessibility(pyatspi))
        poll("the game to end after Exit", lambda: game.poll() is not None, 5)
        if game.returncode != 0:
            raise TestFailure(f"exit status {game.returncode}")
