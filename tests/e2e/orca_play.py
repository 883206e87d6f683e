"""End to end with the Orca screen reader, played by keys alone as a blind
player does, asserting what Orca says: the name prompts, each disc with its
colour, player, column and row and who moves next, the columns read with
Left and Right, a full column, the win, the scoreboard and the turn on
demand, a new game with new players, a drawn game and its message, the about
window's words, its place beside the main window (right of its frame, or
left of it at the screen's right edge) and its closing by Escape and Space,
the farewell's words and its Exit by Return, and a clean exit. One disc is dropped by a screen
reader's press on a column button, which is what a click does; every object
showing is named.
Usage: /usr/bin/python3 orca_play.py PATH-TO-tavrin-dropline"""

import os
import signal
import sys

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from orca_session import (SKIP, Session, TestFailure, missing_tools, poll,  # noqa: E402
                          spoken_form)

APP = "Tavrin Dropline"
MAIN = " Tavrin Dropline"
ABOUT = "Tarvin Dropline           -- About --"
SCREEN_WIDTH = 1024  # the session's screen
# Debian 12's AT-SPI calls a push button "push button", Debian 13's "button".
BUTTON_ROLES = ("push button", "button")
# A full board with no four in a row: columns 1..5, one drop each, red first.
DRAWN_GAME = "3132232313141521545245454"
WIN = "Congratulations!! Red Player Wins"


class Accessibility:
    """The game as an accessibility client sees it, beside Orca."""

    def __init__(self, pyatspi):
        self.pyatspi = pyatspi

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

    def press_button(self, prefix):
        """Presses the showing button whose name begins with `prefix`, as a
        screen reader's activation (or a click) does."""
        def button():
            for thing in self.all():
                try:
                    if thing.getRoleName() in BUTTON_ROLES and thing.name.startswith(prefix):
                        return thing
                except Exception:
                    continue
            return None
        found = poll(f"a button named {prefix!r}", button)
        action = found.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        action.doAction(names.index("Press"))

    def extents(self, thing):
        box = thing.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
        return box.x, box.y, box.width, box.height

    def named(self, name):
        """The showing object called `name`."""
        def find():
            return next((thing for thing in self.all() if thing.name == name), None)
        return poll(f"an object named {name!r}", find)

    def spoken_at(self, said):
        """Where the focused object whose name holds `said` lies: what a
        magnifier that follows the focus shows."""
        def find():
            for thing in self.all():
                try:
                    if (thing.getState().contains(self.pyatspi.STATE_FOCUSED)
                            and spoken_form(said) in spoken_form(thing.name)):
                        return thing
                except Exception:
                    continue
            return None
        return self.extents(poll(f"the focused object saying {said!r}", find))

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

    def __init__(self, session):
        self.session = session
        self.speech = session.speech

    def key(self, key, says):
        self.session.keys(key)
        return self.speech.expect(says)



def expect_beside(session, side):
    """The about window lies on `side` of the main window's frame, touching
    it, top aligned, and on the screen."""
    main, about = session.frame(MAIN), session.frame(ABOUT)
    x = main[0] + main[2] if side == "right" else main[0] - about[2]
    if about[:2] != (x, main[1]) or about[0] < 0 or about[0] + about[2] > SCREEN_WIDTH:
        raise TestFailure(f"the about window at {about} is not {side} of the main window at {main}")


def spoken_player(colour, name):
    return f"{colour}, {name}"


