#include "trade/Shipyard.h"

#include "support/FakeGameView.h"

#include <gtest/gtest.h>

using namespace vlnobrod;
using vlnobrod::testing::FakeGameView;

namespace {

constexpr MessageAnswer Ano = MessageAnswer::Ano, Ne = MessageAnswer::Ne,
                        Zrusit = MessageAnswer::Zrusit;

GameState dock(double cash, std::uint8_t typ = 0, std::int16_t ships = 1) {
    GameState st;
    st.Hotovost = cash;
    st.Fleet.Typ = typ;
    st.Fleet.Pocet = ships;
    st.StateSaved = true;
    return st;
}

} // namespace

TEST(Shipyard, BuyingAShipAsksAndTakesExactlyTheCash) {
    GameState st = dock(100000, 0, 1);
    FakeGameView view;
    view.answers = {Ano};
    BuyShip(st, view);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, "Chcete koupit 1 loď za 100 000 zlatých");
    EXPECT_EQ(view.messages[0].buttons, MessageButtons::NeAnoZrusit);
    EXPECT_DOUBLE_EQ(st.Hotovost, 0);
    EXPECT_EQ(st.Fleet.Pocet, 2);
    EXPECT_EQ(st.NewsQueue[0].text, "Byla koupena 2. loď");
    EXPECT_EQ(st.NewsQueue[0].kind, 1);
    EXPECT_EQ(view.sounds, std::vector<std::string>{"Potlesk"});
}

TEST(Shipyard, BuyingDeclinedOrUnaffordableChangesNothing) {
    for (MessageAnswer answer : {Ne, Zrusit}) {
        GameState st = dock(1e6, 2, 3);
        FakeGameView view;
        view.answers = {answer};
        BuyShip(st, view);
        EXPECT_EQ(st.Fleet.Pocet, 3);
        EXPECT_DOUBLE_EQ(st.Hotovost, 1e6);
        EXPECT_TRUE(st.NewsQueue[0].text.empty());
        EXPECT_TRUE(st.StateSaved);
    }
    GameState st = dock(249999.5, 2, 3);
    FakeGameView view;
    view.answers = {Ano};
    BuyShip(st, view);
    EXPECT_EQ(st.Fleet.Pocet, 3);
    EXPECT_DOUBLE_EQ(st.Hotovost, 249999.5);
    EXPECT_EQ(st.NewsQueue[0].text, "Nedostatek peněz na koupy lodě");
    EXPECT_EQ(st.NewsQueue[0].kind, 3);
    EXPECT_TRUE(view.sounds.empty());
}

TEST(Shipyard, SellingTheLastShipThenNothingToSellOrRepair) {
    GameState st = dock(0, 1, 1);
    st.Fleet.Poskozeni = 30;
    FakeGameView view;
    SellShip(st, view);
    EXPECT_EQ(st.Fleet.Pocet, 0);
    EXPECT_DOUBLE_EQ(st.Hotovost, 150000);
    EXPECT_EQ(st.NewsQueue[0].text, "Byla prodána 1 loď");
    EXPECT_EQ(view.sounds, std::vector<std::string>{"Kasa"});
    SellShip(st, view);
    EXPECT_EQ(st.Fleet.Pocet, 0);
    EXPECT_DOUBLE_EQ(st.Hotovost, 150000);
    EXPECT_EQ(st.NewsQueue[1].text, "Žádná loď na prodej!");
    EXPECT_EQ(st.NewsQueue[1].kind, 3);
    // Without ships the repair does nothing at all.
    RepairFleet(st, view);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_TRUE(st.NewsQueue[2].text.empty());
    EXPECT_EQ(st.Fleet.Poskozeni, 30);
}

