#include "battle/BattleRules.h"
#include "battle/BattleFixture.h"

#include <gtest/gtest.h>

using namespace vlnobrod;
using vlnobrod::testing::Fight;

TEST(BattleRules, LoadingDrawsTheWindThePiratesAndInAVoyageTheDamage) {
    Fight north(HandOffWord::PiratiB, 20, {0.25f, 0.25f, 0.5f, 0.9999f});
    EXPECT_EQ(north.battle.WindLine(), ">> Severní vítr o rychlosti 6m/s"); // 5.5 to the even 6
    EXPECT_EQ(WindCaption("3.5"), "<< Jižní vítr o rychlosti 3.5m/s");
    EXPECT_FLOAT_EQ(north.battle.ShipLeft(Pirates), 689.9518f); // past the window's edge
    EXPECT_EQ(north.dice.reseeds(), 2);
    EXPECT_EQ(north.battle.DamageCaption(Merchant), "Poškození: 0"); // a duel leaves the fleet out
    Fight voyage(HandOffWord::Pirati, 20, {0, 0, 0, 0, 0.4321f});
    EXPECT_EQ(voyage.battle.DamageCaption(Merchant), "20 %");
    EXPECT_EQ(voyage.battle.DamageCaption(Pirates), "21.605 %");
    EXPECT_EQ(voyage.battle.MerchantPicture(), "ship2");
    int northerly = 0, all = 0; // three battles in four blow from the north
    for (float r1 = 0; r1 < 1; r1 += 0.01f)
        for (float r2 = 0; r2 < 1; r2 += 0.01f, ++all)
            northerly += Fight(HandOffWord::PiratiB, 0, {r1, r2, 0.5f, 0}).battle.Wind() < 0;
    EXPECT_NEAR(double(northerly) / all, 0.75, 0.01);
}

TEST(BattleRules, HitsFallStrictlyInsideTheShipAndOnTheCannonStrictlyWithin15) {
    const std::pair<float, const char*> landings[] = {
        {208, "Poškození: 0"}, {372, "Poškození: 0"}, {208.5f, "40 %"}, {270, "40 %"},
        {270.5f, "over"},      {299.5f, "over"},      {300, "40 %"}};
    for (const auto& [L, outcome] : landings) {
        Fight f;
        f.MerchantLandsAt(L);
        EXPECT_EQ(f.battle.Over() ? "over" : f.battle.DamageCaption(Pirates), std::string(outcome))
            << L;
    }
    Fight deck;
    deck.Fire("38"); // where the flight computes the ball, 38 lands on the deck
    EXPECT_EQ(deck.battle.TakeSounds(), (std::vector<std::string>{"Malý výbuch", "Výbuch"}));
}

TEST(BattleRules, EachHitAdds40AndAShipAbove100Sinks) {
    // 61 goes down at the first hit (101); 20 floats at exactly 100 and goes down at the
    // third; 230 stays at 255 rather than wrapping round.
    const std::tuple<std::uint8_t, int, const char*> rows[] = {
        {0, 3, "120 %"}, {20, 3, "140 %"}, {21, 2, "101 %"}, {61, 1, "101 %"}, {230, 1, "255 %"}};
    for (const auto& [start, hitsToSink, last] : rows) {
        Fight f(HandOffWord::Pirati, start);
        int hits = 0;
        for (; !f.battle.Over() && hits < 5; ++hits)
            f.PiratesLandAt(20); // on the merchant's deck, clear of its cannon at 90
        EXPECT_EQ(hits, hitsToSink) << int(start);
        EXPECT_EQ(f.battle.DamageCaption(Merchant), last);
        EXPECT_EQ(f.battle.Result().word, HandOffWord::Prohral);
        EXPECT_EQ(f.battle.TakeSounds().back(), "Výbuch2");
    }
}

