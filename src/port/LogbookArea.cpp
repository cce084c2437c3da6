#include "LogbookArea.h"

#include "widgets/PortStyle.h"
#include "world/Logbook.h"

#include <algorithm>
#include <cmath>

namespace vlnobrod {

using namespace portstyle;

namespace {

constexpr int HeadingHeight = 20;
constexpr int RowHeight = 13;
const QColor FadedInk(0x6b, 0x5a, 0x44);
const QColor FadedBar(0xa8, 0x9c, 0x88);

} // namespace

LogbookArea::LogbookArea(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("logbook"));
    // Older paper than the research chart, and a dashed edge: these prices are not today's.
    setStyleSheet(QStringLiteral("QFrame#logbook { background-color: #ece0c0; "
                                 "border: 1px dashed #8a7352; }"));
    lblNadpis = MakeLabel(this, QString(), 6, 2, 340, HeadingHeight, 9, true);
    QFont italic = lblNadpis->font();
    italic.setItalic(true);
    lblNadpis->setFont(italic);
    SetForeColor(lblNadpis, QColor(0x5a, 0x3b, 0x1a));
    for (std::size_t i = 0; i < lblZboží.size(); ++i) {
        const int y = 2 + HeadingHeight + static_cast<int>(i) * RowHeight;
        lblZboží[i] = MakeLabel(this, QString(), 6, y, 112, RowHeight, 8);
        lblCena[i] = MakeLabel(this, QString(), 118, y, 40, RowHeight, 8, true);
        lblCena[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lblKurs[i] = MakeLabel(this, QString(), 164, y, 14, RowHeight, 8, true);
        lblKurs[i]->setAlignment(Qt::AlignCenter);
        for (QLabel* l : {lblZboží[i], lblCena[i], lblKurs[i]}) {
            SetForeColor(l, FadedInk);
            l->hide();
        }
        shpCena[i] = new QFrame(this);
        shpCena[i]->setGeometry(184, y + 3, 0, RowHeight - 6);
        SetBaseStyle(shpCena[i], QStringLiteral("border: none;"));
        SetBackColor(shpCena[i], FadedBar);
        shpCena[i]->hide();
    }
    hide();
}

void LogbookArea::ShowCity(const GameState& st, std::uint8_t city) {
    const LogbookView log = LogbookOf(st, city);
    lblNadpis->setText(QString::fromStdString(log.heading));
    // A city never seen says so in the middle of the area.
    lblNadpis->setGeometry(6, 2, width() - 12, log.visited ? HeadingHeight : height() - 4);
    lblNadpis->setAlignment(log.visited ? (Qt::AlignLeft | Qt::AlignVCenter) : Qt::AlignCenter);
    for (std::size_t i = 0; i < lblZboží.size(); ++i) {
        lblZboží[i]->hide();
        lblCena[i]->hide();
        lblKurs[i]->hide();
        shpCena[i]->hide();
    }
    for (const LogbookRow& row : log.rows) {
        if (row.goods < 0 || row.goods >= static_cast<int>(lblZboží.size()))
            continue;
        const std::size_t i = static_cast<std::size_t>(row.goods);
        lblZboží[i]->setText(QString::fromStdString(row.name));
        lblCena[i]->setText(QString::number(row.price));
        lblKurs[i]->setText(QString::fromStdString(row.trend));
        shpCena[i]->resize(std::max(0, static_cast<int>(std::lround(row.barWidth))),
                           shpCena[i]->height());
        for (QWidget* w : {static_cast<QWidget*>(lblZboží[i]), static_cast<QWidget*>(lblCena[i]),
                           static_cast<QWidget*>(lblKurs[i]), static_cast<QWidget*>(shpCena[i])})
            w->show();
    }
    show();
}

} // namespace vlnobrod
