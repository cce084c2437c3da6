#include "voyage/VoyageReport.h"

#include "voyage/Voyage.h"
#include "voyage/VoyageFixture.h"

#include <gtest/gtest.h>

using namespace vlnobrod;
using vlnobrod::testing::Sea;

TEST(VoyageReport, DaysAreCountedInCzech) {
    const std::pair<int, const char*> rows[] = {{0, "0 dnů"}, {1, "1 den"}, {2, "2 dny"},
                                                {4, "4 dny"}, {5, "5 dnů"}, {12, "12 dnů"}};
    for (const auto& [days, text] : rows)
        EXPECT_EQ(DaysText(days), text);
}

TEST(VoyageReport, ACityTellsItsAccessAndDistanceFromTheFleet) {
    Sea sea;
    sea.st.Cities[2].Pristup = 1500;
    EXPECT_EQ(CityText(sea.st, 0), "zde kotví vaše loďstvo");
    EXPECT_EQ(CityText(sea.st, 1), "otevřené město, vzdálenost 300");
    EXPECT_EQ(CityText(sea.st, 2), "uzavřené město, přístup za 1 500 zlatých, vzdálenost 10");
    EXPECT_EQ(CityText(sea.st, 3), "");
    EXPECT_EQ(ChartText(sea.st), "Mapa moře. Vlnobrod: zde kotví vaše loďstvo. Skalná: otevřené "
                                 "město, vzdálenost 300. Mys: uzavřené město, přístup za 1 500 "
                                 "zlatých, vzdálenost 10.");
}

TEST(VoyageReport, TheDaysLeftAreTheDaysTheVoyageStillSails) {
    Sea sea({0.99f}); // a quiet sea
    ASSERT_EQ(SetSail(sea.st, 1), SailAnswer::Sailing);
    const int left = DaysLeft(sea.st);
    EXPECT_EQ(VoyageText(sea.st),
              "Plavba do města Skalná: na moři 0 dnů, zbývá asi " + DaysText(left) + ".");
    EXPECT_EQ(CityText(sea.st, 1), "otevřené město, cíl plavby");
    int days = 0;
    for (int tick = 0; tick < 10000; ++tick) {
        EXPECT_EQ(DaysLeft(sea.st), left - days) << tick;
        const VoyageTick t = SailTick(sea.st, sea.rnd, sea.view, sea.battle);
        if (t.arrived)
            break;
        days += t.dayPassed ? 1 : 0;
    }
    EXPECT_EQ(days + 1, left); // the day of the arrival is the last
    EXPECT_EQ(VoyageText(sea.st), "");
}
