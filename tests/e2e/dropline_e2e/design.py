"""The game's design facts (titles, prompts, sizes and places in pixels), as
the build wrote them from the game's own design tables into the JSON file
named by DROPLINE_DESIGN_FACTS; read when first asked for."""

import functools
import json
import os
from types import SimpleNamespace


@functools.cache
def _facts():
    path = os.environ.get("DROPLINE_DESIGN_FACTS")
    if not path:
        raise SystemExit("DROPLINE_DESIGN_FACTS names no file: set it to the build's "
                         "tests/e2e/design_facts.json")
    with open(path) as facts:
        return json.load(facts, object_hook=lambda fields: SimpleNamespace(**fields))


def __getattr__(name):
    facts = _facts()
    known = {
        "facts": facts,
        # The main window, the about window, the farewell, the name prompts
        # and a message box (which shows the program's name), by their titles.
        "TITLES": facts.titles,
        "PROMPTS": facts.prompts,
        "MAIN": facts.main,
        "ABOUT": facts.about,
        "FAREWELL": facts.farewell,
        # The click after the last counted one makes the draw.
        "DRAW_CLICK": facts.moves + 1,
    }
    if name not in known:
        raise AttributeError(name)
    return known[name]


def centre(rect):
    x, y, width, height = rect
    return x + width // 2, y + height // 2
