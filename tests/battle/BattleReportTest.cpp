#include "battle/BattleReport.h"
#include "battle/BattleFixture.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace vlnobrod;
using vlnobrod::testing::Fight;

// The pirates fire leftwards: a ball for them is short to the right of the merchant ship.
TEST(BattleReport, ABallIsShortOrLongByItsDistanceFromTheNearOrFarSideHitsStrictlyInsideAndIsTold) {
    const std::tuple<int, float, Fall, int> rows[] = {
        {Merchant, 200, Fall::Short, 8},  {Merchant, 208, Fall::Short, 0},
        {Merchant, 208.5f, Fall::Hit, 0}, {Merchant, 371.5f, Fall::Hit, 0},
        {Merchant, 372, Fall::Long, 0},   {Merchant, 380.4f, Fall::Long, 8},
        {Pirates, 170, Fall::Short, 12},  {Pirates, 158, Fall::Short, 0},
        {Pirates, 157.5f, Fall::Hit, 0},  {Pirates, -5.5f, Fall::Hit, 0},
        {Pirates, -6, Fall::Long, 0},     {Pirates, -10, Fall::Long, 4}};
    for (const auto& [shooter, at, fall, by] : rows) {
        Fight f;
        if (shooter == Merchant)
            f.MerchantLandsAt(at);
        else
            f.PiratesLandAt(at);
        const Landing l = LandingOf(f.battle, at);
        EXPECT_EQ(std::tuple(l.shooter, l.fall, l.by), std::tuple(shooter, fall, by)) << at;
    }
    EXPECT_EQ(LandingText({Merchant, Fall::Short, 35}),
              "Koule obchodní lodi dopadla 35 před pirátskou loď, krátká.");
    EXPECT_EQ(LandingText({Pirates, Fall::Long, 4}),
              "Koule pirátské lodi dopadla 4 za obchodní loď, dlouhá.");
    Fight voyage(HandOffWord::Pirati);
    voyage.MerchantLandsAt(300); // on the pirates' deck
    EXPECT_EQ(BattleSummary(voyage.battle),
              "Obchodní loď, poškození 0 %. Pirátská loď, poškození 40 %. " +
                  voyage.battle.WindLine());
    EXPECT_EQ(OutcomeText(HandOffWord::Prohral), "Vyhrála pirátská loď!");
    EXPECT_EQ(OutcomeText(HandOffWord::PiratiB2), "");
}
