#include "Helpers.h"

#include "state/Numbers.h"
#include "world/FleetSummary.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vlnobrod::autopilot {

void QuietView::fail(std::string what) {
    if (violations_ && violations_->size() < 100)
        violations_->push_back({st_.Den, std::move(what)});
}

void QuietView::Check() {
    if (!violations_)
        return;
    for (int c = 0; c < st_.PocetMest && c < MaxCities; ++c)
        for (int g = 0; g < MarketSize; ++g) {
            const MarketEntry& m = st_.Cities[std::size_t(c)].Trh[std::size_t(g)];
            if (m.Cena != 0 && (m.Cena < 5 || m.Cena > 999))
                fail("cena " + std::to_string(m.Cena) + " ve městě " + std::to_string(c));
        }
    if (!std::isfinite(st_.Hotovost) || !std::isfinite(st_.Konto))
        fail("peníze nejsou číslo");
    const FleetRecord& f = st_.Fleet;
    if (f.Pocet < 0)
        fail("záporný počet lodí");
    for (double q : f.Naklad)
        if (!(q >= 0) || !std::isfinite(q))
            fail("záporný náklad");
    const bool atSea = st_.PendingAction == Pending::Voyage;
    // At sea damage only grows; a ship lost resets it, and a pirate ship taken then adds 12.
    if (atSea && lastAtSea_ && f.Poskozeni < lastDamage_ && f.Poskozeni > 12)
        fail("poškození kleslo na moři z " + std::to_string(lastDamage_) + " na " +
             std::to_string(f.Poskozeni));
    if (st_.Den < lastDay_ || st_.Den < 0 || st_.Den == INT16_MAX)
        fail("den přetekl: " + std::to_string(st_.Den));
    lastDay_ = st_.Den;
    lastDamage_ = f.Poskozeni;
    lastAtSea_ = atSea;
}

void QuietView::CheckPurchase(std::int64_t loadedBefore) {
    if (!violations_)
        return;
    const std::int64_t loaded = CargoUnits(st_.Fleet);
    if (loaded > std::max(CapacityUnits(st_.Fleet), loadedBefore))
        fail("nákup nad nosnost: " + std::to_string(loaded));
}

namespace {

// Where a ball from the merchant's muzzle comes down, flying as the battle flies it.
double landing(const BattleRules& battle, float power) {
    const Barrel b = battle.Cannon(Merchant);
    Launch l;
    l.startX = ToI16(b.X2);
    l.startY = ToI16(b.Y2);
    l.direction = 1;
    l.speed = MuzzleSpeed(power);
    l.angle = AngleRadians(45);
    l.wind = battle.Wind();
    for (double t = 0; t < 400; t += 0.5) {
        const BallPosition p = FlightPosition(l, t);
        if (p.y > field::SeaLevel)
            return p.x;
    }
    return 0;
}

} // namespace

std::optional<Gunner::Shot> SimpleGunner::NextShot(const BattleRules& battle, int) {
    if (++shots_ > 60) {
        ++surrenders_;
        if (std::getenv("VLNOBROD_AUTOPILOT_TRACE"))
            std::fprintf(stderr,
                         "vzdáno: vítr %s, piráti na %.0f, poškození %.0f / %.0f, "
                         "piráti střílí %s %s, dopad %.0f\n",
                         battle.WindText().c_str(), battle.ShipLeft(Pirates),
                         battle.Damage(Merchant), battle.Damage(Pirates),
                         battle.AngleText(Pirates).c_str(), battle.PowerText(Pirates).c_str(),
                         battle.Ball().x);
        return std::nullopt;
    }
    std::uniform_real_distribution<double> error(-40, 40);
    const double target = battle.Cannon(Pirates).X1 + error(eye_);
    int best = PowerRange.initial;
    double miss = 1e9;
    for (int p = PowerRange.minimum; p <= PowerRange.maximum; ++p) {
        const double m = std::abs(landing(battle, static_cast<float>(p)) - target);
        if (m < miss) {
            miss = m;
            best = p;
        }
    }
    return Shot{"45", std::to_string(best)};
}

} // namespace vlnobrod::autopilot
