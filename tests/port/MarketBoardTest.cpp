#include "port/MarketBoard.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace vlnobrod;

TEST(MarketBoard, RowsShowTradedGoodsWithTrendAndBar) {
    // A move of up to 10 either way is small (red); from 11 on a fall is green, a rise blue.
    const std::tuple<int, std::int16_t, std::int16_t, const char*, std::uint32_t> expected[] = {
        {0, 220, 220, "=", 0xFF0000u}, {1, 100, 120, "<", 0x00FF00u}, // fell by 20
        {2, 110, 120, "<", 0xFF0000u},                                // fell by exactly 10
        {4, 109, 120, "<", 0x00FF00u},                                // fell by 11
        {5, 330, 310, ">", 0x0000FFu}, {6, 95, 100, "<", 0xFF0000u},  // a fall of 5 is a small move
        {7, 130, 120, ">", 0xFF0000u},                                // rose by exactly 10
        {8, 131, 120, ">", 0x0000FFu},                                // rose by 11
    };
    GameState st;
    st.PocetMest = 1;
    for (const auto& [goods, cena, since, trend, colour] : expected)
        st.Cities[0].Trh[static_cast<std::size_t>(goods)] = {cena, since, 0};
    st.Cities[0].Trh[3] = {0, 50, 0};     // not traded
    st.Cities[0].Trh[14] = {500, 100, 0}; // never shown
    const auto rows = MarketRows(st, 0);
    ASSERT_EQ(rows.size(), std::size(expected));
    EXPECT_DOUBLE_EQ(rows[0].barWidth, 22);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& [goods, cena, since, trend, colour] = expected[i];
        EXPECT_EQ(std::tuple(rows[i].goods, rows[i].price, rows[i].trend, rows[i].barColour),
                  std::tuple(goods, cena, std::string(trend), colour));
    }
    EXPECT_TRUE(MarketRows(st, 9).empty());
}
