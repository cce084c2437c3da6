#include "Trader.h"

#include "state/Numbers.h"
#include "state/ShipTypes.h"
#include "trade/Bank.h"
#include "trade/CityAccess.h"
#include "trade/Market.h"
#include "trade/Shipyard.h"
#include "voyage/Voyage.h"
#include "voyage/VoyagePlan.h"
#include "world/DayChange.h"
#include "world/DeadEnd.h"
#include "world/FleetSummary.h"
#include "world/Money.h"
#include "world/News.h"
#include "world/PriceBounds.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vlnobrod::autopilot {

namespace {

constexpr int Books = 7;                  // the books of the Indonesian map
constexpr std::int32_t BankStep = 100000; // the most one bank transaction moves

int mapNumber(const std::string& mapa) {
    for (int i = 1; i <= 4; ++i)
        if (mapa == "Mapa" + std::to_string(i))
            return i;
    return 0;
}

} // namespace

Trader::Trader(GameState& st, RandomSource& rnd, QuietView& view, Battle& battle)
    : st_(st), rnd_(rnd), view_(view), battle_(battle), map_(mapNumber(st.Mapa)) {}

void Trader::learnPrices() {
    for (int c = 0; c < st_.PocetMest; ++c) {
        const CityRecord& city = st_.Cities[std::size_t(c)];
        if (c != st_.AktualniMesto && city.PruzkumTrhu == 0)
            continue;
        // What a sale there pays: never the lift of his own purchases.
        for (std::size_t g = 0; g < MarketSize; ++g)
            known_[std::size_t(c)][g] = OwnSaleBound(city.Trh[g], city.Trh[g].Cena);
    }
}

double Trader::daysTo(int city) const {
    const std::int16_t d =
        SeaDistance(st_.Cities[st_.AktualniMesto], st_.Cities[std::size_t(city)]);
    return std::max(1.0, std::ceil(PlanVoyage(d, st_.Fleet).days));
}

double Trader::upkeep(int city) const {
    return -VoyageUpkeep(st_.Fleet, ToI16(daysTo(city)), st_.Obtiznost);
}

double Trader::reserve() const {
    // Ten days of upkeep and a full repair stay in cash.
    return 2000 - 10 * VoyageUpkeep(st_.Fleet, 1, st_.Obtiznost);
}

void Trader::buy(int goods, double budget) {
    const MarketEntry& m = st_.Cities[st_.AktualniMesto].Trh[std::size_t(goods)];
    const std::int16_t price = PurchasePrice(st_, goods, m.Cena);
    const std::int64_t loaded = CargoUnits(st_.Fleet);
    const QuantityOffer offer =
        BuyOffer(budget, price, CargoTotal(st_.Fleet), st_.Fleet, st_.locale);
    if (!offer.ok || price <= 0)
        return;
    double& aboard = st_.Fleet.Naklad[std::size_t(goods)];
    double& paid = paid_[std::size_t(goods)];
    paid = (paid * aboard + double(price) * offer.maximum) / (aboard + offer.maximum);
    BuyGoods(st_, view_, rnd_, goods, offer.maximum, m.Cena);
    view_.CheckPurchase(loaded);
}

void Trader::buyAccess(int city) {
    // As the city's information panel buys it: the view answers the question "Ano".
    if (st_.Cities[std::size_t(city)].Pristup > 0)
        BuyAccess(st_, view_, static_cast<std::uint8_t>(city));
}

void Trader::sell() {
    const CityRecord& here = st_.Cities[st_.AktualniMesto];
    for (int g = 0; g < CargoSlots; ++g) {
        const double aboard = st_.Fleet.Naklad[std::size_t(g)];
        if (aboard <= 0 || (map_ == 3 && booksBought_ && g == Books))
            continue;
        const std::int16_t shown = here.Trh[std::size_t(g)].Cena;
        const std::int16_t price = SalePrice(st_, g, shown);
        if (price <= 0)
            continue;
        std::int16_t elsewhere = 0;
        for (int c = 0; c < st_.PocetMest; ++c)
            if (c != st_.AktualniMesto && open(c))
                elsewhere = std::max(elsewhere, known_[std::size_t(c)][std::size_t(g)]);
        if (price < paid_[std::size_t(g)] && price * 1.15 < elsewhere)
            continue; // it pays better elsewhere
        const QuantityOffer offer = SellOffer(aboard, price);
        if (offer.ok)
            SellGoods(st_, view_, rnd_, g, offer.maximum, shown);
    }
}

void Trader::repair() {
    const FleetRecord& f = st_.Fleet;
    if (f.Poskozeni >= 20 && st_.Hotovost > RepairCost(f.Poskozeni) + 1000)
        RepairFleet(st_, view_);
}

void Trader::research() {
    for (int c = 0; c < st_.PocetMest; ++c) {
        CityRecord& city = st_.Cities[std::size_t(c)];
        if (city.PruzkumTrhu == 2 || st_.Hotovost < 20000)
            continue;
        BuyPermanentResearch(st_, view_, static_cast<std::uint8_t>(c));
    }
    learnPrices();
}

