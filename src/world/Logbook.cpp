#include "Logbook.h"

#include "AtSea.h"
#include "Research.h"
#include "state/Scenarios.h"

namespace vlnobrod {

namespace {

bool knownCity(const GameState& st) {
    return st.AktualniMesto < st.PocetMest && st.AktualniMesto < MaxCities;
}

LogbookPage pageOfToday(const GameState& st) {
    LogbookPage page;
    page.Den = st.Den;
    const CityRecord& c = st.Cities[st.AktualniMesto];
    for (std::size_t i = 0; i < CargoSlots; ++i)
        page.Cena[i] = c.Trh[i].Cena;
    return page;
}

void beginVisit(GameState& st) {
    LogbookCity& city = st.Denik.Mesta[st.AktualniMesto];
    if (city.Posledni.Written())
        city.Predchozi = city.Posledni;
    city.Posledni = pageOfToday(st);
    st.Denik.Mesto = st.AktualniMesto;
}

} // namespace

void RecordVisit(GameState& st) {
    // The arrival itself says the fleet is in port, whether or not the voyage is over yet.
    if (knownCity(st))
        beginVisit(st);
}

void RecordMarket(GameState& st) {
    // At sea the current city is where the fleet is going, not what it sees.
    if (AtSea(st) || !knownCity(st))
        return;
    if (st.Denik.Mesto != st.AktualniMesto) {
        beginVisit(st);
        return;
    }
    st.Denik.Mesta[st.AktualniMesto].Posledni = pageOfToday(st);
}

LogbookView LogbookOf(const GameState& st, std::uint8_t city) {
    LogbookView view;
    if (city >= MaxCities || city >= st.PocetMest || !st.Denik.Mesta[city].Posledni.Written()) {
        view.heading = "Zatím nenavštíveno";
        return view;
    }
    const LogbookCity& log = st.Denik.Mesta[city];
    view.visited = true;
    view.heading = "Ceny z deníku (den " + std::to_string(log.Posledni.Den) + ")";
    for (int i = 0; i < CargoSlots; ++i) {
        const std::size_t g = static_cast<std::size_t>(i);
        const std::int16_t cena = log.Posledni.Cena[g];
        if (cena == 0)
            continue; // not traded there
        const std::int16_t before = log.Predchozi.Written() ? log.Predchozi.Cena[g] : 0;
        LogbookRow row{i, GoodsName(st.Mapa, i), cena, {}, cena / 110.0 * 11.0};
        // A goods not traded on the visit before has nothing to be measured against.
        if (before != 0)
            row.trend.assign(1, cena == before ? '=' : (cena < before ? '<' : '>'));
        view.rows.push_back(row);
    }
    return view;
}

bool ShowsLogbook(const GameState& st, std::uint8_t city) {
    return city < MaxCities && city < st.PocetMest && ResearchOf(st.Cities[city]) == Research::None;
}

} // namespace vlnobrod
