#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QFrame;
class QWidget;
class QLabel;

namespace vlnobrod {

class ClickLabel;

// The look of the port screen, and the colours the game gives its labels and bars. A label
// keeps its own look (background, border) and the game changes only its ink, so a city name
// keeps its halo when it turns red.
namespace portstyle {

inline const QColor Black(0, 0, 0);
inline const QColor Grey(128, 128, 128);
inline const QColor Red(255, 0, 0);

// Ink of a label: kept with the label so it can be read back.
void SetForeColor(QWidget* w, const QColor& c);
QColor ForeColor(const QWidget* w);

// Fill of a bar.
void SetBackColor(QWidget* w, const QColor& c);

// The label's own look; the ink is added on top of it.
void SetBaseStyle(QWidget* w, const QString& css);

QFont TextFont(double points = 10, bool bold = false);
QFont SerifFont(double points, bool bold = true);

// A label placed in its parent, with its caption and look.
QLabel* MakeLabel(QWidget* parent, const QString& text, int x, int y, int w, int h,
                  double points = 10, bool bold = false);
// A plain bar of one colour, placed in its parent (market bars, the load and damage gauges).
QFrame* MakeBar(QWidget* parent, int x, int y, int w, int h, const QColor& fill);
ClickLabel* MakeClickLabel(QWidget* parent, const QString& text, int x, int y, int w, int h,
                           double points = 10, bool bold = false);

// An action label: a clickable caption in the game's link colour.
ClickLabel* MakeActionLabel(QWidget* parent, const QString& text, int x, int y, int w, int h,
                            double points = 10);

} // namespace portstyle
} // namespace vlnobrod
