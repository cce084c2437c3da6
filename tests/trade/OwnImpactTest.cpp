#include "trade/Market.h"

#include "support/FakeGameView.h"
#include "world/DayChange.h"
#include "world/FleetSummary.h"
#include "world/GameStart.h"
#include "world/PriceBounds.h"

#include <gtest/gtest.h>
#include <random>

using namespace vlnobrod;
using vlnobrod::testing::FakeGameView;

namespace {

// One purchase of 300 units in a middling city (size 2) of the price 200, then day changes.
MarketEntry boughtThreeHundred() {
    GameState st;
    st.Cities[0].Velikost = 2;
    st.Cities[0].Trh[3] = MarketEntry{200, 200, 0, 200, 0};
    st.Fleet = FleetRecord{10, 0, 100};
    st.Hotovost = 1e6;
    FakeGameView view;
    ScriptedRandom rnd({0.5f});
    BuyGoods(st, view, rnd, 3, 300, 200);
    return st.Cities[0].Trh[3];
}

} // namespace

// A purchase lifts the price by 100 (300 units over size 2 + 1); the lift is the player's own:
// the sale pays the price without it, and a tenth of what is left fades each day.
TEST(OwnImpact, APurchasesLiftIsNotPaidBackAndFadesOutOfThePriceInAMonth) {
    MarketEntry m = boughtThreeHundred();
    EXPECT_EQ(m.Cena, 300);
    EXPECT_EQ(m.Dopad, 100);
    EXPECT_EQ(OwnSaleBound(m, 300), 200);
    EXPECT_EQ(OwnPurchaseBound(m, 150), 200); // a stale row, never below the own price
    EXPECT_EQ(OwnPurchaseBound(m, 250), 250);
    ScriptedRandom rnd({0.5f});
    const std::pair<int, int> days[] = {{1, 290}, {7, 245}, {14, 219}, {27, 201}, {28, 200}};
    int day = 0;
    for (const auto& [until, price] : days) {
        for (; day < until; ++day)
            StepPriceWithOwnImpact(m, 0, 2, rnd, NumberLocale{});
        EXPECT_EQ(m.Cena, price) << "day " << day;
        EXPECT_EQ(OwnSaleBound(m, m.Cena), 200) << "day " << day;
    }
    EXPECT_EQ(m.Dopad, 0);

    // The market's own movement still pays: production moves the price without the player.
    MarketEntry falling = boughtThreeHundred();
    StepPriceWithOwnImpact(falling, 90, 2, rnd, NumberLocale{}); // 3 a day less
    EXPECT_EQ(falling.Cena, 287);
    EXPECT_EQ(OwnSaleBound(falling, falling.Cena), 197);

    // A sale's drop: the purchase costs the price without it; an edge of the range keeps the
    // price without the impact inside 5…999, whatever a file says.
    const struct {
        MarketEntry m;
        std::int16_t sale, purchase;
    } rows[] = {
        {{150, 0, 0, 0, -50}, 150, 200},  {{150, 0, 0, 0, 0}, 150, 150},
        {{150, 0, 0, 0, 145}, 5, 150},    {{150, 0, 0, 0, 146}, 5, 150},
        {{150, 0, 0, 0, -849}, 150, 999}, {{150, 0, 0, 0, -850}, 150, 999},
        {{0, 0, 0, 0, 40}, 0, 0},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(OwnSaleBound(r.m, r.m.Cena), r.sale) << r.m.Dopad;
        EXPECT_EQ(OwnPurchaseBound(r.m, r.m.Cena), r.purchase) << r.m.Dopad;
    }
}

