#include "voyage/VoyageStrip.h"
#include "support/PortFixture.h"
#include "voyage/VoyageFixture.h"
#include "widgets/PortStyle.h"

#include <QTest>

using namespace vlnobrod;
using vlnobrod::portstyle::ForeColor;
using vlnobrod::testing::Named;
using vlnobrod::testing::PortScreen;
using vlnobrod::testing::Text;

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
        VoyageStrip& strip = *w.findChild<VoyageStrip*>();
        QTest::mouseClick(Named(w, "city", 0), Qt::LeftButton);
        QTest::mouseClick(Named(w, "city", 1), Qt::RightButton);
        QCOMPARE(testing::DrainNews(s.st()), std::string("4:Do města není povolen přístup"));
        QVERIFY(Named(w, "voyage")->isHidden());
        QVERIFY(Named(w, "tabBanka")->isHidden()); // Skalná has no bank
        w.ShowTab(zalozka::Trade);
        QTest::mouseClick(Named(w, "city", 2), Qt::MiddleButton);
        // Every panel closes, the strip takes the tabs' place.
        for (int i : {zalozka::Trade, zalozka::Dock, zalozka::Bank, zalozka::Save})
            QVERIFY(w.PanelAt(i)->isHidden());
        QVERIFY(Named(w, "tabs")->isHidden() && Named(w, "voyage")->isVisible());
        QCOMPARE(ForeColor(Named(w, "city", 2)), portstyle::Red);

        // Turning for Vlnobrod: 250 pixels from Skalná, not 504 from Zlatý Mys, 4 a tick.
        QTest::mouseClick(Named(w, "city", 0), Qt::RightButton);
        QCOMPARE(Text(w, "voyageTitle"), QStringLiteral("Plavba do města: Vlnobrod"));
        QCOMPARE(Text(w, "voyageDistance"), QStringLiteral("250"));
        QCOMPARE(sailOn(w), 163);
        QVERIFY(!strip.Sailing() && Named(w, "voyage")->isHidden());
        // In port the market opens, and the bank tab comes back.
        QVERIFY(Named(w, "tabs")->isVisible() && w.PanelAt(zalozka::Trade)->isVisible());
        QVERIFY(!Named(w, "tabBanka")->isHidden());
        QCOMPARE(Text(w, "tradeTitle"), QStringLiteral("Obchod - Vlnobrod"));
    }

    void aGameSavedAtSeaOpensAtSeaAndWaitsBehindTheMenuAndInAQuestion() {
        QByteArray game =
            SailingGame + "[Plavba]\nOdkud=1\nKam=0\nVzdalenost=250\nPozice=300\nTiky=3\nDny=9\n";
        PortScreen s(game.replace("AktualniMesto=1", "AktualniMesto=0").constData());
        frmMain& w = *s.w;
        VoyageStrip& strip = *w.findChild<VoyageStrip*>();
        QVERIFY(Named(w, "voyage")->isVisible() && Named(w, "tabs")->isHidden());
        QCOMPARE(Named(w, "voyageShip")->x(), 300);
        QTRY_VERIFY(Named(w, "voyageShip")->x() > 300);

        w.lblAkce_Click(akce::BackToMenu); // the menu puts the port screen aside
        QTRY_VERIFY(!strip.Sailing());
        const std::int16_t at = s.st().Plavba.Pozice;
        strip.tmrPlavba_Timer(); // a tick that comes anyway does nothing
        QCOMPARE(s.st().Plavba.Pozice, at);
        // "Pokračovat ve hře >" shows the port screen again: the voyage sails on.
        w.show();
        QTRY_VERIFY(s.st().Plavba.Pozice > at);

        // While a question waits, no day is sailed.
        std::int16_t before = 0, after = 0;
        QTimer::singleShot(0, [&] {
            before = s.st().Plavba.Pozice;
            strip.tmrPlavba_Timer();
            after = s.st().Plavba.Pozice;
            w.cmd_Click(0);
        });
        std::string title = "Otázka";
        w.ShowMessage("Opravdu?", MessageButtons::OK, title);
        QCOMPARE(after, before);
    }
};

QTEST_MAIN(VoyageStripTest)
#include "VoyageStripTest.moc"
