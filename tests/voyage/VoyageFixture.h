#pragma once

#include "state/Battle.h"
#include "state/GameState.h"

namespace vlnobrod::testing {

// Three cities: Vlnobrod (current), Skalná 300 pixels east of it, and Mys 10 pixels south; a
// fleet of three small ships with 30 units of one goods, no money in the bank (so no
// interest), and prices between 100 and 900, which a day moves without dice.
inline GameState SeaGame() {
    GameState st;
    st.Mapa = "Zkouška"; // a map without a goal: nothing congratulates
    st.PocetMest = 3;
    const char* names[] = {"Vlnobrod", "Skalná", "Mys"};
    const std::int16_t xs[] = {100, 400, 100};
    const std::int16_t ys[] = {100, 100, 110};
    for (std::size_t i = 0; i < 3; ++i) {
        st.Cities[i].Nazev = names[i];
        st.Cities[i].X = xs[i];
        st.Cities[i].Y = ys[i];
        st.Cities[i].Trh[0] = {200, 200, 0, 200};
    }
    st.Fleet.Pocet = 3; // 200 a day at sea
    st.Fleet.Naklad[4] = 30;
    st.Hotovost = 50'000;
    st.Konto = 0;
    return st;
}

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

} // namespace vlnobrod::testing
