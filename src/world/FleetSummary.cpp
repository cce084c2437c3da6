#include "FleetSummary.h"

#include "state/Numbers.h"
#include "state/Scenarios.h"
#include "state/ShipTypes.h"

#include <algorithm>
#include <cmath>

namespace vlnobrod {

std::string FleetText(std::int16_t pocet, std::uint8_t typ) {
    std::string count;
    if (pocet == 0)
        count = "žádná loď";
    else if (pocet == 1)
        count = "1 loď";
    else if (pocet >= 2 && pocet <= 4)
        count = std::to_string(pocet) + " lodě";
    else if (pocet >= 5)
        count = std::to_string(pocet) + " lodí";
    const ShipType* type = FindShipType(typ);
    return count + " typu: " + (type ? type->name : "");
}

std::vector<CargoRow> CargoRows(const GameState& st) {
    std::vector<CargoRow> rows;
    for (int i = 0; i < CargoSlots; ++i) {
        const double units = st.Fleet.Naklad[static_cast<std::size_t>(i)];
        if (units > 0)
            rows.push_back({i, GoodsName(st.Mapa, i), units, FormatDouble(units, st.locale)});
    }
    return rows;
}

std::int64_t CargoUnits(const FleetRecord& fleet) {
    // Halves to even at each step, as the 16-bit count always rounded.
    double total = 0;
    for (double units : fleet.Naklad)
        total = std::nearbyint(total + units);
    // A damaged file's 1e308 units count as the most a 64-bit number holds, not as nothing.
    constexpr double Most = 9.0e18;
    if (!(total > -Most))
        return total != total ? 0 : -static_cast<std::int64_t>(Most);
    return static_cast<std::int64_t>(std::min(total, Most));
}

std::int64_t CapacityUnits(const FleetRecord& fleet) {
    return std::int64_t{fleet.Nosnost} * fleet.Pocet;
}

std::int16_t CargoTotal(const FleetRecord& fleet) {
    return ToI16(static_cast<double>(CargoUnits(fleet)));
}

std::int16_t FleetCapacity(const FleetRecord& fleet) {
    return ToI16(static_cast<double>(CapacityUnits(fleet)));
}

double LoadFraction(const FleetRecord& fleet) {
    const std::int64_t capacity = CapacityUnits(fleet);
    return capacity > 0 ? static_cast<double>(CargoUnits(fleet)) / capacity : 0.0;
}

std::string LoadText(const FleetRecord& fleet) {
    return std::to_string(CargoUnits(fleet)) + " z " + std::to_string(CapacityUnits(fleet));
}

} // namespace vlnobrod
