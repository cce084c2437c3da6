#include "port/DayChange.h"
#include "port/GameStart.h"
#include "port/Money.h"
#include "support/FakeGameView.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace vlnobrod;
using vlnobrod::testing::FakeGameView;

namespace {
const NumberLocale dot{'.'}, comma{','};

GameState oneCity(std::int16_t cena, std::int16_t produkce, std::uint8_t velikost) {
    GameState st;
    st.PocetMest = 1;
    st.Cities[0].Velikost = velikost;
    st.Cities[0].Trh[0] = {cena, 0, produkce};
    st.Konto = 0;
    st.Hotovost = 0;
    return st;
}

// Writes down what was shown when the message came.
struct Watching : FakeGameView {
    std::string shownAtMessage;
    MessageAnswer ShowMessage(const std::string& text, MessageButtons buttons,
                              std::string& title) override {
        shownAtMessage = shown;
        return FakeGameView::ShowMessage(text, buttons, title);
    }
};
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

    GameState st = oneCity(200, 30, 0);
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
    AdvanceDays(st, rnd, view, 3);
    EXPECT_DOUBLE_EQ(st.Hotovost, 10 - 12000 + 10);
    // Interest is no money change to show; new prices come before the upkeep, the day last.
    EXPECT_EQ(view.shown, "PDPHD");
    st.Den = 32760; // the day counter stops at its limit
    AdvanceDays(st, rnd, view, 30);
    EXPECT_EQ(st.Den, 32767);
}

TEST(Money, ChangesMarkTheGameUnsavedAndReachingTheGoalCongratulatesOnce) {
    GameState st = oneCity(200, 0, 0); // a map without a goal
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

// A saved game comes back: the stored days move prices once, the saved day goes on, and
// the stored money stands (no interest, no upkeep of a voyage an earlier game left behind).
TEST(GameStart, TheStoredDaysMovePricesOnceButTheStoredMoneyStands) {
    GameState st = oneCity(200, 30, 0);
    st.Mapa = "Karibik";
    st.Cities[0].Trh[0].RanniCena = 180; // saved after a purchase that day
    st.Den = 25;
    st.Hotovost = 1234.5;
    st.Konto = 50000;
    st.PendingAction = Pending::Voyage;
    Watching view;
    ScriptedRandom rnd({0.5f});
    StartLoadedGame(st, rnd, view);
    EXPECT_EQ(st.Den, 25);
    EXPECT_EQ(st.Cities[0].Trh[0].Cena, 197);
    EXPECT_EQ(st.Cities[0].Trh[0].RanniCena, 180);
    EXPECT_DOUBLE_EQ(st.Hotovost, 1234.5);
    EXPECT_EQ(st.PendingAction, Pending::None);
    EXPECT_EQ(view.shown, "PDHK"); // prices, day, then both figures
    EXPECT_TRUE(view.messages.empty());

    // A goal already met is congratulated over both figures as loaded, not the last game's.
    st.Mapa = "Mapa4";
    st.Hotovost = st.Konto = 0;
    st.Fleet.Pocet = 1;
    Watching second;
    StartLoadedGame(st, rnd, second);
    EXPECT_EQ(second.shownAtMessage, "PDHK");
    ASSERT_EQ(second.messages.size(), 1u);
    EXPECT_EQ(second.messages[0].title, "Dokončení mapy");
    EXPECT_EQ(second.resultsOpened, 1);
}

TEST(GameStart, TheGoalComesFromTheScenarioFile) {
    vlnobrod::testing::TempDir dir;
    dir.write("Data/Mapa2.mlo", "[Mapa]\r\nUkol=Vydělejte\r\nUkol2=pět milionů\r\nUkol4=!\r\n");
    GameState st;
    st.Mapa = "Mapa2";
    st.Places.AppFolder = dir.path();
    Profiles profiles;
    FakeGameView view;
    ShowGoal(st, profiles, view);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, "Vydělejte\npět milionů\n\n!");
    EXPECT_EQ(view.messages[0].title, "Úkolem této mapy je ...");
    st.Mapa = "Mapa9"; // no file: three line breaks and nothing else
    ShowGoal(st, profiles, view);
    EXPECT_EQ(view.messages[1].text, "\n\n\n");
}
