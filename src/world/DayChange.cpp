#include "DayChange.h"

#include "AtSea.h"
#include "Logbook.h"
#include "Money.h"
#include "PriceBounds.h"
#include "Research.h"
#include "state/Numbers.h"
#include "state/ShipTypes.h"

#include <algorithm>
#include <cstdint>

namespace vlnobrod {

namespace {
constexpr float DaySpread = 30.0f; // a day lifts or drops a price by 10 to 40
}

std::int16_t DayPriceStep(std::int16_t cena, std::int16_t produkce, std::uint8_t velikost,
                          RandomSource& rnd, const NumberLocale& loc) {
    // Big cities absorb production better: the step shrinks with the size class.
    const double step = (1.0 / (velikost + 1.0)) * (produkce / 10.0);
    return BoundPrice(std::int32_t{cena} - ToI16(step), DaySpread, rnd, loc);
}

double VoyageUpkeep(const FleetRecord& fleet, std::int16_t days, std::uint8_t obtiznost) {
    // Bigger ships cost more a day; a type the game does not know (a damaged file) is charged
    // by its number, one third more for each step.
    const ShipType* type = FindShipType(fleet.Typ);
    const int thirds = type ? type->upkeepThirds : fleet.Typ + 1;
    return (thirds / 3.0) * (fleet.Pocet / 5.0) * -1000.0 * days * obtiznost;
}

double DailyInterest(double konto, const NumberLocale& loc) {
    const double interest = konto > 0 ? konto / 5000.0 : konto / 10000.0;
    return ParseDot(FormatDouble(interest, loc));
}

void MovePrices(GameState& st, RandomSource& rnd) {
    // Prices move one step per call, however many days the call covers.
    const int cities = std::min<int>(st.PocetMest, MaxCities);
    for (int i = 0; i < cities; ++i) {
        CityRecord& c = st.Cities[static_cast<std::size_t>(i)];
        for (MarketEntry& m : c.Trh) {
            if (m.Cena == 0)
                continue; // not traded here
            m.VcerejsiCena = m.Cena;
            StepPriceWithOwnImpact(m, m.Produkce, c.Velikost, rnd, st.locale);
        }
    }
}

void EndDayResearch(GameState& st) {
    const int cities = std::min<int>(st.PocetMest, MaxCities);
    for (int i = 0; i < cities; ++i) {
        CityRecord& c = st.Cities[static_cast<std::size_t>(i)];
        if (ResearchOf(c) == Research::OneDay)
            SetResearch(c, Research::None);
    }
}

void OpenTheDay(GameState& st) {
    for (CityRecord& c : st.Cities)
        for (MarketEntry& m : c.Trh)
            m.RanniCena = m.Cena;
}

void PayUpkeep(GameState& st, GameView& view, std::int16_t days) {
    if (AtSea(st))
        ChangeMoney(st, view, VoyageUpkeep(st.Fleet, days, st.Obtiznost), false);
}

void PayInterest(GameState& st) {
    // Interest lands in cash directly; the goal is tested at the next money change.
    st.Hotovost = AddMoney(st.Hotovost, DailyInterest(st.Konto, st.locale));
}

void AdvanceDays(GameState& st, RandomSource& rnd, GameView& view, std::int16_t days) {
    st.StateSaved = false;
    EndDayResearch(st);
    MovePrices(st, rnd);
    OpenTheDay(st);
    view.PricesMoved();
    PayUpkeep(st, view, days);
    PayInterest(st);
    st.Den = ToI16(static_cast<double>(st.Den) + days);
    // A day in port is a day the captain sees the market.
    RecordMarket(st);
    view.DaysAdvanced();
}

} // namespace vlnobrod
