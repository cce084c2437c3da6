// Flows that cross windows: menu, port screen, statistics and duel; each leg has its own game.
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
#include <QDirIterator>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

using namespace vlnobrod;
using namespace vlnobrod::testing;
using Layout = ScreenFixture::Layout;
using namespace Qt::StringLiterals;

namespace {

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

// The port's game with a title and two places in its table, as the album offers it.
QString titledMap() {
    return QString::fromUtf8(PortGame).replace(u"[Mapa]\n"_s, u"[Mapa]\nNazev=Zkušební\n"_s) +
           u"[Top0]\nName=Anna\nCompany=Alfa\nDays=5\nValue=9\n"
           "[Top1]\nName=------\nDays=9999999\n"_s;
}

// The game's windows over that map, the menu first; an installed game writes nothing into the
// program's folder. Each message box (plain text, never markup) is written down and answered
// with the button reading `reply` (or its only one), each statistics window label by label.
struct Journey {
    ScreenFixture fx;
    GameState& st = fx.game().state;
    QMap<QString, QByteArray> shipped;
    Windows windows{fx.game()};
    std::unique_ptr<Answerer> ok;
    QString reply = u"OK"_s;
    QStringList said, tops;
    WhenModal<QMessageBox> boxes{[this](QMessageBox* box) {
        said << box->text();
        QCOMPARE(box->textFormat(), Qt::PlainText);
        for (QAbstractButton* b : box->buttons())
            if (b->text() == reply || box->buttons().size() == 1)
                b->click();
    }};
    WhenModal<frmTop> top{[this](frmTop* w) {
        QStringList shown;
        for (QLabel* l :
             {w->lbl12, w->lbl0, w->lbl10, w->lbl9, w->lblHodnota, w->lblName[0], w->lblName[1]})
            shown << l->text();
        tops << (shown << w->lblName[1]->styleSheet()).join('|');
        w->accept();
    }};

    explicit Journey(Layout layout = Layout::Installed) : fx(layout) {
        fx.writeData(u"Mapa1.mlo"_s, titledMap());
        WriteChart(fx, u"Mapa1"_s);
        shipped = contents(fx.appFolder());
        windows.Start();
    }
    frmMenu* menu() { return windows.Menu(); }
    frmMain* port() { return windows.Port(); }
    void entry(int index) { Click(*menu(), "entry", index); }
    void button(int index) { Click(*menu(), "button", index); }
    void pickMap(int index) {
        entry(menuentry::NewGame);
        QTest::mouseClick(menu()->album->imgMap[static_cast<std::size_t>(index)], Qt::LeftButton);
    }
    // A new game from the album, its goal answered: the company typed over the selected offer.
    bool newGame() {
        pickMap(0);
        StartForm* form = menu()->picName;
        form->txtName->setText(u"Ota Kormidelník"_s);
        form->txtCompany->setFocus();
        if (!QTest::qWaitFor([form] { return form->txtCompany->hasSelectedText(); }))
            return false;
        QTest::keyClicks(form->txtCompany, u"Jantar a syn"_s);
        QTest::keyClick(form->txtCompany, Qt::Key_Return);
        if (!port() || !port()->HasGame())
            return false;
        ok = std::make_unique<Answerer>(*port(), u"OK"_s);
        // Whether the goal comes is the first leg's to check; the others wait for its answer.
        static_cast<void>(QTest::qWaitFor(
            [this] { return st.PendingAction == Pending::None && !port()->Waiting(); }, 1000));
        return true;
    }
    // The prepared game opened, the menu gone.
    frmMain* play() {
        PrepareGame(fx, titledMap());
        windows.StartGame();
        return port();
    }
    void backToMenu() { Click(*port(), "backToMenu"); }
};

} // namespace

class JourneysTest : public QObject {
    Q_OBJECT
private slots:
    // Titled with the name and company typed; the goal greets the new game once, not on a reshow.
    void aNewGameFromTheAlbumIsGreetedWithItsGoalOnce() {
        Journey j;
        QVERIFY(j.newGame());
        QVERIFY(!j.menu());
        QCOMPARE(j.port()->windowTitle(), u"Vlnobrod - Ota Kormidelník - Jantar a syn"_s);
        j.port()->hide();
        j.port()->show();
        QTest::qWait(50);
        QCOMPARE(j.ok->texts, QStringList{u"Vydělejte milion.\nOtevřete Skalnou.\n\n"_s});
    }

