"""End to end on the real program as a native Wayland client (no X server
anywhere) of a headless desktop: GNOME's compositor (mutter) or KDE's (KWin).
Both names are typed into the prompts. Discs are dropped with the keys 1 to 5
and by clicks on the board, one of them while the about window is open. F1
opens the about window, which must lie beside the main window, touching it
and not over it, and take the keys: the key 1 drops no disc then. Return, or
a click on its OK area, closes it. The 26th counted press makes the draw,
which shows that every click counted and no key meant for the about window
did. Ctrl+Q opens the farewell, whose Return ends the program with status 0.
Skipped (77) when the desktop's tools are missing."""

import os
import sys

sys.dont_write_bytecode = True  # nothing written into the source tree
from dropline_e2e import design, runner, wayland  # noqa: E402
from dropline_e2e.processes import TestFailure  # noqa: E402


def play(desktop, game):
    play = wayland.Play(desktop, game)
    play.start()
    print("ok: the main window is a native Wayland window; both names typed")
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
    play.drop(*["1"] * (design.DRAW_CLICK - 1 - play.counted))
    if about.gone:
        raise TestFailure("the about window closed when the main window was clicked")
    ok_x, ok_y = design.centre(design.ABOUT.ok)
    play.click(about, play.about_corner[0] + ok_x, play.about_corner[1] + ok_y)
    play.gone(about)
    print("ok: a click on the board beside the about window dropped a disc, "
          "a click on its OK closed it")
    # The about window closed after the last press: the board has seen them all.
    play.draw("1")
    print(f"ok: the press counted {design.DRAW_CLICK}th made the draw")
    play.leave()
    print("ok: Ctrl+Q opened the farewell, and its Return ended the game")


def play_on(name, binary, input_client=""):
    with wayland.KWin(input_client) if name == "kwin" else wayland.Mutter() as desktop:
        play(desktop, desktop.start_game(os.path.realpath(binary)))


if __name__ == "__main__":
    runner.main(play_on, "wayland_play.py mutter|kwin PATH-TO-tavrin-dropline [KWIN-INPUT-CLIENT]",
                arguments=(2, 3), missing=wayland.missing)
