#!/usr/bin/env bash
# Plays the real cues through a private PulseAudio server with a null sink and
# checks, from the outside, what a player would hear:
#  - the win cue holds the caller at least as long as its sound lasts,
#  - the click cue returns at once,
#  - sound actually reached the sink (the recorded monitor is not silent),
#  - with the server gone, the same cues give up quickly.
# Usage: pulse_integration.sh CUE_PROBE
# Exits 77 (skipped) when no PulseAudio server can be started here.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/private_pulse.sh"

probe="${1:?usage: pulse_integration.sh CUE_PROBE}"
readonly skip=77
readonly click_limit_ms=100
readonly no_server_limit_ms=2000
readonly sink=dropline_null
readonly rate=44100

for tool in pulseaudio pactl parec python3 timeout; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed"
        exit "$skip"
    fi
done

work="$(mktemp -d)"
server_pid=""
recorder_pid=""
stop() {  # stop PID: end a process this script started, and reap it
    if [[ -n "$1" ]]; then
        kill "$1" 2>/dev/null || true
        wait "$1" 2>/dev/null || true
    fi
}
cleanup() {
    stop "$recorder_pid"
    stop "$server_pid"
    rm -rf "$work"
}
trap cleanup EXIT

if ! start_private_pulse "$work" "$sink" "rate=$rate"; then
    echo "SKIP: PulseAudio could not be started here"
    exit "$skip"
fi

# Record what reaches the null sink, in small fragments so that nothing is
# still buffered in the server when the recorder stops.
timeout 60 parec --latency-msec=20 --device="$sink.monitor" --format=s16le --rate="$rate" --channels=2 \
    --raw >"$work/capture.raw" 2>"$work/parec.log" &
recorder_pid=$!
sleep 0.3

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

value_of() { sed -n "s/^$1_ms=\([0-9]*\)$/\1/p" "$2"; }

timeout 30 "$probe" >"$work/probe.out" 2>"$work/probe.err" || {
    echo "FAIL: the probe did not finish (status $?)"
    cat "$work/probe.out" "$work/probe.err"
    exit 1
}
cat "$work/probe.out"
win_ms="$(value_of win "$work/probe.out")"
click_ms="$(value_of click "$work/probe.out")"
[[ -n "$win_ms" && -n "$click_ms" ]] || { echo "FAIL: no timings from the probe"; exit 1; }

# The win sound's length, read here independently of the player: the last
# page's granule position over the identification header's sample rate.
win_file="/usr/share/sounds/freedesktop/stereo/complete.oga"
win_length_ms="$(python3 - "$win_file" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read()
rate = struct.unpack_from("<I", data, 28 + 12)[0]  # first page: 27-byte header, 1 lacing value
last = data.rindex(b"OggS")
granule = struct.unpack_from("<q", data, last + 6)[0]
print(granule * 1000 // rate)
PY
)"
echo "win sound length: ${win_length_ms} ms"

check "win cue held the caller ${win_ms} ms, at least its ${win_length_ms} ms" \
    [ "$win_ms" -ge "$win_length_ms" ]
check "click cue returned in ${click_ms} ms (under ${click_limit_ms} ms)" \
    [ "$click_ms" -lt "$click_limit_ms" ]

sleep 0.3
stop "$recorder_pid"
recorder_pid=""
peak="$(python3 - "$work/capture.raw" <<'PY'
import array, sys
samples = array.array("h")
with open(sys.argv[1], "rb") as f:
    raw = f.read()
samples.frombytes(raw[: len(raw) // 2 * 2])
print(max((abs(s) for s in samples), default=0))
PY
)"
check "the sink heard the cues (peak sample $peak of 32767)" [ "$peak" -gt 1000 ]

# Server gone: the same cues must give up at once.
stop "$server_pid"
server_pid=""
start_ns="$(date +%s%N)"
status=0
timeout 30 "$probe" >"$work/no-server.out" 2>"$work/no-server.err" || status=$?
total_ms=$((($(date +%s%N) - start_ns) / 1000000))
cat "$work/no-server.out"
check "without a server the probe still ends normally" [ "$status" -eq 0 ]
no_server_win_ms="$(value_of win "$work/no-server.out")"
check "without a server the win cue returned in ${no_server_win_ms:-?} ms (whole probe ${total_ms} ms)" \
    [ "${no_server_win_ms:-99999}" -lt "$no_server_limit_ms" ]

if [[ "$fail" != 0 ]]; then
    echo "--- server log"; tail -n 20 "$work/server.log"
    echo "--- probe stderr"; cat "$work/probe.err"
    exit 1
fi
echo "pulse integration: all checks passed"
