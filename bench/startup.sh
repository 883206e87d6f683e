#!/usr/bin/env bash
# Start-up time (exec to the main window mapped) and peak resident memory of
# the game against the baseline window, under a virtual X server, at the scale
# of $QT_SCALE_FACTOR (both programs alike). The two take turns, RUNS times
# each, the first of each pair alternating, and the medians are printed as
#   game_ms= baseline_ms= game_kb= baseline_kb= game_map_kb= baseline_map_kb=
# (*_kb: the peak over start-up and the SETTLE_MS after it; *_map_kb: the peak
# up to the window's map).
# Usage: bench/startup.sh GAME BASELINE PROBE [RUNS]
# where PROBE is dropline_launch_probe.
set -euo pipefail

game="$1"
baseline="$2"
probe="$3"
runs="${4:-21}"
readonly GAME_TITLE=' Tavrin Dropline'
readonly BASELINE_TITLE='baseline'
# How long a program runs on after its window is mapped, so its memory peak
# includes what it does right after start-up.
readonly SETTLE_MS=500

work="$(mktemp -d)"
cleanup() {
    # Waited for: a server still shutting down removes the next one's socket.
    [[ -n "${XVFB_PID:-}" ]] && { kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null; } || true
    rm -rf "$work"
}
trap cleanup EXIT
die() {
    echo "startup.sh: $*" >&2
    exit 1
}

# The server keeps running as it is when its last client leaves, instead of
# resetting while the next program connects; the screen holds the main
# window at twice its size.
Xvfb -displayfd 3 -noreset -screen 0 2048x1536x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
XVFB_PID=$!
for _ in $(seq 100); do
    [[ -s "$work/display" ]] && break
    sleep 0.05
done
[[ -s "$work/display" ]] || die "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -1 "$work/display")"
# No sound server: sounds are asked for and fail at once.
export PULSE_SERVER="unix:$work/no-such-socket"
export XDG_RUNTIME_DIR="$work"
chmod 700 "$work"

# measure PROGRAM TITLE OUT: appends "milliseconds map-KiB peak-KiB" of one run to OUT.
measure() {
    "$probe" "$2" "$SETTLE_MS" "$1" >>"$3" 2>"$work/log" || die "$1: $(cat "$work/log")"
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# A first run of each fills the file-system and font caches; it is not counted.
measure "$game" "$GAME_TITLE" /dev/null
measure "$baseline" "$BASELINE_TITLE" /dev/null

: >"$work/game" && : >"$work/baseline"
for run in $(seq "$runs"); do
    if ((run % 2)); then
        measure "$game" "$GAME_TITLE" "$work/game"
        measure "$baseline" "$BASELINE_TITLE" "$work/baseline"
    else
        measure "$baseline" "$BASELINE_TITLE" "$work/baseline"
        measure "$game" "$GAME_TITLE" "$work/game"
    fi
done

echo "game_ms=$(cut -d' ' -f1 "$work/game" | median)"
echo "baseline_ms=$(cut -d' ' -f1 "$work/baseline" | median)"
echo "game_kb=$(cut -d' ' -f3 "$work/game" | median)"
echo "baseline_kb=$(cut -d' ' -f3 "$work/baseline" | median)"
echo "game_map_kb=$(cut -d' ' -f2 "$work/game" | median)"
echo "baseline_map_kb=$(cut -d' ' -f2 "$work/baseline" | median)"
if [[ -n "${STARTUP_RAW:-}" ]]; then
    paste -d' ' "$work/game" "$work/baseline" >"$STARTUP_RAW"
fi
