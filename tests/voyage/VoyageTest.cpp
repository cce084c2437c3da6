#include "voyage/Voyage.h"
#include "state/GameFile.h"
#include "voyage/VoyageFixture.h"
#include "world/GameStart.h"

#include <gtest/gtest.h>

#include <array>

using namespace vlnobrod;
using namespace vlnobrod::testing;

TEST(VoyagePlan, StepAndTicksPerDayFollowTheDistanceTheSpeedAndTheShip) {
    // Distance, speed and ship type, then the step and the ticks a day.
    const std::array<int, 5> rows[] = {
        {649, 25, 0, 2, 12},  // (649 / 2) / 25.96 = 12.5: the half goes to the even 12
        {131, 1, 1, 1, 5},    // a step of 0.5 rounds to 0 and still moves a pixel
        {7, 15, 0, 255, 5},   // under half a day: the ship crosses at 255 pixels a tick
        {0, 15, 2, 255, 255}, // no way at all: a day of 255 ticks it never reaches
    };
    for (const auto& [distance, speed, typ, step, ticksPerDay] : rows) {
        FleetRecord f;
        f.Rychlost = static_cast<std::uint8_t>(speed);
        f.Typ = static_cast<std::uint8_t>(typ);
        const VoyagePlan p = PlanVoyage(static_cast<std::int16_t>(distance), f);
        EXPECT_EQ(std::tuple(int(p.step), int(p.ticksPerDay)), std::tuple(step, ticksPerDay))
            << distance;
    }
}

TEST(VoyagePlan, RefusalsComeInTheirOrderAndChangeNothing) {
    // The city, Vlnobrod's access fee and the ships, then the answer and the news.
    const std::tuple<int, double, std::int16_t, SailAnswer, const char*> rows[] = {
        {0, 500, 2, SailAnswer::NoAccess, "4:Do města není povolen přístup"}, // closed and current
        {0, 0, 2, SailAnswer::NowhereToGo, "2:Není kam cestovat!"},
        {1, 0, 0, SailAnswer::NoShips, "2:Nemáte žádnou loď!"},
        {5, 0, 2, SailAnswer::NoSuchCity, ""},
    };
    for (const auto& [city, access, ships, answer, news] : rows) {
        Sea s;
        s.st.Cities[0].Pristup = access;
        s.st.Fleet.Pocet = ships;
        SCOPED_TRACE(news);
        EXPECT_EQ(SetSail(s.st, city), answer);
        EXPECT_EQ(DrainNews(s.st), news);
        EXPECT_EQ(std::tuple(s.st.AktualniMesto, s.st.PendingAction, s.st.Plavba.NaMori),
                  std::tuple(0, Pending::None, false));
    }
}

TEST(VoyagePlan, SettingSailMakesTheDestinationCurrentAndATurnAtSeaKeepsTheOrigin) {
    Sea s;
    s.st.StateSaved = true;
    ASSERT_EQ(SetSail(s.st, 1), SailAnswer::Sailing);
    EXPECT_FALSE(s.st.StateSaved); // the voyage is a change the player has not saved
    // At sea towards Skalná: Skalná is already current.
    EXPECT_EQ(SetSail(s.st, 1), SailAnswer::NowhereToGo);
    s.st.Plavba.Dny = 4;
    s.st.Plavba.Pozice = 200;
    s.st.Plavba.Tiky = 7;
    // Turning for Mys, 10 pixels from the port left: planned from there, days kept.
    ASSERT_EQ(SetSail(s.st, 2), SailAnswer::Sailing);
    const VoyageRecord& v = s.st.Plavba;
    EXPECT_EQ(std::tuple(s.st.AktualniMesto, v.Odkud, v.Vzdalenost, v.Dny, v.Pozice, v.Tiky),
              std::tuple(2, 0, 10, 4, -76, 0));
}

