#include "shell/GameShell.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vlnobrod"));
    QApplication::setApplicationVersion(QStringLiteral(VLNOBROD_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/art/icon.png")));

    vlnobrod::GameShell game;
    game.Start();
    return QApplication::exec();
}
