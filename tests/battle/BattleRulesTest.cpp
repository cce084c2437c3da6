#include "battle/BattleRules.h"
#include "battle/GunnerBattle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>

using namespace vlnobrod;

namespace {

// With these dice a south wind of 1 blows and the pirates lie at 208 (cannon foot at 285).
const std::vector<float> Calm = {0, 0, 0, 0};

struct Fight {
    ScriptedRandom dice;
    BattleMemory memory;
    BattleRules battle{dice, memory, NumberLocale{}};

    explicit Fight(HandOffWord mode = HandOffWord::PiratiB, std::uint8_t damage = 0,
                   std::vector<float> draws = Calm)
        : dice(std::move(draws)) {
        FleetRecord fleet;
        fleet.Poskozeni = damage;
        fleet.Typ = 2;
        battle.Load(mode, fleet);
    }
    // Fires and lets the ball fly until it falls into the sea; returns where it fell.
    float Shoot(int ship, const char* angle, const char* power) {
        battle.SetAim(ship, angle, power);
        EXPECT_EQ(battle.Fire(ship), FireResult::Fired);
        while (battle.Tick()) {
        }
        return battle.Ball().x;
    }
    void MerchantMisses() {
        battle.SetAim(Merchant, "45", "40");
        battle.Fire(Merchant);
        battle.LandAt(100);
    }
};

// Fires the shots it was given, then leaves the battle.
struct ScriptedGunner : Gunner {
    std::deque<Shot> shots;
    explicit ScriptedGunner(std::deque<Shot> s = {}) : shots(std::move(s)) {}
    std::optional<Shot> NextShot(const BattleRules&, int) override {
        if (shots.empty())
            return std::nullopt;
        Shot s = shots.front();
        shots.pop_front();
        return s;
    }
};

} // namespace

TEST(BattleRules, GunpowderAngleAndWind) {
    EXPECT_EQ(MuzzleSpeed(40), 13);
    EXPECT_EQ(MuzzleSpeed(120), 40);
    EXPECT_DOUBLE_EQ(AngleRadians(45), 0.79025);

    // At 45 degrees and speed 13 the ball is back at the muzzle's height about 169 further.
    Launch shot{96, 368, 1, 13, AngleRadians(45), 0};
    const double back = 2 * 13 * std::sin(shot.angle);
    EXPECT_NEAR(FlightPosition(shot, back).x - 96, 169, 0.5);
    EXPECT_NEAR(FlightPosition(shot, back).y, 368, 1e-9);
    // A south wind of 3 takes a fifth off either side's shot.
    shot.wind = 3;
    shot.direction = -1;
    EXPECT_NEAR(96 - FlightPosition(shot, back).x, 0.8 * 169, 0.5);

    EXPECT_EQ(WindCaption("-3.5"), ">> Severní vítr o rychlosti 4m/s");
    EXPECT_EQ(WindCaption("3.5"), "<< Jižní vítr o rychlosti 3.5m/s");
    EXPECT_EQ(WindCaption("-2.5"), ">> Severní vítr o rychlosti 2m/s");
}

