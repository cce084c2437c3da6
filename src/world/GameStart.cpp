#include "GameStart.h"

#include "DayChange.h"
#include "Logbook.h"
#include "Money.h"
#include "News.h"
#include "state/Paths.h"

#include <array>

namespace vlnobrod {

void StartLoadedGame(GameState& st, RandomSource& rnd, GameView& view) {
    // No voyage is under way in a game just opened, whatever the last game left behind: the
    // day change must not charge upkeep.
    if (st.PendingAction == Pending::Voyage)
        st.PendingAction = Pending::None;
    const double hotovost = st.Hotovost;
    const double konto = st.Konto;
    const std::int16_t days = st.Den;
    // The day the game was saved on goes on: its markets stay as they were, or every load
    // would move the prices a step (and fade the player's own impact on them) without a day
    // passing, and so does the research bought for it.
    std::array<std::array<MarketEntry, MarketSize>, MaxCities> markets{};
    std::array<std::uint8_t, MaxCities> research{};
    for (std::size_t c = 0; c < MaxCities; ++c) {
        markets[c] = st.Cities[c].Trh;
        research[c] = st.Cities[c].PruzkumTrhu;
    }
    st.Den = 0;
    AdvanceDays(st, rnd, view, days);
    for (std::size_t c = 0; c < MaxCities; ++c) {
        st.Cities[c].Trh = markets[c];
        st.Cities[c].PruzkumTrhu = research[c];
    }
    st.Hotovost = hotovost;
    st.Konto = konto;
    // A game saved at sea sails on; upkeep is charged from its next day at sea.
    if (st.Plavba.NaMori)
        st.PendingAction = Pending::Voyage;
    // The logbook sees the market as it stands again (never at sea).
    RecordMarket(st);
    // Both figures are on show before the goal is tested, so a game that opens inside its
    // goal is congratulated over the right cash and account.
    view.MoneyChanged(false);
    ChangeMoney(st, view, 0, true);
}

void ShowGoal(GameState& st, Profiles& profiles, GameView& view) {
    st.HandOff = ScenarioFile(st);
    auto line = [&](const char* key) {
        return profiles.ReadProfile(st.HandOff.File(), "Mapa", key, "");
    };
    const std::string text =
        line("Ukol") + "\n" + line("Ukol2") + "\n" + line("Ukol3") + "\n" + line("Ukol4");
    std::string title = "Úkolem této mapy je ...";
    view.ShowMessage(text, MessageButtons::OK, title);
}

void WelcomeToGame(GameState& st) {
    AddNews(st, "Společnost: " + st.Company, NewsPlain);
    AddNews(st, "Jméno: " + st.Name, NewsPlain);
    st.StateSaved = true;
}

} // namespace vlnobrod
