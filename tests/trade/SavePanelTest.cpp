#include "trade/SavePanel.h"
#include "support/PortFixture.h"

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

        // An empty box, or one of blanks only, saves as QuickSave and says so in the box.
        s->txtSave->setText(QStringLiteral("   "));
        QTest::mouseClick(p.w->lblAkce[15], Qt::LeftButton);
        QCOMPARE(s->txtSave->text(), QStringLiteral("QuickSave"));
        QVERIFY(QFile::exists(p.fx.dataPath(QStringLiteral("Save/QuickSave.mlo"))));
        QVERIFY(!s->lblProblem->isVisible());

        // A save picked from the list fills the box with its name alone, so a long name
        // (here 43 of the 45 characters) is saved again under that name.
        const QString longest(43, QLatin1Char('x'));
        p.fx.writeData(QStringLiteral("Save/") + longest + QStringLiteral(".mlo"),
                       QStringLiteral("[Mapa]\n"));
        QTest::mouseClick(p.w->lblAkce[14], Qt::LeftButton);
        s->FileSave->setCurrentRow(1); // after QuickSave
        s->FileSave_Click();
        QCOMPARE(s->FileSave->currentItem()->text(), longest + QStringLiteral(".mlo"));
        QCOMPARE(s->txtSave->text(), longest);
        QTest::mouseClick(p.w->lblAkce[15], Qt::LeftButton);
        QCOMPARE(QDir(p.fx.dataPath(QStringLiteral("Save"))).entryList(QDir::Files).size(), 2);
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
};

QTEST_MAIN(SavePanelTest)
#include "SavePanelTest.moc"
