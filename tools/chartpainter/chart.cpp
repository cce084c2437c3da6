#include "chart.h"

#include "chartfile.h"
#include "paper.h"
#include "ships.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

namespace paint {
namespace {

const QColor kInk(62, 46, 32);

// Midpoint displacement: a hand-drawn wiggle that keeps every original vertex.
void wiggle(QPolygonF& out, QPointF a, QPointF b, uint32_t seed, int depth) {
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    if (len < 2.2 || depth > 9) {
        out << b;
        return;
    }
    const double amp = std::min(len * 0.2, 9.0);
    const double r = hashUnit(seed, uint32_t(depth), uint32_t(len * 16)) - 0.5;
    const QPointF n(-d.y() / len, d.x() / len);
    const QPointF m = (a + b) / 2 + n * (r * amp);
    wiggle(out, a, m, seed * 31 + 7, depth + 1);
    wiggle(out, m, b, seed * 17 + 3, depth + 1);
}

QPolygonF detailed(const QPolygonF& poly) {
    QPolygonF out;
    if (poly.isEmpty())
        return out;
    out << poly[0];
    for (int i = 0; i < poly.size(); ++i) {
        const QPointF a = poly[i], b = poly[(i + 1) % poly.size()];
        const uint32_t seed = uint32_t(a.x() * 131 + a.y() * 7919 + b.x() * 31 + b.y() * 3);
        wiggle(out, a, b, seed, 0);
    }
    return out;
}

// Exact Euclidean distance transform (Felzenszwalb and Huttenlocher).
void edt1d(const std::vector<double>& f, std::vector<double>& d, int n) {
    std::vector<int> v(n);
    std::vector<double> z(n + 1);
    int k = 0;
    v[0] = 0;
    z[0] = -std::numeric_limits<double>::infinity();
    z[1] = std::numeric_limits<double>::infinity();
    for (int q = 1; q < n; ++q) {
        double s = ((f[q] + q * q) - (f[v[k]] + v[k] * v[k])) / (2.0 * q - 2.0 * v[k]);
        while (s <= z[k]) {
            --k;
            s = ((f[q] + q * q) - (f[v[k]] + v[k] * v[k])) / (2.0 * q - 2.0 * v[k]);
        }
        ++k;
        v[k] = q;
        z[k] = s;
        z[k + 1] = std::numeric_limits<double>::infinity();
    }
    k = 0;
    for (int q = 0; q < n; ++q) {
        while (z[k + 1] < q)
            ++k;
        d[q] = (q - v[k]) * double(q - v[k]) + f[v[k]];
    }
}

// Distance of every pixel to the nearest pixel where `target` is true.
std::vector<float> distanceTo(const std::vector<bool>& target, int w, int h) {
    const double inf = 1e12;
    std::vector<double> grid(size_t(w) * h);
    for (size_t i = 0; i < grid.size(); ++i)
        grid[i] = target[i] ? 0 : inf;
    std::vector<double> f(std::max(w, h)), d(std::max(w, h));
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y)
            f[y] = grid[size_t(y) * w + x];
        edt1d(f, d, h);
        for (int y = 0; y < h; ++y)
            grid[size_t(y) * w + x] = d[y];
    }
    std::vector<float> out(grid.size());
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            f[x] = grid[size_t(y) * w + x];
        edt1d(f, d, w);
        for (int x = 0; x < w; ++x)
            out[size_t(y) * w + x] = float(std::sqrt(d[x]));
    }
    return out;
}

QPointF polar(QPointF c, double r, double angleDeg) {
    const double a = (angleDeg - 90) * M_PI / 180.0; // 0 degrees = north
    return c + QPointF(std::cos(a) * r, std::sin(a) * r);
}

void rhumbLines(QPainter& p, const Chart& c, const QPainterPath& sea) {
    p.save();
    p.setClipPath(sea);
    std::vector<QPointF> centres{c.compass};
    for (int i = 0; i < 8; ++i)
        centres.push_back(polar(c.compass, 330, i * 45 + 22.5));
    for (size_t k = 0; k < centres.size(); ++k) {
        const int n = k == 0 ? 32 : 16;
        for (int i = 0; i < n; ++i) {
            const double a = i * 360.0 / n;
            QColor col;
            const int step = n == 32 ? i : i * 2;
            if (step % 4 == 0)
                col = QColor(40, 30, 22, 70);
            else if (step % 2 == 0)
                col = QColor(40, 110, 60, 70);
            else
                col = QColor(170, 50, 40, 60);
            p.setPen(QPen(col, 0.7));
            p.drawLine(centres[k], polar(centres[k], 1400, a));
        }
    }
    p.restore();
}