TEST(Voyage, AVoyageIsSailedWithoutAWindowAndLastsAtLeastADay) {
    // Skalná: 3 pixels a tick, 649 pixels to cross in 217 ticks, a day every 11 ticks: 19
    // quiet days (79 * 0.5 + 1 = 40.5) at 200 gold, each rolled once. Mys, 10 pixels away,
    // is crossed in 10 ticks, before its first day of 15, and costs a day all the same.
    for (const auto& [city, ticks, days] : {std::array{1, 217, 19}, std::array{2, 10, 1}}) {
        Sea s;
        ASSERT_EQ(SetSail(s.st, city), SailAnswer::Sailing);
        EXPECT_EQ(SailToPort(s.st, s.rnd, s.view, s.battle), ticks);
        EXPECT_EQ(std::tuple(s.rnd.reseeds(), s.st.Den, s.view.dayChanges, s.st.AktualniMesto),
                  std::tuple(days, days, days, city));
        EXPECT_NEAR(s.st.Hotovost, 50'000 - days * 200, 1e-6);
        EXPECT_EQ(s.st.PendingAction, Pending::None);
        EXPECT_EQ(DrainNews(s.st), "0:Vítejte v městě: " + s.st.Cities[city].Nazev);
        // In port the timer's tick does nothing.
        EXPECT_FALSE(SailTick(s.st, s.rnd, s.view, s.battle).dayPassed);
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

TEST(Voyage, AGameSavedAtSeaLoadsAtSeaAndOlderFilesInPort) {
    Sea s;
    ASSERT_EQ(SetSail(s.st, 1), SailAnswer::Sailing);
    for (int i = 0; i < 100; ++i)
        SailTick(s.st, s.rnd, s.view, s.battle);
    IniDocument doc = IniDocument::Parse("[Mapa]\nMapa=Mapa1\n");
    WriteGame(doc, s.st);
    GameState loaded;
    ASSERT_TRUE(ReadGame(doc, loaded));
    StartLoadedGame(loaded, s.rnd, s.view);
    // Saving and loading moved nobody and charged no upkeep: the rest of the voyage goes as
    // if it had never been saved.
    EXPECT_NEAR(loaded.Hotovost, s.st.Hotovost, 1e-6);
    EXPECT_EQ(std::tuple(loaded.Plavba.Tiky, loaded.Plavba.Dny),
              std::tuple(s.st.Plavba.Tiky, s.st.Plavba.Dny));
    EXPECT_EQ(SailToPort(loaded, s.rnd, s.view, s.battle), 117);
    EXPECT_EQ(loaded.Den, 19);
    EXPECT_EQ(loaded.AktualniMesto, 1);

    // Saved again in port over the same file, from before voyages were saved, or with a
    // voyage that leads elsewhere than the current city: the game is in port.
    WriteGame(doc, loaded);
    const char* old = "[Mapa]\nPocetMest=2\nAktualniMesto=1\n[Mesto00]\n[Mesto01]\n";
    for (const IniDocument& file :
         {doc, IniDocument::Parse(old),
          IniDocument::Parse(std::string(old) + "[Plavba]\nOdkud=0\nKam=0\nVzdalenost=300\n")}) {
        GameState st;
        st.PendingAction = Pending::Voyage; // the game before it was at sea
        ASSERT_TRUE(ReadGame(file, st));
        StartLoadedGame(st, s.rnd, s.view);
        EXPECT_FALSE(st.Plavba.NaMori);
        EXPECT_EQ(st.PendingAction, Pending::None);
    }
}

// A save whose tick counter lies past the day's ticks (the day has 11 here) passes the day
// at the next tick, as it would have passed at the tick the counter reached 11.
TEST(Voyage, ATickCounterLoadedPastTheDayEndsTheDayAtTheNextTick) {
    for (const int ticks : {9, 10, 11, 200}) {
        Sea s;
        ASSERT_EQ(SetSail(s.st, 1), SailAnswer::Sailing);
        ASSERT_EQ(CurrentPlan(s.st).ticksPerDay, 11);
        IniDocument doc = IniDocument::Parse("[Mapa]\nMapa=Mapa1\n");
        WriteGame(doc, s.st);
        doc.Set("Plavba", "Tiky", std::to_string(ticks));
        GameState loaded;
        ASSERT_TRUE(ReadGame(doc, loaded));
        StartLoadedGame(loaded, s.rnd, s.view);
        EXPECT_EQ(SailTick(loaded, s.rnd, s.view, s.battle).dayPassed, ticks >= 10) << ticks;
    }
}
