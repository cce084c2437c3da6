#include "voyage/SeaEvents.h"
#include "port/News.h"
#include "support/FakeGameView.h"
#include "voyage/VoyageFixture.h"
#include "voyage/VoyagePlan.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vlnobrod;
using namespace vlnobrod::testing;

namespace {

// Every news item waiting, in order, with its kind.
std::vector<std::pair<std::string, int>> drainNews(GameState& st) {
    std::vector<std::pair<std::string, int>> all;
    while (auto item = TakeNews(st))
        all.emplace_back(item->text, item->kind);
    return all;
}

GameState atSea() {
    GameState st = SeaGame();
    EXPECT_EQ(SetSail(st, 1), SailAnswer::Sailing);
    return st;
}

} // namespace

TEST(SeaEvents, TheDangerScoreWeighsFleetCargoWayAndWealth) {
    struct Case {
        const char* name;
        std::int16_t ships;
        std::uint8_t typ;
        std::vector<std::pair<std::size_t, double>> cargo;
        std::int16_t distance;
        double konto, hotovost;
        int score;
    };
    const Case cases[] = {
        // An empty hold draws trouble: grounding, anchor or calm only.
        {"small empty fleet, short way", 4, 0, {}, 300, 2'000'000, 500'000, 3},
        {"one goods keeps the sea calm", 1, 0, {{4, 10}}, 100, 0, 0, 0},
        {"one goods below 6 stays", 8, 0, {{4, 10}}, 100, 0, 0, 5},
        {"one goods above 5 takes 5", 8, 1, {{4, 10}}, 100, 0, 0, 1},
        {"two goods take 8 above 8", 16, 2, {{4, 10}, {5, 10}}, 100, 0, 0, 1},
        {"two goods at 8 stay", 16, 1, {{4, 10}, {5, 10}}, 100, 0, 0, 8},
        {"three goods change nothing", 5, 0, {{4, 1}, {5, 1}, {6, 1}}, 100, 0, 0, 3},
        {"four goods take 12 above 12", 16, 2, {{4, 1}, {5, 1}, {6, 1}, {7, 1}}, 100, 3e6, 6e5, 1},
        // Fleet 7, galleon 2, goods 0 and 2 in bulk 4, the long way 2, bank 3, cash 5 and a
        // hold of full loads only (none below the fleet's 800) 3.
        {"everything", 16, 2, {{0, 800}, {2, 900}}, 600, 3e6, 11e6, 26},
        {"cash over 2 million", 1, 0, {}, 301, 0, 3e6, 6},
        {"cash over 5 million", 1, 0, {}, 501, 0, 6e6, 8},
    };
    for (const Case& c : cases) {
        GameState st;
        st.Fleet.Pocet = c.ships;
        st.Fleet.Typ = c.typ;
        for (auto [g, q] : c.cargo)
            st.Fleet.Naklad[g] = q;
        st.Konto = c.konto;
        st.Hotovost = c.hotovost;
        EXPECT_EQ(DangerScore(st, c.distance), c.score) << c.name;
    }
}

TEST(SeaEvents, EachRowHasItsSoundNewsAndEffect) {
    struct Case {
        int n;
        float r;
        const char* sound;
        const char* news;
        int kind;
        int damage;         // from 20
        int days;           // from 0, at 200 gold each
        double cargo;       // from 120
        double cash, konto; // besides the upkeep; from 50 000 and 4 000
    };
    const Case cases[] = {
        {0, 0.5f, "", "", 0, 20, 0, 120, 50'000, 4'000},
        {1, 0.5f, "Push", "Loď trochu zahranila o dno a poškodila se o 12 %", 2, 32, 0, 120, 50'000,
         4'000},
        {2, 0.5f, "Whoosh", "Jedné lodi se utrhla kotva! Je poškozená o 8 %", 2, 28, 0, 120, 49'900,
         4'000},
        {3, 0.5f, "Vítr", "Bezvětří! Plavba se protáhne o 6 dnů", 2, 20, 6, 120, 50'000, 4'000},
        {4, 0.5f, "ážbluňk", "Muž přes palubu! Plavba se protáhne o 1 den.", 2, 20, 1, 120, 50'000,
         4'000},
        {5, 0.5f, "", "", 0, 20, 0, 120, 50'000, 4'000},
        {6, 0.5f, "Push", "Loď narazila na korálové útesy! Je poškozená o 18 %", 2, 38, 1, 120,
         50'000, 4'000},
        {13, 0.5f, "Vítr", "Mírná bouře. Utopila se čtvrtina nákladu", 4, 38, 1, 90, 50'000, 4'000},
        // 20 + 17.5 + 5 = 42.5: the half goes to the even 42.
        {14, 0.5f, "Vítr", "Tornádo!. Utopila se třetina nákladu. Zdržení o 3 dny", 4, 42, 3, 80,
         50'000, 4'000},
        {15, 0.5f, "Vítr", "Zuřivá bouře. Pro přežití bylo potřeba vyhodit polovinu nákladu.", 4,
         60, 1, 60, 50'000, 4'000},
        {16, 0.99f, "Vítr", "Zuřivá bouře. Pro přežití bylo potřeba vyhodit polovinu nákladu.", 4,
         89, 1, 60, 50'000, 4'000},
        {17, 0.5f, "", "", 0, 20, 0, 120, 50'000, 4'000},
        {18, 0.5f, "Kasa", "Ty snobe! Krachla ti banka! Možná si vybereš alespoň čtvrtinu...", 4,
         20, 0, 120, 50'000, 1'000},
        {40, 0.5f, "Kasa", "Ty snobe! Krachla ti banka! Možná si vybereš alespoň čtvrtinu...", 4,
         20, 0, 120, 50'000, 1'000},
    };
    for (const Case& c : cases) {
        GameState st = atSea();
        st.Fleet.Poskozeni = 20;
        st.Fleet.Naklad[4] = 120;
        st.Konto = 4'000;
        ScriptedRandom rnd({c.r});
        FakeGameView view;
        ScriptedBattle battle;
        SeaEvent(st, rnd, view, battle, c.n);
        EXPECT_EQ(view.sounds.empty() ? "" : view.sounds.front(), std::string(c.sound)) << c.n;
        EXPECT_EQ(st.NewsQueue[0].text, c.news) << c.n;
        EXPECT_EQ(st.NewsQueue[0].kind, c.kind) << c.n;
        EXPECT_EQ(st.Fleet.Poskozeni, c.damage) << c.n;
        EXPECT_EQ(st.Den, c.days) << c.n;
        EXPECT_EQ(st.Plavba.Dny, c.days) << c.n;
        EXPECT_NEAR(st.Fleet.Naklad[4], c.cargo, 1e-9) << c.n;
        // The account's interest lands in cash once for each day change.
        EXPECT_NEAR(st.Hotovost, c.cash - 200.0 * c.days + (c.days ? 0.8 : 0), 1e-6) << c.n;
        EXPECT_NEAR(st.Konto, c.konto, 1e-9) << c.n;
        EXPECT_EQ(battle.fights, 0) << c.n;
    }
}

TEST(SeaEvents, DamageStopsAt255AndTheRollFollowsTheScore) {
    GameState st = atSea();
    st.Fleet.Poskozeni = 240;
    ScriptedRandom rnd({0.99f});
    FakeGameView view;
    ScriptedBattle battle;
    SeaEvent(st, rnd, view, battle, 15);
    EXPECT_EQ(st.Fleet.Poskozeni, 255);

    // A quiet day (79 * 0.2 + 1 = 16.8) draws nothing more; a draw of 9 brings an event,
    // and a score of 0 gives event 0 or 1.
    struct Roll {
        std::vector<float> r;
        int event;
    };
    const Roll rolls[] = {{{0.2f}, -1}, {{0.1f, 0.4f}, 1}, {{0.1f, 0.6f}, 0}};
    for (const Roll& roll : rolls) {
        GameState calm = atSea();
        calm.Fleet.Pocet = 1; // one goods aboard: score 0
        ScriptedRandom dice(roll.r);
        EXPECT_EQ(RollSeaDay(calm, dice, view, battle), roll.event);
        EXPECT_EQ(dice.reseeds(), roll.event < 0 ? 1 : 2);
    }
}

TEST(SeaEvents, PiratesAreFoughtAndTheOutcomeSettledAtItsEdges) {
    struct Case {
        const char* name;
        HandOffWord word;
        double merchant, pirate, carried, cash;
        float r;
        int ships, damage;
        double cargo, cashAfter;
        std::vector<std::pair<std::string, int>> news;
    };
    const std::pair<std::string, int> horizon{"Piráti na obzoru!", 4};
    const Case cases[] = {
        {"won, pirates at 98",
         HandOffWord::Vyhral,
         30,
         98,
         15,
         50'000,
         0.5f,
         4,
         57,
         120,
         65'250,
         {horizon, {"Získal jste pirátskou loď!", 1}, {"Ukořistil jste 15 250 zlatých", 0}}},
        {"won, pirates at 99",
         HandOffWord::Vyhral,
         30,
         99,
         15,
         50'000,
         0.0f,
         3,
         45,
         120,
         50'500,
         {horizon, {"Ukořistil jste 500 zlatých", 0}}},
        {"won, ship sunk",
         HandOffWord::Vyhral,
         100,
         100,
         0,
         50'000,
         0.5f,
         2,
         0,
         120,
         65'250,
         {horizon, {"Přišel jste o loď!", 4}, {"Ukořistil jste 15 250 zlatých", 0}}},
        {"lost, cash 1 000 000",
         HandOffWord::Prohral,
         60,
         10,
         30,
         1'000'000,
         0.5f,
         3,
         90,
         0,
         1'000'000,
         {horizon, {"Piráti ukradli všechen náklad!", 4}}},
        {"lost rich, ship taken",
         HandOffWord::Prohral,
         100,
         10,
         0,
         1'000'000.01,
         0.5f,
         1,
         0,
         60,
         1'000'000.01 - 16'050,
         {horizon,
          {"Přišel jste o loď!", 4},
          {"Piráti ukradli loď!", 4},
          {"Piráti ukradli polovinu nákladu a 16050zlatých", 4}}},
        {"lost rich, ships kept",
         HandOffWord::Prohral,
         20,
         10,
         10,
         1.5e6,
         0.1f,
         3,
         30,
         60,
         1.5e6 - 3'290,
         {horizon, {"Piráti ukradli polovinu nákladu a 3290zlatých", 4}}},
    };
    for (const Case& c : cases) {
        GameState st = atSea();
        st.Fleet.Naklad[4] = 120;
        st.Hotovost = c.cash;
        st.Plavba.Tiky = 5;
        ScriptedRandom rnd({c.r});
        FakeGameView view;
        ScriptedBattle battle({c.word, c.merchant, c.pirate, c.carried});
        SeaEvent(st, rnd, view, battle, 9);
        EXPECT_EQ(battle.fights, 1) << c.name;
        EXPECT_EQ(battle.modes, HandOffWord::Pirati) << c.name;
        EXPECT_EQ(st.HandOff, c.word) << c.name;
        EXPECT_EQ(st.Fleet.Pocet, c.ships) << c.name;
        // What the battle carries over comes last, after the captured ship's 12.
        EXPECT_EQ(st.Fleet.Poskozeni, c.damage) << c.name;
        EXPECT_NEAR(st.Fleet.Naklad[4], c.cargo, 1e-9) << c.name;
        EXPECT_NEAR(st.Hotovost, c.cashAfter, 1e-6) << c.name;
        EXPECT_EQ(st.Plavba.Tiky, 0) << c.name;
        EXPECT_EQ(drainNews(st), c.news) << c.name;
    }

    // The last ship lost leaves none, never fewer.
    GameState poor = atSea();
    poor.Fleet.Pocet = 0;
    ScriptedRandom rnd({0.5f});
    FakeGameView view;
    ScriptedBattle sunk({HandOffWord::Prohral, 100, 0, 0});
    SeaEvent(poor, rnd, view, sunk, 12);
    EXPECT_EQ(poor.Fleet.Pocet, 0);
}
