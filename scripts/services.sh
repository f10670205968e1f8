#!/usr/bin/env bash
# Starts (or stops) the real services the integration tests use: a PulseAudio server
# with a null sink, and CUPS with a PDF printer as the default printer. Stops only what
# it started itself.
set -uo pipefail
state=/tmp/brivatenzo-services
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/brivatenzo-runtime}

start() {
    mkdir -p "$state" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    if ! pactl info >/dev/null 2>&1; then
        pulseaudio --daemonize=yes --exit-idle-time=-1 -n \
            --load="module-native-protocol-unix" \
            --log-target=file:"$state/pulse.log" 2>/dev/null && touch "$state/started-pulse"
        for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    fi
    # Also with a sound server that was already running: the tests record this sink.
    if ! pactl list short sinks 2>/dev/null | grep -q brivatenzo_null; then
        pactl load-module module-null-sink sink_name=brivatenzo_null >"$state/null-sink-module" 2>/dev/null
    fi
    pactl set-default-sink brivatenzo_null >/dev/null 2>&1 || true

    if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
        cupsd && touch "$state/started-cups"
        for _ in $(seq 50); do lpstat -r 2>/dev/null | grep -q 'is running' && break; sleep 0.1; done
    fi
    if ! lpstat -p PDF >/dev/null 2>&1; then
        lpadmin -p PDF -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null ||
            lpadmin -p PDF -v cups-pdf:/ -E -m everywhere 2>/dev/null || true
    fi
    lpadmin -d PDF >/dev/null 2>&1 || true
    cupsenable PDF >/dev/null 2>&1 || true
    cupsaccept PDF >/dev/null 2>&1 || true
}

stop() {
    if [ -s "$state/null-sink-module" ]; then
        pactl unload-module "$(cat "$state/null-sink-module")" >/dev/null 2>&1 || true
        rm -f "$state/null-sink-module"
    fi
    if [ -e "$state/started-pulse" ]; then
        pulseaudio --kill >/dev/null 2>&1 || true
        rm -f "$state/started-pulse"
    fi
    if [ -e "$state/started-cups" ]; then
        pkill -x cupsd >/dev/null 2>&1 || true
        rm -f "$state/started-cups"
    fi
}

case "${1:-start}" in
start) start ;;
stop) stop ;;
esac
