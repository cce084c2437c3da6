// The figures of the port window: the two price lists, the cargo, fleet and bank figures,
// the money and day counters. Every number comes from the port rules; this only puts it
// on the screen.

#include "LogbookArea.h"
#include "PortLabels.h"
#include "frmMain.h"
#include "widgets/PortStyle.h"

#include "port/MarketBoard.h"
#include "state/Numbers.h"
#include "state/ShipTypes.h"
#include "world/FleetSummary.h"
#include "world/Logbook.h"
#include "world/Research.h"

#include <algorithm>
#include <cmath>

namespace vlnobrod {

using namespace portstyle;

namespace {

QColor rgb(std::uint32_t c) {
    return QColor((c >> 16) & 0xff, (c >> 8) & 0xff, c & 0xff);
}

void setWidth(QWidget* w, double width) {
    w->resize(std::max(0, static_cast<int>(std::lround(width))), w->height());
}

} // namespace

void frmMain::ShowMarket(std::uint8_t city, bool infoPanel) {
    if (city >= MaxCities)
        return;
    // What the player sees of the market he is in goes into the logbook.
    if (!infoPanel && city == game_.state.AktualniMesto)
        RecordMarket(game_.state);
    const std::size_t b = infoPanel ? 0 : 28;
    for (std::size_t i = 0; i < 14; ++i) {
        lblSurovina[b + i]->hide();
        lblSurovina[b + i + 14]->hide();
        shpSurovina[b / 2 + i]->hide();
        if (infoPanel)
            lblKurs[i]->hide();
    }
    for (const MarketRow& row : MarketRows(game_.state, city)) {
        if (row.goods < 0 || row.goods >= 14)
            continue;
        const std::size_t i = static_cast<std::size_t>(row.goods);
        ClickLabel* name = lblSurovina[b + i];
        ClickLabel* price = lblSurovina[b + i + 14];
        price->setText(QString::number(row.price));
        name->setText(QString::fromStdString(row.name));
        name->Tag = QString::number(row.goods);
        name->show();
        price->show();
        QFrame* bar = shpSurovina[b / 2 + i];
        setWidth(bar, row.barWidth);
        bar->show();
        if (infoPanel) {
            lblKurs[i]->setText(QString::fromStdString(row.trend));
            lblKurs[i]->show();
            SetBackColor(bar, rgb(row.barColour));
        }
    }
    if (infoPanel) {
        picGraf->show();
        picDeník->hide(); // research shows today's prices in its place
    }
}

void frmMain::ShowLogbook(std::uint8_t city) {
    if (ShowsLogbook(game_.state, city) && picGraf->isHidden())
        picDeník->ShowCity(game_.state, city);
    else
        picDeník->hide();
}

void frmMain::ShowFleet() {
    const GameState& st = game_.state;
    const FleetRecord& fleet = st.Fleet;
    for (std::size_t k = 0; k < CargoSlots; ++k) {
        lblNáklad[k]->hide();
        lblNákladB[k]->hide();
    }
    std::size_t k = 0;
    for (const CargoRow& row : CargoRows(st)) {
        if (k >= CargoSlots)
            break;
        lblNáklad[k]->setText(QString::fromStdString(row.name));
        lblNáklad[k]->Tag = QString::number(row.goods);
        lblNákladB[k]->setText(QString::fromStdString(row.unitsText));
        lblNáklad[k]->show();
        lblNákladB[k]->show();
        ++k;
    }

    lbl[popisek::LoadLine]->Tag = QString::number(CargoTotal(fleet));
    if (fleet.Pocet != 0) {
        // The filling never runs out of its frame, even in an overloaded hold.
        const double fraction = std::clamp(LoadFraction(fleet), 0.0, 1.0);
        setWidth(shpNaložení[1], shpNaložení[0]->width() * fraction);
        lbl[popisek::LoadLine]->setText(QString::fromStdString(LoadText(fleet)));
    }

    for (std::size_t i = 1; i <= ShipTypeCount; ++i)
        imgLoď[i]->hide();
    if (fleet.Typ < ShipTypeCount)
        imgLoď[fleet.Typ + 1u]->show();
    const ShipType* type = FindShipType(fleet.Typ);
    if (type && type->upgrade) {
        const ShipUpgrade& offer = *type->upgrade;
        if (offer.toType < ShipTypeCount)
            imgUpgrade->setPixmap(imgLoď[offer.toType + 1u]->pixmap().scaled(
                imgUpgrade->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
        lbl[popisek::UpgradeOffer]->setText(QString::fromUtf8(offer.offer));
        imgUpgrade->show();
        lbl[popisek::UpgradeOffer]->show();
        lblAkce[akce::Upgrade]->show();
    } else if (type) {
        // The galleon: nothing above it.
        imgUpgrade->hide();
        lbl[popisek::UpgradeOffer]->hide();
        lblAkce[akce::Upgrade]->hide();
    }

    lbl[popisek::Fleet]->setText(QString::fromStdString(FleetText(fleet.Pocet, fleet.Typ)));
    lbl[popisek::Capacity]->setText(QString::number(fleet.Nosnost) + QStringLiteral(" jednotek"));
    lbl[popisek::Speed]->setText(QString::number(fleet.Rychlost));
    lbl[popisek::Damage]->setText(QString::number(fleet.Poskozeni) + QStringLiteral(" %"));
    setWidth(shpNaložení[2], fleet.Poskozeni);
    lbl[popisek::BankCash]->setText(QString::fromStdString(FormatMoney(st.Hotovost)));
    lbl[popisek::BankAccount]->setText(QString::fromStdString(FormatMoney(st.Konto)));
}

void frmMain::MoneyChanged(bool toAccount) {
    if (toAccount)
        lblKonto->setText(QString::fromStdString(FormatMoney(game_.state.Konto)));
    else
        lblHotovost->setText(QString::fromStdString(FormatMoney(game_.state.Hotovost)));
}

void frmMain::DaysAdvanced() {
    lblDny->setText(QString::number(game_.state.Den));
    // The day's interest went into cash without a money change of its own.
    MoneyChanged(false);
    // An open panel's logbook follows the day: a page written in port, research ended.
    if (!picInf->isHidden())
        ShowLogbook(ToU8(ParseDot(lbl[popisek::InfoCity]->Tag.toStdString())));
}

void frmMain::PricesMoved() {
    // An open research chart follows the day's prices while its research lasts; research
    // bought for the day that has just ended shows no new prices, and is offered again.
    if (picInf->isHidden() || picGraf->isHidden())
        return;
    const std::uint8_t city = ToU8(ParseDot(lbl[popisek::InfoCity]->Tag.toStdString()));
    if (city < MaxCities && ResearchOf(game_.state.Cities[city]) != Research::None) {
        ShowMarket(city, true);
        return;
    }
    picGraf->hide();
    lblAkce[akce::BuyResearchDay]->show();
    lblAkce[akce::BuyResearchPermanent]->show();
}

} // namespace vlnobrod
