#include "PriceBounds.h"

#include "state/Numbers.h"

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

} // namespace vlnobrod
