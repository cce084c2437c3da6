#include "PortFixture.h"
#include "port/PortStyle.h"

#include <QTest>

using namespace vlnobrod;
using vlnobrod::portstyle::ForeColor;

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

class frmMainChromeTest : public QObject {
    Q_OBJECT
private slots:
    void everyActionLabelIsInItsPlace() {
        testing::ScreenFixture fx;
        frmMain w(fx.game());
        const char* captions[frmMain::ActionCount] = {"Koupit přístup do města",
                                                      "Koupit Průzkum trhu (na den)",
                                                      "Koupit Průzkum trhu (permanentně)",
                                                      "Koupit",
                                                      "Prodat",
                                                      "Koupit loď",
                                                      "Prodat loď",
                                                      "Opravit",
                                                      "Vylepšit",
                                                      "Vylepšit",
                                                      "Vylepšit",
                                                      "Uložit na konto >>",
                                                      "<<Vyzvednout si",
                                                      "< Zpět do menu",
                                                      "Uložit",
                                                      "Uložit",
                                                      "Úkol",
                                                      "Statistika & Nejlepší hráči",
                                                      "Prodat vše",
                                                      "X",
                                                      "> plout sem",
                                                      "průzkum trhu"};
        for (int i = 0; i < frmMain::ActionCount; ++i)
            QCOMPARE(w.lblAkce[i]->text(), QString::fromUtf8(captions[i]));
        auto in = [](QWidget* label, QWidget* container) { return container->isAncestorOf(label); };
        for (int i : {3, 4, 18})
            QVERIFY(in(w.lblAkce[i], w.picZáložka[0]));
        for (int i : {5, 6, 7, 8, 9, 10})
            QVERIFY(in(w.lblAkce[i], w.picZáložka[1]));
        for (int i : {11, 12})
            QVERIFY(in(w.lblAkce[i], w.picZáložka[2]));
        QVERIFY(in(w.lblAkce[15], w.picZáložka[3]));
        for (int i : {0, 1, 2, 19, 20, 21})
            QVERIFY(in(w.lblAkce[i], w.picInf));
        for (int i : {13, 14, 16, 17})
            QCOMPARE(w.lblAkce[i]->parentWidget(), static_cast<QWidget*>(&w));
        QVERIFY(w.lblAkce[9]->isHidden());
        QVERIFY(w.lblAkce[10]->isHidden());
    }

    void theDispatcherRunsRegisteredActions() {
        testing::ScreenFixture fx;
        frmMain w(fx.game());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QList<int> ran;
        w.SetAction(7, [&] { ran << 7; });
        w.SetAction(18, [&] { ran << 18; });
        w.picZáložka[1]->show();
        QTest::mouseClick(w.lblAkce[7], Qt::LeftButton);
        w.lblAkce_Click(18); // "Prodat vše" is also run from code
        w.lblAkce_Click(20); // nothing registered: nothing happens
        w.lblAkce_Click(22);
        QCOMPARE(ran, (QList<int>{7, 18}));
    }

