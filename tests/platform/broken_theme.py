"""The real cues through a private PulseAudio server (null sink) when the sound
theme is broken: every theme file is garbage that is not a sound, or the
theme has no files at all. Each cue must give up quickly and the program go
on: the probe ends normally, the click cue at once, and the win cue well
within its cap, since there is no sound to wait for. Skipped (77) when no
PulseAudio server can be started here."""

import os
import sys

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from dropline_e2e import runner, sound  # noqa: E402
from dropline_e2e.processes import TestFailure  # noqa: E402

CLICK_LIMIT_MS = 100
WIN_LIMIT_MS = 5000  # the synchronous cue's cap


def make_theme(share, garbage):
    """A freedesktop theme under `share`, with every event's file filled with
    random bytes, or with no files at all."""
    stereo = os.path.join(share, "sounds/freedesktop/stereo")
    os.makedirs(stereo)
    with open(os.path.join(stereo, "..", "index.theme"), "w") as index:
        index.write("[Sound Theme]\nName=Broken\nDirectories=stereo\n\n"
                    "[stereo]\nOutputProfile=stereo\n")
    if garbage:
        for event in ("complete", "message", "service-logout", "bell"):
            with open(os.path.join(stereo, f"{event}.oga"), "wb") as sound_file:
                sound_file.write(b"OggS but not a sound at all" if event == "complete"
                                 else os.urandom(20000))


def test(probe):
    with sound.SoundServer("pulseaudio") as server:
        failed = []
        for case in ("garbage", "missing"):
            share = server.path(f"{case}/share")
            make_theme(share, case == "garbage")
            player = sound.CueProbe(server, probe, XDG_DATA_HOME=server.path(f"{case}/home"),
                                    XDG_DATA_DIRS=share)
            times = {cue: player.play(cue) for cue in ("opening", "click", "win")}
            status = player.stop()
            print(f"{case} theme: status {status}, click {times['click']} ms, "
                  f"win {times['win']} ms")
            if status != 0 or times["click"] >= CLICK_LIMIT_MS or times["win"] >= WIN_LIMIT_MS:
                failed.append(f"{case} theme")
        if server.pactl("info", check=False) is None:
            failed.append("the sound server died")
        if failed:
            raise TestFailure(", ".join(failed))


if __name__ == "__main__":
    runner.main(test, "broken_theme.py CUE_PROBE", missing=lambda probe: sound.missing("pulseaudio"))
