"""End to end with a real input method (IBus), as a Chinese or Japanese
player types: the names typed in pinyin reach the score panel as Chinese
characters, and the new-players question is answered as the input method
types it: 是 ("shi" and Space) in Chinese, はい in Anthy's hiragana mode and
a full-width ｙ in its wide Latin mode in Japanese. Each answer brings the
new players' prompts.
Usage: input_methods.py PATH-TO-tavrin-dropline
Skipped (77) without IBus and its pinyin and Anthy engines."""

import re
import sys

sys.dont_write_bytecode = True  # nothing written into the source tree
from dropline_e2e import design, input_method, runner  # noqa: E402
from dropline_e2e.orca import Accessibility  # noqa: E402
from dropline_e2e.processes import TestFailure, poll  # noqa: E402
from dropline_e2e.translation import Translation  # noqa: E402

HAN = re.compile(r"^[\u4e00-\u9fff]+$")


class Game:
    """The game on an input method's desktop, in `language`."""

    def __init__(self, desktop, binary, language):
        import pyatspi
        self.desktop = desktop
        self.tr = Translation(language)
        self.accessibility = Accessibility(pyatspi)
        self.game = desktop.start_game(binary, language)
        self.main = desktop.window(design.TITLES.main)
        desktop.xdotool("windowfocus", "--sync", self.main)

    def dialogs(self):
        """The game's windows showing besides the main window: its dialogs.
        (xdotool matches no title in Chinese characters.)"""
        shown = self.desktop.run("xdotool", "search", "--onlyvisible", "--name", ".",
                                 check=False).split()
        return [window for window in shown if window != self.main]

    def answer(self, what, *keys):
        """Types `keys` through the input method into the dialog that asks
        `what`, which must then close."""
        dialog = poll(what, self.dialogs)[0]
        self.desktop.xdotool("windowfocus", "--sync", dialog)
        self.desktop.compose(*keys)
        poll(f"{what} to close", lambda: dialog not in self.dialogs())

    def name_shown(self, player, colour):
        """The name the score panel shows for a player ("Player 1", "red")."""
        title = self.tr("Spoken", "%1, %2", "score title", self.tr("Spoken", player),
                        self.tr("Spoken", colour, "score values"))
        prefix = self.tr("Spoken", "%1: %2", None, title, "")
        label = self.accessibility.find(f"the label of {player}", lambda thing: (
            thing.getRoleName() == "label" and thing.name.startswith(prefix)))
        return label.name[len(prefix):]

    def ask_new_players(self):
        self.desktop.xdotool("windowfocus", "--sync", self.main)
        self.desktop.keys("ctrl+n")


def in_chinese(binary):
    with input_method.Desktop("libpinyin") as desktop:
        game = Game(desktop, binary, "zh_CN")
        game.answer("the red player's name", *"zhangsan", "space", "Return")
        game.answer("the blue player's name", *"lisi", "space", "Return")
        for player, colour in (("Player 1", "red"), ("Player 2", "blue")):
            name = poll(f"{player}'s name", lambda: game.name_shown(player, colour))
            if not HAN.match(name):
                raise TestFailure(f"{player}'s name typed in pinyin shows as {name!r}")
        game.ask_new_players()
        game.answer("the new-players question", *"shi", "space", "Return")
        # 是 brought the new players' prompts.
        game.answer("a new red player's name", *"wangwu", "space", "Return")
        game.answer("a new blue player's name", "Return")


def in_japanese(binary, mode, *answer):
    with input_method.Desktop("anthy", mode) as desktop:
        game = Game(desktop, binary, "ja")
        game.answer("the red player's name", "Return")
        game.answer("the blue player's name", "Return")
        game.ask_new_players()
        game.answer("the new-players question", *answer)
        # The answer brought the new players' prompts.
        game.answer("a new red player's name", "Return")


def play(binary):
    in_chinese(binary)
    # はい: its preedit is committed by the first Return, the second answers.
    in_japanese(binary, input_method.HIRAGANA, *"hai", "Return", "Return")
    in_japanese(binary, input_method.WIDE_LATIN, "y", "Return")


if __name__ == "__main__":
    runner.main(play, "input_methods.py PATH-TO-tavrin-dropline",
                missing=lambda binary: input_method.missing("libpinyin") +
                input_method.missing("anthy"))
