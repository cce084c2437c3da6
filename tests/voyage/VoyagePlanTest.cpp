#include "voyage/VoyagePlan.h"
#include "voyage/VoyageFixture.h"

#include <gtest/gtest.h>

#include <array>

using namespace vlnobrod;
using namespace vlnobrod::testing;

TEST(VoyagePlan, StepAndTicksPerDayFollowTheDistanceTheSpeedAndTheShip) {
    // Distance, speed and ship type, then the step and the ticks a day.
    const std::array<int, 5> rows[] = {
        {649, 25, 0, 2, 12},  // (649 / 2) / 25.96 = 12.5: the half goes to the even 12
        {131, 1, 1, 1, 5},    // a step of 0.5 rounds to 0 and still moves a pixel
        {7, 15, 0, 255, 5},   // under half a day: the ship crosses at 255 pixels a tick
        {0, 15, 2, 255, 255}, // no way at all: a day of 255 ticks it never reaches
    };
    for (const auto& [distance, speed, typ, step, ticksPerDay] : rows) {
        FleetRecord f;
        f.Rychlost = static_cast<std::uint8_t>(speed);
        f.Typ = static_cast<std::uint8_t>(typ);
        const VoyagePlan p = PlanVoyage(static_cast<std::int16_t>(distance), f);
        EXPECT_EQ(std::tuple(int(p.step), int(p.ticksPerDay)), std::tuple(step, ticksPerDay))
            << distance;
    }
    // A bigger ship is drawn wider on the strip.
    EXPECT_LT(ShipPictureWidth(0), ShipPictureWidth(1));
    EXPECT_LT(ShipPictureWidth(1), ShipPictureWidth(2));
}

TEST(VoyagePlan, SettingSailRefusesInOrderOrMakesTheDestinationCurrentAndATurnKeepsTheOrigin) {
    // The city and the ships, then the answer and the news.
    const std::tuple<int, std::int16_t, SailAnswer, const char*> rows[] = {
        {0, 2, SailAnswer::NowhereToGo, "2:Není kam cestovat!"},
        {1, 0, SailAnswer::NoShips, "2:Nemáte žádnou loď!"},
        {5, 2, SailAnswer::NoSuchCity, ""},
    };
    for (const auto& [city, ships, answer, news] : rows) {
        Sea s;
        s.st.Fleet.Pocet = ships;
        SCOPED_TRACE(news);
        EXPECT_EQ(SetSail(s.st, city), answer);
        EXPECT_EQ(DrainNews(s.st), news);
        EXPECT_EQ(std::tuple(s.st.AktualniMesto, s.st.PendingAction, s.st.Plavba.NaMori),
                  std::tuple(0, Pending::None, false));
    }

    Sea s;
    s.st.StateSaved = true;
    ASSERT_EQ(SetSail(s.st, 1), SailAnswer::Sailing);
    EXPECT_FALSE(s.st.StateSaved); // the voyage is a change the player has not saved
    s.st.Plavba.Dny = 4;
    s.st.Plavba.Pozice = 200;
    s.st.Plavba.Tiky = 7;
    // Turning for Mys, 10 pixels from the port left: planned from there, days kept.
    ASSERT_EQ(SetSail(s.st, 2), SailAnswer::Sailing);
    const VoyageRecord& v = s.st.Plavba;
    EXPECT_EQ(std::tuple(s.st.AktualniMesto, v.Odkud, v.Vzdalenost, v.Dny, v.Pozice, v.Tiky),
              std::tuple(2, 0, 10, 4, -76, 0));
}
