"""The real cues through a private sound server (PulseAudio, or PipeWire with
its PulseAudio service), as a player would hear them:
 - each cue comes from the theme the desktop names (GNOME's GSettings, KDE's
   kdeglobals, or freedesktop when none is named), and an event the theme
   lacks from the theme it inherits; the played file is read from the
   stream's media.filename on the server;
 - the win cue holds the caller as long as its sound lasts, the click cue
   not at all, and sound reaches the sink;
 - the server killed while the win cue plays: the cue returns at once;
 - while the server is away cues return at once, and once it is back (the
   same running player, never restarted) the win cue is heard again;
 - a theme picked while the player runs is used from the next cue on;
 - with the desktop's event sounds off the win cue returns at once and plays
   nothing; switched on while the player runs, the next win cue is heard.
Skipped (77) when the server cannot be started here."""

import array
import math
import os
import struct
import sys
import time
import wave

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from dropline_e2e import runner, sound  # noqa: E402
from dropline_e2e.processes import TestFailure, poll  # noqa: E402

AT_ONCE_MS = 300  # what "returns at once" may take on a busy machine
LONG_SOUND_MS = 2500  # the test theme's win sound; the wait is bounded at 5 s
FREEDESKTOP = "/usr/share/sounds/freedesktop/stereo"


class Checks:
    """Every check is run and reported; the test fails at the end if any did."""

    def __init__(self):
        self.failed = []

    def __call__(self, description, ok):
        print(("ok: " if ok else "FAIL: ") + description)
        if not ok:
            self.failed.append(description)


