#include "port/LogbookArea.h"
#include "support/PortFixture.h"
#include "trade/CityInfoPanel.h"
#include "widgets/PortStyle.h"
#include "world/DayChange.h"
#include "world/Logbook.h"

#include <QApplication>
#include <QTest>

using namespace vlnobrod;
using vlnobrod::portstyle::ForeColor;
using vlnobrod::testing::Click;
using vlnobrod::testing::Named;
using vlnobrod::testing::PortScreen;
using vlnobrod::testing::Text;

class frmMainTest : public QObject {
    Q_OBJECT
private slots:
    void loadingShowsTheGame() {
        testing::ScreenFixture fx;
        // Markup in a map file or typed by a player is shown as written.
        testing::PrepareGame(
            fx,
            QString::fromUtf8(testing::PortGame)
                .replace(QStringLiteral("Plachty a syn"), QStringLiteral("Plachty <i>a</i> syn"))
                .replace(QStringLiteral("Zlatý Mys"), QStringLiteral("<b>Zlatý</b> Mys")));
        frmMain w(fx.game());
        w.Form_Load();
        w.tmrAktuality_Timer();
        for (const char* name : {"city2", "news0", "msgText"})
            QCOMPARE(Named<QLabel>(w, name)->textFormat(), Qt::PlainText);
        QCOMPARE(Text(w, "news0"), QStringLiteral("Společnost: Plachty <i>a</i> syn"));
        // Three cities on the chart where the file puts them, the rest not.
        for (int i = 0; i < 9; ++i)
            QCOMPARE(Named(w, "city", i)->isHidden(), i >= 3);
        QCOMPARE(Named(w, "city", 2)->pos(), QPoint(520, 330));
        // Open black, closed grey, the current city red whatever its access.
        QCOMPARE(ForeColor(Named(w, "city", 0)), portstyle::Black);
        QCOMPARE(ForeColor(Named(w, "city", 1)), portstyle::Red);
        QCOMPARE(ForeColor(Named(w, "city", 2)), QColor(128, 128, 128));
    }

    void aGoalAlreadyMetIsAnnouncedWhileTheGameLoadsBeforeTheGoal() {
        testing::ScreenFixture fx;
        QString game = QString::fromUtf8(testing::PortGame);
        game.replace(QStringLiteral("Mapa=Mapa1"), QStringLiteral("Mapa=Mapa4"))
            .replace(QStringLiteral("Hotovost=25000"), QStringLiteral("Hotovost=0"))
            .replace(QStringLiteral("Konto=-3000"), QStringLiteral("Konto=0"))
            .replace(QStringLiteral("Pocet=2"), QStringLiteral("Pocet=1"));
        testing::PrepareGame(fx, game);
        testing::WriteChart(fx, QStringLiteral("Mapa4"));
        frmMain w(fx.game());
        int resultsOpened = 0;
        w.OpenResultsWindow = [&] {
            ++resultsOpened;
            QVERIFY(fx.game().state.HandOff == HandOffWord::Zapis);
        };
        // The window comes up by itself so the question can be answered. A new game that
        // starts inside its goal is congratulated first, then shown its goal.
        fx.game().state.PendingAction = Pending::NewGame;
        testing::Answerer ok(w, QStringLiteral("OK"));
        w.Form_Load();
        QTRY_COMPARE(ok.titles, (QStringList{QStringLiteral("Dokončení mapy"),
                                             QStringLiteral("Úkolem této mapy je ...")}));
        QCOMPARE(resultsOpened, 1);
    }

    void theShippedMapsPutEveryCityOnTheChart() {
        for (int map = 1; map <= 4; ++map) {
            testing::ScreenFixture fx;
            const QString mapa = QStringLiteral("Mapa%1").arg(map);
            QVERIFY(fx.copyShipped(mapa + QStringLiteral(".mlo")));
            QVERIFY(fx.copyShipped(mapa + QStringLiteral(".jpg")));
            fx.game().state.HandOff = fx.dataPath(mapa + QStringLiteral(".mlo")).toStdString();
            frmMain w(fx.game());
            w.Form_Load();
            QVERIFY2(w.HasGame(), qPrintable(w.LoadError()));
            // Readable: each whole name inside the visible part of the chart, none over another.
            for (int i = 0; i < fx.game().state.PocetMest; ++i) {
                const QRect r = Named(w, "city", i)->geometry();
                const QString name = mapa + QStringLiteral(": ") + Text(w, "city", i);
                QVERIFY2(Named(w, "seaChart")->rect().contains(r), qPrintable(name));
                for (int j = 0; j < i; ++j)
                    QVERIFY2(!r.intersects(Named(w, "city", j)->geometry()), qPrintable(name));
            }
        }
    }

