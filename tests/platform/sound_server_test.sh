#!/usr/bin/env bash
# The real cues through a private sound server (PulseAudio, or PipeWire with
# its PulseAudio service), as a player would hear them:
#  - each cue comes from the theme the desktop names (GNOME's GSettings, KDE's
#    kdeglobals, or freedesktop when none is named), and an event the theme
#    lacks from the theme it inherits; the played file is read from the
#    stream's media.filename on the server;
#  - the win cue holds the caller as long as its sound lasts, the click cue
#    not at all, and sound reaches the sink;
#  - the server killed while the win cue plays: the cue returns at once;
#  - while the server is away cues return at once, and once it is back (the
#    same running player, never restarted) the win cue is heard again;
#  - a theme picked while the player runs is used from the next cue on;
#  - with the desktop's event sounds off the win cue returns at once and plays
#    nothing; switched on while the player runs, the next win cue is heard.
# Usage: sound_server_test.sh pulseaudio|pipewire CUE_PROBE
# Exits 77 (skipped) when the server cannot be started here.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/sound_server.sh"

kind="${1:?usage: sound_server_test.sh pulseaudio|pipewire CUE_PROBE}"
probe="${2:?usage: sound_server_test.sh pulseaudio|pipewire CUE_PROBE}"
readonly skip=77
readonly at_once_ms=300      # what "returns at once" may take on a busy machine
readonly long_sound_ms=2500  # the test theme's win sound; the wait is bounded at 5 s
readonly freedesktop=/usr/share/sounds/freedesktop/stereo

for tool in $(sound_server_tools "$kind") pactl parec python3 timeout pkill; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit "$skip"; }
done

work="$(mktemp -d)"
probe_pid=""
recorder_pid=""
cleanup() {
    [[ -n "$probe_pid" ]] && { kill "$probe_pid" 2>/dev/null || true; wait "$probe_pid" 2>/dev/null || true; }
    [[ -n "$recorder_pid" ]] && { kill "$recorder_pid" 2>/dev/null || true; wait "$recorder_pid" 2>/dev/null || true; }
    stop_sound_server
    rm -rf "$work"
}
trap cleanup EXIT

start_sound_server "$kind" "$work/server" || { echo "SKIP: $kind could not be started here"; exit "$skip"; }

fail=0
check() {  # check DESCRIPTION TEST-COMMAND...
    local description="$1"
    shift
    if "$@"; then
        echo "ok: $description"
    else
        echo "FAIL: $description"
        fail=1
    fi
}
now_ms() { echo $(($(date +%s%N) / 1000000)); }

# make_home DIR THEME [EVENT MILLISECONDS]: a home whose sound theme THEME
# (inheriting freedesktop) has EVENT as a WAV tone of that length.
make_home() {
    local theme_dir="$1/.local/share/sounds/$2"
    mkdir -p "$theme_dir/stereo" "$1/.config/glib-2.0/settings"
    printf '[Sound Theme]\nName=%s\nInherits=freedesktop\nDirectories=stereo\n\n[stereo]\nOutputProfile=stereo\n' \
        "$2" >"$theme_dir/index.theme"
    [[ -n "${3:-}" ]] && python3 - "$theme_dir/stereo/$3.wav" "$4" <<'PY'
import math, struct, sys, wave
rate, seconds = 44100, int(sys.argv[2]) / 1000
with wave.open(sys.argv[1], "wb") as out:
    out.setnchannels(2)
    out.setsampwidth(2)
    out.setframerate(rate)
    out.writeframes(b"".join(struct.pack("<hh", s, s) for s in (
        int(8000 * math.sin(2 * math.pi * 440 * i / rate)) for i in range(int(rate * seconds)))))
PY
    return 0
}
# The desktop settings that name a theme; GNOME's also switch event sounds
# (true or false) when given a third argument.
name_gnome_theme() {
    local keyfile="$1/.config/glib-2.0/settings/keyfile"
    printf "[org/gnome/desktop/sound]\ntheme-name='%s'\n" "$2" >"$keyfile"
    if [[ -n "${3:-}" ]]; then
        echo "event-sounds=$3" >>"$keyfile"
    fi
}
name_kde_theme() { printf '[Sounds]\nTheme=%s\n' "$2" >"$1/.config/kdeglobals"; }

