#include "Autopilot.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace vlnobrod::autopilot;
using vlnobrod::testing::TempDir;

namespace {

std::string mapFile(const std::string& mapa) {
    return std::string(VLNOBROD_SOURCE_DIR) + "/data/" + mapa + ".mlo";
}

} // namespace

// The day budgets come from docs/balance.md: the 90th percentile over 100 seeds with about
// half as much again for margin. The same seed plays the same game.
TEST(Autopilot, ReachesEveryShippedMapsGoalWithinItsBudget) {
    const std::pair<const char*, int> maps[] = {
        {"Mapa1", 290}, {"Mapa2", 480}, {"Mapa3", 540}, {"Mapa4", 370}};
    for (const auto& [mapa, budget] : maps) {
        const std::string before = TempDir::read(mapFile(mapa));
        MapCopy map(mapFile(mapa));
        for (std::uint64_t seed : {1u, 2u, 3u}) {
            const RunOptions o{.seed = seed, .dayLimit = budget};
            const RunResult r = PlayGame(map, o);
            EXPECT_TRUE(r.reached) << mapa << " seed " << seed << " day " << r.days;
            EXPECT_LE(r.goalDay, budget) << mapa;
            EXPECT_TRUE(seed > 1 || PlayGame(map, o).finalWorth == r.finalWorth) << mapa;
        }
        EXPECT_EQ(TempDir::read(mapFile(mapa)), before); // the shipped map and its table kept
    }
}

// No way to money but trading between ports pays better: from the trader's position on day 100,
// sixty days of turning round, of hopping to the nearest port and back, of the upgrade trick or of
// saving and loading (which take no day) gain less worth a day than the trader's next sixty.
TEST(Autopilot, NoExploitBeatsTheOrdinaryTradersMoneyPerDay) {
    for (const char* mapa : {"Mapa1", "Mapa2", "Mapa3"}) {
        MapCopy map(mapFile(mapa));
        for (std::uint64_t seed : {1u, 2u, 3u}) {
            int applied = 0;
            for (Exploit e :
                 {Exploit::TurnRound, Exploit::ShortHop, Exploit::UpgradeSell, Exploit::SaveLoad}) {
                const ExploitResult r = MeasureExploit(map, seed, e, 100, 60);
                applied += r.applies;
                EXPECT_TRUE(!r.applies || r.exploitPerDay < r.traderPerDay)
                    << mapa << " seed " << seed << ": " << ExploitName(e) << " gains "
                    << r.exploitPerDay << " a day, the trader " << r.traderPerDay;
            }
            EXPECT_GE(applied, 3) << mapa << " seed " << seed;
        }
    }
}

// Games played on past their goals, each checked sound every day; VLNOBROD_SOAK_DAYS soaks longer.
TEST(Autopilot, SoakKeepsEveryGameSound) {
    const char* env = std::getenv("VLNOBROD_SOAK_DAYS");
    const long target = env ? std::atol(env) : 20000;
    const MapCopy all[] = {MapCopy(mapFile("Mapa1")), MapCopy(mapFile("Mapa2")),
                           MapCopy(mapFile("Mapa3")), MapCopy(mapFile("Mapa4"))};
    long days = 0;
    for (std::uint64_t seed = 1000; days < target; ++seed) {
        const RunResult r = PlayGame(
            all[seed % 4],
            {.seed = seed, .dayLimit = 2000, .checkInvariants = true, .playOnAfterGoal = true});
        for (const Violation& v : r.violations)
            ADD_FAILURE() << r.mapa << " seed " << seed << " day " << v.day << ": " << v.what;
        ASSERT_GT(r.days, 0);
        days += r.days;
    }
}
