#include "world/GameStart.h"
#include "support/FakeGameView.h"
#include "world/Logbook.h"
#include "world/Research.h"
#include "world/WorldFixture.h"

#include <gtest/gtest.h>

using namespace vlnobrod;
using namespace vlnobrod::testing;

namespace {
// Writes down what was shown when the message came.
struct Watching : FakeGameView {
    std::string shownAtMessage;
    MessageAnswer ShowMessage(const std::string& text, MessageButtons buttons,
                              std::string& title) override {
        shownAtMessage = shown;
        return FakeGameView::ShowMessage(text, buttons, title);
    }
};
} // namespace

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
    Watching view;
    ScriptedRandom rnd({0.5f});
    StartLoadedGame(st, rnd, view);
    EXPECT_EQ(st.Den, 25);
    EXPECT_EQ(st.Cities[0].Trh[0].Cena, 200);
    EXPECT_EQ(st.Cities[0].Trh[0].Dopad, 20);
    EXPECT_EQ(st.Cities[0].Trh[0].RanniCena, 180);
    EXPECT_EQ(st.Denik.Mesta[0].Posledni.Cena[0], 200); // the logbook sees it so too
    EXPECT_EQ(ResearchOf(st.Cities[0]), Research::OneDay);
    EXPECT_DOUBLE_EQ(st.Hotovost, 1234.5);
    EXPECT_EQ(st.PendingAction, Pending::None);
    EXPECT_EQ(view.shown, "PDHK"); // prices, day, then both figures
    EXPECT_TRUE(view.messages.empty());

    // A goal already met is congratulated over both figures as loaded, not the last game's.
    st.Mapa = "Mapa4";
    st.Hotovost = st.Konto = 0;
    st.Fleet.Pocet = 1;
    Watching second;
    StartLoadedGame(st, rnd, second);
    EXPECT_EQ(second.shownAtMessage, "PDHK");
    ASSERT_EQ(second.messages.size(), 1u);
    EXPECT_EQ(second.messages[0].title, "Dokončení mapy");
    EXPECT_EQ(second.resultsOpened, 1);
}

// A game saved at sea on day 23, bound for the second city, last in port in the first on day
// 0: opening it writes nothing into the logbook, not even the destination, and the voyage
// goes on. The same game saved in port writes the port's prices of the opened day.
TEST(GameStart, AGameLoadedAtSeaWritesNothingIntoTheLogbook) {
    for (const bool atSea : {true, false}) {
        SCOPED_TRACE(atSea ? "at sea" : "in port");
        GameState st = OneCity(200, 30, 0);
        st.Mapa = "Karibik";
        st.PocetMest = 2;
        st.Cities[1].Trh[0] = {300, 300, 0};
        st.Denik.Mesta[0].Posledni.Den = 0;
        st.Denik.Mesta[0].Posledni.Cena[0] = 210;
        st.Denik.Mesto = 0;
        st.Den = 23;
        st.AktualniMesto = 1;
        st.Plavba.NaMori = atSea;
        st.Plavba.Kam = 1;
        FakeGameView view;
        ScriptedRandom rnd({0.5f});
        StartLoadedGame(st, rnd, view);
        EXPECT_EQ(st.PendingAction, atSea ? Pending::Voyage : Pending::None);
        EXPECT_EQ(LogbookOf(st, 1).heading,
                  atSea ? "Zatím nenavštíveno" : "Ceny z deníku (den 23)");
        EXPECT_EQ(st.Denik.Mesto, atSea ? 0 : 1);
        EXPECT_EQ(LogbookOf(st, 0).heading, "Ceny z deníku (den 0)");
    }
}
