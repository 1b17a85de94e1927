#!/usr/bin/env bash
# Builds the viewer and runs it on the demo pictures in samples/. Without a display it runs
# under a private Xvfb, writes a screenshot to build/screenshot.png and closes the window.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TESSILOR_BUILD_DIR:-$top/build}
"$top/scripts/build.sh"
cd "$top/samples"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$build/app/tessilor"
fi
/usr/bin/python3 "$top/scripts/screenshot_run.py" "$build/app/tessilor" "$top/samples" \
    "$build/screenshot.png"
