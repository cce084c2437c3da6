#include "battle/BattleReport.h"

#include <gtest/gtest.h>

using namespace vlnobrod;

namespace {

// A south wind of 1, the merchant from -6 to 158, the pirates from 208 to 372.
struct Fight {
    ScriptedRandom dice{std::vector<float>{0, 0, 0, 0}};
    BattleMemory memory;
    BattleRules battle{dice, memory, NumberLocale{}};
    Fight() { battle.Load(HandOffWord::Pirati, FleetRecord{}); }
};

} // namespace

TEST(BattleReport, ABallIsShortOrLongByItsDistanceFromTheNearOrFarSideAndHitsStrictlyInside) {
    struct Row {
        int shooter;
        float at;
        Fall fall;
        int by;
    };
    const Row rows[] = {
        {Merchant, 200, Fall::Short, 8},
        {Merchant, 208, Fall::Short, 0},
        {Merchant, 208.5f, Fall::Hit, 0},
        {Merchant, 371.5f, Fall::Hit, 0},
        {Merchant, 372, Fall::Long, 0},
        {Merchant, 380.4f, Fall::Long, 8},
        // The pirates fire leftwards: short is to the right of the merchant ship.
        {Pirates, 170, Fall::Short, 12},
        {Pirates, 158, Fall::Short, 0},
        {Pirates, 157.5f, Fall::Hit, 0},
        {Pirates, -5.5f, Fall::Hit, 0},
        {Pirates, -6, Fall::Long, 0},
        {Pirates, -10, Fall::Long, 4},
    };
    for (const Row& r : rows) {
        Fight f;
        f.battle.Fire(Merchant);
        if (r.shooter == Pirates) {
            f.battle.LandAt(100); // short of the pirates: their turn
            f.battle.PiratesTurn();
        }
        f.battle.LandAt(r.at);
        const Landing l = LandingOf(f.battle, r.at);
        EXPECT_EQ(l.shooter, r.shooter) << r.at;
        EXPECT_EQ(l.fall, r.fall) << r.at;
        EXPECT_EQ(l.by, r.by) << r.at;
    }
}

TEST(BattleReport, TheWordsForALandingTheShipsAndTheOutcome) {
    EXPECT_EQ(LandingText({Merchant, Fall::Short, 35}),
              "Koule obchodní lodi dopadla 35 před pirátskou loď, krátká.");
    EXPECT_EQ(LandingText({Pirates, Fall::Long, 4}),
              "Koule pirátské lodi dopadla 4 za obchodní loď, dlouhá.");
    EXPECT_EQ(LandingText({Merchant, Fall::Hit, 0}), "Koule obchodní lodi zasáhla pirátskou loď.");

    Fight f;
    f.battle.Fire(Merchant);
    f.battle.LandAt(300); // on the pirates' deck
    EXPECT_EQ(BattleSummary(f.battle),
              "Obchodní loď, poškození 0 %. Pirátská loď, poškození 40 %. " + f.battle.WindLine());
    ScriptedRandom dice{std::vector<float>{0, 0, 0, 0}};
    BattleMemory memory;
    BattleRules duel{dice, memory, NumberLocale{}};
    duel.Load(HandOffWord::PiratiB, FleetRecord{});
    EXPECT_EQ(
        BattleSummary(duel).rfind("Obchodní loď, poškození 0. Pirátská loď, poškození 0. ", 0), 0u);

    EXPECT_EQ(OutcomeText(HandOffWord::Vyhral), "Vyhrála obchodní loď!");
    EXPECT_EQ(OutcomeText(HandOffWord::Prohral), "Vyhrála pirátská loď!");
    EXPECT_EQ(OutcomeText(HandOffWord::PiratiB2), "");
}