QPainterPath fleurDeLis(QPointF base, double s) {
    QPainterPath f;
    // central petal
    f.moveTo(base);
    f.cubicTo(base + QPointF(-0.45 * s, -0.5 * s), base + QPointF(-0.2 * s, -1.1 * s),
              base + QPointF(0, -1.45 * s));
    f.cubicTo(base + QPointF(0.2 * s, -1.1 * s), base + QPointF(0.45 * s, -0.5 * s), base);
    // side petals
    for (int side : {-1, 1}) {
        f.moveTo(base + QPointF(side * 0.12 * s, -0.2 * s));
        f.cubicTo(base + QPointF(side * 0.5 * s, -0.9 * s),
                  base + QPointF(side * 1.0 * s, -0.6 * s),
                  base + QPointF(side * 0.8 * s, -0.25 * s));
        f.cubicTo(base + QPointF(side * 0.7 * s, -0.5 * s),
                  base + QPointF(side * 0.45 * s, -0.3 * s),
                  base + QPointF(side * 0.4 * s, 0.05 * s));
    }
    f.addRect(QRectF(base + QPointF(-0.45 * s, 0.0), QSizeF(0.9 * s, 0.18 * s)));
    return f;
}

void compassRose(QPainter& p, QPointF c, double R) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // rings and ticks
    p.setBrush(QColor(250, 242, 222, 170));
    p.setPen(QPen(kInk, 1.2));
    p.drawEllipse(c, R, R);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, R - 5, R - 5);
    p.setPen(QPen(kInk, 0.7));
    p.drawEllipse(c, R * 0.42, R * 0.42);
    for (int i = 0; i < 64; ++i)
        p.drawLine(polar(c, R - 5, i * 5.625), polar(c, R - (i % 2 ? 2.5 : 0.5), i * 5.625));
    auto point = [&](double angle, double len, double halfBase, const QColor& dark,
                     const QColor& light) {
        const QPointF tip = polar(c, len, angle);
        const QPointF l = polar(c, halfBase, angle - 45);
        const QPointF r = polar(c, halfBase, angle + 45);
        QPolygonF left{c, tip, l}, right{c, tip, r};
        p.setPen(QPen(kInk, 0.6));
        p.setBrush(dark);
        p.drawPolygon(left);
        p.setBrush(light);
        p.drawPolygon(right);
    };
    for (int i = 0; i < 16; ++i)
        point(i * 22.5 + 11.25, R * 0.5, R * 0.08, QColor(170, 60, 45), QColor(236, 200, 170));
    for (int i = 0; i < 8; ++i)
        point(i * 45 + 22.5, R * 0.66, R * 0.12, QColor(46, 100, 62), QColor(200, 220, 190));
    for (int i = 0; i < 4; ++i)
        point(i * 90 + 45, R * 0.78, R * 0.16, QColor(60, 48, 36), QColor(240, 228, 200));
    for (int i = 0; i < 4; ++i)
        point(i * 90, R * 0.98, R * 0.2, QColor(60, 48, 36), QColor(246, 236, 210));
    p.setBrush(QColor(196, 150, 60));
    p.setPen(QPen(kInk, 0.8));
    p.drawEllipse(c, R * 0.07, R * 0.07);
    // north lily, east cross
    p.setBrush(QColor(150, 40, 30));
    p.setPen(QPen(kInk, 0.6));
    p.drawPath(fleurDeLis(polar(c, R + 3, 0), R * 0.22));
    const QPointF e = polar(c, R + 8, 90);
    p.setPen(QPen(QColor(150, 40, 30), 2.2));
    p.drawLine(e + QPointF(-4, 0), e + QPointF(6, 0));
    p.drawLine(e + QPointF(2, -4), e + QPointF(2, 4));
    p.restore();
}

