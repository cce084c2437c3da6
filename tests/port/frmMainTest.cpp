#include "port/Money.h"
#include "support/PortFixture.h"
#include "widgets/PortStyle.h"

#include <QTest>

using namespace vlnobrod;
using vlnobrod::portstyle::ForeColor;
using vlnobrod::testing::PortScreen;

namespace {

const QColor red(255, 0, 0);
const QColor black(0, 0, 0);

// Drags a panel by its title bar with the mouse and drops it. The mouse moves in window
// coordinates, as a real mouse does, while the bar moves under it.
void drag(QWidget* window, Panel* p, QPoint by) {
    QWidget* bar = p->TitleBar();
    const QPoint start(40, 10);
    const QPoint startInWindow = bar->mapTo(window, start);
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(bar, bar->mapFrom(window, startInWindow + by / 2));
    QTest::mouseMove(bar, bar->mapFrom(window, startInWindow + by));
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier,
                        bar->mapFrom(window, startInWindow + by));
}

} // namespace

class frmMainTest : public QObject {
    Q_OBJECT
private slots:
    void withoutAGameTheWindowStaysEmpty() {
        PortScreen s("");
        QVERIFY(!s.w->HasGame());
        QVERIFY(s.w->LoadError().isEmpty());
        for (ClickLabel* city : s.w->lblMěsto)
            QVERIFY(city->isHidden());
        // Everything the player can click shows the game's hand.
        for (QWidget* c : {s.w->lblZal[1], s.w->lblAkce[5], s.w->lblSurovina[30], s.w->cmd[0]})
            QCOMPARE(c->cursor().shape(), Qt::BitmapCursor);
    }

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
        const GameState& st = fx.game().state;
        QCOMPARE(w.windowTitle(), QStringLiteral("Vlnobrod - Jan Novák - Plachty <i>a</i> syn"));
        w.tmrAktuality_Timer();
        for (const QLabel* l : {static_cast<QLabel*>(w.lblMěsto[2]), w.lblInfo[0], w.lblText})
            QCOMPARE(l->textFormat(), Qt::PlainText);
        QCOMPARE(w.lblInfo[0]->text(), QStringLiteral("Společnost: Plachty <i>a</i> syn"));
        QCOMPARE(w.Hra->pixmap().size(), QSize(943, 590));
        // Three cities on the chart where the file puts them, the rest not.
        for (int i = 0; i < 9; ++i)
            QCOMPARE(w.lblMěsto[i]->isHidden(), i >= 3);
        QCOMPARE(w.lblMěsto[2]->text(), QStringLiteral("<b>Zlatý</b> Mys"));
        QCOMPARE(w.lblMěsto[2]->pos(), QPoint(520, 330));
        // Open black, closed grey, the current city red whatever its access.
        QCOMPARE(ForeColor(w.lblMěsto[0]), black);
        QCOMPARE(ForeColor(w.lblMěsto[1]), red);
        QCOMPARE(ForeColor(w.lblMěsto[2]), QColor(128, 128, 128));

