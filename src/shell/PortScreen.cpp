#include "PortScreen.h"

#include "port/frmMain.h"
#include "trade/BankPanel.h"
#include "trade/DockActions.h"
#include "trade/SavePanel.h"
#include "trade/TradeBox.h"
#include "voyage/VoyageStrip.h"

namespace vlnobrod {

std::unique_ptr<frmMain> MakePortScreen(GameServices& game) {
    auto port = std::make_unique<frmMain>(game);
    new TradeBox(*port);
    InstallDockActions(*port);
    new BankPanel(*port);
    new SavePanel(*port);
    new VoyageStrip(*port);
    return port;
}

} // namespace vlnobrod
