# Sourced by scripts/test.sh: the servers the integration tests use, of this run's own, and the
# environment that reaches them and nothing else.
#
#   services_start       starts, in a new folder (mktemp -d), and exports where they are:
#                          - a PulseAudio server whose default output is a null sink,
#                            brivatenzo_null (PULSE_SERVER);
#                          - a CUPS scheduler whose default printer, brivatenzo, keeps each
#                            job's PDF in $BRIVATENZO_PAGES as <job id>.pdf (CUPS_SERVER);
#                          - an Xvfb on a display that was free, $BRIVATENZO_DISPLAY;
#                        with HOME, the XDG folders and TMPDIR in that folder too. From then on,
#                        leaving the shell (at the end, on an error, Ctrl-C or SIGTERM) stops
#                        what was started, by process id, and removes the folder.
#   services_run cmd...  runs a command in a process group of its own, ends what it leaves
#                        running there (or, interrupted, what leaving the shell stops with the
#                        servers), and gives its exit status.
#
# Nothing here reads or changes the desktop's sound server, the machine's or the user's print
# server, the user's display or home folder; two runs at once each have their own.

services_dir=
services_pids=()  # the servers, in the order they started
services_group=   # the process group of the command services_run is running

services_start() {
    local here
    here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
    services_dir=$(mktemp -d)
    trap services_stop EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    local d=$services_dir
    mkdir -p "$d"/{home,runtime,tmp,pulse,pages,x} "$d"/cups/{bin/backend,spool/tmp,cache,state,log,client}
    chmod 700 "$d/runtime"

    # Every server and test below keeps its files here.
    export HOME=$d/home TMPDIR=$d/tmp XDG_RUNTIME_DIR=$d/runtime
    export XDG_CONFIG_HOME=$d/home/.config XDG_CACHE_HOME=$d/home/.cache
    export XDG_DATA_HOME=$d/home/.local/share XDG_STATE_HOME=$d/home/.local/state
    # No session bus (a missing one: left unset, D-Bus would look for, or start, the desktop's),
    # no display but the run's own.
    export DBUS_SESSION_BUS_ADDRESS=unix:path=$d/no-bus
    unset DISPLAY WAYLAND_DISPLAY XAUTHORITY

    # Sound: clients reach this server only, and never start one of their own.
    export PULSE_SERVER=unix:$d/runtime/pulse/native PULSE_CLIENTCONFIG=$d/pulse/client.conf
    export PULSE_COOKIE=$d/pulse/cookie PULSE_STATE_PATH=$d/pulse/state
    unset PULSE_SINK PULSE_SOURCE
    echo "autospawn = no" >"$d/pulse/client.conf"
    # As root it warns that it is not meant to run as root; as a user's server, it is fine.
    services_spawn "$d/pulse/log" pulseaudio -n --daemonize=no --use-pid-file=no --system=no \
        --exit-idle-time=-1 --high-priority=no --realtime=no --no-cpu-limit --log-target=stderr \
        --load="module-native-protocol-unix auth-anonymous=1" \
        --load="module-null-sink sink_name=brivatenzo_null"
    services_await "PulseAudio" "$d/pulse/log" pactl info

    # Printing: a scheduler with only this folder's configuration, spool, logs and socket. Its
    # programs are the system's, but for a backend of this run's own (CUPS runs a backend that
    # only its owner may run as that owner, here root, which can write into this folder).
    local cups=$d/cups
    ln -s /usr/lib/cups/daemon /usr/lib/cups/filter "$cups/bin/"
    install -m 700 "$here/printer/pages" "$cups/bin/backend/pages"
    cat >"$cups/cups-files.conf" <<EOF
ServerRoot $cups
ServerBin $cups/bin
RequestRoot $cups/spool
TempDir $cups/spool/tmp
CacheDir $cups/cache
StateDir $cups/state
AccessLog $cups/log/access_log
ErrorLog $cups/log/error_log
PageLog $cups/log/page_log
Printcap $cups/printcap
EOF
    cat >"$cups/cupsd.conf" <<EOF
Listen $cups/cups.sock
Browsing No
BrowseLocalProtocols none
WebInterface No
LogLevel warn
<Policy default>
  JobPrivateAccess default
  JobPrivateValues default
  SubscriptionPrivateAccess default
  SubscriptionPrivateValues default
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
    # No system bus either: the desktop hears of no printer coming or going.
    DBUS_SYSTEM_BUS_ADDRESS=unix:path=$d/no-bus services_spawn "$cups/log/cupsd" \
        cupsd -f -c "$cups/cupsd.conf" -s "$cups/cups-files.conf"
    # Clients ask this scheduler, and read no client.conf or lpoptions (the machine's or the
    # user's) that would name another server or default printer.
    export CUPS_SERVER=$cups/cups.sock CUPS_SERVERROOT=$cups/client
    unset LPDEST PRINTER
    services_await "CUPS" "$cups/log/cupsd" services_cups_answers
    # (lpadmin says that printer drivers, such as this PPD file, are deprecated.)
    lpadmin -p brivatenzo -E -v "pages:$d/pages" -P "$here/printer/pages.ppd" 2>"$cups/log/lpadmin" &&
        lpadmin -d brivatenzo 2>>"$cups/log/lpadmin" || {
        cat "$cups/log/lpadmin" >&2
        return 1
    }
    export BRIVATENZO_PAGES=$d/pages

    # The display: Xvfb takes the first free one and names it once it takes clients.
    services_spawn "$d/x/log" Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$d/x/display"
    services_await "Xvfb" "$d/x/log" test -s "$d/x/display"
    export BRIVATENZO_DISPLAY=:$(<"$d/x/display")
}

# Starts a server in the background, in a session of its own (a Ctrl-C at the terminal reaches
# this shell, which then stops it), its output into a log.
services_spawn() {
    local log=$1
    shift
    setsid "$@" >"$log" 2>&1 &
    services_pids+=($!)
}

# Waits up to 20 s for the server started last to answer (the command given succeeds); fails
# with its log if it ends or never does.
services_await() {
    local what=$1 log=$2 pid=${services_pids[-1]}
    shift 2
    for _ in $(seq 200); do
        "$@" >/dev/null 2>&1 && return 0
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "scripts/services.sh: $what did not start:" >&2
    tail -n 20 "$log" >&2
    return 1
}

# (lpstat -r says whether the scheduler runs, but exits with 0 either way.)
services_cups_answers() {
    [ "$(LC_ALL=C lpstat -r 2>/dev/null)" = "scheduler is running" ]
}

services_run() {
    setsid "$@" &
    services_group=$!
    local status=0
    # Unlike a command in the foreground, `wait` gives way to a signal at once.
    wait "$services_group" || status=$?
    # What the command left running goes with it, while its group's id is still its own.
    services_end "-$services_group"
    services_group=
    return "$status"
}

# Ends a process, or with "-" before it a process group: SIGTERM, then SIGKILL if it is still
# there after 5 s.
services_end() {
    kill -TERM -- "$1" 2>/dev/null || return 0
    for _ in $(seq 50); do
        kill -0 -- "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    kill -KILL -- "$1" 2>/dev/null || true
}

services_stop() {
    trap '' INT TERM # a second Ctrl-C does not cut this short
    # The command that was running first, then the servers, last started first.
    [ -n "$services_group" ] && services_end "-$services_group"
    local i
    for ((i = ${#services_pids[@]} - 1; i >= 0; i--)); do
        services_end "${services_pids[i]}"
        wait "${services_pids[i]}" 2>/dev/null || true
    done
    [ -n "$services_dir" ] && rm -rf "$services_dir"
}
