#pragma once

#include "battle/BattleRules.h"

#include <string>

namespace vlnobrod {

// The battle in words, for a player who cannot see the pictures: where each ball fell, how
// the ships stand, who won. The window's own status line is left as it is; these texts are
// what a screen reader is told.

// Where a ball came down against the ship it was fired at, measured from that ship's near
// side (Short) or far side (Long), in the battlefield's pixels, rounded to whole ones.
enum class Fall { Short, Long, Hit };
struct Landing {
    int shooter = Merchant;
    Fall fall = Fall::Short;
    int by = 0; // how far short or long; 0 for a hit
};

// The ball that has just landed at x = `at`: fired at the ship whose turn it now is. A ball
// on either edge of the ship misses, as the battle counts it.
Landing LandingOf(const BattleRules& battle, float at);
// "Koule obchodní lodi dopadla 35 před pirátskou loď, krátká."
std::string LandingText(const Landing& landing);
// Both ships' damage and the wind: "Obchodní loď, poškození 20 %. Pirátská loď, poškození
// 40 %. >> Jižní vítr o rychlosti 1m/s".
std::string BattleSummary(const BattleRules& battle);
// Who won, as the menu's duel says it; empty for a battle without a winner.
std::string OutcomeText(HandOffWord word);

} // namespace vlnobrod
