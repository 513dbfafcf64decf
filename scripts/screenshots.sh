#!/usr/bin/env bash
# Makes the pictures of the guide (docs/images/*.png) from the real window: the tool in
# ui/screenshots opens the example lists, runs each command in its table and saves what
# the window shows. It runs on a virtual display (xvfb-run), or on Qt's offscreen platform
# where there is none, so it works the same on a desktop and in CI.
# usage: scripts/screenshots.sh [BUILD-DIR [OUT-DIR]]
#   (defaults: build and docs/images; `make screenshots` builds first)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
cmake --build "$build" --target lumoscope-screenshots
tool=$build/ui/screenshots/lumoscope-screenshots
out=${2:-$here/docs/images}
mkdir -p "$out"
if command -v xvfb-run >/dev/null; then
  # A screen larger than the pictures, in full colour.
  QT_QPA_PLATFORM=xcb xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" \
    "$tool" "$here/examples" "$out"
else
  echo "screenshots.sh: xvfb-run is not installed; using Qt's offscreen platform" >&2
  QT_QPA_PLATFORM=offscreen "$tool" "$here/examples" "$out"
fi
