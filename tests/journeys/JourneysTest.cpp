// Flows that cross windows: the menu, the port screen, the statistics window.
#include "battle/frmSouboj.h"
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
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
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

    // The menu's duels over a game waiting behind the menu: the merchant hits the pirates'
    // cannon and the menu says who won; a two-player duel in which the merchant was hit and
    // that was closed before a winner says nothing. Neither touches the game or its file.
    void theDuelsFromTheMenuLeaveTheGameAsItWas() {
        testing::ScreenFixture fx;
        testing::PrepareGame(fx);
        Windows windows(fx.game());
        windows.Start();
        windows.StartGame();
        windows.BackToMenu();
        const GameState& st = fx.game().state;
        auto stateFile = [&] {
            QFile f(fx.dataPath(QStringLiteral("aktual.map")));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        const QByteArray saved = stateFile();

        // The fixture's dice blow a north wind of 5.5 and put the pirates' cannon at 526:
        // 54 of powder at 35 degrees hits it. In the two-player duel the second player's 56
        // at 45 hits the merchant's deck, and then the merchant closes the window.
        QStringList said;
        float hitBeforeClosing = 0;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                said << box->windowTitle() + QStringLiteral(": ") + box->text();
                QVERIFY(box->icon() == QMessageBox::Information &&
                        box->standardButtons() == QMessageBox::Ok);
                click(box->button(QMessageBox::Ok));
            }
            auto* battle = qobject_cast<frmSouboj*>(modal);
            if (!battle || battle->Rules().Flying())
                return;
            const bool duel = battle->Rules().Mode() == HandOffWord::PiratiB2;
            // The second player's turn starts no computer, and the right "pal" is theirs.
            const bool piratesTurn = battle->Rules().Side() == Pirates;
            QVERIFY(!battle->tmrPiráti->isActive() || !duel);
            QCOMPARE(battle->Command1->isEnabled(), duel && piratesTurn);
            hitBeforeClosing = battle->Rules().Damage(Merchant);
            if (duel && hitBeforeClosing > 0) {
                battle->close();
                return;
            }
            battle->sldÚhel[0]->setValue(duel ? 45 : 35);
            battle->sldSíla[0]->setValue(duel ? 40 : 54);
            battle->sldSíla[1]->setValue(56);
            click(piratesTurn ? battle->Command1 : battle->cmdPal);
        });
        poll.start(10);
        click(windows.Menu()->lblAkce[6]);
        click(windows.Menu()->lblAkceB[4]);
        QCOMPARE(said, QStringList{QStringLiteral("Souboj s piráty: Vyhrála obchodní loď!")});
        QVERIFY(st.HandOff == HandOffWord::Vyhral);

        click(windows.Menu()->opt1);
        click(windows.Menu()->lblAkceB[4]);
        QCOMPARE(said.size(), 1);
        QCOMPARE(hitBeforeClosing, 40.0f);
        QVERIFY(st.HandOff == HandOffWord::PiratiB2);
        QCOMPARE(st.Fleet.Poskozeni, std::uint8_t{20});
        QCOMPARE(st.Hotovost, 25000.0);
        QCOMPARE(stateFile(), saved);
    }
};

QTEST_MAIN(JourneysTest)
#include "JourneysTest.moc"
