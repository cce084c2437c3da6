// Flows that cross windows: the menu, the port screen, the statistics window.
#include "menu/LoadPanel.h"
#include "menu/MapAlbum.h"
#include "menu/StartForm.h"
#include "menu/frmMenu.h"
#include "port/PortLabels.h"
#include "results/frmTop.h"
#include "shell/Windows.h"
#include "support/PortFixture.h"
#include "trade/SavePanel.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>

using namespace vlnobrod;
using vlnobrod::testing::Answerer;

namespace {
void click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton);
}
} // namespace

class JourneysTest : public QObject {
    Q_OBJECT
private slots:
    // A new game from the album, a purchase, a save, back to the menu and on, and the save
    // loaded again after the game in memory has gone on without it.
    void newGameTradeSaveAndLoadBack() {
        testing::ScreenFixture fx;
        fx.writeData(QStringLiteral("Mapa1.mlo"), QString::fromUtf8(testing::PortGame));
        testing::WriteChart(fx, QStringLiteral("Mapa1"));
        GameState& st = fx.game().state;
        Windows windows(fx.game());
        windows.Start();
        frmMenu* menu = windows.Menu();
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        click(menu->lblAkce[1]);
        click(menu->album->imgMap[0]);
        StartForm* form = menu->picName;
        QVERIFY(form->isVisible());
        QCOMPARE(form->txtName->maxLength(), 30);
        form->txtName->setText(QStringLiteral("Ota Kormidelník"));
        // The focus selects the offered name, so typing replaces it; Enter starts the game.
        form->txtCompany->setFocus();
        QTRY_COMPARE(form->txtCompany->selectedText(), QStringLiteral("Trotl Transport"));
        QTest::keyClicks(form->txtCompany, QStringLiteral("Jantar a syn"));
        QTest::keyClick(form->txtCompany, Qt::Key_Return);

        frmMain* port = windows.Port();
        QVERIFY(port && port->HasGame());
        QVERIFY(!windows.Menu());
        QCOMPARE(port->windowTitle(), QStringLiteral("Vlnobrod - Ota Kormidelník - Jantar a syn"));
        {
            // The goal greets the new game once, not again when the window shows again.
            Answerer ok(*port, QStringLiteral("OK"));
            QTRY_COMPARE(ok.titles.size(), 1);
            QCOMPARE(ok.titles[0], QStringLiteral("Úkolem této mapy je ..."));
            QCOMPARE(ok.texts[0], QStringLiteral("Vydělejte milion.\nOtevřete Skalnou.\n\n"));
            port->hide();
            port->show();
            QTest::qWait(50);
            QCOMPARE(ok.titles.size(), 1);
        }

        // Skalná sells goods 1 at 301 (a day's move from 300): all the cash buys 83.
        click(port->lblZal[1]);
        click(port->lblSurovina[28 + 1]);
        click(port->lblAkce[akce::Buy]);
        QCOMPARE(st.Fleet.Naklad[1], 83.0);
        QCOMPARE(port->lblHotovost->text(), QStringLiteral("17"));

        // Saved as "Benátky": the panel lists it next time, ".mlo" and all.
        click(port->lblAkce[akce::OpenSave]);
        SavePanel* save = port->findChild<SavePanel*>();
        save->txtSave->setText(QStringLiteral("Benátk"));
        QTest::keyClicks(save->txtSave, QStringLiteral("y"));
        QTest::keyClick(save->txtSave, Qt::Key_Return);
        const QString file = fx.dataPath(QStringLiteral("Save/Benátky.mlo"));
        QVERIFY(QFile::exists(file));
        QVERIFY(st.StateSaved);
        QCOMPARE(QString::fromStdString(st.HandOff.File()), file);
        QVERIFY(!save->picPrůběh->isVisible());
        QVERIFY(!port->picZáložka[3]->isVisible());
        click(port->lblAkce[akce::OpenSave]);
        QCOMPARE(save->FileSave->count(), 1);
        save->FileSave->setCurrentRow(0);
        save->FileSave_Click();
        QCOMPARE(save->txtSave->text(), QStringLiteral("Benátky.mlo"));

        // Back to the menu, the game waiting behind it, and on again.
        click(port->lblAkce[akce::BackToMenu]);
        QVERIFY(!port->isVisible());
        menu = windows.Menu();
        QVERIFY(menu && menu->isVisible());
        QVERIFY(menu->lblAkce[7]->isVisible());
        QVERIFY(st.HandOff.empty()); // the menu took the port's "Zpět"
        click(menu->lblAkce[7]);
        QCOMPARE(windows.Port(), port);
        QVERIFY(port->isVisible());
        QVERIFY(!menu->isVisible());

        // Played on and lost, then the save loaded from the menu.
        click(port->lblAkce[akce::BackToMenu]);
        st.Hotovost = 1;
        st.Fleet = FleetRecord{};
        menu = windows.Menu();
        click(menu->lblAkce[2]);
        menu->loadPanel->Select(0);
        click(menu->lblAkceB[1]);
        QVERIFY(windows.Port() && windows.Port()->HasGame());
        QCOMPARE(st.Hotovost, 17.0);
        QCOMPARE(st.Fleet.Naklad[1], 83.0);
        QCOMPARE(st.Fleet.Naklad[2], 10.0);
        QCOMPARE(st.Den, std::int16_t{12});
        QCOMPARE(st.Company, std::string("Jantar a syn"));
    }