TEST(BattleRules, LoadingDrawsTheWindAndThePirates) {
    struct Case {
        std::vector<float> dice;
        const char* wind;
        const char* line;
        float pirates;
    };
    const Case cases[] = {
        {Calm, "1", "<< Jižní vítr o rychlosti 1m/s", 208},
        {{0.25f, 0.25f, 0.5f, 0.5f}, "-5.5", ">> Severní vítr o rychlosti 6m/s", 449},
        {{0.9f, 0.9f, 0.5f, 0.9999f}, "5.5", "<< Jižní vítr o rychlosti 5.5m/s", 689.9518f},
    };
    for (const Case& c : cases) {
        Fight f(HandOffWord::PiratiB, 20, c.dice);
        EXPECT_EQ(f.battle.WindText(), c.wind);
        EXPECT_EQ(f.battle.WindLine(), c.line);
        EXPECT_FLOAT_EQ(f.battle.ShipLeft(Pirates), c.pirates);
        EXPECT_FLOAT_EQ(f.battle.Cannon(Pirates).X1, c.pirates + 77);
        EXPECT_FLOAT_EQ(f.battle.Cannon(Pirates).X2, c.pirates + 74);
        EXPECT_EQ(f.dice.reseeds(), 2);
        // The merchant fires first; a duel leaves the fleet's damage and picture alone.
        EXPECT_TRUE(f.battle.PlayerMayFire(Merchant));
        EXPECT_FALSE(f.battle.PlayerMayFire(Pirates));
        EXPECT_EQ(f.battle.DamageCaption(Merchant), "Poškození: 0");
        EXPECT_EQ(f.battle.MerchantPicture(), "battle_merchant");
    }
    // A voyage battle: the fleet's damage and ship type against pirates damaged under 50.
    Fight voyage(HandOffWord::Pirati, 20, {0, 0, 0, 0, 0.4321f});
    EXPECT_EQ(voyage.battle.DamageCaption(Merchant), "20 %");
    EXPECT_EQ(voyage.battle.DamageCaption(Pirates), "21.605 %");
    EXPECT_EQ(voyage.battle.MerchantPicture(), "ship2");
}

TEST(BattleRules, HitsFallStrictlyInsideTheShipAndTheCannonStrictlyWithin15) {
    struct Case {
        float L;
        const char* damage;
        bool over;
    };
    // The pirate ship spans 208 to 372, its cannon stands at 285.
    const Case cases[] = {{208, "Poškození: 0", false}, {372, "Poškození: 0", false},
                          {208.5f, "40 %", false},      {270, "40 %", false},
                          {270.5f, "40 %", true},       {299.5f, "40 %", true},
                          {300, "40 %", false}};
    for (const Case& c : cases) {
        Fight f;
        f.battle.Fire(Merchant);
        f.battle.LandAt(c.L);
        EXPECT_EQ(f.battle.DamageCaption(Pirates), c.damage) << c.L;
        EXPECT_EQ(f.battle.Over(), c.over) << c.L;
    }
    // Real flights: 38 lands on the deck, 42 on the cannon, 50 just past the stern.
    Fight deck;
    EXPECT_NEAR(deck.Shoot(Merchant, "45", "38"), 262.5, 0.5);
    EXPECT_EQ(deck.battle.TakeSounds(), (std::vector<std::string>{"Malý výbuch", "Výbuch"}));
    EXPECT_EQ(deck.battle.Status(), "Piráti míří");
    EXPECT_TRUE(deck.battle.PiratesDue());
    Fight cannon;
    EXPECT_NEAR(cannon.Shoot(Merchant, "45", "42"), 289.1, 0.5);
    EXPECT_TRUE(cannon.battle.Over());
    EXPECT_EQ(cannon.battle.Result().word, HandOffWord::Vyhral);
    EXPECT_FALSE(cannon.battle.PiratesDue());
    cannon.battle.Surrender(); // an answer that comes too late changes nothing
    EXPECT_EQ(cannon.battle.Result().word, HandOffWord::Vyhral);
    Fight past;
    EXPECT_NEAR(past.Shoot(Merchant, "45", "50"), 375.1, 0.5);
    EXPECT_EQ(past.battle.DamageCaption(Pirates), "Poškození: 0");
}

TEST(BattleRules, EachHitAdds40AndAShipAbove100Sinks) {
    struct Case {
        std::uint8_t start;
        int hitsToSink;
        const char* last;
    };
    // 61 goes down at the first hit (101), 230 stays at 255 rather than wrapping.
    const Case cases[] = {{0, 3, "120 %"}, {21, 2, "101 %"}, {61, 1, "101 %"}, {230, 1, "255 %"}};
    for (const Case& c : cases) {
        Fight f(HandOffWord::Pirati, c.start);
        int hits = 0;
        while (!f.battle.Over() && hits < 5) {
            f.MerchantMisses();
            f.battle.PiratesTurn();
            f.battle.LandAt(20); // on the merchant's deck, clear of its cannon at 90
            ++hits;
        }
        EXPECT_EQ(hits, c.hitsToSink) << int(c.start);
        EXPECT_EQ(f.battle.DamageCaption(Merchant), c.last);
        EXPECT_EQ(f.battle.Result().word, HandOffWord::Prohral);
        EXPECT_EQ(f.battle.TakeSounds().back(), "Výbuch2");
    }
}

