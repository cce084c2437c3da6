#pragma once

#include "state/Battle.h"
#include "state/GameState.h"
#include "state/Random.h"
#include "support/FakeGameView.h"
#include "voyage/VoyagePlan.h"
#include "world/News.h"

#include <string>
#include <vector>

namespace vlnobrod::testing {

// A battle that ends as the test says.
struct ScriptedBattle : Battle {
    BattleResult Fight(GameState& st, HandOffWord asked) override {
        ++fights;
        mode = asked;
        st.HandOff = result.word;
        return result;
    }
    BattleResult result;
    int fights = 0;
    HandOffWord mode = HandOffWord::None;
};

// Three cities: Vlnobrod (current), Skalná 300 pixels east of it, and Mys 10 pixels south; a
// fleet of three small ships (200 a day at sea) with 30 units of one goods, no money in the
// bank (so no interest), and prices a day moves without dice; with its dice, view and battle.
struct Sea {
    GameState st;
    ScriptedRandom rnd;
    FakeGameView view;
    ScriptedBattle battle;

    explicit Sea(std::vector<float> dice = {0.5f}, BattleResult r = {}) : rnd(std::move(dice)) {
        battle.result = r;
        st.Mapa = "Zkouška"; // a map without a goal: nothing congratulates
        st.PocetMest = 3;
        const char* names[] = {"Vlnobrod", "Skalná", "Mys"};
        for (std::size_t i = 0; i < 3; ++i) {
            st.Cities[i].Nazev = names[i];
            st.Cities[i].X = i == 1 ? 400 : 100;
            st.Cities[i].Y = i == 2 ? 110 : 100;
            st.Cities[i].Trh[0] = {200, 200, 0, 200};
        }
        st.Fleet.Pocet = 3;
        st.Fleet.Naklad[4] = 30;
        st.Hotovost = 50'000;
        st.Konto = 0;
    }
};

// Every news item waiting, in order, as "kind:text|kind:text".
inline std::string DrainNews(GameState& st) {
    std::string all;
    while (auto item = TakeNews(st))
        all += (all.empty() ? "" : "|") + std::to_string(item->kind) + ":" + item->text;
    return all;
}

} // namespace vlnobrod::testing