def make_home(home, theme, event=None, ms=0):
    """A home whose sound theme `theme` (inheriting freedesktop) has `event`
    as a WAV tone of `ms` ms; the tone's path."""
    stereo = os.path.join(home, ".local/share/sounds", theme, "stereo")
    os.makedirs(stereo)
    os.makedirs(os.path.join(home, ".config/glib-2.0/settings"))
    with open(os.path.join(stereo, "..", "index.theme"), "w") as index:
        index.write(f"[Sound Theme]\nName={theme}\nInherits=freedesktop\nDirectories=stereo\n\n"
                    "[stereo]\nOutputProfile=stereo\n")
    if not event:
        return None
    path, rate = os.path.join(stereo, f"{event}.wav"), 44100
    with wave.open(path, "wb") as out:
        out.setnchannels(2)
        out.setsampwidth(2)
        out.setframerate(rate)
        out.writeframes(b"".join(struct.pack("<hh", s, s) for s in (
            int(8000 * math.sin(2 * math.pi * 440 * i / rate)) for i in range(rate * ms // 1000))))
    return path


def name_gnome_theme(home, theme, event_sounds=None):
    """GNOME's settings naming a theme, and switching event sounds when told."""
    with open(os.path.join(home, ".config/glib-2.0/settings/keyfile"), "w") as keyfile:
        keyfile.write(f"[org/gnome/desktop/sound]\ntheme-name='{theme}'\n")
        if event_sounds is not None:
            keyfile.write(f"event-sounds={str(event_sounds).lower()}\n")


def probe_in(server, probe, home, **env):
    """A running player in `home`; every server-side variable stays as the
    server set it."""
    return sound.CueProbe(server, probe, **{
        "HOME": home, "GSETTINGS_BACKEND": "keyfile", "XDG_CONFIG_HOME": None,
        "XDG_DATA_HOME": None, "XDG_CURRENT_DESKTOP": None, **env})


def played_file(server, event, timeout=5.0):
    """The file of the next stream of `event` on the server, None if none comes."""
    try:
        return poll(f"a stream of {event}", lambda: server.played(event), timeout)
    except TestFailure:
        return None


def win(player, server, timeout=5.0):
    """One win cue: the file it played (None if none) and how long it held the player."""
    player.send("win")
    played = played_file(server, "complete", timeout)
    return played, player.answer()


def win_until(player, server, expected, attempts, timeout=5.0):
    """Win cues until one plays `expected`; the file last played and the attempt."""
    for attempt in range(1, attempts + 1):
        played, _ = win(player, server, timeout)
        if played == expected:
            break
    return played, attempt


def test(kind, probe):
    check = Checks()
    with sound.SoundServer(kind) as server:
        print(f"== {kind}: one running player, its theme named through GSettings")
        gnome = server.path("gnome")
        long_file = make_home(gnome, "dropline-long", "complete", LONG_SOUND_MS)
        name_gnome_theme(gnome, "dropline-long")
        player = probe_in(server, probe, gnome, XDG_CURRENT_DESKTOP="GNOME")
        with open(server.path("capture.raw"), "wb") as capture:
            recorder = server.spawn(
                ["parec", "--latency-msec=20", f"--device={sound.SINK}.monitor",
                 "--format=s16le", "--rate=44100", "--channels=2", "--raw"], stdout=capture)
        played, win_ms = win(player, server)
        check(f"the win cue played the GSettings theme's sound ({played})", played == long_file)
        check(f"the win cue held the caller {win_ms} ms, as long as its {LONG_SOUND_MS} ms sound",
              win_ms >= LONG_SOUND_MS)
        click_ms = player.play("click")
        check(f"the click cue returned in {click_ms} ms", click_ms < AT_ONCE_MS)
        server.kill(recorder)
        samples = array.array("h")
        with open(server.path("capture.raw"), "rb") as capture:
            raw = capture.read()
        samples.frombytes(raw[:len(raw) // 2 * 2])
        peak = max(map(abs, samples), default=0)
        check(f"the sink heard the cues (peak sample {peak} of 32767)", peak > 1000)

        print(f"== {kind}: the server killed while the win cue plays")
        player.send("win")
        played = played_file(server, "complete")
        server.crash()
        killed_at = time.monotonic()
        player.answer()
        after_kill_ms = round((time.monotonic() - killed_at) * 1000)
        check(f"the win cue was playing when the server died ({played})", played == long_file)
        check(f"the win cue returned {after_kill_ms} ms after the server died",
              after_kill_ms < 1000)

        print(f"== {kind}: while the server is away")
        for cue in ("click", "win", "click", "opening"):
            ms = player.play(cue)
            check(f"no server: the {cue} cue returned in {ms} ms", ms < AT_ONCE_MS)

        print(f"== {kind}: the server back, the same player")
        server.restart()
        played, attempt = win_until(player, server, long_file, 20)
        check(f"the win cue is heard again after the server's return ({played}, "
              f"attempt {attempt})", played == long_file)

        print(f"== {kind}: another theme picked while the player runs")
        name_gnome_theme(gnome, "freedesktop")
        played, attempt = win_until(player, server, f"{FREEDESKTOP}/complete.oga", 10)
        check(f"the next win cue comes from the new theme ({played}, attempt {attempt})",
              played == f"{FREEDESKTOP}/complete.oga")
        player.stop()

        print(f"== {kind}: the desktop's event sounds off, then switched on, the same player")
        name_gnome_theme(gnome, "dropline-long", False)
        player = probe_in(server, probe, gnome, XDG_CURRENT_DESKTOP="GNOME")
        ms = player.play("win")
        streams = len(server.pactl("list", "short", "sink-inputs").splitlines())
        # A win sound started would hold the cue for its 2.5 s and still be playing.
        check(f"event sounds off: the win cue returned in {ms} ms", ms < AT_ONCE_MS)
        check(f"event sounds off: no stream on the server ({streams})", streams == 0)
        name_gnome_theme(gnome, "dropline-long", True)
        # A cue still muted starts no stream: 1 s is enough to see one.
        played, attempt = win_until(player, server, long_file, 20, timeout=1)
        check(f"switched on: the next win cue is heard ({played}, attempt {attempt})",
              played == long_file)
        player.stop()

        print(f"== {kind}: the theme each desktop names")
        kde = server.path("kde")
        kde_file = make_home(kde, "dropline-kde", "complete", 500)
        with open(os.path.join(kde, ".config/kdeglobals"), "w") as kdeglobals:
            kdeglobals.write("[Sounds]\nTheme=dropline-kde\n")
        name_gnome_theme(kde, "freedesktop")
        lacking = server.path("lacking")
        make_home(lacking, "dropline-lacking")
        name_gnome_theme(lacking, "dropline-lacking")
        plain = server.path("plain")
        os.makedirs(plain)
        for description, expected, home, desktop in (
                ("KDE: the kdeglobals theme", kde_file, kde, "KDE"),
                ("a named theme without the event: the one it inherits",
                 f"{FREEDESKTOP}/complete.oga", lacking, "GNOME"),
                ("no theme named: freedesktop", f"{FREEDESKTOP}/complete.oga", plain, None)):
            player = probe_in(server, probe, home, XDG_CURRENT_DESKTOP=desktop)
            played, _ = win(player, server)
            player.stop()
            check(f"{description} ({played})", played == expected)
        if check.failed:
            raise TestFailure(f"{len(check.failed)} checks failed")


if __name__ == "__main__":
    runner.main(test, "sound_server_test.py pulseaudio|pipewire CUE_PROBE", arguments=(2,),
                missing=lambda kind, probe: sound.missing(kind, "parec"))
