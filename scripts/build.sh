#!/usr/bin/env bash
# Configures (Release) and builds in build/: everything, the program with its tests and the
# benchmark, or only the targets named ("scripts/build.sh brivatenzo": the program and the
# sound module it loads; "scripts/build.sh bench_startup": the benchmark).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
# The Qt programs that the build runs (the drawing of the pictures, the listing of the tests)
# look for the session's runtime folder. Where there is none (a plain login, SSH, a container)
# Qt would warn and make one in the system's temporary folder: they get one in build/ instead.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    mkdir -p -m 700 build/runtime
    export XDG_RUNTIME_DIR=$PWD/build/runtime
fi
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build build --parallel "$(nproc)" "${targets[@]}"
