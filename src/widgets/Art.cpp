#include "Art.h"

namespace vlnobrod::art {

QPixmap Picture(const QString& name) {
    QPixmap p;
    p.load(QStringLiteral(":/art/") + name + QStringLiteral(".png"));
    return p;
}

QFont HeavyFont(double points) {
    QFont f(QStringLiteral("Arial Black"));
    f.setStyleHint(QFont::SansSerif);
    f.setWeight(QFont::Black);
    f.setPointSizeF(points);
    return f;
}

QCursor HandCursor() {
    const QPixmap hand = Picture(QStringLiteral("cursor_hand"));
    if (hand.isNull())
        return QCursor(Qt::PointingHandCursor);
    // The fingertip is the hot spot.
    return QCursor(hand, 8, 2);
}

} // namespace vlnobrod::art
