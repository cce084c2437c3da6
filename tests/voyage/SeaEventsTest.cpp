#include "voyage/SeaEvents.h"
#include "voyage/VoyageFixture.h"

#include <gtest/gtest.h>

using namespace vlnobrod;
using namespace vlnobrod::testing;

TEST(SeaEvents, TheDangerScoreWeighsFleetCargoWayAndWealth) {
    // What the row shows, ships, type, cargo (goods, units), the way, bank and cash; the score.
    using Row =
        std::tuple<const char*, std::int16_t, std::uint8_t,
                   std::vector<std::pair<std::size_t, double>>, std::int16_t, double, double, int>;
    const Row rows[] = {
        {"small empty fleet, short way", 4, 0, {}, 300, 2'000'000, 500'000, 3},
        {"one goods below 6 stays", 8, 0, {{4, 10}}, 100, 0, 0, 5},
        {"one goods above 5 takes 5", 8, 1, {{4, 10}}, 100, 0, 0, 1},
        {"two goods take 8 above 8", 16, 2, {{4, 10}, {5, 10}}, 100, 0, 0, 1},
        {"two goods at 8 stay", 16, 1, {{4, 10}, {5, 10}}, 100, 0, 0, 8},
        {"four goods take 12 above 12", 16, 2, {{4, 1}, {5, 1}, {6, 1}, {7, 1}}, 100, 3e6, 6e5, 1},
        // Fleet 7, galleon 2, goods 0 and 2 in bulk 4, the long way 2, bank 3, cash 5 and a
        // hold of full loads only (none below the fleet's 800) 3.
        {"everything", 16, 2, {{0, 800}, {2, 900}}, 600, 3e6, 11e6, 26},
        {"cash over 2 million", 1, 0, {}, 301, 0, 3e6, 6},
        {"cash over 5 million", 1, 0, {}, 501, 0, 6e6, 8},
    };
    for (const auto& [name, ships, typ, cargo, distance, konto, hotovost, score] : rows) {
        GameState st;
        st.Fleet.Pocet = ships;
        st.Fleet.Typ = typ;
        for (auto [g, q] : cargo)
            st.Fleet.Naklad[g] = q;
        st.Konto = konto;
        st.Hotovost = hotovost;
        EXPECT_EQ(DangerScore(st, distance), score) << name;
    }
}

TEST(SeaEvents, EachRowHasItsSoundNewsAndEffect) {
    // From damage 20 (240 for the second furious storm: damage stops at 255 rather than
    // wrapping round), 120 units aboard, 50 000 in cash and 4 000 in the bank, of which a bank
    // crash leaves a quarter; each day costs 200 and brings the interest of 0.8 into cash.
    const char* storm = "4:Zuřivá bouře. Pro přežití bylo potřeba vyhodit polovinu nákladu.";
    const char* crash = "4:Ty snobe! Krachla ti banka! Možná si vybereš alespoň čtvrtinu...";
    // The event, its sound and news, then the damage, the days lost, the cargo and the cost.
    const std::tuple<int, const char*, const char*, int, int, double, double> rows[] = {
        {0, "", "", 20, 0, 120, 0},
        {1, "Push", "2:Loď trochu zahranila o dno a poškodila se o 12 %", 32, 0, 120, 0},
        {2, "Whoosh", "2:Jedné lodi se utrhla kotva! Je poškozená o 8 %", 28, 0, 120, 100},
        {3, "Vítr", "2:Bezvětří! Plavba se protáhne o 6 dnů", 20, 6, 120, 0},
        {4, "ážbluňk", "2:Muž přes palubu! Plavba se protáhne o 1 den.", 20, 1, 120, 0},
        {5, "", "", 20, 0, 120, 0},
        {6, "Push", "2:Loď narazila na korálové útesy! Je poškozená o 18 %", 38, 1, 120, 0},
        {13, "Vítr", "4:Mírná bouře. Utopila se čtvrtina nákladu", 38, 1, 90, 0},
        // 20 + 17.5 + 5 = 42.5: the half goes to the even 42.
        {14, "Vítr", "4:Tornádo!. Utopila se třetina nákladu. Zdržení o 3 dny", 42, 3, 80, 0},
        {15, "Vítr", storm, 60, 1, 60, 0},
        {16, "Vítr", storm, 255, 1, 60, 0},
        {17, "", "", 20, 0, 120, 0},
        {18, "Kasa", crash, 20, 0, 120, 0},
        {40, "Kasa", crash, 20, 0, 120, 0},
    };
    for (const auto& [n, sound, news, damage, days, cargo, cost] : rows) {
        Sea s;
        ASSERT_EQ(SetSail(s.st, 1), SailAnswer::Sailing);
        s.st.Fleet.Poskozeni = n == 16 ? 240 : 20;
        s.st.Fleet.Naklad[4] = 120;
        s.st.Konto = 4'000;
        SeaEvent(s.st, s.rnd, s.view, s.battle, n);
        SCOPED_TRACE(n);
        EXPECT_EQ(std::tuple(s.view.sounds.empty() ? "" : s.view.sounds.front(), DrainNews(s.st)),
                  std::tuple(std::string(sound), std::string(news)));
        EXPECT_EQ(std::tuple(s.st.Fleet.Poskozeni, s.st.Den, s.st.Plavba.Dny, s.battle.fights,
                             s.st.Fleet.Naklad[4], s.st.Konto),
                  std::tuple(damage, days, days, 0, cargo, n < 18 ? 4'000 : 1'000));
        EXPECT_NEAR(s.st.Hotovost, 50'000 - cost - 200.0 * days + (days ? 0.8 : 0), 1e-6);
    }
}

TEST(SeaEvents, TheDaysRollFollowsTheScore) {
    // A quiet day (79 * 0.2 + 1 = 16.8) draws nothing more; a roll of 9 brings an event, one
    // of exactly 10 does not; a score of 0 (one ship, one goods) gives event 0 or 1.
    const std::pair<std::vector<float>, int> rows[] = {
        {{0.2f}, -1}, {{0.1f, 0.6f}, 0}, {{9.0f / 79}, -1}, {{8.0f / 79, 0.4f}, 1}};
    for (const auto& [dice, event] : rows) {
        Sea calm(dice);
        ASSERT_EQ(SetSail(calm.st, 1), SailAnswer::Sailing);
        calm.st.Fleet.Pocet = 1;
        EXPECT_EQ(RollSeaDay(calm.st, calm.rnd, calm.view, calm.battle), event);
        EXPECT_EQ(calm.rnd.reseeds(), event < 0 ? 1 : 2);
    }
}

// Events 7 to 12 are pirates. With 120 units aboard, after "4:Piráti na obzoru!" come the
// news below. A fleet at the count's limit that takes a pirate ship stays at the limit; the
// last ship lost leaves none, never fewer.
TEST(SeaEvents, PiratesAreFoughtAndTheOutcomeSettledAtItsEdges) {
    // The event; the battle's outcome, both damages and what carries over; cash, dice, ships
    // before; then ships, damage, cargo, cash and the news.
    using Row = std::tuple<int, HandOffWord, double, double, double, double, float, std::int16_t,
                           std::int16_t, int, double, double, const char*>;
    const Row rows[] = {
        {9, HandOffWord::Vyhral, 30, 98, 15, 50'000, 0.5f, 3, 4, 57, 120, 65'250,
         "1:Získal jste pirátskou loď!|0:Ukořistil jste 15 250 zlatých"},
        {7, HandOffWord::Vyhral, 30, 98, 0, 50'000, 0.0f, 32'767, 32'767, 42, 120, 50'500,
         "1:Získal jste pirátskou loď!|0:Ukořistil jste 500 zlatých"},
        {9, HandOffWord::Vyhral, 30, 99, 15, 50'000, 0.0f, 3, 3, 45, 120, 50'500,
         "0:Ukořistil jste 500 zlatých"},
        // A ship at 99 % comes out of the battle afloat; at exactly 100 % it is lost.
        {9, HandOffWord::Vyhral, 99, 99, 0, 50'000, 0.0f, 3, 3, 99, 120, 50'500,
         "0:Ukořistil jste 500 zlatých"},
        {9, HandOffWord::Vyhral, 100, 100, 0, 50'000, 0.5f, 3, 2, 0, 120, 65'250,
         "4:Přišel jste o loď!|0:Ukořistil jste 15 250 zlatých"},
        {9, HandOffWord::Prohral, 60, 10, 30, 1'000'000, 0.5f, 3, 3, 90, 0, 1'000'000,
         "4:Piráti ukradli všechen náklad!"},
        {12, HandOffWord::Prohral, 100, 0, 0, 50'000, 0.5f, 0, 0, 0, 0, 50'000,
         "4:Přišel jste o loď!|4:Piráti ukradli všechen náklad!"},
        {9, HandOffWord::Prohral, 100, 10, 0, 1'000'000.01, 0.5f, 3, 1, 0, 60,
         1'000'000.01 - 16'050,
         "4:Přišel jste o loď!|4:Piráti ukradli loď!|4:Piráti ukradli polovinu nákladu a "
         "16050zlatých"},
        {9, HandOffWord::Prohral, 20, 10, 10, 1.5e6, 0.1f, 3, 3, 30, 60, 1.5e6 - 3'290,
         "4:Piráti ukradli polovinu nákladu a 3290zlatých"},
    };
    for (const auto& [n, word, merchant, pirate, carried, cash, r, shipsBefore, ships, damage,
                      cargo, cashAfter, news] : rows) {
        Sea s({r}, {word, merchant, pirate, carried});
        ASSERT_EQ(SetSail(s.st, 1), SailAnswer::Sailing);
        s.st.Fleet.Pocet = shipsBefore;
        s.st.Fleet.Naklad[4] = 120;
        s.st.Hotovost = cash;
        s.st.Plavba.Tiky = 5;
        SeaEvent(s.st, s.rnd, s.view, s.battle, n);
        SCOPED_TRACE(news);
        // What the battle carries over comes last, after the captured ship's 12.
        EXPECT_EQ(std::tuple(s.battle.fights, s.battle.mode, s.st.HandOff, s.st.Plavba.Tiky,
                             s.st.Fleet.Pocet, s.st.Fleet.Poskozeni, s.st.Fleet.Naklad[4],
                             s.st.Hotovost),
                  std::tuple(1, HandOffWord::Pirati, word, 0, ships, damage, cargo, cashAfter));
        EXPECT_EQ(DrainNews(s.st), std::string("4:Piráti na obzoru!|") + news);
    }
}
