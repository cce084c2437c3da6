#include "trade/SavePanel.h"
#include "menu/LoadPanel.h"
#include "menu/MapAlbum.h"
#include "menu/StartForm.h"
#include "menu/frmMenu.h"
#include "port/PortFixture.h"
#include "results/frmTop.h"
#include "shell/Windows.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using namespace vlnobrod;
using vlnobrod::testing::Answerer;

namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A port screen on the small test game, played a little.
struct Playing : testing::PortScreen {
    int exits = 0;
    SavePanel* panel = nullptr;
    Playing() {
        w->ExitGame = [this] { ++exits; };
        panel = w->findChild<SavePanel*>();
        st().Hotovost = 31234.5;
        st().Den = 40;
        st().Fleet.Pocet = 3;
        st().Fleet.Naklad[4] = 17;
        st().StateSaved = false;
    }
};

} // namespace

class SavePanelTest : public QObject {
    Q_OBJECT
private slots:
    void aNewGameFromTheAlbumOpensThePortScreenWithTheGoalOnce() {
        testing::ScreenFixture fx;
        fx.writeData(QStringLiteral("Mapa1.mlo"), QString::fromUtf8(testing::PortGame));
        fx.writeData(QStringLiteral("aktual.map"), QStringLiteral("[Mapa]\nStaryKlic=1\n"));
        testing::WriteChart(fx, QStringLiteral("Mapa1"));
        Windows windows(fx.game());
        windows.Start();
        frmMenu* menu = windows.Menu();
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QTest::mouseClick(menu->lblAkce[1], Qt::LeftButton);
        QTest::mouseClick(menu->album->imgMap[0], Qt::LeftButton);
        StartForm* form = menu->picName;
        QVERIFY(form->isVisible());
        QCOMPARE(form->txtName->maxLength(), 30);
        form->txtName->setFocus();
        form->txtName->setText(QStringLiteral("Ota Kormidelník"));
        // The focus selects the offered name, so typing replaces it; Enter starts the game.
        form->txtCompany->setFocus();
        QTRY_COMPARE(form->txtCompany->selectedText(), QStringLiteral("Trotl Transport"));
        QTest::keyClicks(form->txtCompany, QStringLiteral("Jantar a syn"));
        QTest::keyClick(form->txtCompany, Qt::Key_Return);

        frmMain* port = windows.Port();
        QVERIFY(port && port->HasGame());
        QCOMPARE(fx.game().state.Name, std::string("Ota Kormidelník"));
        QCOMPARE(fx.game().state.Company, std::string("Jantar a syn"));
        // The state file is a fresh copy of the map with the typed names.
        const std::string state = fx.dataPath(QStringLiteral("aktual.map")).toStdString();
        Profiles fresh;
        QCOMPARE(fresh.ReadProfile(state, "Mapa", "Name", ""), std::string("Ota Kormidelník"));
        QCOMPARE(fresh.ReadProfile(state, "Mapa", "Company", ""), std::string("Jantar a syn"));
        QCOMPARE(fresh.ReadProfile(state, "Mapa", "StaryKlic", "-"), std::string("-"));
        QCOMPARE(fresh.ReadProfile(state, "Mapa", "Hotovost", ""), std::string("25000"));

        Answerer ok(*port, QStringLiteral("OK"));
        QTRY_COMPARE(ok.titles.size(), 1);
        QCOMPARE(ok.titles[0], QStringLiteral("Úkolem této mapy je ..."));
        QCOMPARE(ok.texts[0], QStringLiteral("Vydělejte milion.\nOtevřete Skalnou.\n\n"));
        QVERIFY(fx.game().state.PendingAction == Pending::None);
        // Showing the window again does not greet again.
        port->hide();
        port->show();
        QTest::qWait(50);
        QCOMPARE(ok.titles.size(), 1);
    }

