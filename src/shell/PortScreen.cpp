#include "PortScreen.h"

#include "port/frmMain.h"
#include "trade/BankPanel.h"
#include "trade/CityInfoPanel.h"
#include "trade/DockPanel.h"
#include "trade/SavePanel.h"
#include "trade/TradeBox.h"
#include "voyage/ChartKeys.h"
#include "voyage/VoyageStrip.h"

namespace vlnobrod {

std::unique_ptr<frmMain> MakePortScreen(GameServices& game) {
    auto port = std::make_unique<frmMain>(game);
    // In this order they lie on the screen, the later above the earlier.
    new TradeBox(*port);
    new DockPanel(*port);
    new BankPanel(*port);
    new SavePanel(*port);
    new CityInfoPanel(*port);
    new VoyageStrip(*port);
    InstallChartKeys(*port);
    // "> plout sem" in the city panel sails as a right click on the city does.
    QObject::connect(port.get(), &frmMain::sailRequested, port.get(), &frmMain::StartVoyage);
    return port;
}

} // namespace vlnobrod
