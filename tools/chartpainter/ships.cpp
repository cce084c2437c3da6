#include "ships.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <vector>

namespace paint {
namespace {

constexpr double kDeck = 80;   // main deck at midships
constexpr double kWater = 110; // waterline
constexpr double kKeel = 118;

QPainterPath hullPath(Rig rig) {
    QPainterPath h;
    switch (rig) {
    case Rig::Sloop:
        h.moveTo(24, 78);
        h.quadTo(100, 88, 174, 74);
        h.cubicTo(178, 94, 168, 108, 148, 116);
        h.lineTo(52, 116);
        h.cubicTo(36, 112, 26, 100, 24, 78);
        break;
    case Rig::Brig:
        h.moveTo(16, 68);
        h.lineTo(40, 68);
        h.lineTo(44, 78);
        h.quadTo(110, 86, 178, 72);
        h.cubicTo(184, 92, 172, 108, 152, 117);
        h.lineTo(48, 117);
        h.cubicTo(30, 112, 20, 96, 16, 68);
        break;
    case Rig::Galleon:
        h.moveTo(12, 56);
        h.lineTo(44, 58);
        h.lineTo(48, 74);
        h.lineTo(154, 78);
        h.lineTo(158, 66);
        h.lineTo(184, 64);
        h.cubicTo(190, 88, 180, 106, 158, 118);
        h.lineTo(46, 118);
        h.cubicTo(28, 114, 16, 94, 12, 56);
        break;
    }
    h.closeSubpath();
    return h;
}

struct Palette {
    QColor hullTop, hullBottom, wale, sail, sailShade, line, flag;
};

Palette paletteFor(const ShipStyle& s) {
    if (s.pirate)
        return {QColor(84, 62, 48), QColor(34, 24, 20), QColor(120, 30, 26), QColor(92, 86, 80),
                QColor(48, 44, 42), QColor(24, 18, 14), QColor(10, 10, 10)};
    return {QColor(168, 110, 58),  QColor(88, 50, 24), QColor(214, 170, 72), QColor(246, 238, 214),
            QColor(204, 188, 156), QColor(60, 38, 22), QColor(190, 40, 36)};
}

void squareSail(QPainter& p, double x, double top, double bottom, double wTop, double wBottom,
                const Palette& c) {
    QPainterPath s;
    s.moveTo(x - wTop / 2, top);
    s.lineTo(x + wTop / 2, top);
    s.quadTo(x + wBottom / 2 + 3, (top + bottom) / 2, x + wBottom / 2, bottom);
    s.quadTo(x, bottom + 5, x - wBottom / 2, bottom);
    s.quadTo(x - wBottom / 2 - 3, (top + bottom) / 2, x - wTop / 2, top);
    QLinearGradient g(x - wBottom / 2, 0, x + wBottom / 2, 0);
    g.setColorAt(0, c.sailShade);
    g.setColorAt(0.45, c.sail);
    g.setColorAt(1, c.sailShade);
    p.setBrush(g);
    p.setPen(QPen(c.line, 0.9));
    p.drawPath(s);
    // seams
    p.save();
    p.setClipPath(s);
    p.setPen(QPen(QColor(c.line.red(), c.line.green(), c.line.blue(), 50), 0.6));
    for (double sx = x - wBottom / 2 + 7; sx < x + wBottom / 2; sx += 7)
        p.drawLine(QPointF(sx, top), QPointF(sx, bottom + 5));
    p.restore();
    // yard
    p.setPen(QPen(c.line, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x - wTop / 2 - 3, top), QPointF(x + wTop / 2 + 3, top));
}

void triangleSail(QPainter& p, QPointF a, QPointF b, QPointF c3, const Palette& c) {
    QPainterPath s;
    s.moveTo(a);
    s.quadTo((a + b) / 2 + QPointF(3, 0), b);
    s.lineTo(c3);
    s.quadTo((c3 + a) / 2 + QPointF(4, 2), a);
    QLinearGradient g(a, b);
    g.setColorAt(0, c.sail);
    g.setColorAt(1, c.sailShade);
    p.setBrush(g);
    p.setPen(QPen(c.line, 0.9));
    p.drawPath(s);
}

void skullFlag(QPainter& p, QPointF pole, double w, double h) {
    const QRectF r(pole.x() - w, pole.y(), w, h);
    p.setPen(QPen(QColor(20, 20, 20), 0.6));
    p.setBrush(QColor(12, 12, 12));
    QPainterPath f;
    f.moveTo(r.topRight());
    f.quadTo(r.center().x(), r.top() - 2, r.left(), r.top() + 1);
    f.lineTo(r.left(), r.bottom() + 1);
    f.quadTo(r.center().x(), r.bottom() - 2, r.right(), r.bottom());
    f.closeSubpath();
    p.drawPath(f);
    const QPointF c = r.center() + QPointF(0, -1);
    p.setPen(QPen(QColor(240, 236, 220), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-h * 0.38, -h * 0.3), c + QPointF(h * 0.38, h * 0.38));
    p.drawLine(c + QPointF(h * 0.38, -h * 0.3), c + QPointF(-h * 0.38, h * 0.38));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 236, 220));
    p.drawEllipse(c + QPointF(0, -h * 0.08), h * 0.24, h * 0.22);
    p.setBrush(QColor(12, 12, 12));
    p.drawEllipse(c + QPointF(-h * 0.09, -h * 0.1), h * 0.06, h * 0.06);
    p.drawEllipse(c + QPointF(h * 0.09, -h * 0.1), h * 0.06, h * 0.06);
}

