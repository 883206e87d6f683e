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
Skipped (77) without the tools."""

import sys

sys.dont_write_bytecode = True  # nothing written into the source tree
from dropline_e2e import orca, runner  # noqa: E402
from dropline_e2e.design import PROMPTS, TITLES  # noqa: E402
from dropline_e2e.processes import TestFailure  # noqa: E402

# A full board with no four in a row: columns 1..5, one drop each, red first.
DRAWN_GAME = "3132232313141521545245454"
WIN = "Congratulations!! Red Player Wins"


def expect_beside(desktop, side):
    """The about window lies on `side` of the main window's frame, touching
    it, top aligned, and on the screen."""
    main, about = desktop.frame(TITLES.main), desktop.frame(TITLES.about)
    x = main[0] + main[2] if side == "right" else main[0] - about[2]
    if about[:2] != (x, main[1]) or about[0] < 0 or about[0] + about[2] > desktop.size[0]:
        raise TestFailure(f"the about window at {about} is not {side} of the main window at {main}")


def spoken_player(colour, name):
    return f"{colour}, {name}"


def play(desktop, accessibility):
    player = orca.Player(desktop)
    speech = desktop.speech
    ann, bob = spoken_player("Red", "Ann"), spoken_player("Blue", "Bob")

    speech.expect(PROMPTS.first_name)
    player.answer("Ann", PROMPTS.second_name)
    player.answer("Bob", "Board")

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
        desktop.keys("Left")
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

    player.key("ctrl+n", PROMPTS.new_players)
    player.answer(PROMPTS.yes, PROMPTS.first_first_name)
    player.answer("Cy", PROMPTS.second_first_name)
    player.answer("Di", "Board")
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
    desktop.move(TITLES.main, 0, 100)
    player.key("F1", "Programming: the Tavrin Dropline developers. "
                     "Artwork: the Tavrin Dropline developers. tavrin-dropline.example.org. OK")
    accessibility.expect_spoken_over("Programming: the Tavrin Dropline developers",
                                     TITLES.about)
    expect_beside(desktop, "right")
    player.key("Escape", "Board")
    desktop.move(TITLES.main, desktop.size[0] - desktop.frame(TITLES.main)[2], 100)
    player.key("F1", "Programming: the Tavrin Dropline developers")
    expect_beside(desktop, "left")
    player.key("space", "Board")

    player.key("ctrl+q", "Thank you for playing Tavrin Dropline! "
                         "Visit us at tavrin-dropline.example.org. More games are on their way. Exit")
    desktop.keys("Return")


if __name__ == "__main__":
    runner.main(lambda binary: orca.play(play, binary), "orca_play.py PATH-TO-tavrin-dropline",
                missing=lambda binary: orca.missing())
