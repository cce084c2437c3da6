#!/usr/bin/env bash
# Renders the hicolor PNG sizes from the scalable icon. Run after changing the SVG and commit
# the PNGs with it (the build installs them as they are, so it needs no SVG renderer).
set -euo pipefail
cd "$(dirname "$0")/hicolor"
command -v rsvg-convert >/dev/null || { echo "needs rsvg-convert (apt-get install librsvg2-bin)" >&2; exit 1; }
svg=scalable/apps/cz.vlnobrod.Vlnobrod.svg
for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "${size}x${size}/apps"
    rsvg-convert -w "$size" -h "$size" "$svg" -o "${size}x${size}/apps/cz.vlnobrod.Vlnobrod.png"
done
