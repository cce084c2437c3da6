#include "state/Scenarios.h"

#include <functional>
#include <gtest/gtest.h>

using namespace vlnobrod;

namespace {
GameState onMap(const std::string& mapa) {
    GameState st;
    st.Mapa = mapa;
    st.Hotovost = 0;
    st.Konto = 0;
    return st;
}
} // namespace

TEST(Scenarios, EachMapHasItsOwnList) {
    EXPECT_EQ(GoodsName("Mapa1", 0), "Zlato");
    EXPECT_EQ(GoodsName("Mapa1", 2), "Cenosti");
    EXPECT_EQ(GoodsName("Mapa2", 13), "Kamení");
    EXPECT_EQ(GoodsName("Mapa3", 2), "Cennosti");
    EXPECT_EQ(GoodsName("Mapa3", 7), "Knihy");
    EXPECT_EQ(GoodsName("Mapa3", 11), "Čaj");
    EXPECT_EQ(GoodsName("Mapa3", 12), "");
    EXPECT_EQ(GoodsName("Mapa4", 1), "Diamanty");
    EXPECT_EQ(GoodsName("Mapa4", 7), "Banány");
    for (int i = 8; i <= 13; ++i)
        EXPECT_EQ(GoodsName("Mapa4", i), "");
}

TEST(Scenarios, OtherMapsUseTheFirstListAndEntry14HasNoName) {
    EXPECT_EQ(GoodsName("Karibik", 11), "Střelný prach");
    EXPECT_EQ(GoodsName("mapa3", 7), "Jídlo"); // the id is compared exactly
    for (const char* m : {"Mapa1", "Mapa2", "Mapa3", "Mapa4", "X"}) {
        EXPECT_EQ(GoodsName(m, 14), "");
        EXPECT_EQ(GoodsName(m, -1), "");
    }
}

TEST(Scenarios, EveryMapGoalIsMetExactlyAtItsBoundary) {
    // Indonesia's goal, just met: 17 galleons, 3000 books, 2 and 10 million.
    const auto indonesia = [](GameState& s) {
        s.Konto = 2000000, s.Hotovost = 10000000, s.Fleet.Pocet = 17, s.Fleet.Typ = 2;
        s.Fleet.Naklad[7] = 3000;
    };
    struct Case {
        const char* mapa;
        std::function<void(GameState&)> setup;
        bool met;
    };
    const Case cases[] = {
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
        {"Mapa3",
         [&](GameState& s) { indonesia(s), s.Fleet.Naklad[7] = 0, s.Fleet.Naklad[8] = 5e3; },
         false},
        {"Mapa4", [](GameState& s) { s.Fleet.Pocet = 1; }, true},
        {"Mapa4", [](GameState& s) { s.Fleet.Pocet = 2; }, false},
        {"Mapa4", [](GameState& s) { s.Fleet.Pocet = 0, s.Hotovost = 0.5; }, false},
        {"Mapa5", [](GameState&) {}, false},
    };
    int n = 0;
    for (const Case& c : cases) {
        GameState st = onMap(c.mapa);
        c.setup(st);
        EXPECT_EQ(GoalMet(st), c.met) << "case " << n++ << " on " << c.mapa;
    }
}
