#include "platform/SettingsStore.h"
#include "state/Random.h"
#include "widgets/GameServices.h"
#include "widgets/Windows.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vlnobrod"));
    QApplication::setApplicationVersion(QStringLiteral(VLNOBROD_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/art/icon.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("cz.vlnobrod.Vlnobrod"));

    // Qt's own dialogs (the system message box's "Ano" and "Ne") speak Czech like the game,
    // whatever the system's language.
    QTranslator qtCzech;
    if (qtCzech.load(QLocale(QLocale::Czech, QLocale::CzechRepublic), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtCzech);

    vlnobrod::SettingsStore settings;
    vlnobrod::ClockRandom random;
    vlnobrod::GameServices game(QApplication::applicationDirPath(), settings, random);
    const QString point = QLocale::system().decimalPoint();
    game.state.locale.decimalSeparator = point.isEmpty() ? '.' : point.at(0).toLatin1();

    vlnobrod::Windows windows(game);
    windows.Start();
    return QApplication::exec();
}
