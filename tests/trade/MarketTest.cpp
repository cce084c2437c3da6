#include "trade/Market.h"

#include "support/FakeGameView.h"
#include "world/DayChange.h"
#include "world/FleetSummary.h"
#include "world/GameStart.h"
#include "world/PriceBounds.h"

#include <gtest/gtest.h>
#include <random>

using namespace vlnobrod;
using vlnobrod::testing::FakeGameView;

namespace {

// A port with one city of the given size, trading goods 2 at `price`.
GameState portWith(std::uint8_t velikost, std::int16_t price) {
    GameState st;
    st.AktualniMesto = 1;
    st.Cities[1].Velikost = velikost;
    st.Cities[1].Trh[2].Cena = price;
    st.Cities[1].Trh[2].RanniCena = price;
    st.Fleet = FleetRecord{10, 0, 100};
    st.Hotovost = 50000;
    return st;
}

} // namespace

// The slider offers what the cash covers, what the hold has room for and at most one
// purchase's 32 760, whichever is least; money is refused before space.
TEST(MarketOffer, TheBuySliderIsBoundByCashSpaceAndTheLimitOfOnePurchase) {
    const char* space = "Nedostatek prostoru";
    // Cash, units aboard, price, ships, capacity and separator; the maximum, ticks, refusal.
    using Row = std::tuple<double, double, std::int16_t, std::int16_t, std::uint8_t, char,
                           std::int32_t, std::int32_t, const char*>;
    const Row cases[] = {
        // Cash for 13.5 (with a decimal comma), 13.99 and exactly 13 units buys 13.
        {135, 0, 10, 10, 250, ',', 13, 0, ""},
        {139.9, 0, 10, 10, 250, '.', 13, 0, ""},
        {130, 0, 10, 10, 250, '.', 13, 0, ""},
        // Cash for 300, room for 250 less what is aboard; a tick every fiftieth.
        {12000, 0, 40, 5, 50, '.', 250, 5, ""},
        {12000, 100, 40, 5, 50, '.', 150, 3, ""},
        // 255 × 200 would wrap 16 bits; one purchase stops at 32 760 (ticks 655.2).
        {1e9, 0, 5, 200, 255, '.', 32760, 655, ""},
        {39.5, 100, 40, 2, 50, '.', 0, 0, "Nedostatek peněz"},
        {5000, 100, 40, 2, 50, '.', 0, 0, space},
        {5000, 130, 40, 2, 50, '.', 0, 0, space}, // over-full: no room, not a negative one
        // Past 182 galleons the load line stops at 32 767; the room comes from the real cargo.
        {1e9, 33000, 5, 190, 180, '.', 1200, 24, ""},
        {1e9, 34199, 5, 190, 180, '.', 1, 0, ""},
        {1e9, 34200, 5, 190, 180, '.', 0, 0, space},
        {1e9, 42466, 5, 200, 180, '.', 0, 0, space},
        {1e9, 32767, 5, 200, 180, '.', 3233, 65, ""},
    };
    for (const auto& [cash, aboard, price, ships, nosnost, separator, maximum, ticks, refusal] :
         cases) {
        SCOPED_TRACE(::testing::Message() << cash << " at " << price << ", aboard " << aboard);
        FleetRecord f{ships, 0, nosnost};
        f.Naklad[0] = aboard;
        const QuantityOffer o = BuyOffer(cash, price, CargoTotal(f), f, NumberLocale{separator});
        EXPECT_EQ(std::tuple(o.ok, o.refusal, o.maximum, o.tickSpacing),
                  std::tuple(*refusal == '\0', std::string(refusal), maximum, ticks));
    }
    // Selling offers the whole rounded amount: what storms leave of a single unit can still be
    // sold. The biggest purchase's price still groups whole.
    EXPECT_EQ(SellOffer(0.25, 40).maximum, 1);
    EXPECT_EQ(SellOffer(40000, 40).maximum, 32767);
    EXPECT_FALSE(SellOffer(0, 40).ok);
    EXPECT_EQ(QuantityLine(32760, 999), "32 760 jednotek za 32 727 240");
}

