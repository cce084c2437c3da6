#pragma once

#include "state/GameState.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vlnobrod::autopilot {

// What a broken rule looks like to the soak: the day it was seen and what was wrong.
struct Violation {
    std::int16_t day = 0;
    std::string what;
};

// The days at which the money curve is sampled (cash, account and ships at the dock's price).
inline constexpr std::array<int, 5> CurveDays{50, 100, 200, 400, 800};

struct RunResult {
    std::string mapa;
    std::uint64_t seed = 0;
    bool reached = false;
    std::int16_t goalDay = 0; // the day the goal was met
    std::int16_t days = 0;    // days played
    // MoneyAndShips at each of CurveDays, or NaN when the game had ended before.
    std::array<double, CurveDays.size()> curve{};
    double finalWorth = 0;
    int battles = 0;
    int battlesWon = 0;
    int battlesGivenUp = 0;            // neither side could reach the other: the gunner gave up
    std::vector<Violation> violations; // filled when invariants are checked
};

struct RunOptions {
    std::uint64_t seed = 1;
    int dayLimit = 3000;
    bool checkInvariants = false;
    bool playOnAfterGoal = false; // a soak goes on to the day limit
};

// A scenario map copied into a folder of its own that goes away with this object, so the
// shipped map and its best-players table are never written.
class MapCopy {
public:
    explicit MapCopy(const std::string& mapFile);
    ~MapCopy();
    MapCopy(const MapCopy&) = delete;
    MapCopy& operator=(const MapCopy&) = delete;
    const std::string& folder() const { return folder_; }
    const std::string& mapa() const { return mapa_; }

private:
    std::string folder_;
    std::string mapa_;
};

// Starts a new game on the copied map as the menu does and plays it as a simple trader
// until the goal is met (or the day limit is reached).
RunResult PlayGame(const MapCopy& map, const RunOptions& options);

// A short hop from the map's first port, measured on a fresh game: the goods that pay most
// are bought with the whole hold, the fleet sails to the nearest open port and back, and
// sells them where it bought them.
struct HopResult {
    std::string goods;
    std::string via;
    double units = 0;
    double buyPrice = 0;
    double sellPrice = 0;
    double days = 0;
    double profit = 0; // money after less money before, upkeep included
};
HopResult MeasureShortHop(const MapCopy& map, std::uint64_t seed);

} // namespace vlnobrod::autopilot

namespace vlnobrod::autopilot {

// The ways to money without trading between ports that players find, played as they play
// them: buying a full hold and turning round at once (one day) or hopping to the nearest
// port and back before selling where it was bought; filling the yard with ships, upgrading
// and selling them; buying, saving and loading again and again, and selling; and on Mapa4
// burning the money in the home port before sailing (the smart loser).
enum class Exploit : std::uint8_t { TurnRound, ShortHop, UpgradeSell, SaveLoad, Burn };
inline constexpr Exploit Exploits[] = {Exploit::TurnRound, Exploit::ShortHop, Exploit::UpgradeSell,
                                       Exploit::SaveLoad, Exploit::Burn};
const char* ExploitName(Exploit e);

// The ordinary trader plays to `fromDay` (and, but for the upgrade trick, on until his fleet
// holds a thousand units); from that one position the exploit plays `days`
// days (the upgrade trick and the saving and loading take none: they count as one) and the
// trader plays the same days on. Each gains worth (cash, account, ships at the dock's price
// and cargo at what a sale here pays) a day. The upgrade trick applies only where it
// exchanged the fleet. The burn instead plays Mapa4 from day 0 to its goal or `days`.
struct ExploitResult {
    bool applies = false; // the position allowed the exploit (a fleet that can upgrade…)
    double traderPerDay = 0;
    double exploitPerDay = 0;
    bool reached = false; // the burn: the goal met
    std::int16_t goalDay = -1;
};
ExploitResult MeasureExploit(const MapCopy& map, std::uint64_t seed, Exploit e, int fromDay,
                             int days);

// Cash, account and ships at the dock's price: the money curve.
double MoneyAndShips(const GameState& st);
// The same and cargo at what a sale in the current port pays.
double Worth(const GameState& st);

} // namespace vlnobrod::autopilot
