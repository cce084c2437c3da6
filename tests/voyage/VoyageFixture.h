#pragma once

#include "port/News.h"
#include "state/Battle.h"
#include "state/GameState.h"
#include "state/Random.h"
#include "support/FakeGameView.h"
#include "voyage/VoyagePlan.h"

#include <string>
#include <utility>
#include <vector>

namespace vlnobrod::testing {

// A battle that ends as the test says.
class ScriptedBattle : public Battle {
public:
    explicit ScriptedBattle(BattleResult r = {}) : result(r) {}
    BattleResult Fight(GameState& st, HandOffWord mode) override {
        ++fights;
        modes = mode;
        st.HandOff = result.word;
        return result;
    }
    BattleResult result;
    int fights = 0;
    HandOffWord modes = HandOffWord::None;
};

// Three cities: Vlnobrod (current), Skalná 300 pixels east of it, and Mys 10 pixels south; a
// fleet of three small ships (200 a day at sea) with 30 units of one goods, no money in the
// bank (so no interest), and prices a day moves without dice. The dice, the view and the
// battle come with it.
struct Sea {
    GameState st;
    ScriptedRandom rnd;
    FakeGameView view;
    ScriptedBattle battle;

    explicit Sea(std::vector<float> dice = {0.5f}, BattleResult r = {})
        : rnd(std::move(dice)), battle(r) {
        st.Mapa = "Zkouška"; // a map without a goal: nothing congratulates
        st.PocetMest = 3;
        const char* names[] = {"Vlnobrod", "Skalná", "Mys"};
        const std::int16_t ys[] = {100, 100, 110};
        for (std::size_t i = 0; i < 3; ++i) {
            st.Cities[i].Nazev = names[i];
            st.Cities[i].X = i == 1 ? 400 : 100;
            st.Cities[i].Y = ys[i];
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
