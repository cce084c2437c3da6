#include "port/LogbookArea.h"
#include "port/PortLabels.h"
#include "support/PortFixture.h"
#include "widgets/PortStyle.h"
#include "world/DayChange.h"
#include "world/Logbook.h"

#include <QTest>

using namespace vlnobrod;
using vlnobrod::portstyle::ForeColor;
using vlnobrod::testing::PortScreen;

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
        QVERIFY(w.HasGame());
        QCOMPARE(w.windowTitle(), QStringLiteral("Vlnobrod - Jan Novák - Plachty <i>a</i> syn"));
        w.tmrAktuality_Timer();
        for (const QLabel* l : {static_cast<QLabel*>(w.lblMěsto[2]), w.lblInfo[0], w.lblText})
            QCOMPARE(l->textFormat(), Qt::PlainText);
        QCOMPARE(w.lblInfo[0]->text(), QStringLiteral("Společnost: Plachty <i>a</i> syn"));
        // Three cities on the chart where the file puts them, the rest not.
        for (int i = 0; i < 9; ++i)
            QCOMPARE(w.lblMěsto[i]->isHidden(), i >= 3);
        QCOMPARE(w.lblMěsto[2]->pos(), QPoint(520, 330));
        // Open black, closed grey, the current city red whatever its access.
        QCOMPARE(ForeColor(w.lblMěsto[0]), portstyle::Black);
        QCOMPARE(ForeColor(w.lblMěsto[1]), portstyle::Red);
        QCOMPARE(ForeColor(w.lblMěsto[2]), QColor(128, 128, 128));

        // The game opened through its rules: the saved day goes on with its prices as saved,
        // the stored money and day count on the counters.
        QCOMPARE(fx.game().state.Cities[0].Trh[0].Cena, std::int16_t(200));
        QCOMPARE(w.lblDny->text(), QStringLiteral("12"));
        QCOMPARE(w.lblHotovost->text(), QStringLiteral("25 000"));
        QCOMPARE(w.lblKonto->text(), QStringLiteral("-3 000"));
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
        QCOMPARE(ok.titles, QStringList{QStringLiteral("Dokončení mapy")});
        QCOMPARE(resultsOpened, 1);
        QTRY_COMPARE(ok.titles, (QStringList{QStringLiteral("Dokončení mapy"),
                                             QStringLiteral("Úkolem této mapy je ...")}));
        QVERIFY(w.picMsgBox->isHidden());
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
            QVERIFY(fx.game().state.PocetMest > 0);
            for (int i = 0; i < fx.game().state.PocetMest; ++i) {
                const QRect r = w.lblMěsto[i]->geometry();
                const QString name = mapa + QStringLiteral(": ") + w.lblMěsto[i]->text();
                QVERIFY2(w.Hra->rect().contains(r), qPrintable(name));
                for (int j = 0; j < i; ++j)
                    QVERIFY2(!r.intersects(w.lblMěsto[j]->geometry()), qPrintable(name));
            }
        }
    }

    // The game opens in Skalná on day 12, where silver moves from 300 to 301.
    void thePanelsShowTheGameAndFollowIt() {
        PortScreen s;
        frmMain& w = *s.w;
        GameState& st = s.st();
        auto shown = [&] {
            QList<bool> v;
            for (Panel* p : w.picZáložka)
                v << p->isVisible();
            return v;
        };
        st.Cities[1].Trh[5].Cena = 444; // a purchase moved the price
        QTest::mouseClick(w.lblZal[1], Qt::LeftButton);
        QCOMPARE(shown(), (QList<bool>{true, false, false, false}));
        // The trade panel shows the current city's market, each row at its goods' place, the
        // cargo without gaps, and writes the market into the logbook.
        QCOMPARE(w.lblSurovina[42 + 1]->text(), QStringLiteral("300"));
        QVERIFY(w.lblSurovina[28 + 2]->isHidden());
        QCOMPARE(w.lblNákladB[1]->text(), QStringLiteral("5"));
        QCOMPARE(st.Denik.Mesta[1].Posledni.Cena[5], 444);
        QTest::mouseClick(w.lblZal[3], Qt::LeftButton);
        QCOMPARE(shown(), (QList<bool>{false, false, true, false}));
        // "Mapa" clears the chart, and a close cross hides its panel.
        w.picZáložka[3]->show();
        QTest::mouseClick(w.lblZal[0], Qt::LeftButton);
        QCOMPARE(shown(), (QList<bool>{false, false, false, false}));
        QTest::mouseClick(w.lblZal[2], Qt::LeftButton);
        QTest::mouseClick(w.picZáložka[1]->CloseCross(), Qt::LeftButton);
        QVERIFY(!w.picZáložka[1]->isVisible());

        // The fleet comes to Vlnobrod and stays five days. Skalná's panel shows the logbook,
        // whose old prices do not trade.
        LogbookArea& area = *w.picDeník;
        auto open = [&](std::uint8_t city) {
            w.lbl[popisek::InfoCity]->Tag = QString::number(city);
            w.picInf->show();
            w.ShowLogbook(city);
        };
        st.AktualniMesto = 0;
        RecordVisit(st);
        AdvanceDays(st, s.fx.random(), w, 5);
        open(1);
        QCOMPARE(area.lblNadpis->text(), QStringLiteral("Ceny z deníku (den 12)"));
        QCOMPARE(area.lblCena[1]->text(), QStringLiteral("300")); // 301 today
        QVERIFY(area.lblCena[0]->isHidden());                     // Skalná trades no gold
        QTest::mouseClick(area.lblCena[1], Qt::LeftButton);
        QVERIFY(w.lblAkce[akce::Buy]->isHidden());
        // The city the fleet lies in, which an open panel follows from day to day.
        open(0);
        AdvanceDays(st, s.fx.random(), w, 1);
        QCOMPARE(area.lblNadpis->text(), QStringLiteral("Ceny z deníku (den 18)"));
        QCOMPARE(area.lblCena[0]->text(), QString::number(st.Cities[0].Trh[0].Cena));
        // Research shows today's prices in the logbook's place, and follows the days too.
        st.Cities[1].PruzkumTrhu = 2;
        open(1);
        w.ShowMarket(1, true);
        QVERIFY(area.isHidden());
        QCOMPARE(w.lblSurovina[14 + 1]->text(), QStringLiteral("302"));
        // The day's interest lands in cash, and the cash shown follows.
        st.Konto = 50000;
        AdvanceDays(st, s.fx.random(), w, 1);
        QCOMPARE(w.lblHotovost->text(), QString::fromStdString(FormatMoney(st.Hotovost)));
        QCOMPARE(w.lblSurovina[14 + 1]->text(), QStringLiteral("303"));
        QCOMPARE(w.lblKurs[1]->text(), QStringLiteral(">"));
        QCOMPARE(w.lblDny->text(), QStringLiteral("19"));

        // Galleons have nothing to upgrade to; a fleet without ships keeps the last load line.
        st.Fleet.Typ = 2;
        st.Fleet.Pocet = 0;
        w.ShowFleet();
        QVERIFY(w.lblAkce[8]->isHidden());
        QVERIFY(w.imgLoď[1]->isHidden());
        QCOMPARE(w.lbl[popisek::LoadLine]->text(), QStringLiteral("15 z 100"));
    }
};

QTEST_MAIN(frmMainTest)
#include "frmMainTest.moc"
