#pragma once

#include "GameState.h"
#include "HandOver.h"

namespace vlnobrod {

// What a battle leaves for whoever ran it.
struct BattleResult {
    // Vyhral (the merchant ship won) or Prohral (beaten, or the player gave up); a duel for
    // two players closed without a winner keeps its mode word PiratiB2.
    HandOffWord word = HandOffWord::None;
    double merchantDamage = 0; // percent, as the battle reached them
    double pirateDamage = 0;
};

// Through this a voyage meeting pirates (mode Pirati) or the menu's duel (PiratiB against the
// computer, PiratiB2 for two players) runs a battle and waits for its end. The battle window
// offers it and the shell hands it to whoever needs it, so neither side includes the other;
// a program without windows can fight with its own.
class Battle {
public:
    virtual ~Battle() = default;
    virtual BattleResult Fight(GameState& st, HandOffWord mode) = 0;
};

} // namespace vlnobrod
