# Sourced by scripts/test.sh, or at a prompt ("bash" with job control on, as a developer runs one
# integration test by hand): the servers the integration tests use, of this run's own, and the
# environment that reaches them and nothing else.
#
#   services_start       starts, in a new folder (mktemp -d), and exports where they are:
#                          - a PulseAudio server whose default output is a null sink,
#                            brivatenzo_null (PULSE_SERVER);
#                          - a CUPS scheduler whose default printer, brivatenzo, keeps each
#                            job's PDF in $BRIVATENZO_PAGES as <job id>.pdf (CUPS_SERVER);
#                          - an Xvfb on a display that was free, $BRIVATENZO_DISPLAY;
#                        with HOME, the XDG folders and TMPDIR in that folder too. From then on,
#                        leaving the shell (at the end, on an error, a hang-up; in a script also
#                        Ctrl-C or SIGTERM) stops what was started, by process id, and removes
#                        the folder. If a server does not answer, it says which, stops what it
#                        started, leaves the shell's environment as it was and fails.
#   services_run cmd...  runs a command in a process group of its own, ends what it leaves
#                        running there (or, interrupted, what leaving the shell stops with the servers;
#                        at a prompt, Ctrl-C ends the command only), and gives its exit status.
#
# Nothing here reads or changes the desktop's sound server, the machine's or the user's print
# server, the user's display or home folder; two runs at once each have their own.

services_dir=
services_pids=()  # the servers, in the order they started
services_group=   # the process group of the command services_run is running
services_set=()   # NAME=value: the environment of the servers and of what reaches them
services_unset=() # and what it leaves out

services_start() {
    if [ -n "$services_dir" ]; then
        echo "scripts/services.sh: the servers run already, in $services_dir" >&2
        return 1
    fi
    services_dir=$(mktemp -d) || return 1
    trap services_stop EXIT
    # An interactive shell goes on after Ctrl-C, ignores SIGTERM and, hung up, runs the EXIT trap
    # by itself (but not when a trap of its own for SIGHUP exits).
    if [[ $- != *i* ]]; then
        trap 'exit 129' HUP
        trap 'exit 130' INT
        trap 'exit 143' TERM
    fi
    if services_start_in "$services_dir"; then
        unset "${services_unset[@]}"
        export "${services_set[@]}"
        return 0
    fi
    services_stop
    return 1
}

# Every step of services_start in folder $1; the shell's own environment is not changed.
services_start_in() {
    local d=$1 here pulseaudio cupsd lpadmin xvfb
    here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd) &&
        pulseaudio=$(services_program pulseaudio) && cupsd=$(services_program cupsd) &&
        lpadmin=$(services_program lpadmin) && xvfb=$(services_program Xvfb) &&
        mkdir -p "$d"/{home,runtime,tmp,pulse,pages,x} "$d"/cups/{bin/backend,spool/tmp,cache,state,log,client} &&
        chmod 700 "$d/runtime" || return 1

    # Every server and test below keeps its files here. No session bus (a missing one: left
    # unset, D-Bus would look for, or start, the desktop's), no display but the run's own.
    services_set=(HOME="$d/home" TMPDIR="$d/tmp" XDG_RUNTIME_DIR="$d/runtime"
        XDG_CONFIG_HOME="$d/home/.config" XDG_CACHE_HOME="$d/home/.cache"
        XDG_DATA_HOME="$d/home/.local/share" XDG_STATE_HOME="$d/home/.local/state"
        DBUS_SESSION_BUS_ADDRESS="unix:path=$d/no-bus")
    services_unset=(DISPLAY WAYLAND_DISPLAY XAUTHORITY)

    # Sound: clients reach this server only, and never start one of their own.
    services_set+=(PULSE_SERVER="unix:$d/runtime/pulse/native" PULSE_CLIENTCONFIG="$d/pulse/client.conf"
        PULSE_COOKIE="$d/pulse/cookie" PULSE_STATE_PATH="$d/pulse/state")
    services_unset+=(PULSE_SINK PULSE_SOURCE)
    echo "autospawn = no" >"$d/pulse/client.conf" || return 1
    # As root it warns that it is not meant to run as root; as a user's server, it is fine.
    services_spawn "$d/pulse/log" "$pulseaudio" -n --daemonize=no --use-pid-file=no --system=no \
        --exit-idle-time=-1 --high-priority=no --realtime=no --no-cpu-limit --log-target=stderr \
        --load="module-native-protocol-unix auth-anonymous=1" \
        --load="module-null-sink sink_name=brivatenzo_null" &&
        services_await "PulseAudio" "$d/pulse/log" pactl info || return 1

    # Printing: a scheduler with only this folder's configuration, spool, logs and socket. Its
    # programs are the system's, but for a backend of this run's own (CUPS runs a backend that
    # only its owner may run as that owner, as root when root runs it, which can write here).
    local cups=$d/cups
    ln -s /usr/lib/cups/daemon /usr/lib/cups/filter "$cups/bin/" &&
        install -m 700 "$here/printer/pages" "$cups/bin/backend/pages" || return 1
    cat >"$cups/cups-files.conf" <<EOF || return 1
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
    cat >"$cups/cupsd.conf" <<EOF || return 1
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
    # Clients ask this scheduler, and read no client.conf or lpoptions (the machine's or the
    # user's) that would name another server or default printer.
    services_set+=(CUPS_SERVER="$cups/cups.sock" CUPS_SERVERROOT="$cups/client" BRIVATENZO_PAGES="$d/pages")
    services_unset+=(LPDEST PRINTER)
    # No system bus either: the desktop hears of no printer coming or going. (lpstat -r says
    # whether the scheduler runs, but exits with 0 either way.)
    services_spawn "$cups/log/cupsd" env DBUS_SYSTEM_BUS_ADDRESS="unix:path=$d/no-bus" \
        "$cupsd" -f -c "$cups/cupsd.conf" -s "$cups/cups-files.conf" &&
        services_await "CUPS" "$cups/log/cupsd" \
            sh -c '[ "$(LC_ALL=C lpstat -r 2>/dev/null)" = "scheduler is running" ]' || return 1
    # (lpadmin says that printer drivers, such as this PPD file, are deprecated.)
    services_env "$lpadmin" -p brivatenzo -E -v "pages:$d/pages" -P "$here/printer/pages.ppd" \
        2>"$cups/log/lpadmin" && services_env "$lpadmin" -d brivatenzo 2>>"$cups/log/lpadmin" || {
        echo "scripts/services.sh: the printer could not be set up:" >&2
        cat "$cups/log/lpadmin" >&2
        return 1
    }

    # The display: Xvfb takes the first free one and names it once it takes clients.
    services_spawn "$d/x/log" "$xvfb" -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$d/x/display" &&
        services_await "Xvfb" "$d/x/log" test -s "$d/x/display" || return 1
    services_set+=(BRIVATENZO_DISPLAY=":$(<"$d/x/display")")
}

