#include "trade/Shipyard.h"

#include "support/FakeGameView.h"
#include "world/News.h"

#include <gtest/gtest.h>

using namespace vlnobrod;
using vlnobrod::testing::FakeGameView;

namespace {

constexpr MessageAnswer Ano = MessageAnswer::Ano, Ne = MessageAnswer::Ne;

struct Dock {
    double cash;
    std::uint8_t typ;
    std::int16_t ships;
    std::uint8_t damage = 0;
    std::uint8_t nosnost = 50;
    std::uint8_t rychlost = 15;
};

} // namespace

// Each action of the dock from a given fleet: whether it asks, what it leaves and reports.
TEST(Shipyard, EveryActionPaysExactlyOrChangesNothing) {
    using Action = void (*)(GameState&, GameView&);
    struct Row {
        Action act;
        Dock from;
        MessageAnswer answer;
        Dock to;
        std::string news;
        std::uint8_t kind;
        std::string sound;
        bool asks = true;
        char separator = '.';
    };
    const Action Buy = BuyShip, Sell = SellShip, Repair = RepairFleet, Upgrade = UpgradeFleet;
    const std::uint8_t I = NewsInfo, W = NewsWarning, S = NewsStop;
    const std::string poorShip = "Nedostatek peněz na koupy lodě";
    const std::string poorUpgrade = "Nedostatek peněz na zlepšení lodi!";
    const std::string repaired = "Lodě jsou úplně opravené";
    const auto partly = [](int left) {
        return "Lodě jsou opravené jen na " + std::to_string(left) + " %";
    };
    const std::string big = "Všechny lodě byly vyměněni za Velké obchodní";
    const std::string galleons = "Všechny lodě byly vyměněni za Galeony";
    const Row rows[] = {
        // Ships: exactly the cash; declined, too poor or no ship left, nothing moves.
        {Buy, {100000, 0, 1}, Ano, {0, 0, 2}, "Byla koupena 2. loď", I, "Potlesk"},
        {Buy, {1e6, 2, 3}, Ne, {1e6, 2, 3}, "", 0, ""},
        {Buy, {249999.5, 2, 3}, Ano, {249999.5, 2, 3}, poorShip, S, ""},
        {Sell, {0, 1, 1, 30}, Ano, {150000, 1, 0, 30}, "Byla prodána 1 loď", I, "Kasa", false},
        {Sell, {0, 1, 0, 30}, Ano, {0, 1, 0, 30}, "Žádná loď na prodej!", S, "", false},
        // Repairs: 20 a percent for the whole fleet; short of it, the cash buys what it covers
        // (with a decimal comma the 15.5 % that 310 pays for is kept).
        {Repair, {1000, 0, 20, 37}, Ano, {260, 0, 20}, repaired, I, "Push"},
        {Repair, {300, 0, 1, 40}, Ano, {0, 0, 1, 25}, partly(25), W, "Push"},
        {Repair, {310, 0, 1, 40}, Ano, {0, 0, 1, 24}, partly(24), W, "Push", true, ','},
        {Repair, {-1, 0, 1, 10}, Ano, {-1, 0, 1, 10}, "Bez peněz do oprav nelez!", W, "", false},
        {Repair, {500, 0, 1, 0}, Ano, {500, 0, 1}, repaired, I, "", false},
        {Repair, {500, 0, 1, 10}, Ne, {500, 0, 1, 10}, "", 0, ""},
        {Repair, {1000, 0, 0, 30}, Ano, {1000, 0, 0, 30}, "", 0, "", false},
        // Upgrades keep ships and damage; capacity and speed stop at the top of their byte.
        {Upgrade, {250000, 0, 4, 12}, Ano, {0, 1, 4, 12, 100, 23}, big, I, ""},
        {Upgrade, {500000, 1, 4, 0, 100, 23}, Ano, {0, 2, 4, 0, 180, 31}, galleons, I, ""},
        {Upgrade, {1e6, 1, 1, 0, 200, 250}, Ano, {5e5, 2, 1, 0, 255, 255}, galleons, I, ""},
        // From the sixth ship on, each ship pays the difference in price (50 000, 100 000).
        {Upgrade, {250000, 0, 5, 0}, Ano, {0, 1, 5, 0, 100, 23}, big, I, ""},
        {Upgrade, {300000, 0, 6, 0}, Ano, {0, 1, 6, 0, 100, 23}, big, I, ""},
        {Upgrade, {299999, 0, 6, 0}, Ano, {299999, 0, 6, 0}, poorUpgrade, S, ""},
        {Upgrade, {1e6, 1, 6, 0, 100, 23}, Ano, {4e5, 2, 6, 0, 180, 31}, galleons, I, ""},
        {Upgrade, {499999, 1, 1, 0, 100, 23}, Ano, {499999, 1, 1, 0, 100, 23}, poorUpgrade, S, ""},
        {Upgrade, {1e6, 1, 1, 0, 100, 23}, Ne, {1e6, 1, 1, 0, 100, 23}, "", 0, ""},
        {Upgrade, {1e6, 2, 1, 0, 180, 31}, Ano, {1e6, 2, 1, 0, 180, 31}, "", 0, "", false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.news + " from " + std::to_string(r.from.cash));
        GameState st;
        st.Hotovost = r.from.cash;
        st.Fleet.Typ = r.from.typ;
        st.Fleet.Pocet = r.from.ships;
        st.Fleet.Poskozeni = r.from.damage;
        st.Fleet.Nosnost = r.from.nosnost;
        st.Fleet.Rychlost = r.from.rychlost;
        st.locale.decimalSeparator = r.separator;
        FakeGameView view;
        view.answers = {r.answer};
        r.act(st, view);
        EXPECT_EQ(view.messages.size(), r.asks ? 1u : 0u);
        EXPECT_NEAR(st.Hotovost, r.to.cash, 1e-9);
        EXPECT_EQ(st.Fleet.Typ, r.to.typ);
        EXPECT_EQ(st.Fleet.Pocet, r.to.ships);
        EXPECT_EQ(st.Fleet.Poskozeni, r.to.damage);
        EXPECT_EQ(st.Fleet.Nosnost, r.to.nosnost);
        EXPECT_EQ(st.Fleet.Rychlost, r.to.rychlost);
        EXPECT_EQ(st.NewsQueue[0].text, r.news);
        EXPECT_EQ(st.NewsQueue[0].kind, r.kind);
        EXPECT_EQ(view.sounds.empty() ? "" : view.sounds.back(), r.sound);
        EXPECT_LE(view.sounds.size(), 1u);
    }
}

