#include "trade/CityAccess.h"
#include "port/DayChange.h"
#include "port/GameStart.h"
#include "port/PanelDrop.h"
#include "state/GameFile.h"
#include "trade/CityInfo.h"

#include "support/FakeGameView.h"

#include <gtest/gtest.h>

using namespace vlnobrod;
using vlnobrod::testing::FakeGameView;

namespace {

// Vlnobrod (open, current) and Skalná (closed, 1500), on the first map.
GameState twoCities(double cash) {
    GameState st;
    st.Mapa = "Mapa1";
    st.PocetMest = 2;
    st.Hotovost = cash;
    st.Cities[0].Nazev = "Vlnobrod";
    st.Cities[1].Nazev = "Skalná";
    st.Cities[1].Pristup = 1500;
    st.StateSaved = true;
    return st;
}

} // namespace

// Only "Ano" with the whole price at hand opens the city; an open city is not offered again.
TEST(CityAccess, AccessAsksThenTestsTheCashThenOpensTheCity) {
    struct Row {
        double access, cash;
        MessageAnswer answer;
        bool bought;
        const char* news;
        std::uint8_t kind;
    };
    const Row rows[] = {
        {1500, 5000, MessageAnswer::Ne, false, "", 0},
        {1500, 5000, MessageAnswer::Zrusit, false, "", 0},
        {1500, 1499.99, MessageAnswer::Ano, false, "Nedostatek pěněz pro přístup", 3},
        {1500, 1500, MessageAnswer::Ano, true, "Byl koupen přístup do města: Skalná", 1},
        {0, 5000, MessageAnswer::Ano, false, "", 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.cash) + " " + r.news);
        GameState st = twoCities(r.cash);
        st.Cities[1].Pristup = r.access;
        FakeGameView view;
        view.answers = {r.answer};
        // The city shows open before the news tells of it.
        bool shownOpen = false;
        const auto opened = [&] {
            shownOpen = !st.Cities[1].Pristup && st.NewsQueue[0].text.empty();
        };
        EXPECT_EQ(BuyAccess(st, view, 1, opened), r.bought);
        EXPECT_EQ(shownOpen, r.bought);
        EXPECT_EQ(view.messages.size(), r.access > 0 ? 1u : 0u);
        EXPECT_DOUBLE_EQ(st.Hotovost, r.bought ? 0 : r.cash);
        EXPECT_DOUBLE_EQ(st.Cities[1].Pristup, r.bought ? 0 : r.access);
        EXPECT_EQ(st.NewsQueue[0].text, r.news);
        EXPECT_EQ(st.NewsQueue[0].kind, r.kind);
        EXPECT_EQ(view.sounds.size(), r.bought ? 1u : 0u);
        EXPECT_EQ(st.StateSaved, !r.bought);
    }
}

TEST(CityAccess, AGoalThatNeedsTheCityOpenIsAnnouncedWithTheAccess) {
    // The first map wants a million in cash and Skalná open: paying for it leaves exactly a
    // million, and the city opens only after the payment.
    GameState st = twoCities(1001500);
    FakeGameView view;
    view.answers = {MessageAnswer::Ano};
    EXPECT_TRUE(BuyAccess(st, view, 1));
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(view.messages[1].title, "Dokončení mapy");
    EXPECT_TRUE(st.Hotovo);
    EXPECT_EQ(view.resultsOpened, 1);
}

TEST(CityAccess, DayResearchIsPaidOnceEvenIntoDebtPermanentResearchIsAsked) {
    GameState st = twoCities(5);
    FakeGameView view;
    const CityRecord& skalna = st.Cities[1];
    // Without a question, a sound or a word; shown and hidden for nothing the same day.
    BuyResearchForDay(st, view, 1);
    BuyResearchForDay(st, view, 1);
    EXPECT_DOUBLE_EQ(st.Hotovost, -5);
    EXPECT_EQ(skalna.PruzkumTrhu, 1);
    EXPECT_EQ(ToggleChart(false, skalna), ChartToggle::Show);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_TRUE(view.sounds.empty());
    EXPECT_TRUE(st.NewsQueue[0].text.empty());

    // Permanent research: declined, then too poor, then bought over the day's research.
    view.answers = {MessageAnswer::Zrusit, MessageAnswer::Ano};
    EXPECT_FALSE(BuyPermanentResearch(st, view, 1));
    EXPECT_FALSE(BuyPermanentResearch(st, view, 1));
    EXPECT_EQ(st.NewsQueue[0].text, "Nedostatek peněz pro nákup průzkumu trhu");
    EXPECT_EQ(st.NewsQueue[0].kind, 2);
    st.Hotovost = 500;
    view.answers = {MessageAnswer::Ano};
    EXPECT_TRUE(BuyPermanentResearch(st, view, 1));
    EXPECT_DOUBLE_EQ(st.Hotovost, 0);
    EXPECT_EQ(skalna.PruzkumTrhu, 2);
    EXPECT_EQ(view.sounds, std::vector<std::string>{"Cvak"});
    EXPECT_EQ(st.NewsQueue[1].text, "Koupen průzkum trhu ve městě: Skalná");
    EXPECT_EQ(st.NewsQueue[1].kind, 1);
}

