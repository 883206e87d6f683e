# A sound server of the test's own, PulseAudio or PipeWire with its PulseAudio
# service: its own runtime dir, home and socket, a null sink as the default,
# no autospawn and nothing of the user's configuration. Sourced by the sound
# tests.
#
# start_sound_server KIND WORK: starts KIND (pulseaudio or pipewire) under
#   WORK, exports PULSE_SERVER, XDG_RUNTIME_DIR and HOME, and sets `sink`, the
#   null sink's name. Returns 1 (with the server's last words on stdout) when
#   it cannot be started here. Called again after crash_sound_server, it
#   starts the same server on the same socket.
# crash_sound_server: kills the server's processes at once, as a crash would.
# stop_sound_server: ends them (for the test's clean-up).

sink=dropline_null
# Every server process runs under this guard, so none outlives a test that
# was killed before its clean-up.
guard="timeout 300"
server_pids=()  # the guards
sound_server_bus_pid=""
sound_server_kind=""
sound_server_work=""

# sound_server_tools KIND: the programs KIND needs.
sound_server_tools() {
    case "$1" in
        pulseaudio) echo pulseaudio pactl ;;
        pipewire) echo pipewire wireplumber pipewire-pulse dbus-daemon pactl ;;
    esac
}

# wait_socket PATH: waits up to 5 s for a server to listen at PATH.
wait_socket() {
    local i
    for i in $(seq 1 50); do
        [[ -S "$1" ]] && return 0
        sleep 0.1
    done
    return 1
}

start_sound_server() {
    sound_server_kind="$1" sound_server_work="$2"
    export XDG_RUNTIME_DIR="$sound_server_work/runtime" HOME="$sound_server_work/home"
    export XDG_CONFIG_HOME="$HOME/.config"
    mkdir -m 700 -p "$XDG_RUNTIME_DIR" "$HOME"
    local socket="$XDG_RUNTIME_DIR/pulse/native"
    export PULSE_SERVER="unix:$socket"
    local log="$sound_server_work/server.log"
    case "$sound_server_kind" in
        pulseaudio)
            # -n: no default.pa. As root, user mode still works; it only warns.
            $guard pulseaudio --daemonize=no -n --exit-idle-time=-1 --disallow-exit \
                --use-pid-file=no --disable-shm=yes --log-target=stderr \
                --load="module-native-protocol-unix socket=$socket auth-anonymous=1" \
                --load="module-null-sink sink_name=$sink" \
                --load="module-always-sink" \
                2>>"$log" &
            server_pids=($!)
            ;;
        pipewire)
            # WirePlumber, the session manager that links streams to sinks,
            # wants a session bus; the bus outlives server crashes.
            if [[ -z "$sound_server_bus_pid" ]]; then
                export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus"
                $guard dbus-daemon --session --nofork --address="$DBUS_SESSION_BUS_ADDRESS" 2>>"$log" &
                sound_server_bus_pid=$!
                wait_socket "$XDG_RUNTIME_DIR/bus"
            fi
            $guard pipewire 2>>"$log" &
            server_pids=($!)
            wait_socket "$XDG_RUNTIME_DIR/pipewire-0"
            $guard wireplumber 2>>"$log" &
            server_pids+=($!)
            $guard pipewire-pulse 2>>"$log" &
            server_pids+=($!)
            ;;
        *)
            echo "unknown sound server kind: $sound_server_kind"
            return 1
            ;;
    esac

    local i
    for i in $(seq 1 100); do
        if timeout 2 pactl info >/dev/null 2>&1; then
            if [[ "$sound_server_kind" == pipewire ]]; then
                timeout 5 pactl load-module module-null-sink "sink_name=$sink" >/dev/null
            fi
            timeout 5 pactl set-default-sink "$sink" && return 0
        fi
        kill -0 "${server_pids[0]}" 2>/dev/null || break
        sleep 0.1
    done
    tail -n 5 "$log"
    return 1
}

crash_sound_server() {
    local pid
    for pid in "${server_pids[@]}"; do
        pkill -KILL -P "$pid" 2>/dev/null || true
    done
    for pid in "${server_pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    server_pids=()
}

stop_sound_server() {
    local pid
    for pid in "${server_pids[@]}" ${sound_server_bus_pid:-}; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${server_pids[@]}" ${sound_server_bus_pid:-}; do
        wait "$pid" 2>/dev/null || true
    done
    server_pids=()
    sound_server_bus_pid=""
}
