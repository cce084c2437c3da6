#include "GameStart.h"

#include "DayChange.h"
#include "Money.h"
#include "News.h"
#include "state/Paths.h"

namespace vlnobrod {

void StartLoadedGame(GameState& st, RandomSource& rnd, GameView& view) {
    // No voyage is under way in a game just opened, whatever the last game left behind: the
    // day change must not charge upkeep.
    if (st.PendingAction == Pending::Voyage)
        st.PendingAction = Pending::None;
    const double hotovost = st.Hotovost;
    const double konto = st.Konto;
    const std::int16_t days = st.Den;
    st.Den = 0;
    AdvanceDays(st, rnd, view, days);
    st.Hotovost = hotovost;
    st.Konto = konto;
    ChangeMoney(st, view, 0, false);
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
