#!/usr/bin/python3
"""Start-up time (exec to the main window mapped) and peak resident memory of
the game against the baseline window, under a virtual X server of the
end-to-end harness, at the scale of $QT_SCALE_FACTOR (both programs alike).
The two take turns, RUNS times each, the first of each pair alternating, and
the medians are printed as
  game_ms= baseline_ms= game_kb= baseline_kb= game_map_kb= baseline_map_kb=
(*_kb: the peak over start-up and the SETTLE_MS after it; *_map_kb: the peak
up to the window's map). With $STARTUP_RAW set, every run's figures go there.
Usage: bench/startup.py GAME BASELINE PROBE [RUNS]
where PROBE is dropline_launch_probe."""

import os
import statistics
import subprocess
import sys

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from dropline_e2e import x11  # noqa: E402

GAME_TITLE = " Tavrin Dropline"
BASELINE_TITLE = "baseline"
# How long a program runs on after its window is mapped, so its memory peak
# includes what it does right after start-up.
SETTLE_MS = 500


def main(game, baseline, probe, runs="21"):
    # The screen holds the main window at twice its size.
    with x11.Display(size=(2048, 1536)) as display:
        os.chmod(display.dir, 0o700)
        # No sound server: sounds are asked for and fail at once.
        display.env.update(PULSE_SERVER=f"unix:{display.dir}/no-such-socket",
                           XDG_RUNTIME_DIR=display.dir)

        def measure(program, title):
            """(milliseconds, map KiB, peak KiB) of one run."""
            done = subprocess.run([probe, title, str(SETTLE_MS), program], env=display.env,
                                  capture_output=True, text=True)
            if done.returncode != 0:
                sys.exit(f"startup.py: {program}: {done.stderr}")
            return tuple(float(figure) for figure in done.stdout.split())

        # A first run of each fills the file-system and font caches; it is not counted.
        measure(game, GAME_TITLE)
        measure(baseline, BASELINE_TITLE)
        figures = {"game": [], "baseline": []}
        for run in range(int(runs)):
            pair = [("game", game, GAME_TITLE), ("baseline", baseline, BASELINE_TITLE)]
            for name, program, title in pair if run % 2 == 0 else reversed(pair):
                figures[name].append(measure(program, title))
    for field, column in (("ms", 0), ("kb", 2), ("map_kb", 1)):
        for name in ("game", "baseline"):
            print(f"{name}_{field}={number(statistics.median(run[column] for run in figures[name]))}")
    if os.environ.get("STARTUP_RAW"):
        with open(os.environ["STARTUP_RAW"], "w") as raw:
            for game_run, baseline_run in zip(figures["game"], figures["baseline"]):
                raw.write(" ".join(map(number, game_run + baseline_run)) + "\n")


def number(value):
    return str(int(value)) if value == int(value) else str(value)


if __name__ == "__main__":
    if len(sys.argv) not in (4, 5):
        sys.exit(__doc__.splitlines()[-2])
    main(*sys.argv[1:])
