#include "trade/Market.h"

#include "support/FakeGameView.h"
#include "world/DayChange.h"
#include "world/FleetSummary.h"

#include <gtest/gtest.h>

#include <algorithm>

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

TEST(MarketOffer, TheBuySliderIsBoundByCashSpaceAndTheLimitOfOnePurchase) {
    struct Case {
        double cash;
        std::int16_t price, loaded;
        std::uint8_t nosnost;
        std::int16_t ships;
        char separator;
        std::int32_t maximum, ticks;
        const char* refusal;
    };
    const Case cases[] = {
        // Cash for 12.5, 13.5 and 13.99 units buys 12, 13 and 13: never more than the cash
        // covers; exactly all the cash buys 13 for all of it, and 9.99 units' worth is 9.
        {125, 10, 0, 250, 10, '.', 12, 0, ""},
        {135, 10, 0, 250, 10, '.', 13, 0, ""},
        {135, 10, 0, 250, 10, ',', 13, 0, ""},
        {139.9, 10, 0, 250, 10, '.', 13, 0, ""},
        {130, 10, 0, 250, 10, '.', 13, 0, ""},
        {99.9, 10, 0, 250, 10, '.', 9, 0, ""},
        // Cash for 300, room for 250, less what is aboard; a tick every fiftieth.
        {12000, 40, 0, 50, 5, '.', 250, 5, ""},
        {12000, 40, 100, 50, 5, '.', 150, 3, ""},
        // 255 × 200 would wrap 16 bits; one purchase stops at 32 760 (ticks 655.2).
        {1e9, 5, 0, 255, 200, '.', 32760, 655, ""},
        // Money is refused before space; an over-full hold has no room, not a negative one.
        {39.5, 40, 100, 50, 2, '.', 0, 0, "Nedostatek peněz"},
        {5000, 40, 100, 50, 2, '.', 0, 0, "Nedostatek prostoru"},
        {5000, 40, 130, 50, 2, '.', 0, 0, "Nedostatek prostoru"},
    };
    for (const Case& c : cases) {
        const QuantityOffer o =
            BuyOffer(c.cash, c.price, c.loaded, FleetRecord{c.ships, 0, c.nosnost},
                     NumberLocale{c.separator});
        const std::string at = std::to_string(c.cash) + " at " + std::to_string(c.price);
        EXPECT_EQ(o.ok, *c.refusal == '\0') << at;
        EXPECT_EQ(o.refusal, c.refusal) << at;
        EXPECT_EQ(o.maximum, c.maximum) << at;
        EXPECT_EQ(o.tickSpacing, c.ticks) << at;
    }
}

// Past 182 galleons the load line stops at 32 767: the room is worked out from the real cargo
// against the real capacity, so a purchase never loads past the hold.
TEST(MarketOffer, AFleetOfMoreThan182GalleonsIsNotOverfilled) {
    const struct {
        std::int16_t ships;
        double aboard;
        std::int32_t room;
    } rows[] = {
        {190, 33000, 1200}, {190, 34199, 1}, {190, 34200, 0}, {200, 42466, 0}, {200, 32767, 3233}};
    for (const auto& r : rows) {
        FleetRecord f{r.ships, 0, 180, 2};
        f.Naklad[4] = r.aboard;
        EXPECT_EQ(std::max(0, FreeSpace(f, CargoTotal(f))), r.room) << r.aboard;
        const QuantityOffer o = BuyOffer(1e9, 5, CargoTotal(f), f, NumberLocale{});
        EXPECT_EQ(o.maximum, r.room) << r.aboard;
        EXPECT_EQ(o.refusal, r.room ? "" : "Nedostatek prostoru");
    }
}

TEST(MarketOffer, TheSellSliderOffersTheWholeRoundedAmountAndTheLineItsPrice) {
    // What storms leave of a single unit can still be sold.
    EXPECT_EQ(SellOffer(0.25, 40).maximum, 1);
    EXPECT_EQ(SellOffer(40000, 40).maximum, 32767);
    EXPECT_EQ(SellOffer(50, 0).refusal, "Zboží není přijímáno");
    EXPECT_FALSE(SellOffer(0, 40).ok);
    // The biggest purchase's price still groups whole.
    EXPECT_EQ(QuantityLine(32760, 999), "32 760 jednotek za 32 727 240");
}

