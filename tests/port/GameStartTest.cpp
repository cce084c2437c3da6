#include "port/GameStart.h"
#include "support/FakeGameView.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace vlnobrod;
using vlnobrod::testing::FakeGameView;

TEST(GameStart, TheStoredDaysMovePricesOnceButTheStoredMoneyStands) {
    GameState st;
    st.Mapa = "Karibik";
    st.PocetMest = 1;
    st.Cities[0].Velikost = 0;
    st.Cities[0].Trh[0] = {200, 0, 30, 180}; // saved after a purchase that day
    st.Den = 25;
    st.Hotovost = 1234.5;
    st.Konto = 50000;                   // a day's interest would add 10 to cash
    st.PendingAction = Pending::Voyage; // a voyage some earlier game left behind: no upkeep now
    FakeGameView view;
    ScriptedRandom rnd({0.5f});
    StartLoadedGame(st, rnd, view);
    EXPECT_EQ(st.Den, 25);
    EXPECT_EQ(st.Cities[0].Trh[0].Cena, 197);
    EXPECT_EQ(st.Cities[0].Trh[0].RanniCena, 180); // the saved day goes on
    EXPECT_DOUBLE_EQ(st.Hotovost, 1234.5);
    EXPECT_DOUBLE_EQ(st.Konto, 50000);
    EXPECT_EQ(st.PendingAction, Pending::None);
    EXPECT_EQ(view.shown, "PDHK"); // prices, day, then both figures
    EXPECT_TRUE(view.messages.empty());

    st.Company = "Trotl Transport";
    st.Name = "Ludvík";
    WelcomeToGame(st);
    EXPECT_TRUE(st.StateSaved);
    EXPECT_EQ(st.NewsQueue[0].text, "Společnost: Trotl Transport");
    EXPECT_EQ(st.NewsQueue[1].text, "Jméno: Ludvík");
}

TEST(GameStart, AGoalAlreadyMetIsCongratulatedAsTheGameOpens) {
    GameState st;
    st.Mapa = "Mapa4";
    st.Hotovost = 0;
    st.Konto = 0;
    st.Fleet.Pocet = 1;
    // The congratulation stands over both figures as loaded, not over the last game's.
    struct Watching : FakeGameView {
        std::string shownAtMessage;
        MessageAnswer ShowMessage(const std::string& text, MessageButtons buttons,
                                  std::string& title) override {
            shownAtMessage = shown;
            return FakeGameView::ShowMessage(text, buttons, title);
        }
    } view;
    ScriptedRandom rnd({0.5f});
    StartLoadedGame(st, rnd, view);
    EXPECT_EQ(view.shownAtMessage, "PDHK");
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].title, "Dokončení mapy");
    EXPECT_TRUE(st.Hotovo);
    EXPECT_EQ(view.resultsOpened, 1);
}

TEST(GameStart, TheGoalDisplayReadsTheFourLinesFromTheScenarioFile) {
    vlnobrod::testing::TempDir dir;
    dir.write("Data/Mapa2.mlo", "[Mapa]\r\nUkol=Vydělejte\r\nUkol2=pět milionů\r\nUkol4=!\r\n");
    GameState st;
    st.Mapa = "Mapa2";
    st.Places.AppFolder = dir.path();
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
