#pragma once

#include "state/GameState.h"

#include <optional>
#include <string>

namespace vlnobrod {

// News kinds: 0 plain, 1 good news, 2 minor trouble, 3 lack of money, 4 serious trouble.
enum NewsKind : std::uint8_t {
    NewsPlain = 0,
    NewsInfo = 1,
    NewsWarning = 2,
    NewsStop = 3,
    NewsError = 4
};

// Puts an item into the first free slot of the three; when all three wait, it waits behind
// them and moves into the last slot as the ticker frees one.
void AddNews(GameState& st, const std::string& text, std::uint8_t kind);

// One tick of the news ticker: takes the item in slot 0 (nothing when slot 0 is empty, even
// if later slots hold text) and moves the queue up.
std::optional<NewsItem> TakeNews(GameState& st);

} // namespace vlnobrod