TEST(MarketPrice, ReactsByCitySizeAndStaysInBoundsWithFreshDraws) {
    struct Case {
        std::int16_t cena;
        std::int32_t quantity;
        std::uint8_t size;
        std::vector<float> dice;
        char separator;
        std::int16_t expected;
        std::size_t draws;
    };
    const Case cases[] = {
        // Between 100 and 900 the step is damped by the size class and draws nothing;
        // halves go to the even neighbour (2.5 -> 2, 3.5 -> 4).
        {200, 10, 0, {0.5f}, '.', 210, 0},
        {200, 5, 1, {0.5f}, '.', 202, 0},
        {200, 7, 1, {0.5f}, '.', 204, 0},
        {200, -5, 1, {0.5f}, '.', 198, 0},
        // Pushed below 1: 5, then lifted by 10 + 50·r.
        {30, -100, 0, {0.5f}, '.', 40, 1},
        // Left over 900: cut by 10 + 50·r.
        {940, 10, 0, {0.2f}, '.', 930, 1},
        // A lift never lands over 900, so only one bound draws.
        {80, 0, 0, {0.98f, 0.0f}, '.', 80 + 59, 1},
        // The random amount goes through text: with a comma the .5 of 10.5 is dropped.
        {51, 0, 0, {0.01f}, ',', 61, 1},
    };
    for (const Case& c : cases) {
        ScriptedRandom rnd(c.dice);
        EXPECT_EQ(TradePriceReaction(c.cena, c.quantity, c.size, rnd, NumberLocale{c.separator}),
                  c.expected)
            << c.cena << " by " << c.quantity << " in size " << int(c.size);
        EXPECT_EQ(rnd.draws(), c.draws) << c.cena << " by " << c.quantity;
    }
}

// A purchase costs at least, a sale brings at most, the price the day opened at (200 here);
// the trade moves the price of the current city, by half the quantity in a city of size 1.
TEST(MarketTrade, TradesPayTheOpeningPriceAndMoveTheCitysPrice) {
    struct Row {
        bool buy;
        double onBoard;
        std::int32_t quantity;
        std::int16_t shown;
        double left, paid;
        std::int16_t price;
    };
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
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.onBoard) + " by " + std::to_string(r.quantity));
        GameState st = portWith(1, 200);
        st.Fleet.Naklad[2] = r.onBoard;
        FakeGameView view;
        ScriptedRandom rnd({0.5f});
        (r.buy ? BuyGoods : SellGoods)(st, view, rnd, 2, r.quantity, r.shown);
        EXPECT_DOUBLE_EQ(st.Fleet.Naklad[2], r.left);
        EXPECT_DOUBLE_EQ(st.Hotovost, 50000 - r.paid);
        EXPECT_EQ(st.Cities[1].Trh[2].Cena, r.price);
        EXPECT_EQ(view.sounds, std::vector<std::string>{r.buy ? "Cvak" : "Kasa"});
        EXPECT_EQ(rnd.reseeds(), r.buy ? 1 : 0); // a purchase throws fresh dice
    }
}

// On a map of its own, whose goods may have no names at all, cargo meets its row by goods:
// every accepted row goes at the shown price (the panel still shows yesterday's 280 for
// goods 5), and the last, refused row is reported and stays on board.
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
    EXPECT_EQ(r.sold, 2);
    EXPECT_TRUE(r.lastRefused);
    EXPECT_DOUBLE_EQ(st.Fleet.Naklad[5] + st.Fleet.Naklad[12], 0);
    EXPECT_DOUBLE_EQ(st.Fleet.Naklad[13], 20);
    EXPECT_DOUBLE_EQ(st.Hotovost, 50000 + 4 * 280 + 175);
}
