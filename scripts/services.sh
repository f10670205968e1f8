#!/usr/bin/env bash
# Starts (or stops) the real services the integration tests use: a PulseAudio server
# with a null sink, and CUPS with a PDF printer as the default printer.
set -uo pipefail
state=/tmp/brivatenzo-services
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/brivatenzo-runtime}

start() {
    mkdir -p "$state" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    if ! pactl info >/dev/null 2>&1; then
        pulseaudio --daemonize=yes --exit-idle-time=-1 --system=false \
            --disallow-exit --log-target=file:"$state/pulse.log" -n \
            --load="module-null-sink sink_name=brivatenzo_null" \
            --load="module-native-protocol-unix" 2>/dev/null || true
        for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
        pactl set-default-sink brivatenzo_null >/dev/null 2>&1 || true
    fi
    if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
        (cupsd 2>/dev/null || /usr/sbin/cupsd) || true
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
    pulseaudio --kill >/dev/null 2>&1 || true
}

case "${1:-start}" in
start) start ;;
stop) stop ;;
esac
