#pragma once

#include "battle/BattleRules.h"
#include "state/Random.h"

#include <gtest/gtest.h>

#include <vector>

namespace vlnobrod::testing {

// Unless the dice say otherwise: a south wind of 1, the merchant from -6 to 158 with its cannon
// at 90, and the pirate ship from 208 to 372, its cannon at 285.
struct Fight {
    ScriptedRandom dice;
    BattleMemory memory;
    BattleRules battle{dice, memory, NumberLocale{}};

    explicit Fight(HandOffWord mode = HandOffWord::PiratiB, std::uint8_t damage = 0,
                   std::vector<float> draws = {0, 0, 0, 0})
        : dice(std::move(draws)) {
        FleetRecord fleet;
        fleet.Poskozeni = damage;
        fleet.Typ = 2;
        battle.Load(mode, fleet);
    }
    int Fly() {
        int ticks = 0;
        while (battle.Tick())
            ++ticks;
        return ticks;
    }
    void Fire(const char* power) {
        battle.SetAim(Merchant, "45", power);
        EXPECT_EQ(battle.Fire(Merchant), FireResult::Fired);
        Fly();
    }
    void MerchantLandsAt(float L) {
        battle.Fire(Merchant);
        battle.LandAt(L);
    }
    // A turn each: the merchant's ball falls short of the pirates, theirs comes down at L.
    void PiratesLandAt(float L) {
        MerchantLandsAt(100);
        battle.PiratesTurn();
        battle.LandAt(L);
    }
};

} // namespace vlnobrod::testing