TEST(Shipyard, RepairCostsTwentyAPercentAndAPartialRepairSpendsAllTheCash) {
    EXPECT_EQ(RepairCost(255), 5100);
    struct Case {
        std::int16_t ships;
        std::uint8_t damage;
        double cash;
        char separator;
        std::uint8_t left;
        double cashLeft;
        std::string news;
        std::uint8_t kind;
    };
    const Case cases[] = {
        // 37 % costs 740 whatever the fleet size.
        {1, 37, 1000, '.', 0, 260, "Lodě jsou úplně opravené", 1},
        {20, 37, 1000, '.', 0, 260, "Lodě jsou úplně opravené", 1},
        {1, 40, 300, '.', 25, 0, "Lodě jsou opravené jen na 25 %", 2},
        {1, 3, 50, '.', 0, 0, "Lodě jsou opravené jen na 0 %", 2},     // 3 − 2.5 -> 0
        {1, 40, 310, ',', 24, 0, "Lodě jsou opravené jen na 24 %", 2}, // 15.5 kept with a comma
        {1, 40, 0, '.', 40, 0, "Lodě jsou opravené jen na 40 %", 2},
    };
    for (const Case& c : cases) {
        GameState st = dock(c.cash, 0, c.ships);
        st.locale.decimalSeparator = c.separator;
        st.Fleet.Poskozeni = c.damage;
        FakeGameView view;
        view.answers = {Ano};
        RepairFleet(st, view);
        EXPECT_EQ(st.Fleet.Poskozeni, c.left) << c.news;
        EXPECT_NEAR(st.Hotovost, c.cashLeft, 1e-9) << c.news;
        EXPECT_EQ(st.NewsQueue[0].text, c.news);
        EXPECT_EQ(st.NewsQueue[0].kind, c.kind);
    }
    GameState st = dock(1000);
    st.Fleet.Poskozeni = 37;
    FakeGameView view;
    view.answers = {Ano};
    RepairFleet(st, view);
    EXPECT_EQ(view.messages.at(0).text, "Chcete opravit loď za 740 zlatých");
    EXPECT_EQ(view.sounds, std::vector<std::string>{"Push"});
}

TEST(Shipyard, RepairRefusalsAndDecline) {
    GameState broke = dock(-1);
    FakeGameView view;
    RepairFleet(broke, view);
    EXPECT_EQ(broke.NewsQueue[0].text, "Bez peněz do oprav nelez!");
    EXPECT_EQ(broke.NewsQueue[0].kind, 2);
    GameState intact = dock(500);
    RepairFleet(intact, view);
    EXPECT_EQ(intact.NewsQueue[0].text, "Lodě jsou úplně opravené");
    EXPECT_TRUE(view.messages.empty());

    GameState declined = dock(500);
    declined.Fleet.Poskozeni = 10;
    view.answers = {Ne};
    RepairFleet(declined, view);
    EXPECT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(declined.Fleet.Poskozeni, 10);
    EXPECT_DOUBLE_EQ(declined.Hotovost, 500);
    EXPECT_TRUE(declined.NewsQueue[0].text.empty());
}

TEST(Shipyard, UpgradesRaiseTypeCapacityAndSpeed) {
    GameState st = dock(750000, 0, 4);
    st.Fleet.Poskozeni = 12;
    FakeGameView view;
    view.answers = {Ano, Ano};
    UpgradeFleet(st, view);
    EXPECT_EQ(view.messages.at(0).text, "Zlepšit na velkou obchodní loď za 250 000");
    EXPECT_EQ(st.Fleet.Typ, 1);
    EXPECT_EQ(st.Fleet.Nosnost, 100);
    EXPECT_EQ(st.Fleet.Rychlost, 23);
    EXPECT_DOUBLE_EQ(st.Hotovost, 500000);
    EXPECT_EQ(st.NewsQueue[0].text, "Všechny lodě byly vyměněni za Velké obchodní");
    UpgradeFleet(st, view);
    EXPECT_EQ(st.Fleet.Typ, 2);
    EXPECT_EQ(st.Fleet.Nosnost, 180);
    EXPECT_EQ(st.Fleet.Rychlost, 31);
    EXPECT_DOUBLE_EQ(st.Hotovost, 0); // exactly enough
    EXPECT_EQ(st.NewsQueue[1].text, "Všechny lodě byly vyměněni za Galeony");
    EXPECT_EQ(st.Fleet.Pocet, 4);
    EXPECT_EQ(st.Fleet.Poskozeni, 12);
    // Nothing above the galleon: no question, nothing changes.
    UpgradeFleet(st, view);
    EXPECT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(st.Fleet.Typ, 2);
}

TEST(Shipyard, UpgradeRefusedDeclinedAndSaturating) {
    GameState poor = dock(499999, 1);
    FakeGameView view;
    view.answers = {Ano, Ne};
    UpgradeFleet(poor, view);
    EXPECT_EQ(poor.Fleet.Typ, 1);
    EXPECT_EQ(poor.NewsQueue[0].text, "Nedostatek peněz na zlepšení lodi!");
    EXPECT_EQ(poor.NewsQueue[0].kind, 3);
    UpgradeFleet(poor, view);
    EXPECT_EQ(poor.Fleet.Typ, 1);
    EXPECT_TRUE(poor.NewsQueue[1].text.empty());

    // Capacity and speed stop at the top of their byte instead of wrapping round.
    GameState big = dock(1e6, 1);
    big.Fleet.Nosnost = 200;
    big.Fleet.Rychlost = 250;
    view.answers = {Ano};
    UpgradeFleet(big, view);
    EXPECT_EQ(big.Fleet.Nosnost, 255);
    EXPECT_EQ(big.Fleet.Rychlost, 255);
}
