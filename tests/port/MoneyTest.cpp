#include "port/Money.h"
#include "support/FakeGameView.h"
#include "support/TempDir.h"

#include <functional>
#include <gtest/gtest.h>

using namespace vlnobrod;
using vlnobrod::testing::FakeGameView;

namespace {
GameState onMap(const std::string& mapa) {
    GameState st;
    st.Mapa = mapa;
    st.Hotovost = 0;
    st.Konto = 0;
    return st;
}
} // namespace

TEST(Money, ChangesGoToCashOrAccountAndMarkTheGameUnsaved) {
    GameState st = onMap("Karibik");
    st.StateSaved = true;
    FakeGameView view;
    ChangeMoney(st, view, 0, false);
    EXPECT_TRUE(st.StateSaved); // showing the figures again is not a change
    ChangeMoney(st, view, 250.5, false);
    ChangeMoney(st, view, -1000, true);
    EXPECT_DOUBLE_EQ(st.Hotovost, 250.5);
    EXPECT_DOUBLE_EQ(st.Konto, -1000);
    EXPECT_FALSE(st.StateSaved);
    EXPECT_EQ(view.cashShown, 2);
    EXPECT_EQ(view.accountShown, 1);
    EXPECT_TRUE(view.messages.empty());
}

TEST(Money, EveryMapGoalIsMetExactlyAtItsBoundary) {
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

TEST(Money, ReachingTheGoalCongratulatesOnceAndOpensTheResults) {
    GameState st = onMap("Mapa4");
    st.Hotovost = 100;
    st.Fleet.Pocet = 1;
    FakeGameView view;
    ChangeMoney(st, view, -100, false);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, "Rozfofroval jste 10 milionů!\nTotálně jste zbankrotoval!");
    EXPECT_EQ(view.messages[0].title, "Dokončení mapy");
    EXPECT_EQ(view.messages[0].buttons, MessageButtons::OK);
    EXPECT_TRUE(st.Hotovo);
    EXPECT_EQ(st.HandOff, HandOffWord::Zapis);
    EXPECT_EQ(view.resultsOpened, 1);
    ChangeMoney(st, view, -5, true);
    EXPECT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.resultsOpened, 1);
}

TEST(Money, TheGoalDisplayReadsTheFourLinesFromTheScenarioFile) {
    vlnobrod::testing::TempDir dir;
    dir.write("Data/Mapa2.mlo", "[Mapa]\r\nUkol=Vydělejte\r\nUkol2=pět milionů\r\nUkol4=!\r\n");
    GameState st = onMap("Mapa2");
    st.AppFolder = dir.path();
    Profiles profiles;
    FakeGameView view;
    ShowGoal(st, profiles, view);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, "Vydělejte\npět milionů\n\n!");
    EXPECT_EQ(view.messages[0].title, "Úkolem této mapy je ...");
    EXPECT_EQ(st.HandOff.File(), dir.path() + "/Data/Mapa2.mlo");
    st.Mapa = "Mapa9"; // no file: three line breaks and nothing else
    ShowGoal(st, profiles, view);
    EXPECT_EQ(view.messages[1].text, "\n\n\n");
}
