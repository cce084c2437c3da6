// Sea charts of the scenario maps.
#pragma once

#include <QString>

namespace paint {

// Paints the chart described by `chartFile` (written by tools/maps/make_maps.py)
// into `out`, at the size of the port screen's game area (849 x 471). Refuses, and
// says why, when a decoration would lie on the frame or cover a port or a city label
// of `mloFile`. With a non-empty `preview`, also writes a copy with the city labels
// drawn at their positions and their boxes outlined.
bool paintChart(const QString& chartFile, const QString& mloFile, const QString& out,
                const QString& preview);

} // namespace paint
