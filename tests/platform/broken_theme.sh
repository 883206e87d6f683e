#!/usr/bin/env bash
# The real cues through a private PulseAudio server (null sink) when the sound
# theme is broken: every theme file is garbage that is not a sound, or the
# theme has no files at all. Each cue must give up quickly and the program go
# on: the probe ends normally, the click cue at once, and the win cue well
# within its cap, since there is no sound to wait for.
# Usage: broken_theme.sh CUE_PROBE
# Exits 77 (skipped) when no PulseAudio server can be started here.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/sound_server.sh"

probe="${1:?usage: broken_theme.sh CUE_PROBE}"
readonly skip=77
readonly click_limit_ms=100
readonly win_limit_ms=5000  # the synchronous cue's cap

for tool in $(sound_server_tools pulseaudio) timeout pkill; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit "$skip"; }
done

work="$(mktemp -d)"
cleanup() {
    stop_sound_server
    rm -rf "$work"
}
trap cleanup EXIT

start_sound_server pulseaudio "$work" || { echo "SKIP: PulseAudio could not be started here"; exit "$skip"; }

# make_theme DIR [garbage]: a freedesktop theme in DIR/sounds, with every
# event's file filled with random bytes, or with no files at all.
make_theme() {
    local stereo="$1/sounds/freedesktop/stereo"
    mkdir -p "$stereo"
    printf '[Sound Theme]\nName=Broken\nDirectories=stereo\n\n[stereo]\nOutputProfile=stereo\n' \
        >"$1/sounds/freedesktop/index.theme"
    if [[ "${2:-}" == garbage ]]; then
        for event in complete message service-logout bell; do
            head -c 20000 /dev/urandom >"$stereo/$event.oga"
        done
        printf 'OggS but not a sound at all' >"$stereo/complete.oga"
    fi
}

fail=0
value_of() { sed -n "s/^$1_ms=\([0-9]*\)$/\1/p" "$2"; }
for case in garbage missing; do
    share="$work/$case/share"
    make_theme "$share" "$case"
    status=0
    XDG_DATA_HOME="$work/$case/home" XDG_DATA_DIRS="$share" \
        timeout 30 "$probe" <<<$'opening\nclick\nwin' >"$work/$case.out" 2>"$work/$case.err" || status=$?
    win_ms="$(value_of win "$work/$case.out")"
    click_ms="$(value_of click "$work/$case.out")"
    echo "$case theme: status $status, click ${click_ms:-?} ms, win ${win_ms:-?} ms"
    if [[ "$status" -ne 0 || -z "$win_ms" || -z "$click_ms" ]] ||
        ((click_ms >= click_limit_ms || win_ms >= win_limit_ms)); then
        echo "FAIL: $case theme"
        cat "$work/$case.out" "$work/$case.err"
        fail=1
    fi
done
timeout 5 pactl info >/dev/null 2>&1 || { echo "FAIL: the sound server died"; fail=1; }
exit "$fail"
