// A reference for the start-up benchmark, not its floor: the bare window with one caption in
// the menu's heavy face, so the table shows what the system's fonts alone cost a window that
// draws text (font configuration, the font database, a face and its shaping), which the bare
// window never loads.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("caption window"));
    window.setFixedSize(800, 600);
    QFont heavy(QStringLiteral("Arial Black"));
    heavy.setStyleHint(QFont::SansSerif);
    heavy.setWeight(QFont::Black);
    heavy.setPointSize(34);
    auto* caption = new QLabel(QStringLiteral("Vlnobrod"), &window);
    caption->setFont(heavy);
    caption->move(36, 18);
    caption->adjustSize();
    window.show();
    return QApplication::exec();
}
