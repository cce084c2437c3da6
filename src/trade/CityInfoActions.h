#pragma once

namespace vlnobrod {

class frmMain;

// Gives the city information panel its work: a left click on a city of the chart fills the
// panel for that city and opens it; its actions buy access to the shown city, buy its
// market research for a day or for good, show or hide the research chart, and close the
// panel. "> plout sem" asks to sail to the shown city through frmMain::sailRequested; the
// sea map decides whether the fleet goes.
void InstallCityInfoActions(frmMain& main);

// The left button on city `index`: the panel filled for it and opened.
void ShowCityInfo(frmMain& main, int index);

} // namespace vlnobrod
