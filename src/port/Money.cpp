#include "Money.h"

#include "state/Paths.h"

namespace vlnobrod {

bool GoalMet(const GameState& st) {
    const auto& f = st.Fleet;
    if (st.Mapa == "Mapa1")
        return st.Hotovost >= 1000000 && st.Cities[1].Pristup == 0 && st.Konto >= 0;
    if (st.Mapa == "Mapa2") {
        int open = 0;
        for (int i = 0; i < st.PocetMest && i < MaxCities; ++i)
            if (st.Cities[static_cast<std::size_t>(i)].Pristup == 0)
                ++open;
        return st.Konto >= 5000000 && open == st.PocetMest;
    }
    if (st.Mapa == "Mapa3")
        return st.Konto >= 2000000 && st.Hotovost >= 10000000 && f.Pocet >= 17 && f.Typ >= 2 &&
               f.Naklad[7] >= 3000;
    if (st.Mapa == "Mapa4")
        return st.Konto <= 0 && st.Hotovost <= 0 && f.Pocet <= 1;
    return false;
}

std::optional<GoalMessage> GoalCongratulation(const std::string& mapa) {
    if (mapa == "Mapa1")
        return GoalMessage{"Splnil jste úkol pro úvodní mapu!", "Gratulujeme!"};
    if (mapa == "Mapa2")
        return GoalMessage{"Splnil jste úkol pro Středomoří!", "Gratulujeme!"};
    if (mapa == "Mapa3")
        return GoalMessage{"Splnil jste úkol pro Indonésii!", "Gratulujeme!"};
    if (mapa == "Mapa4")
        return GoalMessage{"Rozfofroval jste 10 milionů!", "Totálně jste zbankrotoval!"};
    return std::nullopt;
}

void ChangeMoney(GameState& st, GameView& view, double amount, bool toAccount) {
    if (amount != 0)
        st.StateSaved = false;
    if (toAccount)
        st.Konto += amount;
    else
        st.Hotovost += amount;
    view.MoneyChanged(toAccount);
    if (st.Hotovo || !GoalMet(st))
        return;
    // The goal is reached once per game: congratulate, then let the results window make
    // its table entry.
    st.Hotovo = true;
    const auto msg = GoalCongratulation(st.Mapa);
    std::string title = "Dokončení mapy";
    view.ShowMessage(msg->line1 + "\n" + msg->line2, MessageButtons::OK, title);
    st.HandOff = HandOffWord::Zapis;
    view.OpenResults();
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

} // namespace vlnobrod
