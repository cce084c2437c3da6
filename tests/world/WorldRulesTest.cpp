#include "port/MarketBoard.h"
#include "support/FakeGameView.h"
#include "world/DayChange.h"
#include "world/FleetSummary.h"
#include "world/GameStart.h"
#include "world/Logbook.h"
#include "world/Money.h"
#include "world/News.h"

#include <gtest/gtest.h>

using namespace vlnobrod;
using vlnobrod::testing::FakeGameView;

namespace {
const NumberLocale dot{'.'}, comma{','};

GameState oneCity(std::int16_t cena, std::int16_t produkce, std::uint8_t velikost) {
    GameState st;
    st.PocetMest = 1;
    st.Cities[0].Velikost = velikost;
    st.Cities[0].Trh[0] = {cena, 0, produkce};
    st.Konto = 0;
    st.Hotovost = 0;
    return st;
}

std::int16_t logged(const GameState& st, int city, int goods, bool before = false) {
    const LogbookCity& c = st.Denik.Mesta[static_cast<std::size_t>(city)];
    return (before ? c.Predchozi : c.Posledni).Cena[static_cast<std::size_t>(goods)];
}

// Writes down what was shown when the message came.
struct Watching : FakeGameView {
    std::string shownAtMessage;
    MessageAnswer ShowMessage(const std::string& text, MessageButtons buttons,
                              std::string& title) override {
        shownAtMessage = shown;
        return FakeGameView::ShowMessage(text, buttons, title);
    }
};
} // namespace

TEST(DayChange, PricesMoveByProductionDampedBySizeAndStayInTheirBounds) {
    struct Case {
        std::int16_t cena, produkce;
        std::uint8_t size;
        float r;
        char separator;
        std::int16_t expected;
        std::size_t draws; // 1: the dice were thrown
    };
    const Case cases[] = {
        // Between 100 and 900 no dice; halves go to the even neighbour (2.5 -> 2).
        {200, 30, 0, 0.5f, '.', 197, 0},
        {200, 30, 2, 0.5f, '.', 199, 0},
        {200, -30, 0, 0.5f, '.', 203, 0},
        {200, 25, 0, 0.5f, '.', 198, 0},
        // The bounds themselves: 100 and 900 stay, 99 and 901 move.
        {100, 0, 0, 0.0f, '.', 100, 0},
        {900, 0, 0, 0.0f, '.', 900, 0},
        {99, 0, 0, 0.0f, '.', 109, 1},
        {901, 0, 0, 0.0f, '.', 891, 1},
        // Falling to nothing gives 5, then the lift of 10 + 30·r; a cheap price is lifted.
        {10, 500, 0, 0.0f, '.', 15, 1},
        {50, 0, 0, 0.99f, '.', 90, 1},
        // Above 999 is capped, then dropped; over 900 drops; a huge step does not wrap.
        {990, -200, 0, 0.5f, '.', 974, 1},
        {960, 0, 0, 0.0f, '.', 950, 1},
        {500, -32768, 0, 0.0f, '.', 989, 1},
        // 50 + 24.5 rounds to the even 74; with a comma the fraction is lost: 50 + 24.
        {50, 0, 0, 0.4833333f, '.', 74, 1},
        {50, 0, 0, 0.4833333f, ',', 74, 1},
        {50, 0, 0, 0.5f, ',', 75, 1},
    };
    for (const Case& c : cases) {
        ScriptedRandom rnd({c.r});
        EXPECT_EQ(DayPriceStep(c.cena, c.produkce, c.size, rnd, NumberLocale{c.separator}),
                  c.expected)
            << c.cena << " with " << c.produkce << " in size " << int(c.size);
        EXPECT_EQ(rnd.draws(), c.draws) << c.cena << " with " << c.produkce;
    }
}

