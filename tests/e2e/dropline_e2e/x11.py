"""A virtual X server of the test's own (Xvfb), a window manager where
needed, and the player's hands and eyes there: xdotool for windows, keys
and clicks, ImageMagick's import for the screen. MouseGame plays the game
there by mouse, as a player does."""

import os
import re
import subprocess
import time

from . import design
from .processes import Processes, TestFailure, missing_programs, poll, read_line

TOOLS = ("Xvfb", "xdotool", "import")


class Display(Processes):
    """An X server on a free display; with `window_manager`, openbox on it."""

    def __init__(self, size=(1024, 768), window_manager=False, prefix="dropline-x11-"):
        super().__init__(prefix)
        self.size = size
        self._window_manager = window_manager
        self._bound = set()  # letters given a key of their own

    def start(self):
        read_end, write_end = os.pipe()
        # -noreset: a server that resets when its last client leaves can
        # refuse the next one while it does.
        self.server = self.spawn(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
             f"{self.size[0]}x{self.size[1]}x24", "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,))
        os.close(write_end)
        self.env["DISPLAY"] = ":" + read_line(read_end, "Xvfb to start")
        if self._window_manager:
            self.spawn(["openbox", "--sm-disable"])

    def xdotool(self, *args):
        return self.run("xdotool", *args)

    def find(self, title):
        """The ids of the visible windows titled `title`."""
        return self.run("xdotool", "search", "--onlyvisible", "--name", f"^{title}$",
                        check=False).split()

    def window(self, title):
        """The id of the window titled `title`, once it shows."""
        return poll(f"the window {title!r}", lambda: self.find(title))[0]

    def gone(self, window, title):
        poll(f"the window {title!r} to close", lambda: window not in self.find(title))

    def geometry(self, window):
        """Where the window's client area lies: (x, y, width, height)."""
        shell = dict(line.split("=") for line in self.xdotool("getwindowgeometry", "--shell",
                                                              window).split())
        return tuple(int(shell[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))

    def frame(self, title):
        """The frame of the window titled `title` on the screen, as the window
        manager draws it: (x, y, width, height)."""
        window = self.window(title)
        info = self.run("xwininfo", "-id", window)
        fields = ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")
        x, y, width, height = (int(re.search(rf"{field}:\s+(-?\d+)", info).group(1))
                               for field in fields)
        extents = self.run("xprop", "-id", window, "_NET_FRAME_EXTENTS", check=False)
        left, right, top, bottom = map(int, re.findall(r"\d+", extents.partition("=")[2])) \
            if "=" in extents else (0, 0, 0, 0)
        return x - left, y - top, width + left + right, height + top + bottom

    def move(self, title, x, y):
        """Moves the window titled `title` to x, y on the screen."""
        self.xdotool("windowmove", "--sync", self.window(title), str(x), str(y))

    def keys(self, *keys):
        """Presses keys in the focused window, as the player does."""
        self.xdotool("key", "--delay", "30", *keys)

    def type(self, text):
        self._bind_keys(char for char in text if not char.isascii())
        self.xdotool("type", "--delay", "30", text)

    def _bind_keys(self, chars):
        """Gives each of `chars` a key of its own for the whole session.
        Left to xdotool, a letter missing from the keymap is bound to a key
        only while it is pressed, and a game slow to read the keymap change
        finds the key bound to nothing."""
        missing = [char for char in dict.fromkeys(chars) if char not in self._bound]
        if not missing:
            return
        free = [line.split()[1] for line in self.run("xmodmap", "-pke").splitlines()
                if line.rstrip().endswith("=")]
        if len(free) < len(missing):
            raise TestFailure(f"no free keys to bind {missing!r} to")
        for char, keycode in zip(missing, free):
            keysym = f"U{ord(char):04X}"
            self.run("xmodmap", "-e", f"keycode {keycode} = {keysym} {keysym}")
            self._bound.add(char)

    def click(self, x, y):
        self.xdotool("mousemove", "--sync", str(x), str(y), "click", "1")

    def screen(self):
        """The screen as rows of RGB bytes."""
        data = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"],
                              env=self.env, capture_output=True, check=True).stdout
        row = self.size[0] * 3
        return [data[y * row:(y + 1) * row] for y in range(self.size[1])]

    def save_screen(self, path, rect):
        """Writes the part `rect` of the screen to the PNG file `path`."""
        x, y, width, height = rect
        self.run("import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}", "+repage",
                 f"png:{path}")


def red_share(screen, rect):
    """The share (0..1) of pure red pixels in a part of the screen."""
    x, y, width, height = rect
    pixels = [screen[row][3 * column:3 * column + 3]
              for row in range(y, y + height) for column in range(x, x + width)]
    # Within a quarter of the colour range of red, as ImageMagick's fuzz.
    red = sum(1 for r, g, b in pixels if (255 - r) ** 2 + g ** 2 + b ** 2 <= 3 * 64 ** 2)
    return red / len(pixels)


class MouseGame:
    """The game on a Display, played by mouse as xdotool's player."""

    def __init__(self, display, binary, **env):
        self.display = display
        self.process = display.spawn([binary], log="game.log", env=env)
        self.main = None
        self.origin = None  # the main window's client area on the screen

    def start(self, names=("Ann", "Bob")):
        """Focuses the main window, whose first activation asks for the names
        (without a window manager nothing else would), and answers."""
        self.main = self.display.window(design.TITLES.main)
        self.display.xdotool("windowfocus", "--sync", self.main)
        for name in names:
            self.answer_prompt(name)
        # Nothing has the focus once a secondary window has closed.
        self.display.xdotool("windowfocus", "--sync", self.main)
        x, y, width, height = self.display.geometry(self.main)
        # The menu bar lies above the client area.
        self.origin = (x, y + height - design.MAIN.size[1])

    def answer_prompt(self, text):
        prompt = self.display.window(design.TITLES.names)
        self.display.xdotool("windowfocus", "--sync", prompt)
        self.display.type(text)
        self.display.keys("Return")
        self.display.gone(prompt, design.TITLES.names)

    def at(self, rect):
        """The centre of a part of the client area, on the screen."""
        return design.centre(self.on_screen(rect))

    def on_screen(self, rect):
        """A part of the client area, on the screen."""
        return (self.origin[0] + rect[0], self.origin[1] + rect[1], *rect[2:])

    def click_column(self, column):
        self.display.click(*self.at(design.MAIN.columns[column]))
        time.sleep(0.15)

    def leave(self):
        """Ctrl+Q, then a click on the farewell's Exit area: the game ends at
        once with status 0."""
        self.display.keys("ctrl+q")
        farewell = self.display.window(design.TITLES.farewell)
        x, y, _, _ = self.display.geometry(farewell)
        exit_x, exit_y = design.centre(design.FAREWELL.exit)
        self.display.click(x + exit_x, y + exit_y)
        poll("the program to end after Exit", lambda: self.process.poll() is not None, 5)
        if self.process.returncode != 0:
            raise TestFailure(f"exit status {self.process.returncode}")


def missing(*more):
    return missing_programs(*TOOLS, *more)
