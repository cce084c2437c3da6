#pragma once

#include "state/GameState.h"

#include <optional>
#include <string>

namespace vlnobrod {

// Puts an item into the first free slot of the three; when all three wait, it waits behind
// them and moves into the last slot as the ticker frees one.
void AddNews(GameState& st, const std::string& text, NewsKind kind);

// One tick of the news ticker: takes the item in slot 0 (nothing when slot 0 is empty, even
// if later slots hold text) and moves the queue up.
std::optional<NewsItem> TakeNews(GameState& st);

} // namespace vlnobrod
