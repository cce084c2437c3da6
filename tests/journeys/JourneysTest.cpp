// Flows that cross windows: the menu, the port screen, the statistics window and the duel, in
// an installed game (which writes nothing into the program's folder) and the game's own.
#include "battle/frmSouboj.h"
#include "menu/LoadPanel.h"
#include "menu/MapAlbum.h"
#include "menu/StartForm.h"
#include "menu/frmMenu.h"
#include "results/frmTop.h"
#include "shell/Windows.h"
#include "support/PortFixture.h"
#include "world/Money.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTest>
#include <algorithm>

using namespace vlnobrod;
using vlnobrod::testing::Answerer;
using vlnobrod::testing::Named;

namespace {

void click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton);
}
void click(const QObject& in, const char* name) {
    QTest::mouseClick(Named(in, name), Qt::LeftButton);
}
void entry(frmMenu* menu, int index) {
    QTest::mouseClick(Named(*menu, "entry", index), Qt::LeftButton);
}
void button(frmMenu* menu, int index) {
    QTest::mouseClick(Named(*menu, "button", index), Qt::LeftButton);
}

// The port's game with a title, as the map the album offers.
QString titledMap(const QString& extra = {}) {
    return QString::fromUtf8(testing::PortGame)
               .replace(QStringLiteral("[Mapa]\n"), QStringLiteral("[Mapa]\nNazev=Zkušební\n")) +
           extra;
}

// While it lives, hands every modal window of type T to `handle`.
template <typename T> struct WhenModal {
    QTimer poll;
    explicit WhenModal(std::function<void(T*)> handle) {
        QObject::connect(&poll, &QTimer::timeout, [handle] {
            if (auto* w = qobject_cast<T*>(QApplication::activeModalWidget()))
                handle(w);
        });
        poll.start(10);
    }
};

// While it lives, answers every message box with the button reading `reply` (a box of one
// button with that one) and writes down what it said. What a file said is shown as it is,
// never read as markup.
struct Boxes {
    QString reply = QStringLiteral("OK");
    QStringList said;
    QStringList answers; // each box's buttons from the left: "Ne/Ano/Zrušit"
    WhenModal<QMessageBox> watch{[this](QMessageBox* box) {
        said << box->text();
        QList<QAbstractButton*> shown = box->buttons();
        std::sort(shown.begin(), shown.end(), [](QAbstractButton* a, QAbstractButton* b) {
            return a->mapToGlobal(QPoint()).x() < b->mapToGlobal(QPoint()).x();
        });
        QStringList captions;
        for (QAbstractButton* b : shown)
            captions << b->text();
        answers << captions.join(QLatin1Char('/'));
        QVERIFY(box->textFormat() == Qt::PlainText || box->icon() == QMessageBox::Information);
        for (QAbstractButton* b : box->buttons())
            if (b->text() == reply || box->buttons().size() == 1)
                b->click();
    }};
};

QByteArray bytes(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("?");
}

// Every file below `folder` with its bytes.
QMap<QString, QByteArray> contents(const QString& folder) {
    QMap<QString, QByteArray> all;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        all[it.next()] = bytes(it.filePath());
    return all;
}

} // namespace

