#include "PortScreen.h"

#include "port/frmMain.h"
#include "trade/BankPanel.h"
#include "trade/CityInfoActions.h"
#include "trade/DockActions.h"
#include "trade/SavePanel.h"
#include "trade/TradeBox.h"

namespace vlnobrod {

std::unique_ptr<frmMain> MakePortScreen(GameServices& game) {
    auto port = std::make_unique<frmMain>(game);
    new TradeBox(*port);
    InstallDockActions(*port);
    new BankPanel(*port);
    new SavePanel(*port);
    InstallCityInfoActions(*port);
    return port;
}

} // namespace vlnobrod
