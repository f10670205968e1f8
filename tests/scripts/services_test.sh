#!/usr/bin/env bash
# scripts/services.sh, given as $1: two runs' servers at once, each reached through its own
# environment only; each run, ended or interrupted (Ctrl-C), stops what it started (processes,
# folder), leaving the other's untouched; the home folder it was started from stays as it was.
set -uo pipefail
services=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
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
        pactl info && lpstat -a && DISPLAY=$BRIVATENZO_DISPLAY xdotool getdisplaygeometry
    )
}

# The user's home, as the runs find it.
export HOME=$scratch/home
mkdir "$HOME" && echo kept >"$HOME/file"
before=$(ls -lAR --full-time "$HOME")

# Run A: its servers up, then a command that waits. A job of its own, so that SIGINT is not ignored.
set -m
bash -c '. "$1" && services_start && export -p >"$2/a.env" && echo "$services_dir ${services_pids[*]}" >"$2/a.ids" &&
         services_run sh -c "echo \$\$ >$2/a.command && exec sleep 600"' a "$services" "$scratch" &
run_a=$!
set +m
for _ in $(seq 300); do [ -s "$scratch/a.command" ] && break; sleep 0.1; done
read -r dir_a pids_a <"$scratch/a.ids"
check "run A answers" answers "$scratch/a.env"

# Run B, alongside: its own servers, and the run's printer keeps each page.
(
    . "$services" && services_start || exit 1
    export -p >"$scratch/b.env"
    echo "$services_dir ${services_pids[*]}" >"$scratch/b.ids"
    a() { (set -a && . "$scratch/a.env" && set +a && eval "echo \$$1"); }
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
check "run B's folder removed" test ! -e "$dir_b"
check "run A still answers" answers "$scratch/a.env"

# Ctrl-C on run A while its command runs.
command_a=$(<"$scratch/a.command")
kill -INT "$run_a"
wait "$run_a"
check "run A ends on SIGINT with 130" test $? -eq 130
for pid in $pids_a $command_a; do check "run A's process $pid stopped" gone "$pid"; done
check "run A's folder removed" test ! -e "$dir_a"
check "the home folder as it was" test "$before" = "$(ls -lAR --full-time "$HOME")"
exit $((failures > 0))
