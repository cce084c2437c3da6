#include "platform/Files.h"
#include "platform/SettingsStore.h"
#include "platform/SoundPlayer.h"

#include <QDir>
#include <QFile>
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

    void copiesReplaceTheTargetWholeOrNotAtAll() {
        QTemporaryDir dir;
        const QString from = dir.path() + "/Mapa1.mlo", to = dir.path() + "/aktual.map";
        writeFile(from, "[Mapa]\r\nMapa=Mapa1\r\n");
        writeFile(to, "old game");
        QVERIFY(files::CopyFile(from, to));
        QCOMPARE(readFile(to), QByteArray("[Mapa]\r\nMapa=Mapa1\r\n"));
        QVERIFY(!files::CopyFile(dir.path() + "/missing.mlo", to));
        QCOMPARE(readFile(to), QByteArray("[Mapa]\r\nMapa=Mapa1\r\n"));
        QVERIFY(!files::CopyFile(from, dir.path() + "/no/such/folder/x.mlo"));

        // Through a link: the link stays, its target gets the copy and keeps its permissions.
        const QString real = dir.path() + "/real/aktual.map", link = dir.path() + "/link.map";
        writeFile(real, "old");
        const auto rw = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
        QFile::setPermissions(real, rw);
        QVERIFY(QFile::link("real/aktual.map", link));
        QVERIFY(files::CopyFile(from, link));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readFile(real), QByteArray("[Mapa]\r\nMapa=Mapa1\r\n"));
        QCOMPARE(QFile::permissions(real) & 0x0777,
                 QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup); // 0640
        // A read-only file is not replaced, whoever runs the game.
        writeFile(to, "kept");
        QFile::setPermissions(to, QFile::ReadOwner);
        QVERIFY(!files::CopyFile(from, to));
        QCOMPARE(readFile(to), QByteArray("kept"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
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

private:
    QTemporaryDir home;
};

QTEST_GUILESS_MAIN(PlatformTest)
#include "PlatformTest.moc"
