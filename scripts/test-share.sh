#!/usr/bin/env bash
# Lines of test code against lines of program code: non-blank lines of the C++ sources
# that are not comments, in tests/ and in src/. With -v, each file's count too.
set -euo pipefail
cd "$(dirname "$0")/.."

count() { # the code lines of each C++ file under $1, one "lines path" row each
    find "$1" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z | xargs -0 awk '
        FNR == 1 && NR > 1 { print n, prev; n = 0 }
        { prev = FILENAME; line = $0 }
        inBlock { if (line !~ /\*\//) next; sub(/.*\*\//, "", line); inBlock = 0 }
        { while (line ~ /^[ \t]*\/\*/) { if (line !~ /\*\//) { inBlock = 1; next } sub(/^[ \t]*\/\*([^*]|\*+[^*\/])*\*+\//, "", line) } }
        line ~ /^[ \t]*(\/\/.*)?$/ { next }
        { n++ }
        END { if (NR > 0) print n + 0, prev }'
}

verbose=${1:-}
src=$(count src)
tests=$(count tests)
[[ $verbose == -v ]] && printf '%s\n%s\n' "$src" "$tests"
s=$(awk '{ t += $1 } END { print t + 0 }' <<<"$src")
t=$(awk '{ t += $1 } END { print t + 0 }' <<<"$tests")
awk -v s="$s" -v t="$t" 'BEGIN { printf "src %d  tests %d  tests/src %.1f%%\n", s, t, 100 * t / s }'
