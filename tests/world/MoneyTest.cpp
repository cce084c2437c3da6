#include "world/Money.h"
#include "state/Numbers.h"
#include "state/Random.h"
#include "support/FakeGameView.h"
#include "world/DayChange.h"
#include "world/WorldFixture.h"

#include <gtest/gtest.h>

#include <limits>

using namespace vlnobrod;
using namespace vlnobrod::testing;

// Changes mark the game unsaved and reaching the goal congratulates once. No sum lives in memory
// beyond what a file keeps (fifteen nines either way): a sale, upkeep and the day's interest stop
// at the bound and come back from it.
TEST(Money, ChangesMarkTheGameUnsavedStopAtTheLargestSumAndReachingTheGoalCongratulatesOnce) {
    const std::tuple<double, double, double> rows[] = {
        // held, added, then held
        {MaxMoney - 1, 2, MaxMoney},
        {MaxMoney, -1, MaxMoney - 1},
        {-MaxMoney + 1, -2, -MaxMoney},
        {12.5, std::numeric_limits<double>::quiet_NaN(), 12.5},
    };
    for (const auto& [held, amount, after] : rows)
        EXPECT_EQ(AddMoney(held, amount), after) << held << " + " << amount;

    GameState st = OneCity(200, 0, 0); // a map without a goal
    st.Mapa = "Karibik";
    st.StateSaved = true;
    FakeGameView view;
    ChangeMoney(st, view, 0, false);
    EXPECT_TRUE(st.StateSaved); // showing the figures again is not a change
    ChangeMoney(st, view, 250.5, false);
    ChangeMoney(st, view, -1000, true);
    EXPECT_EQ(std::tuple(st.Hotovost, st.Konto, st.StateSaved, view.shown),
              std::tuple(250.5, -1000.0, false, "HHK"));

    st.Hotovost = MaxMoney - 100;
    ChangeMoney(st, view, 250, false);
    EXPECT_EQ(st.Hotovost, MaxMoney);
    // The interest on a full account, and the upkeep of a ship at sea in the deepest debt.
    st.Konto = MaxMoney;
    ScriptedRandom rnd({0.5f});
    AdvanceDays(st, rnd, view, 1);
    EXPECT_EQ(st.Hotovost, MaxMoney);
    st.Konto = 0;
    st.Hotovost = -MaxMoney + 1;
    st.PendingAction = Pending::Voyage;
    st.Plavba.NaMori = true;
    AdvanceDays(st, rnd, view, 1);
    EXPECT_EQ(st.Hotovost, -MaxMoney);

    st.Mapa = "Mapa4"; // its goal is bankruptcy: nothing in cash or the account, one ship left
    st.Hotovost = 250.5;
    st.Fleet.Pocet = 1;
    ChangeMoney(st, view, -250.5, false);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, "Rozfofroval jste 10 milionů!\nTotálně jste zbankrotoval!");
    EXPECT_EQ(std::tuple(st.HandOff, view.resultsOpened), std::tuple(HandOffWord::Zapis, 1));
    ChangeMoney(st, view, -5, true);
    EXPECT_EQ(std::tuple(view.messages.size(), view.resultsOpened), std::tuple(1u, 1));
}
