#include "CityAccess.h"

#include "state/Numbers.h"
#include "world/Money.h"
#include "world/News.h"
#include "world/Research.h"

namespace vlnobrod {

namespace {

// Only "Ano" consents; "Ne", "Zrušit" and a closed box change nothing.
bool consents(GameView& view, const std::string& text, const char* title) {
    std::string t = title;
    return view.ShowMessage(text, MessageButtons::NeAnoZrusit, t) == MessageAnswer::Ano;
}

} // namespace

bool BuyAccess(GameState& st, GameView& view, std::uint8_t c, const std::function<void()>& opened) {
    if (c >= MaxCities || st.Cities[c].Pristup <= 0)
        return false; // open already: nothing to buy
    CityRecord& city = st.Cities[c];
    const double price = city.Pristup;
    if (!consents(view, "Chcete koupit přístup za " + FormatGrouped(price, "### ##0") + " zlatých?",
                  "Přístup do města"))
        return false;
    if (st.Hotovost - price < 0) {
        AddNews(st, "Nedostatek pěněz pro přístup", NewsStop);
        return false;
    }
    view.PlaySoundName("Cvak");
    ChangeMoney(st, view, -price, false);
    city.Pristup = 0;
    if (opened)
        opened();
    AddNews(st, "Byl koupen přístup do města: " + city.Nazev, NewsInfo);
    // The payment tested the goal while the city was still closed: a goal that needs the
    // city open is met only now.
    ChangeMoney(st, view, 0, false);
    return true;
}

void BuyResearchForDay(GameState& st, GameView& view, std::uint8_t c) {
    if (c >= MaxCities || ResearchOf(st.Cities[c]) != Research::None)
        return;
    ChangeMoney(st, view, -ResearchDayPrice, false);
    SetResearch(st.Cities[c], Research::OneDay);
}

bool BuyPermanentResearch(GameState& st, GameView& view, std::uint8_t c) {
    if (c >= MaxCities)
        return false;
    if (!consents(view, "Chcete koupit permanentní průzkum trhu za 500 zlatých", "Průzkum trhu"))
        return false;
    if (st.Hotovost - ResearchPermanentPrice < 0) {
        AddNews(st, "Nedostatek peněz pro nákup průzkumu trhu", NewsWarning);
        return false;
    }
    view.PlaySoundName("Cvak");
    ChangeMoney(st, view, -ResearchPermanentPrice, false);
    SetResearch(st.Cities[c], Research::Permanent);
    AddNews(st, "Koupen průzkum trhu ve městě: " + st.Cities[c].Nazev, NewsInfo);
    return true;
}

ChartToggle ToggleChart(bool chartShown, const CityRecord& city) {
    if (chartShown)
        return ChartToggle::Hide;
    return ResearchOf(city) != Research::None ? ChartToggle::Show : ChartToggle::BuyDay;
}

} // namespace vlnobrod