    // The menu takes the port's "Zpět", and leads back to the same window.
    void theMenuLeadsBackToTheGameBehindIt() {
        Journey j(Layout::Own);
        frmMain* port = j.play();
        j.backToMenu();
        QVERIFY(!port->isVisible() && j.menu()->isVisible());
        QVERIFY(j.st.HandOff.empty());
        j.entry(menuentry::Continue);
        QCOMPARE(j.port(), port);
        QVERIFY(port->isVisible() && !j.menu()->isVisible());
    }

    // Played on and not saved, then a save loaded from the menu after a "Ne", which saves nothing.
    void aSaveLoadedFromTheMenuReplacesTheGamePlayedOn() {
        Journey j(Layout::Own);
        j.fx.writeData(u"Save/Benátky.mlo"_s,
                       titledMap().replace(u"Hotovost=25000"_s, u"Hotovost=100"_s));
        frmMain* port = j.play();
        j.st.Hotovost = 1;
        j.st.StateSaved = false;
        j.backToMenu();
        j.reply = u"Ne"_s;
        j.entry(menuentry::Load);
        j.menu()->loadPanel->Select(0);
        j.button(menubutton::LoadGame);
        QCOMPARE(j.said.size(), 1);
        QVERIFY(j.port() != port && j.port()->HasGame());
        QCOMPARE(j.st.Hotovost, 100.0);
        QVERIFY(!QFile::exists(j.fx.dataPath(u"Save/Poslední hra.mlo"_s)));
    }

    // A save and the table the met goal enters the game into (second, in red, five places only)
    // go to the player's folder; the program's folder stays as shipped. Worth the cash and two
    // small ships at 100 000 (no price for the cargo here).
    void aSaveAndAFinishedMapGoToThePlayersFolder() {
        Journey j;
        QVERIFY(j.newGame());
        Click(*j.port(), "openSave");
        Named<QLineEdit>(*j.port(), "saveName")->setText(u"Benátky"_s);
        QTest::keyClick(Named(*j.port(), "saveName"), Qt::Key_Return);
        QVERIFY(QFile::exists(j.fx.userPath(u"Save/Benátky.mlo"_s)));
        j.st.Konto = 0;
        j.st.Cities[1].Pristup = 0;
        ChangeMoney(j.st, *j.port(), 1000000, false);
        QCOMPARE(j.tops, QStringList{u"12|pro mapu Zkušební|V hotovosti: 1 025 000 zlatých|Na "
                                     "kontě: 0 zlatých|1 225 000 zlatých|Anna|Ota Kormidelník|"
                                     "color: #ff0000;"_s});
        const QByteArray table = bytes(j.fx.userPath(u"Mapa1.mlo"_s));
        QVERIFY(table.count('[') == 5 && table.contains("[Top4]"));
        QCOMPARE(contents(j.fx.appFolder()), j.shipped);
    }

    // A question left open in the dock keeps its window from "< Zpět do menu" and a new game.
    void aQuestionLeftOpenKeepsItsWindow() {
        Journey j(Layout::Own);
        frmMain* port = j.play();
        QVERIFY(QTest::qWaitForWindowExposed(port));
        Click(*port, "tabDok");
        bool stayed = false;
        QTimer::singleShot(0, port, [&] {
            j.backToMenu();
            j.windows.BackToMenu();
            j.windows.StartGame();
            stayed = port->isVisible() && !j.menu() && j.port() == port;
            QTest::keyClick(port, Qt::Key_Escape); // "Zrušit"
        });
        Click(*port, "buyShip");
        QVERIFY(stayed);
        QCOMPARE(j.st.Fleet.Pocet, std::int16_t{2});
    }

    // A game not saved since it changed is not lost: "Konec >", closing the menu and a new game
    // ask first, and "Zrušit" stays; "Ano" saves it as "Poslední hra" and starts the new game,
    // greeted once and waiting for nothing.
    void anUnsavedGameAsksBeforeTheMenuLeavesIt() {
        Journey j(Layout::Own);
        frmMain* port = j.play();
        j.st.StateSaved = false;
        j.backToMenu();
        j.reply = u"Zrušit"_s;
        j.entry(menuentry::Exit);
        QVERIFY(!j.menu()->close() && j.menu()->isVisible());
        j.pickMap(0);
        j.button(menubutton::StartGame);
        QCOMPARE(j.port(), port);
        QCOMPARE(j.said, QStringList(3, u"Chcete hru uložit pod název: Poslední hra ?"_s));

        j.reply = u"Ano"_s;
        j.button(menubutton::StartGame);
        QCOMPARE(j.said.size(), 4);
        QVERIFY(QFile::exists(j.fx.dataPath(u"Save/Poslední hra.mlo"_s)));
        QVERIFY(j.port() != port && j.port()->HasGame());
        QCOMPARE(j.st.Name, std::string("Ludvík Prachatý"));
        Answerer ok(*j.port(), u"OK"_s);
        QTRY_COMPARE(ok.titles, QStringList{u"Úkolem této mapy je ..."_s});
        QTest::qWait(50);
        QVERIFY(!j.port()->Waiting());
    }

