#include "port/DayChange.h"
#include "support/PortFixture.h"
#include "trade/BankPanel.h"
#include "trade/TradeBox.h"

#include <QTest>

using namespace vlnobrod;
using vlnobrod::testing::Answerer;

namespace {

// The port screen without a game file: Vlnobrod (size class 1) buys gold at 200 and wood at
// 40, Skalná buys artefacts at 120; two small ships (100 units) carry 20 artefacts and 10
// wood.
struct Port : testing::PortScreen {
    Port() : testing::PortScreen("") {
        GameState& s = st();
        s.Mapa = "Mapa1";
        s.PocetMest = 2;
        s.Hotovost = 10000;
        s.Cities[0].Nazev = "Vlnobrod";
        s.Cities[0].Velikost = 1;
        s.Cities[0].Trh[0].Cena = 200;
        s.Cities[0].Trh[5].Cena = 40;
        s.Cities[1].Nazev = "Skalná";
        s.Cities[1].Trh[3].Cena = 120;
        s.Fleet.Pocet = 2;
        s.Fleet.Nosnost = 50;
        s.Fleet.Naklad[3] = 20;
        s.Fleet.Naklad[5] = 10;
        OpenTheDay(s);
    }
};

// On the trade panel, after a look at Skalná's market from the same panel, so the hidden
// rows still carry that city's names and prices.
struct TradeScreen : Port {
    TradeBox* box = nullptr;
    TradeScreen() {
        box = w->findChild<TradeBox*>();
        w->ShowMarket(1, false);
        w->lblZal_Click(1);
    }
    void click(QWidget* l) { QTest::mouseClick(l, Qt::LeftButton); }
    QString line() const { return w->lbl[17]->text(); }
};

// Clicks action `index` and answers its question with the label `answer`; returns the question.
QString answering(frmMain& w, int index, const char* answer) {
    Answerer a(w, QString::fromUtf8(answer));
    QTest::mouseClick(w.lblAkce[static_cast<std::size_t>(index)], Qt::LeftButton);
    return a.texts.value(0);
}

} // namespace

class TradeScreenTest : public QObject {
    Q_OBJECT
private slots:
    void buyingFromAMarketRowKeepsTheOldPriceShown() {
        TradeScreen s;
        // Another city's research chart shows its prices, but goods are bought here.
        s.w->ShowMarket(1, true);
        s.click(s.w->lblSurovina[3]);
        s.click(s.w->lblSurovina[14 + 3]);
        QVERIFY(!s.box->picTransakce->isVisible());
        QCOMPARE(s.st().NewsQueue[0].text, std::string("Zboží se nakupuje na kartě Obchod."));
        QCOMPARE(s.st().NewsQueue[0].kind, std::uint8_t{2});
        s.click(s.w->lblSurovina[28 + 5]);
        QVERIFY(s.box->picTransakce->isVisible());
        QCOMPARE(s.w->lbl[16]->text(), QStringLiteral("Nákup"));
        QCOMPARE(s.box->lblPředmět->text(), QStringLiteral("Dřevo"));
        QCOMPARE(s.box->lblCenaZaKus->text(), QStringLiteral("40 / ks"));
        QVERIFY(s.w->lblAkce[3]->isVisible());
        QVERIFY(!s.w->lblAkce[4]->isVisible());
        // Cash pays for 250, the hold has room for 70.
        QCOMPARE(s.box->sldMnožství->maximum(), 70);
        QCOMPARE(s.box->sldMnožství->value(), 70);
        QCOMPARE(s.line(), QStringLiteral("70 jednotek za 2 800"));

        s.box->sldMnožství->setValue(25);
        QCOMPARE(s.line(), QStringLiteral("25 jednotek za 1 000"));
        s.click(s.w->lblAkce[3]);
        QVERIFY(!s.box->picTransakce->isVisible());
        QCOMPARE(s.w->lblHotovost->text(), QStringLiteral("9 000"));
        QCOMPARE(s.w->lblNákladB[1]->text(), QStringLiteral("35"));
        QCOMPARE(s.w->lbl[18]->text(), QStringLiteral("55 z 100"));
        // The market has moved (12 for 25 units, then the lift under 100), the row has not.
        QCOMPARE(s.st().Cities[0].Trh[5].Cena, std::int16_t(40 + 12 + 35));
        QCOMPARE(s.w->lblSurovina[42 + 5]->text(), QStringLiteral("40"));

        // The price label opens the same row, still at the old price, now with less room.
        s.click(s.w->lblSurovina[42 + 5]);
        QCOMPARE(s.box->lblPředmět->text(), QStringLiteral("Dřevo"));
        QCOMPARE(s.box->lblCenaZaKus->Tag, QStringLiteral("40"));
        QCOMPARE(s.box->sldMnožství->maximum(), 45);
        s.w->ShowMarket(0, false);
        s.click(s.w->lblSurovina[28 + 5]);
        QCOMPARE(s.box->lblCenaZaKus->text(), QStringLiteral("87 / ks"));
    }

