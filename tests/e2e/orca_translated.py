"""End to end with the Orca screen reader in a translated game: the player's
desktop is set to LOCALE (LANG), and everything Orca hears from the game is in
its language, composed from the language's own .ts file as the game composes it:
the name prompts, discs, a column read, a full column, the win, the score
panel and the turn, new players brought by the language's own yes-answer,
the about window's words and the farewell's, and a clean exit.
Skipped (77) without the tools; no glibc locale needs to be generated."""

import sys

sys.dont_write_bytecode = True  # nothing written into the source tree
from dropline_e2e import orca, runner  # noqa: E402
from dropline_e2e.design import PROMPTS  # noqa: E402
from dropline_e2e.processes import TestFailure, poll  # noqa: E402
from dropline_e2e.translation import Translation  # noqa: E402


def play(desktop, accessibility, tr):
    player = orca.Player(desktop)
    speech = desktop.speech

    def asked(prompt):
        return tr(PROMPTS.context, prompt)

    def said(source, *args, comment=None):
        return tr("Spoken", source, comment, *args)

    # A colour has a word for each use: a player, a disc of a column, the
    # colour of score values.
    def colours(use):
        return said("Red" if use == "a player" else "red", comment=use), \
            said("Blue" if use == "a player" else "blue", comment=use)

    red, blue = colours("score values")

    def side(colour, name):
        return said("%1, %2", colour, name, comment="player")

    def placed(mover, column, row, waiting):
        return (said("%1: column %2, row %3.", mover, column, row) + " " +
                said("%1, to move.", waiting))

    def full_column(column, discs):
        return said("Column %1: %2; %3", column, said(", ").join(discs), said("full"))

    def score(word, colour, value):
        title = said("%1, %2", said(word), colour, comment="score title")
        return said("%1: %2", title, value)

    red_player, blue_player = colours("a player")
    ann, bob = side(red_player, "Ann"), side(blue_player, "Bob")
    speech.expect(asked(PROMPTS.first_name))
    # The dialog's own buttons speak the language too (Qt's translation).
    buttons = poll("the prompt's buttons", lambda: [
        thing.name for thing in accessibility.all() if thing.getRoleName() in orca.BUTTON_ROLES])
    if "Cancel" in buttons:
        raise TestFailure(f"the prompt's buttons are English: {buttons}")
    player.answer("Ann", asked(PROMPTS.second_name))
    player.answer("Bob", said("Board"))

    # Column 4 filled, and one press more: the turn stays.
    movers = [ann, bob]
    for row in range(1, 6):
        player.key("4", placed(movers[(row - 1) % 2], 4, row, movers[row % 2]))
    player.key("4", said("Column %1 is full. %2, still to move.", 4, bob))
    player.key("Left", said("Column %1: empty", 3))
    red_disc, blue_disc = colours("a disc in a column")
    player.key("Right", full_column(4, [red_disc, blue_disc, red_disc, blue_disc, red_disc]))
    # Blue in column 1, red across the bottom row to a win.
    player.key("1", placed(bob, 1, 1, ann))
    for column in (2, 3):
        player.key(str(column), placed(ann, column, 1, bob))
        player.key("1", placed(bob, 1, column, ann))
    win = tr("Messages", " Congratulations!! Red Player Wins ").strip()
    player.key("5", said("%1: column %2, row %3.", ann, 5, 1) + " " + win)

    player.key("s", (said(".") + said(" ")).join([
        score("Player 1", red, "Ann"), score("Step", red, 6), score("Winned", red, 1)]))
    player.key("t", win)
    accessibility.expect_everything_named()

    # New players, brought by the language's own yes-answer.
    player.key("ctrl+n", asked(PROMPTS.new_players))
    player.answer(asked(PROMPTS.yes).split()[0], asked(PROMPTS.first_first_name))
    player.answer("Cy", asked(PROMPTS.second_first_name))
    player.answer("Di", said("Board"))
    player.key("t", said("%1, to move.", side(red_player, "Cy")))

    # A window's words are read as sentences, closed where they lack a mark.
    def sentences(*lines):
        lines = [tr("Artwork", line) for line in lines]
        return said(" ").join(line if line[-1] in ".!?\u3002\uff01\uff1f\u061f" else line + said(".")
                              for line in lines)

    player.key("F1", sentences("Programming: the Tavrin Dropline developers",
                               "Artwork: the Tavrin Dropline developers"))
    player.key("Escape", said("Board"))
    player.key("ctrl+q", sentences("Thank you for playing Tavrin Dropline!",
                                   "Visit us at tavrin-dropline.example.org",
                                   "More games are on their way.", "Exit"))
    desktop.keys("Return")


def play_in(locale, binary):
    tr = Translation(locale)
    # The desktop's language by LANG alone.
    orca.play(lambda desktop, accessibility: play(desktop, accessibility, tr), binary,
              LANG=locale, LANGUAGE="", LC_ALL="", LC_MESSAGES="")


if __name__ == "__main__":
    runner.main(play_in, "orca_translated.py LOCALE PATH-TO-tavrin-dropline "
                "(LOCALE such as fr_FR.UTF-8)", arguments=(2,),
                missing=lambda locale, binary: orca.missing())
