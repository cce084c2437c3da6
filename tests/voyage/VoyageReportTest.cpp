#include "voyage/VoyageReport.h"
#include "voyage/VoyageFixture.h"

#include <gtest/gtest.h>

using namespace vlnobrod;
using namespace vlnobrod::testing;

TEST(VoyageReport, ACityTellsItsAccessAndDistanceFromTheFleetAndTheVoyageItsDaysInCzech) {
    const std::pair<int, const char*> rows[] = {{0, "0 dnů"}, {1, "1 den"}, {2, "2 dny"},
                                                {4, "4 dny"}, {5, "5 dnů"}, {12, "12 dnů"}};
    for (const auto& [days, text] : rows)
        EXPECT_EQ(DaysText(days), text);
    Sea sea;
    sea.st.Cities[2].Pristup = 1500;
    EXPECT_EQ(CityText(sea.st, 3), "");
    EXPECT_EQ(ChartText(sea.st), "Mapa moře. Vlnobrod: zde kotví vaše loďstvo. Skalná: otevřené "
                                 "město, vzdálenost 300. Mys: uzavřené město, přístup za 1 500 "
                                 "zlatých, vzdálenost 10.");
    EXPECT_EQ(VoyageText(sea.st), "");
    ASSERT_EQ(SetSail(sea.st, 1), SailAnswer::Sailing);
    EXPECT_EQ(CityText(sea.st, 1), "otevřené město, cíl plavby");
    EXPECT_EQ(VoyageText(sea.st), "Plavba do města Skalná: na moři 0 dnů, zbývá asi 20 dnů.");
}
