#include "VoyagePlan.h"

#include "state/Numbers.h"
#include "state/ShipTypes.h"
#include "world/AtSea.h"
#include "world/News.h"

#include <cmath>

namespace vlnobrod {

int ShipPictureWidth(std::uint8_t typ) {
    // A type the game does not know (a damaged file) sails as wide as the smallest.
    const ShipType* type = FindShipType(typ);
    return (type ? type : FindShipType(0))->stripWidth;
}

std::int16_t SeaDistance(const CityRecord& from, const CityRecord& to) {
    const double dx = double(to.X) - from.X;
    const double dy = double(to.Y) - from.Y;
    return ToI16(std::sqrt(dy * dy + dx * dx));
}

VoyagePlan PlanVoyage(std::int16_t distance, const FleetRecord& fleet) {
    VoyagePlan p;
    p.distance = distance;
    const double speed = fleet.Rychlost > 0 ? fleet.Rychlost : 1;
    p.days = distance / speed;
    const std::int16_t wholeDays = ToI16(p.days);
    const double crossing = voyagestrip::Width + ShipPictureWidth(fleet.Typ);
    // A voyage of under half a day crosses at full speed.
    const double step =
        wholeDays > 0 ? crossing * (voyagestrip::IntervalMs / 1000.0) / wholeDays : 255.0;
    p.step = ToU8(step);
    if (p.step == 0)
        p.step = 1;
    const float ticksToCross = static_cast<float>(crossing / p.step);
    p.ticksPerDay = p.days > 0 ? ToU8(ticksToCross / p.days) : 255;
    if (p.ticksPerDay == 0)
        p.ticksPerDay = 1;
    return p;
}

VoyagePlan CurrentPlan(const GameState& st) {
    return PlanVoyage(st.Plavba.Vzdalenost, st.Fleet);
}

SailAnswer SetSail(GameState& st, int city) {
    if (city < 0 || city >= st.PocetMest)
        return SailAnswer::NoSuchCity;
    const auto i = static_cast<std::uint8_t>(city);
    if (st.Cities[i].Pristup > 0) {
        AddNews(st, "Do města není povolen přístup", NewsError);
        return SailAnswer::NoAccess;
    }
    if (i == st.AktualniMesto) {
        AddNews(st, "Není kam cestovat!", NewsWarning);
        return SailAnswer::NowhereToGo;
    }
    if (st.Fleet.Pocet <= 0) {
        AddNews(st, "Nemáte žádnou loď!", NewsWarning);
        return SailAnswer::NoShips;
    }
    VoyageRecord& v = st.Plavba;
    const bool turning = AtSea(st);
    const std::uint8_t from = turning ? v.Odkud : st.AktualniMesto;
    const std::int16_t daysSailed = turning ? v.Dny : std::int16_t{0};
    v = VoyageRecord{};
    v.NaMori = true;
    v.Odkud = from;
    v.Kam = i;
    v.Vzdalenost = SeaDistance(st.Cities[from], st.Cities[i]);
    v.Pozice = static_cast<std::int16_t>(-ShipPictureWidth(st.Fleet.Typ));
    v.Dny = daysSailed;
    st.AktualniMesto = i;
    st.PendingAction = Pending::Voyage;
    st.StateSaved = false;
    return SailAnswer::Sailing;
}

} // namespace vlnobrod
