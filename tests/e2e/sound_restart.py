"""End to end on the real program with a real sound server: a disc's sound
reaches a private PulseAudio server; the server is killed under the running
game, which plays on in silence; once the server is started again, the next
discs are heard without restarting the game, and the game still leaves
cleanly. Skipped (77) when no PulseAudio server can be started here."""

import sys

sys.dont_write_bytecode = True  # nothing written into the source tree
from dropline_e2e import runner, sound, x11  # noqa: E402
from dropline_e2e.processes import TestFailure, poll  # noqa: E402


def heard_after(game, server, *columns):
    """Clicks the columns one by one until a new stream appears; whether one did."""
    before = server.streams()
    for column in columns:
        game.click_column(column)
        try:
            return poll("a new stream", lambda: server.streams() > before, timeout=1)
        except TestFailure:
            continue
    return False


def play(binary):
    with sound.SoundServer("pulseaudio") as server, x11.Display() as display:
        server.watch_streams()
        game = x11.MouseGame(display, binary, **server.client_env)
        game.start()
        poll("the opening sound", lambda: server.streams() > 0, timeout=5)
        if not heard_after(game, server, 0):
            raise TestFailure("a disc was not heard")
        print("ok: a disc is heard")

        server.crash()
        for column in (1, 2, 3):
            game.click_column(column)
        if game.process.poll() is not None:
            raise TestFailure("the game ended with its sound server")
        print("ok: the game plays on without its sound server")

        server.restart()
        server.watch_streams()
        # Columns 0 and 1 keep the game from ending in a win before a sound is heard.
        if not heard_after(game, server, 0, 1, 0, 1, 0, 1):
            raise TestFailure("no disc was heard after the server's return")
        print("ok: discs are heard again after the server's return, the game never restarted")
        game.leave()


if __name__ == "__main__":
    runner.main(play, "sound_restart.py PATH-TO-tavrin-dropline",
                missing=lambda binary: sound.missing("pulseaudio") + x11.missing())
