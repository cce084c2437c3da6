#include "trade/Bank.h"
#include "support/FakeGameView.h"

#include <gtest/gtest.h>

using namespace vlnobrod;
using vlnobrod::testing::FakeGameView;

// Cash may go down to nothing and no further; the account down to the debt limit of
// 500 000 and no further. A refused transaction moves no money and says why.
TEST(Bank, DepositsAndWithdrawalsStopExactlyAtNothingAndAtTheDebtLimit) {
    const struct {
        const char* name;
        bool deposit;
        double cash, account;
        std::int32_t amount;
        const char* refusal;
    } rows[] = {
        {"deposit all the cash", true, 50'000, 0, 50'000, ""},
        {"deposit one more than the cash", true, 50'000, 0, 50'001, "Málo peněz pro uložení"},
        {"deposit over a fraction short", true, 49'999.5, 0, 50'000, "Málo peněz pro uložení"},
        {"withdraw the whole account", false, 0, 80'000, 80'000, ""},
        {"withdraw down to the debt limit", false, 0, 80'000, 580'000, ""},
        {"withdraw one past the debt limit", false, 0, 80'000, 580'001, "Už nelze vybírat peníze!"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        GameState st;
        st.Mapa = "Zkouška"; // no goal to congratulate
        st.Hotovost = r.cash;
        st.Konto = r.account;
        FakeGameView view;
        const bool moved = *r.refusal == '\0';
        EXPECT_EQ(r.deposit ? Deposit(st, view, r.amount) : Withdraw(st, view, r.amount), moved);
        const double toAccount = !moved ? 0 : r.deposit ? r.amount : -double(r.amount);
        EXPECT_DOUBLE_EQ(st.Hotovost, r.cash - toAccount);
        EXPECT_DOUBLE_EQ(st.Konto, r.account + toAccount);
        EXPECT_EQ(st.NewsQueue[0].text, r.refusal);
        EXPECT_EQ(view.sounds, std::vector<std::string>(moved, "Cvak"));
    }
}
