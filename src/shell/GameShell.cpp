#include "GameShell.h"

#include "platform/Files.h"
#include "state/Numbers.h"

#include <QCoreApplication>
#include <QLocale>

namespace vlnobrod {

GameShell::GameShell()
    : services_(files::FindDataPlaces(QCoreApplication::applicationDirPath()), settings_, random_),
      windows_(services_) {
    // Numbers go into the game's files with the player's decimal separator.
    services_.state.locale.decimalSeparator =
        DecimalSeparatorFor(QLocale::system().decimalPoint().toStdString());
}

} // namespace vlnobrod
