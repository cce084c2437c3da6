#include "Art.h"

#include <QImageReader>

namespace vlnobrod::art {

QPixmap Picture(const QString& name) {
    // Read as the PNG it is: a reader left to guess would first ask every image plugin
    // whether it can read the file, loading them all (and their libraries) at start-up.
    QImageReader reader(QStringLiteral(":/art/") + name + QStringLiteral(".png"), "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImageReader(&reader);
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
