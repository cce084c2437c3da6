#include "Voyage.h"

#include "SeaEvents.h"
#include "VoyagePlan.h"
#include "world/AtSea.h"
#include "world/Logbook.h"
#include "world/News.h"

namespace vlnobrod {

VoyageTick SailTick(GameState& st, RandomSource& rnd, GameView& view, Battle& battle) {
    VoyageTick t;
    if (!AtSea(st))
        return t;
    VoyageRecord& v = st.Plavba;
    const VoyagePlan plan = CurrentPlan(st);
    v.Pozice = static_cast<std::int16_t>(v.Pozice + plan.step);
    ++v.Tiky;
    if (v.Tiky == plan.ticksPerDay) {
        t.dayPassed = true;
        PassSeaDays(st, rnd, view, 1);
        t.event = RollSeaDay(st, rnd, view, battle);
        v.Tiky = 0;
    }
    if (v.Pozice > voyagestrip::Width) {
        Arrive(st, rnd, view, battle);
        t.arrived = true;
    }
    return t;
}

void Arrive(GameState& st, RandomSource& rnd, GameView& view, Battle& battle) {
    if (st.Plavba.Dny <= 0) {
        PassSeaDays(st, rnd, view, 1);
        RollSeaDay(st, rnd, view, battle);
    }
    FleetRecord& f = st.Fleet;
    if (f.Poskozeni > 100) {
        AddNews(st, "Jedna loď se během plavby úplně zníčila!", NewsError);
        if (f.Pocet > 0)
            --f.Pocet;
        f.Poskozeni = 0;
    }
    st.PendingAction = Pending::None;
    const std::uint8_t t = st.Plavba.Kam;
    st.Plavba = VoyageRecord{};
    AddNews(st, "Vítejte v městě: " + st.Cities[t].Nazev, NewsPlain);
    st.AktualniMesto = t;
    // A new page of the logbook: the trend marks compare against the visit before this one.
    RecordVisit(st);
}

int SailToPort(GameState& st, RandomSource& rnd, GameView& view, Battle& battle) {
    int ticks = 0;
    while (AtSea(st)) {
        ++ticks;
        if (SailTick(st, rnd, view, battle).arrived)
            break;
    }
    return ticks;
}

} // namespace vlnobrod