TEST(MarketPrice, ReactsByCitySizeAndStaysInBoundsWithFreshDraws) {
    // Price, quantity traded, size class, die and separator; the new price and dice drawn.
    using Row = std::tuple<std::int16_t, std::int32_t, std::uint8_t, float, char, std::int16_t,
                           std::size_t>;
    const Row cases[] = {
        // Between 100 and 900 the size class damps the step, no dice; 3.5 goes to the even 4.
        {200, 7, 1, 0.5f, '.', 204, 0},
        // Pushed below 1: 5, then lifted by 10 + 50·r, an amount that goes through text: with
        // a comma the .5 of 10.5 is dropped.
        {30, -100, 0, 0.5f, '.', 40, 1},
        {51, 0, 0, 0.01f, ',', 61, 1},
    };
    for (const auto& [cena, quantity, size, r, separator, expected, draws] : cases) {
        ScriptedRandom rnd({r});
        EXPECT_EQ(TradePriceReaction(cena, quantity, size, rnd, NumberLocale{separator}), expected)
            << cena << " by " << quantity << " in size " << int(size);
        EXPECT_EQ(rnd.draws(), draws) << cena << " by " << quantity;
    }
}

// A purchase costs at least, a sale brings at most, the price the day opened at (200 here);
// the trade moves the price of the current city, by half the quantity in a city of size 1.
TEST(MarketTrade, TradesPayTheOpeningPriceAndMoveTheCitysPrice) {
    // Bought or sold, units aboard, quantity, price shown; units left, paid, the new price.
    using Row = std::tuple<bool, double, std::int32_t, std::int16_t, double, double, std::int16_t>;
    const Row rows[] = {
        {true, 3, 10, 200, 13, 2000, 205},
        {true, 0, 10, 180, 10, 2000, 205}, // shown lower after a sale here today
        {true, 0, 10, 205, 10, 2050, 205}, // shown higher after a purchase: paid as shown
        {false, 30, 10, 260, 20, -2000, 195},
        {false, 12.5, 12, 150, 0, -1800, 194}, // the half left over goes with the sale
        {false, 13.5, 14, 150, 0, -2025, 193}, // offered 14, paid for the 13.5 on board
        {false, 12.5, 5, 150, 7.5, -750, 198}, // a part sale keeps the fraction
        {false, 0.25, 1, 150, 0, -37, 200},    // paid in whole zlatých, rounded down
        {false, 0, 10, 150, 0, 0, 200},        // goods not on board bring nothing
    };
    for (const auto& [buy, onBoard, quantity, shown, left, paid, price] : rows) {
        SCOPED_TRACE(std::to_string(onBoard) + " by " + std::to_string(quantity));
        GameState st = portWith(1, 200);
        st.Fleet.Naklad[2] = onBoard;
        FakeGameView view;
        ScriptedRandom rnd({0.5f});
        (buy ? BuyGoods : SellGoods)(st, view, rnd, 2, quantity, shown);
        EXPECT_EQ(std::tuple(st.Fleet.Naklad[2], st.Hotovost, st.Cities[1].Trh[2].Cena),
                  std::tuple(left, 50000 - paid, price));
        EXPECT_EQ(view.sounds, std::vector<std::string>{buy ? "Cvak" : "Kasa"});
        EXPECT_EQ(rnd.reseeds(), buy ? 1 : 0); // a purchase throws fresh dice
    }
}

