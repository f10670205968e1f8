#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the headless ones on Qt's
# offscreen platform, and the integration ones against a PulseAudio null sink, a CUPS
# PDF printer and an Xvfb display, which this script starts and stops itself. Runs on one
# machine may overlap: they share these, and take turns at the integration tests.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --tests
scripts/build.sh

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/brivatenzo-runtime}
export BRIVATENZO_DISPLAY=${BRIVATENZO_DISPLAY:-:71}
scripts/services.sh start $$
trap 'scripts/services.sh stop $$' EXIT

status=0
ctest --test-dir build --output-on-failure --parallel "$(nproc)" --timeout 900 -LE integration || status=$?
# One sound sink and one printer: overlapping runs take turns at these tests.
flock /tmp/brivatenzo-runs/integration.lock \
    ctest --test-dir build --output-on-failure --timeout 900 -L integration || status=$?
exit "$status"
