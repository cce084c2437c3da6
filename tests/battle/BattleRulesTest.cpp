#include "battle/BattleRules.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vlnobrod;

namespace {

// Unless the dice say otherwise: a south wind of 1 and the pirate ship from 208 to 372, its
// cannon at 285.
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
    // The merchant fires at 45 degrees; the ball flies until it falls into the sea.
    float Fire(const char* power) {
        battle.SetAim(Merchant, "45", power);
        EXPECT_EQ(battle.Fire(Merchant), FireResult::Fired);
        while (battle.Tick()) {
        }
        return battle.Ball().x;
    }
    // A turn each: the merchant's ball falls short of the pirates, theirs comes down at L.
    void PiratesLandAt(float L) {
        battle.Fire(Merchant);
        battle.LandAt(100);
        battle.PiratesTurn();
        battle.LandAt(L);
    }
};

} // namespace

TEST(BattleRules, LoadingDrawsTheWindThePiratesAndInAVoyageTheDamage) {
    Fight north(HandOffWord::PiratiB, 20, {0.25f, 0.25f, 0.5f, 0.9999f});
    EXPECT_EQ(north.battle.WindLine(), ">> Severní vítr o rychlosti 6m/s"); // 5.5 to the even 6
    EXPECT_FLOAT_EQ(north.battle.ShipLeft(Pirates), 689.9518f); // past the window's edge
    EXPECT_EQ(north.dice.reseeds(), 2);
    EXPECT_EQ(north.battle.DamageCaption(Merchant), "Poškození: 0"); // a duel leaves the fleet out
    Fight voyage(HandOffWord::Pirati, 20, {0, 0, 0, 0, 0.4321f});
    EXPECT_EQ(voyage.battle.DamageCaption(Merchant), "20 %");
    EXPECT_EQ(voyage.battle.DamageCaption(Pirates), "21.605 %");
    EXPECT_EQ(voyage.battle.MerchantPicture(), "ship2");
}

TEST(BattleRules, HitsFallStrictlyInsideTheShipAndOnTheCannonStrictlyWithin15) {
    const std::pair<float, const char*> landings[] = {
        {208, "Poškození: 0"}, {372, "Poškození: 0"}, {208.5f, "40 %"}, {270, "40 %"},
        {270.5f, "over"},      {299.5f, "over"},      {300, "40 %"}};
    for (const auto& [L, outcome] : landings) {
        Fight f;
        f.battle.Fire(Merchant);
        f.battle.LandAt(L);
        EXPECT_EQ(f.battle.Over() ? "over" : f.battle.DamageCaption(Pirates), std::string(outcome))
            << L;
    }
    // Where the flight computes the ball: 38 lands on the deck, 42 on the cannon.
    Fight deck;
    EXPECT_NEAR(deck.Fire("38"), 262.5, 0.5);
    EXPECT_EQ(deck.battle.TakeSounds(), (std::vector<std::string>{"Malý výbuch", "Výbuch"}));
    Fight cannon;
    EXPECT_NEAR(cannon.Fire("42"), 289.1, 0.5);
    EXPECT_EQ(cannon.battle.Result().word, HandOffWord::Vyhral);
    cannon.battle.Surrender(); // an answer that comes after the end changes nothing
    EXPECT_EQ(cannon.battle.Result().word, HandOffWord::Vyhral);
    EXPECT_FALSE(cannon.battle.PiratesDue());
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

    // Their computed charge is fired as it is, above the slider's 120 and below nothing.
    Fight strong(HandOffWord::PiratiB, 0, {0, 0, 0, 0, 0});
    strong.battle.SetAim(Pirates, "45", "110");
    strong.memory.lastPirateImpact = 500; // short of the merchant
    strong.battle.Fire(Merchant);
    strong.battle.LandAt(100);
    strong.battle.PiratesTurn(); // (110 + 30) - 27 * 0
    EXPECT_EQ(strong.battle.PowerText(Pirates), "140");
    EXPECT_EQ(strong.battle.Flight().speed, 47);
    Fight weak(HandOffWord::PiratiB, 0, {0, 0, 0, 0, 0});
    weak.battle.SetAim(Pirates, "45", "3");
    weak.memory.lastPirateImpact = -100; // beyond it
    weak.battle.Fire(Merchant);
    weak.battle.LandAt(100);
    weak.battle.PiratesTurn(); // 17 * 0 + (3 - 20)
    EXPECT_EQ(weak.battle.PowerText(Pirates), "-17");
    int ticks = 0;
    while (weak.battle.Tick())
        ++ticks;
    EXPECT_LT(ticks, 10); // it falls at their feet

    // The next battle remembers where the last ball fell: no random first shot.
    Fight next;
    next.memory = f.memory;
    next.PiratesLandAt(500);
    EXPECT_EQ(next.battle.PowerText(Pirates), "70"); // 40 + 30
    EXPECT_EQ(next.dice.reseeds(), 2);
}

