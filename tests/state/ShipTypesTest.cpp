#include "state/ShipTypes.h"

#include <gtest/gtest.h>
#include <string>

using namespace vlnobrod;

TEST(ShipTypes, ThreeTypesWithTheirPricesAndTheUpgradesBetweenThem) {
    const struct {
        const char* name;
        std::int32_t price;
        const char* offer; // nullptr: nothing above
        int toType;
    } types[] = {
        {"Malá obchodní loď", 100000, "na velkou obchodní loď za 250 000", 1},
        {"Velká obchodní loď", 150000, "na galeonu za 500 000", 2},
        {"Galeona", 250000, nullptr, -1},
    };
    for (std::uint8_t typ = 0; typ < 3; ++typ) {
        const ShipType* t = FindShipType(typ);
        ASSERT_TRUE(t);
        EXPECT_EQ(std::string(t->name), types[typ].name);
        EXPECT_EQ(t->price, types[typ].price);
        ASSERT_EQ(t->upgrade.has_value(), types[typ].offer != nullptr);
        if (t->upgrade) {
            EXPECT_EQ(std::string(t->upgrade->offer), types[typ].offer);
            EXPECT_EQ(t->upgrade->toType, types[typ].toType);
        }
    }
    EXPECT_FALSE(FindShipType(3));
    EXPECT_FALSE(FindShipType(255));
}
