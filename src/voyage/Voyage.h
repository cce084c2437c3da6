#pragma once

#include "state/Battle.h"
#include "state/GameState.h"
#include "state/GameView.h"
#include "state/Random.h"

#include <cstdint>

namespace vlnobrod {

// What one tick of the voyage did, for the screen to show.
struct VoyageTick {
    bool dayPassed = false; // a day boundary: the calendar, cash and maybe the fleet changed
    int event = -1;         // the sea event of that day, -1 for none
    bool arrived = false;   // the fleet is in port at the destination
};

// One tick of the voyage timer: the ship moves one step along the strip; every
// ticks-per-day ticks a day passes at sea (upkeep and the daily roll); once the picture has
// left the strip the fleet arrives. Nothing happens in port.
VoyageTick SailTick(GameState& st, RandomSource& rnd, GameView& view, Battle& battle);

// The fleet comes into port at the destination: a fleet damaged beyond 100 % loses a ship
// on the way in, and the city welcomes it. A voyage that crossed the strip before its first
// day boundary is given its day here, so every voyage lasts at least one day.
void Arrive(GameState& st, RandomSource& rnd, GameView& view, Battle& battle);

// Sails the voyage under way to its end without a window, tick by tick as the screen
// would. Returns the number of ticks.
int SailToPort(GameState& st, RandomSource& rnd, GameView& view, Battle& battle);

} // namespace vlnobrod
