#include "ClickLabel.h"

#include <QMouseEvent>

namespace vlnobrod {

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    // City names, goods, descriptions and player names come from files and players: they
    // are shown as written, never read as markup.
    setTextFormat(Qt::PlainText);
    setMouseTracking(true);
}

void ClickLabel::mousePressEvent(QMouseEvent* e) {
    e->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
    if (!rect().contains(e->position().toPoint()))
        return;
    emit released(e->button());
    if (e->button() == Qt::LeftButton)
        emit clicked();
}

void ClickLabel::mouseMoveEvent(QMouseEvent* e) {
    // Taken here: passed on, the window behind would think the mouse left the label.
    emit hovered();
    e->accept();
}

void ClickLabel::enterEvent(QEnterEvent* e) {
    emit hovered();
    QLabel::enterEvent(e);
}

} // namespace vlnobrod
