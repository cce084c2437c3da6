#include "voyage/VoyageStrip.h"
#include "port/News.h"
#include "port/PortLabels.h"
#include "support/PortFixture.h"
#include "widgets/PortStyle.h"

#include <QTest>

using namespace vlnobrod;
using vlnobrod::portstyle::ForeColor;
using vlnobrod::testing::PortScreen;

namespace {

const QColor red(255, 0, 0);
const QColor black(0, 0, 0);

// The port game with Vlnobrod (250 pixels from Skalná) given a bank and Zlatý Mys opened.
const QByteArray SailingGame =
    QString::fromUtf8(testing::PortGame)
        .replace(QStringLiteral("Pristup=0\n"), QStringLiteral("Pristup=0\nBanka=1\n"))
        .replace(QStringLiteral("Pristup=2500"), QStringLiteral("Pristup=0"))
        .toUtf8();

QStringList news(GameState& st) {
    QStringList all;
    while (auto item = TakeNews(st))
        all << QString::fromStdString(item->text);
    return all;
}

VoyageStrip& strip(frmMain& w) {
    return *w.findChild<VoyageStrip*>();
}

// Ticks until the fleet is in port (at most `limit` ticks); returns how many it took.
int sailOn(frmMain& w, int limit = 1000) {
    int ticks = 0;
    while (w.Game().state.PendingAction == Pending::Voyage && ticks < limit) {
        strip(w).tmrPlavba_Timer();
        ++ticks;
    }
    return ticks;
}

} // namespace

class VoyageStripTest : public QObject {
    Q_OBJECT
private slots:
    void aClosedCityRefusesTheVoyage() {
        PortScreen s;
        news(s.st());
        QTest::mouseClick(s.w->lblMěsto[2], Qt::RightButton);
        QCOMPARE(news(s.st()), QStringList{QStringLiteral("Do města není povolen přístup")});
        QCOMPARE(s.st().PendingAction, Pending::None);
        QVERIFY(s.w->picPlavba->isHidden());
        QVERIFY(!s.w->tmrPlavba->isActive());
        // A left click never sails.
        QTest::mouseClick(s.w->lblMěsto[0], Qt::LeftButton);
        QCOMPARE(s.st().PendingAction, Pending::None);
    }

    void aRightClickSailsAndTheArrivalOpensTheNewMarket() {
        PortScreen s(SailingGame.constData());
        frmMain& w = *s.w;
        QVERIFY(w.lblZal[3]->isHidden()); // Skalná has no bank
        w.lblZal_Click(1);
        QVERIFY(w.picZáložka[0]->isVisible());
        QTest::mouseClick(w.lblMěsto[0], Qt::RightButton);
        // Every panel closes, the strip takes the tabs' place.
        for (Panel* p : w.picZáložka)
            QVERIFY(p->isHidden());
        QVERIFY(w.picZáložky->isHidden());
        QVERIFY(w.picPlavba->isVisible());
        QCOMPARE(w.lbl[31]->text(), QStringLiteral("Plavba do města: Vlnobrod"));
        QCOMPARE(w.lblVzdálenost->text(), QStringLiteral("250"));
        QCOMPARE(ForeColor(w.lblMěsto[1]), black);
        QCOMPARE(ForeColor(w.lblMěsto[0]), red);
        QCOMPARE(w.imgLoď[0]->x(), -76);
        QVERIFY(w.tmrPlavba->isActive());
        // The timer moves the ship, 4 pixels a tick.
        QTRY_VERIFY(w.imgLoď[0]->x() > -76);
        QCOMPARE((w.imgLoď[0]->x() + 76) % 4, 0);

        // 163 ticks in all, a day every 10: 16 days, then the trade tab on Vlnobrod's market.
        const int sailed = (w.imgLoď[0]->x() + 76) / 4;
        QCOMPARE(sailOn(w), 163 - sailed);
        QCOMPARE(w.lblDny->text(), QStringLiteral("28"));
        QVERIFY(!w.tmrPlavba->isActive());
        QVERIFY(w.picPlavba->isHidden());
        QVERIFY(w.picZáložky->isVisible());
        QVERIFY(w.picZáložka[0]->isVisible());
        QVERIFY(w.lblZal[3]->isVisible());
        QCOMPARE(w.lbl[popisek::TradeTitle]->text(), QStringLiteral("Obchod - Vlnobrod"));
        QCOMPARE(ForeColor(w.lblMěsto[0]), red);
        QVERIFY(news(s.st()).contains(QStringLiteral("Vítejte v městě: Vlnobrod")));
    }