TEST(BattleRules, OneShotAFlightAndSettingsWithinTheirSliders) {
    Fight f;
    f.battle.SetAim(Merchant, "čtyřicet", "40");
    EXPECT_EQ(f.battle.Fire(Merchant), FireResult::NotANumber);
    EXPECT_EQ(f.battle.Status(), "Zadejte číslo");
    // Either decimal point; a typed charge beyond 200 goes at 200, one up to it as typed.
    f.battle.SetAim(Merchant, "45,5", "10000");
    EXPECT_EQ(f.battle.Fire(Merchant), FireResult::Fired);
    EXPECT_EQ(f.battle.Flight().angle, AngleRadians(45.5f));
    EXPECT_EQ(f.battle.PowerText(Merchant), "200");
    for (const auto& [typed, fired, speed] :
         {std::tuple{"200", "200", 67}, {"200.5", "200", 67}, {"150", "150", 50}}) {
        Fight g;
        g.battle.SetAim(Merchant, "45", typed);
        g.battle.Fire(Merchant);
        EXPECT_EQ(g.battle.PowerText(Merchant), fired);
        EXPECT_EQ(g.battle.Flight().speed, speed) << typed;
    }
    // Nobody fires while a ball flies; against the computer the pirates' cannon is never the
    // player's, and the computer's turn comes only once the ball is down.
    EXPECT_EQ(f.battle.Fire(Merchant), FireResult::NotYourTurn);
    EXPECT_FALSE(f.battle.PiratesDue());
    f.battle.LandAt(100);
    EXPECT_EQ(f.battle.Fire(Pirates), FireResult::NotYourTurn);
    EXPECT_TRUE(f.battle.PiratesDue());
    // Two players: the second fires the pirates' cannon and the computer stays out.
    Fight duel(HandOffWord::PiratiB2);
    duel.Fire("50");
    EXPECT_FALSE(duel.battle.PiratesDue());
    EXPECT_EQ(duel.battle.Fire(Pirates), FireResult::Fired);
}

TEST(BattleRules, OnlyAVoyageBattleWonOrLostAfloatLeavesHalfItsDamageForTheFleet) {
    struct Row {
        HandOffWord mode;
        std::uint8_t damage;
        bool surrender; // or fire on the pirates' cannon
        std::uint8_t fleetAfter;
    };
    const Row rows[] = {
        {HandOffWord::Pirati, 30, false, 45},   {HandOffWord::Pirati, 25, false, 38},
        {HandOffWord::Pirati, 27, false, 40},   {HandOffWord::Pirati, 100, false, 100},
        {HandOffWord::Pirati, 30, true, 30},    {HandOffWord::PiratiB, 30, false, 30},
        {HandOffWord::PiratiB2, 30, false, 30},
    };
    for (const Row& r : rows) {
        Fight f(r.mode, r.damage);
        if (r.surrender)
            f.battle.Surrender();
        else
            f.Fire("42");
        const BattleResult res = f.battle.Result();
        EXPECT_EQ(res.word, r.surrender ? HandOffWord::Prohral : HandOffWord::Vyhral);
        // The voyage takes the battle's damage into the fleet, then puts the battle away.
        FleetRecord fleet;
        fleet.Poskozeni = r.mode == HandOffWord::Pirati ? ToU8(res.merchantDamage) : r.damage;
        CarryDamageOver(fleet, res);
        EXPECT_EQ(fleet.Poskozeni, r.fleetAfter) << int(r.damage);
    }
}

