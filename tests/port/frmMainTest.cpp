#include "port/LogbookArea.h"
#include "support/PortFixture.h"
#include "trade/CityInfoPanel.h"
#include "widgets/PortStyle.h"
#include "world/DayChange.h"
#include "world/Logbook.h"

#include <QApplication>
#include <QTest>

using namespace vlnobrod;
using namespace vlnobrod::testing;
using namespace Qt::StringLiterals;
using portstyle::ForeColor;

class frmMainTest : public QObject {
    Q_OBJECT
private slots:
    void loadingShowsTheGame() {
        ScreenFixture fx;
        // Markup in a map file or typed by a player is shown as written.
        PrepareGame(fx, QString::fromUtf8(PortGame)
                            .replace(u"Plachty a syn"_s, u"Plachty <i>a</i> syn"_s)
                            .replace(u"Zlatý Mys"_s, u"<b>Zlatý</b> Mys"_s));
        frmMain w(fx.game());
        w.Form_Load();
        w.tmrAktuality_Timer();
        for (const char* name : {"city2", "news0", "msgText"})
            QCOMPARE(Named<QLabel>(w, name)->textFormat(), Qt::PlainText);
        QCOMPARE(Text(w, "news0"), u"Společnost: Plachty <i>a</i> syn"_s);
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
        ScreenFixture fx;
        PrepareGame(fx, QString::fromUtf8(PortGame)
                            .replace(u"Mapa=Mapa1"_s, u"Mapa=Mapa4"_s)
                            .replace(u"Hotovost=25000"_s, u"Hotovost=0"_s)
                            .replace(u"Konto=-3000"_s, u"Konto=0"_s)
                            .replace(u"Pocet=2"_s, u"Pocet=1"_s));
        WriteChart(fx, u"Mapa4"_s);
        frmMain w(fx.game());
        QList<bool> results; // each opening of the results: whether the map came to be entered
        w.OpenResultsWindow = [&] { results << (fx.game().state.HandOff == HandOffWord::Zapis); };
        // The window comes up by itself so the question can be answered. A new game that
        // starts inside its goal is congratulated first, then shown its goal.
        fx.game().state.PendingAction = Pending::NewGame;
        Answerer ok(w, u"OK"_s);
        w.Form_Load();
        QTRY_COMPARE(ok.titles, (QStringList{u"Dokončení mapy"_s, u"Úkolem této mapy je ..."_s}));
        QCOMPARE(results, QList<bool>{true});
    }

    void theShippedMapsPutEveryCityOnTheChart() {
        for (int map = 1; map <= 4; ++map) {
            ScreenFixture fx;
            const QString mapa = u"Mapa%1"_s.arg(map);
            QVERIFY(fx.copyShipped(mapa + u".mlo"_s) && fx.copyShipped(mapa + u".jpg"_s));
            fx.game().state.HandOff = fx.dataPath(mapa + u".mlo"_s).toStdString();
            frmMain w(fx.game());
            w.Form_Load();
            QVERIFY2(w.HasGame(), qPrintable(w.LoadError()));
            // Readable: each whole name inside the visible part of the chart, none over another.
            for (int i = 0; i < fx.game().state.PocetMest; ++i) {
                const QRect r = Named(w, "city", i)->geometry();
                const QString name = mapa + u": "_s + Text(w, "city", i);
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
                    v << tab;
            return v.join(',');
        };
        QCOMPARE(shown(), u"tabMapa"_s);
        // The dock opens with the keys on its first action: the upgrade the small ships have.
        Click(w, "tabDok");
        QCOMPARE(QApplication::focusWidget(), Named(w, "upgrade"));
        st.Cities[1].Trh[5].Cena = 444; // a purchase moved the price
        Click(w, "tabObchod");
        QCOMPARE(shown(), u"1,tabObchod"_s);
        // The trade panel shows the current city's market, each row at its goods' place, the
        // cargo without gaps, and writes the market into the logbook.
        QCOMPARE(Text(w, "marketPrice", 1), u"300"_s);
        QVERIFY(Named(w, "market", 2)->isHidden());
        QCOMPARE(Text(w, "cargoUnits", 1), u"5"_s);
        QCOMPARE(st.Denik.Mesta[1].Posledni.Cena[5], 444);
        Click(w, "tabBanka");
        QCOMPARE(shown(), u"3,tabBanka"_s);
        w.PanelAt(zalozka::Save)->show();
        Click(w, "tabMapa");
        QCOMPARE(shown(), u"tabMapa"_s);
        Click(w, "tabDok");
        QTest::mouseClick(w.PanelAt(zalozka::Dock)->CloseCross(), Qt::LeftButton);
        QCOMPARE(shown(), u"tabMapa"_s);
        w.ShowTab(zalozka::Trade); // an arrival opens the market
        // Hidden behind the menu and shown again, the window keeps its mark.
        w.hide();
        w.show();
        QCOMPARE(shown(), u"1,tabObchod"_s);
        w.ClosePanels();
        QCOMPARE(shown(), u"tabMapa"_s);

        // The fleet comes to Vlnobrod and stays five days. Skalná's panel shows the logbook,
        // whose old prices do not trade.
        CityInfoPanel& info = *w.findChild<CityInfoPanel*>();
        auto& area = *static_cast<LogbookArea*>(Named<QFrame>(w, "logbook"));
        st.AktualniMesto = 0;
        RecordVisit(st);
        AdvanceDays(st, s.fx.random(), w, 5);
        info.ShowCity(1);
        QCOMPARE(area.lblNadpis->text(), u"Ceny z deníku (den 12)"_s);
        QCOMPARE(area.lblCena[1]->text(), u"300"_s); // 301 today
        QVERIFY(area.lblCena[0]->isHidden());        // Skalná trades no gold
        QTest::mouseClick(area.lblCena[1], Qt::LeftButton);
        QVERIFY(Named(w, "buy")->isHidden());
        // The city the fleet lies in, which an open panel follows from day to day.
        info.ShowCity(0);
        AdvanceDays(st, s.fx.random(), w, 1);
        QCOMPARE(area.lblNadpis->text(), u"Ceny z deníku (den 18)"_s);
        // Research shows today's prices in the logbook's place, and follows the days too.
        st.Cities[1].PruzkumTrhu = 2;
        info.ShowCity(1);
        QVERIFY(area.isHidden());
        QCOMPARE(Text(w, "researchPrice", 1), u"302"_s);
        // The day's interest lands in cash, and the cash shown follows.
        st.Konto = 50000;
        AdvanceDays(st, s.fx.random(), w, 1);
        QCOMPARE(Text(w, "cash"), QString::fromStdString(FormatMoney(st.Hotovost)));
        QCOMPARE(Text(w, "researchPrice", 1) + Text(w, "researchTrend", 1), u"303>"_s);
        QCOMPARE(Text(w, "days"), u"19"_s);

        // Galleons have nothing to upgrade to; a fleet without ships keeps the last load line.
        st.Fleet.Typ = 2;
        st.Fleet.Pocet = 0;
        w.ShowFleet();
        QVERIFY(Named(w, "upgrade")->isHidden());
        QVERIFY(Named(w, "ship", 0)->isHidden() && !Named(w, "ship", 2)->isHidden());
        QCOMPARE(Text(w, "loadLine"), u"15 z 100"_s);
    }
};

QTEST_MAIN(frmMainTest)
#include "frmMainTest.moc"
