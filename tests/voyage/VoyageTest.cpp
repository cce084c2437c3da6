#include "voyage/Voyage.h"
#include "state/GameFile.h"
#include "voyage/VoyageFixture.h"
#include "voyage/VoyageReport.h"
#include "world/GameStart.h"

#include <gtest/gtest.h>

#include <array>

using namespace vlnobrod;
using namespace vlnobrod::testing;

TEST(Voyage, AVoyageIsSailedWithoutAWindowAndLastsAtLeastADay) {
    // Skalná: 3 pixels a tick, 649 pixels to cross in 217 ticks, a day every 11 ticks: 19
    // quiet days (79 * 0.5 + 1 = 40.5), each rolled once, and the arrival's day.
    // Mys, 10 pixels away, is crossed in 10 ticks, before its first day of 15, and costs a day
    // all the same. On the way the days left are the days the voyage still sails.
    for (const auto& [city, ticks, days, left] :
         {std::array{1, 217, 19, 20}, std::array{2, 10, 1, 1}}) {
        Sea s;
        ASSERT_EQ(SetSail(s.st, city), SailAnswer::Sailing);
        int sailed = 1;
        for (; sailed < 1000 && !SailTick(s.st, s.rnd, s.view, s.battle).arrived; ++sailed)
            EXPECT_EQ(DaysLeft(s.st), left - s.st.Den) << sailed;
        EXPECT_EQ(std::tuple(sailed, s.rnd.reseeds(), s.st.Den, s.view.dayChanges,
                             s.st.AktualniMesto, s.st.PendingAction),
                  std::tuple(ticks, days, days, days, city, Pending::None));
        EXPECT_EQ(DrainNews(s.st), "0:Vítejte v městě: " + s.st.Cities[city].Nazev);
        SailTick(s.st, s.rnd, s.view, s.battle); // in port the timer's tick does nothing
        EXPECT_EQ(s.st.Den, days);
    }
}

TEST(Voyage, ArrivalWrecksAShipOnlyAbove100Damage) {
    const std::string wreck = "4:Jedna loď se během plavby úplně zníčila!|";
    // Damage and ships as the fleet comes in, then the ships left and the news before the welcome.
    const std::tuple<int, std::int16_t, std::int16_t, std::string> rows[] = {
        {100, 3, 3, ""}, {101, 3, 2, wreck}, {255, 0, 0, wreck}};
    for (const auto& [damage, ships, shipsAfter, news] : rows) {
        Sea s;
        ASSERT_EQ(SetSail(s.st, 1), SailAnswer::Sailing);
        s.st.Fleet.Poskozeni = static_cast<std::uint8_t>(damage);
        s.st.Fleet.Pocet = ships; // none: nothing left to lose
        s.st.Plavba.Dny = 5;      // days already sailed: no extra day
        Arrive(s.st, s.rnd, s.view, s.battle);
        EXPECT_EQ(std::tuple(s.st.Fleet.Pocet, s.st.Fleet.Poskozeni, s.st.Den),
                  std::tuple(shipsAfter, damage > 100 ? 0 : damage, 0));
        EXPECT_EQ(DrainNews(s.st), news + "0:Vítejte v městě: Skalná");
    }
}

// Saved and loaded halfway, the voyage ends on the day and with the money it would have; a
// voyage that leads elsewhere than the current city loads in port.
TEST(Voyage, AGameSavedAtSeaLoadsAtSeaOlderFilesInPortAndALateTickEndsTheDay) {
    Sea s;
    ASSERT_EQ(SetSail(s.st, 1), SailAnswer::Sailing);
    for (int i = 0; i < 100; ++i)
        SailTick(s.st, s.rnd, s.view, s.battle);
    IniDocument doc = IniDocument::Parse("[Mapa]\nMapa=Mapa1\n");
    WriteGame(doc, s.st);
    GameState loaded;
    ASSERT_TRUE(ReadGame(doc, loaded));
    StartLoadedGame(loaded, s.rnd, s.view);
    EXPECT_EQ(SailToPort(loaded, s.rnd, s.view, s.battle), 117);
    EXPECT_EQ(std::tuple(loaded.Den, loaded.AktualniMesto), std::tuple(19, 1));
    EXPECT_NEAR(loaded.Hotovost, 50'000 - 19 * 200, 1e-6);

    WriteGame(doc, loaded);
    const char* old = "[Mapa]\nPocetMest=2\nAktualniMesto=1\n[Mesto00]\n[Mesto01]\n";
    for (const IniDocument& file :
         {doc, IniDocument::Parse(old),
          IniDocument::Parse(std::string(old) + "[Plavba]\nOdkud=0\nKam=0\nVzdalenost=300\n")}) {
        GameState st;
        st.PendingAction = Pending::Voyage; // the game before it was at sea
        ASSERT_TRUE(ReadGame(file, st));
        StartLoadedGame(st, s.rnd, s.view);
        EXPECT_EQ(st.PendingAction, Pending::None);
    }
    // A tick counter saved past the day's 11 ticks passes the day at the next tick.
    for (const std::uint8_t ticks : {9, 10, 11, 200}) {
        Sea at;
        ASSERT_EQ(SetSail(at.st, 1), SailAnswer::Sailing);
        at.st.Plavba.Tiky = ticks;
        EXPECT_EQ(SailTick(at.st, at.rnd, at.view, at.battle).dayPassed, ticks >= 10) << int(ticks);
    }
}
