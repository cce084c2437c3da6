#include "Autopilot.h"

#include "Game.h"
#include "Helpers.h"
#include "SeededRandom.h"
#include "Trader.h"
#include "menu/MenuRules.h"
#include "state/GameFile.h"
#include "state/Paths.h"
#include "state/Scenarios.h"
#include "trade/Market.h"
#include "voyage/Voyage.h"
#include "voyage/VoyagePlan.h"
#include "world/FleetSummary.h"
#include "world/GameStart.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <stdexcept>

namespace fs = std::filesystem;

namespace vlnobrod::autopilot {

MapCopy::MapCopy(const std::string& mapFile) {
    if (!fs::is_regular_file(mapFile))
        throw std::runtime_error("Mapa nenalezena: " + mapFile);
    std::string pattern = (fs::temp_directory_path() / "vlnobrod-autopilot-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("Nelze vytvořit dočasnou složku");
    folder_ = pattern;
    mapa_ = fs::path(mapFile).stem().string();
    const DataPlaces places{folder_, ""};
    fs::create_directories(ShippedFolder(places));
    fs::copy_file(mapFile, ScenarioFile(places, mapa_));
}

MapCopy::~MapCopy() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

RunResult PlayGame(const MapCopy& map, const RunOptions& options) {
    RunResult r;
    r.mapa = map.mapa();
    r.seed = options.seed;
    r.curve.fill(std::numeric_limits<double>::quiet_NaN());
    Game game(map, options.seed, options.checkInvariants ? &r.violations : nullptr);
    GameState& st = game.st;
    Trader trader(st, game.rnd, game.view, game.battle);
    std::size_t k = 0;
    // VLNOBROD_AUTOPILOT_TRACE=1 follows one game turn by turn on standard error.
    const bool trace = std::getenv("VLNOBROD_AUTOPILOT_TRACE") != nullptr;
    const int limit = std::min(options.dayLimit, 30000);
    while (st.Den < limit) {
        if (st.Hotovo && !r.reached) {
            r.reached = true;
            r.goalDay = game.view.goalDay();
            if (!options.playOnAfterGoal)
                break;
        }
        while (k < CurveDays.size() && st.Den >= CurveDays[k])
            r.curve[k++] = MoneyAndShips(st);
        if (trace)
            std::fprintf(stderr,
                         "přístup1 %.0f den %d město %d hotovost %.0f konto %.0f lodě %d typ %d "
                         "škoda %d náklad %d\n",
                         st.Cities[1].Pristup, st.Den, st.AktualniMesto, st.Hotovost, st.Konto,
                         st.Fleet.Pocet, st.Fleet.Typ, st.Fleet.Poskozeni, CargoTotal(st.Fleet));
        if (!trader.Turn(!options.playOnAfterGoal))
            break;
        game.view.Check();
    }
    if (st.Hotovo && !r.reached) {
        r.reached = true;
        r.goalDay = game.view.goalDay();
    }
    while (k < CurveDays.size() && st.Den >= CurveDays[k])
        r.curve[k++] = MoneyAndShips(st);
    r.days = st.Den;
    r.finalWorth = st.Hotovost + st.Konto;
    r.battles = game.battle.fights;
    r.battlesWon = game.battle.won;
    r.battlesGivenUp = game.battle.surrenders();
    return r;
}

HopResult MeasureShortHop(const MapCopy& map, std::uint64_t seed) {
    Game game(map, seed, nullptr);
    const GameState start = game.st;
    const int home = start.AktualniMesto;
    int near = -1;
    std::int16_t nearest = std::numeric_limits<std::int16_t>::max();
    for (int c = 0; c < start.PocetMest; ++c) {
        const std::int16_t d =
            SeaDistance(start.Cities[std::size_t(home)], start.Cities[std::size_t(c)]);
        if (c != home && start.Cities[std::size_t(c)].Pristup == 0 && d < nearest) {
            nearest = d;
            near = c;
        }
    }
    HopResult best;
    best.profit = -std::numeric_limits<double>::infinity();
    if (near < 0)
        return best;
    for (int g = 0; g < CargoSlots; ++g) {
        const std::int16_t shown = start.Cities[std::size_t(home)].Trh[std::size_t(g)].Cena;
        if (shown <= 0)
            continue;
        // Every goods from the same opening position and the same dice.
        GameState st = start;
        SeededRandom rnd = game.rnd;
        QuietView view(st, nullptr);
        CountingBattle battle(rnd, seed);
        const double before = st.Hotovost + st.Konto;
        const std::int16_t price = PurchasePrice(st, g, shown);
        const QuantityOffer offer =
            BuyOffer(st.Hotovost, price, CargoTotal(st.Fleet), st.Fleet, st.locale);
        if (!offer.ok)
            continue;
        BuyGoods(st, view, rnd, g, offer.maximum, shown);
        const std::int16_t day0 = st.Den;
        SetSail(st, near);
        SailToPort(st, rnd, view, battle);
        SetSail(st, home);
        SailToPort(st, rnd, view, battle);
        const std::int16_t back = st.Cities[std::size_t(home)].Trh[std::size_t(g)].Cena;
        const std::int16_t sale = SalePrice(st, g, back);
        const QuantityOffer all = SellOffer(st.Fleet.Naklad[std::size_t(g)], sale);
        if (all.ok)
            SellGoods(st, view, rnd, g, all.maximum, back);
        const double profit = st.Hotovost + st.Konto - before;
        if (profit > best.profit) {
            best.goods = GoodsName(st.Mapa, g);
            best.via = st.Cities[std::size_t(near)].Nazev;
            best.units = offer.maximum;
            best.buyPrice = price;
            best.sellPrice = sale;
            best.days = st.Den - day0;
            best.profit = profit;
        }
    }
    return best;
}

} // namespace vlnobrod::autopilot
