#pragma once

#include "state/GameState.h"

#include <cstdint>

namespace vlnobrod {

// Market research bought for a city ("Průzkum trhu"): its prices of today are shown from
// afar. Bought for a day it ends with the day; bought for good it stays.
enum class Research : std::uint8_t { None = 0, OneDay = 1, Permanent = 2 };

// The city's research as the game file keeps it (PruzkumTrhu): 0 none, 2 permanent, and any
// other number a day's research, as it has always counted.
inline Research ResearchOf(const CityRecord& c) {
    switch (c.PruzkumTrhu) {
    case 0:
        return Research::None;
    case 2:
        return Research::Permanent;
    default:
        return Research::OneDay;
    }
}

// Whether the file's number is one the game writes; a damaged file's other numbers still
// count as a day's research, but the city panel leaves its research line as it was.
inline bool KnownResearch(const CityRecord& c) {
    return c.PruzkumTrhu <= static_cast<std::uint8_t>(Research::Permanent);
}

inline void SetResearch(CityRecord& c, Research r) {
    c.PruzkumTrhu = static_cast<std::uint8_t>(r);
}

} // namespace vlnobrod