// On a map whose goods may have no names, cargo meets its row by goods: accepted rows go at the
// shown price (still yesterday's 280 for goods 5); the refused last one is reported, kept.
TEST(MarketSellAll, SellsEveryAcceptedRowAndReportsTheRefusedOne) {
    GameState st = portWith(0, 100);
    st.Mapa = "Mapa9";
    st.Cities[1].Trh[5].Cena = 300;
    st.Cities[1].Trh[12].Cena = 700;
    OpenTheDay(st);
    st.Fleet.Naklad[5] = 4.25;
    st.Fleet.Naklad[12] = 0.25;
    st.Fleet.Naklad[13] = 20; // not bought here
    FakeGameView view;
    ScriptedRandom rnd({0.5f});
    const SellAllResult r = SellAll(st, view, rnd, {{5, 280}, {12, 700}});
    EXPECT_EQ(std::tuple(r.sold, r.lastRefused, st.Fleet.Naklad[5] + st.Fleet.Naklad[12],
                         st.Fleet.Naklad[13], st.Hotovost),
              std::tuple(2, true, 0.0, 20.0, 50000.0 + 4 * 280 + 175));
}

// A purchase lifts the price by 100 (300 units over size 2 + 1); the lift is the player's own:
// the sale pays the price without it, and a tenth of what is left fades each day.
TEST(OwnImpact, APurchasesLiftIsNotPaidBackAndFadesOutOfThePriceInAMonth) {
    GameState st = portWith(2, 200);
    FakeGameView view;
    ScriptedRandom rnd({0.5f});
    BuyGoods(st, view, rnd, 2, 300, 200);
    MarketEntry m = st.Cities[1].Trh[2];
    EXPECT_EQ(m.Dopad, 100);
    EXPECT_EQ(OwnSaleBound(m, 300), 200);
    EXPECT_EQ(OwnPurchaseBound(m, 150), 200); // a stale row, never below the own price
    EXPECT_EQ(OwnPurchaseBound(m, 250), 250);
    const std::pair<int, int> days[] = {{1, 290}, {7, 245}, {14, 219}, {27, 201}, {28, 200}};
    int day = 0;
    for (const auto& [until, price] : days) {
        for (; day < until; ++day)
            StepPriceWithOwnImpact(m, 0, 2, rnd, NumberLocale{});
        EXPECT_EQ(std::tuple(m.Cena, OwnSaleBound(m, m.Cena)), std::tuple(price, 200)) << day;
    }

    // The market's own movement still pays: production moves the price without the player.
    MarketEntry falling = st.Cities[1].Trh[2];
    StepPriceWithOwnImpact(falling, 90, 2, rnd, NumberLocale{}); // 3 a day less
    EXPECT_EQ(std::tuple(falling.Cena, OwnSaleBound(falling, falling.Cena)), std::tuple(287, 197));

    // A sale's drop: the purchase costs the price without it; an edge of the range keeps the
    // price without the impact inside 5…999, whatever a file says.
    const std::tuple<MarketEntry, std::int16_t, std::int16_t> rows[] = {
        {{150, 0, 0, 0, -50}, 150, 200},  {{150, 0, 0, 0, 0}, 150, 150},
        {{150, 0, 0, 0, 145}, 5, 150},    {{150, 0, 0, 0, 146}, 5, 150},
        {{150, 0, 0, 0, -849}, 150, 999}, {{150, 0, 0, 0, -850}, 150, 999},
        {{0, 0, 0, 0, 40}, 0, 0},
    };
    for (const auto& [entry, sale, purchase] : rows)
        EXPECT_EQ(std::tuple(OwnSaleBound(entry, entry.Cena), OwnPurchaseBound(entry, entry.Cena)),
                  std::tuple(sale, purchase))
            << entry.Dopad;
}

