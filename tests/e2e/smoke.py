"""End to end on the real program under a virtual X server: names typed into
the prompts, four red discs in a row by real clicks, the red winner line on
screen, Ctrl+Q, the farewell's Exit area, and a clean exit."""

import sys

sys.dont_write_bytecode = True  # nothing written into the source tree
from dropline_e2e import design, runner, x11  # noqa: E402
from dropline_e2e.processes import TestFailure, poll  # noqa: E402


def play(binary):
    with x11.Display() as display:
        # No sound server here: every cue fails fast and the game goes on.
        game = x11.MouseGame(display, binary, PULSE_SERVER=f"unix:{display.dir}/no-server",
                             XDG_RUNTIME_DIR=display.dir)
        game.start()
        winner = game.on_screen(design.MAIN.winner)
        before = x11.red_share(display.screen(), winner)
        if before >= 0.001:
            raise TestFailure(f"the winner line is red before any win ({before:.4f})")
        # Red fills the bottom row from the left; blue stacks up in the last column.
        for column in (0, 4, 1, 4, 2, 4, 3):
            game.click_column(column)
        poll("the winner line to turn red",
             lambda: x11.red_share(display.screen(), winner) > 0.02, timeout=5)
        game.leave()


if __name__ == "__main__":
    runner.main(play, "smoke.py PATH-TO-tavrin-dropline", missing=lambda binary: x11.missing())
