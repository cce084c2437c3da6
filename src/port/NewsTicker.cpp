#include "NewsTicker.h"

#include "widgets/Announcer.h"
#include "widgets/Art.h"
#include "world/News.h"

#include <QLabel>

namespace vlnobrod {

QPixmap NewsIcon(NewsKind kind) {
    if (kind < NewsInfo || kind > NewsError)
        return {};
    return art::Picture(QStringLiteral("news%1").arg(int(kind)));
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