TEST(BattleRules, ChargeSpeedFlightAndWindCaptions) {
    EXPECT_EQ(MuzzleSpeed(40), 13);
    EXPECT_EQ(MuzzleSpeed(120), 40);
    // At 45 degrees, speed 13 and no wind the ball is back at muzzle height after 169 pixels.
    Launch l;
    l.speed = 13;
    l.angle = AngleRadians(45);
    const double t = 2 * 13 * std::sin(l.angle);
    EXPECT_NEAR(FlightPosition(l, t).y, l.startY, 1e-9);
    EXPECT_NEAR(FlightPosition(l, t).x, 169, 0.5);
    // The strongest charge a player may type, straight up, is down in under six seconds.
    Fight up;
    up.battle.SetAim(Merchant, "90", "1000");
    up.battle.Fire(Merchant);
    int ticks = 0;
    while (up.battle.Tick())
        ++ticks;
    EXPECT_LT(ticks * 20, 6000);
    EXPECT_EQ(WindCaption("-3.5"), ">> Severní vítr o rychlosti 4m/s");
    EXPECT_EQ(WindCaption("3.5"), "<< Jižní vítr o rychlosti 3.5m/s");
}

TEST(BattleRules, ThreeBattlesInFourBlowFromTheNorth) {
    int north = 0, all = 0;
    for (float r1 = 0; r1 < 1; r1 += 0.01f)
        for (float r2 = 0; r2 < 1; r2 += 0.01f, ++all)
            north += Fight(HandOffWord::PiratiB, 0, {r1, r2, 0.5f, 0}).battle.Wind() < 0;
    EXPECT_NEAR(double(north) / all, 0.75, 0.01);
}

namespace {

// Whether the side at `ship` hits the other ship with this setting, in the battle the dice
// make; the merchant's first shot, for the pirates' side, falls at his own feet.
bool Hits(const std::vector<float>& dice, int ship, int angle, int power) {
    Fight f(HandOffWord::PiratiB2, 0, dice);
    if (ship == Pirates) {
        f.battle.SetAim(Merchant, "0", "0");
        f.battle.Fire(Merchant);
        while (f.battle.Tick()) {
        }
    }
    f.battle.SetAim(ship, std::to_string(angle), std::to_string(power));
    f.battle.Fire(ship);
    int ticks = 0;
    while (f.battle.Tick())
        ++ticks;
    EXPECT_LT(ticks, 300) << "a flight of six seconds at most";
    const int target = ship == Merchant ? Pirates : Merchant;
    return f.battle.Over() || f.battle.Damage(target) > 0;
}

} // namespace

// Every wind from both sides and every place of the pirates: both cannons can hit the other
// ship with a charge a player may type.
TEST(BattleRules, EveryBattleCanBeWonByEitherSide) {
    int hardest = 0;
    for (const bool north : {false, true})
        for (int wind = 0; wind <= 10; ++wind)
            for (int place = 0; place <= 20; ++place)
                for (const int ship : {Merchant, Pirates}) {
                    const float w = std::min(wind / 10.0f, 0.9999f);
                    const float p = std::min(place / 20.0f, 0.9999f);
                    const std::vector<float> dice = {north ? 0.25f : 0, north ? 0.25f : 0, w, p};
                    int found = -1;
                    for (int angle = 45; angle >= 15 && found < 0; angle -= 15)
                        for (int power = 0; power <= PowerRange.typedMaximum && found < 0; ++power)
                            if (Hits(dice, ship, angle, power))
                                found = power;
                    EXPECT_GE(found, 0) << (north ? "north " : "south ") << w << " at " << p
                                        << (ship == Merchant ? " merchant" : " pirates");
                    hardest = std::max(hardest, found);
                }
    EXPECT_GT(hardest, PowerRange.maximum); // the slider alone would not do
}
