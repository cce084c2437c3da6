#include "trade/Bank.h"

#include "support/FakeGameView.h"

#include <gtest/gtest.h>

using namespace vlnobrod;
using vlnobrod::testing::FakeGameView;

namespace {
GameState bank(double cash, double account) {
    GameState st;
    st.Hotovost = cash;
    st.Konto = account;
    return st;
}
} // namespace

TEST(Bank, DepositMayTakeCashToNothingButNotBelow) {
    GameState st = bank(10000, 0);
    FakeGameView view;
    EXPECT_TRUE(Deposit(st, view, 10000));
    EXPECT_DOUBLE_EQ(st.Hotovost, 0);
    EXPECT_DOUBLE_EQ(st.Konto, 10000);
    EXPECT_EQ(view.sounds, std::vector<std::string>{"Cvak"});
    EXPECT_EQ(view.cashShown, 1);
    EXPECT_EQ(view.accountShown, 1);

    GameState shy = bank(9999.5, 0);
    shy.StateSaved = true;
    FakeGameView quiet;
    EXPECT_FALSE(Deposit(shy, quiet, 10000));
    EXPECT_DOUBLE_EQ(shy.Hotovost, 9999.5);
    EXPECT_DOUBLE_EQ(shy.Konto, 0);
    EXPECT_EQ(shy.NewsQueue[0].text, "Málo peněz pro uložení");
    EXPECT_EQ(shy.NewsQueue[0].kind, 3);
    EXPECT_TRUE(quiet.sounds.empty());
    EXPECT_TRUE(shy.StateSaved);
}

TEST(Bank, WithdrawalStopsExactlyAtTheDebtLimit) {
    GameState st = bank(0, -400000);
    FakeGameView view;
    EXPECT_TRUE(Withdraw(st, view, 100000));
    EXPECT_DOUBLE_EQ(st.Konto, -500000);
    EXPECT_DOUBLE_EQ(st.Hotovost, 100000);
    EXPECT_FALSE(Withdraw(st, view, 1));
    EXPECT_DOUBLE_EQ(st.Konto, -500000);
    EXPECT_DOUBLE_EQ(st.Hotovost, 100000);
    EXPECT_EQ(st.NewsQueue[0].text, "Už nelze vybírat peníze!");
    EXPECT_EQ(st.NewsQueue[0].kind, 4);
    EXPECT_EQ(view.sounds, std::vector<std::string>{"Cvak"});

    GameState fresh = bank(5, 0);
    EXPECT_TRUE(Withdraw(fresh, view, 100000));
    EXPECT_DOUBLE_EQ(fresh.Konto, -100000);
    EXPECT_DOUBLE_EQ(fresh.Hotovost, 100005);
}
