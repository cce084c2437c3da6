#include "state/Scenarios.h"

#include <functional>
#include <gtest/gtest.h>
#include <tuple>

using namespace vlnobrod;

TEST(Scenarios, EachMapNamesItsGoodsAndOtherMapsUseTheFirstList) {
    // The id is compared exactly; entry 14 has no name anywhere, nor a map's unused entries.
    const std::tuple<const char*, int, const char*> rows[] = {
        {"Mapa3", 7, "Knihy"}, {"mapa3", 7, "Jídlo"}, {"Karibik", 11, "Střelný prach"},
        {"Mapa4", 8, ""},      {"Mapa2", 14, ""},     {"Mapa1", -1, ""}};
    for (const auto& [mapa, index, name] : rows)
        EXPECT_EQ(GoodsName(mapa, index), name) << mapa << " " << index;
}

TEST(Scenarios, EveryMapGoalIsMetExactlyAtItsBoundary) {
    // Indonesia's goal, just met: 17 galleons, 3000 books, 2 and 10 million.
    const auto indonesia = [](GameState& s) {
        s.Konto = 2000000, s.Hotovost = 10000000, s.Fleet.Pocet = 17, s.Fleet.Typ = 2;
        s.Fleet.Naklad[7] = 3000;
    };
    const std::tuple<const char*, std::function<void(GameState&)>, bool> cases[] = {
        {"Mapa1", [](GameState& s) { s.PocetMest = 3, s.Hotovost = 1000000; }, true},
        {"Mapa1", [](GameState& s) { s.PocetMest = 3, s.Hotovost = 999999.5; }, false},
        {"Mapa1", [](GameState& s) { s.Hotovost = 1000000, s.Konto = -0.01; }, false},
        {"Mapa1", [](GameState& s) { s.Hotovost = 1e6, s.Cities[1].Pristup = 5000; }, false},
        {"Mapa2", [](GameState& s) { s.Konto = 5000000; }, true}, // a map without cities
        {"Mapa2", [](GameState& s) { s.Konto = 5e6, s.PocetMest = 9, s.Cities[8].Pristup = 1; },
         false},
        {"Mapa2", [](GameState& s) { s.Konto = 5e6, s.PocetMest = 9; }, true},
        {"Mapa2", [](GameState& s) { s.Konto = 4999999.99; }, false},
        {"Mapa3", indonesia, true},
        {"Mapa3", [&](GameState& s) { indonesia(s), s.Konto = 1999999; }, false},
        {"Mapa3", [&](GameState& s) { indonesia(s), s.Hotovost = 9999999; }, false},
        {"Mapa3", [&](GameState& s) { indonesia(s), s.Fleet.Pocet = 16; }, false},
        {"Mapa3", [&](GameState& s) { indonesia(s), s.Fleet.Typ = 1; }, false},
        {"Mapa3", [&](GameState& s) { indonesia(s), s.Fleet.Naklad[7] = 2999.5; }, false},
        {"Mapa4", [](GameState& s) { s.Fleet.Pocet = 1; }, true},
        {"Mapa4", [](GameState& s) { s.Fleet.Pocet = 2; }, false},
        {"Mapa4", [](GameState& s) { s.Fleet.Pocet = 0, s.Hotovost = 0.5; }, false},
        {"Mapa5", [](GameState&) {}, false},
    };
    int n = 0;
    for (const auto& [mapa, setup, met] : cases) {
        GameState st;
        st.Mapa = mapa;
        st.Hotovost = st.Konto = 0;
        setup(st);
        EXPECT_EQ(GoalMet(st), met) << "case " << n++ << " on " << mapa;
    }
}
