#include "trade/Bank.h"

#include "support/FakeGameView.h"

#include <gtest/gtest.h>

using namespace vlnobrod;
using vlnobrod::testing::FakeGameView;

// Cash may go to nothing and the account to the debt limit, not a zlatý further.
TEST(Bank, MovesStopExactlyAtNothingInCashAndAtTheDebtLimit) {
    struct Row {
        bool deposit;
        double cash, account;
        std::int32_t amount;
        bool moved;
        const char* news;
        std::uint8_t kind;
    };
    const Row rows[] = {
        {true, 10000, 0, 10000, true, "", 0},
        {true, 9999.5, 0, 10000, false, "Málo peněz pro uložení", 3},
        {false, 0, -400000, 100000, true, "", 0},
        {false, 5, -500000, 1, false, "Už nelze vybírat peníze!", 4},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.cash) + " / " + std::to_string(r.account));
        GameState st;
        st.Hotovost = r.cash;
        st.Konto = r.account;
        st.StateSaved = true;
        FakeGameView view;
        EXPECT_EQ((r.deposit ? Deposit : Withdraw)(st, view, r.amount), r.moved);
        const double moved = r.moved ? (r.deposit ? r.amount : -r.amount) : 0;
        EXPECT_DOUBLE_EQ(st.Hotovost, r.cash - moved);
        EXPECT_DOUBLE_EQ(st.Konto, r.account + moved);
        EXPECT_EQ(st.NewsQueue[0].text, r.news);
        EXPECT_EQ(st.NewsQueue[0].kind, r.kind);
        EXPECT_EQ(view.sounds.size(), r.moved ? 1u : 0u);
        EXPECT_EQ(st.StateSaved, !r.moved);
        EXPECT_EQ(view.cashShown + view.accountShown, r.moved ? 2 : 0);
    }
}
