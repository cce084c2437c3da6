#include "world/GameStart.h"
#include "support/FakeGameView.h"
#include "world/Logbook.h"
#include "world/Research.h"
#include "world/WorldFixture.h"

#include <gtest/gtest.h>

using namespace vlnobrod;
using namespace vlnobrod::testing;

// A saved game comes back: the saved day goes on with its markets as saved (a load moves no
// price and fades none of the player's impact, or loading again and again would pay), and
// the stored money stands (no interest, no upkeep of a voyage an earlier game left behind),
// and so does a day's research bought that day.
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
    EXPECT_EQ(std::tuple(st.Den, gold.Cena, gold.Dopad, gold.RanniCena),
              std::tuple(25, 200, 20, 180));
    EXPECT_EQ(std::tuple(ResearchOf(st.Cities[0]), st.Hotovost, st.PendingAction),
              std::tuple(Research::OneDay, 1234.5, Pending::None));
    EXPECT_EQ(view.shown, "PDHK"); // prices, day, then both figures

    // A goal already met is congratulated over both figures as loaded, not the last game's.
    st.Mapa = "Mapa4";
    st.Hotovost = st.Konto = 0;
    st.Fleet.Pocet = 1;
    FakeGameView second;
    StartLoadedGame(st, rnd, second);
    ASSERT_EQ(second.messages.size(), 1u);
    EXPECT_EQ(std::tuple(second.messages[0].title, second.resultsOpened),
              std::tuple("Dokončení mapy", 1));
}

// A game saved at sea on day 23, bound for the second city, last in port in the first on day
// 0: opening it writes nothing into the logbook, not even the destination, and the voyage
// goes on. The same game saved in port writes the port's prices of the opened day.
TEST(GameStart, AGameLoadedAtSeaWritesNothingIntoTheLogbook) {
    for (const bool atSea : {true, false}) {
        SCOPED_TRACE(atSea ? "at sea" : "in port");
        GameState st = OneCity(200, 30, 0);
        st.PocetMest = 2;
        st.Denik.Mesta[0].Posledni.Den = 0;
        st.Denik.Mesto = 0;
        st.Den = 23;
        st.AktualniMesto = 1;
        st.Plavba.NaMori = atSea;
        st.Plavba.Kam = 1;
        FakeGameView view;
        ScriptedRandom rnd({0.5f});
        StartLoadedGame(st, rnd, view);
        EXPECT_EQ(std::tuple(st.PendingAction, st.Denik.Mesto),
                  std::tuple(atSea ? Pending::Voyage : Pending::None, atSea ? 0 : 1));
        EXPECT_EQ(LogbookOf(st, 1).heading,
                  atSea ? "Zatím nenavštíveno" : "Ceny z deníku (den 23)");
        EXPECT_EQ(LogbookOf(st, 0).heading, "Ceny z deníku (den 0)");
    }
}
