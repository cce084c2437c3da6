#pragma once

namespace vlnobrod {

class frmMain;

// The chart by keyboard and for a screen reader. On a bare port screen an arrow key selects
// the city where the fleet lies; on a city, the arrows move the selection from city to city
// west to east (Right, Down) or back (Left, Up), Enter opens its information as a click does
// and P sails there as a right click does. The selected city shows the focus mark. Each city
// tells a screen reader its access and distance, the chart all of its cities, the voyage
// strip where the fleet sails and how long.
void InstallChartKeys(frmMain& port);

} // namespace vlnobrod
