#include "state/ShipTypes.h"

#include <gtest/gtest.h>

using namespace vlnobrod;

// The fleet grows from the small merchant to the galleon: each type's upgrade leads to the
// next, bigger, faster and wider on the voyage strip, and the last has none. A number past
// the table is no ship.
TEST(ShipTypes, EachUpgradeLeadsToTheNextTypeAndUnknownTypesAreNone) {
    for (std::uint8_t t = 0; t < ShipTypeCount; ++t) {
        const ShipType* type = FindShipType(t);
        ASSERT_TRUE(type);
        EXPECT_EQ(type->upgrade.has_value(), t != LastShipType) << int(t);
        if (!type->upgrade)
            continue;
        const ShipType* next = FindShipType(type->upgrade->toType);
        ASSERT_TRUE(next);
        EXPECT_EQ(type->upgrade->toType, t + 1);
        EXPECT_GT(next->capacity, type->capacity);
        EXPECT_GT(next->speed, type->speed);
        EXPECT_GT(next->stripWidth, type->stripWidth);
    }
    for (const std::uint8_t unknown : {ShipTypeCount, std::uint8_t{255}})
        EXPECT_EQ(FindShipType(unknown), nullptr);
}
