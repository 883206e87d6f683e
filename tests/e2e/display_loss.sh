#!/usr/bin/env bash
# The display goes away under the running game: the X server is killed while
# the main window is up. The program must end by itself within a bound, say
# why on stderr, and neither hang nor crash (no abort, no segfault, no core).
# Usage: display_loss.sh PATH-TO-tavrin-dropline
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/xdriver.sh"

binary="$(realpath "$1")"
readonly end_limit_s=10
work="$(mktemp -d)"
cleanup() {
    [[ -n "${GAME_PID:-}" ]] && kill -KILL "$GAME_PID" 2>/dev/null || true
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT

start_xvfb
# No sound server here; a core, if one were written, would land in $work.
(cd "$work" && ulimit -c unlimited 2>/dev/null || true
 exec env PULSE_SERVER="unix:$work/no-server" XDG_RUNTIME_DIR="$work" "$binary") \
    >"$work/out.log" 2>"$work/err.log" &
GAME_PID=$!

wait_window '^ Tavrin Dropline$' >/dev/null
sleep 0.5  # the first activation asks for the names: the prompt is up now
kill -0 "$GAME_PID" 2>/dev/null || die "the game ended before the display went away"

kill -KILL "$XVFB_PID"
wait "$XVFB_PID" 2>/dev/null || true
XVFB_PID=""

ended=""
for _ in $(seq $((end_limit_s * 10))); do
    if ! kill -0 "$GAME_PID" 2>/dev/null; then
        ended=yes
        break
    fi
    sleep 0.1
done
[[ -n "$ended" ]] || die "the game still runs ${end_limit_s} s after the display went away"
status=0
wait "$GAME_PID" || status=$?
GAME_PID=""
echo "exit status $status; stderr:"
cat "$work/err.log"

# 128 + signal: 134 SIGABRT, 135 SIGBUS, 136 SIGFPE, 139 SIGSEGV; others are a kill.
if ((status > 128)); then
    die "the game died by signal $((status - 128))"
fi
[[ -s "$work/err.log" ]] || die "the game ended without a word on stderr"
compgen -G "$work/core*" >/dev/null && die "the game left a core dump"
echo "display loss: passed"
