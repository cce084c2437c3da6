#include "PortArt.h"

#include "state/ShipTypes.h"
#include "widgets/Art.h"

#include <QPainter>
#include <QPainterPath>

namespace vlnobrod {

namespace {

// A side view: hull, masts and sails; bigger types get more masts and a taller hull.
QPixmap drawShip(int typ) {
    const int w = 150 + typ * 10;
    const int h = 100;
    QPixmap pm(w, h);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);

    const int masts = typ + 1;
    const double deck = h - 28 - typ * 2;
    QPainterPath hull;
    hull.moveTo(8, deck);
    hull.lineTo(w - 8, deck - 4);
    hull.quadTo(w - 20, h - 6, w - 40, h - 6);
    hull.lineTo(34, h - 6);
    hull.quadTo(16, h - 10, 8, deck);
    p.setPen(QPen(QColor(0x3a, 0x24, 0x10), 2));
    p.setBrush(QColor(0x7a, 0x4a, 0x22));
    p.drawPath(hull);
    p.setPen(QPen(QColor(0xd9, 0xb0, 0x5b), 2));
    p.drawLine(QPointF(16, deck + 8), QPointF(w - 22, deck + 4));

    for (int m = 0; m < masts; ++m) {
        const double x = w * (m + 1.0) / (masts + 1.0);
        const double top = 8 + (m == masts / 2 ? 0 : 10);
        p.setPen(QPen(QColor(0x3a, 0x24, 0x10), 3));
        p.drawLine(QPointF(x, deck), QPointF(x, top));
        const double sw = 34 - masts * 3;
        p.setPen(QPen(QColor(0x8a, 0x7a, 0x5a), 1));
        p.setBrush(QColor(0xf6, 0xee, 0xd8));
        p.drawRoundedRect(QRectF(x - sw / 2, top + 6, sw, (deck - top) * 0.42), 3, 3);
        p.drawRoundedRect(
            QRectF(x - sw / 2 - 3, top + 10 + (deck - top) * 0.42, sw + 6, (deck - top) * 0.36), 3,
            3);
        if (m == masts - 1) {
            p.setBrush(QColor(0xb0, 0x2a, 0x18));
            p.setPen(Qt::NoPen);
            p.drawPolygon(
                QPolygonF({QPointF(x, top), QPointF(x + 14, top + 4), QPointF(x, top + 8)}));
        }
    }
    return pm;
}

QPixmap drawCompass() {
    QPixmap pm(64, 64);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x5a, 0x3b, 0x1a), 2));
    p.setBrush(QColor(0xf6, 0xee, 0xd8));
    p.drawEllipse(QRectF(4, 4, 56, 56));
    const QPointF c(32, 32);
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(c);
        p.rotate(90 * i);
        p.setBrush(i == 0 ? QColor(0xb0, 0x2a, 0x18) : QColor(0x2b, 0x1d, 0x0e));
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({QPointF(0, -26), QPointF(6, 0), QPointF(-6, 0)}));
        p.restore();
    }
    return pm;
}

} // namespace

QPixmap ShipPicture(int typ) {
    const ShipType* type = typ >= 0 ? FindShipType(static_cast<std::uint8_t>(typ)) : nullptr;
    const QPixmap art = type ? art::Picture(QString::fromUtf8(type->picture)) : QPixmap();
    return art.isNull() ? drawShip(typ) : art;
}

QPixmap MessageBoxPicture() {
    const QPixmap art = art::Picture(QStringLiteral("msgbox"));
    return art.isNull() ? drawCompass() : art;
}

} // namespace vlnobrod
