#include "VoyageReport.h"

#include "VoyagePlan.h"
#include "state/Numbers.h"

namespace vlnobrod {

std::string DaysText(int days) {
    const char* word = days == 1 ? "den" : (days >= 2 && days <= 4 ? "dny" : "dnů");
    return std::to_string(days) + " " + word;
}

std::string CityText(const GameState& st, int city) {
    if (city < 0 || city >= st.PocetMest)
        return {};
    const CityRecord& c = st.Cities[static_cast<std::size_t>(city)];
    if (city == st.AktualniMesto && st.PendingAction != Pending::Voyage)
        return "zde kotví vaše loďstvo";
    std::string s = c.Pristup != 0 ? "uzavřené město, přístup za " +
                                         FormatGrouped(c.Pristup, "### ### ##0") + " zlatých"
                                   : std::string("otevřené město");
    if (city == st.AktualniMesto)
        return s + ", cíl plavby";
    return s + ", vzdálenost " +
           std::to_string(
               SeaDistance(st.Cities[st.AktualniMesto], st.Cities[static_cast<std::size_t>(city)]));
}

std::string ChartText(const GameState& st) {
    std::string s = "Mapa moře.";
    for (int i = 0; i < st.PocetMest; ++i)
        s += " " + st.Cities[static_cast<std::size_t>(i)].Nazev + ": " + CityText(st, i) + ".";
    return s;
}

int TicksLeft(const GameState& st) {
    const VoyagePlan plan = CurrentPlan(st);
    const int step = plan.step == 0 ? 1 : plan.step;
    // The ship arrives on the tick that takes it past the strip's width.
    const int left = voyagestrip::Width - st.Plavba.Pozice;
    return left < 0 ? 0 : left / step + 1;
}

int DaysLeft(const GameState& st) {
    const VoyagePlan plan = CurrentPlan(st);
    const int perDay = plan.ticksPerDay == 0 ? 1 : plan.ticksPerDay;
    const int ticks = TicksLeft(st) + st.Plavba.Tiky;
    return (ticks + perDay - 1) / perDay;
}

std::string VoyageText(const GameState& st) {
    if (st.PendingAction != Pending::Voyage || !st.Plavba.NaMori)
        return {};
    return "Plavba do města " + st.Cities[st.Plavba.Kam].Nazev + ": na moři " +
           DaysText(st.Plavba.Dny) + ", zbývá asi " + DaysText(DaysLeft(st)) + ".";
}

} // namespace vlnobrod