# start_probe HOME [VAR=VALUE...]: a running player in that home, fed through
# a pipe; every server-side variable stays as the server set it.
start_probe() {
    local home="$1"
    shift
    rm -f "$work/probe.in" && mkfifo "$work/probe.in"
    : >"$work/probe.out"
    answers=0
    env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CURRENT_DESKTOP HOME="$home" \
        GSETTINGS_BACKEND=keyfile "$@" timeout 120 "$probe" <"$work/probe.in" >>"$work/probe.out" 2>>"$work/probe.err" &
    probe_pid=$!
    exec {probe_in}>"$work/probe.in"
}
stop_probe() {
    exec {probe_in}>&-
    wait "$probe_pid" || true
    probe_pid=""
}
# send CUE: asks the running player for a cue without waiting for its answer.
send() { echo "$1" >&"$probe_in"; }
# answer: waits for the player's answer to the next cue sent, and sets `ms`
# to how long that cue held it.
answer() {
    answers=$((answers + 1))
    local i
    for i in $(seq 1 300); do
        local line
        line="$(sed -n "${answers}p" "$work/probe.out")"
        if [[ -n "$line" ]]; then
            ms="${line#*_ms=}"
            return 0
        fi
        sleep 0.05
    done
    echo "no answer from the player" >&2
    return 1
}
# played_file EVENT [POLLS]: waits (up to 5 s, or POLLS times 50 ms) for a
# stream of EVENT on the server and prints the file it plays; prints nothing
# when none comes.
played_file() {
    local i
    for i in $(seq 1 "${2:-100}"); do
        local file
        file="$(timeout 2 pactl list sink-inputs 2>/dev/null | awk -v event="$1" '
            /^Sink Input #/ { id = ""; file = "" }
            /event.id = / { id = $3; gsub(/"/, "", id) }
            /media.filename = / { file = $0; sub(/.*media.filename = "/, "", file); sub(/"$/, "", file) }
            id == event && file != "" { print file; exit }')"
        if [[ -n "$file" ]]; then
            echo "$file"
            return 0
        fi
        sleep 0.05
    done
}

echo "== $kind: one running player, its theme named through GSettings"
gnome_home="$work/gnome"
make_home "$gnome_home" dropline-long complete "$long_sound_ms"
name_gnome_theme "$gnome_home" dropline-long
long_file="$gnome_home/.local/share/sounds/dropline-long/stereo/complete.wav"
start_probe "$gnome_home" XDG_CURRENT_DESKTOP=GNOME

timeout 60 parec --latency-msec=20 --device="$sink.monitor" --format=s16le --rate=44100 --channels=2 \
    --raw >"$work/capture.raw" 2>"$work/parec.log" {probe_in}>&- &
recorder_pid=$!

send win
file="$(played_file complete)"
answer
win_ms="$ms"
check "the win cue played the GSettings theme's sound (${file:-none})" [ "$file" == "$long_file" ]
check "the win cue held the caller ${win_ms} ms, as long as its ${long_sound_ms} ms sound" \
    [ "$win_ms" -ge "$long_sound_ms" ]
send click
answer
click_ms="$ms"
check "the click cue returned in ${click_ms} ms" [ "$click_ms" -lt "$at_once_ms" ]

kill "$recorder_pid" && wait "$recorder_pid" 2>/dev/null || true
recorder_pid=""
peak="$(python3 - "$work/capture.raw" <<'PY'
import array, sys
samples = array.array("h")
raw = open(sys.argv[1], "rb").read()
samples.frombytes(raw[: len(raw) // 2 * 2])
print(max((abs(s) for s in samples), default=0))
PY
)"
check "the sink heard the cues (peak sample $peak of 32767)" [ "$peak" -gt 1000 ]

echo "== $kind: the server killed while the win cue plays"
send win
file="$(played_file complete)"
crash_sound_server
killed_at="$(now_ms)"
answer
after_kill_ms=$(($(now_ms) - killed_at))
check "the win cue was playing when the server died (${file:-none})" [ "$file" == "$long_file" ]
check "the win cue returned ${after_kill_ms} ms after the server died" [ "$after_kill_ms" -lt 1000 ]

echo "== $kind: while the server is away"
for cue in click win click opening; do
    send "$cue"
    answer
    check "no server: the $cue cue returned in ${ms} ms" [ "$ms" -lt "$at_once_ms" ]
done

echo "== $kind: the server back, the same player"
# The server must not hold the player's input open.
start_sound_server "$kind" "$work/server" {probe_in}>&- || { echo "FAIL: $kind did not start again"; exit 1; }
file=""
for attempt in $(seq 1 20); do
    send win
    file="$(played_file complete)"
    answer
    [[ -n "$file" ]] && break
done
check "the win cue is heard again after the server's return (${file:-none}, attempt $attempt)" \
    [ "$file" == "$long_file" ]

echo "== $kind: another theme picked while the player runs"
name_gnome_theme "$gnome_home" freedesktop
for attempt in $(seq 1 10); do
    send win
    file="$(played_file complete)"
    answer
    [[ "$file" == "$freedesktop/complete.oga" ]] && break
done
check "the next win cue comes from the new theme (${file:-none}, attempt $attempt)" \
    [ "$file" == "$freedesktop/complete.oga" ]
stop_probe

echo "== $kind: the desktop's event sounds off, then switched on, the same player"
name_gnome_theme "$gnome_home" dropline-long false
start_probe "$gnome_home" XDG_CURRENT_DESKTOP=GNOME
send win
answer
streams="$(timeout 2 pactl list short sink-inputs | wc -l)"
# A win sound started would hold the cue for its 2.5 s and still be playing.
check "event sounds off: the win cue returned in ${ms} ms" [ "$ms" -lt "$at_once_ms" ]
check "event sounds off: no stream on the server ($streams)" [ "$streams" -eq 0 ]
name_gnome_theme "$gnome_home" dropline-long true
file=""
for attempt in $(seq 1 20); do
    send win
    file="$(played_file complete 20)"  # a cue still muted starts none: 1 s is enough
    answer
    [[ -n "$file" ]] && break
done
check "switched on: the next win cue is heard (${file:-none}, attempt $attempt)" [ "$file" == "$long_file" ]
stop_probe

echo "== $kind: the theme each desktop names"
# theme_case DESCRIPTION EXPECTED-FILE HOME [VAR=VALUE...]: one win cue.
theme_case() {
    local description="$1" expected="$2" home="$3"
    shift 3
    start_probe "$home" "$@"
    send win
    local file
    file="$(played_file complete)"
    answer
    stop_probe
    check "$description (${file:-none})" [ "$file" == "$expected" ]
}
kde_home="$work/kde"
make_home "$kde_home" dropline-kde complete 500
name_kde_theme "$kde_home" dropline-kde
name_gnome_theme "$kde_home" freedesktop
theme_case "KDE: the kdeglobals theme" "$kde_home/.local/share/sounds/dropline-kde/stereo/complete.wav" \
    "$kde_home" XDG_CURRENT_DESKTOP=KDE

lacking_home="$work/lacking"
make_home "$lacking_home" dropline-lacking
name_gnome_theme "$lacking_home" dropline-lacking
theme_case "a named theme without the event: the one it inherits" "$freedesktop/complete.oga" \
    "$lacking_home" XDG_CURRENT_DESKTOP=GNOME

plain_home="$work/plain"
mkdir -p "$plain_home"
theme_case "no theme named: freedesktop" "$freedesktop/complete.oga" "$plain_home"

if [[ "$fail" != 0 ]]; then
    echo "--- server log"; tail -n 20 "$work/server/server.log"
    echo "--- player"; cat "$work/probe.out" "$work/probe.err"
    exit 1
fi
echo "$kind: all checks passed"
