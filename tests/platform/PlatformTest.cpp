#include "platform/Files.h"
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
QByteArray readFile(const QString& path) {
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

    void soundsPlayOnlyWhenSwitchedOnAndTheFileExists() {
        QTemporaryDir dir;
        SettingsStore settings(dir.path() + "/s.ini");
        SoundPlayer player(settings, dir.path());
        writeFile(dir.path() + "/Data/Sounds/Kasa.wav", "RIFF");
        QVERIFY(!settings.SoundsOn());
        QCOMPARE(player.SoundFile("Kasa"), QString());
        settings.SaveSetting("Options", "Zvuky", "2");
        QCOMPARE(player.SoundFile("Kasa"), QString());
        settings.SaveSetting("Options", "Zvuky", "1");
        QCOMPARE(player.SoundFile("Kasa"), dir.path() + "/Data/Sounds/Kasa.wav");
        QCOMPARE(player.SoundFile("Ding"), QString()); // missing file: silence, no complaint
        QVERIFY(!player.PlaySoundName("Ding"));
        settings.DeleteSetting("Options", "Zvuky");
        QVERIFY(!settings.SoundsOn());
        // The setting lives in the file the test gave, nowhere else.
        QVERIFY(!readFile(dir.path() + "/s.ini").contains("Zvuky"));
    }

    void theSoundModuleIsLoadedOnTheFirstSoundOnly() {
        QTemporaryDir dir;
        SettingsStore settings(dir.path() + "/s.ini");
        writeFile(dir.path() + "/Data/Sounds/Kasa.wav", "RIFF");
        SoundPlayer player(settings, dir.path(), VLNOBROD_SOUND_MODULE_DIR);
        QVERIFY(!player.PlaySoundName("Kasa")); // sounds off: nothing is loaded
        QVERIFY(!player.BackendLoaded());
        settings.SaveSetting("Options", "Zvuky", "1");
        QVERIFY(player.PlaySoundName("Kasa"));
        QVERIFY(player.BackendLoaded());
        QVERIFY(player.PlaySoundName("Kasa")); // the next sound cuts in on the same back end

        // Without the module the game stays silent, and keeps running.
        SoundPlayer lost(settings, dir.path(), dir.path());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Zvuky nelze přehrát"));
        QVERIFY(!lost.PlaySoundName("Kasa"));
        QVERIFY(!lost.PlaySoundName("Kasa")); // looked for once, not at every sound
    }

    void listsAreSortedByNameAndAMissingFolderIsEmpty() {
        QTemporaryDir dir;
        for (const char* n : {"c.mlo", "A.mlo", "b.mlo", "notes.txt"})
            writeFile(dir.path() + "/" + n, "x");
        QCOMPARE(files::List(dir.path(), "*.mlo"), QStringList({"A.mlo", "b.mlo", "c.mlo"}));
        QVERIFY(files::List(dir.path() + "/Save", "*.mlo").isEmpty());
        QVERIFY(files::ModificationTime(dir.path() + "/A.mlo").isValid());
        QVERIFY(!files::ModificationTime(dir.path() + "/Z.mlo").isValid());
    }

    void deletingAskFirstAndKeepsTheFileOnNo() {
        QTemporaryDir dir(home.path() + "/saves-XXXXXX");
        const QString save = dir.path() + "/Moje.mlo";
        writeFile(save, "[Mapa]");
        QString asked;
        QVERIFY(!files::DeleteFileToBin(save, [&](const QString& p) {
            asked = p;
            return false;
        }));
        QCOMPARE(asked, save);
        QVERIFY(QFile::exists(save));
        QVERIFY(files::DeleteFileToBin(save, [](const QString&) { return true; }));
        QVERIFY(!QFile::exists(save));
        // It is in the trash, where the player can still get it back.
        QCOMPARE(readFile(home.path() + "/share/Trash/files/Moje.mlo"), QByteArray("[Mapa]"));
        QVERIFY(!files::DeleteFileToBin(save, [](const QString&) { return true; }));
    }

    // The real permission check, as whoever runs the tests and, for root, as "nobody": a
    // copy of the game anyone may write keeps its own layout, an installed one does not.
    void theGameWritesBesideItselfOnlyWhereItMay() {
        QTemporaryDir dir;
        const QString unpacked = dir.path() + "/unpacked", installed = dir.path() + "/installed";
        for (const QString& app : {unpacked, installed})
            QVERIFY(QDir().mkpath(app + "/Data"));
        const auto all = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther |
                         QFileDevice::ExeOther;
        const auto writable = all | QFileDevice::WriteOwner | QFileDevice::WriteOther;
        QFile::setPermissions(dir.path(), all);
        for (const QString& f : {unpacked, unpacked + "/Data"})
            QFile::setPermissions(f, writable);
        for (const QString& f : {installed, installed + "/Data"})
            QFile::setPermissions(f, all);
        DataPlaces a, b;
        bool asNobody = false;
        {
            testing::AsUnprivilegedUser user;
            asNobody = user.ok;
            a = files::FindDataPlaces(unpacked);
            b = files::FindDataPlaces(installed);
        }
        for (const QString& f : {dir.path(), installed, installed + "/Data"})
            QFile::setPermissions(f, writable);
        QVERIFY(asNobody);
        QVERIFY(!a.PerUser());
        QCOMPARE(QString::fromStdString(b.AppFolder), installed);
        QCOMPARE(QString::fromStdString(b.UserFolder), home.path() + "/share/vlnobrod");
    }

private:
    QTemporaryDir home;
};

QTEST_GUILESS_MAIN(PlatformTest)
#include "PlatformTest.moc"
