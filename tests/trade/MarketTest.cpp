#include "trade/Market.h"

#include "support/FakeGameView.h"

#include <gtest/gtest.h>

using namespace vlnobrod;
using vlnobrod::testing::FakeGameView;

namespace {

FleetRecord fleetWithRoom(std::uint8_t nosnost, std::int16_t pocet) {
    FleetRecord f;
    f.Nosnost = nosnost;
    f.Pocet = pocet;
    return f;
}

// A port with one city of the given size, trading goods 2 at `price`.
GameState portWith(std::uint8_t velikost, std::int16_t price) {
    GameState st;
    st.Mapa = "Mapa1";
    st.PocetMest = 3;
    st.AktualniMesto = 1;
    st.Cities[1].Velikost = velikost;
    st.Cities[1].Trh[2].Cena = price;
    st.Fleet = fleetWithRoom(100, 10);
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
        // Cash for 12.5 and 13.5 units: halves to even; a decimal comma loses the fraction.
        {125, 10, 0, 250, 10, '.', 12, 0, ""},
        {135, 10, 0, 250, 10, '.', 14, 0, ""},
        {135, 10, 0, 250, 10, ',', 13, 0, ""},
        // Cash for 300, room for 250, less what is aboard; a tick every fiftieth.
        {12000, 40, 0, 50, 5, '.', 250, 5, ""},
        {12000, 40, 100, 50, 5, '.', 150, 3, ""},
        {12000, 40, 249, 50, 5, '.', 1, 0, ""},
        // 255 × 200 would wrap 16 bits; one purchase stops at 32 760 (ticks 655.2).
        {1e9, 5, 0, 255, 200, '.', 32760, 655, ""},
        // Money is refused before space; an over-full hold has no room, not a negative one.
        {39.5, 40, 100, 50, 2, '.', 0, 0, "Nedostatek peněz"},
        {-100, 40, 0, 50, 2, '.', 0, 0, "Nedostatek peněz"},
        {5000, 40, 100, 50, 2, '.', 0, 0, "Nedostatek prostoru"},
        {5000, 40, 130, 50, 2, '.', 0, 0, "Nedostatek prostoru"},
        {5000, 40, 0, 50, 0, '.', 0, 0, "Nedostatek prostoru"},
    };
    for (const Case& c : cases) {
        const QuantityOffer o =
            BuyOffer(c.cash, c.price, c.loaded, fleetWithRoom(c.nosnost, c.ships),
                     NumberLocale{c.separator});
        const std::string at = std::to_string(c.cash) + " at " + std::to_string(c.price);
        EXPECT_EQ(o.ok, *c.refusal == '\0') << at;
        EXPECT_EQ(o.refusal, c.refusal) << at;
        EXPECT_EQ(o.maximum, c.maximum) << at;
        EXPECT_EQ(o.tickSpacing, c.ticks) << at;
    }
    EXPECT_EQ(FreeSpace(fleetWithRoom(255, 200), 0), 32767);
    EXPECT_EQ(FreeSpace(fleetWithRoom(50, 3), 200), -50);
}

TEST(MarketOffer, TheSellSliderOffersTheWholeRoundedAmount) {
    EXPECT_EQ(SellOffer(12.5, 40).maximum, 12);
    EXPECT_EQ(SellOffer(13.5, 40).maximum, 14);
    EXPECT_EQ(SellOffer(100, 40).tickSpacing, 2);
    // What storms leave of a single unit can still be sold.
    EXPECT_EQ(SellOffer(0.25, 40).maximum, 1);
    EXPECT_EQ(SellOffer(40000, 40).maximum, 32767);
    EXPECT_EQ(SellOffer(50, 0).refusal, "Zboží není přijímáno");
    EXPECT_FALSE(SellOffer(50, 0).ok);
    EXPECT_FALSE(SellOffer(0, 40).ok);
}

