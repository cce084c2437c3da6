#include "menu/frmMenu.h"
#include "support/ScreenFixture.h"

#include <QSignalSpy>
#include <QTest>

using namespace vlnobrod;

class frmMenuTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithTheGamesEntries() {
        testing::ScreenFixture fx;
        frmMenu menu(fx.game());
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QCOMPARE(menu.windowTitle(), QStringLiteral("Vlnobrod - hlavní menu"));
        const QStringList captions = {"Konec >", "Nová hra", "Načíst hru",  "Nastavení",
                                      "Návod",   "O hře",    "Externí hry", "Pokračovat ve hře >"};
        const QList<bool> visible = {true, true, true, true, true, true, true, false};
        for (int i = 0; i < frmMenu::ActionCount; ++i) {
            QCOMPARE(menu.lblAkce[i]->text(), captions[i]);
            QCOMPARE(menu.lblAkce[i]->isVisible(), visible[i]);
        }
        QCOMPARE(menu.lblAkce[2]->font().pointSizeF(), 20.25);
    }

    void konecEndsTheGame() {
        testing::ScreenFixture fx;
        frmMenu menu(fx.game());
        int exits = 0;
        menu.ExitGame = [&] { ++exits; };
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QTest::mouseClick(menu.lblAkce[0], Qt::LeftButton);
        QCOMPARE(exits, 1);
    }

    void hoverGrowsOneEntryAtATime() {
        testing::ScreenFixture fx;
        frmMenu menu(fx.game());
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        menu.Fokus_Move(QStringLiteral("A01"));
        QCOMPARE(menu.lblAkce[1]->font().pointSizeF(), 23.0);
        menu.Fokus_Move(QStringLiteral("A01"));
        QCOMPARE(menu.lblAkce[1]->font().pointSizeF(), 23.0);
        menu.Fokus_Move(QStringLiteral("A02"));
        QCOMPARE(menu.lblAkce[1]->font().pointSizeF(), 18.0);
        QCOMPARE(menu.lblAkce[2]->font().pointSizeF(), 25.25);
        menu.Fokus_Move(QStringLiteral("F00"));
        QCOMPARE(menu.lblAkce[2]->font().pointSizeF(), 20.25);
        QCOMPARE(fx.game().state.FocusKey, std::string("F00"));
    }

    void aWaitingGameCanBeContinued() {
        testing::ScreenFixture fx;
        frmMenu menu(fx.game());
        menu.Tag = QStringLiteral("Rozehráno");
        fx.game().state.HandOff = "Zpět";
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QVERIFY(menu.lblAkce[7]->isVisible());
        QVERIFY(fx.game().state.HandOff.empty());
    }
};

QTEST_MAIN(frmMenuTest)
#include "frmMenuTest.moc"
