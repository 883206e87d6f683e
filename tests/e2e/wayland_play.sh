#!/usr/bin/env bash
# End to end on the real program as a native Wayland client of a headless sway
# (no X server anywhere): both names typed into the prompts, discs dropped with
# the keys 1 to 5 until the draw's message, the about window opened with F1
# and closed with Escape, Ctrl+Q, and the farewell's Return ending the program
# with status 0. The windows are
# read from sway's tree, the keys typed with wtype. sway will not run as root:
# as root, the compositor, the tools and the game run as a user of the test's
# own.
# Usage: wayland_play.sh PATH-TO-tavrin-dropline
# Exits 77 (skipped) when the tools are missing.
set -euo pipefail

binary="$(realpath "${1:?usage: wayland_play.sh PATH-TO-tavrin-dropline}")"
readonly skip=77
readonly test_user=dropline-wayland
# The windows' titles, as the game sets them; a message box shows the
# program's name.
readonly main_title=' Tavrin Dropline'
readonly names_title=' Players Names '
readonly draw_title='Tavrin Dropline'
readonly about_title='Tarvin Dropline           -- About --'
readonly farewell_title='Form3'

# useradd lives in sbin, which the caller's PATH may lack.
PATH="$PATH:/usr/sbin:/sbin"
switch_user=()
needed=(sway swaymsg wtype python3 timeout)
if [[ "$(id -u)" -eq 0 ]]; then
    switch_user=(setpriv --reuid="$test_user" --regid="$test_user" --init-groups)
    needed+=(setpriv useradd)
fi
for tool in "${needed[@]}"; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit "$skip"; }
done
compgen -G '/usr/lib/*/qt6/plugins/platforms/libqwayland*.so' >/dev/null ||
    { echo "SKIP: Qt's Wayland plugin (qt6-wayland) is not installed"; exit "$skip"; }

