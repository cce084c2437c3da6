#include "trade/CityAccess.h"
#include "support/FakeGameView.h"
#include "world/Research.h"

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
    st.Cities[1].Nazev = "Skalná";
    st.Cities[1].Pristup = 1500;
    st.StateSaved = true;
    return st;
}

} // namespace

// Access (1500) and permanent research (500, over a day's research) are asked for; only
// "Ano" with the whole price at hand buys them. An open city is not offered again.
TEST(CityAccess, AccessAndResearchAskThenTestTheCashThenPay) {
    using M = MessageAnswer;
    // Research or access, the fee, the cash and the answer; then bought or not and the news.
    const std::tuple<bool, double, double, MessageAnswer, bool, const char*, std::uint8_t> rows[] =
        {
            {false, 1500, 5000, M::Ne, false, "", 0},
            {false, 1500, 5000, M::Zrusit, false, "", 0},
            {false, 1500, 1499.99, M::Ano, false, "Nedostatek pěněz pro přístup", 3},
            {false, 1500, 1500, M::Ano, true, "Byl koupen přístup do města: Skalná", 1},
            {false, 0, 5000, M::Ano, false, "", 0},
            {true, 0, 5000, M::Zrusit, false, "", 0},
            {true, 0, 499.5, M::Ano, false, "Nedostatek peněz pro nákup průzkumu trhu", 2},
            {true, 0, 500, M::Ano, true, "Koupen průzkum trhu ve městě: Skalná", 1},
        };
    for (const auto& [research, access, cash, answer, bought, news, kind] : rows) {
        SCOPED_TRACE(std::to_string(cash) + " " + news);
        GameState st = twoCities(cash);
        st.Cities[1].Pristup = access;
        SetResearch(st.Cities[1], Research::OneDay);
        FakeGameView view;
        view.answers = {answer};
        // The city shows open before the news tells of it.
        bool shownOpen = false;
        const auto opened = [&] {
            shownOpen = !st.Cities[1].Pristup && st.NewsQueue[0].text.empty();
        };
        EXPECT_EQ(research ? BuyPermanentResearch(st, view, 1) : BuyAccess(st, view, 1, opened),
                  bought);
        EXPECT_EQ(shownOpen, bought && !research);
        EXPECT_EQ(view.messages.size(), access > 0 || research ? 1u : 0u);
        EXPECT_EQ(std::tuple(st.Hotovost, st.Cities[1].Pristup, ResearchOf(st.Cities[1])),
                  std::tuple(bought ? 0 : cash, bought ? 0 : access,
                             bought && research ? Research::Permanent : Research::OneDay));
        EXPECT_EQ(std::tuple(st.NewsQueue[0].text, st.NewsQueue[0].kind, view.sounds.size(),
                             st.StateSaved),
                  std::tuple(std::string(news), kind, bought ? 1u : 0u, !bought));
    }
}

TEST(CityAccess, AGoalNeedingTheCityIsAnnouncedWithTheAccessAndADaysResearchIsPaidOnceIntoDebt) {
    // The first map wants a million in cash and Skalná open: paying for it leaves exactly a
    // million, and the city opens only after the payment.
    GameState st = twoCities(1001500);
    FakeGameView view;
    view.answers = {MessageAnswer::Ano};
    EXPECT_TRUE(BuyAccess(st, view, 1));
    EXPECT_EQ(view.messages.back().title, "Dokončení mapy");

    // A day's research costs 10 even into debt, without a question, a sound or a word, once a day.
    GameState poor = twoCities(5);
    FakeGameView quiet;
    BuyResearchForDay(poor, quiet, 1);
    BuyResearchForDay(poor, quiet, 1);
    EXPECT_DOUBLE_EQ(poor.Hotovost, -5);
    EXPECT_EQ(ResearchOf(poor.Cities[1]), Research::OneDay);
    EXPECT_TRUE(quiet.messages.empty() && quiet.sounds.empty() && poor.NewsQueue[0].text.empty());
}
