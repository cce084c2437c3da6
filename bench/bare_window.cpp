// The floor of the start-up benchmark: the least a Qt Widgets program does to show a window
// of the menu's size, built in the same preset as the game.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare window"));
    window.setFixedSize(800, 600);
    window.show();
    return QApplication::exec();
}
