#include "NewsTicker.h"

#include "widgets/Announcer.h"
#include "widgets/Art.h"
#include "world/News.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace vlnobrod {

namespace {

constexpr int IconSize = 32;

// The four icons drawn, for a game without its artwork: a white "i" on a blue disc, a black
// "!" in a yellow triangle, a raised hand in a red octagon, a white cross on a red disc.
QPixmap drawIcon(std::uint8_t kind) {
    QPixmap pm(IconSize, IconSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(20);
    p.setFont(f);
    const QRectF box(1, 1, IconSize - 2, IconSize - 2);
    switch (kind) {
    case NewsInfo:
        p.setBrush(QColor(0x1e, 0x5a, 0xc8));
        p.setPen(QPen(Qt::white, 1.5));
        p.drawEllipse(box);
        p.drawText(box, Qt::AlignCenter, QStringLiteral("i"));
        break;
    case NewsWarning: {
        p.setBrush(QColor(0xf5, 0xc5, 0x18));
        p.setPen(QPen(Qt::black, 1.5));
        p.drawPolygon(QPolygonF({QPointF(16, 2), QPointF(30, 29), QPointF(2, 29)}));
        p.drawText(QRectF(0, 8, IconSize, 22), Qt::AlignCenter, QStringLiteral("!"));
        break;
    }
    case NewsStop: {
        QPolygonF octagon;
        for (int i = 0; i < 8; ++i) {
            const double a = (22.5 + 45.0 * i) * 3.14159265358979 / 180.0;
            octagon << QPointF(16 + 15 * std::cos(a), 16 + 15 * std::sin(a));
        }
        p.setBrush(QColor(0xc8, 0x1e, 0x1e));
        p.setPen(QPen(Qt::white, 1.5));
        p.drawPolygon(octagon);
        // The raised hand: a palm and four fingers.
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(10, 14, 12, 10), 3, 3);
        for (int i = 0; i < 4; ++i)
            p.drawRoundedRect(QRectF(10 + i * 3.2, 7 + (i == 0 || i == 3 ? 2 : 0), 2.6, 9), 1.2,
                              1.2);
        p.drawRoundedRect(QRectF(20, 15, 5, 3), 1.2, 1.2);
        break;
    }
    case NewsError:
        p.setBrush(QColor(0xd0, 0x20, 0x20));
        p.setPen(Qt::NoPen);
        p.drawEllipse(box);
        p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10, 10), QPointF(22, 22));
        p.drawLine(QPointF(22, 10), QPointF(10, 22));
        break;
    default:
        break;
    }
    return pm;
}

} // namespace

QPixmap NewsIcon(std::uint8_t kind) {
    if (kind < NewsInfo || kind > NewsError)
        return {};
    const QPixmap art = art::Picture(QStringLiteral("news%1").arg(kind));
    return art.isNull() ? drawIcon(kind) : art;
}

bool TickNews(GameState& st, const std::array<QLabel*, 2>& lblInfo,
              const std::array<QLabel*, 2>& imgIkona) {
    const std::optional<NewsItem> item = TakeNews(st);
    if (!item)
        return false;
    lblInfo[1]->setText(lblInfo[0]->text());
    imgIkona[1]->setPixmap(imgIkona[0]->pixmap());
    lblInfo[0]->setText(QString::fromStdString(item->text));
    imgIkona[0]->setPixmap(NewsIcon(item->kind));
    // Told once, as it comes in; moving down a line it is not told again.
    Announce(*lblInfo[0], lblInfo[0]->text());
    return true;
}

} // namespace vlnobrod