TEST(CityAccess, ResearchIsSavedAndTheSavedDayKeepsItsResearch) {
    GameState st = twoCities(100);
    st.Den = 7;
    st.Cities[0].PruzkumTrhu = 2;
    st.Cities[1].PruzkumTrhu = 1;
    IniDocument doc;
    WriteGame(doc, st);
    GameState loaded;
    ASSERT_TRUE(ReadGame(doc, loaded));
    // Loading goes on with the day it was saved on; the next day ends its research.
    ScriptedRandom rnd({0.5f});
    FakeGameView view;
    StartLoadedGame(loaded, rnd, view);
    EXPECT_EQ(loaded.Den, 7);
    EXPECT_EQ(loaded.Cities[0].PruzkumTrhu, 2);
    EXPECT_EQ(loaded.Cities[1].PruzkumTrhu, 1);
    AdvanceDays(loaded, rnd, view, 1);
    EXPECT_EQ(loaded.Cities[1].PruzkumTrhu, 0);
}

TEST(CityInfo, WhatThePanelSaysOfACity) {
    CityRecord c;
    c.Pristup = 1500;
    const char* words[] = {"malé", "střední", "velké", "velmi velké", "velkoměsto"};
    for (std::uint8_t v = 0; v < 5; ++v) {
        c.Velikost = v;
        EXPECT_EQ(DescribeCity(c).sizeWord, words[v]);
    }
    // A class the game does not know keeps the word shown before.
    c.Velikost = 5;
    EXPECT_FALSE(DescribeCity(c).sizeWord);
    EXPECT_TRUE(DescribeCity(c).accessOffered);
    c.Pristup = 0;
    EXPECT_FALSE(DescribeCity(c).accessOffered);

    const char* services[] = {"", "Banka", ", Casino", "Banka, Casino"};
    using R = CityInfo::Research;
    const R research[] = {R::Offer, R::Chart, R::Chart, R::Unchanged};
    for (std::uint8_t i = 0; i < 4; ++i) {
        c.Banka = i & 1;
        c.Casino = i & 2;
        c.PruzkumTrhu = i;
        EXPECT_EQ(DescribeCity(c).services, services[i]);
        EXPECT_EQ(DescribeCity(c).research, research[i]);
    }
}

// A panel 368 wide, a title 20 high, a window 600 high, a chart 849 wide: the title stays in
// the window and the panel clear of the chart's right edge, the later rule winning.
TEST(PanelDrop, ADroppedPanelIsPulledBackInOrder) {
    struct Drop {
        PanelPlace dropped, rests;
        int width = 368, windowHeight = 600;
    };
    const Drop drops[] = {
        {{-30, -40}, {0, 0}},
        {{100, 580}, {100, 580}},
        {{100, 581}, {100, 580}},
        {{481, 10}, {481, 10}},
        {{482, 10}, {476, 10}},
        {{0, 5}, {0, -10}, 368, 10}, // a window lower than the title: the bottom rule wins
        {{-3, 0}, {-56, 0}, 900},    // a panel wider than the chart: the right rule wins
    };
    for (const Drop& d : drops) {
        const PanelPlace p = PullBackPanel(d.dropped, d.width, 20, d.windowHeight, 849);
        EXPECT_EQ(p.left, d.rests.left) << d.dropped.left << "," << d.dropped.top;
        EXPECT_EQ(p.top, d.rests.top) << d.dropped.left << "," << d.dropped.top;
    }
}
