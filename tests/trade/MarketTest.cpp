#include "trade/Market.h"

#include "port/DayChange.h"
#include "port/FleetSummary.h"
#include "port/GameStart.h"
#include "state/GameFile.h"
#include "support/FakeGameView.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <iostream>
#include <random>

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
    st.Cities[1].Trh[2].RanniCena = price;
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
    BuyGoods(st, view, rnd, 2, 10, 200);
    EXPECT_DOUBLE_EQ(st.Fleet.Naklad[2], 13);
    EXPECT_DOUBLE_EQ(st.Hotovost, 50000 - 2000);
    EXPECT_EQ(st.Cities[1].Trh[2].Cena, 205);
    EXPECT_EQ(st.Cities[0].Trh[2].Cena, 0);
    EXPECT_FALSE(st.StateSaved);
    EXPECT_EQ(view.sounds, std::vector<std::string>{"Cvak"});
    EXPECT_EQ(rnd.reseeds(), 1);
    // A price shown lower than the day opened at (a sale here today) costs the opening price;
    // one shown higher (another purchase today) is paid as shown.
    BuyGoods(st, view, rnd, 2, 10, 180);
    EXPECT_DOUBLE_EQ(st.Hotovost, 50000 - 4000);
    BuyGoods(st, view, rnd, 2, 10, 205);
    EXPECT_DOUBLE_EQ(st.Hotovost, 50000 - 4000 - 2050);

    // Buying all the cash affords at the shown price costs exactly quantity × price, and can
    // end just below nothing.
    st = portWith(2, 10);
    st.Hotovost = 135;
    BuyGoods(st, view, rnd, 2, BuyOffer(135, 10, 0, st.Fleet, st.locale).maximum, 10);
    EXPECT_DOUBLE_EQ(st.Hotovost, -5);
    EXPECT_DOUBLE_EQ(st.Fleet.Naklad[2], 14);
}

TEST(MarketTrade, SellingPaysAtMostTheOpeningPriceAndOnlyForWhatIsOnBoard) {
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
    // A price pushed up by a purchase today sells at the opening price.
    SellGoods(st, view, rnd, 2, 10, 260);
    EXPECT_DOUBLE_EQ(st.Hotovost, 54000);

    struct Case {
        double onBoard;
        std::int32_t quantity;
        double left, paid;
    };
    const Case cases[] = {
        {12.5, 12, 0, 12 * 150},   // the half left over goes with the whole offer
        {13.5, 14, 0, 13.5 * 150}, // offered 14, paid for the 13.5 on board
        {12.5, 5, 7.5, 5 * 150},   // a part sale keeps the fraction
        {0.25, 1, 0, 37},          // a quarter unit, paid in whole zlatých, rounded down
        {0, 10, 0, 0},             // goods not on board bring nothing
    };
    for (const Case& c : cases) {
        st.Hotovost = 0;
        st.Fleet.Naklad[2] = c.onBoard;
        SellGoods(st, view, rnd, 2, c.quantity, 150);
        EXPECT_DOUBLE_EQ(st.Fleet.Naklad[2], c.left) << c.onBoard;
        EXPECT_DOUBLE_EQ(st.Hotovost, c.paid) << c.onBoard;
    }
}

TEST(MarketSellAll, SellsEveryAcceptedRowInOrderByGoodsAndAlwaysEnds) {
    GameState st = portWith(0, 100);
    st.Mapa = "Mapa9"; // a map of its own, whose goods may have no names at all
    st.Cities[1].Trh[0].Cena = 50;
    st.Cities[1].Trh[5].Cena = 300;
    st.Cities[1].Trh[13].Cena = 700;
    OpenTheDay(st);
    st.Fleet.Naklad[0] = 10;
    st.Fleet.Naklad[3] = 20; // not bought here
    st.Fleet.Naklad[5] = 4.25;
    st.Fleet.Naklad[13] = 0.25;
    // The panel still shows yesterday's price for goods 5.
    const std::vector<ShownMarketRow> rows{{0, 50}, {5, 280}, {13, 700}};
    FakeGameView view;
    ScriptedRandom rnd({0.5f});
    const SellAllResult r = SellAll(st, view, rnd, rows);
    EXPECT_EQ(r.sold, 3);
    EXPECT_FALSE(r.lastRefused);
    for (int g : {0, 5, 13})
        EXPECT_DOUBLE_EQ(st.Fleet.Naklad[g], 0) << g;
    EXPECT_DOUBLE_EQ(st.Fleet.Naklad[3], 20);
    EXPECT_DOUBLE_EQ(st.Hotovost, 50000 + 10 * 50 + 4 * 280 + 175);
    EXPECT_EQ(view.sounds.size(), 3u);
    EXPECT_EQ(st.Cities[1].Trh[0].Cena, 50 - 10 + 35); // fell below 100, lifted by 35

    // Only the refused row is left: reported, paid nothing, and nothing loops.
    const SellAllResult again = SellAll(st, view, rnd, rows);
    EXPECT_EQ(again.sold, 0);
    EXPECT_TRUE(again.lastRefused);
    EXPECT_DOUBLE_EQ(st.Fleet.Naklad[3], 20);
    EXPECT_DOUBLE_EQ(st.Hotovost, 50000 + 10 * 50 + 4 * 280 + 175);
}

