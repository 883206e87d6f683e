"""End to end through AT-SPI alone, as a screen reader plays: no mouse, no keys.
Both names typed into the prompts' editable text and confirmed with OK, a red
win by pressing the column buttons, the scoreboard read, the winner message
seen in an event, a new game with new players, a drawn game and its message,
the about window and its OK, then the farewell's Exit and a clean exit.
Usage: /usr/bin/python3 atspi_play.py PATH-TO-tavrin-dropline"""

import os
import signal
import sys

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from atspi_session import SKIP, Session, TestFailure, missing_tools, poll  # noqa: E402

APP = "Tavrin Dropline"
# A full board with no four in a row: columns 1..5, one drop each, red first.
DRAWN_GAME = "3132232313141521545245454"
RED_WIN = "1525354"  # red along the bottom row, blue stacking up in column 5
# Debian 13 names two roles differently: a push button is a "button", and a
# plain widget such as the board a "panel" rather than a "frame".
DEBIAN_12_ROLE_NAMES = {"button": "push button", "panel": "frame"}


class Screen:
    """What a screen reader sees of the game, and the presses it makes."""

    def __init__(self, pyatspi, glib):
        self.pyatspi = pyatspi
        self.context = glib.MainContext.default()
        self.renamed = []  # (role, name) read when each rename was announced
        self._columns = {}
        pyatspi.Registry.registerEventListener(
            self._on_rename, "object:property-change:accessible-name")

    def _on_rename(self, event):
        try:
            self.renamed.append((event.source.getRoleName(), event.source.name))
        except Exception:  # the object may be gone already
            pass

    def pump(self):
        """Delivers the events that have arrived."""
        while self.context.pending():
            self.context.iteration(False)

    def wait(self, what, check, timeout=10.0):
        return poll(what, check, timeout, self.pump)

    def app(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == APP:
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

    @staticmethod
    def role(thing):
        """The role's name as Debian 12 gives it; the test uses those names."""
        name = thing.getRoleName()
        return DEBIAN_12_ROLE_NAMES.get(name, name)

    def find(self, role, name=None, prefix=None, root=None):
        for thing in self.all(root):
            try:
                if self.role(thing) != role:
                    continue
                if (name is None or thing.name == name) and (
                        prefix is None or thing.name.startswith(prefix)):
                    return thing
            except Exception:
                continue
        return None

    def names(self, role, root=None):
        return [thing.name for thing in self.all(root) if thing.getRoleName() == role]

    def press(self, button):
        action = button.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        action.doAction(names.index("Press"))

    def window(self, role, *, holding):
        """The showing top-level window (frame, dialog, alert) that holds a
        label or button whose name begins with `holding`."""
        def holder():
            app = self.app()
            windows = [window for window in app if window is not None] if app else []
            for window in windows:
                if window.getRoleName() == role and self.showing(window) and any(
                        thing.name.startswith(holding) for thing in self.all(window)):
                    return window
            return None
        return self.wait(f"a {role} with {holding!r}", holder)

    def answer(self, prompt, text):
        """Types `text` into the input box asking `prompt` and presses its OK."""
        dialog = self.window("dialog", holding=prompt)
        self.wait("its editable text", lambda: self.find("text", root=dialog))
        self.find("text", root=dialog).queryEditableText().setTextContents(text)
        self.press(self.find("push button", "OK", root=dialog))
        self.wait(f"the box asking {prompt!r} to close", lambda: not self.showing(dialog))

    def column(self, number):
        """The button of column `number` (1..5); it lives as long as the game."""
        if number not in self._columns:
            self._columns[number] = self.wait(
                f"column {number}", lambda: self.find("push button", prefix=f"Column {number}:"))
        return self._columns[number]

    def drop(self, number):
        """Presses column `number` and waits until the column names its new disc."""
        button = self.column(number)
        before = button.name
        self.press(button)
        self.wait(f"a disc in column {number}", lambda: button.name != before)


def expect(what, actual, wanted):
    if actual != wanted:
        raise TestFailure(f"{what}: got {actual!r}, wanted {wanted!r}")


def expect_scoreboard(screen, *wanted):
    labels = screen.names("label", screen.window("frame", holding="New Game"))
    missing = [name for name in wanted if name not in labels]
    if missing:
        raise TestFailure(f"scoreboard lacks {missing}; it reads {labels}")


def expect_everything_named(screen):
    """Every visible object without children (labels, buttons, discs) has a name."""
    unnamed = [thing.getRoleName() for thing in screen.all()
               if thing.childCount == 0 and not thing.name
               and thing.getRoleName() not in ("separator", "filler")]
    expect("visible objects without a name", unnamed, [])


def play(screen):
    screen.wait("the game on the accessibility bus", screen.app, timeout=20)
    screen.answer(" First Player's Name", "Ann")
    screen.answer(" Second Player's Name", "Bob")
    expect_scoreboard(screen, "Player 1, red: Ann", "Player 2, blue: Bob", "Step, red: 0",
                      "Step, blue: 0", "Winned, red: 0", "Winned, blue: 0", "Winner")
    expect("column 1", screen.column(1).name, "Column 1: empty")

    for column in map(int, RED_WIN):
        screen.drop(column)
    winner = "Winner: Congratulations!! Red Player Wins"
    screen.wait("the winner message in an event", lambda: ("label", winner) in screen.renamed)
    expect_scoreboard(screen, winner, "Step, red: 4", "Step, blue: 3", "Winned, red: 1",
                      "Winned, blue: 0")
    expect("column 5", screen.column(5).name, "Column 5: blue, blue, blue; 2 free")
    if not screen.find("image", "red disc, column 4, row 1"):
        raise TestFailure("the winning disc has no name")
    expect_everything_named(screen)

    screen.press(screen.find("push button", "New Game"))
    screen.answer(" New players?", "y")
    screen.answer(" First Player's First Name", "Cy")
    screen.answer(" Second Player's First Name", "Di")
    expect_scoreboard(screen, "Player 1, red: Cy", "Player 2, blue: Di", "Step, red: 0",
                      "Winned, red: 0", "Winner")
    board = screen.find("frame", "Board")
    expect("the new board", board.description, ". ".join(
        f"Column {column}: empty" for column in range(1, 6)))

    for column in map(int, DRAWN_GAME):
        screen.drop(column)
    expect("a full column", screen.column(1).name, "Column 1: blue, red, red, red, blue; full")
    screen.press(screen.column(1))
    message = screen.window("alert", holding=" Both of you have reached a draw, Play a new game")
    screen.press(screen.find("push button", "OK", root=message))
    screen.wait("the board cleared after the draw",
                lambda: screen.column(1).name == "Column 1: empty")
    expect_scoreboard(screen, "Step, red: 0", "Step, blue: 0", "Winned, red: 0")

    screen.press(screen.find("push button", "About"))
    about = screen.window("frame", holding="OK")
    expect_everything_named(screen)
    screen.press(screen.find("push button", "OK", root=about))
    screen.wait("the about window to close", lambda: not screen.showing(about))

    main = screen.window("frame", holding="New Game")
    screen.press(screen.find("push button", "Exit", root=main))
    screen.wait("the main window to go", lambda: not screen.showing(main))
    farewell = screen.window("frame", holding="Exit")
    screen.press(screen.find("push button", "Exit", root=farewell))


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__.splitlines()[-1])
    missing = missing_tools()
    if missing:
        print("skipped: missing", ", ".join(missing))
        sys.exit(SKIP)
    # A timeout from ctest still ends everything this test started.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("terminated"))

    with Session() as session:
        import pyatspi
        from gi.repository import GLib
        game = session.start_game(sys.argv[1])
        try:
            play(Screen(pyatspi, GLib))
            poll("the game to end after Exit", lambda: game.poll() is not None, 5)
            expect("exit status", game.returncode, 0)
        except TestFailure:
            print(session.game_output(), file=sys.stderr)
            raise
    print("AT-SPI play: passed")


if __name__ == "__main__":
    main()
