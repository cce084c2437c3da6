#include "trade/Market.h"

#include "support/FakeGameView.h"

#include <gtest/gtest.h>

using namespace vlnobrod;
using vlnobrod::testing::FakeGameView;

namespace {

FleetRecord fleetWithRoom(std::uint8_t nosnost, std::int16_t pocet) {
    FleetRecord f;
    f.Nosnost = nosnost;
    f.Pocet = pocet;
    return f;
}

const NumberLocale Dot{'.'};
const NumberLocale Comma{','};

// A port with one city of the given size, trading goods 2 at `price`.
GameState portWith(std::uint8_t velikost, std::int16_t price) {
    GameState st;
    st.Mapa = "Mapa1";
    st.PocetMest = 3;
    st.AktualniMesto = 1;
    st.Cities[1].Velikost = velikost;
    st.Cities[1].Trh[2].Cena = price;
    st.Fleet = fleetWithRoom(100, 10);
    st.Hotovost = 50000;
    return st;
}

} // namespace

TEST(MarketBuyOffer, SliderMaximumRoundsHalvesToEven) {
    const FleetRecord f = fleetWithRoom(250, 10);
    auto a = BuyOffer(125, 10, 0, f, Dot); // 12.5 units' worth
    ASSERT_TRUE(a.ok);
    EXPECT_EQ(a.maximum, 12);
    auto b = BuyOffer(135, 10, 0, f, Dot); // 13.5 units' worth
    ASSERT_TRUE(b.ok);
    EXPECT_EQ(b.maximum, 14);
    EXPECT_EQ(b.tickSpacing, 0);
    // With a decimal comma the fraction does not survive the trip through text.
    EXPECT_EQ(BuyOffer(135, 10, 0, f, Comma).maximum, 13);
    EXPECT_EQ(BuyOffer(125, 10, 0, f, Comma).maximum, 12);
}

TEST(MarketBuyOffer, SpaceBoundsTheQuantityAndSetsTheTicks) {
    // 250 free units, cash for 300 at 40 each.
    const FleetRecord f = fleetWithRoom(50, 5);
    auto o = BuyOffer(12000, 40, 0, f, Dot);
    ASSERT_TRUE(o.ok);
    EXPECT_EQ(o.maximum, 250);
    EXPECT_EQ(o.tickSpacing, 5);
    // Units already aboard take their room.
    EXPECT_EQ(BuyOffer(12000, 40, 100, f, Dot).maximum, 150);
    EXPECT_EQ(BuyOffer(12000, 40, 249, f, Dot).maximum, 1);
}

TEST(MarketBuyOffer, RefusesMoneyBeforeSpace) {
    const FleetRecord full = fleetWithRoom(50, 2);
    auto poor = BuyOffer(39.5, 40, 100, full, Dot);
    EXPECT_FALSE(poor.ok);
    EXPECT_EQ(poor.refusal, "Nedostatek peněz");
    EXPECT_EQ(BuyOffer(-100, 40, 0, full, Dot).refusal, "Nedostatek peněz");
    auto noRoom = BuyOffer(5000, 40, 100, full, Dot);
    EXPECT_FALSE(noRoom.ok);
    EXPECT_EQ(noRoom.refusal, "Nedostatek prostoru");
    // A hold over-full after selling a ship offers no room, not a negative slider.
    auto over = BuyOffer(5000, 40, 130, full, Dot);
    EXPECT_FALSE(over.ok);
    EXPECT_EQ(over.refusal, "Nedostatek prostoru");
    EXPECT_EQ(BuyOffer(5000, 40, 0, fleetWithRoom(50, 0), Dot).refusal, "Nedostatek prostoru");
}

TEST(MarketBuyOffer, OnePurchaseStopsAt32760AndABigFleetDoesNotWrap) {
    // 255 × 200 = 51 000 would wrap a 16-bit product into a negative number.
    const FleetRecord big = fleetWithRoom(255, 200);
    EXPECT_EQ(FreeSpace(big, 0), 32767);
    EXPECT_EQ(FreeSpace(fleetWithRoom(50, 3), 200), -50);
    auto o = BuyOffer(1e9, 5, 0, big, Dot);
    ASSERT_TRUE(o.ok);
    EXPECT_EQ(o.maximum, 32760);
    EXPECT_EQ(o.tickSpacing, 655); // 655.2
}

TEST(MarketSellOffer, OffersTheWholeRoundedAmount) {
    EXPECT_EQ(SellOffer(12.5, 40).maximum, 12);
    EXPECT_EQ(SellOffer(13.5, 40).maximum, 14);
    auto hundred = SellOffer(100, 40);
    EXPECT_EQ(hundred.maximum, 100);
    EXPECT_EQ(hundred.tickSpacing, 2);
    // What storms leave of a single unit can still be sold.
    EXPECT_EQ(SellOffer(0.25, 40).maximum, 1);
    EXPECT_EQ(SellOffer(40000, 40).maximum, 32767);
    auto refused = SellOffer(50, 0);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.refusal, "Zboží není přijímáno");
    EXPECT_FALSE(SellOffer(0, 40).ok);
}

