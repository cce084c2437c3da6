#include "port/frmMain.h"
#include "support/ScreenFixture.h"
#include "trade/TradeBox.h"

#include <QTest>

using namespace vlnobrod;

namespace {

// Vlnobrod (size class 1) buys gold at 200 and wood at 40; Skalná buys artefacts at 120.
// Two small ships (100 units) carry 20 artefacts and 10 wood.
void prepare(GameState& st) {
    st.Mapa = "Mapa1";
    st.PocetMest = 2;
    st.AktualniMesto = 0;
    st.Hotovost = 10000;
    st.Cities[0].Nazev = "Vlnobrod";
    st.Cities[0].Velikost = 1;
    st.Cities[0].Trh[0].Cena = 200;
    st.Cities[0].Trh[5].Cena = 40;
    st.Cities[1].Nazev = "Skalná";
    st.Cities[1].Trh[3].Cena = 120;
    st.Fleet.Pocet = 2;
    st.Fleet.Nosnost = 50;
    st.Fleet.Naklad[3] = 20;
    st.Fleet.Naklad[5] = 10;
}

// The window on its trade panel, after a look at Skalná's market from the same panel, so
// the hidden rows still carry that city's names and prices.
struct TradeScreen {
    testing::ScreenFixture fx;
    std::unique_ptr<frmMain> w;
    TradeBox* box = nullptr;

    TradeScreen() {
        prepare(fx.game().state);
        w = std::make_unique<frmMain>(fx.game());
        box = w->findChild<TradeBox*>();
        w->show();
        w->ShowMarket(1, false);
        w->lblZal_Click(1);
    }
    GameState& st() { return fx.game().state; }
    void click(QWidget* l) { QTest::mouseClick(l, Qt::LeftButton); }
    QString line() const { return w->lbl[17]->text(); }
};

} // namespace

class TradeScreenTest : public QObject {
    Q_OBJECT
private slots:
    void buyingFromAMarketRowKeepsTheOldPriceShown() {
        TradeScreen s;
        QVERIFY(s.box);
        QVERIFY(!s.box->picTransakce->isVisible());
        s.click(s.w->lblSurovina[28 + 5]);
        QVERIFY(s.box->picTransakce->isVisible());
        QCOMPARE(s.w->lbl[16]->text(), QStringLiteral("Nákup"));
        QCOMPARE(s.box->lblPředmět->text(), QStringLiteral("Dřevo"));
        QCOMPARE(s.box->lblPředmět->Tag, QStringLiteral("5"));
        QCOMPARE(s.box->lblCenaZaKus->text(), QStringLiteral("40 / ks"));
        QVERIFY(s.w->lblAkce[3]->isVisible());
        QVERIFY(!s.w->lblAkce[4]->isVisible());
        // Cash pays for 250, the hold has room for 70.
        QCOMPARE(s.box->sldMnožství->maximum(), 70);
        QCOMPARE(s.box->sldMnožství->value(), 70);
        QCOMPARE(s.box->sldMnožství->tickInterval(), 1);
        QCOMPARE(s.line(), QStringLiteral("70 jednotek za 2 800"));

        s.box->sldMnožství->setValue(25);
        QCOMPARE(s.line(), QStringLiteral("25 jednotek za 1 000"));
        s.click(s.w->lblAkce[3]);
        QVERIFY(!s.box->picTransakce->isVisible());
        QCOMPARE(s.st().Hotovost, 9000.0);
        QCOMPARE(s.w->lblHotovost->text(), QStringLiteral("9 000"));
        QCOMPARE(s.w->lblNákladB[1]->text(), QStringLiteral("35"));
        QCOMPARE(s.w->lbl[18]->text(), QStringLiteral("55 z 100"));
        // 25 units in a city of size class 1 lift the price by 12.5, to even 12; still
        // under 100, it gets the random lift of 10 + 50 × 0.5 on top.
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
        QCOMPARE(s.box->lblCenaZaKus->text(), QStringLiteral("40 / ks"));
        QVERIFY(s.w->lblAkce[4]->isVisible());
        QVERIFY(!s.w->lblAkce[3]->isVisible());
        QCOMPARE(s.box->sldMnožství->maximum(), 10);
        QCOMPARE(s.line(), QStringLiteral("10 jednotek za 400"));
        s.click(s.w->lblAkce[4]);
        QCOMPARE(s.st().Hotovost, 10400.0);
        QCOMPARE(s.st().Fleet.Naklad[5], 0.0);
        QVERIFY(s.w->lblNákladB[1]->isHidden());
        QCOMPARE(s.w->lbl[18]->text(), QStringLiteral("20 z 100"));
        QCOMPARE(s.st().Cities[0].Trh[5].Cena, std::int16_t(35 + 35)); // 40 − 5, lifted

        // Artefacts: Skalná's row is still in the panel, hidden; Vlnobrod does not buy them.
        s.click(s.w->lblNáklad[0]);
        QCOMPARE(s.line(), QStringLiteral("Zboží není přijímáno"));
        QVERIFY(s.box->lblCenaZaKus->text().isEmpty());
        QVERIFY(!s.box->sldMnožství->isVisible());
        QVERIFY(!s.w->lblAkce[4]->isVisible());
        // Run directly, the refused box does not sell the wood of the last trade again.
        s.st().Fleet.Naklad[5] = 10;
        s.w->lblAkce_Click(4);
        QCOMPARE(s.st().Fleet.Naklad[3], 20.0);
        QCOMPARE(s.st().Fleet.Naklad[5], 10.0);
        QCOMPARE(s.st().Hotovost, 10400.0);
    }

    void sellAllSellsWhatTheCityTakes() {
        TradeScreen s;
        s.st().Fleet.Naklad[0] = 10;
        s.st().Fleet.Naklad[5] = 4.5; // a storm took part of it
        s.w->ShowFleet();
        QCOMPARE(s.w->lblNákladB[2]->text(), QStringLiteral("4.5"));
        s.click(s.w->lblAkce[18]);
        QCOMPARE(s.st().Hotovost, 10000.0 + 10 * 200 + 4 * 40);
        QCOMPARE(s.st().Fleet.Naklad[0], 0.0);
        QCOMPARE(s.st().Fleet.Naklad[5], 0.0);
        QCOMPARE(s.st().Fleet.Naklad[3], 20.0);
        QCOMPARE(s.w->lblNáklad[0]->text(), QStringLiteral("Artefakty"));
        QVERIFY(s.w->lblNáklad[1]->isHidden());
        QVERIFY(!s.box->picTransakce->isVisible());
        // Run again, only the refused row is left: the box ends on it with the reason.
        s.click(s.w->lblAkce[18]);
        QVERIFY(s.box->picTransakce->isVisible());
        QCOMPARE(s.line(), QStringLiteral("Zboží není přijímáno"));
        QCOMPARE(s.st().Fleet.Naklad[3], 20.0);
    }
};

QTEST_MAIN(TradeScreenTest)
#include "TradeScreenTest.moc"