// Any walk of purchases, sales, "Prodat vše", turn-rounds (a day), short hops (one to eight
// days away), saves and loads around the home port, with rows fresh or stale, gains no more
// than the goods held gained by the market's own movement in the same world where nobody
// traded (same dice), whatever the city's size, prices and production or the number format.
TEST(OwnImpact, NoWalkAroundOnePortGainsMoreThanTheMarketsOwnMovement) {
    std::mt19937 dice(20261207);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(dice); };
    FakeGameView view;
    int trades = 0, days = 0, loads = 0;
    for (int walk = 0; walk < 600; ++walk) {
        GameState st;
        st.Mapa = "Zkouška"; // no goal ends the walk
        st.PocetMest = 2;
        st.Konto = 0;
        st.locale.decimalSeparator = pick(0, 1) ? ',' : '.';
        st.Cities[0].Velikost = static_cast<std::uint8_t>(pick(0, 4));
        for (MarketEntry& m : st.Cities[0].Trh) {
            m.Cena = static_cast<std::int16_t>( // none, near 100, near 900 or anywhere
                std::array{0, pick(90, 110), pick(890, 910), pick(5, 999)}[pick(0, 3)]);
            m.Produkce = static_cast<std::int16_t>(pick(0, 1) ? pick(-60, 60) : 0);
        }
        OpenTheDay(st);
        st.Hotovost = pick(0, 3) == 0 ? pick(0, 5000) : pick(0, 3000000);
        st.Fleet.Pocet = static_cast<std::int16_t>(pick(1, 60));
        st.Fleet.Nosnost = static_cast<std::uint8_t>(pick(50, 255));
        for (double& n : st.Fleet.Naklad) // a hold from earlier, storms' fractions and all
            n = pick(0, 2) == 0 ? pick(0, 400) + pick(0, 3) * 0.25 : 0;
        GameState market = st; // the same world, where the player never trades
        auto cargo = [&] {
            double v = 0;
            for (std::size_t g = 0; g < CargoSlots; ++g)
                v += st.Fleet.Naklad[g] * market.Cities[0].Trh[g].Cena;
            return v;
        };
        auto passDay = [&] {
            const float r = static_cast<float>(pick(0, 999)) / 1000.0f;
            ScriptedRandom a({r}), b({r});
            const double before = cargo();
            AdvanceDays(st, a, view, 1);
            AdvanceDays(market, b, view, 1);
            ++days;
            return cargo() - before;
        };
        const double start = st.Hotovost + cargo();
        double ownMovement = 0;
        ClockRandom tradeDice(7); // the lifts and cuts at the bounds draw anything
        std::vector<ShownMarketRow> shown(CargoSlots);
        for (int step = 0, steps = pick(5, 60); step < steps; ++step) {
            const int g = pick(0, CargoSlots - 1);
            const auto gi = static_cast<std::size_t>(g);
            const int move = step == 0 ? 0 : pick(0, 24);
            if (move == 0) {
                for (int k = 0; k < CargoSlots; ++k)
                    shown[static_cast<std::size_t>(k)] = {k, st.Cities[0].Trh[k].Cena};
            } else if (move == 1) {
                SellAll(st, view, tradeDice, shown);
            } else if (move < 9) {
                const std::int16_t price = PurchasePrice(st, g, shown[gi].price);
                const QuantityOffer o =
                    BuyOffer(st.Hotovost, price, CargoTotal(st.Fleet), st.Fleet, st.locale);
                if (o.ok)
                    BuyGoods(st, view, tradeDice, g, pick(1, o.maximum), price);
                trades += o.ok;
            } else if (move < 16) {
                const QuantityOffer o =
                    SellOffer(st.Fleet.Naklad[gi], SalePrice(st, g, shown[gi].price));
                if (o.ok)
                    SellGoods(st, view, tradeDice, g, pick(1, o.maximum), shown[gi].price);
                trades += o.ok;
            } else if (move < 20) {
                ownMovement += passDay(); // a turn-round: out and straight back, one day
            } else if (move < 23) {
                st.AktualniMesto = 1; // a short hop: there, nothing traded, and back
                for (int d = pick(1, 8); d > 0; --d)
                    ownMovement += passDay();
                st.AktualniMesto = 0;
            } else {
                // Saved and loaded: the same game comes back on the same day.
                ScriptedRandom a({0.3f}), b({0.3f});
                StartLoadedGame(st, a, view);
                StartLoadedGame(market, b, view);
                ++loads;
            }
            ASSERT_LE(st.Hotovost + cargo(), start + ownMovement + 1e-6)
                << "walk " << walk << " step " << step;
        }
    }
    EXPECT_GT(trades, 3500); // the walks do trade, sail and load
    EXPECT_GT(days, 5000);
    EXPECT_GT(loads, 500);
}