    void aVoyageTurnsFromTheCityItLeft() {
        PortScreen s(SailingGame.constData());
        frmMain& w = *s.w;
        QTest::mouseClick(w.lblMěsto[0], Qt::MiddleButton);
        for (int i = 0; i < 25; ++i)
            strip(w).tmrPlavba_Timer();
        QCOMPARE(s.st().Plavba.Dny, 2);
        // Vlnobrod is already where the fleet heads.
        news(s.st());
        QTest::mouseClick(w.lblMěsto[0], Qt::RightButton);
        QCOMPARE(news(s.st()), QStringList{QStringLiteral("Není kam cestovat!")});
        QTest::mouseClick(w.lblMěsto[2], Qt::RightButton);
        QCOMPARE(w.lbl[31]->text(), QStringLiteral("Plavba do města: Zlatý Mys"));
        // From Skalná, not from Vlnobrod: 220 by 130 pixels.
        QCOMPARE(w.lblVzdálenost->text(), QStringLiteral("256"));
        QCOMPARE(w.imgLoď[0]->x(), -76);
        QCOMPARE(ForeColor(w.lblMěsto[0]), black);
        QCOMPARE(ForeColor(w.lblMěsto[2]), red);
        QCOMPARE(s.st().Plavba.Dny, 2);
        sailOn(w);
        QCOMPARE(s.st().AktualniMesto, std::uint8_t{2});
        QCOMPARE(w.lbl[popisek::TradeTitle]->text(), QStringLiteral("Obchod - Zlatý Mys"));
        QVERIFY(w.lblZal[3]->isHidden());
    }

    void theVoyageWaitsBehindTheMenuAndInAQuestion() {
        PortScreen s(SailingGame.constData());
        frmMain& w = *s.w;
        QTest::mouseClick(w.lblMěsto[0], Qt::RightButton);
        QTRY_VERIFY(w.imgLoď[0]->x() > -76);
        w.lblAkce_Click(akce::BackToMenu);
        QVERIFY(w.isHidden());
        QTRY_VERIFY(!w.tmrPlavba->isActive());
        const std::int16_t at = s.st().Plavba.Pozice;
        QTest::qWait(350);
        strip(w).tmrPlavba_Timer(); // a tick that comes anyway does nothing
        QCOMPARE(s.st().Plavba.Pozice, at);
        // "Pokračovat ve hře >" shows the port screen again: the voyage sails on.
        w.show();
        QTRY_VERIFY(s.st().Plavba.Pozice > at);

        // While a question waits, no day is sailed.
        QTimer::singleShot(0, [&] {
            const std::int16_t before = s.st().Plavba.Pozice;
            QTest::qWait(350);
            strip(w).tmrPlavba_Timer();
            QCOMPARE(s.st().Plavba.Pozice, before);
            w.cmd_Click(0);
        });
        std::string title = "Otázka";
        w.ShowMessage("Opravdu?", MessageButtons::OK, title);
    }

    void aGameSavedAtSeaOpensAtSea() {
        const QByteArray atSea =
            SailingGame + "[Plavba]\nOdkud=1\nKam=0\nVzdalenost=250\nPozice=300\nTiky=3\nDny=9\n";
        QByteArray game = atSea;
        game.replace("AktualniMesto=1", "AktualniMesto=0");
        PortScreen s(game.constData());
        frmMain& w = *s.w;
        QVERIFY(w.picPlavba->isVisible());
        QVERIFY(w.picZáložky->isHidden());
        QCOMPARE(w.imgLoď[0]->x(), 300);
        QCOMPARE(w.lbl[31]->text(), QStringLiteral("Plavba do města: Vlnobrod"));
        QTRY_VERIFY(w.tmrPlavba->isActive());
        QCOMPARE(sailOn(w), 69); // past 573 after 69 steps of 4
        QCOMPARE(s.st().AktualniMesto, std::uint8_t{0});
    }
};

QTEST_MAIN(VoyageStripTest)
#include "VoyageStripTest.moc"
