// Sea charts of the scenario maps.
#pragma once

#include <QString>

namespace paint {

// Paints the chart described by `chartFile` (written by tools/maps/make_maps.py)
// into `out` (943 x 590). With a non-empty `preview`, also writes a copy with
// the city labels of `mloFile` drawn at their positions and their boxes outlined.
bool paintChart(const QString& chartFile, const QString& mloFile, const QString& out,
                const QString& preview);

} // namespace paint
