#pragma once

#include "state/GameState.h"
#include "state/GameView.h"

#include <array>
#include <cstdint>
#include <string>

namespace vlnobrod {

// The bank's amount slider: one transaction moves 1 to 100 000.
struct BankSliderSetup {
    std::int32_t minimum = 1;
    std::int32_t maximum = 100000;
    std::int32_t initial = 50000;
    std::int32_t singleStep = 100;
    std::int32_t pageStep = 1000;
    std::int32_t tickInterval = 10000;
};
inline constexpr BankSliderSetup BankSlider{};

// The account may run into debt down to this, and no further.
inline constexpr double KontoLimit = -500000;

// The preset labels lblStupeň 0, 1, 2: caption and the amount in their Tag. From left to
// right on the panel they stand 1, 0, 2.
struct BankPreset {
    const char* caption;
    const char* tag;
};
inline constexpr std::array<BankPreset, 3> BankPresets{
    {{"50 000", "50000"}, {"10 000", "10000"}, {"100 000", "100000"}}};

// The amount a preset's Tag stands for.
std::int32_t PresetAmount(const std::string& tag);

// "100 000"
std::string BankAmountLine(std::int32_t amount);

// The interest captions under the cash and the account column, with the rates the day
// change applies: cash earns nothing, the account 0.02 % a day, and a debt costs 0.01 % a
// day (both paid into or taken from cash).
inline constexpr const char* CashInterestCaption = "Úrok = 0% částky za den";
inline constexpr const char* AccountInterestCaption = "Úrok = 0.02% částky za den\n"
                                                      "Dluh stojí 0.01% částky za den";

// Whether the deposit or withdrawal of `amount` is allowed: cash may not go below nothing,
// the account not below the debt limit.
bool CanDeposit(const GameState& st, std::int32_t amount);
bool CanWithdraw(const GameState& st, std::int32_t amount);

// Moves the money through ChangeMoney, or reports the refusal as news; returns whether the
// money moved. The caller shows the figures again either way.
bool Deposit(GameState& st, GameView& view, std::int32_t amount);
bool Withdraw(GameState& st, GameView& view, std::int32_t amount);

} // namespace vlnobrod
