#include "port/FleetSummary.h"

#include <gtest/gtest.h>

using namespace vlnobrod;

TEST(FleetSummary, FleetTextsUseCzechPlurals) {
    EXPECT_EQ(FleetText(0, 1), "žádná loď typu: Velká obchodní loď");
    EXPECT_EQ(FleetText(1, 0), "1 loď typu: Malá obchodní loď");
    EXPECT_EQ(FleetText(3, 2), "3 lodě typu: Galeona");
    EXPECT_EQ(FleetText(4, 2), "4 lodě typu: Galeona");
    EXPECT_EQ(FleetText(5, 2), "5 lodí typu: Galeona");
    EXPECT_EQ(FleetText(22, 0), "22 lodí typu: Malá obchodní loď");
}

TEST(FleetSummary, TheCargoListHasNoGapsAndTheLoadIsCountedInWholeUnits) {
    GameState st;
    st.Mapa = "Mapa3";
    st.Fleet.Naklad[2] = 10;
    st.Fleet.Naklad[9] = 2.5;
    const auto rows = CargoRows(st);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].goods, 2);
    EXPECT_EQ(rows[0].name, "Cennosti");
    EXPECT_EQ(rows[1].name, "Rýže");
    EXPECT_EQ(rows[1].unitsText, "2.5");
    st.locale.decimalSeparator = ',';
    EXPECT_EQ(CargoRows(st)[1].unitsText, "2,5");
    // Each slot is added and rounded: 10 + 2.5 = 12.5 goes to the even 12.
    EXPECT_EQ(CargoTotal(st.Fleet), 12);
    st.Fleet.Pocet = 3;
    st.Fleet.Nosnost = 100;
    EXPECT_EQ(FleetCapacity(st.Fleet), 300);
    EXPECT_EQ(LoadText(st.Fleet), "12 z 300");
    EXPECT_NEAR(LoadFraction(st.Fleet), 12.0 / 300, 1e-12);
}

TEST(FleetSummary, HugeFleetsAndCargoesDoNotWrapAround) {
    FleetRecord f;
    f.Pocet = 1000;
    f.Nosnost = 180;
    EXPECT_EQ(FleetCapacity(f), 32767);
    f.Naklad[0] = 30000;
    f.Naklad[1] = 30000;
    EXPECT_EQ(CargoTotal(f), 32767);
    f.Pocet = 0;
    EXPECT_DOUBLE_EQ(LoadFraction(f), 0);
}