    void aRefusedPurchaseLeavesNothingToClick() {
        TradeScreen s;
        s.st().Hotovost = 30;
        s.click(s.w->lblSurovina[28 + 5]); // wood at 40
        QCOMPARE(s.line(), QStringLiteral("Nedostatek peněz"));
        QVERIFY(!s.box->sldMnožství->isVisible());
        QVERIFY(!s.w->lblAkce[3]->isVisible());
        // Even run directly, the refused box buys nothing, not even a price move.
        s.w->lblAkce_Click(3);
        QCOMPARE(s.st().Hotovost, 30.0);
        QCOMPARE(s.st().Cities[0].Trh[5].Cena, std::int16_t(40));
        s.st().Hotovost = 10000;
        s.st().Fleet.Naklad[0] = 70;
        s.w->ShowFleet();
        s.click(s.w->lblSurovina[28 + 5]);
        QCOMPARE(s.line(), QStringLiteral("Nedostatek prostoru"));
        QVERIFY(!s.w->lblAkce[3]->isVisible());
    }

    void sellingFromACargoRow() {
        TradeScreen s;
        QCOMPARE(s.w->lblNáklad[1]->text(), QStringLiteral("Dřevo"));
        s.click(s.w->lblNáklad[1]);
        QCOMPARE(s.w->lbl[16]->text(), QStringLiteral("Prodej"));
        QVERIFY(s.w->lblAkce[4]->isVisible());
        QVERIFY(!s.w->lblAkce[3]->isVisible());
        QCOMPARE(s.line(), QStringLiteral("10 jednotek za 400"));
        s.click(s.w->lblAkce[4]);
        QCOMPARE(s.st().Hotovost, 10400.0);
        QVERIFY(s.w->lblNákladB[1]->isHidden());
        QCOMPARE(s.w->lbl[18]->text(), QStringLiteral("20 z 100"));
        QCOMPARE(s.st().Cities[0].Trh[5].Cena, std::int16_t(35 + 35)); // 40 − 5, lifted

        // Artefacts: Skalná's row is still in the panel, hidden; Vlnobrod does not buy them.
        s.click(s.w->lblNáklad[0]);
        QCOMPARE(s.line(), QStringLiteral("Zboží není přijímáno"));
        QVERIFY(!s.box->sldMnožství->isVisible());
        QVERIFY(!s.w->lblAkce[4]->isVisible());
        // Run directly, the refused box does not sell the wood of the last trade again.
        s.st().Fleet.Naklad[5] = 10;
        s.w->lblAkce_Click(4);
        QCOMPARE(s.st().Fleet.Naklad[3], 20.0);
        QCOMPARE(s.st().Fleet.Naklad[5], 10.0);
        QCOMPARE(s.st().Hotovost, 10400.0);

        // Turning round on the same day pays nothing, and the box says so: gold sold down to
        // 195 costs 200 to buy back, wood lifted to 70 by the dice still sells at 40.
        s.st().Fleet.Naklad[0] = 10;
        s.w->ShowFleet();
        s.click(s.w->lblNáklad[0]);
        s.click(s.w->lblAkce[4]);
        s.w->ShowMarket(0, false);
        QCOMPARE(s.w->lblSurovina[42 + 0]->text(), QStringLiteral("195"));
        s.click(s.w->lblSurovina[28 + 0]);
        QCOMPARE(s.box->lblCenaZaKus->text(), QStringLiteral("200 / ks"));
        QCOMPARE(s.box->sldMnožství->maximum(), 62);
        QCOMPARE(s.line(), QStringLiteral("62 jednotek za 12 400"));
        QCOMPARE(s.w->lblSurovina[42 + 5]->text(), QStringLiteral("70"));
        s.click(s.w->lblNáklad[1]);
        QCOMPARE(s.box->lblCenaZaKus->text(), QStringLiteral("40 / ks"));
        QCOMPARE(s.line(), QStringLiteral("10 jednotek za 400"));
    }

    void sellAllSellsWhatTheCityTakes() {
        TradeScreen s;
        s.st().Fleet.Naklad[0] = 10;
        s.st().Fleet.Naklad[5] = 4.5; // a storm took part of it
        s.w->ShowFleet();
        s.click(s.w->lblAkce[18]);
        QCOMPARE(s.st().Hotovost, 10000.0 + 10 * 200 + 4 * 40);
        QCOMPARE(s.st().Fleet.Naklad[5], 0.0);
        QCOMPARE(s.w->lblNáklad[0]->text(), QStringLiteral("Artefakty"));
        QVERIFY(s.w->lblNáklad[1]->isHidden());
        QVERIFY(!s.box->picTransakce->isVisible());
        // Run again, only the refused row is left: the box ends on it with the reason.
        s.click(s.w->lblAkce[18]);
        QVERIFY(s.box->picTransakce->isVisible());
        QCOMPARE(s.line(), QStringLiteral("Zboží není přijímáno"));
        QCOMPARE(s.st().Fleet.Naklad[3], 20.0);
        // With an empty hold there is nothing to sell, and an open box stays open.
        s.st().Fleet.Naklad = {};
        s.w->ShowFleet();
        s.click(s.w->lblSurovina[28 + 5]);
        s.click(s.w->lblAkce[18]);
        QVERIFY(s.box->picTransakce->isVisible());
        QCOMPARE(s.w->lbl[16]->text(), QStringLiteral("Nákup"));
    }

