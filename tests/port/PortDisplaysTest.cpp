#include "port/FleetSummary.h"
#include "port/MarketBoard.h"
#include "port/News.h"

#include <gtest/gtest.h>

using namespace vlnobrod;

TEST(FleetSummary, FleetTextsUseCzechPlurals) {
    EXPECT_EQ(FleetText(0, 1), "žádná loď typu: Velká obchodní loď");
    EXPECT_EQ(FleetText(1, 0), "1 loď typu: Malá obchodní loď");
    EXPECT_EQ(FleetText(3, 2), "3 lodě typu: Galeona");
    EXPECT_EQ(FleetText(4, 2), "4 lodě typu: Galeona");
    EXPECT_EQ(FleetText(5, 2), "5 lodí typu: Galeona");
    EXPECT_EQ(FleetText(22, 0), "22 lodí typu: Malá obchodní loď");
    EXPECT_EQ(FleetText(-1, 0), " typu: Malá obchodní loď");
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

TEST(MarketBoard, RowsShowTradedGoodsWithTrendAndBar) {
    GameState st;
    st.Mapa = "Mapa1";
    st.PocetMest = 1;
    auto& trh = st.Cities[0].Trh;
    trh[0] = {220, 220, 0};
    trh[1] = {100, 120, 0};
    trh[3] = {0, 50, 0}; // not traded
    trh[5] = {330, 310, 0};
    trh[6] = {95, 100, 0};
    trh[14] = {500, 100, 0}; // never shown
    const auto rows = MarketRows(st, 0);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].name, "Zlato");
    EXPECT_EQ(rows[0].trend, "=");
    EXPECT_EQ(rows[0].barColour, 0xFF0000u);
    EXPECT_DOUBLE_EQ(rows[0].barWidth, 22);
    EXPECT_EQ(rows[1].trend, "<");
    EXPECT_EQ(rows[1].barColour, 0x00FF00u); // fell by 20
    EXPECT_EQ(rows[2].goods, 5);
    EXPECT_EQ(rows[2].trend, ">");
    EXPECT_EQ(rows[2].barColour, 0x0000FFu);
    EXPECT_EQ(rows[3].trend, "<");
    EXPECT_EQ(rows[3].barColour, 0xFF0000u); // a fall of 5 is a small move
    EXPECT_TRUE(MarketRows(st, 9).empty());
}

TEST(News, TheQueueHoldsThreeItemsAndMovesUpOnePerTick) {
    GameState st;
    AddNews(st, "a", 1);
    AddNews(st, "b", 0);
    AddNews(st, "c", 4);
    AddNews(st, "d", 2); // lost
    auto first = TakeNews(st);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->text, "a");
    EXPECT_EQ(first->kind, 1);
    AddNews(st, "e", 3); // room again at the end
    EXPECT_EQ(TakeNews(st)->text, "b");
    EXPECT_EQ(TakeNews(st)->text, "c");
    EXPECT_EQ(TakeNews(st)->text, "e");
    EXPECT_FALSE(TakeNews(st));
}

TEST(News, AnEmptyFirstSlotStopsTheTicker) {
    GameState st;
    st.NewsQueue[1] = {"waiting", 2};
    EXPECT_FALSE(TakeNews(st));
    EXPECT_EQ(st.NewsQueue[1].text, "waiting");
}
