#!/usr/bin/env bash
# Installs what is missing, builds the program (not its tests) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh brivatenzo
exec build/src/brivatenzo
