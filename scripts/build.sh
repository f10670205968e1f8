#!/usr/bin/env bash
# Configures (Release) and builds in build/: everything, the program with its tests and the
# benchmark, or only the targets named ("scripts/build.sh brivatenzo": the program and the
# sound module it loads).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build build --parallel "$(nproc)" "${targets[@]}"