// Any walk of purchases, sales, "Prodat vše", turn-rounds (one day in port), short hops (one
// to eight days away and back), saves and loads, in the home port, with rows fresh or stale:
// valued at the prices of the same world where nobody traded (same dice), the company never
// gains more than the goods it held gained by the market's own movement: before the first day
// passes, cash plus cargo at the opening prices never rises. Tried: 600 walks of 5 to 60 steps
// over cities of every size, prices near 100, near 900 and anywhere, with and without
// production, both number formats, from holds empty or already laden.
TEST(OwnImpact, NoWalkAroundOnePortGainsMoreThanTheMarketsOwnMovement) {
    std::mt19937 dice(20261207);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(dice); };
    FakeGameView view;
    int trades = 0, days = 0, loads = 0;
    for (int walk = 0; walk < 600; ++walk) {
        GameState st;
        st.Mapa = "Zkouška"; // no goal ends the walk
        st.PocetMest = 2;
        st.Konto = 0;
        st.locale.decimalSeparator = pick(0, 1) ? ',' : '.';
        st.Cities[0].Velikost = static_cast<std::uint8_t>(pick(0, 4));
        for (MarketEntry& m : st.Cities[0].Trh) {
            m.Cena = static_cast<std::int16_t>(
                std::array{0, pick(90, 110), pick(890, 910), pick(5, 999)}[pick(0, 3)]);
            m.Produkce = static_cast<std::int16_t>(pick(0, 1) ? pick(-60, 60) : 0);
        }
        OpenTheDay(st);
        st.Hotovost = pick(0, 3) == 0 ? pick(0, 5000) : pick(0, 3000000);
        st.Fleet.Pocet = static_cast<std::int16_t>(pick(1, 60));
        st.Fleet.Nosnost = static_cast<std::uint8_t>(pick(50, 255));
        for (double& n : st.Fleet.Naklad) // a hold from earlier, storms' fractions and all
            n = pick(0, 2) == 0 ? pick(0, 400) + pick(0, 3) * 0.25 : 0;
        GameState market = st; // the same world, where the player never trades
        auto value = [&] {
            double v = st.Hotovost;
            for (std::size_t g = 0; g < CargoSlots; ++g)
                v += st.Fleet.Naklad[g] * market.Cities[0].Trh[g].Cena;
            return v;
        };
        auto passDay = [&] {
            const float r = static_cast<float>(pick(0, 999)) / 1000.0f;
            ScriptedRandom a({r}), b({r});
            double held = 0;
            for (std::size_t g = 0; g < CargoSlots; ++g)
                held -= st.Fleet.Naklad[g] * market.Cities[0].Trh[g].Cena;
            AdvanceDays(st, a, view, 1);
            AdvanceDays(market, b, view, 1);
            for (std::size_t g = 0; g < CargoSlots; ++g)
                held += st.Fleet.Naklad[g] * market.Cities[0].Trh[g].Cena;
            ++days;
            return held;
        };
        const double start = value();
        double ownMovement = 0;
        ClockRandom tradeDice(7); // the lifts and cuts at the bounds draw anything
        std::array<std::int16_t, CargoSlots> shown{};
        for (int step = 0, steps = pick(5, 60); step < steps; ++step) {
            const int g = pick(0, CargoSlots - 1);
            const auto gi = static_cast<std::size_t>(g);
            const int move = step == 0 ? 0 : pick(0, 24);
            if (move == 0) {
                for (std::size_t k = 0; k < CargoSlots; ++k)
                    shown[k] = st.Cities[0].Trh[k].Cena;
            } else if (move == 1) {
                std::vector<ShownMarketRow> rows;
                for (int k = 0; k < CargoSlots; ++k)
                    rows.push_back({k, shown[static_cast<std::size_t>(k)]});
                SellAll(st, view, tradeDice, rows);
            } else if (move < 9) {
                const std::int16_t price = PurchasePrice(st, g, shown[gi]);
                const QuantityOffer o =
                    BuyOffer(st.Hotovost, price, CargoTotal(st.Fleet), st.Fleet, st.locale);
                if (o.ok)
                    BuyGoods(st, view, tradeDice, g, pick(1, o.maximum), price);
                trades += o.ok;
            } else if (move < 16) {
                const QuantityOffer o = SellOffer(st.Fleet.Naklad[gi], SalePrice(st, g, shown[gi]));
                if (o.ok)
                    SellGoods(st, view, tradeDice, g, pick(1, o.maximum), shown[gi]);
                trades += o.ok;
            } else if (move < 20) {
                ownMovement += passDay(); // a turn-round: out and straight back, one day
            } else if (move < 23) {
                st.AktualniMesto = 1; // a short hop: there, nothing traded, and back
                for (int d = pick(1, 8); d > 0; --d)
                    ownMovement += passDay();
                st.AktualniMesto = 0;
            } else {
                // Saved and loaded: the same game comes back on the same day.
                ScriptedRandom a({0.3f}), b({0.3f});
                StartLoadedGame(st, a, view);
                StartLoadedGame(market, b, view);
                ++loads;
            }
            ASSERT_LE(value(), start + ownMovement + 1e-6) << "walk " << walk << " step " << step;
        }
    }
    EXPECT_GT(trades, 3500); // the walks do trade, sail and load
    EXPECT_GT(days, 5000);
    EXPECT_GT(loads, 500);
}
