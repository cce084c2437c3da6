#include "Art.h"

#include <QImage>
#include <utility>

namespace vlnobrod::art {

QPixmap Picture(const QString& name) {
    // Decoded and handed over in place: the pixmap takes the decoded picture's memory rather
    // than a converted copy beside it (the menu's background alone is 1.9 MB).
    QImage decoded(QStringLiteral(":/art/") + name + QStringLiteral(".png"));
    return QPixmap::fromImage(std::move(decoded));
}

QFont HeavyFont(double points) {
    QFont f(QStringLiteral("Arial Black"));
    f.setStyleHint(QFont::SansSerif);
    f.setWeight(QFont::Black);
    f.setPointSizeF(points);
    return f;
}

QCursor HandCursor() {
    // Decoded once and shared by every control that shows it (a window has dozens). Kept
    // to the end of the program: a cursor must not outlive the display it was made for.
    static const QCursor* const hand = [] {
        const QPixmap picture = Picture(QStringLiteral("cursor_hand"));
        if (picture.isNull())
            return new QCursor(Qt::PointingHandCursor);
        // The fingertip is the hot spot.
        return new QCursor(picture, 8, 2);
    }();
    return *hand;
}

} // namespace vlnobrod::art
