#!/usr/bin/env bash
# Installs what is missing (the test tools too), builds, and runs every test: the headless ones on
# Qt's offscreen platform, and the integration ones against a PulseAudio null sink, a CUPS printer
# and an Xvfb display of this run's own, which scripts/services.sh starts, and stops on the way
# out (also on an error, Ctrl-C or SIGTERM), leaving nothing behind. Runs may overlap.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --tests
scripts/build.sh

export QT_QPA_PLATFORM=offscreen
. scripts/services.sh
services_start

status=0
services_run ctest --test-dir build --output-on-failure --no-tests=error --parallel "$(nproc)" \
    --timeout 900 -LE integration || status=$?
# Within a run, the integration tests take turns (one sound sink, one printer, one display).
services_run ctest --test-dir build --output-on-failure --no-tests=error --timeout 900 \
    -L integration || status=$?
exit "$status"
