"""End to end with the Orca screen reader in a translated game: the player's
desktop is set to LOCALE (LANG), and everything Orca hears from the game is in
its language, composed from the language's own .ts file as the game composes it:
the name prompts, discs, a column read, a full column, the win, the score
panel and the turn, new players brought by the language's own yes-letter,
the about window's words and the farewell's, and a clean exit.
Usage: /usr/bin/python3 orca_translated.py LOCALE PATH-TO-tavrin-dropline
(LOCALE such as fr_FR.UTF-8; no glibc locale needs to be generated)"""

import os
import re
import sys
import xml.etree.ElementTree as ElementTree

sys.dont_write_bytecode = True  # nothing written into the source tree
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from orca_play import BUTTON_ROLES, Player, run  # noqa: E402
from orca_session import TestFailure, poll  # noqa: E402


class Translation:
    """The language's texts, looked up as the game looks them up."""

    def __init__(self, locale):
        # ar_EG.UTF-8 speaks ar, zh_CN.UTF-8 zh_CN.
        name = locale.split(".")[0]
        folder = os.path.join(HERE, "..", "..", "translations")
        path = os.path.join(folder, f"tavrin-dropline_{name}.ts")
        if not os.path.exists(path):
            path = os.path.join(folder, f"tavrin-dropline_{name.split('_')[0]}.ts")
        self.texts = {}
        for context in ElementTree.parse(path).getroot().iter("context"):
            name = context.findtext("name") or ""
            for message in context.iter("message"):
                translation = message.find("translation")
                forms = [form.text for form in translation.iter("numerusform")]
                key = (name, message.findtext("source"), message.findtext("comment"))
                self.texts[key] = forms or translation.text

    def __call__(self, context, source, comment=None, *args):
        # One pass, as QString::arg with several arguments: a filled-in value
        # is never filled in again.
        return re.sub(r"%([1-9])", lambda marker: str(args[int(marker.group(1)) - 1]),
                      self.texts[(context, source, comment)])


def capitalised(text):
    return text[:1].upper() + text[1:]


def play(session, accessibility, tr):
    player = Player(session)
    speech = session.speech

    def said(source, *args, comment=None):
        return tr("Spoken", source, comment, *args)

    red, blue = said("red"), said("blue")

    def side(colour, name):
        return said("%1, %2", capitalised(colour), name, comment="player")

    def placed(mover, column, row, waiting):
        return (said("%1: column %2, row %3.", mover, column, row) + " " +
                said("%1, to move.", waiting))

    def full_column(column, discs):
        return said("Column %1: %2; %3", column, said(", ").join(discs), said("full"))

    def score(word, colour, value):
        title = said("%1, %2", said(word), colour, comment="score title")
        return said("%1: %2", title, value)

    ann, bob = side(red, "Ann"), side(blue, "Bob")
    speech.expect(tr("Prompts", " First Player's Name"))
    # The dialog's own buttons speak the language too (Qt's translation).
    buttons = poll("the prompt's buttons", lambda: [
        thing.name for thing in accessibility.all() if thing.getRoleName() in BUTTON_ROLES])
    if "Cancel" in buttons:
        raise TestFailure(f"the prompt's buttons are English: {buttons}")
    session.type("Ann")
    player.key("Return", tr("Prompts", " Second Player's Name"))
    session.type("Bob")
    player.key("Return", said("Board"))

    # Column 4 filled, and one press more: the turn stays.
    movers = [ann, bob]
    for row in range(1, 6):
        player.key("4", placed(movers[(row - 1) % 2], 4, row, movers[row % 2]))
    player.key("4", said("Column %1 is full. %2, still to move.", 4, bob))
    player.key("Left", said("Column %1: empty", 3))
    player.key("Right", full_column(4, [red, blue, red, blue, red]))
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

    # New players, brought by the language's own yes-letter.
    player.key("ctrl+n", tr("Prompts", " New players? [enter y for YES  &  n for NO]"))
    session.type(tr("Prompts", "y"))
    player.key("Return", tr("Prompts", " First Player's First Name"))
    session.type("Cy")
    player.key("Return", tr("Prompts", " Second Player's First Name"))
    session.type("Di")
    player.key("Return", said("Board"))
    player.key("t", said("%1, to move.", side(red, "Cy")))

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
    session.keys("Return")


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__.splitlines()[-1])
    locale, binary = sys.argv[1:]
    tr = Translation(locale)
    # The desktop's language by LANG alone.
    run(lambda session, accessibility: play(session, accessibility, tr), binary,
        LANG=locale, LANGUAGE="", LC_ALL="", LC_MESSAGES="")
    print(f"Orca play in {locale}: passed")


if __name__ == "__main__":
    main()
