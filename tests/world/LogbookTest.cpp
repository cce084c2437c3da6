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
    // Days at sea write nothing, even for the city ahead; arriving does, before the voyage ends.
    auto sail = [&](std::uint8_t to, std::int16_t days) {
        st.PendingAction = Pending::Voyage;
        st.Plavba.NaMori = true;
        st.AktualniMesto = to;
        AdvanceDays(st, rnd, view, days);
        RecordVisit(st);
        st.PendingAction = Pending::None;
        st.Plavba.NaMori = false;
    };
    RecordMarket(st); // the game opened: the first page
    EXPECT_EQ(logged(st, 0, 0), 200);
    AdvanceDays(st, rnd, view, 1); // a day in port rewrites this visit's page: no visit before yet
    EXPECT_EQ(std::tuple(st.Denik.Mesta[0].Posledni.Den, logged(st, 0, 0)), std::tuple(11, 197));
    EXPECT_FALSE(st.Denik.Mesta[0].Predchozi.Written());

    sail(1, 3);
    EXPECT_EQ(logged(st, 1, 5), 400);
    st.Cities[1].Trh[5].Cena = 420;
    RecordMarket(st); // the trade tab after a purchase shows the moved price, and writes it
    EXPECT_EQ(std::tuple(st.Denik.Mesta[1].Posledni.Den, logged(st, 1, 5)), std::tuple(14, 420));
    EXPECT_FALSE(st.Denik.Mesta[1].Predchozi.Written());

    sail(0, 1); // back in the first city: its last page becomes the visit before
    EXPECT_EQ(std::tuple(st.Denik.Mesta[0].Predchozi.Den, logged(st, 0, 0, true), logged(st, 0, 0)),
              std::tuple(11, 197, 191));
}

TEST(Logbook, ShowsTheDayOfThePricesAndTheirTrendAgainstTheVisitBefore) {
    GameState st;
    st.PocetMest = 3;
    // Goods 3 was not traded the visit before: no trend; goods 4 is not traded any more: no row.
    const LogbookPage before{4, {200, 200, 200, 0, 300}}, last{9, {200, 180, 230, 150, 0}};
    st.Denik.Mesta[0] = st.Denik.Mesta[3] = {last, before}; // the 3 is past the map's cities
    const std::tuple<int, std::int16_t, std::string> rows[] = {
        {0, 200, "="}, {1, 180, "<"}, {2, 230, ">"}, {3, 150, ""}};

    const LogbookView view = LogbookOf(st, 0);
    EXPECT_EQ(view.heading, "Ceny z deníku (den 9)");
    ASSERT_EQ(view.rows.size(), 4u);
    for (std::size_t i = 0; i < view.rows.size(); ++i)
        EXPECT_EQ(std::tuple(view.rows[i].goods, view.rows[i].price, view.rows[i].trend), rows[i]);
    EXPECT_DOUBLE_EQ(view.rows[2].barWidth, 23);

    // The first visit has no trend marks; a city never seen, or none at all, says so.
    st.Denik.Mesta[0].Predchozi.Den = -1; // prices on a page never written count for nothing
    EXPECT_EQ(LogbookOf(st, 0).rows[1].trend, "");
    for (std::uint8_t city : {1, 3, 9, 255})
        EXPECT_EQ(LogbookOf(st, city).heading, "Zatím nenavštíveno") << int(city);
}