void cartouche(QPainter& p, const Chart& c) {
    const QRectF r = c.cartouche;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // shadow, scroll ends, body
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 20, 60));
    p.drawRoundedRect(r.translated(3, 4), 6, 6);
    for (double x : {r.left(), r.right()}) {
        QLinearGradient g(x - 8, 0, x + 8, 0);
        g.setColorAt(0, QColor(190, 160, 110));
        g.setColorAt(0.5, QColor(246, 232, 196));
        g.setColorAt(1, QColor(170, 135, 85));
        p.setBrush(g);
        p.setPen(QPen(kInk, 1));
        p.drawRoundedRect(QRectF(x - 8, r.top() - 6, 16, r.height() + 12), 7, 7);
        p.drawEllipse(QPointF(x, r.top() - 2), 3, 3);
        p.drawEllipse(QPointF(x, r.bottom() + 2), 3, 3);
    }
    p.setBrush(QColor(247, 238, 214, 245));
    p.setPen(QPen(kInk, 1.6));
    p.drawRect(r);
    p.setPen(QPen(kInk, 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(5, 5, -5, -5));
    p.setPen(QPen(QColor(150, 40, 30), 0.8));
    p.drawRect(r.adjusted(8, 8, -8, -8));
    // title
    QFont title("Z003");
    double size = 30;
    for (; size > 12; size -= 1) {
        title.setPixelSize(int(size));
        if (QFontMetricsF(title).horizontalAdvance(c.title) < r.width() - 44)
            break;
    }
    p.setFont(title);
    p.setPen(QColor(70, 36, 24));
    const QRectF top(r.left(), r.top() + 8, r.width(), r.height() * 0.62);
    p.drawText(top, Qt::AlignCenter, c.title);
    QFont sub("P052");
    sub.setItalic(true);
    sub.setPixelSize(13);
    p.setFont(sub);
    p.setPen(kInk);
    p.drawText(QRectF(r.left(), top.bottom() - 6, r.width(), r.height() * 0.3), Qt::AlignCenter,
               c.subtitle);
    // flourish under the title
    const double y = top.bottom() - 6;
    QPainterPath fl;
    fl.moveTo(r.center().x() - 50, y);
    fl.cubicTo(r.center().x() - 20, y - 6, r.center().x() + 20, y + 6, r.center().x() + 50, y);
    p.setPen(QPen(QColor(150, 40, 30), 0.9));
    p.drawPath(fl);
    p.restore();
}

void border(QPainter& p) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(kInk, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(2, 2, kW - 5, kH - 5));
    p.setPen(QPen(kInk, 1));
    p.drawRect(QRectF(9, 9, kW - 19, kH - 19));
    p.drawRect(QRectF(5, 5, kW - 11, kH - 11));
    // degree scale between the lines, its last mark cut at the corner
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(62, 46, 32, 200));
    for (int x = 9, i = 0; x < kW - 10; x += 24, ++i)
        if (i % 2 == 0) {
            const int w = std::min(24, kW - 10 - x);
            p.drawRect(QRectF(x, 5, w, 4));
            p.drawRect(QRectF(x, kH - 9, w, 4));
        }
    for (int y = 9, i = 0; y < kH - 10; y += 24, ++i)
        if (i % 2 == 0) {
            const int h = std::min(24, kH - 10 - y);
            p.drawRect(QRectF(5, y, 4, h));
            p.drawRect(QRectF(kW - 9, y, 4, h));
        }
    p.restore();
}

