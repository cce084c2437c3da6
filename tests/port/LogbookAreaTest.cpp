#include "port/LogbookArea.h"
#include "port/DayChange.h"
#include "port/Logbook.h"
#include "port/PortLabels.h"
#include "support/PortFixture.h"

#include <QTest>

using namespace vlnobrod;
using vlnobrod::testing::PortScreen;

namespace {

// The city information panel opened on `city`, as the click on its name opens it.
void openPanel(frmMain& w, std::uint8_t city) {
    w.lbl[popisek::InfoCity]->Tag = QString::number(city);
    w.picInf->show();
    w.picGraf->hide();
    w.ShowLogbook(city);
}

} // namespace

class LogbookAreaTest : public QObject {
    Q_OBJECT
private slots:
    void afterTwoCitiesTheFirstShowsItsLogbookPricesAndDay() {
        // The game opens in Skalná on day 12: 300 moves to 301 (it is consumed there).
        PortScreen s;
        frmMain& w = *s.w;
        GameState& st = s.st();
        LogbookArea& area = *w.picDeník;
        QCOMPARE(st.Cities[1].Trh[1].Cena, 301);

        // Then the fleet comes to Vlnobrod and stays five days: what the arrival does.
        st.AktualniMesto = 0;
        RecordVisit(st);
        AdvanceDays(st, s.fx.random(), w, 5);
        QCOMPARE(st.Cities[1].Trh[1].Cena, 302); // Skalná today

        openPanel(w, 1);
        QVERIFY(area.isVisible());
        QCOMPARE(area.lblNadpis->text(), QStringLiteral("Ceny z deníku (den 12)"));
        QCOMPARE(area.lblZboží[1]->text(), QStringLiteral("Stříbro"));
        QCOMPARE(area.lblCena[1]->text(), QStringLiteral("301"));
        QCOMPARE(area.lblCena[5]->text(), QStringLiteral("400"));
        QVERIFY(area.lblCena[0]->isHidden());         // Skalná trades no gold
        QCOMPARE(area.lblKurs[1]->text(), QString()); // one visit: nothing to compare with
        // Old prices do not trade.
        const double cash = st.Hotovost;
        QTest::mouseClick(area.lblCena[1], Qt::LeftButton);
        QVERIFY(w.lblAkce[akce::Buy]->isHidden());
        QCOMPARE(st.Hotovost, cash);

        // A city never visited, and the city the fleet lies in, which an open panel follows
        // from day to day.
        openPanel(w, 2);
        QCOMPARE(area.lblNadpis->text(), QStringLiteral("Zatím nenavštíveno"));
        QVERIFY(area.lblCena[2]->isHidden());
        openPanel(w, 0);
        QCOMPARE(area.lblNadpis->text(), QStringLiteral("Ceny z deníku (den 17)"));
        AdvanceDays(st, s.fx.random(), w, 1);
        QCOMPARE(area.lblNadpis->text(), QStringLiteral("Ceny z deníku (den 18)"));
        QCOMPARE(area.lblCena[0]->text(), QString::number(st.Cities[0].Trh[0].Cena));

        // Research shows today's prices in the logbook's place.
        openPanel(w, 1);
        st.Cities[1].PruzkumTrhu = 1;
        w.ShowMarket(1, true);
        QVERIFY(area.isHidden());
        QCOMPARE(w.lblSurovina[14 + 1]->text(), QStringLiteral("303"));
        openPanel(w, 1);
        QVERIFY(area.isHidden());
    }

    void theTradeTabWritesTheMarketItShows() {
        PortScreen s;
        frmMain& w = *s.w;
        GameState& st = s.st();
        st.Cities[1].Trh[5].Cena = 444; // a purchase moved the price
        QTest::mouseClick(w.lblZal[1], Qt::LeftButton);
        QVERIFY(!w.picZáložka[0]->isHidden());
        QCOMPARE(st.Denik.Mesta[1].Posledni.Cena[5], 444);
    }
};

QTEST_MAIN(LogbookAreaTest)
#include "LogbookAreaTest.moc"
