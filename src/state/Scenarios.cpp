#include "Scenarios.h"

namespace vlnobrod {

namespace {

using GoodsList = std::array<const char*, 14>;

constexpr GoodsList firstGoods = {"Zlato", "Stříbro",       "Cenosti", "Artefakty", "Uhlí",
                                  "Dřevo", "Hedvábí",       "Jídlo",   "Whisky",    "Víno",
                                  "Čaj",   "Střelný prach", "Zbraně",  "Kamení"};
constexpr GoodsList indonesiaGoods = {"Stříbro", "Artefakty", "Cennosti", "Zbraně", "Dřevo",
                                      "Kaučuk",  "Hedvábí",   "Knihy",    "Jídlo",  "Rýže",
                                      "Cukr",    "Čaj",       "",         ""};
constexpr GoodsList spendthriftGoods = {"Zlato",  "Diamanty", "Cennosti", "Zbraně", "Doutníky",
                                        "Whisky", "Kokos",    "Banány",   "",       "",
                                        "",       "",         "",         ""};

// A million in cash, Zlatý Mys (city 1) open, and no debt.
bool firstGoal(const GameState& st) {
    return st.Hotovost >= 1000000 && st.Cities[1].Pristup == 0 && st.Konto >= 0;
}

// Five million in the bank and every port of the Mediterranean open.
bool mediterraneanGoal(const GameState& st) {
    int open = 0;
    for (int i = 0; i < st.PocetMest && i < MaxCities; ++i)
        if (st.Cities[static_cast<std::size_t>(i)].Pristup == 0)
            ++open;
    return st.Konto >= 5000000 && open == st.PocetMest;
}

// Two million in the bank, ten in cash, a fleet of 17 galleons with 3000 books aboard.
bool indonesiaGoal(const GameState& st) {
    const FleetRecord& f = st.Fleet;
    return st.Konto >= 2000000 && st.Hotovost >= 10000000 && f.Pocet >= 17 && f.Typ >= 2 &&
           f.Naklad[7] >= 3000;
}

// Everything spent: nothing in cash or in the bank, one ship at most.
bool spendthriftGoal(const GameState& st) {
    return st.Konto <= 0 && st.Hotovost <= 0 && st.Fleet.Pocet <= 1;
}

const std::array<Scenario, 4> scenarios = {{
    {"Mapa1", firstGoods, firstGoal, {"Splnil jste úkol pro úvodní mapu!", "Gratulujeme!"}},
    {"Mapa2", firstGoods, mediterraneanGoal, {"Splnil jste úkol pro Středomoří!", "Gratulujeme!"}},
    {"Mapa3", indonesiaGoods, indonesiaGoal, {"Splnil jste úkol pro Indonésii!", "Gratulujeme!"}},
    {"Mapa4",
     spendthriftGoods,
     spendthriftGoal,
     {"Rozfofroval jste 10 milionů!", "Totálně jste zbankrotoval!"}},
}};

} // namespace

const Scenario* FindScenario(const std::string& mapa) {
    for (const Scenario& s : scenarios)
        if (mapa == s.mapa)
            return &s;
    return nullptr;
}

std::string GoodsName(const std::string& mapa, int index) {
    if (index < 0 || index >= 14)
        return {};
    const Scenario* s = FindScenario(mapa);
    const GoodsList& goods = s ? s->goods : firstGoods;
    return goods[static_cast<std::size_t>(index)];
}

bool GoalMet(const GameState& st) {
    const Scenario* s = FindScenario(st.Mapa);
    return s && s->goalMet(st);
}

std::optional<GoalMessage> GoalCongratulation(const std::string& mapa) {
    const Scenario* s = FindScenario(mapa);
    if (!s)
        return std::nullopt;
    return s->congratulation;
}

} // namespace vlnobrod