class JourneysTest : public QObject {
    Q_OBJECT
private slots:
    // An installed game, which writes nowhere in the program's folder: a new game from the album,
    // the statistics, a purchase, a save, back to the menu and on, the save loaded again after the
    // game in memory has gone on without it, the map finished and entered into the table. All of it
    // lands in the player's folder, and the player's table file holds nothing but the five places.
    void newGameTradeSaveLoadAndFinish() {
        testing::ScreenFixture fx(testing::ScreenFixture::Layout::Installed);
        fx.writeData(QStringLiteral("Mapa1.mlo"),
                     titledMap(QStringLiteral("[Top0]\nName=Anna\nCompany=Alfa\nDays=5\nValue=9\n"
                                              "[Top1]\nName=------\nDays=9999999\n")));
        testing::WriteChart(fx, QStringLiteral("Mapa1"));
        const QMap<QString, QByteArray> shipped = contents(fx.appFolder());
        GameState& st = fx.game().state;
        Windows windows(fx.game());
        windows.Start();
        frmMenu* menu = windows.Menu();
        entry(menu, menuentry::NewGame);
        click(menu->album->imgMap[0]);
        StartForm* form = menu->picName;
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

        // The goal greets the new game once, not again when the window shows again.
        Answerer ok(*port, QStringLiteral("OK"));
        QTRY_COMPARE(ok.titles.size(), 1);
        QCOMPARE(ok.titles[0], QStringLiteral("Úkolem této mapy je ..."));
        QCOMPARE(ok.texts[0], QStringLiteral("Vydělejte milion.\nOtevřete Skalnou.\n\n"));
        port->hide();
        port->show();
        QTest::qWait(50);
        QCOMPARE(ok.titles.size(), 1);
        // What each opening of the statistics showed: days, title, cash, account, value, the
        // first two places, and whether the second is in red.
        QStringList tops;
        WhenModal<frmTop> top([&](frmTop* w) {
            tops << QStringList{w->lbl12->text(),      w->lbl0->text(),
                                w->lbl10->text(),      w->lbl9->text(),
                                w->lblHodnota->text(), w->lblName[0]->text(),
                                w->lblName[1]->text(), w->lblName[1]->styleSheet()}
                        .join('|');
            w->accept();
        });
        click(*port, "statistics");
        // Worth 25 000 - 3 000 and two small ships at 100 000 (no price for the cargo here).
        QCOMPARE(tops,
                 QStringList{QStringLiteral("12|pro mapu Zkušební|V hotovosti: 25 000 zlatých|"
                                            "Na kontě: -3 000 zlatých|222 000 zlatých|Anna|"
                                            "------|")});

        // Skalná sells goods 1 at 300 (a load moves no price): all the cash buys 83.
        click(*port, "tabObchod");
        click(*port, "market1");
        click(*port, "buy");
        QCOMPARE(st.Fleet.Naklad[1], 83.0);
        QCOMPARE(Named<QLabel>(*port, "cash")->text(), QStringLiteral("100"));

        click(*port, "openSave");
        Named<QLineEdit>(*port, "saveName")->setText(QStringLiteral("Benátky"));
        QTest::keyClick(Named(*port, "saveName"), Qt::Key_Return);
        QVERIFY(st.StateSaved);
        QCOMPARE(st.HandOff.File(), fx.userPath(QStringLiteral("Save/Benátky.mlo")).toStdString());

        // Back to the menu, the game waiting behind it, and on again.
        click(*port, "backToMenu");
        menu = windows.Menu();
        QVERIFY(!port->isVisible() && menu->isVisible());
        QVERIFY(st.HandOff.empty()); // the menu took the port's "Zpět"
        entry(menu, menuentry::Continue);
        QCOMPARE(windows.Port(), port);
        QVERIFY(port->isVisible() && !menu->isVisible());

        // Played on and lost, then the save loaded from the menu, its time the Czech way.
        click(*port, "backToMenu");
        st.Hotovost = 1;
        st.Fleet = FleetRecord{};
        menu = windows.Menu();
        entry(menu, menuentry::Load);
        QCOMPARE(menu->loadPanel->FileLoad->count(), 1);
        menu->loadPanel->Select(0);
        static const QRegularExpression czech(
            QStringLiteral("^\\d{1,2}\\. \\d{1,2}\\. \\d{4} \\d{1,2}:\\d\\d:\\d\\d$"));
        QVERIFY(czech.match(menu->loadPanel->lbl35->text()).hasMatch());
        button(menu, menubutton::LoadGame);
        port = windows.Port();
        QVERIFY(port && port->HasGame());
        QCOMPARE(st.Hotovost, 100.0);
        QCOMPARE(st.Fleet.Naklad[1], 83.0);
        QCOMPARE(st.Company, std::string("Jantar a syn"));

        // The goal met: the statistics window enters the game at the second place, in red.
        Answerer congratulated(*port, QStringLiteral("OK")); // the loaded game's window
        st.Konto = 0;
        st.Cities[1].Pristup = 0;
        ChangeMoney(st, *port, 1000000, false);
        QCOMPARE(tops.size(), 2);
        QVERIFY(tops[1].contains(QStringLiteral("|Anna|Ota Kormidelník|color: #ff0000")));
        const QByteArray table = bytes(fx.userPath(QStringLiteral("Mapa1.mlo")));
        QVERIFY(table.count('[') == 5 && table.contains("[Top4]"));
        QCOMPARE(contents(fx.appFolder()), shipped);
    }

