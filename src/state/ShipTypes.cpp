#include "ShipTypes.h"

#include <array>

namespace vlnobrod {

namespace {

// An upgrade adds the difference of capacity and speed to what the fleet has: 50 and 8 to a
// large merchant, 80 and 8 more to a galleon.
const std::array<ShipType, ShipTypeCount> types = {{
    {"Malá obchodní loď", 100000, 50, 15, 1, "ship0", 76,
     ShipUpgrade{1, 250000, "na velkou obchodní loď za 250 000",
                 "Všechny lodě byly vyměněni za Velké obchodní"}},
    {"Velká obchodní loď", 150000, 100, 23, 2, "ship1", 82,
     ShipUpgrade{2, 500000, "na galeonu za 500 000", "Všechny lodě byly vyměněni za Galeony"}},
    {"Galeona", 250000, 180, 31, 3, "ship2", 106, std::nullopt},
}};

} // namespace

const ShipType* FindShipType(std::uint8_t typ) {
    return typ < types.size() ? &types[typ] : nullptr;
}

} // namespace vlnobrod
