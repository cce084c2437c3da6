#include "shell/GameShell.h"
#include "widgets/Art.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
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

    vlnobrod::GameShell game;
    game.Start();
    return QApplication::exec();
}
