#include "trade/SavePanel.h"
#include "menu/LoadPanel.h"
#include "menu/MapAlbum.h"
#include "menu/StartForm.h"
#include "menu/frmMenu.h"
#include "port/PortFixture.h"
#include "results/frmTop.h"
#include "widgets/Windows.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <algorithm>
#include <unistd.h>

using namespace vlnobrod;

namespace {

// Answers every message box of the port screen with `answer` (a code: 1 OK, 2 Zrušit,
// 6 Ano, 7 Ne) and remembers what it said.
class Answerer {
public:
    Answerer(frmMain& w, int answer) : w_(w), answer_(answer) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }
    QStringList titles, texts;

private:
    void Poll() {
        if (!w_.picMsgBox->isVisible())
            return;
        titles << w_.lblTitulek->text();
        texts << w_.lblText->text();
        for (ClickLabel* b : w_.cmd)
            if (b->isVisible() && b->Tag.toInt() == answer_) {
                QTest::mouseClick(b, Qt::LeftButton);
                return;
            }
        QTest::mouseClick(w_.cmd[0], Qt::LeftButton);
    }
    frmMain& w_;
    int answer_;
    QTimer timer_;
};

SavePanel* savePanelOf(frmMain& w) {
    return w.findChild<SavePanel*>();
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A port screen on the small test game, played a little.
struct Playing {
    testing::ScreenFixture fx;
    std::unique_ptr<frmMain> w;
    int exits = 0;
    Playing() {
        testing::PrepareGame(fx);
        w = std::make_unique<frmMain>(fx.game());
        w->ExitGame = [this] { ++exits; };
        w->Form_Load();
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get()))
            qWarning("the port screen did not show");
        GameState& st = fx.game().state;
        st.Hotovost = 31234.5;
        st.Den = 40;
        st.Fleet.Pocet = 3;
        st.Fleet.Naklad[4] = 17;
        st.StateSaved = false;
    }
};

} // namespace

class SavePanelTest : public QObject {
    Q_OBJECT
private slots:
    void aNewGameFromTheAlbumOpensThePortScreenWithTheGoal() {
        testing::ScreenFixture fx;
        fx.writeData(QStringLiteral("Mapa1.mlo"), QString::fromUtf8(testing::PortGame));
        testing::WriteChart(fx, QStringLiteral("Mapa1"));
        Windows windows(fx.game());
        windows.Start();
        frmMenu* menu = windows.Menu();
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QTest::mouseClick(menu->lblAkce[1], Qt::LeftButton);
        QTest::mouseClick(menu->album->imgMap[0], Qt::LeftButton);
        menu->picName->txtCompany->setText(QStringLiteral("Jantar a syn"));
        menu->picName->txtName->setText(QStringLiteral("Ota Kormidelník"));
        QTest::mouseClick(menu->lblAkceB[0], Qt::LeftButton);

        frmMain* port = windows.Port();
        QVERIFY(port && port->HasGame());
        QCOMPARE(fx.game().state.Name, std::string("Ota Kormidelník"));
        QCOMPARE(fx.game().state.Company, std::string("Jantar a syn"));
        Answerer ok(*port, 1);
        QTRY_COMPARE(ok.titles.size(), 1);
        QCOMPARE(ok.titles[0], QStringLiteral("Úkolem této mapy je ..."));
        QVERIFY(ok.texts[0].startsWith(QStringLiteral("Vydělejte milion.")));
        QCOMPARE(fx.game().state.PendingAction, std::uint8_t{0});
        Profiles fresh;
        QCOMPARE(fresh.ReadProfile(fx.dataPath(QStringLiteral("aktual.map")).toStdString(), "Mapa",
                                   "Name", ""),
                 std::string("Ota Kormidelník"));
    }

    void aSavedGameLoadsBackFromTheMenu() {
        Playing p;
        SavePanel* s = savePanelOf(*p.w);
        QVERIFY(s);
        QTest::mouseClick(p.w->lblAkce[14], Qt::LeftButton);
        QVERIFY(p.w->picZáložka[3]->isVisible());
        s->txtSave->setText(QStringLiteral("Benátk"));
        QTest::keyClicks(s->txtSave, QStringLiteral("y"));
        QTest::keyClick(s->txtSave, Qt::Key_Return);

        const QString file = p.fx.dataPath(QStringLiteral("Save/Benátky.mlo"));
        QVERIFY(QFile::exists(file));
        GameState& st = p.fx.game().state;
        QVERIFY(st.StateSaved);
        QCOMPARE(QString::fromStdString(st.HandOff), file);
        auto saidSaved = [&st] {
            return std::any_of(st.NewsQueue.begin(), st.NewsQueue.end(),
                               [](const NewsItem& n) { return n.text == "Hra byla uložena"; });
        };
        QVERIFY(saidSaved());
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
        QCOMPARE(st.Name, std::string("Jan Novák"));
    }

