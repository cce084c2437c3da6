#pragma once

#include "state/GameState.h"
#include "state/GameView.h"
#include "state/Random.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vlnobrod {

// No single purchase may exceed this many units.
inline constexpr std::int32_t MaxPurchase = 32760;

// What the transaction box offers once a row is clicked: either a quantity range for the
// slider, or a refusal shown in the quantity line instead.
struct QuantityOffer {
    bool ok = false;
    std::string refusal; // "Nedostatek peněz", "Nedostatek prostoru", "Zboží není přijímáno"
    std::int32_t maximum = 0;     // the slider's maximum, and where it starts
    std::int32_t tickSpacing = 0; // a tick every fiftieth of the range
};

// Room left in the hold: capacity of all ships less the units on board (`loaded`, the load
// line's figure, or the fleet's own cargo counted wide when that is more: the 16-bit figure
// stops at 32 767 while 200 galleons carry more). Worked out wide, then kept to the 16-bit
// range.
std::int32_t FreeSpace(const FleetRecord& fleet, std::int16_t loaded);

// Buying at `price`: as much as the cash pays for (the cash per unit goes through the
// player's number text, so with a decimal comma the fraction is lost), at most 32 760, at
// most what the hold takes.
QuantityOffer BuyOffer(double hotovost, std::int16_t price, std::int16_t loaded,
                       const FleetRecord& fleet, const NumberLocale& loc);

// Selling `units` (a cargo row's amount) at `price`, 0 when the city does not take the goods.
// The whole rounded amount is offered; a last fraction under one unit is offered as one unit
// so it can still be sold.
QuantityOffer SellOffer(double units, std::int16_t price);

// "1 234 jednotek za 56 789"
std::string QuantityLine(std::int32_t quantity, std::int16_t price);

// A whole number read from a caption or Tag, rounded to the 16-bit range ("12,5" and "12.5"
// both read as 12); text that is not a number reads as 0.
std::int16_t TextAsI16(const std::string& text);

// A trade of `quantity` units moves the price (up for a purchase, down for a sale with a
// negative quantity), less in a bigger city. Then the price is kept between 5 and 999, and
// prices under 100 get a random lift and over 900 a random cut, so cheap goods never stay
// free and dear ones never sit at the cap.
std::int16_t TradePriceReaction(std::int16_t cena, std::int32_t quantity, std::uint8_t velikost,
                                RandomSource& rnd, const NumberLocale& loc);

// What one unit of `goods` really costs or brings in the current city when its market row
// shows `shown`: a purchase costs at least, a sale brings at most, today's price without what
// the player's own trades there did to it (OwnPurchaseBound, OwnSaleBound). Goods the city
// does not trade bring nothing.
std::int16_t PurchasePrice(const GameState& st, int goods, std::int16_t shown);
std::int16_t SalePrice(const GameState& st, int goods, std::int16_t shown);

// Buys `quantity` units of goods `goods` at `price` each (at least PurchasePrice): loads
// them, pays, and the current city's price reacts (with fresh dice) and the city remembers the move
// as the player's own. The caller shows the fleet again.
void BuyGoods(GameState& st, GameView& view, RandomSource& rnd, int goods, std::int32_t quantity,
              std::int16_t price);

// Sells `quantity` units at `price` (at most SalePrice): unloads them, takes the
// money for no more than is on board, and lowers the current city's price. What is left of
// the goods after the sale, if it no longer makes a whole unit, goes with it.
void SellGoods(GameState& st, GameView& view, RandomSource& rnd, int goods, std::int32_t quantity,
               std::int16_t price);

// A market row as the trade panel shows it right now (the price may be older than the
// market's, until the rows are filled again).
struct ShownMarketRow {
    int goods;
    std::int16_t price;
};

// "Prodat vše": every cargo row, in order, whose goods the shown market takes is sold whole
// at the shown price (at most SalePrice); the others stay on board. Rows and cargo
// meet by goods index. Returns how many kinds were sold, and
// whether the last cargo row was one the market refused.
struct SellAllResult {
    int sold = 0;
    bool lastRefused = false;
};
SellAllResult SellAll(GameState& st, GameView& view, RandomSource& rnd,
                      const std::vector<ShownMarketRow>& rows);

} // namespace vlnobrod
