"""The keys 1 to 5 on keyboard layouts that type something else there, on
KDE's compositor (KWin) with its own keymap set as a player's desktop sets
it, the game in the layout's language: French AZERTY, whose number row types
& é " ' ( unshifted, and Arabic with Arabic-Indic digits (١ ٢ ٣ ٤ ٥ unshifted).
In each, the names are typed into the translated prompts, the number row's
first five keys are pressed unshifted 26 times, which must make the draw
(every press counted as a column), and Ctrl+Q and the farewell's Return end
the program with status 0.
Skipped (77) when KWin's tools are missing."""

import os
import sys

sys.dont_write_bytecode = True  # nothing written into the source tree
from dropline_e2e import design, runner, wayland  # noqa: E402
from dropline_e2e.design import PROMPTS, TITLES  # noqa: E402
from dropline_e2e.translation import Translation  # noqa: E402

# Each layout, as its users set it, with the game's language and the key that
# types Q there (Ctrl+Q leaves the game): AZERTY has Q where QWERTY has A;
# an Arabic desktop keeps a Latin layout beside, which Qt's shortcuts use.
LAYOUTS = (
    ("fr", "", "fr_FR.UTF-8", "a"),
    ("ara,us", "digits,", "ar_EG.UTF-8", "q"),
)


def play(desktop, game, locale, q_key):
    tr = Translation(locale)
    play = wayland.Play(desktop, game)
    play.start(tr(PROMPTS.context, TITLES.names))
    # The bottom row, then column 1 filled and pressed on while full: no line
    # of four in 25 counted presses, and the next one makes the draw.
    play.drop("1", "2", "3", "4", "5", *["1"] * (design.DRAW_CLICK - 6))
    play.draw("1")
    print(f"ok: {design.DRAW_CLICK} presses of the number row made the draw")
    play.leave(q_key)


def play_layouts(binary, input_client=""):
    for layout, variant, locale, q_key in LAYOUTS:
        with wayland.KWin(input_client, KWIN_XKB_DEFAULT_KEYMAP="1", XKB_DEFAULT_LAYOUT=layout,
                          XKB_DEFAULT_VARIANT=variant, LANG=locale) as desktop:
            play(desktop, desktop.start_game(os.path.realpath(binary)), locale, q_key)
        print(f"layout {layout} ({locale}): passed")


if __name__ == "__main__":
    runner.main(play_layouts, "wayland_layouts.py PATH-TO-tavrin-dropline KWIN-INPUT-CLIENT",
                arguments=(1, 2), missing=lambda binary, client="": wayland.missing("kwin", binary, client))
