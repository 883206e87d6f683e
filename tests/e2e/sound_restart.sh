#!/usr/bin/env bash
# End to end on the real program with a real sound server: a disc's sound
# reaches a private PulseAudio server; the server is killed under the running
# game, which plays on in silence; once the server is started again, the next
# discs are heard without restarting the game, and the game still leaves
# cleanly.
# Usage: sound_restart.sh PATH-TO-tavrin-dropline
# Exits 77 (skipped) when no PulseAudio server can be started here.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/xdriver.sh"
source "$here/../platform/sound_server.sh"

binary="$1"
readonly skip=77
for tool in $(sound_server_tools pulseaudio) Xvfb xdotool timeout pkill; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit "$skip"; }
done

work="$(mktemp -d)"
events_pid=""
cleanup() {
    [[ -n "${GAME_PID:-}" ]] && kill "$GAME_PID" 2>/dev/null || true
    [[ -n "$events_pid" ]] && kill "$events_pid" 2>/dev/null || true
    stop_xvfb
    stop_sound_server
    rm -rf "$work"
}
trap cleanup EXIT

# watch_streams: records the server's events from now on (a new stream is a
# sound being played), into a fresh file.
watch_streams() {
    [[ -n "$events_pid" ]] && { kill "$events_pid" 2>/dev/null || true; wait "$events_pid" 2>/dev/null || true; }
    : >"$work/events"
    timeout 120 pactl subscribe >"$work/events" 2>/dev/null &
    events_pid=$!
    sleep 0.2  # the subscription is in place
}
streams() { grep -c "'new' on sink-input" "$work/events" || true; }
# heard_after CLICKS...: clicks the columns one by one until a new stream
# appears; true when one did.
heard_after() {
    local before column
    before="$(streams)"
    for column in "$@"; do
        click_column "$column"
        for _ in $(seq 10); do
            [[ "$(streams)" -gt "$before" ]] && return 0
            sleep 0.1
        done
    done
    return 1
}

start_sound_server pulseaudio "$work/server" || { echo "SKIP: PulseAudio could not be started here"; exit "$skip"; }
start_xvfb
watch_streams
"$binary" >"$work/out.log" 2>&1 &
GAME_PID=$!

main="$(wait_window '^ Tavrin Dropline$')"
xdotool windowfocus --sync "$main"
answer_prompt "Ann"
answer_prompt "Bob"
xdotool windowfocus --sync "$main"
client_origin "$main"

for _ in $(seq 50); do
    [[ "$(streams)" -gt 0 ]] && break
    sleep 0.1
done
[[ "$(streams)" -gt 0 ]] || die "the opening sound was not heard"
heard_after 0 || die "a disc was not heard"
echo "ok: a disc is heard"

crash_sound_server
for column in 1 2 3; do
    click_column "$column"
done
kill -0 "$GAME_PID" 2>/dev/null || die "the game ended with its sound server"
echo "ok: the game plays on without its sound server"

start_sound_server pulseaudio "$work/server" || die "PulseAudio did not start again"
watch_streams
# Columns 0 and 1 keep the game from ending in a win before a sound is heard.
heard_after 0 1 0 1 0 1 || die "no disc was heard after the server's return"
echo "ok: discs are heard again after the server's return, the game never restarted"

leave_and_exit
echo "sound restart: passed"
