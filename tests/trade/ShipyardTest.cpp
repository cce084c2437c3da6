#include "trade/Shipyard.h"

#include "support/FakeGameView.h"
#include "world/News.h"

#include <gtest/gtest.h>

using namespace vlnobrod;
using vlnobrod::testing::FakeGameView;

constexpr MessageAnswer Ano = MessageAnswer::Ano, Ne = MessageAnswer::Ne;

// Each action of the dock from a given fleet: whether it asks, what it leaves and reports.
TEST(Shipyard, EveryActionPaysExactlyOrChangesNothing) {
    using Action = void (*)(GameState&, GameView&);
    const Action Buy = BuyShip, Sell = SellShip, Repair = RepairFleet, Upgrade = UpgradeFleet;
    const std::uint8_t I = NewsInfo, W = NewsWarning, S = NewsStop;
    const std::string poorShip = "Nedostatek peněz na koupy lodě";
    const std::string poorUpgrade = "Nedostatek peněz na zlepšení lodi!";
    const std::string repaired = "Lodě jsou úplně opravené", sold = "Byla prodána 1 loď";
    const std::string partly = "Lodě jsou opravené jen na ";
    const std::string big = "Všechny lodě byly vyměněni za Velké obchodní";
    const std::string galleons = "Všechny lodě byly vyměněni za Galeony";
    const struct {
        Action act;
        MessageAnswer answer;
        double cash, left;
        FleetRecord from, to;
        std::string news, sound;
        std::uint8_t kind;
        bool asks = true;
        char separator = '.';
    } rows[] = {
        // Ships: exactly the cash; declined, too poor or no ship left, nothing moves.
        {Buy, Ano, 100000, 0, {1}, {2}, "Byla koupena 2. loď", "Potlesk", I},
        {Buy, Ne, 1e6, 1e6, {3, 0, 50, 2}, {3, 0, 50, 2}, "", "", 0},
        {Buy, Ano, 249999.5, 249999.5, {3, 0, 50, 2}, {3, 0, 50, 2}, poorShip, "", S},
        {Sell, Ano, 0, 150000, {1, 30, 50, 1}, {0, 30, 50, 1}, sold, "Kasa", I, false},
        {Sell, Ano, 0, 0, {0, 30, 50, 1}, {0, 30, 50, 1}, "Žádná loď na prodej!", "", S, false},
        // Repairs: 20 a percent for the whole fleet; short of it, the cash buys what it covers
        // (with a decimal comma the 15.5 % that 310 pays for is kept).
        {Repair, Ano, 740, 0, {20, 37}, {20}, repaired, "Push", I}, // exactly the cost
        {Repair, Ano, 300, 0, {1, 40}, {1, 25}, partly + "25 %", "Push", W},
        {Repair, Ano, 310, 0, {1, 40}, {1, 24}, partly + "24 %", "Push", W, true, ','},
        {Repair, Ano, -1, -1, {1, 10}, {1, 10}, "Bez peněz do oprav nelez!", "", W, false},
        {Repair, Ano, 500, 500, {1}, {1}, repaired, "", I, false},
        {Repair, Ne, 500, 500, {1, 10}, {1, 10}, "", "", 0},
        {Repair, Ano, 1000, 1000, {0, 30}, {0, 30}, "", "", 0, false},
        // Upgrades keep ships and damage; capacity and speed stop at the top of their byte.
        {Upgrade, Ano, 250000, 0, {4, 12}, {4, 12, 100, 1, 23}, big, "", I},
        {Upgrade, Ano, 500000, 0, {4, 0, 100, 1, 23}, {4, 0, 180, 2, 31}, galleons, "", I},
        {Upgrade, Ano, 1e6, 5e5, {1, 0, 200, 1, 250}, {1, 0, 255, 2, 255}, galleons, "", I},
        // From the sixth ship on, each ship pays the difference in price (50 000, 100 000).
        {Upgrade, Ano, 250000, 0, {5}, {5, 0, 100, 1, 23}, big, "", I},
        {Upgrade, Ano, 300000, 0, {6}, {6, 0, 100, 1, 23}, big, "", I},
        {Upgrade, Ano, 299999, 299999, {6}, {6}, poorUpgrade, "", S},
        {Upgrade, Ano, 1e6, 4e5, {6, 0, 100, 1, 23}, {6, 0, 180, 2, 31}, galleons, "", I},
        {Upgrade, Ano, 499999, 499999, {1, 0, 100, 1, 23}, {1, 0, 100, 1, 23}, poorUpgrade, "", S},
        {Upgrade, Ne, 1e6, 1e6, {1, 0, 100, 1, 23}, {1, 0, 100, 1, 23}, "", "", 0},
        {Upgrade, Ano, 1e6, 1e6, {1, 0, 180, 2, 31}, {1, 0, 180, 2, 31}, "", "", 0, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.news + " from " + std::to_string(r.cash));
        GameState st;
        st.Hotovost = r.cash;
        st.Fleet = r.from;
        st.locale.decimalSeparator = r.separator;
        FakeGameView view;
        view.answers = {r.answer};
        r.act(st, view);
        EXPECT_NEAR(st.Hotovost, r.left, 1e-9);
        EXPECT_EQ(st.Fleet, r.to);
        EXPECT_EQ(std::tuple(view.messages.size(), st.NewsQueue[0].text, st.NewsQueue[0].kind),
                  std::tuple(r.asks ? 1u : 0u, r.news, r.kind));
        EXPECT_EQ(view.sounds, std::vector<std::string>(!r.sound.empty(), r.sound));
    }
}

// The question names the whole fleet's price, the difference in price from the sixth ship on.
TEST(Shipyard, TheUpgradeQuestionNamesThePriceOfTheWholeFleet) {
    GameState st;
    st.Fleet = FleetRecord{12, 0, 100, 1};
    FakeGameView view; // "OK" to every question, which buys nothing
    UpgradeFleet(st, view);
    st.Fleet.Pocet = 5;
    UpgradeFleet(st, view);
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(view.messages[0].text, "Zlepšit na galeonu za 1 200 000");
    EXPECT_EQ(view.messages[1].text, "Zlepšit na galeonu za 500 000");
}
