#pragma once

#include "GameState.h"

#include <array>
#include <optional>
#include <string>

namespace vlnobrod {

// The congratulation for a finished map: its two lines.
struct GoalMessage {
    std::string line1;
    std::string line2;
};

// What belongs to one scenario map besides its file: the names of its fourteen goods, the
// goal that ends it and the congratulation when it is reached.
struct Scenario {
    const char* mapa;
    const std::array<const char*, 14>& goods; // "" where the map has no goods
    bool (*goalMet)(const GameState& st);
    GoalMessage congratulation;
};

// The scenario of map `mapa` (the id exactly, "Mapa1" .. "Mapa4"); nothing for other maps.
const Scenario* FindScenario(const std::string& mapa);

// The name of goods `index` on the map `mapa`; empty where the map has no goods there. Maps
// without a scenario of their own use the goods of the first map.
std::string GoodsName(const std::string& mapa, int index);

// Whether the game meets its map's goal right now (maps without a scenario never do).
bool GoalMet(const GameState& st);

std::optional<GoalMessage> GoalCongratulation(const std::string& mapa);

} // namespace vlnobrod
