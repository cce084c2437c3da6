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
    st.Konto = 0;
    st.Cities[0].Nazev = "Vlnobrod";
    st.Cities[1].Nazev = "Skalná";
    st.Cities[1].Pristup = 1500;
    st.StateSaved = true;
    return st;
}

} // namespace

TEST(CityAccess, AccessAsksThenTestsTheCashThenOpensTheCity) {
    // Declined ("Ne", "Zrušit") or too poor: nothing changes, nothing sounds.
    for (MessageAnswer no : {MessageAnswer::Ne, MessageAnswer::Zrusit}) {
        GameState st = twoCities(5000);
        FakeGameView view;
        view.answers = {no};
        EXPECT_FALSE(BuyAccess(st, view, 1));
        ASSERT_EQ(view.messages.size(), 1u);
        EXPECT_EQ(view.messages[0].text, "Chcete koupit přístup za 1 500 zlatých?");
        EXPECT_EQ(view.messages[0].title, "Přístup do města");
        EXPECT_EQ(view.messages[0].buttons, MessageButtons::NeAnoZrusit);
        EXPECT_TRUE(st.NewsQueue[0].text.empty());
        EXPECT_DOUBLE_EQ(st.Cities[1].Pristup, 1500);
        EXPECT_TRUE(view.sounds.empty());
    }
    GameState poor = twoCities(1499.99);
    FakeGameView asked;
    asked.answers = {MessageAnswer::Ano};
    EXPECT_FALSE(BuyAccess(poor, asked, 1));
    EXPECT_EQ(poor.NewsQueue[0].text, "Nedostatek pěněz pro přístup");
    EXPECT_EQ(poor.NewsQueue[0].kind, 3);
    EXPECT_DOUBLE_EQ(poor.Hotovost, 1499.99);
    EXPECT_DOUBLE_EQ(poor.Cities[1].Pristup, 1500);
    EXPECT_TRUE(asked.sounds.empty());
    EXPECT_TRUE(poor.StateSaved);

    // Exactly the price: cash at 0, the city open and shown open before the news.
    GameState st = twoCities(1500);
    FakeGameView view;
    view.answers = {MessageAnswer::Ano};
    bool shownOpen = false;
    EXPECT_TRUE(BuyAccess(st, view, 1, [&] {
        shownOpen = true;
        EXPECT_DOUBLE_EQ(st.Cities[1].Pristup, 0);
        EXPECT_TRUE(st.NewsQueue[0].text.empty());
    }));
    EXPECT_TRUE(shownOpen);
    EXPECT_DOUBLE_EQ(st.Hotovost, 0);
    EXPECT_EQ(view.sounds, std::vector<std::string>{"Cvak"});
    EXPECT_EQ(st.NewsQueue[0].text, "Byl koupen přístup do města: Skalná");
    EXPECT_EQ(st.NewsQueue[0].kind, 1);
    EXPECT_FALSE(st.StateSaved);
    // An open city has nothing more to sell.
    EXPECT_FALSE(BuyAccess(st, view, 1));
    EXPECT_EQ(view.messages.size(), 1u);
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

TEST(CityAccess, ResearchForTheDayEndsWithItPermanentResearchStays) {
    GameState st = twoCities(5);
    ScriptedRandom rnd({0.5f});
    FakeGameView view;
    const CityRecord& skalna = st.Cities[1];

    // The chart of a city without research buys the day's research: 10, even into debt,
    // without a question, a sound or a word.
    EXPECT_EQ(ToggleChart(false, skalna), ChartToggle::BuyDay);
    BuyResearchForDay(st, view, 1);
    EXPECT_DOUBLE_EQ(st.Hotovost, -5);
    EXPECT_EQ(skalna.PruzkumTrhu, 1);
    // The same day it is shown and hidden for nothing.
    BuyResearchForDay(st, view, 1);
    EXPECT_DOUBLE_EQ(st.Hotovost, -5);
    EXPECT_EQ(ToggleChart(true, skalna), ChartToggle::Hide);
    EXPECT_EQ(ToggleChart(false, skalna), ChartToggle::Show);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_TRUE(view.sounds.empty());
    EXPECT_TRUE(st.NewsQueue[0].text.empty());

    // The next day it has ended and costs 10 again.
    AdvanceDays(st, rnd, view, 1);
    EXPECT_EQ(skalna.PruzkumTrhu, 0);
    EXPECT_EQ(ToggleChart(false, skalna), ChartToggle::BuyDay);
    BuyResearchForDay(st, view, 1);
    EXPECT_DOUBLE_EQ(st.Hotovost, -15);

    // Permanent research: declined, then too poor, then bought over the day's research.
    view.answers = {MessageAnswer::Zrusit, MessageAnswer::Ano};
    EXPECT_FALSE(BuyPermanentResearch(st, view, 1));
    EXPECT_FALSE(BuyPermanentResearch(st, view, 1));
    EXPECT_EQ(view.messages[0].text, "Chcete koupit permanentní průzkum trhu za 500 zlatých");
    EXPECT_EQ(view.messages[0].title, "Průzkum trhu");
    EXPECT_EQ(st.NewsQueue[0].text, "Nedostatek peněz pro nákup průzkumu trhu");
    EXPECT_EQ(st.NewsQueue[0].kind, 2);
    EXPECT_TRUE(view.sounds.empty());
    st.Hotovost = 500;
    view.answers = {MessageAnswer::Ano};
    EXPECT_TRUE(BuyPermanentResearch(st, view, 1));
    EXPECT_DOUBLE_EQ(st.Hotovost, 0);
    EXPECT_EQ(skalna.PruzkumTrhu, 2);
    EXPECT_EQ(view.sounds, std::vector<std::string>{"Cvak"});
    EXPECT_EQ(st.NewsQueue[1].text, "Koupen průzkum trhu ve městě: Skalná");
    EXPECT_EQ(st.NewsQueue[1].kind, 1);
    AdvanceDays(st, rnd, view, 3);
    EXPECT_EQ(skalna.PruzkumTrhu, 2);
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
    EXPECT_EQ(loaded.Cities[0].PruzkumTrhu, 2);
    EXPECT_EQ(loaded.Cities[1].PruzkumTrhu, 1);

    // Loading goes on with the day it was saved on; the next day ends its research.
    ScriptedRandom rnd({0.5f});
    FakeGameView view;
    StartLoadedGame(loaded, rnd, view);
    EXPECT_EQ(loaded.Den, 7);
    EXPECT_EQ(loaded.Cities[1].PruzkumTrhu, 1);
    AdvanceDays(loaded, rnd, view, 1);
    EXPECT_EQ(loaded.Cities[0].PruzkumTrhu, 2);
    EXPECT_EQ(loaded.Cities[1].PruzkumTrhu, 0);

    // A file from before research was sold has none.
    GameState old;
    ASSERT_TRUE(ReadGame(IniDocument::Parse("[Mapa]\nMapa=Mapa1\nPocetMest=1\n"
                                            "[Mesto00]\nNazev=Vlnobrod\n"),
                         old));
    EXPECT_EQ(old.Cities[0].PruzkumTrhu, 0);
}

TEST(CityInfo, WhatThePanelSaysOfACity) {
    CityRecord c;
    c.Nazev = "Skalná";
    c.PopisTrhu = "Kámen a dřevo.";
    c.Pristup = 1500;
    const char* words[] = {"malé", "střední", "velké", "velmi velké", "velkoměsto"};
    for (std::uint8_t v = 0; v < 5; ++v) {
        c.Velikost = v;
        EXPECT_EQ(DescribeCity(c).sizeWord, words[v]);
    }
    // A class the game does not know keeps the word shown before.
    c.Velikost = 5;
    EXPECT_FALSE(DescribeCity(c).sizeWord);

    struct Services {
        bool bank, casino;
        const char* text;
    };
    for (const Services& s :
         {Services{false, false, ""}, Services{true, false, "Banka"},
          Services{false, true, ", Casino"}, Services{true, true, "Banka, Casino"}}) {
        c.Banka = s.bank;
        c.Casino = s.casino;
        EXPECT_EQ(DescribeCity(c).services, s.text);
    }

    CityInfo info = DescribeCity(c);
    EXPECT_EQ(info.name, "Skalná");
    EXPECT_EQ(info.description, "Kámen a dřevo.");
    EXPECT_TRUE(info.accessOffered);
    EXPECT_DOUBLE_EQ(info.accessPrice, 1500);
    c.Pristup = 0;
    EXPECT_FALSE(DescribeCity(c).accessOffered);

    using R = CityInfo::Research;
    const R research[] = {R::Offer, R::Chart, R::Chart, R::Unchanged};
    for (std::uint8_t p = 0; p < 4; ++p) {
        c.PruzkumTrhu = p;
        EXPECT_EQ(DescribeCity(c).research, research[p]);
    }
}

TEST(PanelDrop, ADroppedPanelIsPulledBackInOrder) {
    // A panel 368 wide, a title 20 high, a window 600 high, a chart 849 wide.
    struct Drop {
        PanelPlace dropped, rests;
    };
    const Drop drops[] = {
        {{100, 100}, {100, 100}}, // inside: stays
        {{-30, -40}, {0, 0}},     // above and left of the window
        {{100, 580}, {100, 580}}, // the whole title still shows
        {{100, 581}, {100, 580}}, // the title would leave the bottom
        {{481, 10}, {481, 10}},   // flush with the chart's right edge
        {{482, 10}, {476, 10}},   // past it: back, with a gap of 5
    };
    for (const Drop& d : drops) {
        const PanelPlace p = PullBackPanel(d.dropped, 368, 20, 600, 849);
        EXPECT_EQ(p.left, d.rests.left) << d.dropped.left << "," << d.dropped.top;
        EXPECT_EQ(p.top, d.rests.top) << d.dropped.left << "," << d.dropped.top;
    }
    // A window lower than the title: the bottom rule comes second and wins.
    EXPECT_EQ(PullBackPanel({0, 5}, 368, 20, 10, 849).top, -10);
    // A panel wider than the chart: the right rule comes last and wins.
    EXPECT_EQ(PullBackPanel({-3, 0}, 900, 20, 600, 849).left, -56);
}
