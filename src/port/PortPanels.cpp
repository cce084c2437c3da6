// The four movable panels of the port window: trade, dock, bank and save. Their contents
// are filled by ShowMarket and ShowFleet; their actions come from the trade and save code.

#include "PortArt.h"
#include "PortLabels.h"
#include "frmMain.h"
#include "state/ShipTypes.h"
#include "widgets/PortStyle.h"

#include "widgets/Art.h"

namespace vlnobrod {

using namespace portstyle;

namespace {

constexpr int RowTop = 52;
constexpr int RowHeight = 23;

QFrame* makeBar(QWidget* parent, int x, int y, int w, int h, const QColor& fill) {
    auto* bar = new QFrame(parent);
    bar->setGeometry(x, y, w, h);
    SetBaseStyle(bar, QStringLiteral("border: none;"));
    SetBackColor(bar, fill);
    return bar;
}

QLabel* heading(QWidget* parent, const QString& text, int x, int y, int w) {
    QLabel* l = MakeLabel(parent, text, x, y, w, 20, 10, true);
    SetBaseStyle(l, QStringLiteral("background: transparent; color: #5a3b1a; "
                                   "border-bottom: 1px solid #5a3b1a;"));
    return l;
}

} // namespace

void frmMain::BuildTradePanel() {
    // The title names the city, so the panel's title line is a label of its own.
    Panel* p = MakePanel(0, QString(), 14, 14, 700, 440);
    lbl[popisek::TradeTitle] =
        MakeClickLabel(p, QStringLiteral("Obchod"), 6, 0, 560, Panel::TitleHeight, 10, true);
    SetBaseStyle(lbl[popisek::TradeTitle],
                 QStringLiteral("background: transparent; color: #fff6dc;"));
    lbl[popisek::TradeTitle]->setAttribute(Qt::WA_TransparentForMouseEvents);

    heading(p, QStringLiteral("Tržiště"), 10, 28, 270);
    heading(p, QStringLiteral("Náklad"), 292, 28, 160);
    for (int i = 0; i < 14; ++i) {
        const int y = RowTop + i * RowHeight;
        const std::size_t row = static_cast<std::size_t>(i);
        ClickLabel* name = MakeClickLabel(p, QString(), 10, y, 112, RowHeight - 2);
        ClickLabel* price = MakeClickLabel(p, QString(), 124, y, 40, RowHeight - 2, 10, true);
        price->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        for (ClickLabel* l : {name, price}) {
            l->setCursor(art::HandCursor());
            l->hide();
        }
        const int nameIndex = 28 + i;
        const int priceIndex = 42 + i;
        lblSurovina[static_cast<std::size_t>(nameIndex)] = name;
        lblSurovina[static_cast<std::size_t>(priceIndex)] = price;
        for (int index : {nameIndex, priceIndex}) {
            ClickLabel* l = lblSurovina[static_cast<std::size_t>(index)];
            connect(l, &ClickLabel::hovered, this, [this, index] {
                Fokus_Move(QStringLiteral("S%1").arg(index, 2, 10, QLatin1Char('0')));
            });
        }
        shpSurovina[14 + row] = makeBar(p, 172, y + 6, 0, 10, QColor(0x9c, 0x6b, 0x30));
        shpSurovina[14 + row]->hide();

        ClickLabel* cargo = MakeClickLabel(p, QString(), 292, y, 110, RowHeight - 2);
        ClickLabel* units = MakeClickLabel(p, QString(), 402, y, 50, RowHeight - 2, 10, true);
        units->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        cargo->setCursor(art::HandCursor());
        cargo->hide();
        units->hide();
        lblNáklad[row] = cargo;
        lblNákladB[row] = units;
    }

    // The load line under the cargo: a frame with its filling, and "120 z 250".
    shpNaložení[0] = makeBar(p, 292, 384, 160, 12, QColor(0xd8, 0xc8, 0x9c));
    SetBaseStyle(shpNaložení[0], QStringLiteral("border: 1px solid #5a3b1a;"));
    shpNaložení[1] = makeBar(p, 292, 384, 0, 12, QColor(0x3c, 0x7a, 0x3a));
    lbl[popisek::LoadLine] =
        MakeClickLabel(p, QStringLiteral("0 z 0"), 292, 400, 160, 22, 10, true);
    lbl[popisek::LoadLine]->setAlignment(Qt::AlignCenter);
    lbl[popisek::LoadLine]->Tag = QStringLiteral("0");

    // The transaction box's area, right of the cargo: its two actions wait there, hidden.
    lblAkce[akce::Buy] = MakeActionLabel(p, QStringLiteral("Koupit"), 480, 330, 140, 26, 12);
    lblAkce[akce::Sell] = MakeActionLabel(p, QStringLiteral("Prodat"), 480, 330, 140, 26, 12);
    lblAkce[akce::Buy]->hide();
    lblAkce[akce::Sell]->hide();
    lblAkce[akce::SellAll] =
        MakeActionLabel(p, QStringLiteral("Prodat vše"), 480, 400, 140, 24, 11);
    lblAkce[akce::SellAll]->setToolTip(
        QStringLiteral("Prodá všechno zboží, které je naložené (pokud je to možné)"));
}

void frmMain::BuildDockPanel() {
    Panel* p = MakePanel(1, QStringLiteral("Dok"), 60, 40, 470, 330);

    for (int typ = 0; typ < ShipTypeCount; ++typ) {
        auto* ship = new QLabel(p);
        ship->setGeometry(14, 34, 170, 110);
        ship->setAlignment(Qt::AlignCenter);
        ship->setPixmap(ShipPicture(typ));
        ship->hide();
        imgLoď[static_cast<std::size_t>(typ + 1)] = ship;
    }

    struct Line {
        const char* caption;
        int valueIndex;
        int y;
    };
    const Line lines[] = {{"Nosnost lodě:", popisek::Capacity, 66},
                          {"Rychlost:", popisek::Speed, 92},
                          {"Poškození:", popisek::Damage, 118}};
    for (const Line& line : lines) {
        QLabel* c = MakeLabel(p, QString::fromUtf8(line.caption), 196, line.y, 110, 22);
        SetBaseStyle(c, QStringLiteral("background: transparent; color: #5a3b1a;"));
        lbl[static_cast<std::size_t>(line.valueIndex)] =
            MakeClickLabel(p, QString(), 300, line.y, 160, 22, 10, true);
    }
    lbl[popisek::Damage]->resize(56, 22);
    // The fleet in words heads the column.
    lbl[popisek::Fleet] = MakeClickLabel(p, QString(), 196, 30, 266, 34, 11, true);
    lbl[popisek::Fleet]->setWordWrap(true);
    // The damage bar: 1 pixel a percent, over a light track of 100.
    makeBar(p, 360, 124, 100, 10, QColor(0xd8, 0xc8, 0x9c));
    shpNaložení[2] = makeBar(p, 360, 124, 0, 10, QColor(0xb0, 0x2a, 0x18));

    heading(p, QStringLiteral("Vylepšení"), 14, 156, 442);
    imgUpgrade = new QLabel(p);
    imgUpgrade->setGeometry(14, 180, 130, 84);
    imgUpgrade->setAlignment(Qt::AlignCenter);
    imgUpgrade->setScaledContents(false);
    imgUpgrade->hide();
    lbl[popisek::UpgradeOffer] = MakeClickLabel(p, QString(), 156, 188, 300, 22);
    lbl[popisek::UpgradeOffer]->hide();
    lblAkce[akce::Upgrade] = MakeActionLabel(p, QStringLiteral("Vylepšit"), 156, 216, 120, 24, 11);
    lblAkce[akce::Upgrade]->hide();
    // Two more upgrade labels, 9 and 10, belong to the dock's layout but never show.
    lblAkce[9] = MakeActionLabel(p, QStringLiteral("Vylepšit"), 156, 216, 120, 24, 11);
    lblAkce[10] = MakeActionLabel(p, QStringLiteral("Vylepšit"), 156, 216, 120, 24, 11);
    lblAkce[9]->hide();
    lblAkce[10]->hide();

    heading(p, QString(), 14, 270, 442);
    lblAkce[akce::BuyShip] = MakeActionLabel(p, QStringLiteral("Koupit loď"), 14, 294, 130, 24, 11);
    lblAkce[akce::SellShip] =
        MakeActionLabel(p, QStringLiteral("Prodat loď"), 164, 294, 130, 24, 11);
    lblAkce[akce::Repair] = MakeActionLabel(p, QStringLiteral("Opravit"), 314, 294, 130, 24, 11);
}

void frmMain::BuildBankPanel() {
    Panel* p = MakePanel(2, QStringLiteral("Banka"), 110, 70, 460, 270);
    lbl[popisek::CashCaption] = MakeClickLabel(p, QStringLiteral("Hotovost:"), 16, 34, 200, 20);
    lbl[popisek::BankCash] = MakeClickLabel(p, QStringLiteral("0"), 16, 54, 200, 28, 14, true);
    lbl[popisek::AccountCaption] = MakeClickLabel(p, QStringLiteral("Na kontě:"), 244, 34, 200, 20);
    lbl[popisek::BankAccount] = MakeClickLabel(p, QStringLiteral("0"), 244, 54, 200, 28, 14, true);
    lbl[popisek::BankAccount]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lbl[popisek::AccountCaption]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (int i :
         {popisek::BankCash, popisek::AccountCaption, popisek::CashCaption, popisek::BankAccount})
        lbl[static_cast<std::size_t>(i)]->setAttribute(Qt::WA_TransparentForMouseEvents);
    // The amount and its chooser sit in the middle.
    lbl[popisek::BankAmount] =
        MakeClickLabel(p, QStringLiteral("50 000"), 16, 96, 428, 26, 13, true);
    lbl[popisek::BankAmount]->setAlignment(Qt::AlignCenter);
    lblAkce[akce::Deposit] =
        MakeActionLabel(p, QStringLiteral("Uložit na konto >>"), 16, 226, 200, 26, 11);
    lblAkce[akce::Withdraw] =
        MakeActionLabel(p, QStringLiteral("<<Vyzvednout si"), 244, 226, 200, 26, 11);
    lblAkce[akce::Withdraw]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void frmMain::BuildSavePanel() {
    Panel* p = MakePanel(3, QString(), 150, 50, 430, 350);
    lbl[popisek::SaveTitle] =
        MakeClickLabel(p, QStringLiteral("Uložit hru"), 6, 0, 360, Panel::TitleHeight, 10, true);
    SetBaseStyle(lbl[popisek::SaveTitle],
                 QStringLiteral("background: transparent; color: #fff6dc;"));
    lbl[popisek::SaveTitle]->setAttribute(Qt::WA_TransparentForMouseEvents);
    lbl[popisek::SaveAs] = MakeClickLabel(p, QStringLiteral("Uložit jako:"), 16, 278, 120, 22);
    lblAkce[akce::Save] = MakeActionLabel(p, QStringLiteral("Uložit"), 310, 312, 100, 26, 12);
    lblAkce[akce::Save]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

} // namespace vlnobrod
