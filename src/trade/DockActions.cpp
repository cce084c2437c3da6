#include "DockActions.h"

#include "port/PortLabels.h"
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
    install(akce::BuyShip, BuyShip);
    install(akce::SellShip, SellShip);
    install(akce::Repair, RepairFleet);
    install(akce::Upgrade, UpgradeFleet);
}

} // namespace vlnobrod