    void backToMenuLeavesTheGameInMemory() {
        testing::ScreenFixture fx;
        testing::PrepareGame(fx);
        frmMain w(fx.game());
        int menus = 0;
        w.BackToMenu = [&] { ++menus; };
        w.Form_Load();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseClick(w.lblAkce[13], Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCOMPARE(menus, 1);
        QCOMPARE(fx.game().state.HandOff, std::string("Zpět"));
        QCOMPARE(fx.game().state.Name, std::string("Jan Novák"));
    }

    void hoverLightsOneTabOrGoodsLabel() {
        testing::ScreenFixture fx;
        testing::PrepareGame(fx);
        frmMain w(fx.game());
        w.Form_Load();
        w.Fokus_Move(QStringLiteral("Z02"));
        QCOMPARE(ForeColor(w.lblZal[2]), red);
        w.Fokus_Move(QStringLiteral("S30"));
        QCOMPARE(ForeColor(w.lblZal[2]), black);
        QCOMPARE(ForeColor(w.lblSurovina[30]), red);
        // The research chart's labels never light up, but go black when left.
        w.Fokus_Move(QStringLiteral("S05"));
        QCOMPARE(ForeColor(w.lblSurovina[30]), black);
        QCOMPARE(ForeColor(w.lblSurovina[5]), black);
        QCOMPARE(fx.game().state.FocusKey, std::string("S05"));
        w.Fokus_Move(QStringLiteral("F00"));
        QCOMPARE(fx.game().state.FocusKey, std::string("F00"));
    }

    void theMouseMovesTheHighlight() {
        testing::ScreenFixture fx;
        testing::PrepareGame(fx);
        frmMain w(fx.game());
        w.Form_Load();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseMove(w.lblZal[1], QPoint(20, 10));
        QTRY_COMPARE(ForeColor(w.lblZal[1]), red);
        QCOMPARE(fx.game().state.FocusKey, std::string("Z01"));
        // Over the bare chart the highlight goes out.
        QTest::mouseMove(w.Hra, QPoint(5, 460));
        QTRY_COMPARE(fx.game().state.FocusKey, std::string("F00"));
        QCOMPARE(ForeColor(w.lblZal[1]), black);

        QTest::mouseClick(w.lblZal[1], Qt::LeftButton);
        QTest::mouseMove(w.lblSurovina[43], QPoint(5, 5));
        QTRY_COMPARE(fx.game().state.FocusKey, std::string("S43"));
        QCOMPARE(ForeColor(w.lblSurovina[43]), red);
        // The bare panel, away from its rows.
        QTest::mouseMove(w.picZáložka[0], QPoint(600, 200));
        QTRY_COMPARE(fx.game().state.FocusKey, std::string("F00"));
        QCOMPARE(ForeColor(w.lblSurovina[43]), black);
    }

    void tabsOpenOnePanelAtATime() {
        testing::ScreenFixture fx;
        testing::PrepareGame(fx);
        frmMain w(fx.game());
        w.Form_Load();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto shown = [&] {
            QList<bool> v;
            for (Panel* p : w.picZáložka)
                v << p->isVisible();
            return v;
        };
        QTest::mouseClick(w.lblZal[1], Qt::LeftButton);
        QCOMPARE(shown(), (QList<bool>{true, false, false, false}));
        // The trade panel shows the current city's market and the fleet.
        QCOMPARE(w.lblSurovina[42 + 1]->text(), QStringLiteral("301"));
        QCOMPARE(w.lbl[18]->text(), QStringLiteral("15 z 100"));

        QTest::mouseClick(w.lblZal[2], Qt::LeftButton);
        QCOMPARE(shown(), (QList<bool>{false, true, false, false}));
        QTest::mouseClick(w.lblZal[3], Qt::LeftButton);
        QCOMPARE(shown(), (QList<bool>{false, false, true, false}));
        QCOMPARE(w.lbl[32]->text(), w.lblKonto->text());

        // "Mapa" clears the chart and refreshes nothing.
        fx.game().state.Fleet.Pocet = 7;
        w.picZáložka[3]->show();
        QTest::mouseClick(w.lblZal[0], Qt::LeftButton);
        QCOMPARE(shown(), (QList<bool>{false, false, false, false}));
        QCOMPARE(w.lbl[22]->text(), QStringLiteral("2 lodě typu: Malá obchodní loď"));

        // A close cross hides its panel.
        QTest::mouseClick(w.lblZal[2], Qt::LeftButton);
        QTest::mouseClick(w.picZáložka[1]->CloseCross(), Qt::LeftButton);
        QCOMPARE(shown(), (QList<bool>{false, false, false, false}));
    }

    void aDroppedPanelStaysOnTheScreen() {
        testing::ScreenFixture fx;
        frmMain w(fx.game());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Panel* p = w.picZáložka[1];
        p->show();
        const QPoint before = p->pos();
        drag(&w, p, QPoint(30, 20));
        QCOMPARE(p->pos(), before + QPoint(30, 20));

        // Above the top edge: back to top 0.
        drag(&w, p, QPoint(0, -400));
        QCOMPARE(p->y(), 0);
        // Out to the right: the right edge 5 pixels inside the chart.
        drag(&w, p, QPoint(900, 0));
        QCOMPARE(p->x(), frmMain::MapWidth - p->width() - 5);
        // Off the bottom: the title bar stays in the window.
        drag(&w, p, QPoint(0, 1000));
        QCOMPARE(p->y(), w.height() - Panel::TitleHeight);
        // Out to the left.
        drag(&w, p, QPoint(-2000, 0));
        QCOMPARE(p->x(), 0);
    }

    void f4MinimisesTheWindow() {
        testing::ScreenFixture fx;
        frmMain w(fx.game());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::keyClick(&w, Qt::Key_F4, Qt::ShiftModifier);
        QVERIFY(!(w.windowState() & Qt::WindowMinimized));
        QTest::keyClick(&w, Qt::Key_F4);
        QTRY_VERIFY(w.windowState() & Qt::WindowMinimized);
    }

    void aNewGameShowsItsGoalOnce() {
        testing::ScreenFixture fx;
        testing::PrepareGame(fx);
        fx.writeData(QStringLiteral("Mapa1.mlo"),
                     QStringLiteral("[Mapa]\nUkol=Vydělejte milion.\nUkol2=Otevřete Skalnou.\n"));
        fx.game().state.PendingAction = 3;
        frmMain w(fx.game());
        w.Form_Load();
        QString shownText;
        QString shownTitle;
        // The goal waits for its answer inside the window's activation.
        QTimer::singleShot(200, &w, [&] {
            shownTitle = w.lblTitulek->text();
            shownText = w.lblText->text();
            QTest::mouseClick(w.cmd[0], Qt::LeftButton);
        });
        w.show();
        QTRY_VERIFY(!shownTitle.isEmpty());
        QTRY_VERIFY(w.picMsgBox->isHidden());
        QCOMPARE(shownTitle, QStringLiteral("Úkolem této mapy je ..."));
        QCOMPARE(shownText, QStringLiteral("Vydělejte milion.\nOtevřete Skalnou.\n\n"));
        QCOMPARE(fx.game().state.PendingAction, std::uint8_t(0));
        QCOMPARE(fx.game().state.HandOff, fx.dataPath(QStringLiteral("Mapa1.mlo")).toStdString());
        // Showing the window again does not greet again.
        w.hide();
        w.show();
        QTest::qWait(50);
        QVERIFY(w.picMsgBox->isHidden());
    }

    void closingAsksFirstWhenAsked() {
        testing::ScreenFixture fx;
        frmMain w(fx.game());
        int exits = 0;
        bool keepOpen = true;
        w.ExitGame = [&] { ++exits; };
        w.AskToSave = [&] { return !keepOpen; };
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.close();
        QVERIFY(w.isVisible());
        QCOMPARE(exits, 0);
        keepOpen = false;
        w.close();
        QCOMPARE(exits, 1);
    }
};

QTEST_MAIN(frmMainChromeTest)
#include "frmMainChromeTest.moc"
