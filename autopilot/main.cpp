// vlnobrod-autopilot: plays the game's maps without a window as a simple trader, over many
// seeds, and tells how reachable each map's goal is.
//
//   vlnobrod-autopilot [--seeds N] [--first-seed S] [--days D] [--soak] MAP.mlo...
//
// The result table goes to standard output, a progress line to standard error.

#include "Autopilot.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

using namespace vlnobrod::autopilot;

namespace {

struct Options {
    std::vector<std::string> maps;
    int seeds = 100;
    std::uint64_t firstSeed = 1;
    int days = 3000;
    bool soak = false;
};

[[noreturn]] void usage(const char* why) {
    std::cerr << "vlnobrod-autopilot: " << why << "\n"
              << "použití: vlnobrod-autopilot [--seeds N] [--first-seed S] [--days D] [--soak] "
                 "MAPA.mlo...\n";
    std::exit(2);
}

long number(const char* text, long least, long most) {
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (!*text || *end || v < least || v > most)
        usage("neplatné číslo");
    return v;
}

Options parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&]() -> const char* {
            if (++i >= argc)
                usage("chybí hodnota");
            return argv[i];
        };
        if (a == "--seeds")
            o.seeds = int(number(value(), 1, 1000000));
        else if (a == "--first-seed")
            o.firstSeed = std::uint64_t(number(value(), 0, 2000000000));
        else if (a == "--days")
            o.days = int(number(value(), 1, 30000));
        else if (a == "--soak")
            o.soak = true;
        else if (a.rfind("--", 0) == 0)
            usage("neznámý přepínač");
        else
            o.maps.push_back(a);
    }
    if (o.maps.empty())
        usage("chybí soubor mapy");
    return o;
}

// The value below which the given share of the sorted values lie (nearest rank).
double percentile(std::vector<double> v, double share) {
    if (v.empty())
        return std::nan("");
    std::sort(v.begin(), v.end());
    const auto rank = static_cast<std::size_t>(std::ceil(share * double(v.size())));
    return v[std::min(v.size() - 1, rank == 0 ? 0 : rank - 1)];
}

constexpr int ExploitFromDay = 100; // the exploits start from the trader's game at this day

std::string money(double v) {
    if (std::isnan(v))
        return "–";
    char buf[32];
    if (std::abs(v) < 1e4)
        std::snprintf(buf, sizeof buf, "%.0f", v);
    else if (std::abs(v) >= 1e6)
        std::snprintf(buf, sizeof buf, "%.2f M", v / 1e6);
    else
        std::snprintf(buf, sizeof buf, "%.0f k", v / 1e3);
    return buf;
}

std::string days(double v) {
    return std::isnan(v) ? "–" : std::to_string(static_cast<long>(v));
}

} // namespace