// Seven days in port, then three at sea, on a map of three cities and a fourth past its count.
TEST(DayChange, EveryTradedPriceMovesOnceADayChangeAndTheMoneyFollows) {
    EXPECT_DOUBLE_EQ(DailyInterest(-50000, dot), -5);
    EXPECT_DOUBLE_EQ(DailyInterest(1234, dot), 0.2468);
    EXPECT_DOUBLE_EQ(DailyInterest(1234, comma), 0);
    FleetRecord small;
    small.Pocet = 5;
    EXPECT_NEAR(VoyageUpkeep(small, 1, 1), -333.333333, 1e-5);

    GameState st = oneCity(200, 30, 0);
    st.PocetMest = 3;
    st.Cities[1].Trh[14] = {300, 0, -20};
    st.Cities[2].Trh[5] = {0, 0, 50};
    st.Cities[3].Trh[0] = {200, 0, 30};
    st.Den = 10;
    st.Konto = 50000;
    st.StateSaved = true;
    st.Fleet.Typ = 2;
    st.Fleet.Pocet = 10;
    st.Obtiznost = 2;
    FakeGameView view;
    ScriptedRandom rnd({0.5f});
    AdvanceDays(st, rnd, view, 7);
    EXPECT_EQ(st.Den, 17);
    EXPECT_EQ(st.Cities[0].Trh[0].Cena, 197); // one step, although seven days passed
    EXPECT_EQ(st.Cities[0].Trh[0].VcerejsiCena, 200);
    EXPECT_EQ(st.Cities[1].Trh[14].Cena, 301); // the silent entry moves too
    // The new day opens at the moved prices, in every city.
    EXPECT_EQ(st.Cities[0].Trh[0].RanniCena, 197);
    EXPECT_EQ(st.Cities[1].Trh[14].RanniCena, 301);
    EXPECT_EQ(st.Cities[2].Trh[5].Cena, 0); // not traded: left alone
    EXPECT_EQ(st.Cities[2].Trh[5].VcerejsiCena, 0);
    EXPECT_EQ(st.Cities[3].Trh[0].Cena, 200);
    EXPECT_DOUBLE_EQ(st.Hotovost, 10); // a day's interest; in port no upkeep
    EXPECT_FALSE(st.StateSaved);
    st.PendingAction = Pending::Voyage;
    AdvanceDays(st, rnd, view, 3);
    EXPECT_DOUBLE_EQ(st.Hotovost, 10 - 12000 + 10);
    // Interest is no money change to show; new prices come before the upkeep, the day last.
    EXPECT_EQ(view.shown, "PDPHD");
    st.Den = 32760; // the day counter stops at its limit
    AdvanceDays(st, rnd, view, 30);
    EXPECT_EQ(st.Den, 32767);
}

TEST(Money, ChangesMarkTheGameUnsavedAndReachingTheGoalCongratulatesOnce) {
    GameState st = oneCity(200, 0, 0); // a map without a goal
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

// A saved game comes back: the stored days move prices once, the saved day goes on, and
// the stored money stands (no interest, no upkeep of a voyage an earlier game left behind).
TEST(GameStart, TheStoredDaysMovePricesOnceButTheStoredMoneyStands) {
    GameState st = oneCity(200, 30, 0);
    st.Mapa = "Karibik";
    st.Cities[0].Trh[0].RanniCena = 180; // saved after a purchase that day
    st.Den = 25;
    st.Hotovost = 1234.5;
    st.Konto = 50000;
    st.PendingAction = Pending::Voyage;
    Watching view;
    ScriptedRandom rnd({0.5f});
    StartLoadedGame(st, rnd, view);
    EXPECT_EQ(st.Den, 25);
    EXPECT_EQ(st.Cities[0].Trh[0].Cena, 197);
    EXPECT_EQ(st.Cities[0].Trh[0].RanniCena, 180);
    EXPECT_DOUBLE_EQ(st.Hotovost, 1234.5);
    EXPECT_EQ(st.PendingAction, Pending::None);
    EXPECT_EQ(view.shown, "PDHK"); // prices, day, then both figures
    EXPECT_TRUE(view.messages.empty());

    // A goal already met is congratulated over both figures as loaded, not the last game's.
    st.Mapa = "Mapa4";
    st.Hotovost = st.Konto = 0;
    st.Fleet.Pocet = 1;
    Watching second;
    StartLoadedGame(st, rnd, second);
    EXPECT_EQ(second.shownAtMessage, "PDHK");
    ASSERT_EQ(second.messages.size(), 1u);
    EXPECT_EQ(second.messages[0].title, "Dokončení mapy");
    EXPECT_EQ(second.resultsOpened, 1);
}

// Three cities; the fleet lies in the first on day 10, where gold falls 3 a day.
TEST(Logbook, TheMarketIsWrittenInPortOnArrivalAndEveryDayButNotAtSea) {
    GameState st = oneCity(200, 30, 0);
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
