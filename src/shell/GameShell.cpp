#include "GameShell.h"

#include <QCoreApplication>
#include <QLocale>

namespace vlnobrod {

GameShell::GameShell()
    : services_(QCoreApplication::applicationDirPath(), settings_, random_), windows_(services_) {
    // Numbers go into the game's files with the player's decimal separator.
    const QString point = QLocale::system().decimalPoint();
    services_.state.locale.decimalSeparator = point.isEmpty() ? '.' : point.at(0).toLatin1();
}

} // namespace vlnobrod