    void aSavedGameLoadsBackFromTheMenu() {
        Playing p;
        SavePanel* s = p.panel;
        QTest::mouseClick(p.w->lblAkce[14], Qt::LeftButton);
        QVERIFY(p.w->picZáložka[3]->isVisible());
        s->txtSave->setText(QStringLiteral("Benátk"));
        QTest::keyClicks(s->txtSave, QStringLiteral("y"));
        QTest::keyClick(s->txtSave, Qt::Key_Return);

        const QString file = p.fx.dataPath(QStringLiteral("Save/Benátky.mlo"));
        QVERIFY(QFile::exists(file));
        GameState& st = p.st();
        QVERIFY(st.StateSaved);
        QCOMPARE(QString::fromStdString(st.HandOff.File()), file);
        QVERIFY(!s->picPrůběh->isVisible());
        QVERIFY(!p.w->picZáložka[3]->isVisible());
        // The panel lists it next time, and a click on it fills the box, ".mlo" included.
        QTest::mouseClick(p.w->lblAkce[14], Qt::LeftButton);
        QCOMPARE(s->FileSave->count(), 1);
        s->FileSave->setCurrentRow(0);
        s->FileSave_Click();
        QCOMPARE(s->txtSave->text(), QStringLiteral("Benátky.mlo"));
        p.w.reset();

        // Played on and lost, then loaded again from the menu.
        st.Hotovost = 1;
        st.Den = 99;
        st.Fleet = FleetRecord{};
        Windows windows(p.fx.game());
        windows.Start();
        frmMenu* menu = windows.Menu();
        QTest::mouseClick(menu->lblAkce[2], Qt::LeftButton);
        menu->loadPanel->Select(0);
        QTest::mouseClick(menu->lblAkceB[1], Qt::LeftButton);
        QVERIFY(windows.Port() && windows.Port()->HasGame());
        QCOMPARE(st.Hotovost, 31234.5);
        QCOMPARE(st.Den, std::int16_t{40});
        QCOMPARE(st.Fleet.Pocet, std::int16_t{3});
        QCOMPARE(st.Fleet.Naklad[4], 17.0);
        QCOMPARE(st.Fleet.Naklad[2], 10.0);
    }

    void aRefusedNameIsExplainedAndNothingIsSaved() {
        Playing p;
        SavePanel* s = p.panel;
        const std::string handOff = p.st().HandOff.File();
        QTest::mouseClick(p.w->lblAkce[14], Qt::LeftButton);
        s->txtSave->setText(QStringLiteral("../aktual"));
        QTest::mouseClick(p.w->lblAkce[15], Qt::LeftButton);
        QVERIFY(s->lblProblem->isVisible());
        QCOMPARE(s->lblProblem->text(), QStringLiteral("Název hry nesmí obsahovat znaky / a \\."));
        QVERIFY(p.w->picZáložka[3]->isVisible());
        QVERIFY(!p.st().StateSaved);
        QCOMPARE(p.st().HandOff.File(), handOff);
        QCOMPARE(QDir(p.fx.dataPath(QStringLiteral("Save"))).entryList(QDir::Files).size(), 0);

        // An empty box saves as QuickSave and says so in the box.
        s->txtSave->clear();
        QTest::mouseClick(p.w->lblAkce[15], Qt::LeftButton);
        QCOMPARE(s->txtSave->text(), QStringLiteral("QuickSave"));
        QVERIFY(QFile::exists(p.fx.dataPath(QStringLiteral("Save/QuickSave.mlo"))));
        QVERIFY(!s->lblProblem->isVisible());
    }

    void aFailedSaveIsReportedAndLosesNothing() {
        Playing p;
        const QString older =
            p.fx.writeData(QStringLiteral("Save/Benátky.mlo"), QStringLiteral("[Mapa]\nDen=3\n"));
        const QByteArray before = contents(older);
        // Something that is not a file stands where the new save is put together.
        QVERIFY(QDir().mkpath(older + QStringLiteral(".part~/obsazeno")));
        Answerer ok(*p.w, QStringLiteral("OK"));
        QTest::mouseClick(p.w->lblAkce[14], Qt::LeftButton);
        p.panel->txtSave->setText(QStringLiteral("Benátky"));
        QTest::mouseClick(p.w->lblAkce[15], Qt::LeftButton);
        QCOMPARE(ok.texts.size(), 1);
        QVERIFY(ok.texts[0].startsWith(QStringLiteral("Hru se nepodařilo uložit")));
        QCOMPARE(contents(older), before);
        QVERIFY(!p.st().StateSaved);
        QCOMPARE(p.st().Hotovost, 31234.5);
        QVERIFY(!p.panel->picPrůběh->isVisible());
    }

    void closingAnUnsavedGameAsksAndDoesWhatTheAnswerSays() {
        const struct {
            const char* answer;
            bool closes;
            bool saved;
        } cases[] = {{"Ano", true, true}, {"Ne", true, false}, {"Zrušit", false, false}};
        for (const auto& c : cases) {
            Playing p;
            Answerer a(*p.w, QString::fromUtf8(c.answer));
            QCOMPARE(p.w->close(), c.closes);
            QCOMPARE(a.texts,
                     QStringList{QStringLiteral("Chcete hru uložit pod název: Poslední hra ?")});
            QCOMPARE(QFile::exists(p.fx.dataPath(QStringLiteral("Save/Poslední hra.mlo"))),
                     c.saved);
            QCOMPARE(p.exits, c.closes ? 1 : 0);
            QCOMPARE(p.w->isVisible(), !c.closes);
        }
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
        QTest::mouseClick(windows.Port()->lblAkce[17], Qt::LeftButton);
        QCOMPARE(days, QStringLiteral("12"));
        QCOMPARE(heading, QStringLiteral("pro mapu Zkušební"));
    }
};

QTEST_MAIN(SavePanelTest)
#include "SavePanelTest.moc"