    void buyingAShipAnsweringNeThenAno() {
        Port s;
        s.st().Hotovost = 150000;
        s.w->lblZal_Click(2);
        QCOMPARE(answering(*s.w, 5, "Ne"),
                 QStringLiteral("Chcete koupit 1 loď za 100 000 zlatých"));
        QCOMPARE(s.st().Fleet.Pocet, std::int16_t(2));
        QCOMPARE(s.st().Hotovost, 150000.0);

        // The second click of a double-click reaches the label while its question waits: it
        // asks nothing, and one "Ano" buys one ship.
        Answerer yes(*s.w, QStringLiteral("Ano"));
        QTimer::singleShot(0, s.w.get(), [&] {
            QTest::mouseDClick(s.w->lblAkce[5], Qt::LeftButton);
            QTest::mouseClick(s.w->lblAkce[5], Qt::LeftButton);
        });
        QTest::mouseClick(s.w->lblAkce[5], Qt::LeftButton);
        QCOMPARE(yes.titles.size(), 1);
        QCOMPARE(s.st().Fleet.Pocet, std::int16_t(3));
        QCOMPARE(s.w->lbl[22]->text(), QStringLiteral("3 lodě typu: Malá obchodní loď"));
        QCOMPARE(s.w->lblHotovost->text(), QStringLiteral("50 000"));
        QVERIFY(!s.w->picMsgBox->isVisible());
    }

    void repairUpgradeAndSaleShowTheNewFleet() {
        Port s;
        s.st().Hotovost = 300;
        s.st().Fleet.Poskozeni = 40;
        s.w->lblZal_Click(2);
        answering(*s.w, 7, "Ano");
        QCOMPARE(s.w->lbl[20]->text(), QStringLiteral("25 %"));
        s.st().Hotovost = 250000;
        answering(*s.w, 8, "Ano");
        QCOMPARE(s.w->lbl[24]->text(), QStringLiteral("100 jednotek"));
        QCOMPARE(s.w->lbl[26]->text(), QStringLiteral("23"));
        s.w->lblAkce_Click(6);
        QCOMPARE(s.w->lbl[22]->text(), QStringLiteral("1 loď typu: Velká obchodní loď"));
        QCOMPARE(s.w->lblHotovost->text(), QStringLiteral("150 000"));
    }

    void thePresetsSetTheAmountAndTheActionsMoveIt() {
        Port s;
        s.st().Hotovost = 100000;
        s.st().Konto = -500000;
        BankPanel* bank = s.w->findChild<BankPanel*>();
        s.w->lblZal_Click(3);
        QCOMPARE(bank->sldTransakce->value(), 50000);
        // The captions give the rates the day change applies, where it applies them: cash
        // earns nothing, the account 0.02 % a day, a debt costs 0.01 % a day.
        const auto rate = [](double konto) {
            return QString::number(DailyInterest(konto, NumberLocale{}) / konto * 100) + "%";
        };
        QCOMPARE(s.w->lbl[43]->text(), QStringLiteral("Úrok = 0% částky za den"));
        QCOMPARE(s.w->lbl[42]->text(), "Úrok = " + rate(1e6) + " částky za den\nDluh stojí " +
                                           rate(-1e6) + " částky za den");
        QTest::mouseClick(bank->lblStupeň[1], Qt::LeftButton);
        QCOMPARE(s.w->lbl[33]->text(), QStringLiteral("10 000"));
        QTest::mouseClick(bank->lblStupeň[0], Qt::LeftButton);
        QCOMPARE(s.w->lbl[33]->text(), QStringLiteral("50 000"));
        QTest::mouseClick(bank->lblStupeň[2], Qt::LeftButton);
        QCOMPARE(s.w->lbl[33]->text(), QStringLiteral("100 000"));

        // The panel's figures and the counters follow each move; a refused one is news.
        QTest::mouseClick(s.w->lblAkce[11], Qt::LeftButton);
        QCOMPARE(s.w->lbl[34]->text(), QStringLiteral("0"));
        QCOMPARE(s.w->lblKonto->text(), QStringLiteral("-400 000"));
        QTest::mouseClick(s.w->lblAkce[12], Qt::LeftButton);
        QTest::mouseClick(s.w->lblAkce[12], Qt::LeftButton);
        QCOMPARE(s.w->lbl[32]->text(), QStringLiteral("-500 000"));
        QCOMPARE(s.w->lbl[34]->text(), QStringLiteral("100 000"));
        QCOMPARE(s.st().NewsQueue[0].text, std::string("Už nelze vybírat peníze!"));
    }
};

QTEST_MAIN(TradeScreenTest)
#include "TradeScreenTest.moc"
