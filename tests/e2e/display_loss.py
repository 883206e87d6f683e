"""The display goes away under the running game: the X server is killed while
the main window is up. The program must end by itself within a bound, say
why on stderr, and neither hang nor crash (no abort, no segfault, no core)."""

import glob
import os
import resource
import sys
import time

sys.dont_write_bytecode = True  # nothing written into the source tree
from dropline_e2e import design, runner, x11  # noqa: E402
from dropline_e2e.processes import TestFailure, poll  # noqa: E402

END_LIMIT_S = 10


def lose_display(binary):
    # A core, if one were written, would land in the test's folder.
    resource.setrlimit(resource.RLIMIT_CORE, (resource.RLIM_INFINITY,) * 2)
    with x11.Display() as display:
        with open(display.path("err.log"), "wb") as err:
            game = display.spawn([os.path.realpath(binary)], log="out.log", stderr=err,
                                 cwd=display.dir, env=dict(
                                     PULSE_SERVER=f"unix:{display.dir}/no-server",
                                     XDG_RUNTIME_DIR=display.dir))
        display.window(design.TITLES.main)
        time.sleep(0.5)  # the first activation asks for the names: the prompt is up now
        if game.poll() is not None:
            raise TestFailure("the game ended before the display went away")
        display.kill(display.server)
        poll("the game to end after the display went away", lambda: game.poll() is not None,
             END_LIMIT_S)
        said = display.log("err.log")
        print(f"exit status {game.returncode}; stderr:\n{said}")
        # A negative status is a signal's (from Python), above 128 a shell's.
        if game.returncode < 0 or game.returncode > 128:
            raise TestFailure(f"the game died by a signal (status {game.returncode})")
        if not said:
            raise TestFailure("the game ended without a word on stderr")
        if glob.glob(display.path("core*")):
            raise TestFailure("the game left a core dump")


if __name__ == "__main__":
    runner.main(lose_display, "display_loss.py PATH-TO-tavrin-dropline",
                missing=lambda binary: x11.missing())
