#include "trade/CityInfo.h"

#include <gtest/gtest.h>

using namespace vlnobrod;
// A number the game never writes (a damaged file) leaves the panel's line as it was.
TEST(CityInfo, ADaysResearchShowsTheChartAndUnknownValuesLeaveThePanelAsItWas) {
    CityRecord c;
    c.PruzkumTrhu = 1;
    EXPECT_EQ(DescribeCity(c).research, CityInfo::Research::Chart);
    c.PruzkumTrhu = 3;
    c.Velikost = 5;
    EXPECT_EQ(DescribeCity(c).research, CityInfo::Research::Unchanged);
    EXPECT_FALSE(DescribeCity(c).sizeWord);
}
