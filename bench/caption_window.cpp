// The floor of the start-up benchmark: a bare window that shows the menu's captions in the
// menu's faces and sizes, without the game. What the system's fonts cost every window that
// draws text (font configuration, the font database, the faces and their shaping) is in it,
// so the ratio is what the game adds: its picture, its controls, its state.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QWidget>

namespace {

QLabel* caption(QWidget* window, const char* text, double points, bool heavy, int x, int y) {
    QFont face(heavy ? QStringLiteral("Arial Black") : QString());
    if (heavy) {
        face.setStyleHint(QFont::SansSerif);
        face.setWeight(QFont::Black);
        face.setPointSizeF(points);
    }
    auto* label = new QLabel(QString::fromUtf8(text), window);
    label->setFont(face);
    label->move(x, y);
    label->adjustSize();
    return label;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("caption window"));
    window.setFixedSize(800, 600);
    caption(&window, "Vlnobrod", 34, true, 36, 18);
    caption(&window, "obchodní strategie", 0, false, 40, 70);
    caption(&window, "Nová hra", 18, true, 40, 150);
    caption(&window, "Načíst hru", 20.25, true, 40, 200);
    caption(&window, "Nastavení", 15.75, true, 40, 255);
    caption(&window, "O hře", 15.75, true, 40, 305);
    caption(&window, "Externí hry", 15.75, true, 40, 355);
    caption(&window, "Návod", 15.75, true, 40, 405);
    caption(&window, "Konec >", 14.25, true, 40, 520);
    window.show();
    return QApplication::exec();
}
