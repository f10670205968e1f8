#!/usr/bin/env bash
# scripts/services.sh, given as $1, with a PATH that holds no sbin folder (a user's): two runs'
# servers at once, one in a shell with job control on (as at a prompt), each reached through its
# own environment only and keeping its servers' own process ids; services_run gives its command's
# exit status and ends what the command leaves running; each run, ended or interrupted (Ctrl-C),
# stops what it started (processes, folder), leaving the other's untouched; a server that does not
# start fails services_start, by name, leaving nothing running and the shell's environment as it
# was; the home folder it was started from stays as it was. Fails by itself after 60 s.
set -uo pipefail
if [ -z "${SERVICES_TEST_LIMITED:-}" ]; then
    # At the limit, timeout sends SIGTERM to this script and to what runs in its process group.
    SERVICES_TEST_LIMITED=1 exec timeout 60 bash "$0" "$@"
fi
services=$1
scratch=$(mktemp -d)
run_a=
finish() { # run A ends by its own trap, stopping what it started
    [ -z "$run_a" ] || { kill -TERM "$run_a" 2>/dev/null; wait "$run_a"; }
    rm -rf "$scratch"
}
trap finish EXIT
trap 'echo "FAILED: not done within 60 s" >&2; exit 1' TERM
failures=0
check() { # check <what> <command...>: the command must succeed
    local what=$1
    shift
    "$@" >/dev/null 2>&1 || { echo "FAILED: $what" >&2; failures=$((failures + 1)); }
}
gone() { ! kill -0 "$1" 2>/dev/null; }
answers() { # answers <environment file>: that run's three servers answer
    (
        set -a && . "$1" && set +a
        timeout 10 pactl info && timeout 10 lpstat -a &&
            DISPLAY=$BRIVATENZO_DISPLAY timeout 10 xdotool getdisplaygeometry
    )
}
# The processes whose home folder is in folder $1, whatever their parent or session.
strays() { grep -lsz "^HOME=$1/" /proc/[0-9]*/environ | cut -d/ -f3; }
# What each process id in $@ runs, in that order.
commands() { for pid; do cat "/proc/$pid/comm" 2>/dev/null || echo "(none)"; done | paste -sd' ' -; }

# In a shell where services_start ran: services_run gives the status of a command that exits
# with 3 a second after it started another, and that other has ended when it returns.
status_and_left() {
    services_run sh -c 'sleep 600 & echo $! >"$1"; sleep 1; exit 3' sh "$TMPDIR/left"
    local status=$? left
    left=$(cat "$TMPDIR/left" 2>/dev/null) || { echo "$status none"; return; }
    if kill -0 "$left" 2>/dev/null; then
        echo "$status running"
        kill "$left"
    else
        echo "$status ended"
    fi
}
# Run A: with job control on, its servers up, then a command that waits.
run_a() {
    set -m
    . "$1" && services_start || exit 1
    export -p >"$2/a.env"
    echo "$services_dir ${services_pids[*]}" >"$2/a.ids"
    status_and_left >"$2/a.run"
    services_run sh -c "echo \$\$ >$2/a.command && exec sleep 600"
}
export -f status_and_left run_a

# The user's home, as the runs find it, and a user's PATH.
export HOME=$scratch/home
mkdir "$HOME" && echo kept >"$HOME/file"
before=$(ls -lAR --full-time "$HOME")
PATH=$(tr : '\n' <<<"$PATH" | grep -v sbin | paste -sd: -)
check "no sbin folder on PATH" test -z "$(command -v cupsd lpadmin)"

# A job in the background: SIGINT as a Ctrl-C would find it, also where this script was started
# with it ignored (as a script's background job is).
env --default-signal=INT bash -c 'run_a "$@"' a "$services" "$scratch" &
run_a=$!
for _ in $(seq 300); do [ -s "$scratch/a.command" ] || ! kill -0 "$run_a" 2>/dev/null && break; sleep 0.1; done
check "run A started" test -s "$scratch/a.command"
read -r dir_a pids_a <"$scratch/a.ids"
check "run A keeps its servers' ids" test "$(commands $pids_a)" = "pulseaudio cupsd Xvfb"
check "run A: services_run gives exit status 3 and ends what was left" test "$(<"$scratch/a.run")" = "3 ended"
check "run A answers" answers "$scratch/a.env"

