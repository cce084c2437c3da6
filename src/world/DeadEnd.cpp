#include "DeadEnd.h"

#include "Money.h"
#include "PriceBounds.h"
#include "state/ShipTypes.h"

#include <algorithm>

namespace vlnobrod {

namespace {
const char* const Ruined = "Mapa4"; // the map won by losing everything
}

bool AtDeadEnd(const GameState& st) {
    if (st.Fleet.Pocet > 0)
        return false;
    const ShipType* type = FindShipType(st.Fleet.Typ);
    if (!type)
        return true; // the dock sells no ship of a type it does not know
    double reach = st.Hotovost + std::max(0.0, st.Konto);
    const CityRecord& here = st.Cities[std::min<std::size_t>(st.AktualniMesto, MaxCities - 1)];
    for (int g = 0; g < CargoSlots; ++g) {
        const auto i = static_cast<std::size_t>(g);
        reach += std::max(0.0, st.Fleet.Naklad[i]) * OwnSaleBound(here.Trh[i], here.Trh[i].Cena);
    }
    return reach < type->price;
}

bool TellDeadEnd(GameState& st, GameView& view) {
    if (st.Hotovo || !AtDeadEnd(st))
        return false;
    std::string title = "Konec obchodování";
    if (st.Mapa == Ruined) {
        view.ShowMessage("Vaše společnost přišla o poslední loď a na novou nemá peníze. Už "
                         "nemůže utrácet: je na mizině.",
                         MessageButtons::OK, title);
        FinishMap(st, view);
        return true;
    }
    view.ShowMessage("Vaše společnost přišla o poslední loď a na novou nemá peníze. Už nemůže "
                     "obchodovat a úkol mapy nesplní. Hru můžete ukončit návratem do menu.",
                     MessageButtons::OK, title);
    return true;
}

} // namespace vlnobrod
