#include "TradeBox.h"

#include "port/PortLabels.h"
#include "port/frmMain.h"
#include "state/Numbers.h"
#include "trade/Market.h"
#include "widgets/Art.h"
#include "widgets/PanelKeys.h"
#include "widgets/PortStyle.h"
#include "world/News.h"

#include <QKeyEvent>

#include <vector>

namespace vlnobrod {

using namespace portstyle;

namespace {

constexpr int BoxWidth = 220;
constexpr int BoxHeight = 236;

std::string text(const QString& s) {
    return s.toStdString();
}

} // namespace

TradeBox::TradeBox(frmMain& main) : QObject(&main), main_(main) {
    setObjectName(QStringLiteral("TradeBox"));
    build();

    for (int i = 0; i < static_cast<int>(main_.lblSurovina.size()); ++i)
        connect(main_.lblSurovina[static_cast<std::size_t>(i)], &ClickLabel::clicked, this,
                [this, i] { lblSurovina_Click(i); });
    for (int i = 0; i < static_cast<int>(main_.lblNáklad.size()); ++i) {
        ClickLabel* row = main_.lblNáklad[static_cast<std::size_t>(i)];
        row->setCursor(art::HandCursor());
        connect(row, &ClickLabel::clicked, this, [this, i] { lblNáklad_Click(i); });
    }
    connect(sldMnožství, &QSlider::valueChanged, this, [this] { sldMnožství_Change(); });

    // The keyboard: arrows choose a row, Enter opens the box on it; in the box the arrows,
    // Page Up and Page Down, Home and End move the slider, Enter trades, Escape closes it.
    SetBoxKeys(*main_.picZáložka[0], {.enter = [this] { EnterOnRow(); },
                                      .key = [this](const QKeyEvent& e) { return RowKey(e); }});
    SetBoxKeys(*picTransakce, {.enter = [this] { EnterInBox(); },
                               .escape = [this] { picTransakce->hide(); },
                               .key = [this](const QKeyEvent& e) { return SliderKey(e); }});
    sldMnožství->installEventFilter(this);

    main_.SetAction(akce::Buy, [this] { Koupit(); });
    main_.SetAction(akce::Sell, [this] { Prodat(); });
    main_.SetAction(akce::SellAll, [this] { ProdatVše(); });
}

void TradeBox::build() {
    QWidget* panel = main_.picZáložka[0];
    picTransakce = new QFrame(panel);
    picTransakce->setObjectName(QStringLiteral("picTransakce"));
    picTransakce->setStyleSheet(QStringLiteral(
        "QFrame#picTransakce { background-color: #e4d3a8; border: 1px solid #5a3b1a; }"));
    picTransakce->setGeometry(464, 40, BoxWidth, BoxHeight);

    auto& lbl = main_.lbl;
    lbl[popisek::BoxTitle] = MakeClickLabel(picTransakce, QStringLiteral("Nakupování"), 8, 6,
                                            BoxWidth - 16, 22, 12, true);
    SetBaseStyle(lbl[popisek::BoxTitle], QStringLiteral("background: transparent; color: #5a3b1a; "
                                                        "border-bottom: 1px solid #5a3b1a;"));
    lblPředmět = MakeClickLabel(picTransakce, QString(), 8, 36, BoxWidth - 16, 24, 12, true);
    lblCenaZaKus = MakeClickLabel(picTransakce, QString(), 8, 62, BoxWidth - 16, 20, 10);
    lblCenaZaKus->Tag = QStringLiteral("0");

    sldMnožství = new QSlider(Qt::Horizontal, picTransakce);
    sldMnožství->setAccessibleName(QStringLiteral("Množství"));
    sldMnožství->setGeometry(8, 96, BoxWidth - 16, 30);
    sldMnožství->setMinimum(0);
    sldMnožství->setMaximum(0);
    sldMnožství->setTickPosition(QSlider::TicksBelow);
    sldMnožství->setCursor(art::HandCursor());
    sldMnožství->setToolTip(QStringLiteral("Šipky: po jedné jednotce, Page Up / Page Down: po "
                                           "desetině, Home / End: nic / vše"));

    lbl[popisek::QuantityLine] = MakeClickLabel(picTransakce, QStringLiteral("Koupit 145 jednotek"),
                                                8, 134, BoxWidth - 12, 44, 9, true);
    lbl[popisek::QuantityLine]->setWordWrap(true);
    lbl[popisek::QuantityLine]->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The two actions belong to the box: they go when it closes.
    for (int i : {akce::Buy, akce::Sell}) {
        ClickLabel* action = main_.lblAkce[static_cast<std::size_t>(i)];
        action->setParent(picTransakce);
        action->setGeometry(8, BoxHeight - 40, BoxWidth - 16, 28);
        action->setToolTip(QStringLiteral("Klávesa: Enter"));
        action->hide();
    }
    picTransakce->hide();
}

void TradeBox::refuse(const QString& reason, int actionIndex) {
    main_.lbl[popisek::QuantityLine]->setText(reason);
    sldMnožství->hide();
    // With nothing to trade the action would act on whatever the box held before.
    main_.lblAkce[static_cast<std::size_t>(actionIndex)]->hide();
    takeKeys();
}

void TradeBox::lblSurovina_Click(int Index) {
    if (Index < 0 || Index >= static_cast<int>(main_.lblSurovina.size()))
        return;
    GameState& st = main_.Game().state;
    // The research chart shows another city's prices: buying from it would pay a faraway
    // price here. Goods are bought on the trade panel.
    if (Index < 28) {
        AddNews(st, "Zboží se nakupuje na kartě Obchod.", NewsWarning);
        return;
    }
    // A price label behaves like the name label of its row.
    if (Index >= 42) {
        lblSurovina_Click(Index - 14);
        return;
    }
    const ClickLabel* name = main_.lblSurovina[static_cast<std::size_t>(Index)];
    // The price really paid, which the row may show lower after a sale today.
    const std::int16_t price = PurchasePrice(
        st, ToU8(ParseDot(text(name->Tag))),
        TextAsI16(text(main_.lblSurovina[static_cast<std::size_t>(Index + 14)]->text())));

    picTransakce->show();
    picTransakce->raise();
    main_.lblAkce[akce::Buy]->show();
    main_.lblAkce[akce::Sell]->hide();
    main_.lbl[popisek::BoxTitle]->setText(QStringLiteral("Nákup"));
    lblPředmět->setText(name->text());
    lblPředmět->Tag = name->Tag;
    lblCenaZaKus->setText(QString::number(price) + QStringLiteral(" / ks"));
    lblCenaZaKus->Tag = QString::number(price);
    sldMnožství->setValue(0);

    const QuantityOffer offer =
        BuyOffer(st.Hotovost, TextAsI16(text(lblCenaZaKus->Tag)),
                 TextAsI16(text(main_.lbl[popisek::LoadLine]->Tag)), st.Fleet, st.locale);
    if (!offer.ok) {
        refuse(QString::fromStdString(offer.refusal), akce::Buy);
        return;
    }
    sldMnožství->show();
    sldMnožství->setMaximum(offer.maximum);
    sldMnožství->setValue(offer.maximum);
    sldMnožství->setTickInterval(offer.tickSpacing);
    sldMnožství_Change();
    takeKeys();
}

void TradeBox::lblNáklad_Click(int Index) {
    if (Index < 0 || Index >= static_cast<int>(main_.lblNáklad.size()))
        return;
    main_.lblAkce[akce::Buy]->hide();
    main_.lblAkce[akce::Sell]->show();
    picTransakce->show();
    picTransakce->raise();
    main_.lbl[popisek::BoxTitle]->setText(QStringLiteral("Prodej"));
    lblPředmět->setText(main_.lblNáklad[static_cast<std::size_t>(Index)]->text());
    lblCenaZaKus->Tag = QStringLiteral("0");
    // Without a market row the price line would still show the last goods' price.
    lblCenaZaKus->clear();

    // Only the rows the market shows now: a hidden row keeps the name and price of a city
    // visited before, which does not buy here. Rows meet by goods, not by name: goods of a
    // map may share a name, or have none.
    const QString goods = main_.lblNáklad[static_cast<std::size_t>(Index)]->Tag;
    for (std::size_t k = 0; k < 14; ++k) {
        const ClickLabel* name = main_.lblSurovina[28 + k];
        if (name->isHidden() || name->Tag != goods)
            continue;
        // The price really paid, which the row may show higher after a purchase today.
        const std::int16_t price = SalePrice(main_.Game().state, ToU8(ParseDot(text(goods))),
                                             TextAsI16(text(main_.lblSurovina[42 + k]->text())));
        lblPředmět->Tag = goods;
        lblCenaZaKus->Tag = QString::number(price);
        lblCenaZaKus->setText(QString::number(price) + QStringLiteral(" / ks"));
        break;
    }

    const QString units = main_.lblNákladB[static_cast<std::size_t>(Index)]->text();
    const QuantityOffer offer =
        SellOffer(ParseNumber(text(units)).value_or(0.0), TextAsI16(text(lblCenaZaKus->Tag)));
    if (!offer.ok) {
        refuse(QString::fromStdString(offer.refusal), akce::Sell);
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
    main_.lbl[popisek::QuantityLine]->setText(QString::fromStdString(
        QuantityLine(sldMnožství->value(), TextAsI16(text(lblCenaZaKus->Tag)))));
}

bool TradeBox::offered(int actionIndex) const {
    // Only what the open box offers can be traded: a closed box or a refused row holds
    // the values of an earlier trade.
    return !picTransakce->isHidden() &&
           !main_.lblAkce[static_cast<std::size_t>(actionIndex)]->isHidden();
}

void TradeBox::Koupit() {
    settle(akce::Buy, BuyGoods);
}

void TradeBox::Prodat() {
    settle(akce::Sell, SellGoods);
}

// Carries out the trade the open box offers, with the goods, quantity and price it holds.
void TradeBox::settle(int actionIndex, const Deal& deal) {
    if (!offered(actionIndex))
        return;
    deal(main_.Game().state, main_, main_.Game().random, ToU8(ParseDot(text(lblPředmět->Tag))),
         sldMnožství->value(), TextAsI16(text(lblCenaZaKus->Tag)));
    main_.ShowFleet();
    picTransakce->hide();
}

void TradeBox::ProdatVše() {
    // With nothing on board there is nothing to go through: the box stays as it is.
    if (main_.lblNáklad[0]->isHidden())
        return;
    std::vector<ShownMarketRow> rows;
    for (std::size_t k = 0; k < 14; ++k) {
        const ClickLabel* name = main_.lblSurovina[28 + k];
        if (name->isHidden())
            continue;
        rows.push_back(
            {ToU8(ParseDot(text(name->Tag))), TextAsI16(text(main_.lblSurovina[42 + k]->text()))});
    }
    const SellAllResult result = SellAll(main_.Game().state, main_, main_.Game().random, rows);
    main_.ShowFleet();
    picTransakce->hide();
    // As the rows are gone through in order, the box ends on the last one: a refused last
    // row stays open with its reason.
    if (result.lastRefused) {
        int last = -1;
        for (int k = 0; k < 14; ++k)
            if (!main_.lblNáklad[static_cast<std::size_t>(k)]->isHidden())
                last = k;
        if (last >= 0)
            lblNáklad_Click(last);
    }
}

} // namespace vlnobrod
