#include "state/Numbers.h"
#include "state/Random.h"
#include "support/FakeGameView.h"
#include "world/DayChange.h"
#include "world/FleetSummary.h"
#include "world/Money.h"
#include "world/News.h"
#include "world/WorldFixture.h"

#include <gtest/gtest.h>

#include <limits>

using namespace vlnobrod;
using namespace vlnobrod::testing;

TEST(Money, ChangesMarkTheGameUnsavedAndReachingTheGoalCongratulatesOnce) {
    GameState st = OneCity(200, 0, 0); // a map without a goal
    st.Mapa = "Karibik";
    st.StateSaved = true;
    FakeGameView view;
    ChangeMoney(st, view, 0, false);
    EXPECT_TRUE(st.StateSaved); // showing the figures again is not a change
    ChangeMoney(st, view, 250.5, false);
    ChangeMoney(st, view, -1000, true);
    EXPECT_DOUBLE_EQ(st.Hotovost, 250.5);
    EXPECT_DOUBLE_EQ(st.Konto, -1000);
    EXPECT_FALSE(st.StateSaved);
    EXPECT_EQ(view.shown, "HHK");
    EXPECT_TRUE(view.messages.empty());

    // Mapa4's goal is bankruptcy: nothing in cash or the account and one ship left.
    st.Mapa = "Mapa4";
    st.Konto = 0;
    st.Fleet.Pocet = 1;
    ChangeMoney(st, view, -250.5, false);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, "Rozfofroval jste 10 milionů!\nTotálně jste zbankrotoval!");
    EXPECT_EQ(view.messages[0].title, "Dokončení mapy");
    EXPECT_EQ(st.HandOff, HandOffWord::Zapis);
    EXPECT_EQ(view.resultsOpened, 1);
    ChangeMoney(st, view, -5, true);
    EXPECT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.resultsOpened, 1);
}

// No sum lives in memory beyond what a file keeps (fifteen nines either way): a sale, upkeep
// and the day's interest stop at the bound and come back from it.
TEST(Money, NoSumGoesPastTheLargestTheGameKeeps) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double held, amount, after;
    } rows[] = {
        {MaxMoney - 1, 1, MaxMoney},
        {MaxMoney - 1, 2, MaxMoney},
        {MaxMoney, 1, MaxMoney},
        {MaxMoney, -1, MaxMoney - 1},
        {-MaxMoney + 1, -1, -MaxMoney},
        {-MaxMoney + 1, -2, -MaxMoney},
        {-MaxMoney, 0.5, -MaxMoney + 0.5},
        {-MaxMoney, -inf, -MaxMoney},
        {12.5, inf, MaxMoney},
        {12.5, nan, 12.5},
        {MaxMoney, -2 * MaxMoney, -MaxMoney},
        {0, -MaxMoney - 1, -MaxMoney},
    };
    for (const auto& r : rows)
        EXPECT_EQ(AddMoney(r.held, r.amount), r.after) << r.held << " + " << r.amount;

    GameState st = OneCity(200, 0, 0);
    FakeGameView view;
    st.Hotovost = MaxMoney - 100;
    ChangeMoney(st, view, 250, false);
    EXPECT_EQ(st.Hotovost, MaxMoney);
    st.Konto = -MaxMoney;
    ChangeMoney(st, view, -1, true);
    EXPECT_EQ(st.Konto, -MaxMoney);
    // The interest on a full account, and the upkeep of a deep debt at sea.
    st.Konto = MaxMoney;
    ScriptedRandom rnd({0.5f});
    AdvanceDays(st, rnd, view, 1);
    EXPECT_EQ(st.Hotovost, MaxMoney);
    st.Konto = -MaxMoney;
    st.Hotovost = -MaxMoney + 1;
    st.Fleet.Pocet = 10;
    st.Obtiznost = 2;
    st.PendingAction = Pending::Voyage;
    AdvanceDays(st, rnd, view, 1);
    EXPECT_EQ(st.Hotovost, -MaxMoney);
}

TEST(FleetSummary, FleetTextsUseCzechPlurals) {
    EXPECT_EQ(FleetText(0, 1), "žádná loď typu: Velká obchodní loď");
    EXPECT_EQ(FleetText(1, 0), "1 loď typu: Malá obchodní loď");
    EXPECT_EQ(FleetText(5, 2), "5 lodí typu: Galeona");
    EXPECT_EQ(FleetText(22, 0), "22 lodí typu: Malá obchodní loď");
}

// The cargo list (rows without gaps) the port screen's test reads.
TEST(FleetSummary, TheLoadRoundsHalvesToEvenAndNeitherWrapsNorDividesByNothing) {
    GameState st;
    st.Fleet.Naklad[2] = 10;
    st.Fleet.Naklad[9] = 2.5;
    st.locale.decimalSeparator = ',';
    EXPECT_EQ(CargoRows(st)[1].unitsText, "2,5");
    st.Fleet.Pocet = 3;
    st.Fleet.Nosnost = 100;
    EXPECT_EQ(LoadText(st.Fleet), "12 z 300"); // 10 + 2.5 = 12.5 goes to the even 12

    FleetRecord huge;
    huge.Pocet = 1000;
    huge.Nosnost = 180;
    EXPECT_EQ(FleetCapacity(huge), 32767);
    huge.Naklad[0] = 30000;
    huge.Naklad[1] = 30000;
    EXPECT_EQ(CargoTotal(huge), 32767);
    // Past 182 galleons the real sums count: 42 466 aboard 200 galleons' 36 000.
    huge.Pocet = 200;
    huge.Naklad[0] = 30000;
    huge.Naklad[1] = 12466;
    EXPECT_EQ(CargoUnits(huge), 42466);
    EXPECT_EQ(CapacityUnits(huge), 36000);
    EXPECT_EQ(LoadText(huge), "42466 z 36000");
    huge.Naklad[1] = 1e308; // a damaged file counts as full, not as nothing
    EXPECT_GT(CargoUnits(huge), 36000);
    huge.Pocet = 0;
    EXPECT_DOUBLE_EQ(LoadFraction(huge), 0); // no ships: no division by nothing
}
