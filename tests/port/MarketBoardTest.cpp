#include "port/MarketBoard.h"

#include <gtest/gtest.h>

using namespace vlnobrod;

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