        // The game opened through its rules: one day's price step, the stored money and day
        // count on the counters, the greeting in the news.
        QCOMPARE(st.Cities[0].Trh[0].Cena, std::int16_t(197));
        QCOMPARE(w.lblDny->text(), QStringLiteral("12"));
        QCOMPARE(w.lblHotovost->text(), QStringLiteral("25 000"));
        QCOMPARE(w.lblKonto->text(), QStringLiteral("-3 000"));
        QCOMPARE(w.lbl[4]->text(), QStringLiteral("Obchod - Skalná"));
    }

    void aGameThatCannotBeOpenedLeavesTheOneInMemory() {
        testing::ScreenFixture fx;
        fx.game().state.Name = "Hráč předchozí hry";
        fx.game().state.HandOff = fx.dataPath(QStringLiteral("neni.map")).toStdString();
        {
            frmMain w(fx.game());
            w.Form_Load();
            QVERIFY(!w.HasGame());
            QVERIFY(w.LoadError().contains(QStringLiteral("neni.map")));
        }
        // The file is there but its chart is not.
        const QString path =
            fx.writeData(QStringLiteral("aktual.map"), QString::fromUtf8(testing::PortGame));
        fx.game().state.HandOff = path.toStdString();
        frmMain w(fx.game());
        w.Form_Load();
        QVERIFY(!w.HasGame());
        QVERIFY(w.LoadError().contains(QStringLiteral("Mapa1.jpg")));
        QCOMPARE(fx.game().state.Name, std::string("Hráč předchozí hry"));
        QVERIFY(w.lblMěsto[0]->isHidden());
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
        QVERIFY(fx.game().state.Hotovo);
        QVERIFY(w.picMsgBox->isHidden());
    }

    void theResearchChartAndTheCountersFollowTheGame() {
        PortScreen s;
        frmMain& w = *s.w;
        w.ShowMarket(0, true);
        // 200 -> 197: a small fall, red; goods 3 stays at 120 after its MinCena of 120.
        QCOMPARE(w.lblKurs[0]->text(), QStringLiteral("<"));
        QCOMPARE(portstyle::BackColor(w.shpSurovina[0]), red);
        QCOMPARE(w.lblKurs[3]->text(), QStringLiteral("="));
        QVERIFY(w.lblKurs[1]->isHidden());
        // The counters follow money and days; an open chart follows the day's prices.
        ChangeMoney(s.st(), w, 1234567, false);
        QCOMPARE(w.lblHotovost->text(), QStringLiteral("1 259 567"));
        ChangeMoney(s.st(), w, 13000, true);
        QCOMPARE(w.lblKonto->text(), QStringLiteral("10 000"));
        w.lbl[0]->Tag = QStringLiteral("1");
        w.picInf->show();
        s.st().Cities[1].PruzkumTrhu = 2;
        s.st().Den = 40;
        w.PricesMoved();
        w.DaysAdvanced();
        QCOMPARE(w.lblDny->text(), QStringLiteral("40"));
        QCOMPARE(w.lblSurovina[14 + 1]->text(), QStringLiteral("301"));
        QCOMPARE(w.lblKurs[1]->text(), QStringLiteral(">"));
        QVERIFY(w.lblKurs[0]->isHidden());
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
            // A picture of the port for whoever looks at the game's screens.
            const QByteArray shots = qgetenv("VLNOBROD_SCREENSHOTS");
            if (!shots.isEmpty()) {
                w.show();
                QVERIFY(QTest::qWaitForWindowExposed(&w));
                w.tmrAktuality_Timer();
                w.lblZal_Click(1);
                w.grab().save(QString::fromLocal8Bit(shots) + QStringLiteral("/port-") + mapa +
                              QStringLiteral(".png"));
            }
        }
    }

    void theMouseMovesTheHighlight() {
        PortScreen s;
        frmMain& w = *s.w;
        QTest::mouseMove(w.lblZal[1], QPoint(20, 10));
        QTRY_COMPARE(ForeColor(w.lblZal[1]), red);
        // Over the bare chart the highlight goes out.
        QTest::mouseMove(w.Hra, QPoint(5, 460));
        QTRY_COMPARE(ForeColor(w.lblZal[1]), black);

        QTest::mouseClick(w.lblZal[1], Qt::LeftButton);
        QTest::mouseMove(w.lblSurovina[43], QPoint(5, 5));
        QTRY_COMPARE(ForeColor(w.lblSurovina[43]), red);
        // The research chart's labels never light up, but the last one goes black.
        w.Fokus_Move(QStringLiteral("S05"));
        QCOMPARE(ForeColor(w.lblSurovina[43]), black);
        QCOMPARE(ForeColor(w.lblSurovina[5]), black);
        // The bare panel, away from its rows.
        w.Fokus_Move(QStringLiteral("S43"));
        QTest::mouseMove(w.picZáložka[0], QPoint(600, 200));
        QTRY_COMPARE(ForeColor(w.lblSurovina[43]), black);
    }

    void tabsOpenOnePanelAtATime() {
        PortScreen s;
        frmMain& w = *s.w;
        auto shown = [&] {
            QList<bool> v;
            for (Panel* p : w.picZáložka)
                v << p->isVisible();
            return v;
        };
        QTest::mouseClick(w.lblZal[1], Qt::LeftButton);
        QCOMPARE(shown(), (QList<bool>{true, false, false, false}));
        // The trade panel shows the current city's market, each row at its goods' place, and
        // the cargo without gaps (slots 2 and 9 in rows 0 and 1).
        QCOMPARE(w.lblSurovina[42 + 1]->text(), QStringLiteral("301"));
        QCOMPARE(w.lblSurovina[28 + 5]->Tag, QStringLiteral("5"));
        QVERIFY(w.lblSurovina[28 + 2]->isHidden());
        QVERIFY(w.shpSurovina[14 + 2]->isHidden());
        QCOMPARE(w.lblNákladB[1]->text(), QStringLiteral("5"));
        QVERIFY(w.lblNáklad[2]->isHidden());
        QCOMPARE(w.lbl[18]->text(), QStringLiteral("15 z 100"));
        QCOMPARE(w.shpNaložení[1]->width(), w.shpNaložení[0]->width() * 15 / 100);
        QTest::mouseClick(w.lblZal[2], Qt::LeftButton);
        QCOMPARE(shown(), (QList<bool>{false, true, false, false}));
        QVERIFY(!w.imgLoď[1]->isHidden());
        QTest::mouseClick(w.lblZal[3], Qt::LeftButton);
        QCOMPARE(shown(), (QList<bool>{false, false, true, false}));
        QCOMPARE(w.lbl[32]->text(), w.lblKonto->text());

        // "Mapa" clears the chart and refreshes nothing.
        s.st().Fleet.Pocet = 7;
        w.picZáložka[3]->show();
        QTest::mouseClick(w.lblZal[0], Qt::LeftButton);
        QCOMPARE(shown(), (QList<bool>{false, false, false, false}));
        QCOMPARE(w.lbl[22]->text(), QStringLiteral("2 lodě typu: Malá obchodní loď"));
        // A close cross hides its panel.
        QTest::mouseClick(w.lblZal[2], Qt::LeftButton);
        QTest::mouseClick(w.picZáložka[1]->CloseCross(), Qt::LeftButton);
        QCOMPARE(shown(), (QList<bool>{false, false, false, false}));
        // Galleons have nothing to upgrade to; a fleet without ships keeps the last load line.
        QCOMPARE(w.lbl[18]->text(), QStringLiteral("15 z 350"));
        s.st().Fleet.Typ = 2;
        s.st().Fleet.Pocet = 0;
        w.ShowFleet();
        QVERIFY(w.lblAkce[8]->isHidden());
        QVERIFY(w.imgLoď[1]->isHidden());
        QCOMPARE(w.lbl[18]->text(), QStringLiteral("15 z 350"));
    }

    void aDroppedPanelStaysOnTheScreen() {
        PortScreen s("");
        Panel* p = s.w->picZáložka[1];
        p->show();
        const QPoint before = p->pos();
        drag(s.w.get(), p, QPoint(30, 20));
        QCOMPARE(p->pos(), before + QPoint(30, 20));
        // Above the top edge: back to top 0.
        drag(s.w.get(), p, QPoint(0, -400));
        QCOMPARE(p->y(), 0);
        // Out to the right: the right edge 5 pixels inside the chart.
        drag(s.w.get(), p, QPoint(900, 0));
        QCOMPARE(p->x(), frmMain::MapWidth - p->width() - 5);
        // Off the bottom: the title bar stays in the window.
        drag(s.w.get(), p, QPoint(0, 1000));
        QCOMPARE(p->y(), s.w->height() - Panel::TitleHeight);
        // Out to the left.
        drag(s.w.get(), p, QPoint(-2000, 0));
        QCOMPARE(p->x(), 0);
    }

    void f4MinimisesTheWindow() {
        PortScreen s("");
        QTest::keyClick(s.w.get(), Qt::Key_F4, Qt::ShiftModifier);
        QVERIFY(!(s.w->windowState() & Qt::WindowMinimized));
        QTest::keyClick(s.w.get(), Qt::Key_F4);
        QTRY_VERIFY(s.w->windowState() & Qt::WindowMinimized);
    }
};

QTEST_MAIN(frmMainTest)
#include "frmMainTest.moc"