# Under /tmp, whatever TMPDIR says: the test user must reach its folders here.
work="$(mktemp -d /tmp/dropline-wayland.XXXXXX)"
chmod 755 "$work"
sway_pid=""
game_pid=""
cleanup() {
    local pid
    for pid in $game_pid $sway_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

die() {
    echo "FAIL: $*" >&2
    echo "--- sway"; tail -n 15 "$work/sway.log" || true
    echo "--- game"; tail -n 15 "$work/game.log" || true
    exit 1
}

mkdir -m 700 "$work/runtime" "$work/home"
if [[ ${#switch_user[@]} -gt 0 ]]; then
    # Idempotent, also when another run creates the user at the same time.
    id -u "$test_user" >/dev/null 2>&1 ||
        useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$test_user" ||
        id -u "$test_user" >/dev/null
    chown "$test_user:" "$work/runtime" "$work/home"
    # A build under a folder the test user cannot enter (a checkout under
    # /root, say) is run from a copy it can read.
    if ! "${switch_user[@]}" test -r "$binary" -a -x "$binary"; then
        mkdir -m 755 "$work/bin"
        install -m 755 "$binary" "$work/bin/"
        binary="$work/bin/$(basename "$binary")"
    fi
fi

# A sanitized build reads its options from these, and its leak suppressions
# from a file, which goes where the test user can read it.
sanitizer_options=()
for option in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
    value="${!option:-}"
    if [[ "$value" =~ suppressions=([^:]+) ]]; then
        install -m 644 "${BASH_REMATCH[1]}" "$work/$option.supp"
        value="${value/${BASH_REMATCH[1]}/$work/$option.supp}"
    fi
    [[ -n "$value" ]] && sanitizer_options+=("$option=$value")
done
wayland_display=""
swaysock=""
# as_test_user: sets `as_session`, what runs a command as the test user with
# the session's environment alone: no DISPLAY, so nothing can fall back to X11.
# (An array, not a function, for the background commands: their $! is then the
# command's own pid, which the clean-up ends.)
as_test_user() {
    as_session=("${switch_user[@]}" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8
        HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" "${sanitizer_options[@]}"
        ${wayland_display:+WAYLAND_DISPLAY="$wayland_display"} ${swaysock:+SWAYSOCK="$swaysock"})
}
# run_as [VAR=VALUE...] COMMAND...: runs COMMAND that way and waits for it.
run_as() {
    as_test_user
    "${as_session[@]}" "$@"
}

# Only what the test needs: no X server beside it, no bar, no wallpaper.
echo 'xwayland disable' >"$work/sway.conf"
chmod 644 "$work/sway.conf"
# The software renderer: no GPU needed.
as_test_user
"${as_session[@]}" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    timeout 300 sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
sway_pid=$!
deadline=$((SECONDS + 10))
while ((SECONDS < deadline)); do
    swaysock="$(compgen -G "$work/runtime/sway-ipc.*.sock" | head -1 || true)"
    wayland_display="$(compgen -G "$work/runtime/wayland-[0-9]" | head -1 || true)"
    wayland_display="${wayland_display##*/}"
    [[ -n "$swaysock" && -n "$wayland_display" ]] && run_as swaymsg -t get_version >/dev/null 2>&1 && break
    kill -0 "$sway_pid" 2>/dev/null || die "sway ended at start-up"
    sleep 0.05
done
run_as swaymsg -t get_version >/dev/null || die "sway did not start"

# views: a line for each window sway shows: its id, the shell that made it
# (xdg_shell for a native Wayland client), whether it has the keyboard focus,
# and its title.
views() {
    run_as swaymsg -t get_tree | python3 -c '
import json, sys
def walk(node):
    if node.get("pid"):
        print(node["id"], node.get("shell"), node.get("focused"), node.get("name"), sep="\t")
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))'
}
# wait_view TITLE [focused]: waits (10 s at most) for a window titled TITLE
# (with "focused": until it has the keyboard focus, where the keys go) and sets
# `view` to its id and `shell` to its shell.
wait_view() {
    local found deadline=$((SECONDS + 10))
    while ((SECONDS < deadline)); do
        found="$(views | awk -F'\t' -v title="$1" -v focused="${2:-}" \
            '$4 == title && (focused == "" || $3 == "True") { print $1, $2; exit }')"
        if [[ -n "$found" ]]; then
            read -r view shell <<<"$found"
            return 0
        fi
        sleep 0.1
    done
    die "no ${2:+focused }window titled '$1'"
}
# wait_gone ID: waits (5 s at most) until window ID has closed.
wait_gone() {
    local deadline=$((SECONDS + 5))
    while ((SECONDS < deadline)); do
        views | cut -f1 | grep -qx "$1" || return 0
        sleep 0.1
    done
    die "window $1 did not close"
}
# press WTYPE-ARGUMENTS...: types into the focused window. wtype drops the
# first key of each call: a Shift goes first.
press() { run_as wtype -k Shift_L "$@"; }
# answer_prompt NAME: types NAME into the names prompt and confirms it.
answer_prompt() {
    wait_view "$names_title" focused
    press "$1" -k Return
    wait_gone "$view"
}

as_test_user
"${as_session[@]}" QT_QPA_PLATFORM=wayland PULSE_SERVER="unix:$work/no-sound-server" \
    timeout 120 "$binary" >"$work/game.log" 2>&1 &
game_pid=$!

wait_view "$main_title"
main="$view"
[[ "$shell" == xdg_shell ]] || die "the main window comes from $shell, not a native Wayland client"
echo "ok: the main window is a native Wayland window"
# sway activates the new main window: its first activation asks for the names.
answer_prompt Ann
answer_prompt Bob
echo "ok: both names typed"

# The bottom row by keys 1 to 5, then column 1 filled and pressed on when full:
# no line of four in 25 counted keys, and the 26th is the draw.
keys=(-k 1 -k 2 -k 3 -k 4 -k 5)
for _ in $(seq 21); do
    keys+=(-k 1)
done
press "${keys[@]}"
wait_view "$draw_title" focused
press -k Return
wait_gone "$view"
echo "ok: 26 keys on the board made the draw"

press -k F1
wait_view "$about_title" focused
press -k Escape
wait_gone "$view"
echo "ok: F1 opened the about window, Escape closed it"
# The main window gets the focus back for Ctrl+Q, whatever sway chose.
run_as swaymsg "[con_id=$main] focus" >/dev/null

press -M ctrl -k q -m ctrl
wait_view "$farewell_title" focused
echo "ok: Ctrl+Q opened the farewell"
# Return ends the program at once, long before the farewell's 10 s timer: its
# window goes. The process then gets time to finish (a sanitized build checks
# for leaks on the way out).
press -k Return
wait_gone "$view"
for _ in $(seq 300); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$game_pid" 2>/dev/null && die "the program did not end after the farewell closed"
status=0
wait "$game_pid" || status=$?
game_pid=""
[[ "$status" -eq 0 ]] || die "exit status $status"
echo "wayland: passed"
