#include "trade/Bank.h"
#include "support/FakeGameView.h"

#include <gtest/gtest.h>

using namespace vlnobrod;
using vlnobrod::testing::FakeGameView;

// The debt limit is 500 000; a refused transaction moves no money and says why.
TEST(Bank, DepositsAndWithdrawalsStopExactlyAtNothingAndAtTheDebtLimit) {
    // What the row tries, deposit or not, the cash, the account and the amount; the refusal.
    const std::tuple<const char*, bool, double, double, std::int32_t, const char*> rows[] = {
        {"deposit all the cash", true, 50'000, 0, 50'000, ""},
        {"deposit one more than the cash", true, 50'000, 0, 50'001, "Málo peněz pro uložení"},
        {"deposit over a fraction short", true, 49'999.5, 0, 50'000, "Málo peněz pro uložení"},
        {"withdraw the whole account", false, 0, 80'000, 80'000, ""},
        {"withdraw down to the debt limit", false, 0, 80'000, 580'000, ""},
        {"withdraw one past the debt limit", false, 0, 80'000, 580'001, "Už nelze vybírat peníze!"},
    };
    for (const auto& [name, deposit, cash, account, amount, refusal] : rows) {
        SCOPED_TRACE(name);
        GameState st;
        st.Mapa = "Zkouška"; // no goal to congratulate
        st.Hotovost = cash;
        st.Konto = account;
        FakeGameView view;
        const bool moved = *refusal == '\0';
        EXPECT_EQ(deposit ? Deposit(st, view, amount) : Withdraw(st, view, amount), moved);
        const double toAccount = !moved ? 0 : deposit ? amount : -double(amount);
        EXPECT_EQ(std::tuple(st.Hotovost, st.Konto, st.NewsQueue[0].text),
                  std::tuple(cash - toAccount, account + toAccount, std::string(refusal)));
        EXPECT_EQ(view.sounds, std::vector<std::string>(moved, "Cvak"));
    }
}