TEST(BattleRules, ComputerPiratesAimByWhereTheirLastBallFell) {
    Fight f(HandOffWord::PiratiB, 0, {0, 0, 0, 0, 0.5f, 0.25f, 0});
    f.MerchantMisses();
    // A first shot at random, from a fresh seed.
    f.battle.PiratesTurn();
    EXPECT_EQ(f.dice.reseeds(), 3);
    EXPECT_EQ(f.battle.AngleText(Pirates), "50");
    EXPECT_EQ(f.battle.PowerText(Pirates), "70");
    f.battle.LandAt(-7); // beyond the merchant ship: less powder, 17r + (70 - 20)
    EXPECT_EQ(f.memory.lastPirateImpact, -7);
    f.MerchantMisses();
    f.battle.PiratesTurn();
    EXPECT_EQ(f.battle.PowerText(Pirates), "50");
    f.battle.LandAt(-6); // exactly at the ship's edge is not beyond it: (50 + 30) - 27r
    f.MerchantMisses();
    f.battle.PiratesTurn();
    EXPECT_EQ(f.battle.PowerText(Pirates), "80");
    EXPECT_EQ(f.battle.AngleText(Pirates), "50");
    f.battle.LandAt(20); // a hit: the same shot again
    f.MerchantMisses();
    f.battle.PiratesTurn();
    EXPECT_EQ(f.battle.PowerText(Pirates), "80");
    EXPECT_EQ(f.dice.reseeds(), 3);

    // The next battle remembers where the last ball fell (on the deck, at 20): no random
    // first shot, more powder than the 40 the pirates start with.
    ScriptedRandom calm(Calm);
    BattleRules next(calm, f.memory, NumberLocale{});
    next.Load(HandOffWord::PiratiB, FleetRecord{});
    next.Fire(Merchant);
    next.LandAt(100);
    next.PiratesTurn();
    EXPECT_EQ(next.AngleText(Pirates), "45");
    EXPECT_EQ(next.PowerText(Pirates), "70");
    EXPECT_EQ(calm.reseeds(), 2);
}

TEST(BattleRules, TurnsAndSettings) {
    Fight f;
    f.battle.SetAim(Merchant, "čtyřicet", "40");
    EXPECT_EQ(f.battle.Fire(Merchant), FireResult::NotANumber);
    EXPECT_EQ(f.battle.Status(), "Zadejte číslo");
    EXPECT_TRUE(f.battle.PlayerMayFire(Merchant));
    EXPECT_TRUE(f.battle.TakeSounds().empty());

    // Either decimal point; a setting beyond its slider goes at the slider's end.
    f.battle.SetAim(Merchant, "45,5", "10000");
    EXPECT_EQ(f.battle.Fire(Merchant), FireResult::Fired);
    EXPECT_EQ(f.battle.Flight().angle, AngleRadians(45.5f));
    EXPECT_EQ(f.battle.Flight().speed, 40);
    EXPECT_EQ(f.battle.PowerText(Merchant), "120");
    EXPECT_EQ(f.battle.Status(), "Střílí se na piráty!");
    // Nobody fires while a ball flies, and against the computer the pirates' cannon is
    // never the player's.
    EXPECT_EQ(f.battle.Fire(Merchant), FireResult::NotYourTurn);
    EXPECT_FALSE(f.battle.PiratesDue());
    f.battle.LandAt(100);
    EXPECT_EQ(f.battle.Fire(Pirates), FireResult::NotYourTurn);
    EXPECT_TRUE(f.battle.PiratesDue());
    f.battle.PiratesTurn();
    EXPECT_EQ(f.battle.Status(), "Piráti útočí!");
    f.battle.LandAt(500);
    EXPECT_EQ(f.battle.Status(), "Obchodní loď zaměřuje");
    EXPECT_TRUE(f.battle.PlayerMayFire(Merchant));

    // Two players: the second fires the pirates' cannon and no computer turn comes.
    Fight duel(HandOffWord::PiratiB2);
    duel.Shoot(Merchant, "45", "50");
    EXPECT_FALSE(duel.battle.PiratesDue());
    duel.battle.SetAim(Pirates, "-5", "40");
    EXPECT_EQ(duel.battle.Fire(Pirates), FireResult::Fired);
    EXPECT_EQ(duel.battle.AngleText(Pirates), "0");
}

