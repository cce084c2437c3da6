#pragma once

#include "state/GameState.h"

#include <QPixmap>
#include <array>
#include <cstdint>

class QLabel;

namespace vlnobrod {

// The icon of a news kind: 1 information, 2 warning, 3 stop, 4 error. Kind 0, and kinds
// the game has no icon for, give an empty picture.
QPixmap NewsIcon(NewsKind kind);

// One second of the news ticker: the upper line moves down with its icon, the next waiting
// item takes the upper line, and the queue moves up. Nothing happens while slot 0 is free.
// Returns whether an item was shown.
bool TickNews(GameState& st, const std::array<QLabel*, 2>& lblInfo,
              const std::array<QLabel*, 2>& imgIkona);

} // namespace vlnobrod