void Trader::invest() {
    const double goalMoney = map_ == 2 ? 5e6 : map_ == 3 ? 2e7 : 1e6;
    const bool growing = st_.Hotovost + st_.Konto < 0.6 * goalMoney;
    for (int c = 0; c < st_.PocetMest; ++c) {
        const double price = st_.Cities[std::size_t(c)].Pristup;
        if (price <= 0)
            continue;
        // A city the goal wants is opened once the cash covers it twice; any other once a
        // new market is cheap beside the cash.
        const bool wanted = (map_ == 1 && c == 1) || map_ == 2;
        if (st_.Hotovost >= (wanted ? 2 : 4) * price + reserve())
            buyAccess(c);
    }
    if (!growing && map_ != 3)
        return;
    const ShipType* type = FindShipType(st_.Fleet.Typ);
    if (!type)
        return;
    // A bigger hold is worth it only with the money to fill it: 250 a unit stays in cash.
    auto working = [&](double units) { return 250.0 * units + reserve(); };
    if (type->upgrade) {
        const ShipType* next = FindShipType(type->upgrade->toType);
        const double units = double(st_.Fleet.Pocet) * (next ? next->capacity : 0);
        if (st_.Hotovost >= 2.0 * UpgradeCost(st_.Fleet) + working(units)) {
            UpgradeFleet(st_, view_);
            return;
        }
    }
    const int most = map_ == 3 ? 17 : 12;
    while (st_.Fleet.Pocet < most &&
           st_.Hotovost >=
               2.0 * type->price + working(double(CapacityUnits(st_.Fleet)) + type->capacity))
        BuyShip(st_, view_);
}

void Trader::bank() {
    if (!bankHere())
        return;
    auto depositUpTo = [&](double wanted, double keep) {
        while (wanted >= 1 && st_.Hotovost - keep >= 1) {
            const auto amount = static_cast<std::int32_t>(
                std::min({wanted, st_.Hotovost - keep, double(BankStep)}));
            if (amount < 1 || !Deposit(st_, view_, amount))
                break;
            wanted -= amount;
        }
    };
    const double working = std::max(100000.0, FleetCapacity(st_.Fleet) * 700.0);
    if (map_ == 2) {
        bool allOpen = true;
        for (int c = 0; c < st_.PocetMest; ++c)
            allOpen = allOpen && open(c);
        if (allOpen)
            depositUpTo(st_.Hotovost - working, working);
    }
    // Exactly two million: more in the bank draws trouble at sea.
    if (map_ == 3 && st_.Fleet.Pocet >= 17 && st_.Fleet.Typ >= 2 && st_.Konto < 2e6)
        depositUpTo(2e6 - st_.Konto, working);
}

int Trader::buyAndChoose() {
    const CityRecord& here = st_.Cities[st_.AktualniMesto];
    // The books that finish the Indonesian map, bought once the rest of its goal is met.
    if (map_ == 3 && !booksBought_ && st_.Fleet.Pocet >= 17 && st_.Fleet.Typ >= 2 &&
        st_.Konto >= 2e6 && here.Trh[Books].Cena > 0) {
        const double wanted = 3000 - st_.Fleet.Naklad[Books];
        const double cost = wanted * PurchasePrice(st_, Books, here.Trh[Books].Cena);
        if (st_.Hotovost >= 1e7 + cost + 1000 &&
            FreeSpace(st_.Fleet, CargoTotal(st_.Fleet)) >= wanted) {
            buy(Books, cost + 1);
            booksBought_ = st_.Fleet.Naklad[Books] >= 3000;
        }
    }
    struct Pick {
        int goods;
        double margin;
    };
    int best = -1;
    double bestScore = 0;
    std::vector<Pick> bestPicks;
    const double budget = st_.Hotovost - reserve();
    for (int d = 0; d < st_.PocetMest; ++d) {
        if (d == st_.AktualniMesto || !open(d))
            continue;
        const auto& there = known_[std::size_t(d)];
        std::vector<Pick> picks;
        for (int g = 0; g < CargoSlots; ++g) {
            const std::int16_t b = PurchasePrice(st_, g, here.Trh[std::size_t(g)].Cena);
            if (b > 0 && there[std::size_t(g)] > b)
                picks.push_back({g, double(there[std::size_t(g)] - b)});
        }
        std::sort(picks.begin(), picks.end(),
                  [](const Pick& a, const Pick& b) { return a.margin > b.margin; });
        double space = FreeSpace(st_.Fleet, CargoTotal(st_.Fleet));
        double cash = budget;
        double gain = 0;
        for (const Pick& p : picks) {
            const double b = PurchasePrice(st_, p.goods, here.Trh[std::size_t(p.goods)].Cena);
            const double q = std::max(0.0, std::min(space, std::floor(cash / b)));
            gain += q * p.margin;
            space -= q;
            cash -= q * b;
        }
        for (int g = 0; g < CargoSlots; ++g)
            gain += st_.Fleet.Naklad[std::size_t(g)] *
                    std::max(0.0, there[std::size_t(g)] - paid_[std::size_t(g)]);
        const double score = (gain - upkeep(d)) / daysTo(d);
        if (score > bestScore) {
            bestScore = score;
            best = d;
            bestPicks = picks;
        }
    }
    if (best < 0)
        return wander();
    for (const Pick& p : bestPicks)
        buy(p.goods, st_.Hotovost - reserve());
    return best;
}

