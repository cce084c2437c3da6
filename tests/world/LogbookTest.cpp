#include "world/Logbook.h"
#include "support/FakeGameView.h"
#include "world/DayChange.h"
#include "world/WorldFixture.h"

#include <gtest/gtest.h>

using namespace vlnobrod;
using namespace vlnobrod::testing;

namespace {
std::int16_t logged(const GameState& st, int city, int goods, bool before = false) {
    const LogbookCity& c = st.Denik.Mesta[static_cast<std::size_t>(city)];
    return (before ? c.Predchozi : c.Posledni).Cena[static_cast<std::size_t>(goods)];
}
} // namespace

// Three cities; the fleet lies in the first on day 10, where gold falls 3 a day.
TEST(Logbook, TheMarketIsWrittenInPortOnArrivalAndEveryDayButNotAtSea) {
    GameState st = OneCity(200, 30, 0);
    st.PocetMest = 3;
    st.Den = 10;
    st.Cities[1].Trh[5] = {400, 400, 0};
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
    st.Plavba.NaMori = true;
    st.AktualniMesto = 1;
    AdvanceDays(st, rnd, view, 3);
    EXPECT_FALSE(st.Denik.Mesta[1].Posledni.Written());
    EXPECT_EQ(st.Denik.Mesta[0].Posledni.Den, 11);
    RecordVisit(st); // the arrival, before the voyage is over
    st.PendingAction = Pending::None;
    st.Plavba.NaMori = false;
    EXPECT_EQ(logged(st, 1, 5), 400);
    // The trade tab after a purchase shows the moved price, and writes it.
    st.Cities[1].Trh[5].Cena = 420;
    RecordMarket(st);
    EXPECT_EQ(logged(st, 1, 5), 420);
    EXPECT_EQ(st.Denik.Mesta[1].Posledni.Den, 14);
    EXPECT_FALSE(st.Denik.Mesta[1].Predchozi.Written());

    // Back in the first city: its last page becomes the visit before.
    st.PendingAction = Pending::Voyage;
    st.Plavba.NaMori = true;
    st.AktualniMesto = 0;
    AdvanceDays(st, rnd, view, 1);
    st.PendingAction = Pending::None;
    st.Plavba.NaMori = false;
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
