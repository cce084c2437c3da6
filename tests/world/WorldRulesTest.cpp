#include "port/MarketBoard.h"
#include "support/FakeGameView.h"
#include "world/FleetSummary.h"
#include "world/Money.h"
#include "world/News.h"
#include "world/WorldFixture.h"

#include <gtest/gtest.h>

using namespace vlnobrod;
using namespace vlnobrod::testing;

TEST(Money, ChangesMarkTheGameUnsavedAndReachingTheGoalCongratulatesOnce) {
    GameState st = OneCity(200, 0, 0); // a map without a goal
    st.Mapa = "Karibik";
    st.StateSaved = true;
    FakeGameView view;
    ChangeMoney(st, view, 0, false);
    EXPECT_TRUE(st.StateSaved); // showing the figures again is not a change
    ChangeMoney(st, view, 250.5, false);
    ChangeMoney(st, view, -1000, true);
    EXPECT_DOUBLE_EQ(st.Hotovost, 250.5);
    EXPECT_DOUBLE_EQ(st.Konto, -1000);
    EXPECT_FALSE(st.StateSaved);
    EXPECT_EQ(view.shown, "HHK");
    EXPECT_TRUE(view.messages.empty());

    // Mapa4's goal is bankruptcy: nothing in cash or the account and one ship left.
    st.Mapa = "Mapa4";
    st.Konto = 0;
    st.Fleet.Pocet = 1;
    ChangeMoney(st, view, -250.5, false);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, "Rozfofroval jste 10 milionů!\nTotálně jste zbankrotoval!");
    EXPECT_EQ(view.messages[0].title, "Dokončení mapy");
    EXPECT_EQ(st.HandOff, HandOffWord::Zapis);
    EXPECT_EQ(view.resultsOpened, 1);
    ChangeMoney(st, view, -5, true);
    EXPECT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.resultsOpened, 1);
}

TEST(MarketBoard, RowsShowTradedGoodsWithTrendAndBar) {
    struct Row {
        std::size_t goods;
        std::int16_t cena, since;
        const char* trend;
        std::uint32_t colour;
    };
    const Row expected[] = {
        {0, 220, 220, "=", 0xFF0000u},
        {1, 100, 120, "<", 0x00FF00u}, // fell by 20
        {5, 330, 310, ">", 0x0000FFu},
        {6, 95, 100, "<", 0xFF0000u}, // a fall of 5 is a small move
    };
    GameState st;
    st.PocetMest = 1;
    for (const Row& r : expected)
        st.Cities[0].Trh[r.goods] = {r.cena, r.since, 0};
    st.Cities[0].Trh[3] = {0, 50, 0};     // not traded
    st.Cities[0].Trh[14] = {500, 100, 0}; // never shown
    const auto rows = MarketRows(st, 0);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_DOUBLE_EQ(rows[0].barWidth, 22);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].goods, expected[i].goods);
        EXPECT_EQ(rows[i].trend, expected[i].trend) << rows[i].goods;
        EXPECT_EQ(rows[i].barColour, expected[i].colour) << rows[i].goods;
    }
    EXPECT_TRUE(MarketRows(st, 9).empty());
}

TEST(FleetSummary, FleetTextsUseCzechPlurals) {
    EXPECT_EQ(FleetText(0, 1), "žádná loď typu: Velká obchodní loď");
    EXPECT_EQ(FleetText(1, 0), "1 loď typu: Malá obchodní loď");
    EXPECT_EQ(FleetText(5, 2), "5 lodí typu: Galeona");
    EXPECT_EQ(FleetText(22, 0), "22 lodí typu: Malá obchodní loď");
}

// The cargo list (rows without gaps) the port screen's test reads.
TEST(FleetSummary, TheLoadRoundsHalvesToEvenAndNeitherWrapsNorDividesByNothing) {
    GameState st;
    st.Fleet.Naklad[2] = 10;
    st.Fleet.Naklad[9] = 2.5;
    st.locale.decimalSeparator = ',';
    EXPECT_EQ(CargoRows(st)[1].unitsText, "2,5");
    st.Fleet.Pocet = 3;
    st.Fleet.Nosnost = 100;
    EXPECT_EQ(LoadText(st.Fleet), "12 z 300"); // 10 + 2.5 = 12.5 goes to the even 12

    FleetRecord huge;
    huge.Pocet = 1000;
    huge.Nosnost = 180;
    EXPECT_EQ(FleetCapacity(huge), 32767);
    huge.Naklad[0] = 30000;
    huge.Naklad[1] = 30000;
    EXPECT_EQ(CargoTotal(huge), 32767);
    huge.Pocet = 0;
    EXPECT_DOUBLE_EQ(LoadFraction(huge), 0); // no ships: no division by nothing
}
