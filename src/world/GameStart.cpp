#include "GameStart.h"

#include "DayChange.h"
#include "Logbook.h"
#include "Money.h"
#include "News.h"
#include "state/Paths.h"

namespace vlnobrod {

void StartLoadedGame(GameState& st, RandomSource& /*rnd*/, GameView& view) {
    // A game saved at sea sails on, and upkeep is charged from its next day at sea; a game
    // saved in port has no voyage under way, whatever the last game left behind.
    if (st.PendingAction == Pending::Voyage)
        st.PendingAction = Pending::None;
    if (st.Plavba.NaMori)
        st.PendingAction = Pending::Voyage;
    // The day the game was saved on goes on: its day count, markets (prices, opening prices
    // and the player's own impact on them), research, cash and account stay as saved. A load
    // that moved the prices a step, or faded the impact, would pay for loading again and
    // again without a day passing.
    view.PricesMoved();
    // The game opened in port is a look at the market; at sea nothing is written.
    RecordMarket(st);
    view.DaysAdvanced();
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
