#include "port/Logbook.h"
#include "port/DayChange.h"
#include "port/FleetSummary.h"
#include "port/MarketBoard.h"
#include "port/News.h"
#include "support/FakeGameView.h"

#include <gtest/gtest.h>

using namespace vlnobrod;
using vlnobrod::testing::FakeGameView;

namespace {

std::int16_t logged(const GameState& st, int city, int goods, bool before = false) {
    const LogbookCity& c = st.Denik.Mesta[static_cast<std::size_t>(city)];
    return (before ? c.Predchozi : c.Posledni).Cena[static_cast<std::size_t>(goods)];
}

} // namespace

// Three cities; the fleet lies in the first on day 10, where gold falls 3 a day.
TEST(Logbook, TheMarketIsWrittenInPortOnArrivalAndEveryDayButNotAtSea) {
    GameState st;
    st.PocetMest = 3;
    st.Den = 10;
    st.Cities[0].Velikost = 0;
    st.Cities[0].Trh[0] = {200, 200, 30};
    st.Cities[1].Trh[5] = {400, 400, 0};
    st.Konto = 0;
    FakeGameView view;
    ScriptedRandom rnd({0.5f});
    RecordMarket(st); // the game opened: the first page
    EXPECT_EQ(logged(st, 0, 0), 200);
    // A day in port writes over the page of the same visit: no visit before yet.
    AdvanceDays(st, rnd, view, 1);
    EXPECT_EQ(st.Denik.Mesta[0].Posledni.Den, 11);
    EXPECT_EQ(logged(st, 0, 0), 197);
    EXPECT_FALSE(st.Denik.Mesta[0].Predchozi.Written());

    // Days at sea write nothing, not even for the city ahead; the arrival does.
    st.PendingAction = Pending::Voyage;
    st.AktualniMesto = 1;
    AdvanceDays(st, rnd, view, 3);
    EXPECT_FALSE(st.Denik.Mesta[1].Posledni.Written());
    EXPECT_EQ(st.Denik.Mesta[0].Posledni.Den, 11);
    RecordVisit(st); // the arrival, before the voyage is over
    st.PendingAction = Pending::None;
    EXPECT_EQ(logged(st, 1, 5), 400);
    // The trade tab after a purchase shows the moved price, and writes it.
    st.Cities[1].Trh[5].Cena = 420;
    RecordMarket(st);
    EXPECT_EQ(logged(st, 1, 5), 420);
    EXPECT_EQ(st.Denik.Mesta[1].Posledni.Den, 14);
    EXPECT_FALSE(st.Denik.Mesta[1].Predchozi.Written());

    // Back in the first city: its last page becomes the visit before.
    st.PendingAction = Pending::Voyage;
    st.AktualniMesto = 0;
    AdvanceDays(st, rnd, view, 1);
    st.PendingAction = Pending::None;
    RecordVisit(st);
    EXPECT_EQ(st.Denik.Mesta[0].Predchozi.Den, 11);
    EXPECT_EQ(logged(st, 0, 0, true), 197);
    EXPECT_EQ(logged(st, 0, 0), 191);

    // An arrival the logbook was not told of still begins a new visit with the first look.
    st.AktualniMesto = 1;
    st.Den = 20;
    RecordMarket(st);
    EXPECT_EQ(st.Denik.Mesta[1].Predchozi.Den, 14);
    EXPECT_EQ(st.Denik.Mesta[1].Posledni.Den, 20);
}

TEST(Logbook, ShowsTheDayOfThePricesAndTheirTrendAgainstTheVisitBefore) {
    GameState st;
    st.Mapa = "Mapa1";
    st.PocetMest = 3;
    LogbookPage before, last;
    before.Den = 4;
    last.Den = 9;
    struct Row {
        int goods;
        std::int16_t before, last;
        const char* trend; // nullptr: no row
    };
    const Row rows[] = {
        {0, 200, 200, "="},   {1, 200, 180, "<"}, {2, 200, 230, ">"},
        {3, 0, 150, ""},      // not traded on the visit before: nothing to measure against
        {4, 300, 0, nullptr}, // not traded any more: no row
    };
    for (const Row& r : rows) {
        before.Cena[static_cast<std::size_t>(r.goods)] = r.before;
        last.Cena[static_cast<std::size_t>(r.goods)] = r.last;
    }
    st.Denik.Mesta[0] = {last, before};

    const LogbookView view = LogbookOf(st, 0);
    EXPECT_EQ(view.heading, "Ceny z deníku (den 9)");
    ASSERT_EQ(view.rows.size(), 4u);
    for (std::size_t i = 0; i < view.rows.size(); ++i) {
        EXPECT_EQ(view.rows[i].goods, rows[i].goods);
        EXPECT_EQ(view.rows[i].price, rows[i].last);
        EXPECT_EQ(view.rows[i].trend, rows[i].trend) << rows[i].goods;
    }
    EXPECT_DOUBLE_EQ(view.rows[2].barWidth, 23);

    // The first visit has no trend marks; a city never seen, or none at all, says so.
    st.Denik.Mesta[0].Predchozi = {};
    EXPECT_EQ(LogbookOf(st, 0).rows[1].trend, "");
    for (std::uint8_t city : {1, 3, 9, 255}) {
        const LogbookView none = LogbookOf(st, city);
        EXPECT_FALSE(none.visited);
        EXPECT_EQ(none.heading, "Zatím nenavštíveno");
        EXPECT_TRUE(none.rows.empty());
    }
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

TEST(News, TheQueueMovesUpOnePerTickAndLosesNothing) {
    GameState st;
    st.NewsQueue[1] = {"waiting", 2};
    EXPECT_FALSE(TakeNews(st)); // an empty first slot stops the ticker
    EXPECT_EQ(st.NewsQueue[1].text, "waiting");
    st.NewsQueue[1] = {};
    AddNews(st, "a", 1);
    AddNews(st, "b", 0);
    AddNews(st, "c", 4);
    AddNews(st, "d", 2); // waits behind the three slots
    AddNews(st, "e", 3);
    auto first = TakeNews(st);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->kind, 1);
    AddNews(st, "f", 0);
    for (const char* next : {"b", "c", "d", "e", "f"})
        EXPECT_EQ(TakeNews(st)->text, next);
    EXPECT_FALSE(TakeNews(st));
}
