#include "Market.h"

#include "state/Numbers.h"
#include "world/FleetSummary.h"
#include "world/Money.h"
#include "world/PriceBounds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace vlnobrod {

namespace {

constexpr std::int32_t I16Min = std::numeric_limits<std::int16_t>::min();
constexpr std::int32_t I16Max = std::numeric_limits<std::int16_t>::max();

bool validGoods(int goods) {
    return goods >= 0 && goods < CargoSlots;
}

// A tick every fiftieth of the range, halves to even like every other rounding here.
std::int32_t ticksFor(double maximum) {
    return ToI32(maximum / 50.0);
}

QuantityOffer refuse(const char* text) {
    QuantityOffer o;
    o.refusal = text;
    return o;
}

} // namespace

std::int32_t FreeSpace(const FleetRecord& fleet, std::int16_t loaded) {
    const std::int64_t space =
        CapacityUnits(fleet) - std::max(std::int64_t{loaded}, CargoUnits(fleet));
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(space, I16Min, I16Max));
}

QuantityOffer BuyOffer(double hotovost, std::int16_t price, std::int16_t loaded,
                       const FleetRecord& fleet, const NumberLocale& loc) {
    // A price of nothing cannot be divided into the cash; such goods are never on offer, so
    // treat it as unaffordable rather than infinitely cheap.
    double n = 0;
    if (price > 0)
        n = ParseDot(FormatDouble(hotovost / price, loc));
    // Only whole units the cash covers: rounded to the nearest, 13.5 units' worth would offer
    // 14 and a purchase would take the cash below nothing (Mapa4 was won that way on day 0,
    // without a voyage).
    n = std::floor(n);
    if (n < 1)
        return refuse("Nedostatek peněz");
    n = std::min<double>(n, MaxPurchase);
    // A hold that is already over-full (ships sold with cargo aboard) has no room either.
    n = std::min<double>(n, FreeSpace(fleet, loaded));
    if (n <= 0)
        return refuse("Nedostatek prostoru");
    QuantityOffer o;
    o.ok = true;
    o.maximum = ToI32(n);
    o.tickSpacing = ticksFor(n);
    return o;
}

QuantityOffer SellOffer(double units, std::int16_t price) {
    if (price == 0)
        return refuse("Zboží není přijímáno");
    std::int32_t n = ToI16(units);
    if (n < 1 && units > 0)
        n = 1;
    QuantityOffer o;
    if (n <= 0)
        return o; // nothing on board: no slider, nothing to sell
    o.ok = true;
    o.maximum = n;
    o.tickSpacing = ticksFor(n);
    return o;
}

std::string QuantityLine(std::int32_t quantity, std::int16_t price) {
    const std::int32_t total = ToI32(static_cast<double>(quantity) * price);
    return FormatGrouped(quantity, "### ##0") + " jednotek za " +
           FormatGrouped(total, "### ### ##0");
}

std::int16_t TextAsI16(const std::string& text) {
    return ToI16(ParseNumber(text).value_or(0));
}

namespace {
constexpr float TradeSpread = 50.0f; // a trade lifts or drops a price by 10 to 60
}

std::int16_t TradePriceReaction(std::int16_t cena, std::int32_t quantity, std::uint8_t velikost,
                                RandomSource& rnd, const NumberLocale& loc) {
    const double step = quantity * (1.0 / (velikost + 1.0));
    return BoundPrice(std::int32_t{cena} + ToI16(step), TradeSpread, rnd, loc);
}

namespace {

const MarketEntry& currentEntry(const GameState& st, int goods) {
    const CityRecord& city = st.Cities[std::min<std::size_t>(st.AktualniMesto, MaxCities - 1)];
    return city.Trh[static_cast<std::size_t>(goods)];
}

} // namespace

std::int16_t PurchasePrice(const GameState& st, int goods, std::int16_t shown) {
    if (!validGoods(goods) || shown == 0)
        return 0;
    return OwnPurchaseBound(currentEntry(st, goods), shown);
}

std::int16_t SalePrice(const GameState& st, int goods, std::int16_t shown) {
    if (!validGoods(goods))
        return 0;
    return std::max<std::int16_t>(0, OwnSaleBound(currentEntry(st, goods), shown));
}

namespace {

void reactPrice(GameState& st, RandomSource& rnd, int goods, std::int32_t quantity) {
    CityRecord& city = st.Cities[std::min<std::size_t>(st.AktualniMesto, MaxCities - 1)];
    MarketEntry& m = city.Trh[static_cast<std::size_t>(goods)];
    const std::int16_t own = OwnPrice(m);
    m.Cena = TradePriceReaction(m.Cena, quantity, city.Velikost, rnd, st.locale);
    RememberOwnImpact(m, own);
}

} // namespace

void BuyGoods(GameState& st, GameView& view, RandomSource& rnd, int goods, std::int32_t quantity,
              std::int16_t price) {
    view.PlaySoundName("Cvak");
    if (!validGoods(goods))
        return;
    price = PurchasePrice(st, goods, price);
    if (price <= 0)
        return; // nothing is sold here
    st.Fleet.Naklad[static_cast<std::size_t>(goods)] += quantity;
    ChangeMoney(st, view, -static_cast<double>(ToI32(static_cast<double>(quantity) * price)),
                false);
    rnd.reseed();
    reactPrice(st, rnd, goods, quantity);
}

void SellGoods(GameState& st, GameView& view, RandomSource& rnd, int goods, std::int32_t quantity,
               std::int16_t price) {
    price = SalePrice(st, goods, price);
    double* hold = validGoods(goods) ? &st.Fleet.Naklad[static_cast<std::size_t>(goods)] : nullptr;
    if (hold && *hold > 0 && quantity > 0 && price > 0) {
        // Paid for what leaves the hold, never for more than is on board.
        const double sold = std::min<double>(quantity, *hold);
        *hold -= quantity;
        // A fraction left over from storm losses goes with the sale: otherwise it would sit
        // in the cargo list as a row that can never be sold, and the hold never goes below
        // nothing.
        if (ToI16(*hold) <= 0)
            *hold = 0;
        // Whole zlatých: a fraction of a unit never rounds the pay up.
        ChangeMoney(st, view, static_cast<double>(ToI32(std::floor(sold * price))), false);
        reactPrice(st, rnd, goods, -quantity);
    }
    view.PlaySoundName("Kasa");
}

SellAllResult SellAll(GameState& st, GameView& view, RandomSource& rnd,
                      const std::vector<ShownMarketRow>& rows) {
    SellAllResult result;
    // The cargo list as it stands now; each kind is sold at most once, so the loop always ends.
    for (const CargoRow& cargo : CargoRows(st)) {
        const auto row = std::find_if(rows.begin(), rows.end(), [&](const ShownMarketRow& r) {
            return r.goods == cargo.goods;
        });
        const std::int16_t price =
            row == rows.end() ? std::int16_t{0} : SalePrice(st, cargo.goods, row->price);
        const QuantityOffer offer = SellOffer(cargo.units, price);
        result.lastRefused = !offer.ok;
        if (!offer.ok)
            continue;
        SellGoods(st, view, rnd, cargo.goods, offer.maximum, price);
        ++result.sold;
    }
    return result;
}

} // namespace vlnobrod
