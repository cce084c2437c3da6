#include "PortScreen.h"

#include "port/frmMain.h"
#include "trade/BankPanel.h"
#include "trade/CityInfoActions.h"
#include "trade/DockActions.h"
#include "trade/SavePanel.h"
#include "trade/TradeBox.h"
#include "trade/TradeSpeech.h"
#include "voyage/ChartKeys.h"
#include "voyage/VoyageStrip.h"

namespace vlnobrod {

std::unique_ptr<frmMain> MakePortScreen(GameServices& game) {
    auto port = std::make_unique<frmMain>(game);
    new TradeBox(*port);
    InstallDockActions(*port);
    new BankPanel(*port);
    new SavePanel(*port);
    InstallCityInfoActions(*port);
    new VoyageStrip(*port);
    InstallChartKeys(*port);
    InstallTradeSpeech(*port);
    // "> plout sem" in the city panel sails as a right click on the city does.
    QObject::connect(port.get(), &frmMain::sailRequested, port.get(), &frmMain::StartVoyage);
    return port;
}

} // namespace vlnobrod