int Trader::wander() const {
    // Nothing known pays from here: go where the best known purchase waits, near ports first.
    int best = -1;
    double bestScore = -1;
    for (int d = 0; d < st_.PocetMest; ++d) {
        if (d == st_.AktualniMesto || !open(d))
            continue;
        double margin = 0;
        for (int g = 0; g < CargoSlots; ++g) {
            const std::int16_t b = known_[std::size_t(d)][std::size_t(g)];
            if (b <= 0)
                continue;
            for (int e = 0; e < st_.PocetMest; ++e)
                if (e != d && open(e))
                    margin = std::max(margin, double(known_[std::size_t(e)][std::size_t(g)] - b));
        }
        const double score = margin / (daysTo(d) + 1);
        if (score > bestScore) {
            bestScore = score;
            best = d;
        }
    }
    return best;
}

void Trader::loseSell() {
    const CityRecord& here = st_.Cities[st_.AktualniMesto];
    for (int g = 0; g < CargoSlots; ++g) {
        const double aboard = st_.Fleet.Naklad[std::size_t(g)];
        const std::int16_t shown = here.Trh[std::size_t(g)].Cena;
        const QuantityOffer offer = SellOffer(aboard, SalePrice(st_, g, shown));
        if (aboard > 0 && offer.ok)
            SellGoods(st_, view_, rnd_, g, offer.maximum, shown);
    }
}

void Trader::loseInvest() {
    // Everything out of the bank, every ship but one sold, every gate bought, the fleet
    // made grander: then the cash goes on dear goods sold cheaply.
    if (bankHere())
        while (st_.Konto > 0)
            if (!Withdraw(
                    st_, view_,
                    static_cast<std::int32_t>(std::min(std::ceil(st_.Konto), double(BankStep)))))
                break;
    while (st_.Fleet.Pocet > 1)
        SellShip(st_, view_);
    for (int c = 0; c < st_.PocetMest; ++c)
        buyAccess(c);
    const ShipType* type = FindShipType(st_.Fleet.Typ);
    if (type && type->upgrade && st_.Hotovost >= type->upgrade->price)
        UpgradeFleet(st_, view_);
    research();
}

int Trader::loseBuyAndChoose() {
    const CityRecord& here = st_.Cities[st_.AktualniMesto];
    int dearest = -1;
    std::int16_t top = 0;
    for (int g = 0; g < CargoSlots; ++g) {
        const std::int16_t b = PurchasePrice(st_, g, here.Trh[std::size_t(g)].Cena);
        if (b > top && b <= st_.Hotovost) {
            top = b;
            dearest = g;
        }
    }
    if (dearest >= 0)
        buy(dearest, st_.Hotovost);
    // Sail where the goods fetch least; with nothing to carry, as far as the sea goes.
    int best = -1;
    double bestScore = -1e18;
    for (int d = 0; d < st_.PocetMest; ++d) {
        if (d == st_.AktualniMesto || !open(d))
            continue;
        double score = daysTo(d);
        if (dearest >= 0) {
            const std::int16_t p = known_[std::size_t(d)][std::size_t(dearest)];
            score = p > 0 ? 1000.0 - p : -1000.0;
        }
        if (score > bestScore) {
            bestScore = score;
            best = d;
        }
    }
    return best;
}

bool Trader::Turn(bool stopAtGoal) {
    // The ticker would have shown the news by now.
    st_.NewsQueue = {};
    st_.NewsOverflow.clear();
    learnPrices();
    booksBought_ = booksBought_ && st_.Fleet.Naklad[Books] >= 3000;
    if (st_.Fleet.Pocet <= 0) {
        const ShipType* type = FindShipType(st_.Fleet.Typ);
        if (!type || st_.Hotovost < type->price)
            return false;
        BuyShip(st_, view_);
    }
    // Short of money for the upkeep, he sells a ship rather than sail into debt.
    while (map_ != 4 && st_.Hotovost < reserve() && st_.Fleet.Pocet > 1)
        SellShip(st_, view_);
    int to;
    if (map_ == 4) {
        loseSell();
        loseInvest();
        to = loseBuyAndChoose();
    } else {
        sell();
        repair();
        research();
        invest();
        bank();
        to = buyAndChoose();
    }
    if (stopAtGoal && st_.Hotovo)
        return false;
    if (to < 0 || SetSail(st_, to) != SailAnswer::Sailing)
        return false;
    SailToPort(st_, rnd_, view_, battle_);
    ++voyages_;
    // As the port screen does when a voyage ends.
    TellDeadEnd(st_, view_);
    return true;
}

} // namespace vlnobrod::autopilot