TEST(BattleRules, ComputerPiratesAimByWhereTheirLastBallFell) {
    Fight f(HandOffWord::PiratiB, 0, {0, 0, 0, 0, 0.5f, 0.25f, 0});
    f.PiratesLandAt(-7); // a first shot at random from a fresh seed; it falls beyond the ship
    EXPECT_EQ(f.dice.reseeds(), 3);
    EXPECT_EQ(f.battle.AngleText(Pirates), "50");
    EXPECT_EQ(f.battle.PowerText(Pirates), "70");
    f.PiratesLandAt(-6); // less powder, 17r + (70 - 20); it falls exactly at the ship's edge
    EXPECT_EQ(f.battle.PowerText(Pirates), "50");
    f.PiratesLandAt(20); // the edge is not beyond: more powder, (50 + 30) - 27r; a hit
    EXPECT_EQ(f.battle.PowerText(Pirates), "80");
    f.PiratesLandAt(20); // on target: the same shot again
    EXPECT_EQ(f.battle.PowerText(Pirates), "80");
    EXPECT_EQ(f.dice.reseeds(), 3);

    // Their computed charge is fired as it is, above the slider's 120 and below nothing:
    // (110 + 30) - 27 * 0 after a ball short of the merchant, 17 * 0 + (3 - 20) after one beyond.
    for (const auto& [set, lastImpact, fired, speed] :
         {std::tuple{"110", 500, "140", 47}, {"3", -100, "-17", -6}}) {
        Fight g(HandOffWord::PiratiB, 0, {0, 0, 0, 0, 0});
        g.battle.SetAim(Pirates, "45", set);
        g.memory.lastPirateImpact = std::int16_t(lastImpact);
        g.MerchantLandsAt(100);
        g.battle.PiratesTurn();
        EXPECT_EQ(g.battle.PowerText(Pirates), fired);
        EXPECT_EQ(g.battle.Flight().speed, speed);
    }

    Fight next; // it remembers where the last ball fell: no random first shot
    next.memory = f.memory;
    next.PiratesLandAt(500); // aimed from it at 40 + 30
    EXPECT_EQ(std::tuple(next.battle.PowerText(Pirates), next.dice.reseeds()), std::tuple("70", 2));
}

TEST(BattleRules, OneShotAFlightAndSettingsWithinTheirSliders) {
    Fight f;
    f.battle.SetAim(Merchant, "čtyřicet", "40");
    EXPECT_EQ(f.battle.Fire(Merchant), FireResult::NotANumber);
    EXPECT_EQ(f.battle.Status(), "Zadejte číslo");
    // Either decimal point; a typed charge beyond 200 goes at 200, one up to it as typed.
    for (const auto& [typed, fired, speed] :
         {std::tuple{"200", "200", 67}, {"200,5", "200", 67}, {"150", "150", 50}}) {
        Fight g;
        g.battle.SetAim(Merchant, "45,5", typed);
        EXPECT_EQ(g.battle.Fire(Merchant), FireResult::Fired);
        EXPECT_EQ(g.battle.Flight().angle, AngleRadians(45.5f));
        EXPECT_EQ(g.battle.PowerText(Merchant), fired);
        EXPECT_EQ(g.battle.Flight().speed, speed) << typed;
    }
    f.battle.SetAim(Merchant, "45", "40");
    f.battle.Fire(Merchant);
    // Nobody fires while a ball flies; against the computer the pirates' cannon is never the
    // player's, and the computer's turn comes only once the ball is down.
    EXPECT_EQ(f.battle.Fire(Merchant), FireResult::NotYourTurn);
    EXPECT_FALSE(f.battle.PiratesDue());
    f.battle.LandAt(100);
    EXPECT_EQ(f.battle.Fire(Pirates), FireResult::NotYourTurn);
    EXPECT_TRUE(f.battle.PiratesDue());
    // The strongest charge a player may type, straight up, is down in under six seconds.
    Fight up;
    up.battle.SetAim(Merchant, "90", "1000");
    up.battle.Fire(Merchant);
    EXPECT_LT(up.Fly() * 20, 6000);
}

TEST(BattleRules, OnlyAVoyageBattleWonOrLostAfloatLeavesHalfItsDamageForTheFleet) {
    // The start, a surrender (else 42 hits the pirates' cannon), the fleet's damage after.
    const std::tuple<HandOffWord, std::uint8_t, bool, std::uint8_t> rows[] = {
        {HandOffWord::Pirati, 30, false, 45},  {HandOffWord::Pirati, 25, false, 38},
        {HandOffWord::Pirati, 27, false, 40},  {HandOffWord::Pirati, 100, false, 100},
        {HandOffWord::Pirati, 30, true, 30},   {HandOffWord::PiratiB, 30, false, 30},
        {HandOffWord::PiratiB2, 30, false, 30}};
    for (const auto& [mode, damage, surrender, fleetAfter] : rows) {
        Fight f(mode, damage);
        if (!surrender)
            f.Fire("42");
        f.battle.Surrender(); // after the end of the battle an answer changes nothing
        EXPECT_FALSE(f.battle.PiratesDue());
        const BattleResult res = f.battle.Result();
        EXPECT_EQ(res.word, surrender ? HandOffWord::Prohral : HandOffWord::Vyhral);
        // The voyage takes the battle's damage into the fleet, then puts the battle away.
        FleetRecord fleet;
        fleet.Poskozeni = mode == HandOffWord::Pirati ? ToU8(res.merchantDamage) : damage;
        CarryDamageOver(fleet, res);
        EXPECT_EQ(fleet.Poskozeni, fleetAfter) << int(damage);
    }
}
