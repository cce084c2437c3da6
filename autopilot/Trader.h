#pragma once

#include "Helpers.h"
#include "state/Battle.h"
#include "state/GameState.h"
#include "state/Random.h"

#include <array>
#include <cstdint>

namespace vlnobrod::autopilot {

// A simple trader. In port he sells what pays, repairs, buys research, access, ships and
// upgrades when the cash allows and the map's goal wants them, banks what the goal wants in
// the bank, fills the hold with the goods of the best margin he knows and sails to where he
// can sell them. On the map whose goal is to lose everything he does all of it badly.
class Trader {
public:
    Trader(GameState& st, RandomSource& rnd, QuietView& view, Battle& battle);

    // One turn: everything in port, then the voyage to the next port. False when the
    // company can sail no more (no ship and no money for one), or when `stopAtGoal` and the
    // goal was met in port.
    bool Turn(bool stopAtGoal = true);

    int voyages() const { return voyages_; }

private:
    using Prices = std::array<std::array<std::int16_t, MarketSize>, MaxCities>;

    void learnPrices();
    double daysTo(int city) const;
    double upkeep(int city) const;
    double reserve() const;
    bool open(int city) const { return st_.Cities[std::size_t(city)].Pristup == 0; }
    bool bankHere() const { return st_.Cities[st_.AktualniMesto].Banka; }

    void sell();
    void repair();
    void research();
    void invest();
    void bank();
    int buyAndChoose();
    int wander() const;

    void loseSell();
    void loseInvest();
    int loseBuyAndChoose();

    void buyAccess(int city);
    void buy(int goods, double budget);

    GameState& st_;
    RandomSource& rnd_;
    QuietView& view_;
    Battle& battle_;
    int map_ = 0;                           // 1..4 for the shipped maps, 0 for any other
    Prices known_{};                        // the last price seen of each goods in each city
    std::array<double, CargoSlots> paid_{}; // what the goods aboard cost a unit
    bool booksBought_ = false;
    int voyages_ = 0;
};

} // namespace vlnobrod::autopilot
