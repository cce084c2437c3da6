#pragma once

#include "battle/BattleRules.h"
#include "state/Battle.h"

#include <optional>
#include <string>

namespace vlnobrod {

// Someone at a cannon: a program, or a test playing either side.
class Gunner {
public:
    struct Shot {
        std::string angle;
        std::string gunpowder;
    };
    virtual ~Gunner() = default;
    // The settings for this side's next shot, or nothing to leave the battle (against the
    // computer that is a surrender; a two-player duel simply ends).
    virtual std::optional<Shot> NextShot(const BattleRules& battle, int ship) = 0;
};

// A battle without a window: the gunners take their turns, the computer plays the pirates
// unless a second gunner has them, and every ball flies tick by tick as on the screen.
class GunnerBattle : public Battle {
public:
    GunnerBattle(RandomSource& random, BattleMemory& memory, Gunner& merchant,
                 Gunner* pirates = nullptr)
        : random_(random), memory_(memory), merchant_(merchant), pirates_(pirates) {}

    BattleResult Fight(GameState& st, HandOffWord mode) override;

private:
    RandomSource& random_;
    BattleMemory& memory_;
    Gunner& merchant_;
    Gunner* pirates_;
};

} // namespace vlnobrod