# Run B, alongside: its own servers, and the run's printer keeps each page.
(
    . "$services" && services_start || exit 1
    export -p >"$scratch/b.env"
    echo "$services_dir ${services_pids[*]}" >"$scratch/b.ids"
    a() { (set -a && . "$scratch/a.env" && set +a && eval "echo \$$1"); }
    check "run B keeps its servers' ids" test "$(commands "${services_pids[@]}")" = "pulseaudio cupsd Xvfb"
    check "run B: services_run gives exit status 3 and ends what was left" test "$(status_and_left)" = "3 ended"
    check "own sound server" test "$PULSE_SERVER" != "$(a PULSE_SERVER)"
    check "own print server" test "$CUPS_SERVER" != "$(a CUPS_SERVER)"
    check "own display" test "$BRIVATENZO_DISPLAY" != "$(a BRIVATENZO_DISPLAY)"
    check "default output is the null sink" grep -qx "Default Sink: brivatenzo_null" <(pactl info)
    check "default printer is the run's" grep -qx "system default destination: brivatenzo" <(lpstat -d)
    check "Xvfb on the display" grep -qx "1280 1024" <(DISPLAY=$BRIVATENZO_DISPLAY xdotool getdisplaygeometry)
    printf '%%PDF-1.4\n%% a page of run B\n' >"$TMPDIR/page.pdf"
    job=$(lp -t page "$TMPDIR/page.pdf" | sed -n 's/^request id is brivatenzo-\([0-9]*\) .*/\1/p')
    for _ in $(seq 100); do [ -e "$BRIVATENZO_PAGES/$job.pdf" ] && break; sleep 0.1; done
    check "the page kept whole" cmp "$TMPDIR/page.pdf" "$BRIVATENZO_PAGES/$job.pdf"
    check "the page not in run A's folder" test -z "$(ls -A "$(a BRIVATENZO_PAGES)")"
    exit "$failures"
)
failures=$((failures + $?))
check "run B started" test -s "$scratch/b.ids"
read -r dir_b pids_b <"$scratch/b.ids"
for pid in $pids_b; do check "run B's process $pid stopped" gone "$pid"; done
check "nothing of run B's left running" test -z "$(strays "$dir_b")"
check "run B's folder removed" test ! -e "$dir_b"
check "run A still answers" answers "$scratch/a.env"

# Ctrl-C on run A while its command runs.
command_a=$(<"$scratch/a.command")
kill -INT "$run_a"
wait "$run_a"
check "run A ends on SIGINT with 130" test $? -eq 130
run_a=
for pid in $pids_a $command_a; do check "run A's process $pid stopped" gone "$pid"; done
check "nothing of run A's left running" test -z "$(strays "$dir_a")"
check "run A's folder removed" test ! -e "$dir_a"

# Run C, with job control on: a display server that ends at once.
mkdir "$scratch/bin" "$scratch/c"
printf '#!/bin/sh\necho "Xvfb: no screens" >&2\nexit 1\n' >"$scratch/bin/Xvfb"
chmod +x "$scratch/bin/Xvfb"
(
    set -m
    export PATH=$scratch/bin:$PATH TMPDIR=$scratch/c
    before_c=$(export -p)
    . "$services"
    services_start 2>"$scratch/c.err"
    check "run C: services_start fails" test $? -ne 0
    check "run C: the shell's environment as it was" test "$before_c" = "$(export -p)"
    exit "$failures"
)
failures=$((failures + $?))
check "run C names the server" grep -q "Xvfb did not start" "$scratch/c.err"
check "nothing of run C's left running" test -z "$(strays "$scratch/c")"
check "run C's folder removed" test -z "$(ls -A "$scratch/c")"
check "the home folder as it was" test "$before" = "$(ls -lAR --full-time "$HOME")"
exit $((failures > 0))
