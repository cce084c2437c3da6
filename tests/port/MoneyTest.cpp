#include "port/Money.h"
#include "support/FakeGameView.h"

#include <gtest/gtest.h>

using namespace vlnobrod;
using vlnobrod::testing::FakeGameView;

TEST(Money, ChangesGoToCashOrAccountAndMarkTheGameUnsaved) {
    GameState st; // a map without a goal
    st.Mapa = "Karibik";
    st.Hotovost = 0;
    st.Konto = 0;
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

TEST(Money, ReachingTheGoalCongratulatesOnceAndOpensTheResults) {
    GameState st;
    st.Mapa = "Mapa4";
    st.Konto = 0;
    st.Hotovost = 100;
    st.Fleet.Pocet = 1;
    FakeGameView view;
    ChangeMoney(st, view, -100, false);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, "Rozfofroval jste 10 milionů!\nTotálně jste zbankrotoval!");
    EXPECT_EQ(view.messages[0].title, "Dokončení mapy");
    EXPECT_EQ(view.messages[0].buttons, MessageButtons::OK);
    EXPECT_TRUE(st.Hotovo);
    EXPECT_EQ(st.HandOff, HandOffWord::Zapis);
    EXPECT_EQ(view.resultsOpened, 1);
    ChangeMoney(st, view, -5, true);
    EXPECT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.resultsOpened, 1);
}
