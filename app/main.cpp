#include "platform/SettingsStore.h"
#include "state/Numbers.h"
#include "state/Random.h"
#include "widgets/GameServices.h"
#include "widgets/Windows.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vlnobrod"));
    QApplication::setApplicationVersion(QStringLiteral(VLNOBROD_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/art/icon.png")));

    vlnobrod::SettingsStore settings;
    vlnobrod::ClockRandom random;
    vlnobrod::GameServices game(QApplication::applicationDirPath(), settings, random);
    game.state.locale.decimalSeparator =
        vlnobrod::DecimalSeparatorFor(QLocale::system().decimalPoint().toStdString());

    vlnobrod::Windows windows(game);
    windows.Start();
    return QApplication::exec();
}