    // A question left open in the dock keeps its window: "< Zpět do menu" waits for the
    // answer; answered, the way to the menu and a new game is free.
    void aQuestionLeftOpenKeepsItsWindow() {
        testing::ScreenFixture fx;
        testing::PrepareGame(fx);
        fx.writeData(QStringLiteral("Mapa1.mlo"), QString::fromUtf8(testing::PortGame));
        Windows windows(fx.game());
        windows.Start();
        windows.StartGame();
        frmMain* port = windows.Port();
        QVERIFY(QTest::qWaitForWindowExposed(port));
        click(port->lblZal[2]);
        bool stayed = false;
        QTimer::singleShot(0, port, [&] {
            click(port->lblAkce[akce::BackToMenu]);
            windows.BackToMenu();
            windows.StartGame();
            stayed = port->isVisible() && !windows.Menu() && windows.Port() == port;
            QTest::keyClick(port, Qt::Key_Escape); // "Zrušit"
        });
        click(port->lblAkce[akce::BuyShip]);
        QVERIFY(stayed);
        QCOMPARE(fx.game().state.Fleet.Pocet, std::int16_t{2});

        click(port->lblAkce[akce::BackToMenu]);
        frmMain* old = port;
        click(windows.Menu()->lblAkce[1]);
        click(windows.Menu()->album->imgMap[0]);
        click(windows.Menu()->lblAkceB[0]);
        QVERIFY(windows.Port() != old && windows.Port()->HasGame());
        Answerer ok(*windows.Port(), QStringLiteral("OK"));
        QTRY_COMPARE(ok.titles, QStringList{QStringLiteral("Úkolem této mapy je ...")});
        QTest::qWait(50);
        QVERIFY(!windows.Port()->Waiting());
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

    void theStatisticsOpenFromThePortScreen() {
        testing::ScreenFixture fx;
        testing::PrepareGame(fx);
        fx.writeData(QStringLiteral("Mapa1.mlo"),
                     QStringLiteral("[Mapa]\nNazev=Zkušební\n[Top0]\nName=Anna\nDays=5\n"));
        Windows windows(fx.game());
        windows.Start();
        windows.StartGame();
        QVERIFY(QTest::qWaitForWindowExposed(windows.Port()));
        QString days, heading;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(qobject_cast<frmTop*>(QApplication::activeModalWidget()));
            auto* top = qobject_cast<frmTop*>(QApplication::activeModalWidget());
            days = top->lbl12->text();
            heading = top->lbl0->text();
            top->accept();
        });
        click(windows.Port()->lblAkce[akce::Statistics]);
        QCOMPARE(days, QStringLiteral("12"));
        QCOMPARE(heading, QStringLiteral("pro mapu Zkušební"));
    }
};

QTEST_MAIN(JourneysTest)
#include "JourneysTest.moc"
