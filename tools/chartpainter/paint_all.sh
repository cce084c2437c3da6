#!/bin/sh
# Regenerates the charts data/MapaN.jpg and the window artwork in
# src/resources/art from the chart descriptions and the map files.
# Usage: tools/chartpainter/paint_all.sh PATH/TO/chartpainter [PREVIEW_DIR]
set -e
painter=${1:?path to the built chartpainter}
previews=${2:-}
root=$(cd "$(dirname "$0")/../.." && pwd)
for n in 1 2 3 4; do
    preview=
    [ -n "$previews" ] && preview="$previews/Mapa$n-labels.png"
    "$painter" chart "$root/tools/chartpainter/charts/Mapa$n.chart" "$root/data/Mapa$n.mlo" \
        "$root/data/Mapa$n.jpg" $preview
done
"$painter" art "$root/src/resources/art"
