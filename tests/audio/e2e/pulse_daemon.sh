#!/bin/sh
# A private PulseAudio daemon with one null sink, for the sound-server tests.
#   pulse_daemon.sh start DIR   start it under DIR (runtime dir, home, log);
#                               prints its pid; fails with the daemon's log
#   pulse_daemon.sh stop DIR    stop the daemon started under DIR
#   pulse_daemon.sh kill DIR    kill it at once (SIGKILL), as a crash would
# ALSA's default device is pointed at it through DIR/home/.asoundrc; the
# caller runs with HOME=DIR/home and XDG_RUNTIME_DIR=DIR/run.
set -u
cmd=$1
dir=$2
run=$dir/run
home=$dir/home
pidfile=$dir/daemon.pid

case $cmd in
start)
    mkdir -p "$run" "$home" || exit 1
    chmod 700 "$run"
    cat > "$home/.asoundrc" <<'ALSA'
pcm.!default { type pulse }
ctl.!default { type pulse }
ALSA
    # Never let a client start a daemon of its own.
    mkdir -p "$home/.config/pulse"
    echo "autospawn = no" > "$home/.config/pulse/client.conf"
    rm -f "$run/pulse/native"
    command -v pulseaudio >/dev/null 2>&1 || { echo "pulseaudio is not installed" >&2; exit 1; }
    XDG_RUNTIME_DIR=$run HOME=$home pulseaudio -n --daemonize=no --exit-idle-time=-1 \
        --use-pid-file=no --disallow-exit=yes --log-target=stderr \
        -L module-native-protocol-unix \
        -L "module-null-sink sink_name=zvk_null rate=44100 channels=2" \
        >>"$dir/daemon.log" 2>&1 &
    pid=$!
    echo "$pid" > "$pidfile"
    i=0
    while [ ! -S "$run/pulse/native" ]; do
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "pulseaudio exited at start:" >&2
            cat "$dir/daemon.log" >&2
            exit 1
        fi
        i=$((i + 1))
        if [ $i -gt 100 ]; then
            echo "pulseaudio did not open its socket within 10 s:" >&2
            cat "$dir/daemon.log" >&2
            kill "$pid" 2>/dev/null
            exit 1
        fi
        sleep 0.1
    done
    echo "$pid"
    ;;
stop | kill)
    [ -f "$pidfile" ] || exit 0
    pid=$(cat "$pidfile")
    if [ "$cmd" = kill ]; then sig=KILL; else sig=TERM; fi
    kill -s $sig "$pid" 2>/dev/null
    i=0
    while kill -0 "$pid" 2>/dev/null && [ $i -lt 50 ]; do
        sleep 0.1
        i=$((i + 1))
    done
    kill -s KILL "$pid" 2>/dev/null
    rm -f "$pidfile"
    ;;
*)
    echo "usage: $0 start|stop|kill DIR" >&2
    exit 2
    ;;
esac
