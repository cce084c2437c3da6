#include "art.h"

#include "paper.h"
#include "ships.h"

#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace paint {
namespace {

QImage canvas(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

bool opaque(const QImage& img) {
    const QImage argb = img.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(line[x]) != 255)
                return false;
    }
    return true;
}

bool save(const QImage& img, const QString& dir, const QString& name) {
    const QString path = dir + "/" + name + ".png";
    // Opaque pictures are written without an alpha channel: the game decodes them straight
    // into the format it paints without blending.
    const QImage::Format format = opaque(img) ? QImage::Format_RGB32 : QImage::Format_ARGB32;
    if (!img.convertToFormat(format).save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QImage shipPicture(int w, int h, ShipStyle style, bool facingRight) {
    QImage img = canvas(w, h);
    QPainter p(&img);
    drawShip(p, QRectF(0, 0, w, h), style, facingRight);
    return img;
}

// --- news icons -------------------------------------------------------------

QImage infoIcon() {
    QImage img = canvas(32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(12, 10), 20);
    g.setColorAt(0, QColor(110, 170, 250));
    g.setColorAt(1, QColor(20, 70, 170));
    p.setPen(QPen(QColor(10, 40, 110), 1.2));
    p.setBrush(g);
    p.drawEllipse(QPointF(16, 16), 14.5, 14.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 9), 2.6, 2.6);
    p.drawRoundedRect(QRectF(13.6, 13, 4.8, 12), 1.5, 1.5);
    p.drawRect(QRectF(11.5, 13, 4, 2.2));
    p.drawRect(QRectF(11.5, 23.6, 9, 2.2));
    return img;
}

QImage warningIcon() {
    QImage img = canvas(32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath t;
    t.moveTo(16, 2.5);
    t.lineTo(30.5, 28.5);
    t.lineTo(1.5, 28.5);
    t.closeSubpath();
    QLinearGradient g(0, 2, 0, 29);
    g.setColorAt(0, QColor(255, 230, 90));
    g.setColorAt(1, QColor(240, 180, 20));
    p.setPen(QPen(QColor(40, 30, 0), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(t);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    QPainterPath bar;
    bar.moveTo(14, 10);
    bar.lineTo(18, 10);
    bar.lineTo(17, 21);
    bar.lineTo(15, 21);
    bar.closeSubpath();
    p.drawPath(bar);
    p.drawEllipse(QPointF(16, 24.6), 1.9, 1.9);
    return img;
}

QImage stopIcon() {
    QImage img = canvas(32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPolygonF oct;
    for (int i = 0; i < 8; ++i) {
        const double a = (22.5 + i * 45) * M_PI / 180;
        oct << QPointF(16 + 15 * std::cos(a), 16 + 15 * std::sin(a));
    }
    p.setPen(QPen(QColor(90, 0, 0), 1));
    p.setBrush(QColor(200, 24, 24));
    p.drawPolygon(oct);
    QPolygonF inner;
    for (int i = 0; i < 8; ++i) {
        const double a = (22.5 + i * 45) * M_PI / 180;
        inner << QPointF(16 + 13 * std::cos(a), 16 + 13 * std::sin(a));
    }
    p.setPen(QPen(Qt::white, 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(inner);
    // raised hand
    QPainterPath hand;
    hand.addRoundedRect(QRectF(10.5, 14, 11, 11), 3, 3);
    const double fx[] = {10.6, 13.4, 16.2, 19.0};
    const double ft[] = {9.5, 7.0, 7.5, 9.5};
    for (int i = 0; i < 4; ++i) {
        QPainterPath f;
        f.addRoundedRect(QRectF(fx[i], ft[i], 2.5, 16 - ft[i] + 2), 1.25, 1.25);
        hand = hand.united(f);
    }
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-1.25, -5.5, 2.5, 8), 1.25, 1.25);
    QTransform tr;
    tr.translate(9.6, 18.5);
    tr.rotate(-35);
    hand = hand.united(tr.map(thumb));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(hand);
    return img;
}

QImage errorIcon() {
    QImage img = canvas(32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(12, 10), 20);
    g.setColorAt(0, QColor(250, 100, 90));
    g.setColorAt(1, QColor(170, 10, 10));
    p.setPen(QPen(QColor(100, 0, 0), 1.2));
    p.setBrush(g);
    p.drawEllipse(QPointF(16, 16), 14.5, 14.5);
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10.5, 10.5), QPointF(21.5, 21.5));
    p.drawLine(QPointF(21.5, 10.5), QPointF(10.5, 21.5));
    return img;
}

// --- cursor: a pointing hand whose fingertip is at (8, 2) ----------------------

QImage handCursor() {
    QImage img = canvas(32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    auto rr = [](double x, double y, double w, double h, double r) {
        QPainterPath q;
        q.addRoundedRect(QRectF(x, y, w, h), r, r);
        return q;
    };
    QPainterPath hand = rr(5.5, 1.5, 5.5, 17, 2.75);
    hand = hand.united(rr(10.5, 10, 4.8, 10, 2.4));
    hand = hand.united(rr(14.8, 11, 4.6, 9, 2.3));
    hand = hand.united(rr(19, 12.5, 4.2, 8, 2.1));
    hand = hand.united(rr(5.5, 15, 17.7, 11.5, 4));
    QPainterPath thumb = rr(-2.2, -7, 4.4, 9, 2.2);
    QTransform t;
    t.translate(5.6, 21);
    t.rotate(-48);
    hand = hand.united(t.map(thumb));
    hand = hand.united(rr(8, 25, 13, 5.5, 1));
    p.setPen(QPen(Qt::black, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    p.setPen(QPen(Qt::black, 0.9));
    p.drawLine(QPointF(10.8, 13), QPointF(10.8, 18));
    p.drawLine(QPointF(15, 13), QPointF(15, 18.5));
    p.drawLine(QPointF(19.1, 14.5), QPointF(19.1, 19));
    p.drawLine(QPointF(8, 25.2), QPointF(21, 25.2));
    return img;
}

// --- chrome -------------------------------------------------------------------

QImage titleBar() {
    const int w = 400, h = 20;
    QImage img(w, h, QImage::Format_ARGB32);
    const Noise grain(71);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        const double v = 1.0 - std::abs(y - 7.0) / 13.0;
        for (int x = 0; x < w; ++x) {
            const double g = grain.fbm(x * 0.08, y * 1.2, 3, 1.5);
            QColor c = mix(QColor(64, 34, 16), QColor(142, 88, 44), 0.35 + 0.55 * v);
            c = mix(c, QColor(40, 20, 8), std::max(0.0, g - 0.55) * 1.6);
            line[x] = c.rgb();
        }
    }
    QPainter p(&img);
    p.setPen(QColor(222, 184, 92));
    p.drawLine(0, 1, w, 1);
    p.setPen(QColor(150, 112, 46));
    p.drawLine(0, h - 2, w, h - 2);
    p.setPen(QColor(30, 14, 4));
    p.drawLine(0, 0, w, 0);
    p.drawLine(0, h - 1, w, h - 1);
    return img;
}

// --- scenes -------------------------------------------------------------------

// Evening harbour sea: sky, sun, distant coast, sea with the sun's path.
void seascape(QPainter& p, const QRectF& r, double horizon, QPointF sun, bool town) {
    p.save();
    p.setClipRect(r, Qt::IntersectClip); // inside any frame the caller clips to
    QLinearGradient sky(0, r.top(), 0, horizon);
    sky.setColorAt(0, QColor(34, 52, 104));
    sky.setColorAt(0.55, QColor(150, 120, 150));
    sky.setColorAt(0.85, QColor(244, 168, 104));
    sky.setColorAt(1, QColor(252, 214, 150));
    p.fillRect(QRectF(r.left(), r.top(), r.width(), horizon - r.top()), sky);
    const double s = r.width() / 800.0;
    QRadialGradient glow(sun, 160 * s);
    glow.setColorAt(0, QColor(255, 240, 200, 220));
    glow.setColorAt(0.25, QColor(255, 210, 140, 120));
    glow.setColorAt(1, QColor(255, 180, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(sun, 160 * s, 160 * s);
    p.setBrush(QColor(255, 244, 214));
    p.drawEllipse(sun, 34 * s, 34 * s);
    // clouds
    for (int i = 0; i < 14; ++i) {
        const double cx = r.left() + r.width() * hashUnit(i, 1, 5);
        const double cy = r.top() + (horizon - r.top()) * (0.15 + 0.5 * hashUnit(i, 2, 5));
        const double cw = (70 + 120 * hashUnit(i, 3, 5)) * s;
        QLinearGradient cg(0, cy - 10 * s, 0, cy + 10 * s);
        cg.setColorAt(0, QColor(255, 214, 180, 120));
        cg.setColorAt(1, QColor(120, 90, 120, 90));
        p.setBrush(cg);
        p.drawEllipse(QPointF(cx, cy), cw, 9 * s);
    }
    // distant coast
    QPainterPath hills;
    hills.moveTo(r.left(), horizon);
    for (int i = 0; i <= 40; ++i) {
        const double x = r.left() + r.width() * i / 40.0;
        const double hgt = (14 + 30 * Noise(9).fbm(i * 3.0, 0, 3, 9)) * s;
        const double taper = i < 26 ? 1.0 : std::max(0.0, 1 - (i - 26) / 8.0);
        hills.lineTo(x, horizon - hgt * taper);
    }
    hills.lineTo(r.right(), horizon);
    hills.closeSubpath();
    p.setBrush(QColor(104, 86, 112));
    p.drawPath(hills);
    if (town) {
        p.setBrush(QColor(78, 62, 84));
        for (int i = 0; i < 16; ++i) {
            const double x = r.left() + (40 + i * 17) * s;
            const double hgt = (8 + 10 * hashUnit(i, 7, 1)) * s;
            p.drawRect(QRectF(x, horizon - hgt - 20 * s, 13 * s, hgt + 20 * s));
            QPolygonF roof{QPointF(x - 1 * s, horizon - hgt - 20 * s),
                           QPointF(x + 6.5 * s, horizon - hgt - 27 * s),
                           QPointF(x + 14 * s, horizon - hgt - 20 * s)};
            p.drawPolygon(roof);
        }
        // church tower and lighthouse
        p.drawRect(QRectF(r.left() + 170 * s, horizon - 70 * s, 12 * s, 70 * s));
        p.drawPolygon(QPolygonF{QPointF(r.left() + 168 * s, horizon - 70 * s),
                                QPointF(r.left() + 176 * s, horizon - 92 * s),
                                QPointF(r.left() + 184 * s, horizon - 70 * s)});
        p.drawPolygon(QPolygonF{
            QPointF(r.left() + 10 * s, horizon), QPointF(r.left() + 16 * s, horizon - 80 * s),
            QPointF(r.left() + 26 * s, horizon - 80 * s), QPointF(r.left() + 32 * s, horizon)});
        p.setBrush(QColor(255, 226, 140));
        p.drawEllipse(QPointF(r.left() + 21 * s, horizon - 86 * s), 6 * s, 6 * s);
        QRadialGradient beam(QPointF(r.left() + 21 * s, horizon - 86 * s), 40 * s);
        beam.setColorAt(0, QColor(255, 230, 160, 160));
        beam.setColorAt(1, QColor(255, 230, 160, 0));
        p.setBrush(beam);
        p.drawEllipse(QPointF(r.left() + 21 * s, horizon - 86 * s), 40 * s, 40 * s);
    }
    // sea
    QLinearGradient sea(0, horizon, 0, r.bottom());
    sea.setColorAt(0, QColor(96, 104, 140));
    sea.setColorAt(0.3, QColor(50, 74, 110));
    sea.setColorAt(1, QColor(16, 34, 62));
    p.setBrush(sea);
    p.drawRect(QRectF(r.left(), horizon, r.width(), r.bottom() - horizon));
    for (int i = 0; i < 260; ++i) {
        const double t = hashUnit(i, 11, 3);
        const double y = horizon + (r.bottom() - horizon) * t * t + 2;
        const double near = (y - horizon) / (r.bottom() - horizon);
        const double spread = (30 + 200 * near) * s;
        const double x = sun.x() + (hashUnit(i, 12, 3) - 0.5) * 2 * spread;
        const double len = (6 + 30 * near) * s * (0.5 + hashUnit(i, 13, 3));
        p.setPen(QPen(QColor(255, 210, 150, int(200 * (1 - near * 0.6))),
                      std::max(0.8, 2.2 * near * s * 2)));
        p.drawLine(QPointF(x - len / 2, y), QPointF(x + len / 2, y));
    }
    for (int i = 0; i < 200; ++i) {
        const double t = hashUnit(i, 21, 3);
        const double y = horizon + (r.bottom() - horizon) * t + 2;
        const double near = (y - horizon) / (r.bottom() - horizon);
        const double x = r.left() + r.width() * hashUnit(i, 22, 3);
        const double len = (8 + 40 * near) * s;
        QPainterPath w;
        w.moveTo(x, y);
        w.quadTo(x + len / 2, y - 3 * near * s - 1, x + len, y);
        p.setPen(QPen(QColor(150, 170, 200, 90), 0.8 + near * 1.4 * s));
        p.setBrush(Qt::NoBrush);
        p.drawPath(w);
    }
    p.restore();
}

QImage menuBackground() {
    QImage img = canvas(800, 600);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double horizon = 350;
    seascape(p, QRectF(0, 0, 800, 600), horizon, QPointF(560, 300), true);
    drawShip(p, QRectF(600, 270, 120, 84), ShipStyle{Rig::Brig, false, true}, false);
    drawShip(p, QRectF(250, 160, 300, 210), ShipStyle{Rig::Galleon, false, true}, true);
    drawShip(p, QRectF(60, 360, 110, 77), ShipStyle{Rig::Sloop, false, true}, true);
    // pier in the foreground
    QPolygonF deck{QPointF(0, 470), QPointF(330, 520), QPointF(340, 600), QPointF(0, 600)};
    QLinearGradient dg(0, 470, 0, 600);
    dg.setColorAt(0, QColor(120, 80, 46));
    dg.setColorAt(1, QColor(60, 36, 18));
    p.setPen(Qt::NoPen);
    p.setBrush(dg);
    p.drawPolygon(deck);
    p.setPen(QPen(QColor(40, 22, 10), 1.2));
    for (int i = 1; i < 12; ++i) {
        const double t = i / 12.0;
        p.drawLine(QPointF(0, 470 + 130 * t), QPointF(330 + 10 * t, 520 + 80 * t));
    }
    for (double x : {40.0, 150.0, 260.0}) {
        const double top = 470 + 50 * x / 330 - 30;
        QLinearGradient pg(x - 8, 0, x + 8, 0);
        pg.setColorAt(0, QColor(50, 30, 14));
        pg.setColorAt(0.5, QColor(120, 80, 44));
        pg.setColorAt(1, QColor(40, 22, 10));
        p.setPen(QPen(QColor(30, 16, 6), 1));
        p.setBrush(pg);
        p.drawRoundedRect(QRectF(x - 8, top, 16, 600 - top), 3, 3);
    }
    // barrels
    for (int i = 0; i < 3; ++i) {
        const QRectF b(60 + i * 44, 500 + (i % 2) * 8, 36, 50);
        QLinearGradient bg(b.left(), 0, b.right(), 0);
        bg.setColorAt(0, QColor(70, 40, 18));
        bg.setColorAt(0.5, QColor(160, 104, 52));
        bg.setColorAt(1, QColor(60, 34, 14));
        p.setPen(QPen(QColor(30, 16, 6), 1.2));
        p.setBrush(bg);
        p.drawRoundedRect(b, 10, 6);
        p.setPen(QPen(QColor(60, 60, 60), 2.5));
        p.drawLine(QPointF(b.left() + 2, b.top() + 10), QPointF(b.right() - 2, b.top() + 10));
        p.drawLine(QPointF(b.left() + 2, b.bottom() - 10), QPointF(b.right() - 2, b.bottom() - 10));
    }
    // vignette
    QRadialGradient v(QPointF(400, 300), 520);
    v.setColorAt(0.6, QColor(0, 0, 0, 0));
    v.setColorAt(1, QColor(0, 0, 0, 120));
    p.fillRect(img.rect(), v);
    return img;
}

// The about panel shows this picture in a 416 x 170 box: an evening sea with the
// company's galleon in a gilt frame with rounded corners.
QImage aboutPicture() {
    constexpr int w = 416, h = 170;
    QImage img = canvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF frame(4.5, 4.5, w - 9, h - 9);
    QPainterPath inside;
    inside.addRoundedRect(frame, 16, 16);
    p.save();
    p.setClipPath(inside);
    seascape(p, QRectF(0, 0, w, h), 104, QPointF(318, 90), false);
    drawShip(p, QRectF(262, 74, 58, 41), ShipStyle{Rig::Brig, false, true}, false);
    drawShip(p, QRectF(352, 92, 34, 24), ShipStyle{Rig::Sloop, false, true}, false);
    drawShip(p, QRectF(44, 16, 180, 126), ShipStyle{Rig::Galleon, false, true}, true);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 84, 30), 5));
    p.drawRoundedRect(frame, 16, 16);
    p.setPen(QPen(QColor(226, 188, 96), 2));
    p.drawRoundedRect(frame, 16, 16);
    p.setPen(QPen(QColor(60, 36, 12), 1));
    p.drawRoundedRect(QRectF(1.5, 1.5, w - 3, h - 3), 19, 19);
    p.drawRoundedRect(QRectF(7.5, 7.5, w - 15, h - 15), 13, 13);
    return img;
}

QImage shipsWheel(int size) {
    QImage img = canvas(size, size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size / 64.0;
    const QPointF c(32 * s, 32 * s);
    const QColor wood(140, 84, 40), dark(56, 30, 12);
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        const QPointF dir(std::cos(a), std::sin(a));
        p.setPen(QPen(dark, 5.2 * s, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c, c + dir * 29.5 * s);
        p.setPen(QPen(wood, 3.4 * s, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c, c + dir * 29 * s);
        p.setPen(QPen(dark, 0.8 * s));
        p.setBrush(wood.lighter(115));
        p.drawEllipse(c + dir * 28 * s, 3.4 * s, 3.4 * s);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(dark, 7 * s));
    p.drawEllipse(c, 20 * s, 20 * s);
    QConicalGradient g(c, 45);
    g.setColorAt(0, QColor(176, 110, 56));
    g.setColorAt(0.5, QColor(110, 62, 26));
    g.setColorAt(1, QColor(176, 110, 56));
    p.setPen(QPen(QBrush(g), 5 * s));
    p.drawEllipse(c, 20 * s, 20 * s);
    QRadialGradient hub(c - QPointF(2 * s, 2 * s), 8 * s);
    hub.setColorAt(0, QColor(255, 230, 150));
    hub.setColorAt(1, QColor(170, 120, 40));
    p.setPen(QPen(dark, 1 * s));
    p.setBrush(hub);
    p.drawEllipse(c, 7 * s, 7 * s);
    p.setBrush(QColor(90, 60, 20));
    p.drawEllipse(c, 2 * s, 2 * s);
    return img;
}

// The duel panel shows this picture in a 356 x 150 box: a merchant brig and a
// pirate galleon trading broadsides at sunset.
QImage duelPicture() {
    constexpr int w = 356, h = 150;
    QImage img = canvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    seascape(p, QRectF(0, 0, w, h), 84, QPointF(178, 70), false);
    drawShip(p, QRectF(8, 34, 150, 105), ShipStyle{Rig::Brig, false, true}, true);
    drawShip(p, QRectF(194, 28, 158, 111), ShipStyle{Rig::Galleon, true, true}, false);
    // powder smoke drifting between the hulls, lit by the muzzle flashes
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 16; ++i) {
        const QPointF c(150 + 56 * hashUnit(i, 3), 96 + 22 * hashUnit(i, 4) - 11);
        p.setBrush(QColor(236, 232, 226, 120 + int(60 * hashUnit(i, 7))));
        p.drawEllipse(c, 7 + 9 * hashUnit(i, 5), 5 + 6 * hashUnit(i, 6));
    }
    for (const QPointF& flash : {QPointF(146, 104), QPointF(212, 100), QPointF(232, 104)}) {
        QRadialGradient g(flash, 9);
        g.setColorAt(0, QColor(255, 246, 200, 255));
        g.setColorAt(0.4, QColor(255, 190, 70, 220));
        g.setColorAt(1, QColor(255, 140, 40, 0));
        p.setBrush(g);
        p.drawEllipse(flash, 9, 6);
    }
    // a ball in flight and the splash of one that fell short
    p.setBrush(QColor(20, 20, 20));
    p.drawEllipse(QPointF(184, 80), 2, 2);
    p.setPen(QPen(QColor(230, 236, 244, 200), 1.2));
    for (int k = -2; k <= 2; ++k)
        p.drawLine(QPointF(120 + k * 1.5, 134),
                   QPointF(120 + k * 3.5, 124 - 4 * (2 - std::abs(k))));
    p.setPen(QPen(QColor(60, 36, 12), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, w - 2, h - 2));
    return img;
}

QImage appIcon() {
    QImage img = canvas(64, 64);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath disc;
    disc.addEllipse(QPointF(32, 32), 29, 29);
    p.save();
    p.setClipPath(disc);
    QLinearGradient sky(0, 3, 0, 44);
    sky.setColorAt(0, QColor(40, 80, 150));
    sky.setColorAt(1, QColor(240, 190, 120));
    p.fillRect(QRectF(0, 0, 64, 44), sky);
    QLinearGradient sea(0, 44, 0, 64);
    sea.setColorAt(0, QColor(40, 80, 130));
    sea.setColorAt(1, QColor(14, 34, 70));
    p.fillRect(QRectF(0, 44, 64, 20), sea);
    drawShip(p, QRectF(6, 8, 52, 44), ShipStyle{Rig::Galleon, false, true}, true);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(110, 72, 20), 4));
    p.drawEllipse(QPointF(32, 32), 29, 29);
    p.setPen(QPen(QColor(236, 196, 100), 1.6));
    p.drawEllipse(QPointF(32, 32), 29, 29);
    return img;
}

} // namespace

bool paintArtwork(const QString& dir, const QStringList& only) {
    QDir().mkpath(dir);
    const ShipStyle sloop{Rig::Sloop, false, true}, brig{Rig::Brig, false, true},
        galleon{Rig::Galleon, false, true}, pirate{Rig::Galleon, true, true};
    const std::vector<std::pair<QString, std::function<QImage()>>> jobs = {
        {"ship0", [&] { return shipPicture(120, 80, sloop, true); }},
        {"ship1", [&] { return shipPicture(120, 80, brig, true); }},
        {"ship2", [&] { return shipPicture(120, 80, galleon, true); }},
        {"battle_merchant", [&] { return shipPicture(164, 104, brig, true); }},
        {"battle_pirate", [&] { return shipPicture(164, 104, pirate, false); }},
        {"news1", infoIcon},
        {"news2", warningIcon},
        {"news3", stopIcon},
        {"news4", errorIcon},
        {"cursor_hand", handCursor},
        {"titlebar", titleBar},
        {"menu_background", menuBackground},
        {"about", aboutPicture},
        {"msgbox", [] { return shipsWheel(64); }},
        {"duel", duelPicture},
        {"icon", appIcon},
    };
    bool ok = true;
    for (const auto& [name, make] : jobs)
        if (only.isEmpty() || only.contains(name))
            ok = save(make(), dir, name) && ok;
    for (const QString& name : only)
        if (std::none_of(jobs.begin(), jobs.end(),
                         [&](const auto& j) { return j.first == name; })) {
            std::fprintf(stderr, "no artwork called %s\n", qPrintable(name));
            ok = false;
        }
    return ok;
}

} // namespace paint
