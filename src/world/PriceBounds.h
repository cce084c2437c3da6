#pragma once

#include "state/GameState.h"
#include "state/Random.h"

#include <cstdint>

namespace vlnobrod {

// A random amount of 10 + spread·r, after its trip through text in the player's number
// format: with a decimal comma only the whole part survives.
double RandomPriceAmount(float spread, RandomSource& rnd, const NumberLocale& loc);

// Brings a moved price back into the market's range: nothing below 1 (it becomes 5), nothing
// above 999, and a random lift under 100 or a random drop over 900, so cheap goods never stay
// free and dear ones never sit at the cap. Each lift or drop takes a fresh draw.
std::int16_t BoundPrice(std::int32_t cena, float spread, RandomSource& rnd,
                        const NumberLocale& loc);

} // namespace vlnobrod
