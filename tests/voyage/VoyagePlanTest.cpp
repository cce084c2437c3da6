#include "voyage/VoyagePlan.h"
#include "voyage/VoyageFixture.h"

#include <gtest/gtest.h>

using namespace vlnobrod;
using namespace vlnobrod::testing;

TEST(VoyagePlan, StepAndTicksPerDayFollowTheDistanceTheSpeedAndTheShip) {
    struct Case {
        std::int16_t distance;
        std::uint8_t speed, typ;
        double days;
        int step, ticksPerDay;
    };
    const Case cases[] = {
        // 649 * 0.1 / 20 = 3.245 and (649 / 3) / 20 = 10.8.
        {300, 15, 0, 20, 3, 11},
        // (649 / 2) / 25.96 = 12.5: the half goes to the even 12.
        {649, 25, 0, 25.96, 2, 12},
        // A step of 0.5 rounds to 0 and still moves a pixel.
        {131, 1, 1, 131, 1, 5},
        // Under half a day: the ship crosses at 255 pixels a tick.
        {7, 15, 0, 7.0 / 15, 255, 5},
        // No way at all: 255 pixels a tick, and a day of 255 ticks it never reaches.
        {0, 15, 2, 0, 255, 255},
    };
    for (const Case& c : cases) {
        FleetRecord f;
        f.Rychlost = c.speed;
        f.Typ = c.typ;
        const VoyagePlan p = PlanVoyage(c.distance, f);
        EXPECT_DOUBLE_EQ(p.days, c.days) << c.distance;
        EXPECT_EQ(p.step, c.step) << c.distance;
        EXPECT_EQ(p.ticksPerDay, c.ticksPerDay) << c.distance;
    }
    EXPECT_EQ(SeaDistance(SeaGame().Cities[0], SeaGame().Cities[1]), 300);
}

TEST(VoyagePlan, RefusalsComeInTheirOrderAndChangeNothing) {
    struct Case {
        const char* name;
        int city;
        double access;
        std::int16_t ships;
        SailAnswer answer;
        const char* news;
        std::uint8_t kind;
    };
    const Case cases[] = {
        {"closed current city", 0, 500, 2, SailAnswer::NoAccess, "Do města není povolen přístup",
         4},
        {"current city", 0, 0, 2, SailAnswer::NowhereToGo, "Není kam cestovat!", 2},
        {"no ships", 1, 0, 0, SailAnswer::NoShips, "Nemáte žádnou loď!", 2},
        {"no such city", 5, 0, 2, SailAnswer::NoSuchCity, "", 0},
    };
    for (const Case& c : cases) {
        GameState st = SeaGame();
        st.Cities[0].Pristup = c.access;
        st.Fleet.Pocet = c.ships;
        EXPECT_EQ(SetSail(st, c.city), c.answer) << c.name;
        EXPECT_EQ(st.NewsQueue[0].text, c.news) << c.name;
        EXPECT_EQ(st.NewsQueue[0].kind, c.kind) << c.name;
        EXPECT_EQ(st.AktualniMesto, 0) << c.name;
        EXPECT_EQ(st.PendingAction, Pending::None) << c.name;
        EXPECT_FALSE(st.Plavba.NaMori) << c.name;
    }
}

TEST(VoyagePlan, SettingSailMakesTheDestinationCurrentAndATurnKeepsTheOrigin) {
    GameState st = SeaGame();
    st.StateSaved = true;
    ASSERT_EQ(SetSail(st, 1), SailAnswer::Sailing);
    EXPECT_EQ(st.AktualniMesto, 1);
    EXPECT_EQ(st.PendingAction, Pending::Voyage);
    EXPECT_FALSE(st.StateSaved);
    EXPECT_EQ(st.Plavba.Odkud, 0);
    EXPECT_EQ(st.Plavba.Vzdalenost, 300);
    EXPECT_EQ(st.Plavba.Pozice, -76);
    EXPECT_TRUE(st.NewsQueue[0].text.empty());

    // At sea towards Skalná: Skalná is already current.
    EXPECT_EQ(SetSail(st, 1), SailAnswer::NowhereToGo);
    st.Plavba.Dny = 4;
    st.Plavba.Pozice = 200;
    st.Plavba.Tiky = 7;
    // Turning for Mys, 10 pixels from the port left: planned from there, days kept.
    ASSERT_EQ(SetSail(st, 2), SailAnswer::Sailing);
    EXPECT_EQ(st.AktualniMesto, 2);
    EXPECT_EQ(st.Plavba.Odkud, 0);
    EXPECT_EQ(st.Plavba.Kam, 2);
    EXPECT_EQ(st.Plavba.Vzdalenost, 10);
    EXPECT_EQ(st.Plavba.Dny, 4);
    EXPECT_EQ(st.Plavba.Pozice, -76);
    EXPECT_EQ(st.Plavba.Tiky, 0);

    // Mys first and Skalná at once: the long way is not shortened by the short one.
    GameState quick = SeaGame();
    ASSERT_EQ(SetSail(quick, 2), SailAnswer::Sailing);
    ASSERT_EQ(SetSail(quick, 1), SailAnswer::Sailing);
    EXPECT_EQ(quick.Plavba.Vzdalenost, 300);
}