    // A question left open in the dock keeps its window: "< Zpět do menu" waits for the
    // answer. A game not saved since it changed is not lost: "Konec >", closing the menu, a
    // new game and a loaded one ask first; "Zrušit" stays, "Ano" saves it as "Poslední hra".
    // The game behind the menu outlives what the menu refuses and the duels: a file that is
    // no game, or whose chart is missing, is refused before it replaces the state file, and
    // no new game is left pending. In the duel against the computer the merchant hits the
    // pirates' cannon and the menu says who won; a two-player duel in which the merchant was
    // hit and that was closed before a winner says nothing.
    void theGameBehindTheMenuIsNotLost() {
        testing::ScreenFixture fx;
        testing::PrepareGame(fx);
        fx.writeData(QStringLiteral("Mapa1.mlo"), titledMap());
        GameState& st = fx.game().state;
        Windows windows(fx.game());
        windows.Start();
        windows.StartGame();
        frmMain* port = windows.Port();
        QVERIFY(QTest::qWaitForWindowExposed(port));
        click(*port, "tabDok");
        bool stayed = false;
        QTimer::singleShot(0, port, [&] {
            click(*port, "backToMenu");
            windows.BackToMenu();
            windows.StartGame();
            stayed = port->isVisible() && !windows.Menu() && windows.Port() == port;
            QTest::keyClick(port, Qt::Key_Escape); // "Zrušit"
        });
        click(*port, "buyShip");
        QVERIFY(stayed);
        QCOMPARE(st.Fleet.Pocet, std::int16_t{2});

        st.StateSaved = false; // played on
        click(*port, "backToMenu");
        frmMenu* menu = windows.Menu();
        Boxes boxes;
        boxes.reply = QStringLiteral("Zrušit");
        entry(menu, menuentry::Exit); // "Konec >"
        QVERIFY(!menu->close() && menu->isVisible());
        entry(menu, menuentry::NewGame);
        click(menu->album->imgMap[0]);
        button(menu, menubutton::StartGame); // "Začít hru"
        QCOMPARE(windows.Port(), port);
        QCOMPARE(boxes.said.size(), 3);
        QCOMPARE(boxes.said[0], QStringLiteral("Chcete hru uložit pod název: Poslední hra ?"));
        // The question the game window asks with "Ne | Ano | Zrušit" has the same answers in
        // the same order here.
        QCOMPARE(boxes.answers[0], QStringLiteral("Ne/Ano/Zrušit"));

        // "Ano": saved as "Poslední hra" from the game behind the menu, then the new game,
        // greeted once and waiting for nothing.
        boxes.reply = QStringLiteral("Ano");
        button(menu, menubutton::StartGame);
        QCOMPARE(boxes.said.size(), 4);
        QVERIFY(QFile::exists(fx.dataPath(QStringLiteral("Save/Poslední hra.mlo"))));
        QVERIFY(windows.Port() != port && windows.Port()->HasGame());
        QCOMPARE(st.Name, std::string("Ludvík Prachatý"));
        Answerer ok(*windows.Port(), QStringLiteral("OK"));
        QTRY_COMPARE(ok.titles, QStringList{QStringLiteral("Úkolem této mapy je ...")});
        QTest::qWait(50);
        QVERIFY(!windows.Port()->Waiting());

        // Played on, and the save loaded over it after a "Ne".
        st.StateSaved = false;
        click(*windows.Port(), "backToMenu");
        menu = windows.Menu();
        entry(menu, menuentry::Load);
        menu->loadPanel->Select(0);
        boxes.reply = QStringLiteral("Ne");
        button(menu, menubutton::LoadGame);
        QCOMPARE(boxes.said.size(), 5);
        QCOMPARE(st.Name, std::string("Jan Novák"));
        QCOMPARE(menu->loadPanel->FileLoad->count(), 1); // nothing saved on "Ne"

        const QString stateFile = fx.dataPath(QStringLiteral("aktual.map"));
        const QByteArray before = bytes(stateFile);
        fx.writeData(QStringLiteral("Save/Duch.mlo"), QStringLiteral("\x01nic;\n<b>x</b>"));
        fx.writeData(QStringLiteral("Mapa2.mlo"), titledMap().replace("Mapa=Mapa1", "Mapa=Mapa2"));
        port = windows.Port();
        click(*port, "backToMenu");
        menu = windows.Menu();
        boxes.said.clear();
        entry(menu, menuentry::Load);
        menu->loadPanel->Select(0);
        button(menu, menubutton::LoadGame);
        entry(menu, menuentry::NewGame);
        menu->imgMap_Click(1); // Mapa2, whose chart is missing
        button(menu, menubutton::StartGame);
        // A game that fails to open all the same clears the new game it was to greet.
        st.PendingAction = Pending::NewGame;
        st.HandOff = fx.dataPath(QStringLiteral("Save/zmizela.mlo")).toStdString();
        windows.StartGame();
        QCOMPARE(boxes.said.size(), 3);
        QVERIFY(boxes.said[0].startsWith(QStringLiteral("Hru nelze otevřít: ")));
        QVERIFY(boxes.said[1].contains(QStringLiteral("Mapa2.jpg")));
        QVERIFY(boxes.said[2].contains(QStringLiteral("zmizela.mlo")));
        QCOMPARE(st.PendingAction, Pending::None);
        QVERIFY(menu->isVisible());
        QCOMPARE(windows.Port(), port);

        // The fixture's dice blow a north wind of 5.5 and put the pirates' cannon at 526:
        // 54 of powder at 35 degrees hits it. In the two-player duel the second player's 56
        // at 45 hits the merchant's deck, and then the merchant closes the window.
        float hitBeforeClosing = 0;
        WhenModal<frmSouboj> battle([&](frmSouboj* b) {
            if (b->Rules().Flying())
                return;
            if (b->Rules().Over()) {
                QTest::keyClick(b, Qt::Key_Return); // the outcome read
                return;
            }
            const bool duel = b->Rules().Mode() == HandOffWord::PiratiB2;
            // The second player's turn starts no computer, and the right "pal" is theirs.
            const bool piratesTurn = b->Rules().Side() == Pirates;
            QVERIFY(!b->tmrPiráti->isActive() || !duel);
            QCOMPARE(b->Command1->isEnabled(), duel && piratesTurn);
            hitBeforeClosing = b->Rules().Damage(Merchant);
            if (duel && hitBeforeClosing > 0) {
                b->close();
                return;
            }
            b->sldÚhel[0]->setValue(duel ? 45 : 35);
            b->sldSíla[0]->setValue(duel ? 40 : 54);
            b->sldSíla[1]->setValue(56);
            click(piratesTurn ? b->Command1 : b->cmdPal);
        });
        entry(menu, menuentry::Duel);
        button(menu, menubutton::RunDuel);
        QCOMPARE(boxes.said.size(), 4);
        QCOMPARE(boxes.said[3], QStringLiteral("Vyhrála obchodní loď!"));
        QVERIFY(st.HandOff == HandOffWord::Vyhral);
        click(menu->opt1);
        button(menu, menubutton::RunDuel);
        QCOMPARE(boxes.said.size(), 4);
        QVERIFY(hitBeforeClosing > 0);

        QCOMPARE(bytes(stateFile), before);
        QCOMPARE(st.Name, std::string("Jan Novák"));
        QCOMPARE(st.Fleet.Poskozeni, std::uint8_t{20});
        QCOMPARE(st.Hotovost, 25000.0);
    }
};

QTEST_MAIN(JourneysTest)
#include "JourneysTest.moc"
