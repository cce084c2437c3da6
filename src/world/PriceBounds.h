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

// The player's own impact on a market price (MarketEntry::Dopad) as far as it can still be
// in the price: never more than would take the price without it out of the market's range
// 5…999 (a damaged file, or production that has since carried the price further).
std::int16_t OwnImpact(const MarketEntry& m);

// The price a sale pays and a purchase costs when the trade panel's row shows `shown` (which
// may be older than the market's): a sale pays at most, a purchase costs at least, the price
// without the player's own impact. So buying and selling again in one port brings no more
// than the market moved by itself in between. 0 where the goods are not traded.
std::int16_t OwnSaleBound(const MarketEntry& m, std::int16_t shown);
std::int16_t OwnPurchaseBound(const MarketEntry& m, std::int16_t shown);

// The price as the market would have it without the player's impact.
std::int16_t OwnPrice(const MarketEntry& m);

// A trade has just moved m.Cena; `ownPrice` is OwnPrice(m) from before it. The whole move is
// the player's own.
void RememberOwnImpact(MarketEntry& m, std::int16_t ownPrice);

// One day of one market price in a city of size class `velikost`: the market moves the price
// it would have without the player (DayChange's DayPriceStep, with its dice), a tenth of the
// player's impact fades (rounded away from nothing, so the last unit goes too) and the rest
// stays on top. Half of a lift is gone within a week, all of it within about a month. The
// price without the player thus moves exactly as if the player had never traded there.
void StepPriceWithOwnImpact(MarketEntry& m, std::int16_t produkce, std::uint8_t velikost,
                            RandomSource& rnd, const NumberLocale& loc);

} // namespace vlnobrod
