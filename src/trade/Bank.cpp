#include "Bank.h"

#include "state/Numbers.h"
#include "world/Money.h"
#include "world/News.h"

namespace vlnobrod {

std::int32_t PresetAmount(const std::string& tag) {
    return ToI32(ParseNumber(tag).value_or(0.0));
}

std::string BankAmountLine(std::int32_t amount) {
    return FormatGrouped(amount, "### ### ##0");
}

bool CanDeposit(const GameState& st, std::int32_t amount) {
    return st.Hotovost - amount >= 0;
}

bool CanWithdraw(const GameState& st, std::int32_t amount) {
    return st.Konto - amount >= KontoLimit;
}

bool Deposit(GameState& st, GameView& view, std::int32_t amount) {
    if (!CanDeposit(st, amount)) {
        AddNews(st, "Málo peněz pro uložení", NewsStop);
        return false;
    }
    view.PlaySoundName("Cvak");
    ChangeMoney(st, view, -amount, false);
    ChangeMoney(st, view, amount, true);
    return true;
}

bool Withdraw(GameState& st, GameView& view, std::int32_t amount) {
    if (!CanWithdraw(st, amount)) {
        AddNews(st, "Už nelze vybírat peníze!", NewsError);
        return false;
    }
    view.PlaySoundName("Cvak");
    ChangeMoney(st, view, amount, false);
    ChangeMoney(st, view, -amount, true);
    return true;
}

} // namespace vlnobrod
