#pragma once

#include "state/GameState.h"

#include <string>

namespace vlnobrod {

// The chart and the voyage strip in words, for a player who cannot see them.

// Days in Czech: "1 den", "3 dny", "5 dnů".
std::string DaysText(int days);

// What a city label tells a screen reader besides the name: "zde kotví vaše loďstvo";
// "otevřené město, vzdálenost 175"; "uzavřené město, přístup za 1 500 zlatých, vzdálenost
// 250". The distance is the sea's from the current city.
std::string CityText(const GameState& st, int city);

// The whole chart: each city of the map with its text, in the chart's order.
std::string ChartText(const GameState& st);

// Whole ticks until the ship picture has left the strip, and the days they make (a day
// begun counts whole).
int TicksLeft(const GameState& st);
int DaysLeft(const GameState& st);

// The voyage under way: "Plavba do města Skalná: na moři 2 dny, zbývá asi 3 dny." Empty in
// port.
std::string VoyageText(const GameState& st);

} // namespace vlnobrod
