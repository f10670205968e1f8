#!/usr/bin/env bash
# Installs what is missing (the test tools too), builds, and runs every test: the headless ones on
# Qt's offscreen platform, and the integration ones against a PulseAudio null sink, a CUPS printer
# and an Xvfb display of this run's own, which scripts/services.sh starts, and stops on the way
# out (also on an error, Ctrl-C or SIGTERM), leaving nothing behind. Runs may overlap. Needs no
# root, nor sudo unless a package is missing. Ends with "Total: <n> passed, <n> failed", and
# fails if a test did.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --tests
scripts/build.sh

export QT_QPA_PLATFORM=offscreen
. scripts/services.sh
services_start

status=0
services_run ctest --test-dir build --output-on-failure --no-tests=error --parallel "$(nproc)" \
    --timeout 900 -LE integration --output-junit "$TMPDIR/headless.xml" || status=$?
# Within a run, the integration tests take turns (one sound sink, one printer, one display).
services_run ctest --test-dir build --output-on-failure --no-tests=error --timeout 900 \
    -L integration --output-junit "$TMPDIR/integration.xml" || status=$?

# Both passes in one line, last: the tests that passed and those that failed.
read -r passed failed other < <(cat "$TMPDIR"/{headless,integration}.xml 2>/dev/null |
    awk -F'status="' '/<testcase / { split($2, s, "\""); n[s[1]]++; all++ }
        END { print n["run"] + 0, n["fail"] + 0, all - n["run"] - n["fail"] }')
[ "$other" -eq 0 ] || echo "$other did not run"
echo "Total: $passed passed, $failed failed"
[ "$failed" -eq 0 ] || [ "$status" -ne 0 ] || status=1
exit "$status"
