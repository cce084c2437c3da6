#include "DockActions.h"

#include "port/frmMain.h"
#include "trade/Shipyard.h"

namespace vlnobrod {

void InstallDockActions(frmMain& main) {
    frmMain* w = &main;
    auto install = [w](int index, void (*action)(GameState&, GameView&)) {
        w->SetAction(index, [w, action] {
            action(w->Game().state, *w);
            w->ShowFleet();
        });
    };
    install(5, BuyShip);
    install(6, SellShip);
    install(7, RepairFleet);
    install(8, UpgradeFleet);
}

} // namespace vlnobrod
