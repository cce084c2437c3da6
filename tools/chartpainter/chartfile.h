// The description of a sea chart (written by tools/maps/make_maps.py) and the
// rules that keep everything painted on it where the port screen shows it.
#pragma once

#include <QFont>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

namespace paint {

// The port screen shows the chart unscaled from its top left corner in a game area of
// this size, so the chart is painted at exactly this size.
constexpr int kW = 849, kH = 471;
// The frame's lines and degree scale take this many pixels along every edge.
constexpr double kFrame = 11;

struct Shape {
    bool land = true;
    QPolygonF poly;
};

struct Decor {
    QPointF at;
    double width = 60;
    bool right = true;
};

struct SeaName {
    QPointF at;
    double size = 14, angle = 0;
    QString text;
};

struct Chart {
    QString title, subtitle;
    std::vector<SeaName> names;
    bool baseSea = true;
    QPointF compass;
    double compassR = 50;
    QRectF cartouche;
    std::vector<QPointF> ports;
    std::vector<Shape> shapes;
    std::vector<Decor> ships;
};

bool readChart(const QString& path, Chart& c);

// The engraver's italic of the sea names, `size` pixels high.
QFont seaNameFont(double size);

struct Label {
    QString name;
    int x = 0, y = 0;
};

// Every city's name and label position from a map file (Windows-1250, as the game reads it).
std::vector<Label> readLabels(const QString& mlo);

// The box the port screen's label for `l` takes.
QRectF labelBox(const Label& l);

// What is wrong with the chart's layout: a decoration (sea name, compass, cartouche,
// ship) reaching into the frame or out of the chart, or covering a port or a city label.
QStringList layoutProblems(const Chart& c, const std::vector<Label>& labels);

} // namespace paint
