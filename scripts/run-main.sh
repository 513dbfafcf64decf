#!/usr/bin/env bash
# The main job of `make run`: open the sample list in the desktop window when there is one,
# otherwise check and compile it with the command line tool and say where the images went.
set -euo pipefail
build=${1:-build}
here=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
cp "$here/examples/sample.txt" "$work/sample.txt"
if [ -x "$build/ui/lumoscope" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  # A copy, so saving and compiling in the window leave the example as it is.
  exec "$build/ui/lumoscope" "$work/sample.txt"
fi
"$build/lumoscope-cli" check "$work/sample.txt"
"$build/lumoscope-cli" compile --normal "$work/sample.txt"
mv "$work/sample.hex" "$work/sample-normal.hex"
echo "Normal image: $work/sample-normal.hex"
"$build/lumoscope-cli" compile --basic "$work/sample.txt"
echo "Basic image:  $work/sample.hex"
