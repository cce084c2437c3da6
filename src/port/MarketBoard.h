#pragma once

#include "state/GameState.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vlnobrod {

// What the two price lists show for one city: the goods with a price, in goods order.
struct MarketRow {
    int goods;        // 0..13, the Tag of the name label
    std::string name; // may be empty: a price at an index the map has no name for
    std::int16_t price;
    std::string trend;       // "=", "<" (fell), ">" (rose)
    std::uint32_t barColour; // 0xRRGGBB: red for small moves, green for a fall, blue for a rise
    double barWidth;         // Cena / 110 × 11
};
std::vector<MarketRow> MarketRows(const GameState& st, std::uint8_t city);

} // namespace vlnobrod
