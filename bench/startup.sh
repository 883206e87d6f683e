#!/usr/bin/env bash
# Start-up time (exec to the main window mapped) and peak resident memory of
# the game against a bare Qt window, under a virtual X server. The two are run
# in turn, RUNS times each, and the medians printed as
#   game_ms= baseline_ms= game_kb= baseline_kb=
# Usage: bench/startup.sh GAME BASELINE [RUNS]
set -euo pipefail

game="$1"
baseline="$2"
runs="${3:-11}"
readonly GAME_TITLE='^ Tavrin Dropline$'
readonly BASELINE_TITLE='^baseline$'
# How long a program runs on after its window is mapped, so its memory peak
# includes what it does right after start-up.
readonly SETTLE_SECONDS=0.5
readonly POLL_SECONDS=0.005
readonly GIVE_UP_NS=$((20 * 1000000000))

# shellcheck source=../tests/e2e/xdriver.sh
source "$(dirname "$0")/../tests/e2e/xdriver.sh"

work="$(mktemp -d)"

# Like start_xvfb, but the server keeps running as it is when its last client
# leaves, instead of resetting while the next program connects.
start_xvfb_noreset() {
    Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    XVFB_PID=$!
    for _ in $(seq 100); do
        [[ -s "$work/display" ]] && break
        sleep 0.05
    done
    [[ -s "$work/display" ]] || die "Xvfb did not start: $(cat "$work/xvfb.log")"
    export DISPLAY=":$(head -1 "$work/display")"
}
cleanup() {
    [[ -n "${XVFB_PID:-}" ]] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

start_xvfb_noreset
# No sound server: sounds are asked for and fail at once.
export PULSE_SERVER="unix:$work/no-such-socket"
export XDG_RUNTIME_DIR="$work"
chmod 700 "$work"

# measure PROGRAM TITLE: prints "milliseconds kilobytes" for one run.
measure() {
    local program="$1" title="$2" rss_file="$work/rss" started mapped time_pid child
    rm -f "$rss_file"
    started="$(date +%s%N)"
    /usr/bin/time -f %M -o "$rss_file" "$program" >"$work/log" 2>&1 &
    time_pid=$!
    while ! xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do
        (($(date +%s%N) - started < GIVE_UP_NS)) || die "$program showed no window: $(cat "$work/log")"
        sleep "$POLL_SECONDS"
    done
    mapped="$(date +%s%N)"
    sleep "$SETTLE_SECONDS"
    child="$(pgrep -P "$time_pid" || true)"
    [[ -n "$child" ]] && kill "$child"
    wait "$time_pid" 2>/dev/null || true
    echo "$(((mapped - started) / 1000000)) $(tail -1 "$rss_file")"
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# A first run of each fills the file-system and font caches; it is not counted.
measure "$game" "$GAME_TITLE" >/dev/null
measure "$baseline" "$BASELINE_TITLE" >/dev/null

: >"$work/game" && : >"$work/baseline"
for _ in $(seq "$runs"); do
    measure "$game" "$GAME_TITLE" >>"$work/game"
    measure "$baseline" "$BASELINE_TITLE" >>"$work/baseline"
done

echo "game_ms=$(cut -d' ' -f1 "$work/game" | median)"
echo "baseline_ms=$(cut -d' ' -f1 "$work/baseline" | median)"
echo "game_kb=$(cut -d' ' -f2 "$work/game" | median)"
echo "baseline_kb=$(cut -d' ' -f2 "$work/baseline" | median)"
if [[ -n "${STARTUP_RAW:-}" ]]; then
    paste -d' ' "$work/game" "$work/baseline" >"$STARTUP_RAW"
fi
