#include "menu/MenuRules.h"

#include <gtest/gtest.h>

using namespace vlnobrod;

TEST(SavedGames, TheNewestIsTheLastModifiedAndTheFirstOnATie) {
    EXPECT_EQ(NewestSave({}), -1);
    EXPECT_EQ(NewestSave({1731000000, 1700000000, 1731000000}), 0);
    EXPECT_EQ(NewestSave({1700000000, 1731000000, 1731000000}), 1);
    EXPECT_EQ(NewestSave({500000000, 600000000}), 0); // nothing after 1990: the first
}