TEST(MarketOffer, TheQuantityLineGroupsInThrees) {
    EXPECT_EQ(QuantityLine(1234, 56), "1 234 jednotek za 69 104");
    EXPECT_EQ(QuantityLine(32760, 999), "32 760 jednotek za 32 727 240");
    EXPECT_EQ(QuantityLine(0, 40), "0 jednotek za 0");
    EXPECT_EQ(TextAsI16("12,5"), 12);
    EXPECT_EQ(TextAsI16("13.5"), 14);
    EXPECT_EQ(TextAsI16(""), 0);
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
        {200, 10, 1, {0.5f}, '.', 205, 0},
        {200, 10, 4, {0.5f}, '.', 202, 0},
        {200, -10, 1, {0.5f}, '.', 195, 0},
        {200, 5, 1, {0.5f}, '.', 202, 0},
        {200, 7, 1, {0.5f}, '.', 204, 0},
        {200, -5, 1, {0.5f}, '.', 198, 0},
        // Pushed below 1: 5, then lifted by 10 + 50·r.
        {30, -100, 0, {0.0f}, '.', 15, 1},
        {30, -100, 0, {0.5f}, '.', 40, 1},
        // Left over 900: cut by 10 + 50·r; over 999: capped first, then cut.
        {940, 10, 0, {0.2f}, '.', 930, 1},
        {990, 50, 0, {0.0f}, '.', 989, 1},
        // A lift never lands over 900, so only one bound draws.
        {80, 0, 0, {0.98f, 0.0f}, '.', 80 + 59, 1},
        // The random amount through text: 60.5 goes to the even 60, a comma drops the .5.
        {50, 0, 0, {0.01f}, '.', 60, 1},
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

TEST(MarketTrade, BuyingLoadsPaysAndLiftsTheCurrentCitysPriceWithFreshDice) {
    GameState st = portWith(1, 200);
    st.Fleet.Naklad[2] = 3;
    FakeGameView view;
    ScriptedRandom rnd({0.5f});
    BuyGoods(st, view, rnd, 2, 10, 180); // a price seen in another city's chart
    EXPECT_DOUBLE_EQ(st.Fleet.Naklad[2], 13);
    EXPECT_DOUBLE_EQ(st.Hotovost, 50000 - 1800);
    EXPECT_EQ(st.Cities[1].Trh[2].Cena, 205);
    EXPECT_EQ(st.Cities[0].Trh[2].Cena, 0);
    EXPECT_FALSE(st.StateSaved);
    EXPECT_EQ(view.sounds, std::vector<std::string>{"Cvak"});
    EXPECT_EQ(rnd.reseeds(), 1);

    // Buying all the cash affords can end just below nothing.
    st = portWith(2, 10);
    st.Hotovost = 135;
    BuyGoods(st, view, rnd, 2, BuyOffer(135, 10, 0, st.Fleet, st.locale).maximum, 10);
    EXPECT_DOUBLE_EQ(st.Hotovost, -5);
}

TEST(MarketTrade, SellingUnloadsEarnsAndLowersWithoutReseedingAndTakesTheFraction) {
    GameState st = portWith(1, 200);
    st.Fleet.Naklad[2] = 30;
    FakeGameView view;
    ScriptedRandom rnd({0.5f});
    SellGoods(st, view, rnd, 2, 10, 200);
    EXPECT_DOUBLE_EQ(st.Fleet.Naklad[2], 20);
    EXPECT_DOUBLE_EQ(st.Hotovost, 52000);
    EXPECT_EQ(st.Cities[1].Trh[2].Cena, 195);
    EXPECT_EQ(view.sounds, std::vector<std::string>{"Kasa"});
    EXPECT_EQ(rnd.reseeds(), 0);

    // A storm left 12.5: the whole offer takes the half with it, a part sale keeps it.
    st.Fleet.Naklad[2] = 12.5;
    SellGoods(st, view, rnd, 2, SellOffer(12.5, 300).maximum, 300);
    EXPECT_DOUBLE_EQ(st.Fleet.Naklad[2], 0);
    EXPECT_DOUBLE_EQ(st.Hotovost, 52000 + 12 * 300);
    st.Fleet.Naklad[2] = 12.5;
    SellGoods(st, view, rnd, 2, 5, 300);
    EXPECT_DOUBLE_EQ(st.Fleet.Naklad[2], 7.5);
}

TEST(MarketSellAll, SellsEveryAcceptedRowInOrderAndAlwaysEnds) {
    GameState st = portWith(0, 100);
    st.Cities[1].Trh[0].Cena = 50;
    st.Cities[1].Trh[5].Cena = 300;
    st.Cities[1].Trh[13].Cena = 700;
    st.Fleet.Naklad[0] = 10;
    st.Fleet.Naklad[3] = 20; // not bought here
    st.Fleet.Naklad[5] = 4.25;
    st.Fleet.Naklad[13] = 0.25;
    // The panel still shows yesterday's price for goods 5.
    const std::vector<ShownMarketRow> rows{
        {0, "Zlato", 50}, {5, "Dřevo", 280}, {13, "Kamení", 700}};
    FakeGameView view;
    ScriptedRandom rnd({0.5f});
    const SellAllResult r = SellAll(st, view, rnd, rows);
    EXPECT_EQ(r.sold, 3);
    EXPECT_FALSE(r.lastRefused);
    for (int g : {0, 5, 13})
        EXPECT_DOUBLE_EQ(st.Fleet.Naklad[g], 0) << g;
    EXPECT_DOUBLE_EQ(st.Fleet.Naklad[3], 20);
    EXPECT_DOUBLE_EQ(st.Hotovost, 50000 + 10 * 50 + 4 * 280 + 1 * 700);
    EXPECT_EQ(view.sounds.size(), 3u);
    EXPECT_EQ(st.Cities[1].Trh[0].Cena, 50 - 10 + 35); // fell below 100, lifted by 35

    // Only the refused row is left: reported, and nothing loops.
    const SellAllResult again = SellAll(st, view, rnd, rows);
    EXPECT_EQ(again.sold, 0);
    EXPECT_TRUE(again.lastRefused);
    EXPECT_DOUBLE_EQ(st.Fleet.Naklad[3], 20);
}
