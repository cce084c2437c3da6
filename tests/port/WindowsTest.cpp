#include "shell/Windows.h"
#include "PortFixture.h"
#include "menu/frmMenu.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>

using namespace vlnobrod;

class WindowsTest : public QObject {
    Q_OBJECT
private slots:
    void aGameGoesFromMenuToPortAndBack() {
        testing::ScreenFixture fx;
        testing::PrepareGame(fx);
        Windows windows(fx.game());
        windows.Start();
        QVERIFY(windows.Menu()->isVisible());
        QVERIFY(!windows.Port());

        windows.Menu()->OpenPortScreen();
        frmMain* port = windows.Port();
        QVERIFY(port);
        QVERIFY(port->HasGame());
        QVERIFY(port->isVisible());
        QVERIFY(!windows.Menu());
        QCOMPARE(port->windowTitle(), QStringLiteral("Vlnobrod - Jan Novák - Plachty a syn"));

        // "< Zpět do menu": the game waits behind the menu.
        QVERIFY(QTest::qWaitForWindowExposed(port));
        QTest::mouseClick(port->lblAkce[13], Qt::LeftButton);
        QVERIFY(!port->isVisible());
        QVERIFY(windows.Menu() && windows.Menu()->isVisible());
        QCOMPARE(windows.Menu()->Tag, QStringLiteral("Rozehráno"));
        QVERIFY(windows.Menu()->lblAkce[7]->isVisible());
        QVERIFY(fx.game().state.HandOff.empty()); // the menu took the "Zpět" of the port
        QCOMPARE(fx.game().state.Name, std::string("Jan Novák"));

        windows.Menu()->ContinueGame();
        QCOMPARE(windows.Port(), port);
        QVERIFY(port->isVisible());
        QVERIFY(!windows.Menu()->isVisible());
    }

    void aGameThatCannotBeOpenedKeepsTheMenuAndTheOldGame() {
        testing::ScreenFixture fx;
        testing::PrepareGame(fx);
        Windows windows(fx.game());
        windows.Start();
        windows.StartGame();
        frmMain* port = windows.Port();
        QVERIFY(port && port->HasGame());
        windows.BackToMenu();

        fx.game().state.HandOff = fx.dataPath(QStringLiteral("Save/zmizela.mlo")).toStdString();
        QString reported;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(QApplication::activeModalWidget());
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            reported = box->text();
            box->accept();
        });
        windows.StartGame();
        QVERIFY(reported.contains(QStringLiteral("zmizela.mlo")));
        QVERIFY(windows.Menu()->isVisible());
        QCOMPARE(windows.Port(), port);
        QCOMPARE(fx.game().state.Name, std::string("Jan Novák"));
    }
};

QTEST_MAIN(WindowsTest)
#include "WindowsTest.moc"
