#pragma once

#include "state/GameState.h"
#include "state/GameView.h"

namespace vlnobrod {

// The company has no ship left and the money it can reach (cash, savings in the bank, the
// cargo sold here) does not buy one of its type: it can never sail again.
bool AtDeadEnd(const GameState& st);

// Tells the player, when the company is at a dead end, that it can trade no more. On the map
// whose goal is to lose everything such a company is ruined: the map is finished as if the
// money were all spent. On the other maps the player may only go back to the menu. The port
// screen asks this once, when a voyage ends. Returns whether it was told.
bool TellDeadEnd(GameState& st, GameView& view);

} // namespace vlnobrod
