#!/usr/bin/env bash
# Starts (or stops) the real services the integration tests use: a PulseAudio server
# with a null sink, CUPS with a PDF printer as the default printer, and an X server
# (Xvfb) on display $BRIVATENZO_DISPLAY (:71 unless set) for real mouse clicks.
#
#   scripts/services.sh start|stop [run]
#
# `run` is the id of the process that uses the services (by default the caller's): start
# and stop must name the same one. Runs may overlap and share the servers: what a run of
# this script started is noted, and stopped by the last run to stop (a run whose process
# has ended without stopping no longer counts). Servers that no run of this script
# started (a desktop's sound server, a system's CUPS) are never stopped.
set -uo pipefail
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/brivatenzo-runtime}
display=${BRIVATENZO_DISPLAY:-:71}
runs=/tmp/brivatenzo-runs
run=${2:-$PPID}

# One run at a time looks at or changes the servers and the notes (the servers it starts
# must not keep the lock open).
lock() {
    mkdir -p "$runs"
    exec 9>"$runs/.lock"
    flock 9
}

start() {
    lock
    touch "$runs/using.$run"
    mkdir -p "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    if ! pactl info >/dev/null 2>&1; then
        pulseaudio --daemonize=yes --exit-idle-time=-1 -n \
            --load="module-native-protocol-unix" \
            --log-target=file:"$runs/pulse.log" 2>/dev/null 9>&- && echo "$XDG_RUNTIME_DIR" >"$runs/started-pulse.$run"
        for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    fi
    # Also with a sound server that was already running: the tests record this sink.
    if ! pactl list short sinks 2>/dev/null | grep -q brivatenzo_null; then
        module=$(pactl load-module module-null-sink sink_name=brivatenzo_null 2>/dev/null) &&
            echo "$XDG_RUNTIME_DIR $module" >"$runs/started-sink.$run"
    fi
    pactl set-default-sink brivatenzo_null >/dev/null 2>&1 || true

    if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
        cupsd 9>&- && touch "$runs/started-cups.$run"
        for _ in $(seq 50); do lpstat -r 2>/dev/null | grep -q 'is running' && break; sleep 0.1; done
    fi
    if ! lpstat -p PDF >/dev/null 2>&1; then
        lpadmin -p PDF -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null ||
            lpadmin -p PDF -v cups-pdf:/ -E -m everywhere 2>/dev/null || true
    fi
    lpadmin -d PDF >/dev/null 2>&1 || true
    cupsenable PDF >/dev/null 2>&1 || true
    cupsaccept PDF >/dev/null 2>&1 || true

    if ! DISPLAY=$display xdotool getdisplaygeometry >/dev/null 2>&1; then
        Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 9>&- &
        echo $! >"$runs/started-xvfb.$run"
        for _ in $(seq 50); do DISPLAY=$display xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
    fi
}

stop() {
    lock
    rm -f "$runs/using.$run"
    for other in "$runs"/using.*; do
        [ -e "$other" ] || continue
        [ -d "/proc/${other##*.}" ] && return # still in use: the last run stops them
        rm "$other" # a run that ended without stopping
    done
    for note in "$runs"/started-sink.*; do
        [ -e "$note" ] || continue
        read -r runtime module <"$note"
        XDG_RUNTIME_DIR=$runtime pactl unload-module "$module" >/dev/null 2>&1 || true
    done
    for note in "$runs"/started-pulse.*; do
        [ -e "$note" ] || continue
        XDG_RUNTIME_DIR=$(cat "$note") pulseaudio --kill >/dev/null 2>&1 || true
    done
    for note in "$runs"/started-xvfb.*; do
        [ -e "$note" ] || continue
        kill "$(cat "$note")" >/dev/null 2>&1 || true
    done
    if compgen -G "$runs/started-cups.*" >/dev/null; then
        pkill -x cupsd >/dev/null 2>&1 || true
    fi
    rm -f "$runs"/started-*
}

case "${1:-start}" in
start) start ;;
stop) stop ;;
esac
