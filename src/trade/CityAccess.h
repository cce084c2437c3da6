#pragma once

#include "state/GameState.h"
#include "state/GameView.h"

#include <cstdint>
#include <functional>

namespace vlnobrod {

// Market research: 10 for the day (it ends with the next day change), 500 for good.
constexpr double ResearchDayPrice = 10;
constexpr double ResearchPermanentPrice = 500;

// Buys access to closed city `c` after the player's "Ano": the price leaves cash, the city
// opens (`opened` then shows it on the screen) and the news tells it. Not enough cash: the
// news says so and nothing changes. The goal is tested once more with the city open, so a
// goal that needed it is announced at once. True when the city was opened.
bool BuyAccess(GameState& st, GameView& view, std::uint8_t c,
               const std::function<void()>& opened = {});

// Research of city `c` for today: charged (even into debt) unless the city has research
// already; no question, no sound, no news.
void BuyResearchForDay(GameState& st, GameView& view, std::uint8_t c);

// Research of city `c` for good, after the player's "Ano", when cash allows. True when
// bought.
bool BuyPermanentResearch(GameState& st, GameView& view, std::uint8_t c);

// What the research chart's toggle does: hide a shown chart; show a hidden one for a city
// with research; buy a day's research first for a city without.
enum class ChartToggle { Hide, Show, BuyDay };
ChartToggle ToggleChart(bool chartShown, const CityRecord& city);

} // namespace vlnobrod
