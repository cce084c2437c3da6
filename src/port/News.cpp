#include "News.h"

namespace vlnobrod {

void AddNews(GameState& st, const std::string& text, std::uint8_t kind) {
    for (NewsItem& slot : st.NewsQueue) {
        if (slot.text.empty()) {
            slot = {text, kind};
            return;
        }
    }
    // All three slots wait for the ticker: this item is lost.
}

std::optional<NewsItem> TakeNews(GameState& st) {
    auto& q = st.NewsQueue;
    if (q[0].text.empty())
        return std::nullopt;
    NewsItem shown = q[0];
    q[0] = q[1];
    q[1] = q[2];
    q[2].text.clear();
    return shown;
}

} // namespace vlnobrod
