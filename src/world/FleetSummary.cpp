#include "FleetSummary.h"

#include "state/Numbers.h"
#include "state/Scenarios.h"
#include "state/ShipTypes.h"

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

std::int16_t CargoTotal(const FleetRecord& fleet) {
    std::int16_t total = 0;
    for (double units : fleet.Naklad)
        total = ToI16(total + units);
    return total;
}

std::int16_t FleetCapacity(const FleetRecord& fleet) {
    return ToI16(static_cast<double>(fleet.Nosnost) * fleet.Pocet);
}

double LoadFraction(const FleetRecord& fleet) {
    const std::int16_t capacity = FleetCapacity(fleet);
    return capacity > 0 ? static_cast<double>(CargoTotal(fleet)) / capacity : 0.0;
}

std::string LoadText(const FleetRecord& fleet) {
    return std::to_string(CargoTotal(fleet)) + " z " + std::to_string(FleetCapacity(fleet));
}

} // namespace vlnobrod
