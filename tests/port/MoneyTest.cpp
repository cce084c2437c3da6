#include "port/Money.h"
#include "support/FakeGameView.h"
#include "support/TempDir.h"

#include <functional>
#include <gtest/gtest.h>

using namespace vlnobrod;
using vlnobrod::testing::FakeGameView;

namespace {
GameState onMap(const std::string& mapa) {
    GameState st;
    st.Mapa = mapa;
    st.Hotovost = 0;
    st.Konto = 0;
    return st;
}
} // namespace

TEST(Money, ChangesGoToCashOrAccountAndMarkTheGameUnsaved) {
    GameState st = onMap("Karibik");
    st.StateSaved = true;
    FakeGameView view;
    ChangeMoney(st, view, 0, false);
    EXPECT_TRUE(st.StateSaved); // showing the figures again is not a change
    ChangeMoney(st, view, 250.5, false);
    ChangeMoney(st, view, -1000, true);
    EXPECT_DOUBLE_EQ(st.Hotovost, 250.5);
    EXPECT_DOUBLE_EQ(st.Konto, -1000);
    EXPECT_FALSE(st.StateSaved);
    EXPECT_EQ(view.cashShown, 2);
    EXPECT_EQ(view.accountShown, 1);
    EXPECT_TRUE(view.messages.empty());
}

TEST(Money, TheIntroductoryMapNeedsAMillionCityOneOpenAndNoDebt) {
    GameState st = onMap("Mapa1");
    st.PocetMest = 3;
    st.Hotovost = 999999.5;
    EXPECT_FALSE(GoalMet(st));
    st.Hotovost = 1000000;
    EXPECT_TRUE(GoalMet(st));
    st.Konto = -0.01;
    EXPECT_FALSE(GoalMet(st));
    st.Konto = 0;
    st.Cities[1].Pristup = 5000;
    EXPECT_FALSE(GoalMet(st));
}

TEST(Money, TheMediterraneanNeedsFiveMillionInTheBankAndEveryCityOpen) {
    GameState st = onMap("Mapa2");
    st.Konto = 5000000;
    EXPECT_TRUE(GoalMet(st)); // a map without cities
    st.PocetMest = 9;
    st.Cities[8].Pristup = 1;
    EXPECT_FALSE(GoalMet(st));
    st.Cities[8].Pristup = 0;
    st.Cities[9 - 1].Pristup = 0;
    EXPECT_TRUE(GoalMet(st));
    st.Konto = 4999999.99;
    EXPECT_FALSE(GoalMet(st));
}

TEST(Money, IndonesiaNeedsAGalleonFleetBooksAndMoney) {
    GameState st = onMap("Mapa3");
    st.Konto = 2000000;
    st.Hotovost = 10000000;
    st.Fleet.Pocet = 17;
    st.Fleet.Typ = 2;
    st.Fleet.Naklad[7] = 3000;
    EXPECT_TRUE(GoalMet(st));
    for (auto spoil : std::vector<std::function<void(GameState&)>>{
             [](GameState& s) { s.Konto = 1999999; }, [](GameState& s) { s.Hotovost = 9999999; },
             [](GameState& s) { s.Fleet.Pocet = 16; }, [](GameState& s) { s.Fleet.Typ = 1; },
             [](GameState& s) { s.Fleet.Naklad[7] = 2999.5; },
             [](GameState& s) { s.Fleet.Naklad[7] = 0, s.Fleet.Naklad[8] = 5000; }}) {
        GameState copy = st;
        spoil(copy);
        EXPECT_FALSE(GoalMet(copy));
    }
}

TEST(Money, TheSpendthriftMapEndsWhenEverythingIsGone) {
    GameState st = onMap("Mapa4");
    st.Fleet.Pocet = 1;
    EXPECT_TRUE(GoalMet(st));
    st.Fleet.Pocet = 2;
    EXPECT_FALSE(GoalMet(st));
    st.Fleet.Pocet = 0;
    st.Hotovost = 0.5;
    EXPECT_FALSE(GoalMet(st));
    EXPECT_FALSE(GoalMet(onMap("Mapa5")));
}

TEST(Money, ReachingTheGoalCongratulatesOnceAndOpensTheResults) {
    GameState st = onMap("Mapa4");
    st.Hotovost = 100;
    st.Fleet.Pocet = 1;
    FakeGameView view;
    ChangeMoney(st, view, -100, false);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, "Rozfofroval jste 10 milionů!\nTotálně jste zbankrotoval!");
    EXPECT_EQ(view.messages[0].title, "Dokončení mapy");
    EXPECT_EQ(view.messages[0].buttons, 0);
    EXPECT_TRUE(st.Hotovo);
    EXPECT_EQ(st.HandOff, "Zápis");
    EXPECT_EQ(view.resultsOpened, 1);
    ChangeMoney(st, view, -5, true);
    EXPECT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.resultsOpened, 1);
}

TEST(Money, TheGoalDisplayReadsTheFourLinesFromTheScenarioFile) {
    vlnobrod::testing::TempDir dir;
    dir.write("Data/Mapa2.mlo", "[Mapa]\r\nUkol=Vydělejte\r\nUkol2=pět milionů\r\nUkol4=!\r\n");
    GameState st = onMap("Mapa2");
    st.AppFolder = dir.path();
    Profiles profiles;
    FakeGameView view;
    ShowGoal(st, profiles, view);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, "Vydělejte\npět milionů\n\n!");
    EXPECT_EQ(view.messages[0].title, "Úkolem této mapy je ...");
    EXPECT_EQ(st.HandOff, dir.path() + "/Data/Mapa2.mlo");
    st.Mapa = "Mapa9"; // no file: three line breaks and nothing else
    ShowGoal(st, profiles, view);
    EXPECT_EQ(view.messages[1].text, "\n\n\n");
}