    // The game opens in Skalná on day 12, where silver moves from 300 to 301. The marked tab
    // is the open panel's, however it opened or closed: a click, a close cross, the program.
    void thePanelsShowTheGameAndFollowIt() {
        PortScreen s;
        frmMain& w = *s.w;
        GameState& st = s.st();
        auto shown = [&] {
            QStringList v;
            for (int i : {zalozka::Trade, zalozka::Dock, zalozka::Bank, zalozka::Save})
                if (w.PanelAt(i)->isVisible())
                    v << QString::number(i);
            for (const char* tab : {"tabMapa", "tabObchod", "tabDok", "tabBanka"})
                if (ForeColor(Named(w, tab)) == portstyle::Red)
                    v << QString::fromLatin1(tab);
            return v.join(QLatin1Char(','));
        };
        QCOMPARE(shown(), QStringLiteral("tabMapa"));
        // The dock opens with the keys on its first action: the upgrade the small ships have.
        Click(w, "tabDok");
        QCOMPARE(QApplication::focusWidget(), Named(w, "upgrade"));
        st.Cities[1].Trh[5].Cena = 444; // a purchase moved the price
        Click(w, "tabObchod");
        QCOMPARE(shown(), QStringLiteral("1,tabObchod"));
        // The trade panel shows the current city's market, each row at its goods' place, the
        // cargo without gaps, and writes the market into the logbook.
        QCOMPARE(Text(w, "marketPrice", 1), QStringLiteral("300"));
        QVERIFY(Named(w, "market", 2)->isHidden());
        QCOMPARE(Text(w, "cargoUnits", 1), QStringLiteral("5"));
        QCOMPARE(st.Denik.Mesta[1].Posledni.Cena[5], 444);
        Click(w, "tabBanka");
        QCOMPARE(shown(), QStringLiteral("3,tabBanka"));
        w.PanelAt(zalozka::Save)->show();
        Click(w, "tabMapa");
        QCOMPARE(shown(), QStringLiteral("tabMapa"));
        Click(w, "tabDok");
        QTest::mouseClick(w.PanelAt(zalozka::Dock)->CloseCross(), Qt::LeftButton);
        QCOMPARE(shown(), QStringLiteral("tabMapa"));
        w.ShowTab(zalozka::Trade); // an arrival opens the market
        // Hidden behind the menu and shown again, the window keeps its mark.
        w.hide();
        w.show();
        QCOMPARE(shown(), QStringLiteral("1,tabObchod"));
        w.ClosePanels();
        QCOMPARE(shown(), QStringLiteral("tabMapa"));

        // The fleet comes to Vlnobrod and stays five days. Skalná's panel shows the logbook,
        // whose old prices do not trade.
        CityInfoPanel& info = *w.findChild<CityInfoPanel*>();
        auto& area = *static_cast<LogbookArea*>(Named<QFrame>(w, "logbook"));
        st.AktualniMesto = 0;
        RecordVisit(st);
        AdvanceDays(st, s.fx.random(), w, 5);
        info.ShowCity(1);
        QCOMPARE(area.lblNadpis->text(), QStringLiteral("Ceny z deníku (den 12)"));
        QCOMPARE(area.lblCena[1]->text(), QStringLiteral("300")); // 301 today
        QVERIFY(area.lblCena[0]->isHidden());                     // Skalná trades no gold
        QTest::mouseClick(area.lblCena[1], Qt::LeftButton);
        QVERIFY(Named(w, "buy")->isHidden());
        // The city the fleet lies in, which an open panel follows from day to day.
        info.ShowCity(0);
        AdvanceDays(st, s.fx.random(), w, 1);
        QCOMPARE(area.lblNadpis->text(), QStringLiteral("Ceny z deníku (den 18)"));
        // Research shows today's prices in the logbook's place, and follows the days too.
        st.Cities[1].PruzkumTrhu = 2;
        info.ShowCity(1);
        QVERIFY(area.isHidden());
        QCOMPARE(Text(w, "researchPrice", 1), QStringLiteral("302"));
        // The day's interest lands in cash, and the cash shown follows.
        st.Konto = 50000;
        AdvanceDays(st, s.fx.random(), w, 1);
        QCOMPARE(Text(w, "cash"), QString::fromStdString(FormatMoney(st.Hotovost)));
        QCOMPARE(Text(w, "researchPrice", 1), QStringLiteral("303"));
        QCOMPARE(Text(w, "researchTrend", 1), QStringLiteral(">"));
        QCOMPARE(Text(w, "days"), QStringLiteral("19"));

        // Galleons have nothing to upgrade to; a fleet without ships keeps the last load line.
        st.Fleet.Typ = 2;
        st.Fleet.Pocet = 0;
        w.ShowFleet();
        QVERIFY(Named(w, "upgrade")->isHidden());
        QVERIFY(Named(w, "ship", 0)->isHidden() && !Named(w, "ship", 2)->isHidden());
        QCOMPARE(Text(w, "loadLine"), QStringLiteral("15 z 100"));
    }
};

QTEST_MAIN(frmMainTest)
#include "frmMainTest.moc"
