#include "port/MarketBoard.h"

#include <gtest/gtest.h>

using namespace vlnobrod;

TEST(MarketBoard, RowsShowTradedGoodsWithTrendAndBar) {
    struct Row {
        std::size_t goods;
        std::int16_t cena, since;
        const char* trend;
        std::uint32_t colour;
    };
    // A move of up to 10 either way is small (red); from 11 on a fall is green, a rise blue.
    const Row expected[] = {
        {0, 220, 220, "=", 0xFF0000u}, {1, 100, 120, "<", 0x00FF00u}, // fell by 20
        {2, 110, 120, "<", 0xFF0000u},                                // fell by exactly 10
        {4, 109, 120, "<", 0x00FF00u},                                // fell by 11
        {5, 330, 310, ">", 0x0000FFu}, {6, 95, 100, "<", 0xFF0000u},  // a fall of 5 is a small move
        {7, 130, 120, ">", 0xFF0000u},                                // rose by exactly 10
        {8, 131, 120, ">", 0x0000FFu},                                // rose by 11
    };
    GameState st;
    st.PocetMest = 1;
    for (const Row& r : expected)
        st.Cities[0].Trh[r.goods] = {r.cena, r.since, 0};
    st.Cities[0].Trh[3] = {0, 50, 0};     // not traded
    st.Cities[0].Trh[14] = {500, 100, 0}; // never shown
    const auto rows = MarketRows(st, 0);
    ASSERT_EQ(rows.size(), std::size(expected));
    EXPECT_DOUBLE_EQ(rows[0].barWidth, 22);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].goods, static_cast<int>(expected[i].goods));
        EXPECT_EQ(rows[i].trend, expected[i].trend) << rows[i].goods;
        EXPECT_EQ(rows[i].barColour, expected[i].colour) << rows[i].goods;
    }
    EXPECT_TRUE(MarketRows(st, 9).empty());
}
