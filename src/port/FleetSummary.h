#pragma once

#include "state/GameState.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vlnobrod {

// "Malá obchodní loď", "Velká obchodní loď", "Galeona".
std::string ShipTypeName(std::uint8_t typ);

// "žádná loď typu: Galeona", "1 loď typu: …", "3 lodě typu: …", "7 lodí typu: …".
std::string FleetText(std::int16_t pocet, std::uint8_t typ);

// The upgrade offered in the dock for a ship type: the text, and the type it leads to.
// Galleons have nothing above them.
struct UpgradeOffer {
    std::string text;
    std::uint8_t toType;
};
std::optional<UpgradeOffer> UpgradeFor(std::uint8_t typ);

// The cargo list without gaps: goods with something on board, in goods order.
struct CargoRow {
    int goods;
    std::string name;
    double units;
    std::string unitsText; // the amount as the player's system writes numbers
};
std::vector<CargoRow> CargoRows(const GameState& st);

// Units on board (each slot added and rounded, saturated at the 16-bit bounds) and the
// fleet's capacity (ships × capacity of one, saturated likewise).
std::int16_t CargoTotal(const FleetRecord& fleet);
std::int16_t FleetCapacity(const FleetRecord& fleet);

// How full the hold is, 0 for a fleet without ships (the load bar).
double LoadFraction(const FleetRecord& fleet);

// "120 z 250"
std::string LoadText(const FleetRecord& fleet);

} // namespace vlnobrod
