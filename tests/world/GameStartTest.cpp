#include "world/GameStart.h"
#include "support/FakeGameView.h"
#include "world/Logbook.h"
#include "world/Research.h"
#include "world/WorldFixture.h"

#include <gtest/gtest.h>

using namespace vlnobrod;
using namespace vlnobrod::testing;

// A saved game's day goes on with its markets as saved (a load moves no price and fades none of
// the player's impact, or loading again and again would pay), its money (no interest, no upkeep of
// a voyage an earlier game left behind) and a day's research bought that day.
TEST(GameStart, TheSavedDayGoesOnWithItsMarketsAndItsMoney) {
    GameState st = OneCity(200, 30, 0);
    st.Mapa = "Karibik";
    st.Cities[0].Trh[0].RanniCena = 180; // saved after a purchase that day
    st.Cities[0].Trh[0].Dopad = 20;
    SetResearch(st.Cities[0], Research::OneDay); // bought on the saved day: it still holds
    st.Den = 25;
    st.Hotovost = 1234.5;
    st.Konto = 50000;
    st.PendingAction = Pending::Voyage;
    FakeGameView view;
    ScriptedRandom rnd({0.5f});
    StartLoadedGame(st, rnd, view);
    const MarketEntry& gold = st.Cities[0].Trh[0];
    EXPECT_EQ(std::tuple(st.Den, gold.Cena, gold.Dopad, gold.RanniCena, ResearchOf(st.Cities[0]),
                         st.Hotovost, st.PendingAction),
              std::tuple(25, 200, 20, 180, Research::OneDay, 1234.5, Pending::None));
    EXPECT_EQ(view.shown, "PDHK"); // prices, day, then both figures
    // The game opened in port is a look at the market: a new visit in the logbook.
    EXPECT_EQ(std::tuple(LogbookOf(st, 0).heading, st.Denik.Mesto),
              std::tuple("Ceny z deníku (den 25)", 0));
}
