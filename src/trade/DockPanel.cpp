#include "DockPanel.h"

#include "port/PortArt.h"
#include "port/frmMain.h"
#include "state/ShipTypes.h"
#include "trade/Shipyard.h"
#include "widgets/Art.h"
#include "widgets/PanelKeys.h"
#include "widgets/PortStyle.h"
#include "world/FleetSummary.h"

#include <QFrame>
#include <QLabel>
#include <algorithm>

namespace vlnobrod {

using namespace portstyle;

DockPanel::DockPanel(frmMain& port) : QObject(&port), port_(port) {
    setObjectName(QStringLiteral("DockPanel"));
    Panel* p = port_.AddPanel(zalozka::Dock, QStringLiteral("Dok"), QRect(60, 40, 470, 330));
    panel_ = p;

    for (int typ = 0; typ < ShipTypeCount; ++typ) {
        auto* ship = new QLabel(p);
        ship->setGeometry(14, 34, 170, 110);
        ship->setAlignment(Qt::AlignCenter);
        ship->setPixmap(ShipPicture(typ));
        ship->setObjectName(QStringLiteral("ship%1").arg(typ));
        ship->hide();
        ships_[static_cast<std::size_t>(typ)] = ship;
    }

    struct Line {
        const char* caption;
        ClickLabel** value;
        const char* name;
        int y;
    };
    const Line lines[] = {{"Nosnost lodě:", &capacity_, "capacity", 66},
                          {"Rychlost:", &speed_, "speed", 92},
                          {"Poškození:", &damage_, "damage", 118}};
    for (const Line& line : lines) {
        QLabel* c = MakeLabel(p, QString::fromUtf8(line.caption), 196, line.y, 110, 22);
        SetBaseStyle(c, QStringLiteral("background: transparent; color: #5a3b1a;"));
        *line.value = MakeClickLabel(p, QString(), 300, line.y, 160, 22, 10, true);
        (*line.value)->setObjectName(QString::fromLatin1(line.name));
    }
    // A screen reader reads each figure with its caption.
    capacity_->setAccessibleDescription(QStringLiteral("Nosnost"));
    speed_->setAccessibleDescription(QStringLiteral("Rychlost"));
    damage_->setAccessibleDescription(QStringLiteral("Poškození"));
    damage_->resize(56, 22);
    // The fleet in words heads the column.
    fleet_ = MakeClickLabel(p, QString(), 196, 30, 266, 34, 11, true);
    fleet_->setObjectName(QStringLiteral("fleet"));
    fleet_->setAccessibleDescription(QStringLiteral("Počet lodí"));
    fleet_->setWordWrap(true);
    // The damage bar: 1 pixel a percent, over a light track of 100.
    MakeBar(p, 360, 124, 100, 10, QColor(0xd8, 0xc8, 0x9c));
    damageBar_ = MakeBar(p, 360, 124, 0, 10, QColor(0xb0, 0x2a, 0x18));

    QLabel* heading = MakeLabel(p, QStringLiteral("Vylepšení"), 14, 156, 442, 20, 10, true);
    QLabel* rule = MakeLabel(p, QString(), 14, 270, 442, 20, 10, true);
    for (QLabel* l : {heading, rule})
        SetBaseStyle(l, QStringLiteral("background: transparent; color: #5a3b1a; "
                                       "border-bottom: 1px solid #5a3b1a;"));
    upgradePicture_ = new QLabel(p);
    upgradePicture_->setGeometry(14, 180, 130, 84);
    upgradePicture_->setAlignment(Qt::AlignCenter);
    upgradePicture_->setScaledContents(false);
    upgradePicture_->hide();
    upgradeOffer_ = MakeClickLabel(p, QString(), 156, 188, 300, 22);
    upgradeOffer_->setObjectName(QStringLiteral("upgradeOffer"));
    upgradeOffer_->hide();

    struct Action {
        const char* caption;
        const char* name;
        int x, y, w;
        void (*rule)(GameState&, GameView&);
    };
    const Action actions[] = {
        {"Vylepšit", "upgrade", 156, 216, 120, UpgradeFleet},
        {"Koupit loď", "buyShip", 14, 294, 130, BuyShip},
        {"Prodat loď", "sellShip", 164, 294, 130, SellShip},
        {"Opravit", "repair", 314, 294, 130, RepairFleet},
    };
    for (const Action& a : actions) {
        ClickLabel* l = MakeActionLabel(p, QString::fromUtf8(a.caption), a.x, a.y, a.w, 24, 11);
        l->setObjectName(QString::fromLatin1(a.name));
        l->setCursor(art::HandCursor());
        connect(l, &ClickLabel::clicked, this, [this, rule = a.rule] {
            rule(port_.Game().state, port_);
            port_.ShowFleet();
        });
        if (a.rule == UpgradeFleet) {
            upgrade_ = l;
            l->hide();
        } else if (a.rule == BuyShip) {
            buyShip_ = l;
        }
    }

    ShowFleet();
    connect(&port_, &frmMain::fleetChanged, this, [this] { ShowFleet(); });
}

void DockPanel::ShowFleet() {
    const FleetRecord& fleet = port_.Game().state.Fleet;
    for (QLabel* ship : ships_)
        ship->hide();
    if (fleet.Typ < ships_.size())
        ships_[fleet.Typ]->show();
    const ShipType* type = FindShipType(fleet.Typ);
    if (type && type->upgrade) {
        const ShipUpgrade& offer = *type->upgrade;
        if (offer.toType < ships_.size())
            upgradePicture_->setPixmap(ships_[offer.toType]->pixmap().scaled(
                upgradePicture_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
        upgradeOffer_->setText(QString::fromUtf8(offer.offer));
        upgradePicture_->show();
        upgradeOffer_->show();
        upgrade_->show();
    } else if (type) {
        // The galleon: nothing above it.
        upgradePicture_->hide();
        upgradeOffer_->hide();
        upgrade_->hide();
    }
    // The dock opens with the keys on its first action, the upgrade where one is offered.
    SetBoxKeys(*panel_, {.focus = upgrade_->isHidden() ? buyShip_ : upgrade_});

    fleet_->setText(QString::fromStdString(FleetText(fleet.Pocet, fleet.Typ)));
    capacity_->setText(QString::number(fleet.Nosnost) + QStringLiteral(" jednotek"));
    speed_->setText(QString::number(fleet.Rychlost));
    damage_->setText(QString::number(fleet.Poskozeni) + QStringLiteral(" %"));
    damageBar_->resize(std::max(0, static_cast<int>(fleet.Poskozeni)), damageBar_->height());
}

} // namespace vlnobrod
