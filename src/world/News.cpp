#include "News.h"

namespace vlnobrod {

void AddNews(GameState& st, const std::string& text, NewsKind kind) {
    for (NewsItem& slot : st.NewsQueue) {
        if (slot.text.empty()) {
            slot = {text, kind};
            return;
        }
    }
    // All three slots wait for the ticker: this one waits behind them. The ticker shows one
    // a second, so only a runaway could fill this; past that the oldest waiting goes.
    constexpr std::size_t MaxWaiting = 64;
    if (st.NewsOverflow.size() >= MaxWaiting)
        st.NewsOverflow.pop_front();
    st.NewsOverflow.push_back({text, kind});
}

std::optional<NewsItem> TakeNews(GameState& st) {
    auto& q = st.NewsQueue;
    if (q[0].text.empty())
        return std::nullopt;
    NewsItem shown = q[0];
    q[0] = q[1];
    q[1] = q[2];
    q[2].text.clear();
    if (!st.NewsOverflow.empty()) {
        q[2] = std::move(st.NewsOverflow.front());
        st.NewsOverflow.pop_front();
    }
    return shown;
}

} // namespace vlnobrod
