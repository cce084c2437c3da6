#include "platform/Files.h"
#include "platform/GameLock.h"
#include "platform/SettingsStore.h"
#include "platform/SoundPlayer.h"
#include "support/Unprivileged.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace vlnobrod;

namespace {
void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // Keep the desktop's trash and settings of whoever runs the tests out of reach.
        qputenv("XDG_DATA_HOME", QByteArray(home.path().toUtf8() + "/share"));
    }

    // Sounds play only while switched on and their file is there; the sound module is loaded
    // on the first sound that plays, and without it the game stays silent.
    void soundsPlayOnlyWhenSwitchedOnAndLoadTheirModuleOnTheFirstSound() {
        QTemporaryDir dir;
        SettingsStore settings(dir.path() + "/s.ini");
        writeFile(dir.path() + "/Data/Sounds/Kasa.wav", "RIFF");
        SoundPlayer player(settings, dir.path(), VLNOBROD_SOUND_MODULE_DIR);
        settings.SaveSetting("Options", "Zvuky", "2");
        QVERIFY(!player.PlaySoundName("Kasa") && !player.BackendLoaded());
        settings.SaveSetting("Options", "Zvuky", "1");
        QVERIFY(!player.PlaySoundName("Ding"));
        QVERIFY(player.PlaySoundName("Kasa") && player.BackendLoaded());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Zvuky nelze přehrát"));
        QVERIFY(!SoundPlayer(settings, dir.path(), dir.path()).PlaySoundName("Kasa"));
    }

    // Deleting a save puts it in the desktop's trash, where the player can still get it back.
    void aDeletedFileCanBeTakenBackFromTheTrash() {
        QTemporaryDir dir(home.path() + "/saves-XXXXXX");
        const QString save = dir.path() + "/Moje.mlo";
        writeFile(save, "[Mapa]");
        QVERIFY(files::DeleteFileToBin(save, [](const QString&) { return true; }));
        QVERIFY(!QFile::exists(save));
        QCOMPARE(contents(home.path() + "/share/Trash/files/Moje.mlo"), QByteArray("[Mapa]"));
    }

    // As whoever runs the tests, and as "nobody" for root: a copy of the game anyone may
    // write keeps its own layout, an installed one writes to the player's folder.
    void theGameWritesBesideItselfOnlyWhereItMay() {
        QTemporaryDir dir;
        const QString unpacked = dir.path() + "/unpacked", installed = dir.path() + "/installed";
        const auto all = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther |
                         QFileDevice::ExeOther;
        const auto writable = all | QFileDevice::WriteOwner | QFileDevice::WriteOther;
        QFile::setPermissions(dir.path(), all);
        for (const QString& app : {unpacked, installed}) {
            QVERIFY(QDir().mkpath(app + "/Data"));
            for (const QString& f : {app, app + "/Data"})
                QFile::setPermissions(f, app == unpacked ? writable : all);
        }
        DataPlaces a, b;
        {
            testing::AsUnprivilegedUser user;
            QVERIFY(user.ok);
            a = files::FindDataPlaces(unpacked);
            b = files::FindDataPlaces(installed);
        }
        for (const QString& f : {dir.path(), installed, installed + "/Data"})
            QFile::setPermissions(f, writable);
        QVERIFY(!a.PerUser());
        QCOMPARE(QString::fromStdString(b.AppFolder), installed);
        QCOMPARE(QString::fromStdString(b.UserFolder), home.path() + "/share/vlnobrod");
    }

    // A second copy of the game on the same data folder finds it held and says so; one ended or
    // dead keeps nobody out. The lock lies beside the state file, the player's when installed.
    void oneRunningGameHoldsADataFolder() {
        QTemporaryDir dir;
        const DataPlaces own{dir.path().toStdString(), {}};
        const DataPlaces installed{dir.path().toStdString(), (dir.path() + "/home").toStdString()};
        {
            const GameLock first(own);
            QVERIFY(!first.HeldElsewhere() && QFile::exists(dir.path() + "/Data/aktual.lock"));
            const GameLock second(own);
            QVERIFY(second.HeldElsewhere());
            QVERIFY(second.Message().startsWith(
                QStringLiteral("Vlnobrod už běží a hraje se ve složce\n") + dir.path() +
                "/Data\n"));
            const GameLock player(installed);
            QVERIFY(!player.HeldElsewhere() && QFile::exists(dir.path() + "/home/aktual.lock"));
        }
        QVERIFY(!QFile::exists(dir.path() + "/Data/aktual.lock"));

        writeFile(dir.path() + "/Data/aktual.lock", ""); // what a copy that was killed leaves
        QVERIFY(!GameLock(own).HeldElsewhere());
    }

    // The settings file is the player's: a change rewrites its own line only. A file that cannot
    // take it (read-only, too big) is left alone, the change lasts this run, the player is told.
    void aSettingKeepsTheFilesOtherLinesOrSaysWhyItCannotLast() {
        QTemporaryDir dir;
        const QString file = dir.path() + "/s.ini";
        const QByteArray mine = "; moje poznamka\n[Options]\nHlasitost=7\n\n[Jine]\nKlic=1\n";
        writeFile(file, mine);
        SettingsStore settings(file);
        QVERIFY(settings.SaveSetting("Options", "Zvuky", "1"));
        QCOMPARE(
            contents(file),
            QByteArray("; moje poznamka\n[Options]\nHlasitost=7\nZvuky=1\n\n[Jine]\nKlic=1\n"));
        QVERIFY(settings.DeleteSetting("Options", "Zvuky"));
        QCOMPARE(contents(file), mine);
        // A new section goes at the end, in the file's own line ends.
        writeFile(file, "; jen poznamka\r\n");
        QVERIFY(settings.SaveSetting("Options", "Zvuky", "1"));
        QCOMPARE(contents(file), QByteArray("; jen poznamka\r\n\r\n[Options]\r\nZvuky=1\r\n"));

        // Read-only, as the player marked it: the file stays, the sounds go off until the end.
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner));
        QVERIFY(!settings.DeleteSetting("Options", "Zvuky") && !settings.SoundsOn());
        QVERIFY(settings.Problem().contains(file));
        QVERIFY(
            settings.Problem().endsWith(QStringLiteral("Vaše volba platí jen do ukončení hry.")));
        QCOMPARE(contents(file), QByteArray("; jen poznamka\r\n\r\n[Options]\r\nZvuky=1\r\n"));
        QVERIFY(settings.SaveSetting("Options", "Zvuky", "1")); // as the file says: no writing
        QVERIFY(settings.SoundsOn() && settings.Problem().isEmpty());

        // Nor is a file bigger than 64 KiB read whole or replaced.
        const QString edge = dir.path() + "/okraj.ini";
        QByteArray full = "[Options]\nZvuky=1\n;";
        full += QByteArray(64 * 1024 - full.size() - 1, 'x') + '\n';
        writeFile(edge, full);
        QVERIFY(SettingsStore(edge).SoundsOn());
        writeFile(edge, full + 'x');
        SettingsStore big(edge);
        QVERIFY(!big.SoundsOn() && !big.SaveSetting("Options", "Zvuky", "1"));
        QCOMPARE(contents(edge), full + 'x');
        // A file yet to be made is made, folder and all.
        QVERIFY(SettingsStore(dir.path() + "/nova/s.ini").SaveSetting("Options", "Zvuky", "1"));
        QCOMPARE(contents(dir.path() + "/nova/s.ini"), QByteArray("[Options]\nZvuky=1\n"));
    }

private:
    QTemporaryDir home;
};

QTEST_GUILESS_MAIN(PlatformTest)
#include "PlatformTest.moc"
