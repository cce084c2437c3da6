#include "PortFixture.h"
#include "port/Money.h"
#include "port/PortStyle.h"
#include "state/Numbers.h"

#include <QTest>

using namespace vlnobrod;
using vlnobrod::portstyle::ForeColor;

class frmMainLoadTest : public QObject {
    Q_OBJECT
private slots:
    void withoutAGameTheWindowStaysEmpty() {
        testing::ScreenFixture fx;
        fx.game().state.FocusKey = "Z02";
        frmMain w(fx.game());
        w.Form_Load();
        QVERIFY(!w.HasGame());
        QVERIFY(w.LoadError().isEmpty());
        QCOMPARE(fx.game().state.FocusKey, std::string("F00"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Vlnobrod"));
        for (ClickLabel* city : w.lblMěsto)
            QVERIFY(city->isHidden());
        // Everything the player can click shows the game's hand.
        QCOMPARE(w.lblZal[1]->cursor().shape(), w.lblAkce[5]->cursor().shape());
        QVERIFY(w.lblAkce[5]->cursor().shape() != Qt::ArrowCursor);
        QVERIFY(w.lblSurovina[30]->cursor().shape() != Qt::ArrowCursor);
        QVERIFY(w.cmd[0]->cursor().shape() != Qt::ArrowCursor);
    }

    void loadingShowsTheGame() {
        testing::ScreenFixture fx;
        testing::PrepareGame(fx);
        fx.game().state.PendingAction = 1; // a voyage of the last game, abandoned
        frmMain w(fx.game());
        w.Form_Load();
        QVERIFY(w.HasGame());
        const GameState& st = fx.game().state;

        QCOMPARE(w.windowTitle(), QStringLiteral("Vlnobrod - Jan Novák - Plachty a syn"));
        QCOMPARE(w.Hra->pixmap().size(), QSize(943, 590));
        // Three cities on the chart where the file puts them, the rest not.
        for (int i = 0; i < 9; ++i)
            QCOMPARE(w.lblMěsto[i]->isHidden(), i >= 3);
        QCOMPARE(w.lblMěsto[0]->text(), QStringLiteral("Vlnobrod"));
        QCOMPARE(w.lblMěsto[2]->text(), QStringLiteral("Zlatý Mys"));
        QCOMPARE(w.lblMěsto[0]->pos(), QPoint(100, 50));
        QCOMPARE(w.lblMěsto[2]->pos(), QPoint(520, 330));
        QCOMPARE(w.lblMěsto[2]->pos(), QPoint(st.Cities[2].X, st.Cities[2].Y));
        // Open black, closed grey, the current city red whatever its access.
        QCOMPARE(ForeColor(w.lblMěsto[0]), QColor(0, 0, 0));
        QCOMPARE(ForeColor(w.lblMěsto[1]), QColor(255, 0, 0));
        QCOMPARE(ForeColor(w.lblMěsto[2]), QColor(128, 128, 128));

        // One day's movement of the prices, but the stored money and the stored day count.
        QCOMPARE(st.Cities[0].Trh[0].Cena, std::int16_t(197));
        QCOMPARE(st.Cities[0].Trh[0].MinCena, std::int16_t(200));
        QCOMPARE(st.Cities[1].Trh[1].Cena, std::int16_t(301));
        QCOMPARE(st.Hotovost, 25000.0);
        QCOMPARE(st.Konto, -3000.0);
        QCOMPARE(st.Den, std::int16_t(12));
        QCOMPARE(w.lblDny->text(), QStringLiteral("12"));
        QCOMPARE(w.lblHotovost->text(), QStringLiteral("25 000"));
        QCOMPARE(w.lblKonto->text(), QString::fromStdString(FormatMoney(-3000)));
        QCOMPARE(st.PendingAction, std::uint8_t(0));

        QCOMPARE(st.NewsQueue[0].text, std::string("Společnost: Plachty a syn"));
        QCOMPARE(st.NewsQueue[1].text, std::string("Jméno: Jan Novák"));
        QCOMPARE(st.NewsQueue[0].kind, std::uint8_t(0));
        QCOMPARE(w.lbl[4]->text(), QStringLiteral("Obchod - Skalná"));
        QVERIFY(st.StateSaved);
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

    void aGoalAlreadyMetIsAnnouncedWhileTheGameLoads() {
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
            QCOMPARE(fx.game().state.HandOff, std::string("Zápis"));
        };
        QString title;
        QTimer::singleShot(0, &w, [&] {
            // The window comes up by itself so the question can be answered.
            QTRY_VERIFY(w.picMsgBox->isVisible());
            title = w.lblTitulek->text();
            QTest::mouseClick(w.cmd[0], Qt::LeftButton);
        });
        w.Form_Load();
        QCOMPARE(title, QStringLiteral("Dokončení mapy"));
        QCOMPARE(resultsOpened, 1);
        QVERIFY(fx.game().state.Hotovo);
        QVERIFY(w.picMsgBox->isHidden());
    }

    void theFiguresFollowMoneyAndDays() {
        testing::ScreenFixture fx;
        testing::PrepareGame(fx);
        frmMain w(fx.game());
        w.Form_Load();
        GameState& st = fx.game().state;
        ChangeMoney(st, w, 1234567, false);
        QCOMPARE(w.lblHotovost->text(), QStringLiteral("1 259 567"));
        ChangeMoney(st, w, 13000, true);
        QCOMPARE(w.lblKonto->text(), QStringLiteral("10 000"));
        QVERIFY(!st.StateSaved);
        st.Den = 40;
        w.DaysAdvanced();
        QCOMPARE(w.lblDny->text(), QStringLiteral("40"));
    }

    void theTradePanelListsPricesAndCargo() {
        testing::ScreenFixture fx;
        testing::PrepareGame(fx);
        frmMain w(fx.game());
        w.Form_Load();
        GameState& st = fx.game().state;
        w.ShowMarket(0, false);
        // Goods 0 and 3 are traded in Vlnobrod; the rows stand at their goods' places.
        QVERIFY(!w.lblSurovina[28]->isHidden());
        QCOMPARE(w.lblSurovina[28 + 14]->text(), QStringLiteral("197"));
        QCOMPARE(w.lblSurovina[28 + 3]->Tag, QStringLiteral("3"));
        QVERIFY(!w.lblSurovina[28 + 3]->text().isEmpty());
        QVERIFY(w.lblSurovina[28 + 1]->isHidden());
        QVERIFY(w.lblSurovina[28 + 14 + 1]->isHidden());
        QCOMPARE(w.shpSurovina[14]->width(), 20); // 197 / 110 × 11
        QVERIFY(w.shpSurovina[14 + 1]->isHidden());
        // Another city replaces the rows.
        w.ShowMarket(1, false);
        QVERIFY(w.lblSurovina[28]->isHidden());
        QCOMPARE(w.lblSurovina[42 + 5]->text(), QStringLiteral("400"));

        w.ShowFleet();
        // Cargo in slots 2 and 9 fills rows 0 and 1.
        QVERIFY(!w.lblNáklad[0]->isHidden());
        QVERIFY(!w.lblNáklad[1]->isHidden());
        QVERIFY(w.lblNáklad[2]->isHidden());
        QCOMPARE(w.lblNákladB[0]->text(), QStringLiteral("10"));
        QCOMPARE(w.lblNákladB[1]->text(), QStringLiteral("5"));
        QCOMPARE(w.lbl[18]->Tag, QStringLiteral("15"));
        QCOMPARE(w.lbl[18]->text(), QStringLiteral("15 z 100"));
        QCOMPARE(w.shpNaložení[1]->width(), w.shpNaložení[0]->width() * 15 / 100);
        QCOMPARE(w.lbl[22]->text(), QStringLiteral("2 lodě typu: Malá obchodní loď"));
        QCOMPARE(w.lbl[24]->text(), QStringLiteral("50 jednotek"));
        QCOMPARE(w.lbl[26]->text(), QStringLiteral("15"));
        QCOMPARE(w.lbl[20]->text(), QStringLiteral("20 %"));
        QCOMPARE(w.shpNaložení[2]->width(), 20);
        QCOMPARE(w.lbl[34]->text(), QStringLiteral("25 000"));
        QVERIFY(!w.imgLoď[1]->isHidden());
        QVERIFY(w.imgLoď[3]->isHidden());
        QVERIFY(!w.lblAkce[8]->isHidden());
        QCOMPARE(w.lbl[29]->text(), QStringLiteral("na velkou obchodní loď za 250 000"));

        // A fleet of galleons has nothing to upgrade to; a fleet without ships keeps the
        // last load line.
        st.Fleet.Typ = 2;
        st.Fleet.Pocet = 0;
        st.Fleet.Naklad[2] = 0;
        w.ShowFleet();
        QVERIFY(w.lblAkce[8]->isHidden());
        QVERIFY(w.lbl[29]->isHidden());
        QVERIFY(!w.imgLoď[3]->isHidden());
        QVERIFY(w.imgLoď[1]->isHidden());
        QCOMPARE(w.lbl[22]->text(), QStringLiteral("žádná loď typu: Galeona"));
        QCOMPARE(w.lbl[18]->text(), QStringLiteral("15 z 100"));
        QCOMPARE(w.lbl[18]->Tag, QStringLiteral("5"));
        QVERIFY(w.lblNáklad[1]->isHidden());
    }

    void theResearchChartShowsTrends() {
        testing::ScreenFixture fx;
        testing::PrepareGame(fx);
        frmMain w(fx.game());
        w.Form_Load();
        w.ShowMarket(0, true);
        QVERIFY(!w.picGraf->isHidden());
        // 200 -> 197: a small fall, red; goods 3 stays at 120 after its MinCena of 120.
        QCOMPARE(w.lblKurs[0]->text(), QStringLiteral("<"));
        QCOMPARE(portstyle::BackColor(w.shpSurovina[0]), QColor(255, 0, 0));
        QCOMPARE(w.lblKurs[3]->text(), QStringLiteral("="));
        QVERIFY(w.lblKurs[1]->isHidden());
        QCOMPARE(w.lblSurovina[14]->text(), QStringLiteral("197"));
        // An open chart follows the day's prices.
        w.lbl[0]->Tag = QStringLiteral("1");
        w.picInf->show();
        w.DaysAdvanced();
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
            const int cities = fx.game().state.PocetMest;
            QVERIFY(cities > 0);
            for (int i = 0; i < cities; ++i) {
                // Readable: the whole name inside the visible part of the chart.
                const QRect r = w.lblMěsto[i]->geometry();
                QVERIFY2(w.Hra->rect().contains(r),
                         qPrintable(mapa + QStringLiteral(": ") + w.lblMěsto[i]->text()));
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
};

QTEST_MAIN(frmMainLoadTest)
#include "frmMainLoadTest.moc"
