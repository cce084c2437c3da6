#include "world/DeadEnd.h"

#include "support/FakeGameView.h"

#include <gtest/gtest.h>

using namespace vlnobrod;
using vlnobrod::testing::FakeGameView;

// A company without ships is told once that it can trade no more when its cash, savings and cargo
// sold here buy no ship of its type; on the map of losing everything, that ruin meets the goal.
TEST(DeadEnd, NoShipAndNoMoneyForOneIsToldAndOnTheLastMapRuins) {
    // The map, the ships and their type, the cash, the account and the cargo (units of goods 0,
    // sold here at 100), then whether the company is told and the map finished.
    using Row =
        std::tuple<const char*, std::int16_t, std::uint8_t, double, double, double, bool, bool>;
    const Row rows[] = {
        {"Mapa1", 0, 0, 99999.5, 0, 0, true, false},
        {"Mapa1", 0, 0, 100000, 0, 0, false, false},      // exactly a small ship
        {"Mapa1", 0, 0, 60000, 40000, 0, false, false},   // the bank makes up the rest
        {"Mapa1", 0, 0, 100000, -40000, 0, false, false}, // a debt takes nothing from the cash
        {"Mapa1", 0, 0, 60000, 0, 400, false, false},     // the cargo makes up the rest
        {"Mapa1", 0, 0, 60000, 0, 399, true, false},
        {"Mapa1", 0, 2, 200000, 0, 0, true, false}, // a galleon's fleet buys only a galleon
        {"Mapa1", 1, 0, 0, 0, 0, false, false},     // a ship left: it sails on
        {"Mapa2", 0, 1, 149999, 0, 0, true, false},
        {"Mapa4", 0, 2, 142000, 0, 0, true, true},
        {"Mapa4", 0, 2, 250000, 0, 0, false, false},
    };
    for (const auto& [mapa, ships, typ, cash, konto, cargo, told, finished] : rows) {
        SCOPED_TRACE(std::string(mapa) + " " + std::to_string(cash));
        GameState st;
        st.Mapa = mapa;
        st.Fleet.Pocet = ships;
        st.Fleet.Typ = typ;
        st.Hotovost = cash;
        st.Konto = konto;
        st.Cities[0].Trh[0] = MarketEntry{100, 100, 0, 100, 0};
        st.Fleet.Naklad[0] = cargo;
        FakeGameView view;
        EXPECT_EQ(TellDeadEnd(st, view), told);
        EXPECT_EQ(view.resultsOpened, finished ? 1 : 0);
        ASSERT_EQ(view.messages.size(), (told ? 1u : 0u) + (finished ? 1u : 0u));
        EXPECT_TRUE(!told || view.messages[0].title == "Konec obchodování");
        EXPECT_FALSE(finished && TellDeadEnd(st, view)); // once: then the finished map says nothing
    }
}
