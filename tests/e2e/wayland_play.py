"""End to end on the real program as a native Wayland client (no X server
anywhere) of a headless desktop: GNOME's compositor (mutter) or KDE's (KWin).
Both names are typed into the prompts. Discs are dropped with the keys 1 to 5
and by clicks on the board, one of them while the about window is open. F1
opens the about window, which must lie beside the main window, touching it
and not over it, and take the keys: the key 1 drops no disc then. Return, or
a click on its OK area, closes it. The 26th counted press makes the draw,
which shows that every click counted and no key meant for the about window
did. Ctrl+Q opens the farewell, whose Return ends the program with status 0.
Usage: wayland_play.py mutter|kwin PATH-TO-tavrin-dropline [KWIN-INPUT-CLIENT]
Exits 77 (skipped) when the desktop's tools are missing."""

import os
import signal
import sys

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from orca_session import SKIP, TestFailure, poll  # noqa: E402
import wayland_desktops  # noqa: E402

# The windows' titles, as the game sets them; a message box shows the
# program's name. The about window is a popup, which has no title.
MAIN = " Tavrin Dropline"
NAMES = " Players Names "
DRAW = "Tavrin Dropline"
FAREWELL = "Form3"
# The main picture's size and its field colour; in the pictures, a point of
# column 1 on the board and one of the about window's OK button.
PICTURE = (527, 423)
FIELD = bytes((0xCC, 0xCE, 0xDC))
COLUMN_1 = (217, 150)
ABOUT_OK = (152, 176)
# The draw's click: 25 counted clicks make no draw yet, the next one does.
DRAW_CLICK = 26


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


class Play:
    def __init__(self, desktop, game):
        self.desktop = desktop
        self.game = game
        self.log = wayland_desktops.ProtocolLog(os.path.join(desktop.dir, "game.log"))
        self.main = None
        self.picture = None  # the main picture's top-left corner on the screen
        self.about_corner = None  # the about window's top-left corner there
        self.counted = 0  # the presses and clicks the board has counted

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
        self.click(self.main, self.picture[0] + COLUMN_1[0], self.picture[1] + COLUMN_1[1])
        self.counted += 1

    def find_picture(self):
        """Where the main picture lies on the screen: from the desktop's word
        on the main window's frame (KWin draws none here), or where the
        picture's field colour is seen (mutter)."""
        frames = self.desktop.frames()
        if frames is not None:
            x, y, width, height = dict(frames)[MAIN.strip()]
            return x + width - PICTURE[0], y + height - PICTURE[1]
        screen = self.still_screen()
        top = next((y for y, row in enumerate(screen) if FIELD in row), None)
        if top is None:
            raise TestFailure("the main picture is nowhere on the screen")
        row = screen[top]
        left = next(x for x in range(0, len(row), 3) if row[x:x + 3] == FIELD) // 3
        return left, top

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
        main = dict(frames)[MAIN.strip()]
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


def play(desktop, game):
    play = Play(desktop, game)
    play.main = play.window(MAIN)
    print("ok: the main window is a native Wayland window")
    # The desktop activates the new main window: its first activation asks
    # for the names.
    for name in ("Ann", "Bob"):
        prompt = play.window(NAMES, focused=True)
        desktop.type(name)
        desktop.press("Return")
        play.gone(prompt)
    play.window(MAIN, focused=True)
    print("ok: both names typed")
    play.picture = play.find_picture()

    # The bottom row by keys 1 to 5, then column 1 filled and pressed on when
    # full, by keys and clicks: no line of four.
    play.drop("1", "2", "3", "4", "5")
    play.click_column_1()
    play.click_column_1()

    about = play.open_about()
    desktop.press("Return")
    play.gone(about)
    print("ok: F1 opened the about window, which took the keys; Return closed it")

    about = play.open_about()
    # The main window stays playable beside it, and takes the keys back.
    play.click_column_1()
    play.drop(*["1"] * (DRAW_CLICK - 1 - play.counted))
    if about.gone:
        raise TestFailure("the about window closed when the main window was clicked")
    play.click(about, play.about_corner[0] + ABOUT_OK[0], play.about_corner[1] + ABOUT_OK[1])
    play.gone(about)
    print("ok: a click on the board beside the about window dropped a disc, "
          "a click on its OK closed it")
    # The about window closed after the last press: the board has seen them all.
    if play.log.shown("toplevel", DRAW):
        raise TestFailure("the draw came early: a key or click counted that should not have")
    play.drop("1")
    message = play.window(DRAW, focused=True)
    desktop.press("Return")
    play.gone(message)
    print(f"ok: the press counted {DRAW_CLICK}th made the draw")

    # Keys typed before the desktop gives the focus back would go nowhere.
    play.window(MAIN, focused=True)

    leave(desktop, game, play)
    print("ok: Ctrl+Q opened the farewell, and its Return ended the game")


def leave(desktop, game, play, q_key="q"):
    """Ctrl+Q (`q_key` being where the layout puts Q) opens the farewell,
    whose Return ends the game with exit status 0."""
    desktop.press(f"Control+{q_key}")
    farewell = play.window(FAREWELL, focused=True)
    # Return ends the program at once, long before the farewell's 10 s timer.
    # The process then gets time to finish (a sanitized build checks for
    # leaks on the way out).
    desktop.press("Return")
    play.gone(farewell)
    poll("the program to end after the farewell", lambda: game.poll() is not None, timeout=30)
    if game.returncode != 0:
        raise TestFailure(f"exit status {game.returncode}")


def main():
    if len(sys.argv) not in (3, 4) or sys.argv[1] not in wayland_desktops.DESKTOPS:
        sys.exit(__doc__.splitlines()[-2])
    name, binary = sys.argv[1], os.path.realpath(sys.argv[2])
    kind = wayland_desktops.DESKTOPS[name]
    missing = kind.missing()
    if not wayland_desktops.library_present("qt6/plugins/platforms/libqwayland-generic.so"):
        missing.append("qt6-wayland")
    input_client = sys.argv[3] if len(sys.argv) == 4 else ""
    if name == "kwin" and not input_client:
        missing.append("the fake-input client (plasma-wayland-protocols, libwayland-dev)")
    if missing:
        print("skipped: missing", ", ".join(missing))
        sys.exit(SKIP)
    # A timeout from ctest still ends everything this test started.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("terminated"))

    with kind(input_client) if name == "kwin" else kind() as desktop:
        game = desktop.start_game(binary)
        try:
            play(desktop, game)
        except TestFailure:
            # The game's own messages, without its Wayland connection.
            said = [line for line in desktop.log("game.log").splitlines()
                    if not line.startswith("[")]
            print("--- game", *said[-30:], f"--- {name}", desktop.log(f"{name}.log")[-3000:],
                  sep="\n", file=sys.stderr)
            raise
    print(f"wayland on {name}: passed")


if __name__ == "__main__":
    main()
