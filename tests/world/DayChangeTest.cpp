#include "world/DayChange.h"
#include "support/FakeGameView.h"
#include "world/Research.h"
#include "world/WorldFixture.h"

#include <gtest/gtest.h>

using namespace vlnobrod;
using namespace vlnobrod::testing;

TEST(DayChange, PricesMoveByProductionDampedBySizeAndStayInTheirBounds) {
    // The price, the production, the size class, the die and the separator, then the price.
    using Case = std::tuple<std::int16_t, std::int16_t, std::uint8_t, float, char, std::int16_t>;
    const Case cases[] = {
        {200, 30, 0, 0.5f, '.', 197}, // between 100 and 900 no dice
        {200, 30, 2, 0.5f, '.', 199}, // a bigger city damps the step
        {200, 25, 0, 0.5f, '.', 198}, // a step of 2.5 goes to the even 2
        {100, 0, 0, 0.0f, '.', 100},  // the bounds themselves stay,
        {900, 0, 0, 0.0f, '.', 900},
        {99, 0, 0, 0.0f, '.', 109}, // and just past them a price moves
        {901, 0, 0, 0.0f, '.', 891},
        {10, 500, 0, 0.0f, '.', 15},      // falling to nothing gives 5, then the lift of 10 + 30·r
        {990, -200, 0, 0.5f, '.', 974},   // above 999 is capped, then dropped
        {500, -32768, 0, 0.0f, '.', 989}, // a huge step does not wrap
        {50, 0, 0, 0.4833333f, '.', 74},  // 50 + 24.5 rounds to the even 74,
        {50, 0, 0, 0.52f, '.', 76},       // 50 + 25.6 to 76,
        {50, 0, 0, 0.52f, ',', 75},       // but with a comma the fraction is lost
    };
    for (const auto& [cena, produkce, size, r, separator, expected] : cases) {
        ScriptedRandom rnd({r});
        EXPECT_EQ(DayPriceStep(cena, produkce, size, rnd, NumberLocale{separator}), expected)
            << cena << " with " << produkce << " in size " << int(size);
    }
}

// Seven days in port, then three at sea, on a map of three cities and a fourth past its count. A
// day's research (and the file's 3, no number the game writes) ends with the day, permanent stays.
TEST(DayChange, EveryTradedPriceMovesOnceADayChangeAndTheMoneyFollows) {
    EXPECT_DOUBLE_EQ(DailyInterest(-50000, NumberLocale{'.'}), -5);
    EXPECT_DOUBLE_EQ(DailyInterest(1234, NumberLocale{'.'}), 0.2468);
    EXPECT_DOUBLE_EQ(DailyInterest(1234, NumberLocale{','}), 0);

    GameState st = OneCity(200, 30, 0);
    st.PocetMest = 3;
    st.Cities[1].Trh[14] = {300, 0, -20};
    st.Cities[2].Trh[5] = {0, 0, 50};
    st.Cities[3].Trh[0] = {200, 0, 30};
    for (std::uint8_t i : {0, 1, 2})
        st.Cities[i].PruzkumTrhu = static_cast<std::uint8_t>(i + 1);
    st.Den = 10;
    st.Konto = 50000;
    st.StateSaved = true;
    st.PendingAction = Pending::Voyage; // a voyage not yet under way: still in port
    st.Fleet.Typ = 2;
    st.Fleet.Pocet = 10;
    st.Obtiznost = 2;
    FakeGameView view;
    ScriptedRandom rnd({0.5f});
    AdvanceDays(st, rnd, view, 7);
    EXPECT_EQ(st.Den, 17);
    // One step, although seven days passed; the silent entry moves too; the new day opens at
    // the moved prices; not traded, or past the map's cities, is left alone.
    const MarketEntry &gold = st.Cities[0].Trh[0], &silent = st.Cities[1].Trh[14];
    EXPECT_EQ(std::tuple(gold.Cena, gold.VcerejsiCena, silent.Cena, silent.RanniCena),
              std::tuple(197, 200, 301, 301));
    EXPECT_EQ(std::tuple(st.Cities[2].Trh[5].Cena, st.Cities[3].Trh[0].Cena), std::tuple(0, 200));
    EXPECT_EQ(
        std::tuple(ResearchOf(st.Cities[0]), ResearchOf(st.Cities[1]), ResearchOf(st.Cities[2])),
        std::tuple(Research::None, Research::Permanent, Research::None));
    EXPECT_DOUBLE_EQ(st.Hotovost, 10); // a day's interest; in port no upkeep
    EXPECT_FALSE(st.StateSaved);
    st.Plavba.NaMori = true;
    AdvanceDays(st, rnd, view, 3);
    EXPECT_DOUBLE_EQ(st.Hotovost, 10 - 12000 + 10);
    // Interest is no money change to show; new prices come before the upkeep, the day last.
    EXPECT_EQ(view.shown, "PDPHD");
    st.Den = 32760; // the day counter stops at its limit
    AdvanceDays(st, rnd, view, 30);
    EXPECT_EQ(st.Den, 32767);
}
