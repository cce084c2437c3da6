#include "GameStart.h"

#include "DayChange.h"
#include "Money.h"
#include "News.h"

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

void WelcomeToGame(GameState& st) {
    AddNews(st, "Společnost: " + st.Company, NewsPlain);
    AddNews(st, "Jméno: " + st.Name, NewsPlain);
    st.StateSaved = true;
}

} // namespace vlnobrod
