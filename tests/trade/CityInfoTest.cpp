#include "trade/CityInfo.h"

#include <gtest/gtest.h>

using namespace vlnobrod;

// No research offers it, a day's or permanent research shows the chart, and a number the
// game never writes (a damaged file) leaves the panel's research line as it was; so does an
// unknown size its size word.
TEST(CityInfo, ResearchOffersOrShowsTheChartAndUnknownValuesLeaveThePanelAsItWas) {
    const std::pair<std::uint8_t, CityInfo::Research> rows[] = {
        {0, CityInfo::Research::Offer},
        {1, CityInfo::Research::Chart},
        {2, CityInfo::Research::Chart},
        {3, CityInfo::Research::Unchanged},
    };
    for (const auto& [stored, shown] : rows) {
        CityRecord c;
        c.PruzkumTrhu = stored;
        EXPECT_EQ(DescribeCity(c).research, shown) << int(stored);
    }
    CityRecord c;
    c.Velikost = 5;
    EXPECT_FALSE(DescribeCity(c).sizeWord);
}
