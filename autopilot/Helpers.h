#pragma once

#include "Autopilot.h"
#include "battle/GunnerBattle.h"
#include "state/GameView.h"

#include <random>

namespace vlnobrod::autopilot {

// The port screen of a headless game: every question is answered "Ano", nothing is shown,
// the finished map opens no results window (so no table is written), and each day change
// may have the game's soundness checked.
class QuietView final : public GameView {
public:
    explicit QuietView(const GameState& st, std::vector<Violation>* violations)
        : st_(st), violations_(violations) {}

    MessageAnswer ShowMessage(const std::string&, MessageButtons buttons, std::string&) override {
        return buttons == MessageButtons::OK ? MessageAnswer::OK : MessageAnswer::Ano;
    }
    void PlaySoundName(const std::string&) override {}
    void MoneyChanged(bool) override {}
    void PricesMoved() override {}
    void DaysAdvanced() override {
        // A goal met by a day change's upkeep or interest is met on the day it ends: the
        // results open before the day count moves on.
        if (inDayChange_)
            goalDay_ = st_.Den;
        inDayChange_ = false;
        Check();
    }
    void OpenResults() override {
        goalDay_ = st_.Den;
        inDayChange_ = true;
    }
    std::int16_t goalDay() const { return goalDay_; }

    // The soundness of the game as it stands: prices of traded goods within 5…999, money a
    // number, ships and cargo never below nothing, damage that never wraps round to a sound
    // ship at sea, and a day counter that only moves on.
    void Check();
    // A purchase never fills the hold beyond its capacity (or beyond what was already
    // aboard, when ships lost at sea left more cargo than room): the real sums, not the
    // 16-bit figures.
    void CheckPurchase(std::int64_t loadedBefore);

private:
    void fail(std::string what);

    const GameState& st_;
    std::vector<Violation>* violations_;
    std::int16_t lastDay_ = 0;
    std::uint8_t lastDamage_ = 0;
    bool lastAtSea_ = false;
    std::int16_t goalDay_ = -1;
    bool inDayChange_ = false; // the results opened and no day change has ended since
};

// A gunner as a simple player is: always at 45 degrees, he reads the wind from its label and
// picks the gunpowder that should put the ball on the pirates' cannon, but his eye is off by
// up to 40 pixels each shot. After sixty shots with the battle still on he gives up, as a
// player closes the window of a battle nobody wins.
class SimpleGunner final : public Gunner {
public:
    explicit SimpleGunner(std::uint64_t seed) : eye_(seed) {}
    std::optional<Shot> NextShot(const BattleRules& battle, int ship) override;
    // A new battle: the count of shots starts again.
    void NewBattle() { shots_ = 0; }
    int surrenders() const { return surrenders_; }

private:
    std::mt19937_64 eye_;
    int shots_ = 0;
    int surrenders_ = 0;
};

} // namespace vlnobrod::autopilot
