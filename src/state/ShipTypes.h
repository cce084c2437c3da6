#pragma once

#include <cstdint>
#include <optional>

namespace vlnobrod {

// The dock's offer to exchange the whole fleet for the next type.
struct ShipUpgrade {
    std::uint8_t toType;
    std::int32_t price;
    const char* offer; // "na galeonu za 500 000", asked as "Zlepšit " + offer
    const char* news;  // told when the fleet has been exchanged
};

// One type of ship: the fleet is always of one type (FleetRecord::Typ, below ShipTypeCount).
// Every figure of a type is written here once and read by the shipyard, the fleet summary,
// the company value, the voyage upkeep and the pictures.
struct ShipType {
    const char* name;      // "Malá obchodní loď"
    std::int32_t price;    // one ship bought or sold in the dock, and its worth in the company
    std::uint8_t capacity; // units of goods one ship of the type carries
    std::uint8_t speed;
    int upkeepThirds;    // a day at sea costs this many thirds of the small ship's upkeep
    const char* picture; // the ship's picture in the artwork
    int stripWidth;      // the picture's width on the voyage strip, in pixels
    std::optional<ShipUpgrade> upgrade;
};

// How many types there are, and the biggest: types are numbered from 0, smallest first.
inline constexpr std::uint8_t ShipTypeCount = 3;
inline constexpr std::uint8_t LastShipType = ShipTypeCount - 1;

// The type `typ`, or nothing for a number the game has no ship for (a damaged file).
const ShipType* FindShipType(std::uint8_t typ);

} // namespace vlnobrod
