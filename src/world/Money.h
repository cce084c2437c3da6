#pragma once

#include "state/GameState.h"
#include "state/GameView.h"

namespace vlnobrod {

// Every change of cash or of the account goes through here: the figure is shown again and,
// until the map is finished, the map's goal is tested. Reaching it congratulates the player
// and opens the results window for the table entry. The sum stays within +-MaxMoney.
void ChangeMoney(GameState& st, GameView& view, double amount, bool toAccount);

// `held` + `amount` held within +-MaxMoney, the most a file keeps: a sum the game could not
// save never lives in memory either (interest, upkeep, a sale). An amount that is no number
// changes nothing.
double AddMoney(double held, double amount);

// The map is finished: congratulate the player and let the results window make its table
// entry (once a game).
void FinishMap(GameState& st, GameView& view);

} // namespace vlnobrod
