# Drives the real game under a virtual X server with xdotool. Sourced by the
# end-to-end test and the screenshot script.

# The main window's designed client size; the menu bar sits above it.
readonly CLIENT_HEIGHT=423

die() {
    echo "FAIL: $*" >&2
    exit 1
}

# start_xvfb: starts Xvfb on a free display and exports DISPLAY.
start_xvfb() {
    local fd_file
    fd_file="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fd_file" 2>/dev/null &
    XVFB_PID=$!
    for _ in $(seq 100); do
        [[ -s "$fd_file" ]] && break
        sleep 0.05
    done
    [[ -s "$fd_file" ]] || die "Xvfb did not start"
    export DISPLAY=":$(head -1 "$fd_file")"
    rm -f "$fd_file"
}

# stop_xvfb: ends the X server and waits until it is gone: a server still
# shutting down removes the socket of the next one that takes its display.
stop_xvfb() {
    if [[ -n "${XVFB_PID:-}" ]]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=""
    fi
}

# wait_window REGEX: prints the id of the visible window whose title matches.
wait_window() {
    local id
    for _ in $(seq 100); do
        id="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)"
        if [[ -n "$id" ]]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    die "no window titled $1"
}

# answer_prompt TEXT: types TEXT into the next name prompt and confirms it.
answer_prompt() {
    local dialog
    dialog="$(wait_window '^ Players Names $')"
    xdotool windowfocus --sync "$dialog"
    xdotool type --delay 20 "$1"
    xdotool key Return
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name '^ Players Names $' 2>/dev/null | grep -qx "$dialog" || return 0
        sleep 0.1
    done
    die "the name prompt did not close"
}

# client_origin WINDOW: sets CX, CY to the screen position of the client area.
client_origin() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    CX=$X
    CY=$((Y + HEIGHT - CLIENT_HEIGHT))
}

# click_client X Y: clicks at a point of the main window's client area.
click_client() {
    xdotool mousemove --sync $((CX + $1)) $((CY + $2)) click 1
    sleep 0.15
}

# click_column C: clicks the board above column C (0..4).
click_column() {
    # Board at x 192, y 24; columns 940 twips (62.67 px) wide inside a 2 px border.
    click_client $((192 + 2 + $1 * 627 / 10 + 31)) 40
}

# leave_and_exit: leaves the game with Ctrl+Q, clicks the farewell's Exit area
# and checks that the game ($GAME_PID) ends at once with status 0.
leave_and_exit() {
    xdotool key --clearmodifiers ctrl+q
    local farewell
    farewell="$(wait_window '^Form3$')"
    eval "$(xdotool getwindowgeometry --shell "$farewell")"
    # The Exit area: x 112..193, y 160..193 of the farewell window.
    xdotool mousemove --sync $((X + 150)) $((Y + 175)) click 1
    for _ in $(seq 50); do
        kill -0 "$GAME_PID" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$GAME_PID" 2>/dev/null && die "the program did not end after Exit"
    local status=0
    wait "$GAME_PID" || status=$?
    GAME_PID=""
    [[ "$status" -eq 0 ]] || die "exit status $status"
}

# red_share X Y W H FILE: fraction (0..1) of pure-red pixels in a part of a screenshot.
red_share() {
    convert "$5" -crop "${3}x${4}+${1}+${2}" +repage -fuzz 25% -fill white -opaque '#FF0000' \
        -fill black +opaque white -format '%[fx:mean]' info:
}
