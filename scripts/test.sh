#!/usr/bin/env bash
# Builds everything and runs the whole test suite: unit, GL (Mesa, off-screen) and end-to-end
# (the real binary in a private Xvfb).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TESSILOR_BUILD_DIR:-$top/build}
"$top/scripts/build.sh"
cd "$build"
ctest --output-on-failure -j2 "$@"