    void aRefusedNameIsExplainedAndNothingIsSaved() {
        Playing p;
        SavePanel* s = savePanelOf(*p.w);
        QTest::mouseClick(p.w->lblAkce[14], Qt::LeftButton);
        s->txtSave->setText(QStringLiteral("../aktual"));
        QTest::mouseClick(p.w->lblAkce[15], Qt::LeftButton);
        QVERIFY(s->lblProblem->isVisible());
        QCOMPARE(s->lblProblem->text(), QStringLiteral("Název hry nesmí obsahovat znaky / a \\."));
        QVERIFY(p.w->picZáložka[3]->isVisible());
        QVERIFY(!p.fx.game().state.StateSaved);
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
        SavePanel* s = savePanelOf(*p.w);
        const QString older =
            p.fx.writeData(QStringLiteral("Save/Benátky.mlo"), QStringLiteral("[Mapa]\nDen=3\n"));
        const QByteArray before = contents(older);
        // Something that is not a file stands where the new save is put together.
        QVERIFY(QDir().mkpath(older + QStringLiteral(".part~/obsazeno")));
        const std::string handOff = p.fx.game().state.HandOff;

        Answerer ok(*p.w, 1);
        QTest::mouseClick(p.w->lblAkce[14], Qt::LeftButton);
        s->txtSave->setText(QStringLiteral("Benátky"));
        QTest::mouseClick(p.w->lblAkce[15], Qt::LeftButton);
        QCOMPARE(ok.texts.size(), 1);
        QVERIFY(ok.texts[0].startsWith(QStringLiteral("Hru se nepodařilo uložit")));
        QCOMPARE(contents(older), before);
        GameState& st = p.fx.game().state;
        QVERIFY(!st.StateSaved);
        QCOMPARE(st.HandOff, handOff);
        QCOMPARE(st.Hotovost, 31234.5);
        QVERIFY(std::none_of(st.NewsQueue.begin(), st.NewsQueue.end(),
                             [](const NewsItem& n) { return n.text == "Hra byla uložena"; }));
        QVERIFY(!s->picPrůběh->isVisible());

        // A save folder without write permission fails the same way (not for root).
        if (::geteuid() != 0) {
            QFile::setPermissions(p.fx.dataPath(QStringLiteral("Save")),
                                  QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            s->txtSave->setText(QStringLiteral("Jiná"));
            QTest::mouseClick(p.w->lblAkce[15], Qt::LeftButton);
            QCOMPARE(ok.texts.size(), 2);
            QVERIFY(!st.StateSaved);
            QFile::setPermissions(p.fx.dataPath(QStringLiteral("Save")),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                      QFileDevice::ExeOwner);
        }
    }

    void closingAnUnsavedGameAsksAndDoesWhatTheAnswerSays() {
        const QString last = QStringLiteral("Save/Poslední hra.mlo");
        {
            Playing p; // "Ano": saved as "Poslední hra", then the end
            Answerer yes(*p.w, 6);
            QVERIFY(p.w->close());
            QCOMPARE(yes.texts,
                     QStringList{QStringLiteral("Chcete hru uložit pod název: Poslední hra ?")});
            QCOMPARE(yes.titles[0], QStringLiteral("Opuštění hry"));
            QVERIFY(QFile::exists(p.fx.dataPath(last)));
            QCOMPARE(p.exits, 1);
        }
        {
            Playing p; // "Ne": the end, nothing saved
            Answerer no(*p.w, 7);
            p.w->close();
            QCOMPARE(no.texts.size(), 1);
            QVERIFY(!QFile::exists(p.fx.dataPath(last)));
            QCOMPARE(p.exits, 1);
        }
        {
            Playing p; // "Zrušit": the game goes on
            Answerer cancel(*p.w, 2);
            QVERIFY(!p.w->close());
            QCOMPARE(cancel.texts.size(), 1);
            QVERIFY(p.w->isVisible());
            QCOMPARE(p.exits, 0);
            QVERIFY(!QFile::exists(p.fx.dataPath(last)));

            // Right after a save the window closes without a question.
            p.fx.game().state.StateSaved = true;
            p.w->close();
            QCOMPARE(cancel.texts.size(), 1);
            QCOMPARE(p.exits, 1);
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
        frmMain* port = windows.Port();
        QVERIFY(QTest::qWaitForWindowExposed(port));
        QString days, heading;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(qobject_cast<frmTop*>(QApplication::activeModalWidget()));
            auto* top = qobject_cast<frmTop*>(QApplication::activeModalWidget());
            days = top->lbl12->text();
            heading = top->lbl0->text();
            top->accept();
        });
        QTest::mouseClick(port->lblAkce[17], Qt::LeftButton);
        QCOMPARE(days, QStringLiteral("12"));
        QCOMPARE(heading, QStringLiteral("pro mapu Zkušební"));
    }
};

QTEST_MAIN(SavePanelTest)
#include "SavePanelTest.moc"