TEST(MarketText, QuantityLineGroupsInThrees) {
    EXPECT_EQ(QuantityLine(5, 40), "5 jednotek za 200");
    EXPECT_EQ(QuantityLine(1234, 56), "1 234 jednotek za 69 104");
    EXPECT_EQ(QuantityLine(32760, 999), "32 760 jednotek za 32 727 240");
    EXPECT_EQ(QuantityLine(0, 40), "0 jednotek za 0");
    EXPECT_EQ(TextAsI16("12,5"), 12);
    EXPECT_EQ(TextAsI16("13.5"), 14);
    EXPECT_EQ(TextAsI16("145"), 145);
    EXPECT_EQ(TextAsI16(""), 0);
}

TEST(MarketPrice, ReactionIsDampedByCitySize) {
    ScriptedRandom rnd({0.5f});
    EXPECT_EQ(TradePriceReaction(200, 10, 0, rnd, Dot), 210);
    EXPECT_EQ(TradePriceReaction(200, 10, 1, rnd, Dot), 205);
    EXPECT_EQ(TradePriceReaction(200, 10, 4, rnd, Dot), 202);
    EXPECT_EQ(TradePriceReaction(200, -10, 1, rnd, Dot), 195);
    // Halves go to the even neighbour: 2.5 -> 2, 3.5 -> 4.
    EXPECT_EQ(TradePriceReaction(200, 5, 1, rnd, Dot), 202);
    EXPECT_EQ(TradePriceReaction(200, 7, 1, rnd, Dot), 204);
    EXPECT_EQ(TradePriceReaction(200, -5, 1, rnd, Dot), 198);
    EXPECT_EQ(rnd.draws(), 0u); // prices between 100 and 900 draw nothing
}

TEST(MarketPrice, BoundsDrawFreshAmounts) {
    // Pushed below 1: 5, then lifted by 10 + 50·r.
    ScriptedRandom low({0.0f});
    EXPECT_EQ(TradePriceReaction(30, -100, 0, low, Dot), 15);
    ScriptedRandom mid({0.5f});
    EXPECT_EQ(TradePriceReaction(30, -100, 0, mid, Dot), 40);
    // Left at 950: cut by 10 + 50·r.
    ScriptedRandom cut({0.2f});
    EXPECT_EQ(TradePriceReaction(940, 10, 0, cut, Dot), 930);
    // Over 999: capped first, then cut.
    ScriptedRandom cap({0.0f});
    EXPECT_EQ(TradePriceReaction(990, 50, 0, cap, Dot), 989);
    EXPECT_EQ(cap.draws(), 1u);
    // A cheap price rising past 900 is impossible, so each bound draws on its own.
    ScriptedRandom two({0.98f, 0.0f});
    EXPECT_EQ(TradePriceReaction(80, 0, 0, two, Dot), 80 + 59);
    EXPECT_EQ(two.draws(), 1u);
}

TEST(MarketPrice, RandomAmountKeepsItsFractionOnlyWithADecimalPoint) {
    ScriptedRandom a({0.01f});
    EXPECT_DOUBLE_EQ(TradeRandomAmount(a, Dot), 10.5);
    ScriptedRandom b({0.01f});
    EXPECT_DOUBLE_EQ(TradeRandomAmount(b, Comma), 10.0);
    ScriptedRandom c({0.01f}), d({0.01f});
    EXPECT_EQ(TradePriceReaction(50, 0, 0, c, Dot), 60);   // 60.5 -> 60
    EXPECT_EQ(TradePriceReaction(51, 0, 0, d, Comma), 61); // 51 + 10
}

TEST(MarketTrade, BuyingLoadsPaysAndLiftsTheCurrentCitysPrice) {
    GameState st = portWith(1, 200);
    st.Fleet.Naklad[2] = 3;
    FakeGameView view;
    ScriptedRandom rnd({0.5f});
    BuyGoods(st, view, rnd, 2, 10, 180); // a price seen in another city's chart
    EXPECT_DOUBLE_EQ(st.Fleet.Naklad[2], 13);
    EXPECT_DOUBLE_EQ(st.Hotovost, 50000 - 1800);
    EXPECT_EQ(st.Cities[1].Trh[2].Cena, 205);
    EXPECT_EQ(st.Cities[0].Trh[2].Cena, 0);
    EXPECT_FALSE(st.StateSaved);
    EXPECT_EQ(view.sounds, std::vector<std::string>{"Cvak"});
    EXPECT_EQ(view.cashShown, 1);
    EXPECT_EQ(rnd.reseeds(), 1);
}

