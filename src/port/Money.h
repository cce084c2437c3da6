#pragma once

#include "state/GameState.h"
#include "state/GameView.h"
#include "state/Profiles.h"

#include <optional>
#include <string>

namespace vlnobrod {

// Every change of cash or of the account goes through here: the figure is shown again and,
// until the map is finished, the map's goal is tested. Reaching it congratulates the player
// and opens the results window for the table entry.
void ChangeMoney(GameState& st, GameView& view, double amount, bool toAccount);

// Whether the game meets its map's goal right now (maps without a goal never do).
bool GoalMet(const GameState& st);

// The congratulation for a finished map: its two lines.
struct GoalMessage {
    std::string line1;
    std::string line2;
};
std::optional<GoalMessage> GoalCongratulation(const std::string& mapa);

// The goal display: reads the four goal lines from the map's scenario file (HandOff is
// pointed at that file) and shows them under the title "Úkolem této mapy je ...".
void ShowGoal(GameState& st, Profiles& profiles, GameView& view);

} // namespace vlnobrod
