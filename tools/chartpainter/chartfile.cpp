#include "chartfile.h"

#include "state/Text.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QTextStream>
#include <QTransform>
#include <cmath>
#include <map>

namespace paint {

bool readChart(const QString& path, Chart& c) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream in(&f);
    in.setEncoding(QStringConverter::Utf8);
    Shape* open = nullptr;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QStringList w = line.split(' ', Qt::SkipEmptyParts);
        if (open) {
            if (w[0] == "end")
                open = nullptr;
            else
                open->poly << QPointF(w[0].toDouble(), w[1].toDouble());
            continue;
        }
        if (w[0] == "title")
            c.title = line.mid(6);
        else if (w[0] == "subtitle")
            c.subtitle = line.mid(9);
        else if (w[0] == "base")
            c.baseSea = w[1] == "sea";
        else if (w[0] == "compass")
            c.compass = QPointF(w[1].toDouble(), w[2].toDouble()), c.compassR = w[3].toDouble();
        else if (w[0] == "cartouche")
            c.cartouche =
                QRectF(w[1].toDouble(), w[2].toDouble(), w[3].toDouble(), w[4].toDouble());
        else if (w[0] == "port")
            c.ports.emplace_back(w[1].toDouble(), w[2].toDouble());
        else if (w[0] == "ship")
            c.ships.push_back(
                {QPointF(w[1].toDouble(), w[2].toDouble()), w[3].toDouble(), w[4] == "right"});
        else if (w[0] == "text")
            c.names.push_back({QPointF(w[1].toDouble(), w[2].toDouble()), w[3].toDouble(),
                               w[4].toDouble(), QStringList(w.mid(5)).join(' ')});
        else if (w[0] == "shape") {
            c.shapes.push_back({w[1] == "land", {}});
            open = &c.shapes.back();
        }
    }
    return true;
}

namespace {

// Map files are Windows-1250: read them the way the game does.
QString fromCp1250(const QByteArray& bytes) {
    return QString::fromStdString(vlnobrod::text::Cp1250ToUtf8(bytes.toStdString()));
}

} // namespace

QFont seaNameFont(double size) {
    QFont f("P052");
    f.setItalic(true);
    f.setPixelSize(int(size));
    f.setLetterSpacing(QFont::PercentageSpacing, 112);
    return f;
}

std::vector<Label> readLabels(const QString& mlo) {
    QFile f(mlo);
    std::vector<Label> labels;
    if (!f.open(QIODevice::ReadOnly))
        return labels;
    std::map<QString, Label> cities;
    QString section;
    for (const QByteArray& raw : f.readAll().split('\n')) {
        const QString line = fromCp1250(raw).trimmed();
        if (line.startsWith('[')) {
            section = line.mid(1, line.size() - 2).toLower();
            continue;
        }
        const int eq = line.indexOf('=');
        if (eq < 0 || !section.startsWith("mesto"))
            continue;
        const QString key = line.left(eq).toLower(), value = line.mid(eq + 1);
        Label& l = cities[section];
        if (key == "nazev")
            l.name = value;
        else if (key == "x")
            l.x = value.toInt();
        else if (key == "y")
            l.y = value.toInt();
    }
    for (auto& [k, v] : cities)
        labels.push_back(v);
    return labels;
}

QRectF labelBox(const Label& l) {
    // The port screen writes names in bold DejaVu Sans of 10 points, with a pixel of
    // border and three of padding either side.
    QFont f("DejaVu Sans");
    f.setBold(true);
    f.setPointSizeF(10);
    const QFontMetricsF fm(f);
    return QRectF(l.x, l.y, std::ceil(fm.horizontalAdvance(l.name)) + 8,
                  std::ceil(fm.height()) + 2);
}

namespace {

// The outline a sea name covers, in chart pixels.
QPainterPath seaNameOutline(const SeaName& n) {
    const QFontMetricsF fm(seaNameFont(n.size));
    const double w = fm.horizontalAdvance(n.text), h = fm.ascent() + fm.descent();
    QTransform t;
    t.translate(n.at.x(), n.at.y());
    t.rotate(n.angle);
    QPainterPath path;
    path.addPolygon(t.map(QPolygonF(QRectF(-w / 2, -h / 2, w, h))));
    path.closeSubpath();
    return path;
}

} // namespace

QStringList layoutProblems(const Chart& c, const std::vector<Label>& labels) {
    struct Item {
        QString what;
        QPainterPath outline;
    };
    std::vector<Item> items;
    auto box = [](const QRectF& r) {
        QPainterPath p;
        p.addRect(r);
        return p;
    };
    for (const SeaName& n : c.names)
        items.push_back({"sea name \"" + n.text + "\"", seaNameOutline(n)});
    // The rose's ring, its lily above north and its cross east of it.
    const double r = c.compassR;
    items.push_back({"compass", box(QRectF(c.compass.x() - r, c.compass.y() - r * 1.33 - 3,
                                           r * 2 + 14, r * 2.33 + 3))});
    // The scroll ends stand out left, right, above and below the cartouche.
    items.push_back({"cartouche", box(c.cartouche.adjusted(-8, -6, 8, 6))});
    for (const Decor& d : c.ships)
        items.push_back({"ship", box(QRectF(d.at.x() - d.width / 2, d.at.y() - d.width * 0.7,
                                            d.width, d.width * 0.7 + 6))});

    QStringList problems;
    const QRectF inside(kFrame + 1, kFrame + 1, kW - 2 * kFrame - 2, kH - 2 * kFrame - 2);
    std::vector<std::pair<QString, QRectF>> keepClear;
    for (const QPointF& p : c.ports)
        keepClear.emplace_back("a port", QRectF(p - QPointF(4, 4), QSizeF(8, 8)));
    for (const Label& l : labels)
        keepClear.emplace_back("the label of " + l.name, labelBox(l));
    for (const auto& [what, r] : keepClear)
        if (!inside.contains(r))
            problems << what + " reaches into the frame";
    for (size_t i = 0; i < items.size(); ++i) {
        const Item& it = items[i];
        if (!inside.contains(it.outline.boundingRect()))
            problems << it.what + " reaches into the frame or off the chart";
        for (const auto& [what, r] : keepClear)
            if (it.outline.intersects(r))
                problems << it.what + " covers " + what;
        for (size_t j = 0; j < i; ++j)
            if (it.outline.intersects(items[j].outline))
                problems << it.what + " overlaps the " + items[j].what;
    }
    return problems;
}

} // namespace paint
