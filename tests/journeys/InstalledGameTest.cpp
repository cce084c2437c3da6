// An installed game, played by someone who cannot write the program's folder.
#include "menu/LoadPanel.h"
#include "menu/MapAlbum.h"
#include "menu/StartForm.h"
#include "menu/frmMenu.h"
#include "port/Money.h"
#include "port/PortLabels.h"
#include "results/frmTop.h"
#include "shell/Windows.h"
#include "support/PortFixture.h"
#include "trade/SavePanel.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QRegularExpression>
#include <QTest>

using namespace vlnobrod;

namespace {

void click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton);
}

// Every file below `folder` with its bytes.
QMap<QString, QByteArray> contents(const QString& folder) {
    QMap<QString, QByteArray> all;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        all[f.fileName()] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("?");
    }
    return all;
}

// Read-only for everyone, like an install under /usr; or back to writable for the clean-up.
void setWritable(const QString& folder, bool writable) {
    const auto read = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    const auto enter = QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    const auto write = writable ? QFileDevice::WriteOwner : QFileDevice::Permissions();
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile::setPermissions(path, it.fileInfo().isDir() ? read | enter | write : read | write);
    }
    QFile::setPermissions(folder, read | enter | write);
}

} // namespace

class InstalledGameTest : public QObject {
    Q_OBJECT
private slots:
    // A new game from the shipped map, saved, the map finished and entered into the table,
    // the save in the menu's list: all of it lands in the player's folder, and the player's
    // table file holds nothing but the five places.
    void aNewGameSavedAndFinishedWritesOnlyIntoThePlayersFolder() {
        testing::ScreenFixture fx(testing::ScreenFixture::Layout::Installed);
        fx.writeData(QStringLiteral("Mapa1.mlo"),
                     QString::fromUtf8(testing::PortGame) +
                         QStringLiteral("[Top0]\nName=Anna\nCompany=Alfa\nDays=5\nValue=9\n"
                                        "[Top1]\nName=------\nDays=9999999\n"));
        testing::WriteChart(fx, QStringLiteral("Mapa1"));
        const QMap<QString, QByteArray> shipped = contents(fx.appFolder());
        setWritable(fx.appFolder(), false);
        GameState& st = fx.game().state;
        Windows windows(fx.game());
        windows.Start();
        frmMenu* menu = windows.Menu();
        click(menu->lblAkce[1]);
        QCOMPARE(menu->album->Count(), 1);
        click(menu->album->imgMap[0]);
        menu->picName->txtName->setText(QStringLiteral("Ota Kormidelník"));
        QTest::keyClick(menu->picName->txtName, Qt::Key_Return);
        frmMain* port = windows.Port();
        QVERIFY(port && port->HasGame());
        QVERIFY(QFile::exists(fx.userPath(QStringLiteral("aktual.map"))));
        testing::Answerer ok(*port, QStringLiteral("OK"));
        QTRY_COMPARE(ok.titles.size(), 1); // the map's goal
        click(port->lblAkce[akce::OpenSave]);
        SavePanel* save = port->findChild<SavePanel*>();
        save->txtSave->setText(QStringLiteral("Benátky"));
        QTest::keyClick(save->txtSave, Qt::Key_Return);
        QVERIFY(QFile::exists(fx.userPath(QStringLiteral("Save/Benátky.mlo"))));

        // The goal met: the statistics window enters the game at the second place.
        QString entered;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* top = qobject_cast<frmTop*>(QApplication::activeModalWidget())) {
                entered = top->lblName[0]->text() + "," + top->lblName[1]->text();
                top->accept();
            }
        });
        poll.start(10);
        st.Konto = 0;
        st.Cities[1].Pristup = 0;
        ChangeMoney(st, *port, 1000000, false);
        QCOMPARE(entered, QStringLiteral("Anna,Ota Kormidelník"));
        QFile table(fx.userPath(QStringLiteral("Mapa1.mlo")));
        QVERIFY(table.open(QIODevice::ReadOnly));
        QStringList sections;
        for (const QByteArray& line : table.readAll().split('\n'))
            if (line.startsWith('['))
                sections << QString::fromLatin1(line.trimmed());
        sections.sort(); // places missing from the shipped map are added as they fill
        QCOMPARE(sections.join(' '), QStringLiteral("[Top0] [Top1] [Top2] [Top3] [Top4]"));

        // Back in the menu the save is listed, with its time the Czech way.
        click(port->lblAkce[akce::BackToMenu]);
        menu = windows.Menu();
        click(menu->lblAkce[2]);
        QCOMPARE(menu->loadPanel->FileLoad->count(), 1);
        QCOMPARE(menu->loadPanel->FileLoad->item(0)->text(), QStringLiteral("Benátky.mlo"));
        menu->loadPanel->Select(0);
        static const QRegularExpression czech(QStringLiteral("^\\d{1,2}\\. \\d{1,2}\\. \\d{4} "));
        QVERIFY(czech.match(menu->loadPanel->lbl35->text()).hasMatch());

        setWritable(fx.appFolder(), true);
        QCOMPARE(contents(fx.appFolder()), shipped);
    }
};

QTEST_MAIN(InstalledGameTest)
#include "InstalledGameTest.moc"
