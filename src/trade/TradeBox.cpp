#include "TradeBox.h"
#include "TradeSpeech.h"

#include "port/MarketBoard.h"
#include "port/PortArt.h"
#include "port/frmMain.h"
#include "state/Numbers.h"
#include "trade/Market.h"
#include "widgets/Art.h"
#include "widgets/PanelKeys.h"
#include "widgets/PortStyle.h"
#include "widgets/WindowKeys.h"
#include "world/FleetSummary.h"
#include "world/Logbook.h"

#include <QKeyEvent>

#include <algorithm>
#include <cmath>
#include <vector>

namespace vlnobrod {

using namespace portstyle;

namespace {

constexpr int RowTop = 52;
constexpr int RowHeight = 23;
constexpr int BoxWidth = 220;
constexpr int BoxHeight = 236;

void setWidth(QWidget* w, double width) {
    w->resize(std::max(0, static_cast<int>(std::lround(width))), w->height());
}

QString named(const char* name, int row) {
    return QString::fromLatin1(name) + QString::number(row);
}

} // namespace

TradeBox::TradeBox(frmMain& port) : QObject(&port), port_(port) {
    setObjectName(QStringLiteral("TradeBox"));
    build();
    buildBox();

    for (int i = 0; i < Rows; ++i) {
        const auto r = static_cast<std::size_t>(i);
        connect(names_[r], &ClickLabel::clicked, this, [this, i] { lblSurovina_Click(i); });
        connect(prices_[r], &ClickLabel::clicked, this, [this, i] { lblSurovina_Click(i); });
        connect(names_[r], &ClickLabel::hovered, this, [this, i] {
            moveCursor({Cursor::MarketName, i});
        });
        connect(prices_[r], &ClickLabel::hovered, this, [this, i] {
            moveCursor({Cursor::MarketPrice, i});
        });
        connect(cargoNames_[r], &ClickLabel::clicked, this, [this, i] { lblNáklad_Click(i); });
    }
    connect(sldMnožství, &QSlider::valueChanged, this, [this] { sldMnožství_Change(); });
    connect(buy_, &ClickLabel::clicked, this, [this] { Koupit(); });
    connect(sell_, &ClickLabel::clicked, this, [this] { Prodat(); });
    connect(sellAll_, &ClickLabel::clicked, this, [this] { ProdatVše(); });
    AddShortcut(port_, Qt::ALT | Qt::Key_V, *sellAll_, [this] { ProdatVše(); });

    connect(&port_, &frmMain::panelOpened, this, [this](int index) {
        if (index == zalozka::Trade)
            ShowMarket(port_.Game().state.AktualniMesto);
    });
    connect(&port_, &frmMain::fleetChanged, this, [this] { ShowCargo(); });
    connect(&port_, &frmMain::hoverLeft, this, [this] { moveCursor({}); });

    // The keyboard: arrows choose a row, Enter opens the box on it; in the box the arrows,
    // Page Up and Page Down, Home and End move the slider, Enter trades, Escape closes it.
    SetBoxKeys(*panel_, {.enter = [this] { EnterOnRow(); },
                         .key = [this](const QKeyEvent& e) { return RowKey(e); }});
    SetBoxKeys(*picTransakce, {.enter = [this] { EnterInBox(); },
                               .escape = [this] { picTransakce->hide(); },
                               .key = [this](const QKeyEvent& e) { return SliderKey(e); }});
    sldMnožství->installEventFilter(this);
}

void TradeBox::build() {
    // The title names the city, so the panel's title line is a label of its own.
    Panel* p = port_.AddPanel(zalozka::Trade, QString(), QRect(14, 14, 700, 440));
    panel_ = p;
    title_ = MakeClickLabel(p, QStringLiteral("Obchod"), 6, 0, 560, Panel::TitleHeight, 10, true);
    title_->setObjectName(QStringLiteral("tradeTitle"));
    SetBaseStyle(title_, QStringLiteral("background: transparent; color: #fff6dc;"));
    title_->setAttribute(Qt::WA_TransparentForMouseEvents);

    struct Heading {
        const char* caption;
        int x, w;
    };
    for (const Heading& h : {Heading{"Tržiště", 10, 270}, Heading{"Náklad", 292, 160}}) {
        QLabel* l = MakeLabel(p, QString::fromUtf8(h.caption), h.x, 28, h.w, 20, 10, true);
        SetBaseStyle(l, QStringLiteral("background: transparent; color: #5a3b1a; "
                                       "border-bottom: 1px solid #5a3b1a;"));
    }
    for (int i = 0; i < Rows; ++i) {
        const int y = RowTop + i * RowHeight;
        const auto r = static_cast<std::size_t>(i);
        ClickLabel* name = MakeClickLabel(p, QString(), 10, y, 112, RowHeight - 2);
        ClickLabel* price = MakeClickLabel(p, QString(), 124, y, 40, RowHeight - 2, 10, true);
        price->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        for (ClickLabel* l : {name, price}) {
            l->setCursor(art::HandCursor());
            l->hide();
        }
        name->setObjectName(named("market", i));
        price->setObjectName(named("marketPrice", i));
        names_[r] = name;
        prices_[r] = price;
        bars_[r] = MakeBar(p, 172, y + 6, 0, 10, QColor(0x9c, 0x6b, 0x30));
        bars_[r]->hide();

        ClickLabel* cargo = MakeClickLabel(p, QString(), 292, y, 110, RowHeight - 2);
        ClickLabel* units = MakeClickLabel(p, QString(), 402, y, 50, RowHeight - 2, 10, true);
        units->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        cargo->setCursor(art::HandCursor());
        cargo->hide();
        units->hide();
        cargo->setObjectName(named("cargo", i));
        units->setObjectName(named("cargoUnits", i));
        cargoNames_[r] = cargo;
        cargoUnits_[r] = units;
    }

    // The load line under the cargo: a frame with its filling, and "120 z 250".
    loadFrame_ = MakeBar(p, 292, 384, 160, 12, QColor(0xd8, 0xc8, 0x9c));
    SetBaseStyle(loadFrame_, QStringLiteral("border: 1px solid #5a3b1a;"));
    loadFill_ = MakeBar(p, 292, 384, 0, 12, QColor(0x3c, 0x7a, 0x3a));
    loadLine_ = MakeClickLabel(p, QStringLiteral("0 z 0"), 292, 400, 160, 22, 10, true);
    loadLine_->setObjectName(QStringLiteral("loadLine"));
    loadLine_->setAccessibleDescription(QStringLiteral("Naloženo"));
    loadLine_->setAlignment(Qt::AlignCenter);

    sellAll_ = MakeActionLabel(p, QStringLiteral("Prodat vše"), 480, 400, 140, 24, 11);
    sellAll_->setObjectName(QStringLiteral("sellAll"));
    sellAll_->setCursor(art::HandCursor());
    sellAll_->setToolTip(
        QStringLiteral("Prodá všechno zboží, které je naložené (pokud je to možné)"));
}

void TradeBox::buildBox() {
    picTransakce = new QFrame(panel_);
    picTransakce->setObjectName(QStringLiteral("tradeBox"));
    picTransakce->setStyleSheet(QStringLiteral(
        "QFrame#tradeBox { background-color: #e4d3a8; border: 1px solid #5a3b1a; }"));
    picTransakce->setGeometry(464, 40, BoxWidth, BoxHeight);

    boxTitle_ = MakeClickLabel(picTransakce, QStringLiteral("Nakupování"), 8, 6, BoxWidth - 16, 22,
                               12, true);
    boxTitle_->setObjectName(QStringLiteral("boxTitle"));
    SetBaseStyle(boxTitle_, QStringLiteral("background: transparent; color: #5a3b1a; "
                                           "border-bottom: 1px solid #5a3b1a;"));
    lblPředmět = MakeClickLabel(picTransakce, QString(), 8, 36, BoxWidth - 16, 24, 12, true);
    lblCenaZaKus = MakeClickLabel(picTransakce, QString(), 8, 62, BoxWidth - 16, 20, 10);
    lblCenaZaKus->setObjectName(QStringLiteral("unitPrice"));

    sldMnožství = new QSlider(Qt::Horizontal, picTransakce);
    sldMnožství->setAccessibleName(QStringLiteral("Množství"));
    sldMnožství->setObjectName(QStringLiteral("quantity"));
    sldMnožství->setGeometry(8, 96, BoxWidth - 16, 30);
    sldMnožství->setMinimum(0);
    sldMnožství->setMaximum(0);
    sldMnožství->setTickPosition(QSlider::TicksBelow);
    sldMnožství->setCursor(art::HandCursor());
    sldMnožství->setToolTip(QStringLiteral("Šipky: po jedné jednotce, Page Up / Page Down: po "
                                           "desetině, Home / End: nic / vše"));

    quantityLine_ = MakeClickLabel(picTransakce, QStringLiteral("Koupit 145 jednotek"), 8, 134,
                                   BoxWidth - 12, 44, 9, true);
    quantityLine_->setObjectName(QStringLiteral("quantityLine"));
    quantityLine_->setWordWrap(true);
    quantityLine_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The two actions belong to the box: they go when it closes.
    buy_ = MakeActionLabel(picTransakce, QStringLiteral("Koupit"), 8, BoxHeight - 40, BoxWidth - 16,
                           28, 12);
    sell_ = MakeActionLabel(picTransakce, QStringLiteral("Prodat"), 8, BoxHeight - 40,
                            BoxWidth - 16, 28, 12);
    buy_->setObjectName(QStringLiteral("buy"));
    sell_->setObjectName(QStringLiteral("sell"));
    for (ClickLabel* action : {buy_, sell_}) {
        action->setCursor(art::HandCursor());
        action->setToolTip(QStringLiteral("Klávesa: Enter"));
        action->hide();
    }
    picTransakce->hide();
}

void TradeBox::ShowMarket(std::uint8_t city) {
    GameState& st = port_.Game().state;
    if (city >= MaxCities)
        return;
    // What the player sees of the market he is in goes into the logbook.
    if (city == st.AktualniMesto)
        RecordMarket(st);
    title_->setText(QStringLiteral("Obchod - ") +
                    QString::fromStdString(st.Cities[st.AktualniMesto].Nazev));
    for (std::size_t i = 0; i < Rows; ++i) {
        names_[i]->hide();
        prices_[i]->hide();
        bars_[i]->hide();
        shownPrice_[i].reset();
    }
    for (const MarketRow& row : MarketRows(st, city)) {
        if (row.goods < 0 || row.goods >= Rows)
            continue;
        const auto i = static_cast<std::size_t>(row.goods);
        prices_[i]->setText(QString::number(row.price));
        names_[i]->setText(QString::fromStdString(row.name));
        names_[i]->show();
        prices_[i]->show();
        shownPrice_[i] = row.price;
        setWidth(bars_[i], row.barWidth);
        bars_[i]->show();
    }
    marketCity_ = city;
    describeMarket();
}

void TradeBox::describeMarket() {
    // A screen reader hears the whole row on either of its labels, with what is aboard now.
    const GameState& st = port_.Game().state;
    if (marketCity_ >= st.PocetMest)
        return; // no market shown yet
    for (const MarketRow& row : MarketRows(st, marketCity_)) {
        if (row.goods < 0 || row.goods >= Rows)
            continue;
        const auto i = static_cast<std::size_t>(row.goods);
        const QString said = MarketRowSpeech(st, row);
        names_[i]->setAccessibleDescription(said);
        prices_[i]->setAccessibleDescription(said);
    }
}

void TradeBox::ShowCargo() {
    const GameState& st = port_.Game().state;
    const FleetRecord& fleet = st.Fleet;
    for (std::size_t k = 0; k < Rows; ++k) {
        cargoNames_[k]->hide();
        cargoUnits_[k]->hide();
    }
    cargo_.clear();
    for (const CargoRow& row : CargoRows(st)) {
        if (cargo_.size() >= Rows)
            break;
        const std::size_t k = cargo_.size();
        cargoNames_[k]->setText(QString::fromStdString(row.name));
        cargoUnits_[k]->setText(QString::fromStdString(row.unitsText));
        cargoNames_[k]->show();
        cargoUnits_[k]->show();
        cargoNames_[k]->setAccessibleDescription(CargoRowSpeech(cargoUnits_[k]->text()));
        // A sale offers what the row says, as the player's numbers write it.
        cargo_.push_back({row.goods, ParseNumber(row.unitsText).value_or(0.0)});
    }

    describeMarket();
    loaded_ = CargoTotal(fleet);
    if (fleet.Pocet != 0) {
        // The filling never runs out of its frame, even in an overloaded hold.
        const double fraction = std::clamp(LoadFraction(fleet), 0.0, 1.0);
        setWidth(loadFill_, loadFrame_->width() * fraction);
        loadLine_->setText(QString::fromStdString(LoadText(fleet)));
    }
}

void TradeBox::refuse(const QString& reason, ClickLabel* action) {
    quantityLine_->setText(reason);
    sldMnožství->hide();
    // With nothing to trade the action would act on whatever the box held before.
    action->hide();
    takeKeys();
}

void TradeBox::openBox(Side side, const QString& goodsName) {
    picTransakce->show();
    picTransakce->raise();
    buy_->setVisible(side == Side::Buy);
    sell_->setVisible(side == Side::Sell);
    boxTitle_->setText(side == Side::Buy ? QStringLiteral("Nákup") : QStringLiteral("Prodej"));
    lblPředmět->setText(goodsName);
}

void TradeBox::lblSurovina_Click(int row) {
    if (row < 0 || row >= Rows || !shownPrice_[static_cast<std::size_t>(row)])
        return;
    GameState& st = port_.Game().state;
    // The price really paid, which the row may show lower after a sale today.
    goods_ = row;
    price_ = PurchasePrice(st, row, *shownPrice_[static_cast<std::size_t>(row)]);

    openBox(Side::Buy, names_[static_cast<std::size_t>(row)]->text());
    lblCenaZaKus->setText(QString::number(price_) + QStringLiteral(" / ks"));
    sldMnožství->setValue(0);

    const QuantityOffer offer = BuyOffer(st.Hotovost, price_, loaded_, st.Fleet, st.locale);
    if (!offer.ok) {
        refuse(QString::fromStdString(offer.refusal), buy_);
        return;
    }
    sldMnožství->show();
    sldMnožství->setMaximum(offer.maximum);
    sldMnožství->setValue(offer.maximum);
    sldMnožství->setTickInterval(offer.tickSpacing);
    sldMnožství_Change();
    takeKeys();
}

void TradeBox::lblNáklad_Click(int row) {
    if (row < 0 || row >= static_cast<int>(cargo_.size()))
        return;
    const CargoShown& cargo = cargo_[static_cast<std::size_t>(row)];
    openBox(Side::Sell, cargoNames_[static_cast<std::size_t>(row)]->text());
    goods_ = cargo.goods;
    price_ = 0;
    // Without a market row the price line would still show the last goods' price.
    lblCenaZaKus->clear();
    // Only a row the market shows now sells: rows meet by goods, not by name (goods of a map
    // may share a name, or have none).
    if (cargo.goods >= 0 && cargo.goods < Rows) {
        if (const auto shown = shownPrice_[static_cast<std::size_t>(cargo.goods)]) {
            // The price really paid, which the row may show higher after a purchase today.
            price_ = SalePrice(port_.Game().state, cargo.goods, *shown);
            lblCenaZaKus->setText(QString::number(price_) + QStringLiteral(" / ks"));
        }
    }

    const QuantityOffer offer = SellOffer(cargo.units, price_);
    if (!offer.ok) {
        refuse(QString::fromStdString(offer.refusal), sell_);
        return;
    }
    sldMnožství->setMaximum(offer.maximum);
    sldMnožství->setValue(offer.maximum);
    sldMnožství->setTickInterval(offer.tickSpacing);
    sldMnožství->show();
    sldMnožství_Change();
    takeKeys();
}

void TradeBox::sldMnožství_Change() {
    quantityLine_->setText(QString::fromStdString(QuantityLine(sldMnožství->value(), price_)));
}

bool TradeBox::offered(Side side) const {
    // Only what the open box offers can be traded: a closed box or a refused row holds
    // the values of an earlier trade.
    return !picTransakce->isHidden() && !(side == Side::Buy ? buy_ : sell_)->isHidden();
}

void TradeBox::Koupit() {
    settle(Side::Buy, BuyGoods);
}

void TradeBox::Prodat() {
    settle(Side::Sell, SellGoods);
}

// Carries out the trade the open box offers, with the goods, quantity and price it holds.
void TradeBox::settle(Side side, const Deal& deal) {
    if (!offered(side))
        return;
    deal(port_.Game().state, port_, port_.Game().random, goods_, sldMnožství->value(), price_);
    port_.ShowFleet();
    picTransakce->hide();
}

void TradeBox::ProdatVše() {
    // With nothing on board there is nothing to go through: the box stays as it is.
    if (cargo_.empty())
        return;
    std::vector<ShownMarketRow> rows;
    for (int k = 0; k < Rows; ++k)
        if (const auto price = shownPrice_[static_cast<std::size_t>(k)])
            rows.push_back({k, *price});
    const SellAllResult result = SellAll(port_.Game().state, port_, port_.Game().random, rows);
    port_.ShowFleet();
    picTransakce->hide();
    // As the rows are gone through in order, the box ends on the last one: a refused last
    // row stays open with its reason.
    if (result.lastRefused && !cargo_.empty())
        lblNáklad_Click(static_cast<int>(cargo_.size()) - 1);
}

} // namespace vlnobrod