void pennant(QPainter& p, QPointF top, double len, const QColor& colour) {
    QPainterPath f;
    f.moveTo(top);
    f.quadTo(top + QPointF(-len * 0.5, -3), top + QPointF(-len, 2));
    f.quadTo(top + QPointF(-len * 0.5, 2), top + QPointF(0, 5));
    f.closeSubpath();
    p.setPen(QPen(colour.darker(140), 0.5));
    p.setBrush(colour);
    p.drawPath(f);
}

} // namespace

void drawShip(QPainter& p, const QRectF& box, const ShipStyle& style, bool facingRight) {
    const Palette c = paletteFor(style);
    const double scale = std::min(box.width() / 200.0, box.height() / 140.0);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double left = box.center().x() - 100 * scale;
    const double top = box.bottom() - 140 * scale;
    if (facingRight) {
        p.translate(left, top);
        p.scale(scale, scale);
    } else {
        p.translate(left + 200 * scale, top);
        p.scale(-scale, scale);
    }

    // masts: x position and top
    std::vector<std::pair<double, double>> masts;
    switch (style.rig) {
    case Rig::Sloop:
        masts = {{92, 10}};
        break;
    case Rig::Brig:
        masts = {{76, 14}, {128, 20}};
        break;
    case Rig::Galleon:
        masts = {{60, 24}, {104, 10}, {144, 18}};
        break;
    }

    // bowsprit and standing rigging behind the sails
    const QPointF bowTip = style.rig == Rig::Sloop ? QPointF(198, 64) : QPointF(199, 56);
    p.setPen(QPen(c.line, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(170, 76), bowTip);
    p.setPen(QPen(QColor(c.line.red(), c.line.green(), c.line.blue(), 150), 0.7));
    for (auto [mx, mt] : masts) {
        p.drawLine(QPointF(mx, mt + 4), QPointF(mx - 22, kDeck - 2));
        p.drawLine(QPointF(mx, mt + 4), QPointF(mx + 20, kDeck - 2));
    }
    p.drawLine(QPointF(masts.back().first, masts.back().second + 2), bowTip);
    if (masts.size() > 1)
        for (size_t i = 0; i + 1 < masts.size(); ++i)
            p.drawLine(QPointF(masts[i].first, masts[i].second + 2),
                       QPointF(masts[i + 1].first, masts[i + 1].second + 10));

    // masts
    for (auto [mx, mt] : masts) {
        p.setPen(QPen(c.line, style.rig == Rig::Galleon ? 3.0 : 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(mx, kDeck + 4), QPointF(mx, mt));
    }

    // sails
    switch (style.rig) {
    case Rig::Sloop: {
        const double mx = masts[0].first, mt = masts[0].second;
        QPainterPath main;
        main.moveTo(mx - 2, mt + 8);
        main.lineTo(mx - 52, mt + 24);
        main.quadTo(mx - 62, mt + 46, mx - 60, kDeck - 8);
        main.lineTo(mx - 2, kDeck - 8);
        main.quadTo(mx - 12, mt + 40, mx - 2, mt + 8);
        QLinearGradient g(mx - 60, 0, mx, 0);
        g.setColorAt(0, c.sailShade);
        g.setColorAt(0.6, c.sail);
        g.setColorAt(1, c.sailShade);
        p.setBrush(g);
        p.setPen(QPen(c.line, 0.9));
        p.drawPath(main);
        p.setPen(QPen(c.line, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(mx, mt + 8), QPointF(mx - 54, mt + 23));
        p.drawLine(QPointF(mx, kDeck - 7), QPointF(mx - 62, kDeck - 7));
        squareSail(p, mx, mt + 2, mt + 18, 16, 22, c);
        triangleSail(p, QPointF(mx + 2, mt + 10), bowTip + QPointF(-3, 1),
                     QPointF(mx + 10, kDeck - 6), c);
        break;
    }
    case Rig::Brig:
        for (auto [mx, mt] : masts) {
            const double h = kDeck - 10 - (mt + 6);
            squareSail(p, mx, mt + 6, mt + 6 + h * 0.36, 26, 32, c);
            squareSail(p, mx, mt + 8 + h * 0.36, kDeck - 12, 34, 42, c);
        }
        triangleSail(p, QPointF(masts.back().first + 2, masts.back().second + 12),
                     bowTip + QPointF(-3, 1), QPointF(masts.back().first + 12, kDeck - 10), c);
        break;
    case Rig::Galleon: {
        // mizzen: lateen
        const double zx = masts[0].first, zt = masts[0].second;
        triangleSail(p, QPointF(zx + 10, zt + 6), QPointF(zx - 34, 64), QPointF(zx + 2, 66), c);
        p.setPen(QPen(c.line, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(zx + 14, zt + 4), QPointF(zx - 38, 66));
        for (size_t i = 1; i < masts.size(); ++i) {
            auto [mx, mt] = masts[i];
            const double h = kDeck - 12 - (mt + 4);
            squareSail(p, mx, mt + 4, mt + 4 + h * 0.22, 20, 26, c);
            squareSail(p, mx, mt + 6 + h * 0.22, mt + 6 + h * 0.52, 32, 38, c);
            squareSail(p, mx, mt + 8 + h * 0.52, kDeck - 14, 42, 50, c);
        }
        triangleSail(p, QPointF(172, 62), bowTip + QPointF(-2, 2), QPointF(184, 66), c);
        break;
    }
    }

    // flags
    const auto [fx, ft] = masts.size() == 3 ? masts[1] : masts[0];
    p.setPen(QPen(c.line, 1.0));
    p.drawLine(QPointF(fx, ft), QPointF(fx, ft - 4));
    if (style.pirate)
        skullFlag(p, QPointF(fx, ft - 4), 26, 16);
    else
        pennant(p, QPointF(fx, ft - 4), 30, c.flag);

    // hull
    const QPainterPath hull = hullPath(style.rig);
    QLinearGradient hg(0, 56, 0, kKeel);
    hg.setColorAt(0, c.hullTop);
    hg.setColorAt(1, c.hullBottom);
    p.setBrush(hg);
    p.setPen(QPen(c.line, 1.2));
    p.drawPath(hull);
    p.save();
    p.setClipPath(hull);
    p.setPen(QPen(QColor(0, 0, 0, 60), 0.7));
    for (double y = 62; y < kKeel; y += 5.5) {
        QPainterPath plank;
        plank.moveTo(0, y - 6);
        plank.quadTo(100, y + 6, 200, y - 10);
        p.setBrush(Qt::NoBrush);
        p.drawPath(plank);
    }
    // wale
    QPainterPath wale;
    wale.moveTo(0, kDeck + 5);
    wale.quadTo(100, kDeck + 14, 200, kDeck - 2);
    p.setPen(QPen(c.wale, 3.2));
    p.drawPath(wale);
    // bottom below the waterline
    p.setPen(Qt::NoPen);
    p.setBrush(style.pirate ? QColor(40, 40, 34) : QColor(70, 96, 74));
    p.drawRect(QRectF(0, kWater + 1, 200, 30));
    p.restore();

    if (style.rig == Rig::Galleon || style.pirate) {
        // gun ports
        const int n = style.rig == Rig::Sloop ? 4 : (style.rig == Rig::Brig ? 6 : 8);
        const double x0 = style.rig == Rig::Sloop ? 62 : 56, x1 = 150;
        for (int i = 0; i < n; ++i) {
            const double gx = x0 + (x1 - x0) * i / (n - 1);
            const double gy = kDeck + 12 + 5 * (1 - ((gx - 100) / 100) * ((gx - 100) / 100)) - 4;
            p.setPen(QPen(c.wale.darker(130), 0.8));
            p.setBrush(QColor(20, 12, 8));
            p.drawRect(QRectF(gx - 3, gy - 3, 6, 5.5));
        }
    }
    if (style.rig == Rig::Galleon) {
        // stern windows and lantern
        p.setPen(QPen(c.line, 0.6));
        p.setBrush(QColor(250, 214, 120));
        for (int i = 0; i < 3; ++i)
            p.drawRect(QRectF(18 + i * 8, 62, 5, 6));
        p.setPen(QPen(c.line, 1));
        p.drawLine(QPointF(12, 56), QPointF(8, 48));
        p.setBrush(QColor(250, 200, 90));
        p.drawEllipse(QPointF(8, 46), 2.6, 3.2);
    }
    // railing
    p.setPen(QPen(c.line, 1.0));
    p.setBrush(Qt::NoBrush);

    if (style.water) {
        // a lens of sea under the hull, tapering at both ends
        QPainterPath sea;
        sea.moveTo(4, kWater + 2);
        for (int x = 4; x < 196; x += 16) {
            sea.quadTo(x + 4, kWater - 3, x + 8, kWater);
            sea.quadTo(x + 12, kWater + 3, x + 16, kWater);
        }
        sea.cubicTo(204, kWater + 6, 180, 134, 150, 134);
        sea.lineTo(50, 134);
        sea.cubicTo(20, 134, -4, kWater + 6, 4, kWater + 2);
        sea.closeSubpath();
        QLinearGradient sg(0, kWater - 3, 0, 140);
        sg.setColorAt(0, QColor(70, 120, 140, 230));
        sg.setColorAt(1, QColor(40, 80, 110, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(sg);
        p.drawPath(sea);
        p.setPen(QPen(QColor(255, 255, 255, 200), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath foam;
        foam.moveTo(30, kWater);
        foam.quadTo(100, kWater + 4, 172, kWater - 1);
        p.drawPath(foam);
        p.drawLine(QPointF(172, kWater - 1), QPointF(192, kWater + 2));
    }
    p.restore();
}

} // namespace paint
