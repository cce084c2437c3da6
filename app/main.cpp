#include "platform/Files.h"
#include "platform/GameLock.h"
#include "shell/GameShell.h"
#include "widgets/Art.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vlnobrod"));
    QApplication::setApplicationVersion(QStringLiteral(VLNOBROD_VERSION));
    // Decoded as the PNG it is: an icon made from the file name would first ask every image
    // plugin whether it can read it, loading them all at start-up.
    QApplication::setWindowIcon(QIcon(vlnobrod::art::Picture(QStringLiteral("icon"))));
    QGuiApplication::setDesktopFileName(QStringLiteral("cz.vlnobrod.Vlnobrod"));

    // Qt's own dialogs (the system message box's "Ano" and "Ne") speak Czech like the game,
    // whatever the system's language.
    QTranslator qtCzech;
    if (qtCzech.load(QLocale(QLocale::Czech, QLocale::CzechRepublic), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtCzech);

    // A second copy of the game on the same data folder would mix its game with this one's:
    // it says so and ends before it touches anything.
    const vlnobrod::GameLock lock(
        vlnobrod::files::FindDataPlaces(QCoreApplication::applicationDirPath()));
    if (lock.HeldElsewhere()) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Vlnobrod"), lock.Message());
        box.setTextFormat(Qt::PlainText); // the folder's name, as it is
        box.exec();
        return 1;
    }

    vlnobrod::GameShell game;
    game.Start();
    return QApplication::exec();
}
