#include "PanelDrop.h"

namespace vlnobrod {

PanelPlace PullBackPanel(PanelPlace p, int panelWidth, int titleHeight, int windowHeight,
                         int chartWidth) {
    if (p.top < 0)
        p.top = 0;
    if (p.top + titleHeight > windowHeight)
        p.top = windowHeight - titleHeight;
    if (p.left < 0)
        p.left = 0;
    if (p.left > chartWidth - panelWidth)
        p.left = chartWidth - panelWidth - 5;
    return p;
}

} // namespace vlnobrod
