#include "voyage/Voyage.h"
#include "port/GameStart.h"
#include "port/News.h"
#include "state/GameFile.h"
#include "support/FakeGameView.h"
#include "voyage/VoyageFixture.h"
#include "voyage/VoyagePlan.h"

#include <gtest/gtest.h>

using namespace vlnobrod;
using namespace vlnobrod::testing;

namespace {

std::vector<std::string> newsTexts(GameState& st) {
    std::vector<std::string> all;
    while (auto item = TakeNews(st))
        all.push_back(item->text);
    return all;
}

} // namespace

TEST(Voyage, AWholeVoyageIsSailedWithoutAWindow) {
    GameState st = SeaGame();
    ASSERT_EQ(SetSail(st, 1), SailAnswer::Sailing);
    // 79 * 0.5 + 1 = 40.5: every day is quiet.
    ScriptedRandom rnd({0.5f});
    FakeGameView view;
    ScriptedBattle battle;
    // 300 pixels at speed 15: 3 pixels a tick, 649 pixels to cross in 217 ticks, a day every
    // 11 ticks: 19 days at 200 gold.
    EXPECT_EQ(SailToPort(st, rnd, view, battle), 217);
    EXPECT_EQ(st.Den, 19);
    EXPECT_EQ(view.dayChanges, 19);
    EXPECT_NEAR(st.Hotovost, 50'000 - 19 * 200, 1e-6);
    EXPECT_EQ(st.Fleet.Naklad[4], 30);
    EXPECT_EQ(st.AktualniMesto, 1);
    EXPECT_EQ(st.PendingAction, Pending::None);
    EXPECT_FALSE(st.Plavba.NaMori);
    EXPECT_EQ(newsTexts(st), std::vector<std::string>{"Vítejte v městě: Skalná"});
    EXPECT_EQ(battle.fights, 0);

    // In port the timer's tick does nothing.
    const VoyageTick idle = SailTick(st, rnd, view, battle);
    EXPECT_FALSE(idle.dayPassed || idle.arrived);
    EXPECT_EQ(st.Den, 19);
}

TEST(Voyage, EveryVoyageLastsAtLeastADayAndDaysAtSeaCanBringPirates) {
    // Mys is 10 pixels away: 65 pixels a tick, across in 10 ticks, before a day of 15.
    GameState st = SeaGame();
    ASSERT_EQ(SetSail(st, 2), SailAnswer::Sailing);
    ScriptedRandom quiet({0.5f});
    FakeGameView view;
    ScriptedBattle battle;
    EXPECT_EQ(SailToPort(st, quiet, view, battle), 10);
    EXPECT_EQ(st.Den, 1);
    EXPECT_NEAR(st.Hotovost, 50'000 - 200, 1e-6);

    // Sixteen ships with an empty hold score 10: a draw of 0.7 is 7.3, pirates. Their battle
    // comes on the day boundary, inside the tick.
    GameState rich = SeaGame();
    rich.Fleet.Pocet = 16;
    rich.Fleet.Naklad.fill(0);
    ASSERT_EQ(SetSail(rich, 1), SailAnswer::Sailing);
    rich.Plavba.Tiky = 10;
    ScriptedRandom dice({0.05f, 0.7f, 0.5f});
    ScriptedBattle won({HandOffWord::Vyhral, 10, 99, 5});
    const VoyageTick t = SailTick(rich, dice, view, won);
    EXPECT_TRUE(t.dayPassed);
    EXPECT_EQ(t.event, 7);
    EXPECT_EQ(won.fights, 1);
    EXPECT_EQ(rich.Fleet.Poskozeni, 15);
    EXPECT_EQ(rich.PendingAction, Pending::Voyage);
    EXPECT_EQ(rich.Plavba.Pozice, -76 + 3);
}

TEST(Voyage, ArrivalWrecksAShipOnlyAbove100Damage) {
    for (const auto& [damage, ships, wrecked] :
         {std::tuple{100, 3, false}, std::tuple{101, 2, true}, std::tuple{255, 0, true}}) {
        GameState st = SeaGame();
        ASSERT_EQ(SetSail(st, 1), SailAnswer::Sailing);
        st.Fleet.Poskozeni = static_cast<std::uint8_t>(damage);
        if (damage == 255)
            st.Fleet.Pocet = 0; // nothing left to lose
        st.Plavba.Dny = 5;
        ScriptedRandom rnd({0.5f});
        FakeGameView view;
        ScriptedBattle battle;
        Arrive(st, rnd, view, battle);
        EXPECT_EQ(st.Fleet.Pocet, ships) << damage;
        EXPECT_EQ(st.Fleet.Poskozeni, wrecked ? 0 : damage) << damage;
        std::vector<std::string> news = {"Vítejte v městě: Skalná"};
        if (wrecked)
            news.insert(news.begin(), "Jedna loď se během plavby úplně zníčila!");
        EXPECT_EQ(newsTexts(st), news) << damage;
        EXPECT_EQ(st.Den, 0) << damage; // days already sailed: no extra day
    }
}

TEST(Voyage, AGameSavedAtSeaLoadsAtSeaAndOlderFilesInPort) {
    GameState st = SeaGame();
    ASSERT_EQ(SetSail(st, 1), SailAnswer::Sailing);
    ScriptedRandom rnd({0.5f});
    FakeGameView view;
    ScriptedBattle battle;
    for (int i = 0; i < 100; ++i)
        SailTick(st, rnd, view, battle);
    const VoyageRecord sailed = st.Plavba;
    ASSERT_EQ(sailed.Dny, 9);
    ASSERT_EQ(sailed.Tiky, 1);

    IniDocument doc = IniDocument::Parse("[Mapa]\nMapa=Mapa1\n");
    WriteGame(doc, st);
    GameState loaded;
    ASSERT_TRUE(ReadGame(doc, loaded));
    StartLoadedGame(loaded, rnd, view);
    // Saving and loading moved nobody: the fleet is where it was, bound for Skalná.
    EXPECT_EQ(loaded.PendingAction, Pending::Voyage);
    EXPECT_EQ(loaded.AktualniMesto, 1);
    EXPECT_EQ(loaded.Plavba.Odkud, 0);
    EXPECT_EQ(loaded.Plavba.Pozice, sailed.Pozice);
    EXPECT_EQ(loaded.Plavba.Tiky, 1);
    EXPECT_EQ(loaded.Plavba.Dny, 9);
    EXPECT_EQ(loaded.Plavba.Vzdalenost, 300);
    EXPECT_EQ(loaded.Den, 9);
    EXPECT_NEAR(loaded.Hotovost, st.Hotovost, 1e-6); // the load charges no upkeep
    // The rest of the voyage, as if it had never been saved.
    EXPECT_EQ(SailToPort(loaded, rnd, view, battle), 117);
    EXPECT_EQ(loaded.Den, 19);
    EXPECT_EQ(loaded.AktualniMesto, 1);

    // Saved again in port over the same file: the voyage is gone from it.
    WriteGame(doc, loaded);
    GameState inPort;
    ASSERT_TRUE(ReadGame(doc, inPort));
    EXPECT_FALSE(inPort.Plavba.NaMori);
    // A file from before voyages were saved, or one whose voyage leads elsewhere than the
    // current city, is in port.
    for (const char* text : {"[Mapa]\nPocetMest=2\nAktualniMesto=1\n[Mesto00]\n[Mesto01]\n",
                             "[Mapa]\nPocetMest=2\nAktualniMesto=1\n[Mesto00]\n[Mesto01]\n"
                             "[Plavba]\nOdkud=0\nKam=0\nVzdalenost=300\n"}) {
        GameState old;
        old.PendingAction = Pending::Voyage; // the game before it was at sea
        ASSERT_TRUE(ReadGame(IniDocument::Parse(text), old));
        StartLoadedGame(old, rnd, view);
        EXPECT_FALSE(old.Plavba.NaMori);
        EXPECT_EQ(old.PendingAction, Pending::None);
    }
}