namespace {

// Cash plus cargo, the cargo valued at the opening prices of the port.
double worth(const GameState& st) {
    double w = st.Hotovost;
    for (std::size_t g = 0; g < CargoSlots; ++g)
        w += st.Fleet.Naklad[g] * st.Cities[st.AktualniMesto].Trh[g].RanniCena;
    return w;
}

} // namespace

// Whatever a player does in one port on one day (buy, sell, "Prodat vše", save and load, in
// any order and amount, at shown prices fresh or stale), cash plus cargo at the opening
// prices never rises: money comes only from sailing.
TEST(MarketTrade, TurningRoundInOnePortOnOneDayNeverPays) {
    vlnobrod::testing::TempDir dir;
    Profiles profiles(dir.path());
    std::mt19937 dice(20240611);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(dice); };
    FakeGameView view;
    ClockRandom rnd;
    constexpr int Sequences = 1000;
    int trades = 0;
    for (int seq = 0; seq < Sequences; ++seq) {
        GameState st;
        st.Mapa = "Mapa1";
        st.PocetMest = 2;
        st.AktualniMesto = static_cast<std::uint8_t>(pick(0, 1));
        st.locale.decimalSeparator = pick(0, 1) ? ',' : '.';
        CityRecord& city = st.Cities[st.AktualniMesto];
        city.Velikost = static_cast<std::uint8_t>(pick(0, 4));
        for (MarketEntry& m : city.Trh) {
            // Near the bounds of 100 and 900, where the dice lift and cut, and between.
            const int kind = pick(0, 3);
            m.Cena = static_cast<std::int16_t>(kind == 0   ? 0
                                               : kind == 1 ? pick(90, 110)
                                               : kind == 2 ? pick(890, 910)
                                                           : pick(5, 999));
        }
        OpenTheDay(st);
        st.Hotovost = pick(0, 3) == 0 ? pick(0, 500) : pick(0, 2000000);
        st.Fleet.Pocet = static_cast<std::int16_t>(pick(1, 40));
        st.Fleet.Nosnost = static_cast<std::uint8_t>(pick(50, 255));
        for (double& n : st.Fleet.Naklad)
            n = pick(0, 2) == 0 ? pick(0, 400) + pick(0, 3) * 0.25 : 0;
        const double start = worth(st);
        // What each market row shows: the price when the panel was last filled.
        std::array<std::int16_t, CargoSlots> shown{};
        auto refresh = [&] {
            for (std::size_t g = 0; g < CargoSlots; ++g)
                shown[g] = st.Cities[st.AktualniMesto].Trh[g].Cena;
        };
        refresh();
        std::vector<int> traded;
        for (int k = 0; k < CargoSlots; ++k)
            if (city.Trh[static_cast<std::size_t>(k)].Cena != 0)
                traded.push_back(k);
        for (int step = pick(1, 25); step > 0; --step) {
            // Mostly goods the port trades; now and then any goods.
            const int g = traded.empty() || pick(0, 9) == 0
                              ? pick(0, CargoSlots - 1)
                              : traded[static_cast<std::size_t>(pick(0, int(traded.size()) - 1))];
            const auto gi = static_cast<std::size_t>(g);
            const int move = pick(0, 39);
            switch (move < 2 ? move : move == 39 ? 2 : move < 20 ? 3 : 6) {
            case 0:
                refresh();
                break;
            case 1: {
                std::vector<ShownMarketRow> rows;
                for (int k = 0; k < CargoSlots; ++k)
                    if (shown[static_cast<std::size_t>(k)] != 0)
                        rows.push_back({k, shown[static_cast<std::size_t>(k)]});
                SellAll(st, view, rnd, rows);
                break;
            }
            case 2: {
                const std::string file = dir.file("hra.mlo");
                ASSERT_TRUE(WriteGameFile(profiles, file, st));
                GameState loaded;
                loaded.locale = st.locale;
                ASSERT_TRUE(ReadGameFile(profiles, file, loaded));
                StartLoadedGame(loaded, rnd, view);
                st = loaded;
                refresh();
                break;
            }
            case 3:
            case 4:
            case 5: {
                const std::int16_t price = PurchasePrice(st, g, shown[gi]);
                const QuantityOffer o =
                    BuyOffer(st.Hotovost, price, CargoTotal(st.Fleet), st.Fleet, st.locale);
                if (o.ok) {
                    BuyGoods(st, view, rnd, g, pick(1, o.maximum), price);
                    ++trades;
                }
                break;
            }
            default: {
                const QuantityOffer o = SellOffer(st.Fleet.Naklad[gi], SalePrice(st, g, shown[gi]));
                if (o.ok) {
                    SellGoods(st, view, rnd, g, pick(1, o.maximum), shown[gi]);
                    ++trades;
                }
                break;
            }
            }
            ASSERT_LE(worth(st), start + 1e-6) << "sequence " << seq;
        }
    }
    RecordProperty("sequences", Sequences);
    RecordProperty("trades", trades);
    std::cout << Sequences << " sequences, " << trades << " trades\n";
}
