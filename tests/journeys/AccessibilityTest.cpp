// Every window and panel, walked without a mouse: each control a click acts on is reached by Tab
// and tells a screen reader its role (not a plain text) and its name; Tab always moves on.
#include "support/Accessibility.h"
#include "battle/frmSouboj.h"
#include "guide/frmHelp.h"
#include "menu/MapAlbum.h"
#include "menu/frmMenu.h"
#include "port/PortLabels.h"
#include "results/frmTop.h"
#include "support/FakeGameView.h"
#include "support/PortFixture.h"

#include <QTest>
#include <initializer_list>

using namespace vlnobrod;
using namespace vlnobrod::testing;
using namespace Qt::StringLiterals;

namespace {

void walk(QWidget& window, const QString& where) {
    const QStringList problems = UnnamedControls(window) + TabProblems(window);
    QVERIFY2(problems.isEmpty(), qPrintable(where + ": " + problems.join("; ")));
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void everyWindowAndPanel() {
        PortScreen p;
        // The port screen, its panels and a question.
        frmMain& w = *p.w;
        walk(w, "port");
        for (int tab : {zalozka::Trade, zalozka::Dock, zalozka::Bank}) {
            w.ShowTab(tab);
            walk(w, u"tab %1"_s.arg(tab));
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
            QVERIFY(tabTo(*Named(w, "msgbox"), u"Ne"_s));
            QTest::keyClick(Named(w, "msgbox")->focusWidget(), Qt::Key_Return);
        });
        std::string title = "Otázka";
        QCOMPARE(w.ShowMessage("Opravdu?", MessageButtons::NeAnoZrusit, title), MessageAnswer::Ne);
        QVERIFY(asked);

        // The menu and each of its panels.
        p.fx.writeData(u"Mapa1.mlo"_s, QString::fromUtf8(PortGame));
        p.fx.writeData(u"Save/Stará.mlo"_s, QString::fromUtf8(PortGame));
        frmMenu menu(p.fx.game());
        QVERIFY(Shown(menu));
        walk(menu, "menu");
        for (int entry : {menuentry::NewGame, menuentry::Load, menuentry::Settings,
                          menuentry::About, menuentry::Duel}) {
            Named<ClickLabel>(menu, "entry", entry)->Activate();
            if (entry == menuentry::NewGame)
                menu.album->imgMap[0]->Activate(); // the start form
            walk(menu, u"entry %1"_s.arg(entry));
        }
        // The guide, the statistics and the duel.
        frmHelp guide(p.fx.game());
        FakeGameView view;
        frmTop top(p.fx.game(), view);
        BattleMemory memory;
        frmSouboj battle(p.fx.game(), memory);
        battle.Form_Load(HandOffWord::PiratiB2, FleetRecord{});
        for (QWidget* other : std::initializer_list<QWidget*>{&guide, &top, &battle}) {
            QVERIFY(Shown(*other));
            walk(*other, QString::fromLatin1(other->metaObject()->className()));
            other->close();
        }
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
