#pragma once

#include "state/GameState.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vlnobrod {

// "žádná loď typu: Galeona", "1 loď typu: …", "3 lodě typu: …", "7 lodí typu: …".
std::string FleetText(std::int16_t pocet, std::uint8_t typ);

// The cargo list without gaps: goods with something on board, in goods order.
struct CargoRow {
    int goods;
    std::string name;
    double units;
    std::string unitsText; // the amount as the player's system writes numbers
};
std::vector<CargoRow> CargoRows(const GameState& st);

// Units on board (each slot added and rounded) and the fleet's capacity (ships × capacity of
// one), worked out wide: a fleet of 200 galleons holds more than 16 bits count. Whatever
// decides a quantity uses these.
std::int64_t CargoUnits(const FleetRecord& fleet);
std::int64_t CapacityUnits(const FleetRecord& fleet);

// The same, saturated at the 16-bit bounds, for the figures kept in 16 bits.
std::int16_t CargoTotal(const FleetRecord& fleet);
std::int16_t FleetCapacity(const FleetRecord& fleet);

// How full the hold is, 0 for a fleet without ships (the load bar).
double LoadFraction(const FleetRecord& fleet);

// "120 z 250", wide.
std::string LoadText(const FleetRecord& fleet);

} // namespace vlnobrod
