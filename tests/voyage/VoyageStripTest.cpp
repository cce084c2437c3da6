#include "voyage/VoyageStrip.h"
#include "port/PortLabels.h"
#include "support/PortFixture.h"
#include "voyage/VoyageFixture.h"
#include "widgets/PortStyle.h"
#include "world/Logbook.h"

#include <QTest>

using namespace vlnobrod;
using vlnobrod::portstyle::ForeColor;
using vlnobrod::testing::PortScreen;

namespace {

// The port game with Vlnobrod (250 pixels from Skalná) given a bank and Zlatý Mys opened.
const QByteArray SailingGame =
    QString::fromUtf8(testing::PortGame)
        .replace(QStringLiteral("Pristup=0\n"), QStringLiteral("Pristup=0\nBanka=1\n"))
        .replace(QStringLiteral("Pristup=2500"), QStringLiteral("Pristup=0"))
        .toUtf8();

// Ticks until the fleet is in port; returns how many it took.
int sailOn(frmMain& w) {
    int ticks = 0;
    for (; w.Game().state.PendingAction == Pending::Voyage && ticks < 1000; ++ticks)
        w.findChild<VoyageStrip*>()->tmrPlavba_Timer();
    return ticks;
}

} // namespace

class VoyageStripTest : public QObject {
    Q_OBJECT
private slots:
    void aClickSailsATurnPlansFromTheCityLeftAndTheArrivalOpensTheMarket() {
        PortScreen s(SailingGame.constData());
        frmMain& w = *s.w;
        testing::DrainNews(s.st());
        // A left click never sails; Skalná, current and closed, refuses with the news and no strip.
        QTest::mouseClick(w.lblMěsto[0], Qt::LeftButton);
        QTest::mouseClick(w.lblMěsto[1], Qt::RightButton);
        QCOMPARE(testing::DrainNews(s.st()), std::string("4:Do města není povolen přístup"));
        QVERIFY(w.picPlavba->isHidden());
        QVERIFY(w.lblZal[3]->isHidden()); // Skalná has no bank
        w.lblZal_Click(1);
        QTest::mouseClick(w.lblMěsto[2], Qt::MiddleButton);
        // Every panel closes, the strip takes the tabs' place; the timer moves the ship.
        for (Panel* p : w.picZáložka)
            QVERIFY(p->isHidden());
        QVERIFY(w.picZáložky->isHidden() && w.picPlavba->isVisible());
        QCOMPARE(ForeColor(w.lblMěsto[2]), portstyle::Red);
        QTRY_VERIFY(w.imgLoď[0]->x() > -76);

        // Turning for Vlnobrod: 250 pixels from Skalná, not 504 from Zlatý Mys, 4 a tick.
        QTest::mouseClick(w.lblMěsto[0], Qt::RightButton);
        QCOMPARE(w.lbl[31]->text(), QStringLiteral("Plavba do města: Vlnobrod"));
        QCOMPARE(w.lblVzdálenost->text(), QStringLiteral("250"));
        QCOMPARE(w.imgLoď[0]->x(), -76);
        QCOMPARE(ForeColor(w.lblMěsto[0]), portstyle::Red);
        QCOMPARE(sailOn(w), 163);
        QVERIFY(!w.tmrPlavba->isActive() && w.picPlavba->isHidden());
        QVERIFY(w.picZáložky->isVisible() && w.picZáložka[0]->isVisible());
        QVERIFY(w.lblZal[3]->isVisible());
        QCOMPARE(w.lbl[popisek::TradeTitle]->text(), QStringLiteral("Obchod - Vlnobrod"));
    }

    void aGameSavedAtSeaOpensAtSeaAndWaitsBehindTheMenuAndInAQuestion() {
        QByteArray game =
            SailingGame + "[Plavba]\nOdkud=1\nKam=0\nVzdalenost=250\nPozice=300\nTiky=3\nDny=9\n";
        PortScreen s(game.replace("AktualniMesto=1", "AktualniMesto=0").constData());
        frmMain& w = *s.w;
        QVERIFY(w.picPlavba->isVisible() && w.picZáložky->isHidden());
        QCOMPARE(w.imgLoď[0]->x(), 300);
        // Opening it wrote nothing into the logbook, not even the destination's prices.
        QCOMPARE(LogbookOf(s.st(), 0).heading, std::string("Zatím nenavštíveno"));
        QTRY_VERIFY(w.imgLoď[0]->x() > 300);

        w.lblAkce_Click(akce::BackToMenu);
        QVERIFY(w.isHidden());
        QTRY_VERIFY(!w.tmrPlavba->isActive());
        const std::int16_t at = s.st().Plavba.Pozice;
        QTest::qWait(350);
        w.findChild<VoyageStrip*>()->tmrPlavba_Timer(); // a tick that comes anyway does nothing
        QCOMPARE(s.st().Plavba.Pozice, at);
        // "Pokračovat ve hře >" shows the port screen again: the voyage sails on.
        w.show();
        QTRY_VERIFY(s.st().Plavba.Pozice > at);

        // While a question waits, no day is sailed.
        QTimer::singleShot(0, [&] {
            const std::int16_t before = s.st().Plavba.Pozice;
            QTest::qWait(350);
            w.findChild<VoyageStrip*>()->tmrPlavba_Timer();
            QCOMPARE(s.st().Plavba.Pozice, before);
            w.cmd_Click(0);
        });
        std::string title = "Otázka";
        w.ShowMessage("Opravdu?", MessageButtons::OK, title);
    }
};

QTEST_MAIN(VoyageStripTest)
#include "VoyageStripTest.moc"