def play(session, accessibility):
    player = Player(session)
    speech = session.speech
    ann, bob = spoken_player("Red", "Ann"), spoken_player("Blue", "Bob")

    speech.expect(" First Player's Name")
    session.type("Ann")
    player.key("Return", " Second Player's Name")
    session.type("Bob")
    player.key("Return", "Board")

    # Column 5 filled and one press more; the turn stays with blue.
    # What is said lies over what it is about, where a magnifier following
    # the focus looks.
    movers = [ann, bob]
    for row in range(1, 6):
        mover, waiting = movers[(row - 1) % 2], movers[row % 2]
        player.key("5", f"{mover}: column 5, row {row}. {waiting}, to move")
        if row == 1:
            accessibility.expect_spoken_over(f"{ann}: column 5, row 1", "red disc, column 5, row 1")
    player.key("5", f"Column 5 is full. {bob}, still to move")
    accessibility.expect_spoken_over("Column 5 is full", "Column 5: red, blue, red, blue, red; full")

    # Left reads the columns; at the edge the same column is read again.
    player.key("Left", "Column 4: empty")
    accessibility.expect_spoken_over("Column 4: empty", "Column 4: empty")
    for _ in range(3):
        session.keys("Left")
    speech.expect("Column 1: empty")
    player.key("Left", "Column 1: empty")
    player.key("Return", f"{bob}: column 1, row 1. {ann}, to move")
    # A press on the column's button, as a click on the board.
    accessibility.press_button("Column 2:")
    speech.expect(f"{ann}: column 2, row 1. {bob}, to move")
    player.key("1", f"{bob}: column 1, row 2. {ann}, to move")
    player.key("Right", "Column 2: red")
    player.key("Right", "Column 3: empty")
    player.key("space", f"{ann}: column 3, row 1. {bob}, to move")
    player.key("1", f"{bob}: column 1, row 3. {ann}, to move")
    player.key("Right", "Column 2: red")
    player.key("Right", "Column 3: red")
    player.key("Right", "Column 4: empty")
    player.key("Down", f"{ann}: column 4, row 1. {WIN}")
    accessibility.expect_spoken_over(WIN, "red disc, column 4, row 1")

    player.key("s", "Player 1, red: Ann. Step, red: 6. Winned, red: 1. "
                    "Player 2, blue: Bob. Step, blue: 5. Winned, blue: 0. "
                    f"Winner: {WIN}")
    accessibility.expect_spoken_around(
        "Player 1, red: Ann. Step, red: 6", ["Player 1, red: Ann", "Winned, blue: 0", f"Winner: {WIN}"])
    player.key("t", WIN)
    player.key("2", WIN)  # the won board takes no disc, and says why
    accessibility.expect_everything_named()

    player.key("ctrl+n", " New players?")
    session.type("y")
    player.key("Return", " First Player's First Name")
    session.type("Cy")
    player.key("Return", " Second Player's First Name")
    session.type("Di")
    player.key("Return", "Board")
    cy, di = spoken_player("Red", "Cy"), spoken_player("Blue", "Di")
    player.key("t", f"{cy}, to move")

    filled = [0] * 5
    for move, column in enumerate(map(int, DRAWN_GAME)):
        filled[column - 1] += 1
        mover, waiting = (cy, di) if move % 2 == 0 else (di, cy)
        player.key(str(column), f"{mover}: column {column}, row {filled[column - 1]}. "
                                f"{waiting}, to move")
    player.key("3", " Both of you have reached a draw, Play a new game")
    player.key("Return", "Board")
    player.key("s", "Step, red: 0. Winned, red: 0")

    # The about window opens beside the main window: right of it, or left
    # of it where the screen has no room on its right.
    session.move(MAIN, 0, 100)
    player.key("F1", "Programming: the Tavrin Dropline developers. "
                     "Artwork: the Tavrin Dropline developers. tavrin-dropline.example.org. OK")
    accessibility.expect_spoken_over("Programming: the Tavrin Dropline developers",
                                     "Tarvin Dropline           -- About --")
    expect_beside(session, "right")
    player.key("Escape", "Board")
    session.move(MAIN, SCREEN_WIDTH - session.frame(MAIN)[2], 100)
    player.key("F1", "Programming: the Tavrin Dropline developers")
    expect_beside(session, "left")
    player.key("space", "Board")

    player.key("ctrl+q", "Thank you for playing Tavrin Dropline! "
                         "Visit us at tavrin-dropline.example.org. More games are on their way. Exit")
    session.keys("Return")


def run(play, binary, **env):
    """Plays the game at `binary` (started with `env`) with `play(session,
    accessibility)` in a private desktop with Orca, and checks that it ends
    with status 0; exits 77 (skipped) when the tools are missing."""
    missing = missing_tools()
    if missing:
        print("skipped: missing", ", ".join(missing))
        sys.exit(SKIP)
    # A timeout from ctest still ends everything this test started.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("terminated"))

    with Session() as session:
        import pyatspi
        game = session.start_game(binary, **env)
        try:
            play(session, Accessibility(pyatspi))
            poll("the game to end after Exit", lambda: game.poll() is not None, 5)
            if game.returncode != 0:
                raise TestFailure(f"exit status {game.returncode}")
        except TestFailure:
            print(session.game_output(), file=sys.stderr)
            raise


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__.splitlines()[-1])
    run(play, sys.argv[1])
    print("Orca play: passed")


if __name__ == "__main__":
    main()
