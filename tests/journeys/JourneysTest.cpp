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

#include <QAbstractButton>
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

// Answers the next message box of the menu with the button reading `button` (any button
// closes a box of one), and writes down what it said.
void answerNextBox(QStringList& said, const char* button = "OK") {
    QTimer::singleShot(0, [&said, button] {
        QTRY_VERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        said << box->text();
        QCOMPARE(box->textFormat(), Qt::PlainText);
        for (QAbstractButton* b : box->buttons())
            if (b->text() == QString::fromUtf8(button) || box->buttons().size() == 1)
                b->click();
    });
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
        QCOMPARE(save->txtSave->text(), QStringLiteral("Benátky"));

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

    // A game not saved since it changed is not lost: "Konec >", closing the menu, a new game
    // and a loaded one ask first; "Zrušit" stays, "Ano" saves it as "Poslední hra".
    void anUnsavedGameIsNotLostFromTheMenu() {
        testing::ScreenFixture fx;
        testing::PrepareGame(fx);
        fx.writeData(QStringLiteral("Mapa1.mlo"), QString::fromUtf8(testing::PortGame));
        GameState& st = fx.game().state;
        Windows windows(fx.game());
        windows.Start();
        windows.StartGame();
        frmMain* port = windows.Port();
        QVERIFY(QTest::qWaitForWindowExposed(port));
        st.StateSaved = false; // played on
        click(port->lblAkce[akce::BackToMenu]);
        frmMenu* menu = windows.Menu();

        QStringList asked;
        auto answer = [&](const char* button) { answerNextBox(asked, button); };
        answer("Zrušit");
        click(menu->lblAkce[0]); // "Konec >"
        answer("Zrušit");
        QVERIFY(!menu->close());
        QVERIFY(menu->isVisible());
        click(menu->lblAkce[1]);
        click(menu->album->imgMap[0]);
        answer("Zrušit");
        click(menu->lblAkceB[0]); // "Začít hru"
        QCOMPARE(windows.Port(), port);
        QCOMPARE(asked.size(), 3);
        QCOMPARE(asked[0], QStringLiteral("Chcete hru uložit pod název: Poslední hra ?"));

        // "Ano": saved as "Poslední hra" from the game behind the menu, then the new game.
        answer("Ano");
        click(menu->lblAkceB[0]);
        QCOMPARE(asked.size(), 4);
        const QString last = fx.dataPath(QStringLiteral("Save/Poslední hra.mlo"));
        QVERIFY(QFile::exists(last));
        QVERIFY(windows.Port() != port && windows.Port()->HasGame());
        QCOMPARE(st.Name, std::string("Ludvík Prachatý"));

        // Played on, and the save loaded over it after a "Ne".
        Answerer goal2(*windows.Port(), QStringLiteral("OK"));
        QTRY_VERIFY(!goal2.titles.isEmpty());
        st.StateSaved = false;
        click(windows.Port()->lblAkce[akce::BackToMenu]);
        menu = windows.Menu();
        click(menu->lblAkce[2]);
        menu->loadPanel->Select(0);
        answer("Ne");
        click(menu->lblAkceB[1]);
        QCOMPARE(asked.size(), 5);
        QCOMPARE(st.Name, std::string("Jan Novák"));
        QCOMPARE(menu->loadPanel->FileLoad->count(), 1); // nothing saved on "Ne"
    }

    // A file that is no game, or whose chart is missing, is refused before it replaces the
    // state file: the game behind the menu and its file stay, and no new game is pending.
    void aGameThatCannotBeOpenedKeepsTheMenuAndTheOldGame() {
        testing::ScreenFixture fx;
        testing::PrepareGame(fx);
        const QString stateFile = fx.dataPath(QStringLiteral("aktual.map"));
        QFile f(stateFile);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray before = f.readAll();
        f.close();
        fx.writeData(QStringLiteral("Save/duch.mlo"), QStringLiteral("\x01nic;\n<b>x</b>"));
        fx.writeData(QStringLiteral("Mapa2.mlo"),
                     QString::fromUtf8(testing::PortGame)
                         .replace(QStringLiteral("Mapa=Mapa1"), QStringLiteral("Mapa=Mapa2")));
        Windows windows(fx.game());
        windows.Start();
        windows.StartGame();
        frmMain* port = windows.Port();
        QVERIFY(port && port->HasGame());
        windows.BackToMenu();
        frmMenu* menu = windows.Menu();

        QStringList reported;
        auto dismiss = [&] { answerNextBox(reported); };
        click(menu->lblAkce[2]);
        menu->loadPanel->Select(0);
        dismiss();
        click(menu->lblAkceB[1]);
        click(menu->lblAkce[1]);
        menu->imgMap_Click(0); // Mapa2, whose chart is missing
        dismiss();
        click(menu->lblAkceB[0]);
        QCOMPARE(reported.size(), 2);
        QVERIFY(reported[0].startsWith(QStringLiteral("Hru nelze otevřít: ")));
        QVERIFY(reported[1].contains(QStringLiteral("Mapa2.jpg")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
        QVERIFY(menu->isVisible());
        QCOMPARE(windows.Port(), port);
        QCOMPARE(fx.game().state.Name, std::string("Jan Novák"));
        QCOMPARE(fx.game().state.PendingAction, Pending::None);

        // A game that fails to open all the same clears the new game it was to greet.
        fx.game().state.PendingAction = Pending::NewGame;
        fx.game().state.HandOff = fx.dataPath(QStringLiteral("Save/zmizela.mlo")).toStdString();
        dismiss();
        windows.StartGame();
        QCOMPARE(reported.size(), 3);
        QVERIFY(reported[2].contains(QStringLiteral("zmizela.mlo")));
        QCOMPARE(fx.game().state.PendingAction, Pending::None);
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
