#pragma once

#include "state/ShipTypes.h"
#include "widgets/ClickLabel.h"

#include <QObject>
#include <array>

class QFrame;
class QLabel;

namespace vlnobrod {

class Panel;
class frmMain;

// The dock panel of the port screen ("Dok"): the fleet in words and figures, its ship's
// picture, the upgrade on offer, and four actions: buy a ship, sell one, repair, upgrade. Each
// action shows the fleet again when it is done, asked or refused.
//
// Named controls: "fleet", "capacity", "speed", "damage", "upgradeOffer", "buyShip",
// "sellShip", "repair", "upgrade", the pictures "ship0".."ship2" (by type).
class DockPanel : public QObject {
    Q_OBJECT
public:
    explicit DockPanel(frmMain& port);

    // The fleet's figures and pictures, as it stands.
    void ShowFleet();

private:
    frmMain& port_;
    std::array<QLabel*, ShipTypeCount> ships_{}; // by type
    QLabel* upgradePicture_ = nullptr;
    ClickLabel* fleet_ = nullptr;
    ClickLabel* capacity_ = nullptr;
    ClickLabel* speed_ = nullptr;
    ClickLabel* damage_ = nullptr;
    QFrame* damageBar_ = nullptr;
    ClickLabel* upgradeOffer_ = nullptr;
    ClickLabel* upgrade_ = nullptr;
    ClickLabel* buyShip_ = nullptr;
    QWidget* panel_ = nullptr;
};

} // namespace vlnobrod
