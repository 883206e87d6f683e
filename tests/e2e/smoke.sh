#!/usr/bin/env bash
# End to end on the real program: names typed into the prompts, four red discs
# in a row by real clicks, the red winner line on screen, Ctrl+Q, the
# farewell's Exit area, and a clean exit.
# Usage: smoke.sh PATH-TO-tavrin-dropline
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/xdriver.sh"

binary="$1"
work="$(mktemp -d)"
cleanup() {
    [[ -n "${GAME_PID:-}" ]] && kill "$GAME_PID" 2>/dev/null || true
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT

start_xvfb
# No sound server here: every cue fails fast and the game goes on.
PULSE_SERVER="unix:$work/no-server" XDG_RUNTIME_DIR="$work" "$binary" >"$work/out.log" 2>&1 &
GAME_PID=$!

main="$(wait_window '^ Tavrin Dropline$')"
xdotool windowfocus --sync "$main"  # the first activation asks for the names
answer_prompt "Ann"
answer_prompt "Bob"
xdotool windowfocus --sync "$main"
client_origin "$main"

shot="$work/shot.png"
import -window root "$shot"
before="$(red_share $((CX + 224)) $((CY + 368)) 265 25 "$shot")"

# Red fills the bottom row from the left; blue stacks up in the last column.
for column in 0 4 1 4 2 4 3; do
    click_column "$column"
done
sleep 0.5
import -window root "$shot"
after="$(red_share $((CX + 224)) $((CY + 368)) 265 25 "$shot")"
echo "red share of the winner line: before $before, after $after"
awk -v b="$before" -v a="$after" 'BEGIN { exit !(b < 0.001 && a > 0.02) }' ||
    die "the winner line did not turn red"

leave_and_exit
echo "end to end: passed"
