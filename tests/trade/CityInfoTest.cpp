#include "trade/CityInfo.h"

#include <gtest/gtest.h>

using namespace vlnobrod;
// A day's research shows the chart; a number the game never writes (a damaged file) leaves
// the panel's research line as it was, and so does an unknown size its size word.
TEST(CityInfo, ADaysResearchShowsTheChartAndUnknownValuesLeaveThePanelAsItWas) {
    CityRecord c;
    c.PruzkumTrhu = 1;
    EXPECT_EQ(DescribeCity(c).research, CityInfo::Research::Chart);
    c.PruzkumTrhu = 3;
    c.Velikost = 5;
    EXPECT_EQ(DescribeCity(c).research, CityInfo::Research::Unchanged);
    EXPECT_FALSE(DescribeCity(c).sizeWord);
}
