#include "MarketBoard.h"

#include "state/Scenarios.h"

namespace vlnobrod {

std::vector<MarketRow> MarketRows(const GameState& st, std::uint8_t city) {
    std::vector<MarketRow> rows;
    if (city >= MaxCities)
        return rows;
    const CityRecord& c = st.Cities[city];
    // Entry 14 is never shown; goods with price 0 are not traded here.
    for (int i = 0; i < CargoSlots; ++i) {
        const MarketEntry& m = c.Trh[static_cast<std::size_t>(i)];
        if (m.Cena == 0)
            continue;
        const int d = m.Cena - m.VcerejsiCena;
        MarketRow row;
        row.goods = i;
        row.name = GoodsName(st.Mapa, i);
        row.price = m.Cena;
        row.trend = std::string(1, d == 0 ? '=' : (d < 0 ? '<' : '>'));
        // Small moves are red, a real fall green (time to buy), a real rise blue.
        row.barColour = (d >= -10 && d <= 10) ? 0xFF0000u : (d < -10 ? 0x00FF00u : 0x0000FFu);
        row.barWidth = m.Cena / 110.0 * 11.0;
        rows.push_back(row);
    }
    return rows;
}

} // namespace vlnobrod
