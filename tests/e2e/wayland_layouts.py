"""The keys 1 to 5 on keyboard layouts that type something else there, on
KDE's compositor (KWin) with its own keymap set as a player's desktop sets
it, the game in the layout's language: French AZERTY, whose number row types
& é " ' ( unshifted, and Arabic with Arabic-Indic digits (١ ٢ ٣ ٤ ٥ unshifted).
In each, the names are typed into the translated prompts, the number row's
first five keys are pressed unshifted 26 times, which must make the draw
(every press counted as a column), and Ctrl+Q and the farewell's Return end
the program with status 0.
Usage: wayland_layouts.py PATH-TO-tavrin-dropline KWIN-INPUT-CLIENT
Exits 77 (skipped) when KWin's tools are missing."""

import os
import signal
import sys

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from orca_session import SKIP, TestFailure  # noqa: E402
from orca_translated import Translation  # noqa: E402
from wayland_play import DRAW, DRAW_CLICK, MAIN, Play, leave  # noqa: E402
import wayland_desktops  # noqa: E402

# Each layout, as its users set it, with the game's language and the key that
# types Q there (Ctrl+Q leaves the game): AZERTY has Q where QWERTY has A;
# an Arabic desktop keeps a Latin layout beside, which Qt's shortcuts use.
LAYOUTS = (
    ("fr", "", "fr_FR.UTF-8", "a"),
    ("ara,us", "digits,", "ar_EG.UTF-8", "q"),
)


def play(desktop, game, locale, q_key):
    tr = Translation(locale)
    play = Play(desktop, game)
    play.main = play.window(MAIN)
    for name in ("Ann", "Bob"):
        prompt = play.window(tr("Prompts", " Players Names "), focused=True)
        desktop.type(name)
        desktop.press("Return")
        play.gone(prompt)
    play.window(MAIN, focused=True)
    # The bottom row, then column 1 filled and pressed on while full: no line
    # of four in 25 counted presses, and the next one makes the draw.
    presses = ["1", "2", "3", "4", "5"] + ["1"] * (DRAW_CLICK - 5)
    desktop.press(*presses[:-1])
    if play.log.shown("toplevel", DRAW):
        raise TestFailure("the draw came early")
    desktop.press(presses[-1])
    message = play.window(DRAW, focused=True)
    desktop.press("Return")
    play.gone(message)
    print(f"ok: {DRAW_CLICK} presses of the number row made the draw")
    play.window(MAIN, focused=True)
    leave(desktop, game, play, q_key)


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__.splitlines()[-2])
    binary = os.path.realpath(sys.argv[1])
    input_client = sys.argv[2] if len(sys.argv) == 3 else ""
    missing = wayland_desktops.KWin.missing()
    if not input_client:
        missing.append("the fake-input client (plasma-wayland-protocols, libwayland-dev)")
    if not wayland_desktops.library_present("qt6/plugins/platforms/libqwayland-generic.so"):
        missing.append("qt6-wayland")
    if missing:
        print("skipped: missing", ", ".join(missing))
        sys.exit(SKIP)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("terminated"))

    for layout, variant, locale, q_key in LAYOUTS:
        env = dict(KWIN_XKB_DEFAULT_KEYMAP="1", XKB_DEFAULT_LAYOUT=layout,
                   XKB_DEFAULT_VARIANT=variant, LANG=locale)
        with wayland_desktops.KWin(input_client, env) as desktop:
            game = desktop.start_game(binary)
            try:
                play(desktop, game, locale, q_key)
            except TestFailure:
                said = [line for line in desktop.log("game.log").splitlines()
                        if not line.startswith("[")]
                print("--- game", *said[-30:], "--- kwin", desktop.log("kwin.log")[-3000:],
                      sep="\n", file=sys.stderr)
                raise
        print(f"layout {layout} ({locale}): passed")


if __name__ == "__main__":
    main()
