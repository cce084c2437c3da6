#include "voyage/VoyageStrip.h"
#include "support/PortFixture.h"
#include "voyage/VoyageFixture.h"
#include "widgets/PortStyle.h"

#include <QTest>

using namespace vlnobrod;
using namespace vlnobrod::testing;
using namespace Qt::StringLiterals;

// The port game with Vlnobrod (250 pixels from Skalná) given a bank and Zlatý Mys opened.
const QByteArray SailingGame = QString::fromUtf8(PortGame)
                                   .replace(u"Pristup=0\n"_s, u"Pristup=0\nBanka=1\n"_s)
                                   .replace(u"Pristup=2500"_s, u"Pristup=0"_s)
                                   .toUtf8();

class VoyageStripTest : public QObject {
    Q_OBJECT
private slots:
    void aClickSailsATurnPlansFromTheCityLeftAndTheArrivalOpensTheMarket() {
        PortScreen s(SailingGame.constData());
        frmMain& w = *s.w;
        DrainNews(s.st());
        // A left click never sails; Skalná, current and closed, refuses with the news and no strip.
        VoyageStrip& strip = *w.findChild<VoyageStrip*>();
        QTest::mouseClick(Named(w, "city", 0), Qt::LeftButton);
        QTest::mouseClick(Named(w, "city", 1), Qt::RightButton);
        QCOMPARE(DrainNews(s.st()), std::string("4:Do města není povolen přístup"));
        QVERIFY(Named(w, "voyage")->isHidden() && Named(w, "tabBanka")->isHidden()); // no bank
        w.ShowTab(zalozka::Trade);
        QTest::mouseClick(Named(w, "city", 2), Qt::MiddleButton);
        // Every panel closes, the strip takes the tabs' place.
        for (int i : {zalozka::Trade, zalozka::Dock, zalozka::Bank, zalozka::Save})
            QVERIFY(w.PanelAt(i)->isHidden());
        QVERIFY(Named(w, "tabs")->isHidden() && Named(w, "voyage")->isVisible());
        QCOMPARE(portstyle::ForeColor(Named(w, "city", 2)), portstyle::Red);

        // Turning for Vlnobrod: 250 pixels from Skalná, not 504 from Zlatý Mys, 4 a tick.
        QTest::mouseClick(Named(w, "city", 0), Qt::RightButton);
        QCOMPARE(Text(w, "voyageTitle"), u"Plavba do města: Vlnobrod"_s);
        QCOMPARE(Text(w, "voyageDistance"), u"250"_s);
        int ticks = 0;
        for (; s.st().PendingAction == Pending::Voyage && ticks < 1000; ++ticks)
            strip.tmrPlavba_Timer();
        QCOMPARE(ticks, 163);
        QVERIFY(!strip.Sailing() && Named(w, "voyage")->isHidden());
        // In port the market opens, and the bank tab comes back.
        QVERIFY(Named(w, "tabs")->isVisible() && w.PanelAt(zalozka::Trade)->isVisible());
        QVERIFY(!Named(w, "tabBanka")->isHidden());
        QCOMPARE(Text(w, "tradeTitle"), u"Obchod - Vlnobrod"_s);
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
        w.show(); // "Pokračovat ve hře >" shows the port screen again: the voyage sails on
        QTRY_VERIFY(s.st().Plavba.Pozice > at);

        std::int16_t before = 0, after = 0; // while a question waits, no day is sailed
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
