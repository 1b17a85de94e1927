#!/usr/bin/env bash
# Builds and runs the benchmarks.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TESSILOR_BUILD_DIR:-$top/build}
"$top/scripts/build.sh"
for bench in "$build"/bench/*_bench; do
    echo "== $(basename "$bench")"
    "$bench" "$@"
done
