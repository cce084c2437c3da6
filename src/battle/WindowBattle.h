#pragma once

#include "battle/BattleRules.h"
#include "state/Battle.h"
#include "widgets/GameServices.h"

namespace vlnobrod {

// A battle fought in the battle window, shown modally over whichever window is active and
// put away once the battle is over. The shell owns one, with what the pirates remember from
// one battle to the next.
class WindowBattle : public Battle {
public:
    WindowBattle(GameServices& game, BattleMemory& memory) : game_(game), memory_(memory) {}

    BattleResult Fight(GameState& st, HandOffWord mode) override;

private:
    GameServices& game_;
    BattleMemory& memory_;
};

} // namespace vlnobrod