// Filling the yard with ships, exchanging them and selling them again never pays, however
// many ships; the question names the price this fleet pays.
TEST(Shipyard, AnUpgradeBetweenBuyingAndSellingShipsNeverPays) {
    for (const double cash : {1e6, 1e7, 3e7}) {
        for (std::uint8_t typ : {0, 1}) {
            GameState st;
            st.Hotovost = cash;
            st.Fleet = FleetRecord{1, 0, typ == 0 ? std::uint8_t{50} : std::uint8_t{100}, typ};
            FakeGameView view;
            view.answers.assign(100000, Ano);
            while (st.Hotovost >= 250000 * 2 && st.Fleet.Pocet < 20000)
                BuyShip(st, view);
            UpgradeFleet(st, view);
            while (st.Fleet.Pocet > 1)
                SellShip(st, view);
            SCOPED_TRACE(std::to_string(cash) + " type " + std::to_string(typ));
            EXPECT_LE(st.Hotovost, cash + 1e-6);
        }
    }
    GameState st;
    st.Hotovost = 0;
    st.Fleet = FleetRecord{12, 0, 100, 1};
    FakeGameView view;
    view.answers = {Ne};
    UpgradeFleet(st, view);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, "Zlepšit na galeonu za 1 200 000");
    st.Fleet.Pocet = 5;
    view.answers = {Ne};
    UpgradeFleet(st, view);
    EXPECT_EQ(view.messages[1].text, "Zlepšit na galeonu za 500 000");
}
