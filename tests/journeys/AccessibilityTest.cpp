// Every window and panel of the game, walked as a player without a mouse walks it: every
// control a click acts on is reached by Tab and tells a screen reader what it is (a button,
// a field, a list, not a plain text) and what it is called, and Tab always moves on.
#include "support/Accessibility.h"
#include "battle/frmSouboj.h"
#include "guide/frmHelp.h"
#include "menu/MapAlbum.h"
#include "menu/frmMenu.h"
#include "port/PortLabels.h"
#include "results/frmTop.h"
#include "shell/Windows.h"
#include "support/FakeGameView.h"
#include "support/PortFixture.h"
#include "widgets/Announcer.h"

#include <QTest>
#include <QTextBrowser>

using namespace vlnobrod;
using namespace vlnobrod::testing;

namespace {

// Checks `window` as it stands now, named by `where` in a failure.
void walk(QWidget& window, const QString& where) {
    const QStringList unnamed = UnnamedControls(window);
    QVERIFY2(unnamed.isEmpty(), qPrintable(where + ": " + unnamed.join("; ")));
    const QStringList tab = TabProblems(window);
    QVERIFY2(tab.isEmpty(), qPrintable(where + ": " + tab.join("; ")));
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void theMenuAndEachOfItsPanels() {
        ScreenFixture fx;
        fx.writeData(QStringLiteral("Mapa1.mlo"), QString::fromUtf8(PortGame));
        fx.writeData(QStringLiteral("Save/Stará.mlo"), QString::fromUtf8(PortGame));
        WriteChart(fx, QStringLiteral("Mapa1"));
        frmMenu menu(fx.game());
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        walk(menu, "menu");
        struct Entry {
            int index;
            const char* name;
        };
        for (const Entry& e :
             {Entry{menuentry::NewGame, "new game"}, Entry{menuentry::Load, "load"},
              Entry{menuentry::Settings, "settings"}, Entry{menuentry::About, "about"},
              Entry{menuentry::Duel, "duel"}}) {
            Named<ClickLabel>(menu, "entry", e.index)->Activate();
            if (e.index == menuentry::NewGame)
                menu.album->imgMap[0]->Activate(); // the start form
            walk(menu, e.name);
        }
    }

    void thePortScreenItsPanelsAndItsQuestion() {
        PortScreen p;
        frmMain& w = *p.w;
        walk(w, "port");
        for (int tab : {zalozka::Trade, zalozka::Dock, zalozka::Bank}) {
            w.ShowTab(tab);
            walk(w, QStringLiteral("tab %1").arg(tab));
        }
        w.ShowTab(zalozka::Map);
        w.lblAkce_Click(akce::OpenSave);
        walk(w, "save");
        w.ShowTab(zalozka::Map);
        Named<ClickLabel>(w, "city", 2)->Activate(); // the city information
        walk(w, "city information");
        // A question: Tab goes round its answers only, and Enter gives the one it is on.
        bool asked = false;
        QTimer::singleShot(0, &w, [&] {
            walk(*Named(w, "msgbox"), "question");
            asked = true;
            QVERIFY(tabTo(*Named(w, "msgbox"), QStringLiteral("Ne")));
            QTest::keyClick(Named(w, "msgbox")->focusWidget(), Qt::Key_Return);
        });
        std::string title = "Otázka";
        QCOMPARE(w.ShowMessage("Opravdu?", MessageButtons::NeAnoZrusit, title), MessageAnswer::Ne);
        QVERIFY(asked);
    }

    void theBattleTheGuideAndTheStatistics() {
        ScreenFixture fx;
        BattleMemory memory;
        frmSouboj battle(fx.game(), memory);
        battle.Form_Load(HandOffWord::PiratiB2, FleetRecord{});
        battle.show();
        QVERIFY(QTest::qWaitForWindowExposed(&battle));
        walk(battle, "battle");
        battle.close();

        frmHelp guide(fx.game());
        guide.show();
        QVERIFY(QTest::qWaitForWindowExposed(&guide));
        walk(guide, "guide");

        // F1 opens the guide in front of the port screen; Escape closes it and the port has
        // the keys again.
        fx.writeData(QStringLiteral("Mapa1.mlo"), QString::fromUtf8(PortGame));
        PrepareGame(fx);
        Windows windows(fx.game());
        windows.Start();
        windows.StartGame();
        frmMain* port = windows.Port();
        port->activateWindow();
        QTRY_VERIFY(port->isActiveWindow());
        QTest::keyClick(port, Qt::Key_F1);
        QVERIFY(windows.Guide() && windows.Guide()->isVisible());
        QTRY_VERIFY(windows.Guide()->isActiveWindow());
        QTest::keyClick(windows.Guide()->rtf, Qt::Key_Escape);
        QVERIFY(!windows.Guide()->isVisible());
        QTRY_VERIFY(port->isActiveWindow());

        FakeGameView view;
        frmTop top(fx.game(), view);
        top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&top));
        walk(top, "statistics");
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
