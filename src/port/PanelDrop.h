#pragma once

namespace vlnobrod {

struct PanelPlace {
    int left = 0;
    int top = 0;
};

// Where a panel dragged by its title and dropped at `dropped` comes to rest. The title bar
// (`titleHeight` high) stays inside the window (`windowHeight`) and the panel keeps clear of
// the chart's right edge (`chartWidth`), tested in this order: above the top, below the
// bottom, left of the left edge, past the right edge (which leaves a 5 pixel gap).
PanelPlace PullBackPanel(PanelPlace dropped, int panelWidth, int titleHeight, int windowHeight,
                         int chartWidth);

} // namespace vlnobrod