    // A file that is no game, or whose chart is missing, is refused before it replaces the
    // state file; a game that fails to open all the same clears the new game it was to greet.
    void whatTheMenuRefusesLeavesTheGameBehindIt() {
        Journey j(Layout::Own);
        j.fx.writeData(u"Save/Duch.mlo"_s, u"\x01nic;\n<b>x</b>"_s);
        j.fx.writeData(u"Mapa2.mlo"_s, titledMap().replace(u"Mapa=Mapa1"_s, u"Mapa=Mapa2"_s));
        frmMain* port = j.play();
        const QByteArray before = bytes(j.fx.dataPath(u"aktual.map"_s));
        j.backToMenu();
        j.entry(menuentry::Load);
        j.menu()->loadPanel->Select(0);
        j.button(menubutton::LoadGame);
        j.pickMap(1); // Mapa2, whose chart is missing
        j.button(menubutton::StartGame);
        j.st.PendingAction = Pending::NewGame;
        j.st.HandOff = j.fx.dataPath(u"Save/zmizela.mlo"_s).toStdString();
        j.windows.StartGame();
        QVERIFY2(j.said.size() == 3 && j.said[0].startsWith(u"Hru nelze otevřít: "_s) &&
                     j.said[1].contains(u"Mapa2.jpg"_s) && j.said[2].contains(u"zmizela.mlo"_s),
                 qPrintable(j.said.join('|')));
        QCOMPARE(j.st.PendingAction, Pending::None);
        QVERIFY(j.menu()->isVisible());
        QCOMPARE(j.port(), port);
        QCOMPARE(bytes(j.fx.dataPath(u"aktual.map"_s)), before);
        QCOMPARE(j.st.Name, std::string("Jan Novák"));
    }

    // The fixture's dice blow a north wind of 5.5 and put the pirates' cannon at 526: 54 of
    // powder at 35 degrees hits it, and the menu says who won. In the two-player duel the second
    // player's 56 at 45 hits the merchant's deck, the merchant closes the window, and the menu
    // says nothing. The game behind the menu keeps its ship and its cash.
    void theDuelsTellTheirWinnerAndLeaveTheGame() {
        Journey j(Layout::Own);
        j.play();
        j.backToMenu();
        float hitBeforeClosing = 0;
        WhenModal<frmSouboj> battle([&](frmSouboj* b) {
            if (b->Rules().Flying())
                return;
            if (b->Rules().Over()) {
                QTest::keyClick(b, Qt::Key_Return); // the outcome read
                return;
            }
            const bool duel = b->Rules().Mode() == HandOffWord::PiratiB2;
            hitBeforeClosing = b->Rules().Damage(Merchant);
            if (duel && hitBeforeClosing > 0) {
                b->close();
                return;
            }
            Named<QSlider>(*b, "angleSlider0")->setValue(duel ? 45 : 35);
            Named<QSlider>(*b, "powderSlider0")->setValue(duel ? 40 : 54);
            Named<QSlider>(*b, "powderSlider1")->setValue(56);
            Click(*b, b->Rules().Side() == Pirates ? "fire1" : "fire0");
        });
        j.entry(menuentry::Duel);
        j.button(menubutton::RunDuel);
        QCOMPARE(j.said, QStringList{u"Vyhrála obchodní loď!"_s});
        QVERIFY(j.st.HandOff == HandOffWord::Vyhral);
        QTest::mouseClick(j.menu()->opt1, Qt::LeftButton);
        j.button(menubutton::RunDuel);
        QCOMPARE(j.said.size(), 1);
        QVERIFY(hitBeforeClosing > 0);
        QCOMPARE(j.st.Fleet.Poskozeni, std::uint8_t{20});
        QCOMPARE(j.st.Hotovost, 25000.0);
    }
};

QTEST_MAIN(JourneysTest)
#include "JourneysTest.moc"