void hills(QPainter& p, const std::vector<float>& dLand, const std::vector<bool>& land,
           uint32_t seed) {
    struct Hill {
        QPointF at;
        double size;
    };
    std::vector<Hill> list;
    const Noise relief(seed + 5);
    for (int gy = 10; gy < kH - 10; gy += 22)
        for (int gx = 10; gx < kW - 10; gx += 26) {
            const double jx = (hashUnit(gx, gy, seed) - 0.5) * 18;
            const double jy = (hashUnit(gy, gx, seed + 1) - 0.5) * 14;
            const int x = std::clamp(int(gx + jx), 0, kW - 1),
                      y = std::clamp(int(gy + jy), 0, kH - 1);
            const size_t i = size_t(y) * kW + x;
            // no hill on the frame: a hill reaches 13 pixels either side of its foot, 15 up
            if (!land[i] || dLand[i] < 16 || x < kFrame + 14 || x > kW - kFrame - 14 ||
                y < kFrame + 16 || y > kH - kFrame - 2)
                continue;
            const double e = relief.fbm(x, y, 3, 70);
            if (e < 0.57 || hashUnit(x, y, seed + 2) > 0.75)
                continue;
            list.push_back({QPointF(x, y), 5 + 8 * std::min(1.0, (e - 0.57) * 5)});
        }
    std::sort(list.begin(), list.end(),
              [](const Hill& a, const Hill& b) { return a.at.y() < b.at.y(); });
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    for (const Hill& h : list) {
        const double s = h.size;
        const QPointF b = h.at;
        QPainterPath hill;
        hill.moveTo(b + QPointF(-s, 0));
        hill.quadTo(b + QPointF(-s * 0.3, -s * 1.05), b + QPointF(0, -s * 1.1));
        hill.quadTo(b + QPointF(s * 0.35, -s * 1.0), b + QPointF(s, 0));
        hill.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(236, 220, 180, 200));
        p.drawPath(hill);
        p.setPen(QPen(QColor(90, 64, 40, 170), 0.6));
        for (double t = 0.15; t < 0.9; t += 0.2) {
            const QPointF top = b + QPointF(s * t * 0.9, -s * (1.05 - t) * 0.95);
            p.drawLine(top, top + QPointF(-s * 0.12, s * 0.45));
        }
        QPainterPath outline;
        outline.moveTo(b + QPointF(-s, 0));
        outline.quadTo(b + QPointF(-s * 0.3, -s * 1.05), b + QPointF(0, -s * 1.1));
        outline.quadTo(b + QPointF(s * 0.35, -s * 1.0), b + QPointF(s, 0));
        p.setPen(QPen(QColor(70, 50, 32, 220), 0.9));
        p.setBrush(Qt::NoBrush);
        p.drawPath(outline);
    }
    p.restore();
}

} // namespace

