#pragma once

#include "state/GameState.h"
#include "state/GameView.h"
#include "state/Random.h"

#include <cstdint>

namespace vlnobrod {

// Passes `days` days: one-day market research ends, every price moves one step (however many
// days pass), the day opens at the moved prices, a fleet at sea pays its upkeep, the account
// pays or costs interest into cash, and the day counter moves on. In port the day's prices go
// into the logbook. Each step below is also called on its own where only it is meant (a game
// loaded moves its prices but keeps its day, its money and its research).
void AdvanceDays(GameState& st, RandomSource& rnd, GameView& view, std::int16_t days);

// Every traded price of every city moves one step; the price before it is kept as
// yesterday's. Whatever else a day does to the prices belongs here.
void MovePrices(GameState& st, RandomSource& rnd);

// Research bought for a day ends with it; permanent research stays.
void EndDayResearch(GameState& st);

// The day opens: every city's prices as they stand now become the opening prices, the
// bounds of the day's trades. Every day change ends with it, at sea and in port.
void OpenTheDay(GameState& st);

// A fleet at sea pays its upkeep for `days` days, through ChangeMoney; in port nothing.
void PayUpkeep(GameState& st, GameView& view, std::int16_t days);

// The account's daily interest, paid into (or taken from) cash.
void PayInterest(GameState& st);

// One day's movement of one market price in a city of size class `velikost`, kept inside
// the market's bounds.
std::int16_t DayPriceStep(std::int16_t cena, std::int16_t produkce, std::uint8_t velikost,
                          RandomSource& rnd, const NumberLocale& loc);

// Upkeep of the fleet for `days` days at sea (a negative amount).
double VoyageUpkeep(const FleetRecord& fleet, std::int16_t days, std::uint8_t obtiznost);

// Daily interest paid into cash: 0.02 % of the balance on savings, 0.01 % charged on debt,
// through the same text round trip as the price lift.
double DailyInterest(double konto, const NumberLocale& loc);

} // namespace vlnobrod
