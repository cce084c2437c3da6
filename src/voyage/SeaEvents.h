#pragma once

#include "state/Battle.h"
#include "state/GameState.h"
#include "state/GameView.h"
#include "state/Random.h"

#include <cstdint>

namespace vlnobrod {

// How much the sea has in store for the fleet today: a big fleet, a big ship, a hold full of
// the dearest goods, a long voyage and a rich company draw trouble; a hold of several goods,
// each below the fleet's capacity, keeps it away, and an empty hold draws it most of all.
std::uint8_t DangerScore(const GameState& st, std::int16_t distance);

// The day's roll: about one day in nine (a draw of 1 to 9 out of 1 to 80) brings an event,
// whose number is drawn from the danger score and carried out. Returns the event's number,
// or -1 for a quiet day.
int RollSeaDay(GameState& st, RandomSource& rnd, GameView& view, Battle& battle);

// Event `n` of the sea: 1 grounding, 2 a lost anchor, 3 calm, 4 a man overboard, 6 reefs,
// 7 to 12 pirates, 13 to 16 storms, 18 and more a bank crash; 0, 5 and 17 are quiet seas.
void SeaEvent(GameState& st, RandomSource& rnd, GameView& view, Battle& battle, int n);

// Pirates on the horizon: the battle is fought, then won or lost ships, loot or stolen
// cargo are settled, and the battle is put away last of all.
void PirateAttack(GameState& st, RandomSource& rnd, GameView& view, Battle& battle);

// What the battle leaves the fleet, before it is put away.
void SettlePirateBattle(GameState& st, RandomSource& rnd, GameView& view,
                        const BattleResult& result);

// Days at sea that go on the calendar (a day's sailing or a delay): the day change with its
// upkeep, counted as days of the voyage.
void PassSeaDays(GameState& st, RandomSource& rnd, GameView& view, std::int16_t days);

} // namespace vlnobrod