bool paintChart(const QString& chartFile, const QString& mloFile, const QString& out,
                const QString& preview) {
    Chart c;
    if (!readChart(chartFile, c)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(chartFile));
        return false;
    }
    const std::vector<Label> labels = readLabels(mloFile);
    const QStringList problems = layoutProblems(c, labels);
    for (const QString& problem : problems)
        std::fprintf(stderr, "%s: %s\n", qPrintable(chartFile), qPrintable(problem));
    if (!problems.isEmpty())
        return false;
    const uint32_t seed = uint32_t(qHash(c.title));

    // land and sea as even-odd paths over the whole chart
    QPainterPath land, sea, coast;
    land.setFillRule(Qt::OddEvenFill);
    sea.setFillRule(Qt::OddEvenFill);
    const QRectF all(-40, -40, kW + 80, kH + 80);
    (c.baseSea ? sea : land).addRect(all);
    for (const Shape& s : c.shapes) {
        const QPolygonF d = detailed(s.poly);
        land.addPolygon(d);
        land.closeSubpath();
        sea.addPolygon(d);
        sea.closeSubpath();
        coast.addPolygon(d);
        coast.closeSubpath();
    }

    QImage mask(kW, kH, QImage::Format_Grayscale8);
    mask.fill(0);
    {
        QPainter mp(&mask);
        mp.setRenderHint(QPainter::Antialiasing);
        mp.fillPath(land, Qt::white);
    }
    std::vector<bool> isLand(size_t(kW) * kH), isSea(size_t(kW) * kH);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const bool l = mask.constScanLine(y)[x] >= 128;
            isLand[size_t(y) * kW + x] = l;
            isSea[size_t(y) * kW + x] = !l;
        }
    const std::vector<float> dSea = distanceTo(isLand, kW, kH); // sea pixels: distance to land
    const std::vector<float> dLand = distanceTo(isSea, kW, kH); // land pixels: distance to sea

    QImage img = parchment(kW, kH, seed, QColor(236, 222, 186));
    const Noise mottle(seed + 11);
    const QColor ink(70, 58, 46), shallow(150, 178, 170), band(150, 158, 96);
    const double rings[] = {5, 10, 16, 23};
    const double ringAlpha[] = {0.5, 0.34, 0.22, 0.12};
    for (int y = 0; y < kH; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        const uchar* m = mask.constScanLine(y);
        for (int x = 0; x < kW; ++x) {
            const size_t i = size_t(y) * kW + x;
            const QColor paper = QColor::fromRgb(line[x]);
            // sea: cool paper, a shallow tint and engraved water lines along the coast
            const double ds = dSea[i];
            QColor s = QColor::fromRgb(scaleRgb(
                qRgb(int(paper.red() * 0.95), int(paper.green() * 0.985), paper.blue()), 1.0));
            s = mix(s, shallow, 0.38 * std::exp(-ds / 9.0));
            for (int r = 0; r < 4; ++r) {
                const double on = std::max(0.0, 1.0 - std::abs(ds - rings[r]) / 0.8);
                s = mix(s, ink, on * ringAlpha[r]);
            }
            // land: warm ochre, mottled, with a watercolour band along the shore
            const double dl = dLand[i];
            QColor l = QColor::fromRgb(
                qRgb(int(paper.red() * 0.97), int(paper.green() * 0.9), int(paper.blue() * 0.72)));
            l = QColor::fromRgb(scaleRgb(l.rgb(), 0.93 + 0.1 * mottle.fbm(x, y, 4, 40)));
            l = mix(l, band, 0.55 * std::pow(std::max(0.0, 1.0 - dl / 11.0), 1.3));
            line[x] = mix(s, l, m[x] / 255.0).rgb();
        }
    }

    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    rhumbLines(p, c, sea);
    hills(p, dLand, isLand, seed);
    p.setPen(QPen(kInk, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(coast);
    for (const Decor& d : c.ships) {
        ShipStyle st;
        st.rig = Rig::Galleon;
        st.water = false;
        p.setOpacity(0.85);
        drawShip(p,
                 QRectF(d.at.x() - d.width / 2, d.at.y() - d.width * 0.7, d.width, d.width * 0.7),
                 st, d.right);
        p.setOpacity(1);
        p.setPen(QPen(QColor(62, 46, 32, 150), 0.8));
        for (int k = 0; k < 3; ++k) {
            const double wy = d.at.y() - d.width * 0.08 + k * 3;
            const double wx = d.at.x() - d.width * 0.45 + k * 5;
            p.drawLine(QPointF(wx, wy), QPointF(wx + d.width * 0.8 - k * 10, wy));
        }
    }
    for (const SeaName& n : c.names) {
        const QFont f = seaNameFont(n.size);
        p.save();
        p.translate(n.at);
        p.rotate(n.angle);
        p.setFont(f);
        p.setPen(QColor(62, 46, 32, 190));
        p.drawText(QRectF(-300, -n.size, 600, n.size * 2), Qt::AlignCenter, n.text);
        p.restore();
    }
    compassRose(p, c.compass, c.compassR);
    cartouche(p, c);
    for (const QPointF& port : c.ports) {
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(178, 44, 34));
        p.drawEllipse(port, 3.2, 3.2);
        p.setBrush(QColor(250, 240, 220));
        p.drawEllipse(port, 1.1, 1.1);
    }
    border(p);
    p.end();

    const QImage rgb = img.convertToFormat(QImage::Format_RGB32);
    if (!rgb.save(out, "JPG", 92)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
        return false;
    }
    if (!preview.isEmpty()) {
        QImage pv = rgb;
        QPainter q(&pv);
        QFont f("DejaVu Sans");
        f.setBold(true);
        f.setPointSizeF(9);
        q.setFont(f);
        for (const Label& l : labels) {
            const QRectF box = labelBox(l);
            q.setPen(QPen(QColor(255, 0, 255, 120), 1));
            q.drawRect(box);
            q.setPen(Qt::black);
            q.drawText(box.adjusted(4, 0, 40, 0), Qt::AlignLeft | Qt::AlignVCenter, l.name);
        }
        q.end();
        pv.save(preview, "PNG");
    }
    return true;
}

} // namespace paint
