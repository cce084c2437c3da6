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
    EXPECT_EQ(std::tuple(st.Hotovost, st.Konto, st.StateSaved, view.shown),
              std::tuple(250.5, -1000.0, false, "HHK"));

    // Mapa4's goal is bankruptcy: nothing in cash or the account and one ship left.
    st.Mapa = "Mapa4";
    st.Konto = 0;
    st.Fleet.Pocet = 1;
    ChangeMoney(st, view, -250.5, false);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, "Rozfofroval jste 10 milionů!\nTotálně jste zbankrotoval!");
    EXPECT_EQ(std::tuple(st.HandOff, view.resultsOpened), std::tuple(HandOffWord::Zapis, 1));
    ChangeMoney(st, view, -5, true);
    EXPECT_EQ(std::tuple(view.messages.size(), view.resultsOpened), std::tuple(1u, 1));
}

// No sum lives in memory beyond what a file keeps (fifteen nines either way): a sale, upkeep
// and the day's interest stop at the bound and come back from it.
TEST(Money, NoSumGoesPastTheLargestTheGameKeeps) {
    const std::tuple<double, double, double> rows[] = {
        // held, added, then held
        {MaxMoney - 1, 2, MaxMoney},
        {MaxMoney, -1, MaxMoney - 1},
        {-MaxMoney + 1, -2, -MaxMoney},
        {12.5, std::numeric_limits<double>::quiet_NaN(), 12.5},
    };
    for (const auto& [held, amount, after] : rows)
        EXPECT_EQ(AddMoney(held, amount), after) << held << " + " << amount;

    GameState st = OneCity(200, 0, 0);
    FakeGameView view;
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
}

TEST(FleetSummary, FleetTextsUseCzechPlurals) {
    EXPECT_EQ(FleetText(0, 1), "žádná loď typu: Velká obchodní loď");
    EXPECT_EQ(FleetText(1, 0), "1 loď typu: Malá obchodní loď");
    EXPECT_EQ(FleetText(4, 0), "4 lodě typu: Malá obchodní loď");
    EXPECT_EQ(FleetText(5, 2), "5 lodí typu: Galeona");
    EXPECT_EQ(FleetText(1, 3), "1 loď typu: "); // past the galleon: a type the game lacks
}

// The cargo list (rows without gaps) the port screen's test reads.
TEST(FleetSummary, TheLoadRoundsHalvesToEvenAndNeitherWrapsNorDividesByNothing) {
    GameState st;
    st.Fleet = {3, 0, 100};
    st.Fleet.Naklad[2] = 10;
    st.Fleet.Naklad[9] = 2.5;
    st.locale.decimalSeparator = ',';
    EXPECT_EQ(CargoRows(st)[1].unitsText, "2,5");
    EXPECT_EQ(LoadText(st.Fleet), "12 z 300"); // 10 + 2.5 = 12.5 goes to the even 12

    FleetRecord huge{1000, 0, 180};
    EXPECT_EQ(FleetCapacity(huge), 32767);
    huge.Naklad[0] = 30000;
    huge.Naklad[1] = 30000;
    EXPECT_EQ(CargoTotal(huge), 32767);
    // Past 182 galleons the real sums count: 42 466 aboard 200 galleons' 36 000.
    huge.Pocet = 200;
    huge.Naklad[1] = 12466;
    EXPECT_EQ(LoadText(huge), "42466 z 36000");
    huge.Naklad[1] = 1e308; // a damaged file counts as full, not as nothing
    EXPECT_GT(CargoUnits(huge), 36000);
    huge.Pocet = 0;
    EXPECT_DOUBLE_EQ(LoadFraction(huge), 0); // no ships: no division by nothing
}

TEST(News, TheQueueMovesUpOnePerTickAndLosesNothing) {
    GameState st;
    st.NewsQueue[1] = {"waiting", NewsWarning};
    EXPECT_FALSE(TakeNews(st)); // an empty first slot stops the ticker
    EXPECT_EQ(st.NewsQueue[1].text, "waiting");
    st.NewsQueue[1] = {};
    for (const char* text : {"a", "b", "c", "d", "e"}) // d and e wait behind the three slots
        AddNews(st, text, NewsPlain);
    EXPECT_EQ(TakeNews(st)->text, "a");
    AddNews(st, "f", NewsPlain);
    for (const char* next : {"b", "c", "d", "e", "f"})
        EXPECT_EQ(TakeNews(st)->text, next);
    EXPECT_FALSE(TakeNews(st));
}
