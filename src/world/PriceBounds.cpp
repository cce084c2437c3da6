#include "PriceBounds.h"

#include "DayChange.h"
#include "state/Numbers.h"

#include <algorithm>

namespace vlnobrod {

double RandomPriceAmount(float spread, RandomSource& rnd, const NumberLocale& loc) {
    const float x = rnd.next() * spread + 10.0f;
    return ParseDot(FormatSingle(x, loc));
}

std::int16_t BoundPrice(std::int32_t c, float spread, RandomSource& rnd, const NumberLocale& loc) {
    if (c < 1)
        c = 5;
    if (c > 999)
        c = 999;
    if (c < 100)
        c = ToI16(c + RandomPriceAmount(spread, rnd, loc));
    if (c > 900)
        c = ToI16(c - RandomPriceAmount(spread, rnd, loc));
    return static_cast<std::int16_t>(c);
}

namespace {
constexpr std::int32_t Cheapest = 5; // the market's own bounds, see BoundPrice
constexpr std::int32_t Dearest = 999;
} // namespace

std::int16_t OwnImpact(const MarketEntry& m) {
    if (m.Cena <= 0)
        return 0;
    const std::int32_t c = m.Cena;
    // The price without the impact, c - d, stays within Cheapest…Dearest; a price already
    // outside them (a damaged file) keeps no impact on the side it is beyond.
    const std::int32_t most = std::max(0, c - Cheapest);
    const std::int32_t least = std::min(0, c - Dearest);
    return static_cast<std::int16_t>(std::clamp<std::int32_t>(m.Dopad, least, most));
}

std::int16_t OwnSaleBound(const MarketEntry& m, std::int16_t shown) {
    if (m.Cena <= 0 || shown <= 0)
        return 0;
    return std::min(shown, OwnPrice(m));
}

std::int16_t OwnPurchaseBound(const MarketEntry& m, std::int16_t shown) {
    if (m.Cena <= 0 || shown <= 0)
        return 0;
    return std::max(shown, OwnPrice(m));
}

std::int16_t OwnPrice(const MarketEntry& m) {
    return static_cast<std::int16_t>(m.Cena - OwnImpact(m));
}

void RememberOwnImpact(MarketEntry& m, std::int16_t ownPrice) {
    m.Dopad = static_cast<std::int16_t>(
        std::clamp<std::int32_t>(std::int32_t{m.Cena} - ownPrice, -Dearest, Dearest));
    m.Dopad = OwnImpact(m);
}

void StepPriceWithOwnImpact(MarketEntry& m, std::int16_t produkce, std::uint8_t velikost,
                            RandomSource& rnd, const NumberLocale& loc) {
    const std::int32_t d = OwnImpact(m);
    const std::int32_t fade = d > 0 ? (d + 9) / 10 : -((-d + 9) / 10);
    const std::int16_t own = DayPriceStep(OwnPrice(m), produkce, velikost, rnd, loc);
    m.Cena = static_cast<std::int16_t>(std::clamp<std::int32_t>(own + d - fade, Cheapest, Dearest));
    m.Dopad = static_cast<std::int16_t>(m.Cena - own);
}

} // namespace vlnobrod
