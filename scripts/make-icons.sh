#!/usr/bin/env bash
# Renders the desktop icon's hicolor PNG sizes from the scalable icon, so that neither the
# build nor the package needs an SVG renderer. Run it after changing ui/resources/lumoscope.svg
# and commit the PNGs under packaging/icons/. Needs rsvg-convert (Debian: librsvg2-bin).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
svg=$here/ui/resources/lumoscope.svg
out=$here/packaging/icons/hicolor
command -v rsvg-convert >/dev/null || { echo "make-icons.sh: needs rsvg-convert (apt-get install librsvg2-bin)" >&2; exit 1; }
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "$out/${size}x${size}/apps"
  rsvg-convert --width "$size" --height "$size" --keep-aspect-ratio "$svg" -o "$out/${size}x${size}/apps/lumoscope.png"
done
echo "Wrote $(find "$out" -name lumoscope.png | wc -l) icons under ${out#"$here"/}"
