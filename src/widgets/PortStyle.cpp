#include "PortStyle.h"

#include "Art.h"
#include "ClickLabel.h"

#include <QFrame>
#include <QLabel>
#include <QVariant>

namespace vlnobrod::portstyle {

namespace {

constexpr const char* ForeProperty = "vlnobrodForeColor";
constexpr const char* BackProperty = "vlnobrodBackColor";
constexpr const char* BaseProperty = "vlnobrodBaseStyle";

void restyle(QWidget* w) {
    QString css = w->property(BaseProperty).toString();
    const QVariant fore = w->property(ForeProperty);
    if (fore.isValid())
        css += QStringLiteral(" color: %1;").arg(fore.value<QColor>().name());
    const QVariant back = w->property(BackProperty);
    if (back.isValid())
        css += QStringLiteral(" background-color: %1;").arg(back.value<QColor>().name());
    w->setStyleSheet(css);
}

} // namespace

void SetForeColor(QWidget* w, const QColor& c) {
    if (!w)
        return;
    w->setProperty(ForeProperty, c);
    restyle(w);
}

QColor ForeColor(const QWidget* w) {
    const QVariant v = w ? w->property(ForeProperty) : QVariant();
    return v.isValid() ? v.value<QColor>() : Black;
}

void SetBackColor(QWidget* w, const QColor& c) {
    if (!w)
        return;
    w->setProperty(BackProperty, c);
    restyle(w);
}

void SetBaseStyle(QWidget* w, const QString& css) {
    w->setProperty(BaseProperty, css);
    restyle(w);
}

QFont TextFont(double points, bool bold) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QFont SerifFont(double points, bool bold) {
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setStyleHint(QFont::Serif);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, int x, int y, int w, int h, double points,
                  bool bold) {
    auto* l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText); // texts of maps and players, shown as written
    l->setFont(TextFont(points, bold));
    l->setGeometry(x, y, w, h);
    SetBaseStyle(l, QStringLiteral("background: transparent;"));
    return l;
}

ClickLabel* MakeClickLabel(QWidget* parent, const QString& text, int x, int y, int w, int h,
                           double points, bool bold) {
    auto* l = new ClickLabel(text, parent);
    l->setFont(TextFont(points, bold));
    l->setGeometry(x, y, w, h);
    SetBaseStyle(l, QStringLiteral("background: transparent;"));
    return l;
}

ClickLabel* MakeActionLabel(QWidget* parent, const QString& text, int x, int y, int w, int h,
                            double points) {
    ClickLabel* l = MakeClickLabel(parent, text, x, y, w, h, points, true);
    l->setCursor(art::HandCursor());
    SetForeColor(l, QColor(0x1d, 0x3f, 0x8a));
    return l;
}

QFrame* MakeBar(QWidget* parent, int x, int y, int w, int h, const QColor& fill) {
    auto* bar = new QFrame(parent);
    bar->setGeometry(x, y, w, h);
    SetBaseStyle(bar, QStringLiteral("border: none;"));
    SetBackColor(bar, fill);
    return bar;
}

} // namespace vlnobrod::portstyle