# Where a program is, also in the system's sbin folders (cupsd, lpadmin), which a user's PATH
# often leaves out.
services_program() {
    PATH=$PATH:/usr/local/sbin:/usr/sbin:/sbin command -v "$1" ||
        { echo "scripts/services.sh: $1 is not installed (scripts/install-deps.sh --tests installs it)" >&2 && return 1; }
}

# Runs a command in the servers' environment.
services_env() {
    env "${services_unset[@]/#/--unset=}" "${services_set[@]}" "$@"
}

# Starts a server in the background, in the servers' environment, its output into a log, and
# keeps its process id.
services_spawn() {
    local log=$1
    shift
    services_background env "${services_unset[@]/#/--unset=}" "${services_set[@]}" "$@" >"$log" 2>&1
    services_pids+=($!)
    # Not a job of the shell's: not listed at a prompt, nor hung up with its jobs there (a shell
    # that hangs up its jobs also ends the servers, by its EXIT trap).
    disown "$!"
}

# Starts a command in the background in a process group of its own, whose id is its process id,
# $!, out of the terminal's way (a Ctrl-C there reaches this shell, which then stops it). With
# job control on, the shell makes the group; without, setsid does, in a session of its own. (With
# job control on, the command leads its group already, so setsid would fork: $! would be a
# parent that ends at once.) The braces keep an interactive shell from printing a job number.
services_background() {
    if [[ $- == *m* ]]; then
        { "$@" 2>&9 9>&- & } 9>&2 2>/dev/null
    else
        { setsid "$@" 2>&9 9>&- & } 9>&2 2>/dev/null
    fi
}

# Waits up to 20 s for the server started last to answer (the command given succeeds, in the
# servers' environment); fails with its log if it ends or never does.
services_await() {
    local what=$1 log=$2 pid=${services_pids[-1]}
    shift 2
    for _ in $(seq 200); do
        services_env "$@" >/dev/null 2>&1 && return 0
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "scripts/services.sh: $what did not start:" >&2
    tail -n 20 "$log" >&2
    return 1
}

services_run() {
    local monitor=${-//[^m]/} status=0 int
    services_background "$@"
    services_group=$!
    set +m # the shell reports nothing of it (its status is returned)
    # At a prompt, Ctrl-C ends the command and comes back to the prompt.
    if [[ $- == *i* ]]; then
        int=$(trap -p INT)
        trap : INT
    fi
    # Unlike a command in the foreground, `wait` gives way to a signal at once.
    wait "$services_group" || status=$?
    # What the command left running goes with it, while its group's id is still its own.
    services_end "-$services_group"
    wait "$services_group" 2>/dev/null || true
    services_group=
    [[ $- != *i* ]] || eval "${int:-trap - INT}"
    [ -z "$monitor" ] || set -m
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
    trap '' INT TERM HUP # a second Ctrl-C does not cut this short
    local monitor=${-//[^m]/}
    set +m # nor is each server that ends reported
    # The command that was running first, then the servers, last started first.
    [ -z "$services_group" ] || services_end "-$services_group"
    local i
    for ((i = ${#services_pids[@]} - 1; i >= 0; i--)); do
        services_end "${services_pids[i]}"
    done
    [ -z "$services_dir" ] || rm -rf "$services_dir"
    services_dir=
    services_pids=()
    services_group=
    services_set=()
    services_unset=()
    trap - INT TERM HUP EXIT
    [ -z "$monitor" ] || set -m
}
