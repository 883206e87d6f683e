# A PulseAudio server of the test's own: its own runtime dir, home (cookie)
# and socket, a null sink as the default, no autospawn and nothing of the
# user's configuration. Sourced by the sound tests.
#
# start_private_pulse WORK SINK [SINK-ARGS...]: starts it under WORK, exports
# PULSE_SERVER and sets server_pid; returns 1 (with the server's last words on
# stdout) when it cannot be started here.
start_private_pulse() {
    local pulse_work="$1" pulse_sink="$2"
    shift 2
    export XDG_RUNTIME_DIR="$pulse_work/runtime" HOME="$pulse_work/home" XDG_CONFIG_HOME="$pulse_work/home/.config"
    mkdir -m 700 -p "$XDG_RUNTIME_DIR" "$HOME"
    local socket="$XDG_RUNTIME_DIR/pulse/native"
    export PULSE_SERVER="unix:$socket"

    # -n: no default.pa. As root, user mode still works; it only warns.
    timeout 90 pulseaudio --daemonize=no -n --exit-idle-time=-1 --disallow-exit \
        --use-pid-file=no --disable-shm=yes --log-target=stderr \
        --load="module-native-protocol-unix socket=$socket" \
        --load="module-null-sink sink_name=$pulse_sink $*" \
        --load="module-always-sink" \
        2>"$pulse_work/server.log" &
    server_pid=$!

    for _ in $(seq 1 50); do
        if timeout 2 pactl info >/dev/null 2>&1; then
            timeout 5 pactl set-default-sink "$pulse_sink"
            return 0
        fi
        kill -0 "$server_pid" 2>/dev/null || break
        sleep 0.1
    done
    tail -n 5 "$pulse_work/server.log"
    return 1
}