TEST(BattleRules, WhatABattleLeavesForTheFleet) {
    using Shots = std::deque<Gunner::Shot>;
    const Shots cannon = {{"45", "42"}}; // on the pirates' cannon
    struct Case {
        HandOffWord mode;
        std::uint8_t damage;
        Shots merchant; // then the merchant leaves the battle
        Shots pirates;  // a second player's
        HandOffWord word;
        std::uint8_t fleetAfter;
    };
    const Case cases[] = {
        {HandOffWord::Pirati, 30, cannon, {}, HandOffWord::Vyhral, 45},
        {HandOffWord::Pirati, 25, cannon, {}, HandOffWord::Vyhral, 38},
        {HandOffWord::Pirati, 27, cannon, {}, HandOffWord::Vyhral, 40},
        {HandOffWord::Pirati, 100, cannon, {}, HandOffWord::Vyhral, 100},
        {HandOffWord::Pirati, 30, {}, {}, HandOffWord::Prohral, 30}, // surrendered
        // A duel never touches the game waiting behind the menu, not even a damaged merchant
        // closing a two-player duel.
        {HandOffWord::PiratiB, 30, cannon, {}, HandOffWord::Vyhral, 30},
        {HandOffWord::PiratiB, 30, {}, {}, HandOffWord::Prohral, 30},
        {HandOffWord::PiratiB2, 30, {{"45", "50"}}, {{"45", "46"}}, HandOffWord::PiratiB2, 30},
    };
    for (const Case& c : cases) {
        ScriptedRandom dice(Calm);
        BattleMemory memory;
        ScriptedGunner merchant(c.merchant), pirates(c.pirates);
        GunnerBattle battle(dice, memory, merchant, &pirates);
        GameState st;
        st.Fleet.Poskozeni = c.damage;
        const BattleResult r = battle.Fight(st, c.mode);
        EXPECT_EQ(r.word, c.word);
        EXPECT_TRUE(st.HandOff == c.word);
        EXPECT_EQ(st.Fleet.Poskozeni, c.damage);
        // The voyage takes the battle's damage into the fleet, then puts the battle away.
        if (c.mode == HandOffWord::Pirati)
            st.Fleet.Poskozeni = ToU8(r.merchantDamage);
        CarryDamageOver(st.Fleet, r);
        EXPECT_EQ(st.Fleet.Poskozeni, c.fleetAfter) << int(c.damage);
    }
}

TEST(GunnerBattle, ComputerPiratesFindTheirRangeAndSinkAMerchantWhoNeverHits) {
    ScriptedRandom dice({0.3f, 0.6f, 0.7f, 0.45f, 0.8f, 0.1f, 0.55f});
    BattleMemory memory;
    ScriptedGunner merchant(std::deque<Gunner::Shot>(60, {"80", "10"}));
    GunnerBattle battle(dice, memory, merchant);
    GameState st;
    const BattleResult r = battle.Fight(st, HandOffWord::PiratiB);
    EXPECT_EQ(r.word, HandOffWord::Prohral);
    EXPECT_GT(r.merchantDamage, 100);
    EXPECT_GT(merchant.shots.size(), 0u);
    EXPECT_GT(memory.lastPirateImpact, field::MerchantLeft);
    EXPECT_LT(memory.lastPirateImpact, field::MerchantLeft + field::ShipWidth);
}
