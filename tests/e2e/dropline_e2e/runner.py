"""The one way a scenario runs: skipped (77) when its tools are missing,
ended cleanly by SIGTERM (ctest's timeout) or SIGINT, and reporting a
failure in one line after the logs that the test's processes left."""

import signal
import sys

from .processes import SKIP, Skip, TestFailure


def _terminated(signum, _frame):
    # Unwinds through every open Processes, which ends what it started.
    sys.exit(f"terminated by signal {signum}")


def main(scenario, usage, arguments=(1,), missing=lambda *args: []):
    """Runs `scenario(*args)` with the command line's arguments, whose
    number must be in `arguments`; `missing(*args)` names what is missing
    to run it here."""
    args = sys.argv[1:]
    if len(args) not in arguments:
        sys.exit(f"usage: {usage}")
    lacking = missing(*args)
    if lacking:
        print("skipped: missing", ", ".join(lacking))
        sys.exit(SKIP)
    for signum in (signal.SIGTERM, signal.SIGINT):
        signal.signal(signum, _terminated)
    try:
        scenario(*args)
    except Skip as reason:
        print(f"skipped: {reason}")
        sys.exit(SKIP)
    except TestFailure as failure:
        sys.exit(f"FAIL: {failure}")
    print("passed")
