#include "world/DayChange.h"
#include "support/FakeGameView.h"
#include "world/Research.h"
#include "world/WorldFixture.h"

#include <gtest/gtest.h>

using namespace vlnobrod;
using namespace vlnobrod::testing;

namespace {
const NumberLocale dot{'.'}, comma{','};
} // namespace

TEST(DayChange, PricesMoveByProductionDampedBySizeAndStayInTheirBounds) {
    struct Case {
        std::int16_t cena, produkce;
        std::uint8_t size;
        float r;
        char separator;
        std::int16_t expected;
        std::size_t draws; // 1: the dice were thrown
    };
    const Case cases[] = {
        // Between 100 and 900 no dice; halves go to the even neighbour (2.5 -> 2).
        {200, 30, 0, 0.5f, '.', 197, 0},
        {200, 30, 2, 0.5f, '.', 199, 0},
        {200, -30, 0, 0.5f, '.', 203, 0},
        {200, 25, 0, 0.5f, '.', 198, 0},
        // The bounds themselves: 100 and 900 stay, 99 and 901 move.
        {100, 0, 0, 0.0f, '.', 100, 0},
        {900, 0, 0, 0.0f, '.', 900, 0},
        {99, 0, 0, 0.0f, '.', 109, 1},
        {901, 0, 0, 0.0f, '.', 891, 1},
        // Falling to nothing gives 5, then the lift of 10 + 30·r; a cheap price is lifted.
        {10, 500, 0, 0.0f, '.', 15, 1},
        {50, 0, 0, 0.99f, '.', 90, 1},
        // Above 999 is capped, then dropped; over 900 drops; a huge step does not wrap.
        {990, -200, 0, 0.5f, '.', 974, 1},
        {960, 0, 0, 0.0f, '.', 950, 1},
        {500, -32768, 0, 0.0f, '.', 989, 1},
        // 50 + 24.5 rounds to the even 74; with a comma the fraction is lost: 50 + 24.
        {50, 0, 0, 0.4833333f, '.', 74, 1},
        {50, 0, 0, 0.4833333f, ',', 74, 1},
        {50, 0, 0, 0.5f, ',', 75, 1},
    };
    for (const Case& c : cases) {
        ScriptedRandom rnd({c.r});
        EXPECT_EQ(DayPriceStep(c.cena, c.produkce, c.size, rnd, NumberLocale{c.separator}),
                  c.expected)
            << c.cena << " with " << c.produkce << " in size " << int(c.size);
        EXPECT_EQ(rnd.draws(), c.draws) << c.cena << " with " << c.produkce;
    }
}

// Seven days in port, then three at sea, on a map of three cities and a fourth past its count.
TEST(DayChange, EveryTradedPriceMovesOnceADayChangeAndTheMoneyFollows) {
    EXPECT_DOUBLE_EQ(DailyInterest(-50000, dot), -5);
    EXPECT_DOUBLE_EQ(DailyInterest(1234, dot), 0.2468);
    EXPECT_DOUBLE_EQ(DailyInterest(1234, comma), 0);
    FleetRecord small;
    small.Pocet = 5;
    EXPECT_NEAR(VoyageUpkeep(small, 1, 1), -333.333333, 1e-5);

    GameState st = OneCity(200, 30, 0);
    st.PocetMest = 3;
    st.Cities[1].Trh[14] = {300, 0, -20};
    st.Cities[2].Trh[5] = {0, 0, 50};
    st.Cities[3].Trh[0] = {200, 0, 30};
    st.Den = 10;
    st.Konto = 50000;
    st.StateSaved = true;
    st.Fleet.Typ = 2;
    st.Fleet.Pocet = 10;
    st.Obtiznost = 2;
    FakeGameView view;
    ScriptedRandom rnd({0.5f});
    AdvanceDays(st, rnd, view, 7);
    EXPECT_EQ(st.Den, 17);
    EXPECT_EQ(st.Cities[0].Trh[0].Cena, 197); // one step, although seven days passed
    EXPECT_EQ(st.Cities[0].Trh[0].MinCena, 200);
    EXPECT_EQ(st.Cities[1].Trh[14].Cena, 301); // the silent entry moves too
    // The new day opens at the moved prices, in every city.
    EXPECT_EQ(st.Cities[0].Trh[0].RanniCena, 197);
    EXPECT_EQ(st.Cities[1].Trh[14].RanniCena, 301);
    EXPECT_EQ(st.Cities[2].Trh[5].Cena, 0); // not traded: left alone
    EXPECT_EQ(st.Cities[2].Trh[5].MinCena, 0);
    EXPECT_EQ(st.Cities[3].Trh[0].Cena, 200);
    EXPECT_DOUBLE_EQ(st.Hotovost, 10); // a day's interest; in port no upkeep
    EXPECT_FALSE(st.StateSaved);
    st.PendingAction = Pending::Voyage;
    st.Plavba.NaMori = true;
    AdvanceDays(st, rnd, view, 3);
    EXPECT_DOUBLE_EQ(st.Hotovost, 10 - 12000 + 10);
    // Interest is no money change to show; new prices come before the upkeep, the day last.
    EXPECT_EQ(view.shown, "PDPHD");
    st.Den = 32760; // the day counter stops at its limit
    AdvanceDays(st, rnd, view, 30);
    EXPECT_EQ(st.Den, 32767);
}

TEST(DayChange, ResearchForADayEndsWithItAndPermanentResearchStays) {
    // The file's 3 is no number the game writes: it lasts a day like the 1.
    const std::pair<std::uint8_t, Research> rows[] = {
        {0, Research::None}, {1, Research::None}, {2, Research::Permanent}, {3, Research::None}};
    for (const auto& [stored, after] : rows) {
        GameState st = OneCity(200, 0, 0);
        st.Cities[0].PruzkumTrhu = stored;
        FakeGameView view;
        ScriptedRandom rnd({0.5f});
        AdvanceDays(st, rnd, view, 1);
        EXPECT_EQ(ResearchOf(st.Cities[0]), after) << int(stored);
    }
}