int main(int argc, char** argv) {
    const Options o = parse(argc, argv);
    const auto started = std::chrono::steady_clock::now();
    std::cout << "| Map | Goal reached | Days to goal: median | 90th pct | Worth (cash + account + "
                 "ships) median (games) at day";
    for (int d : CurveDays)
        std::cout << " " << d;
    std::cout << " | Battles won (given up) | Short hop: goods, units, buy → sell, days, profit "
                 "(median) |\n"
              << "|---|---|---|---|---|---|---|\n";
    long totalDays = 0;
    std::size_t violations = 0;
    for (const std::string& file : o.maps) {
        try {
            MapCopy map(file);
            std::vector<double> goalDays, hops;
            std::vector<std::vector<double>> curve(CurveDays.size());
            int reached = 0, battles = 0, won = 0, givenUp = 0;
            HopResult firstHop;
            for (int i = 0; i < o.seeds; ++i) {
                RunOptions ro;
                ro.seed = o.firstSeed + std::uint64_t(i);
                ro.dayLimit = o.days;
                ro.checkInvariants = o.soak;
                ro.playOnAfterGoal = o.soak;
                const RunResult r = PlayGame(map, ro);
                totalDays += r.days;
                battles += r.battles;
                won += r.battlesWon;
                givenUp += r.battlesGivenUp;
                for (const Violation& v : r.violations) {
                    if (violations++ < 20)
                        std::cerr << "\n"
                                  << r.mapa << " seed " << r.seed << " day " << v.day << ": "
                                  << v.what << "\n";
                }
                if (r.reached) {
                    ++reached;
                    goalDays.push_back(r.goalDay);
                }
                for (std::size_t k = 0; k < CurveDays.size(); ++k)
                    if (!std::isnan(r.curve[k]))
                        curve[k].push_back(r.curve[k]);
                const HopResult hop = MeasureShortHop(map, ro.seed);
                hops.push_back(hop.profit);
                if (i == 0)
                    firstHop = hop;
                std::cerr << "\r" << map.mapa() << ": seed " << (i + 1) << "/" << o.seeds
                          << ", goal " << reached << ", days so far " << totalDays << "   "
                          << std::flush;
            }
            std::cerr << "\n";
            std::cout << "| " << map.mapa() << " | " << reached << " of " << o.seeds << " | "
                      << days(percentile(goalDays, 0.5)) << " | " << days(percentile(goalDays, 0.9))
                      << " |";
            // Each median with the number of games still going on that day behind it.
            for (const auto& c : curve)
                std::cout << " " << money(percentile(c, 0.5)) << " (" << c.size() << ")"
                          << (&c == &curve.back() ? "" : " /");
            std::cout << " | " << won << " of " << battles << " (" << givenUp << " given up) | "
                      << firstHop.goods << " via " << firstHop.via << ", " << firstHop.units
                      << " u, " << firstHop.buyPrice << " → " << firstHop.sellPrice << ", "
                      << firstHop.days << " d, " << money(percentile(hops, 0.5)) << " |\n"
                      << std::flush;
        } catch (const std::exception& e) {
            std::cerr << "vlnobrod-autopilot: " << e.what() << "\n";
            return 1;
        }
    }
    // The exploits, each from the same positions as the ordinary trader.
    std::cout << "\n| Map | Exploit | Seeds it applies to | Worth a day: trader (median) | "
                 "exploit (median) | Seeds where the exploit beats the trader | Goal reached "
                 "(median day, on day 0) |\n|---|---|---|---|---|---|---|\n";
    for (const std::string& file : o.maps) {
        try {
            MapCopy map(file);
            const bool spend = map.mapa() == "Mapa4";
            for (Exploit e : Exploits) {
                // On Mapa4 the burn, and the upgrade trick with its ten million on day 0.
                if (spend ? e != Exploit::Burn && e != Exploit::UpgradeSell : e == Exploit::Burn)
                    continue;
                const bool burn = e == Exploit::Burn;
                std::vector<double> trader, exploit, goal;
                int applies = 0, beats = 0, reached = 0, dayZero = 0;
                for (int i = 0; i < o.seeds; ++i) {
                    const ExploitResult r =
                        MeasureExploit(map, o.firstSeed + std::uint64_t(i), e,
                                       spend ? 0 : ExploitFromDay, burn ? o.days : 60);
                    if (!r.applies)
                        continue;
                    ++applies;
                    trader.push_back(r.traderPerDay);
                    exploit.push_back(r.exploitPerDay);
                    beats += !burn && r.exploitPerDay > (spend ? 0 : r.traderPerDay);
                    if (r.reached) {
                        ++reached;
                        goal.push_back(r.goalDay);
                        dayZero += r.goalDay == 0;
                    }
                }
                std::cout << "| " << map.mapa() << " | " << ExploitName(e) << " | " << applies
                          << " | ";
                if (burn)
                    std::cout << "– | – | – | " << reached << " of " << applies << " ("
                              << days(percentile(goal, 0.5)) << ", " << dayZero << ") |\n";
                else
                    std::cout << money(percentile(trader, 0.5)) << " | "
                              << money(percentile(exploit, 0.5)) << " | " << beats << " | – |\n";
            }
        } catch (const std::exception& ex) {
            std::cerr << "vlnobrod-autopilot: " << ex.what() << "\n";
            return 1;
        }
    }
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::cout << "\nSimulated days: " << totalDays << ", wall time " << wall << " s";
    if (o.soak)
        std::cout << ", invariant violations: " << violations;
    std::cout << "\n";
    return violations ? 1 : 0;
}
