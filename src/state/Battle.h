#pragma once

#include "GameState.h"
#include "HandOver.h"
#include "Numbers.h"

namespace vlnobrod {

// What a battle leaves for whoever ran it.
struct BattleResult {
    // Vyhral (the merchant ship won) or Prohral (beaten, or the player gave up); a duel for
    // two players closed without a winner keeps its mode word PiratiB2.
    HandOffWord word = HandOffWord::None;
    double merchantDamage = 0; // percent, as the battle reached them
    double pirateDamage = 0;
    // What putting the battle away adds to the fleet's damage: half the merchant's damage
    // once more when it came out of a voyage battle below 100 without giving up; nothing
    // after a surrender or a duel from the menu.
    double carriedOver = 0;
};

// Through this a voyage meeting pirates (mode Pirati) or the menu's duel (PiratiB against the
// computer, PiratiB2 for two players) runs a battle and waits for its end. The battle window
// offers it and the shell hands it to whoever needs it, so neither side includes the other;
// a program without windows can fight with its own.
//
// Fight writes the result word into HandOff and leaves the fleet alone. A voyage then takes
// the merchant's damage into the fleet, settles ships and loot, and last of all puts the
// battle away with CarryDamageOver: a fleet that came out with 30 % ends with 45 %.
class Battle {
public:
    virtual ~Battle() = default;
    virtual BattleResult Fight(GameState& st, HandOffWord mode) = 0;
};

inline void CarryDamageOver(FleetRecord& fleet, const BattleResult& result) {
    if (result.carriedOver > 0)
        fleet.Poskozeni = ToU8(fleet.Poskozeni + result.carriedOver);
}

} // namespace vlnobrod