TEST(MarketTrade, BuyingAllTheCashAffordsCanEndJustBelowNothing) {
    GameState st = portWith(2, 10);
    st.Hotovost = 135;
    FakeGameView view;
    ScriptedRandom rnd({0.0f});
    const auto o = BuyOffer(st.Hotovost, 10, 0, st.Fleet, st.locale);
    BuyGoods(st, view, rnd, 2, o.maximum, 10);
    EXPECT_DOUBLE_EQ(st.Hotovost, -5);
    EXPECT_DOUBLE_EQ(st.Fleet.Naklad[2], 14);
}

TEST(MarketTrade, SellingUnloadsEarnsAndLowersWithoutReseeding) {
    GameState st = portWith(1, 200);
    st.Fleet.Naklad[2] = 30;
    FakeGameView view;
    ScriptedRandom rnd({0.5f});
    SellGoods(st, view, rnd, 2, 10, 200);
    EXPECT_DOUBLE_EQ(st.Fleet.Naklad[2], 20);
    EXPECT_DOUBLE_EQ(st.Hotovost, 52000);
    EXPECT_EQ(st.Cities[1].Trh[2].Cena, 195);
    EXPECT_EQ(view.sounds, std::vector<std::string>{"Kasa"});
    EXPECT_EQ(rnd.reseeds(), 0);
}

TEST(MarketTrade, AFractionLeftBehindGoesWithTheSale) {
    GameState st = portWith(4, 300);
    st.Fleet.Naklad[2] = 12.5; // a storm took part of it
    FakeGameView view;
    ScriptedRandom rnd({0.5f});
    SellGoods(st, view, rnd, 2, SellOffer(12.5, 300).maximum, 300);
    EXPECT_DOUBLE_EQ(st.Fleet.Naklad[2], 0);
    EXPECT_DOUBLE_EQ(st.Hotovost, 50000 + 12 * 300);
    // A part sale keeps what still makes whole units.
    st.Fleet.Naklad[2] = 12.5;
    SellGoods(st, view, rnd, 2, 5, 300);
    EXPECT_DOUBLE_EQ(st.Fleet.Naklad[2], 7.5);
}

TEST(MarketSellAll, SellsEveryAcceptedRowInOrderAndLeavesTheRest) {
    GameState st = portWith(0, 100);
    st.Cities[1].Trh[0].Cena = 50;
    st.Cities[1].Trh[5].Cena = 300;
    st.Fleet.Naklad[0] = 10;
    st.Fleet.Naklad[3] = 20; // not bought here
    st.Fleet.Naklad[5] = 4.25;
    st.Fleet.Naklad[13] = 0.25;
    st.Cities[1].Trh[13].Cena = 700;
    // The panel still shows yesterday's price for goods 5.
    const std::vector<ShownMarketRow> rows{
        {0, "Zlato", 50}, {5, "Dřevo", 280}, {13, "Kamení", 700}};
    FakeGameView view;
    ScriptedRandom rnd({0.5f});
    const SellAllResult r = SellAll(st, view, rnd, rows);
    EXPECT_EQ(r.sold, 3);
    EXPECT_FALSE(r.lastRefused);
    EXPECT_DOUBLE_EQ(st.Fleet.Naklad[0], 0);
    EXPECT_DOUBLE_EQ(st.Fleet.Naklad[3], 20);
    EXPECT_DOUBLE_EQ(st.Fleet.Naklad[5], 0);
    EXPECT_DOUBLE_EQ(st.Fleet.Naklad[13], 0);
    EXPECT_DOUBLE_EQ(st.Hotovost, 50000 + 10 * 50 + 4 * 280 + 1 * 700);
    EXPECT_EQ(view.sounds, (std::vector<std::string>{"Kasa", "Kasa", "Kasa"}));
    EXPECT_EQ(st.Cities[1].Trh[0].Cena, 50 - 10 + 35); // fell below 100, lifted by 35
}

TEST(MarketSellAll, ReportsWhenTheLastRowWasRefused) {
    GameState st = portWith(0, 100);
    st.Fleet.Naklad[0] = 10;
    st.Fleet.Naklad[3] = 20;
    FakeGameView view;
    ScriptedRandom rnd({0.5f});
    const SellAllResult r = SellAll(st, view, rnd, {{0, "Zlato", 150}});
    EXPECT_EQ(r.sold, 1);
    EXPECT_TRUE(r.lastRefused);
    EXPECT_DOUBLE_EQ(st.Fleet.Naklad[3], 20);
    // Nothing to sell at all: nothing happens and nothing loops.
    GameState empty = portWith(0, 100);
    const SellAllResult none = SellAll(empty, view, rnd, {{0, "Zlato", 150}});
    EXPECT_EQ(none.sold, 0);
}
