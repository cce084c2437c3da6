#include "state/Goods.h"

#include <gtest/gtest.h>

using vlnobrod::GoodsName;

TEST(Goods, EachMapHasItsOwnList) {
    EXPECT_EQ(GoodsName("Mapa1", 0), "Zlato");
    EXPECT_EQ(GoodsName("Mapa1", 2), "Cenosti");
    EXPECT_EQ(GoodsName("Mapa2", 13), "Kamení");
    EXPECT_EQ(GoodsName("Mapa3", 2), "Cennosti");
    EXPECT_EQ(GoodsName("Mapa3", 7), "Knihy");
    EXPECT_EQ(GoodsName("Mapa3", 11), "Čaj");
    EXPECT_EQ(GoodsName("Mapa3", 12), "");
    EXPECT_EQ(GoodsName("Mapa4", 1), "Diamanty");
    EXPECT_EQ(GoodsName("Mapa4", 7), "Banány");
    for (int i = 8; i <= 13; ++i)
        EXPECT_EQ(GoodsName("Mapa4", i), "");
}

TEST(Goods, OtherMapsUseTheFirstListAndEntry14HasNoName) {
    EXPECT_EQ(GoodsName("Karibik", 11), "Střelný prach");
    EXPECT_EQ(GoodsName("mapa3", 7), "Jídlo"); // the id is compared exactly
    for (const char* m : {"Mapa1", "Mapa2", "Mapa3", "Mapa4", "X"}) {
        EXPECT_EQ(GoodsName(m, 14), "");
        EXPECT_EQ(GoodsName(m, -1), "");
    }
}
