#include "Money.h"

#include "state/Numbers.h"
#include "state/Scenarios.h"

#include <cmath>

namespace vlnobrod {

double AddMoney(double held, double amount) {
    return ClampMoney(std::isnan(amount) ? held : held + amount);
}

void ChangeMoney(GameState& st, GameView& view, double amount, bool toAccount) {
    if (amount != 0)
        st.StateSaved = false;
    double& sum = toAccount ? st.Konto : st.Hotovost;
    sum = AddMoney(sum, amount);
    view.MoneyChanged(toAccount);
    if (st.Hotovo || !GoalMet(st))
        return;
    FinishMap(st, view);
}

void FinishMap(GameState& st, GameView& view) {
    // The goal is reached once per game: congratulate, then let the results window make
    // its table entry.
    if (st.Hotovo)
        return;
    st.Hotovo = true;
    std::string title = "Dokončení mapy";
    if (const auto msg = GoalCongratulation(st.Mapa))
        view.ShowMessage(msg->line1 + "\n" + msg->line2, MessageButtons::OK, title);
    st.HandOff = HandOffWord::Zapis;
    view.OpenResults();
}

} // namespace vlnobrod
