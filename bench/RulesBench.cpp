// The game's rules against the least the same work could cost: loading a whole game against
// reading its bytes and splitting them into key=value pairs, saving one against writing the
// same bytes whole (temporary file, sync, rename), and the day change over the biggest map.
// Prints its rows of scripts/bench.sh's table; --quick runs every benchmark once, for CI.
#include "Table.h"

#include "state/GameFile.h"
#include "state/Paths.h"
#include "state/Profiles.h"
#include "state/Random.h"
#include "trade/SaveGame.h"
#include "voyage/Voyage.h"
#include "voyage/VoyagePlan.h"
#include "world/DayChange.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using namespace vlnobrod;

namespace {

std::string readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return std::move(ss).str();
}

// A program folder of our own: Data/ with the biggest map of the game as the state file,
// and Data/Save/ for the saves.
struct Sandbox {
    fs::path app;
    fs::path map;
    GameState game;

    Sandbox() {
        const char* given = std::getenv("VLNOBROD_BENCH_DATA");
        const fs::path data = given ? given : VLNOBROD_DATA_DIR;
        for (const auto& e : fs::directory_iterator(data))
            if (e.path().extension() == ".mlo" &&
                (map.empty() || e.file_size() > fs::file_size(map)))
                map = e.path();
        app = fs::temp_directory_path() / ("vlnobrod-bench-" + std::to_string(::getpid()));
        fs::create_directories(app / "Data" / "Save");
        game.Places = DataPlaces{app.string(), {}};
        fs::copy_file(map, StateFile(game.Places), fs::copy_options::overwrite_existing);
        Profiles profiles(SettingsFolder(game.Places));
        if (!ReadGameFile(profiles, StateFile(game.Places), game)) {
            std::fprintf(stderr, "bench: cannot read %s\n", map.c_str());
            std::exit(1);
        }
    }
    ~Sandbox() {
        std::error_code ec;
        fs::remove_all(app, ec);
    }
};

Sandbox& sandbox() {
    static Sandbox s;
    return s;
}

// A port screen that shows nothing and asks nothing.
class SilentView final : public GameView {
public:
    MessageAnswer ShowMessage(const std::string&, MessageButtons, std::string&) override {
        return MessageAnswer::OK;
    }
    void PlaySoundName(const std::string&) override {}
    void MoneyChanged(bool) override {}
    void PricesMoved() override {}
    void DaysAdvanced() override {}
    void OpenResults() override {}
};

void BM_LoadGame(benchmark::State& state) {
    const std::string file = sandbox().map.string();
    for (auto _ : state) {
        Profiles profiles; // nothing kept from the last round: the file is read afresh
        GameState game;
        if (!ReadGameFile(profiles, file, game))
            state.SkipWithError("the map cannot be read");
        benchmark::DoNotOptimize(game);
    }
}

void BM_LoadFloor(benchmark::State& state) {
    const std::string file = sandbox().map.string();
    for (auto _ : state) {
        const int fd = ::open(file.c_str(), O_RDONLY);
        std::string bytes(static_cast<std::size_t>(::lseek(fd, 0, SEEK_END)), '\0');
        if (::pread(fd, bytes.data(), bytes.size(), 0) != static_cast<ssize_t>(bytes.size()))
            state.SkipWithError("the map cannot be read");
        ::close(fd);
        std::vector<std::pair<std::string_view, std::string_view>> pairs;
        std::string_view rest = bytes;
        while (!rest.empty()) {
            const std::size_t end = std::min(rest.find('\n'), rest.size());
            const std::string_view line = rest.substr(0, end);
            rest.remove_prefix(std::min(end + 1, rest.size()));
            const std::size_t eq = line.find('=');
            if (eq != std::string_view::npos)
                pairs.emplace_back(line.substr(0, eq), line.substr(eq + 1));
        }
        benchmark::DoNotOptimize(pairs.data());
        benchmark::ClobberMemory();
    }
}

void BM_SaveGame(benchmark::State& state) {
    GameState game = sandbox().game;
    Profiles profiles(SettingsFolder(game.Places));
    for (auto _ : state)
        if (!SaveGame(profiles, game, "Bench").saved)
            state.SkipWithError("the game cannot be saved");
}

void BM_SaveFloor(benchmark::State& state) {
    GameState game = sandbox().game;
    Profiles profiles(SettingsFolder(game.Places));
    SaveGame(profiles, game, "Floor");
    const std::string target = SavePath(game.Places, "Floor");
    const std::string bytes = readBytes(target);
    const std::string part = target + ".tmp~";
    for (auto _ : state) {
        const int fd = ::open(part.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const bool ok =
            ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
            ::fsync(fd) == 0 && ::close(fd) == 0 && ::rename(part.c_str(), target.c_str()) == 0;
        if (!ok)
            state.SkipWithError("the bytes cannot be written");
    }
}

void BM_DayChange(benchmark::State& state) {
    GameState game = sandbox().game;
    ClockRandom dice(1);
    SilentView view;
    for (auto _ : state) {
        AdvanceDays(game, dice, view, 1);
        if (game.Den > 30000)
            game.Den = 0;
    }
}

// Pirates beaten at once, with a scratch: the voyage goes on as after a won battle.
class QuickBattle final : public Battle {
public:
    BattleResult Fight(GameState& st, HandOffWord) override {
        st.HandOff = HandOffWord::Vyhral;
        return {HandOffWord::Vyhral, 10, 100, 5};
    }
};

// One day at sea a round, with every event of the sea table: the fleet sails between the
// open ports of the map, one after another, tick by tick as the screen would.
void BM_Voyage(benchmark::State& state) {
    GameState game = sandbox().game;
    ClockRandom dice(1);
    SilentView view;
    QuickBattle battle;
    int next = 0;
    const auto atSea = [&game] {
        return game.PendingAction == Pending::Voyage && game.Plavba.NaMori;
    };
    for (auto _ : state) {
        if (!atSea()) {
            game.Fleet.Pocet = std::max<std::uint8_t>(game.Fleet.Pocet, 1);
            game.Fleet.Poskozeni = 0;
            game.Hotovost = 1e6;
            for (int tries = 0; tries < game.PocetMest; ++tries) {
                next = (next + 1) % std::max<int>(game.PocetMest, 1);
                game.Cities[static_cast<std::size_t>(next)].Pristup = 0;
                if (SetSail(game, next) == SailAnswer::Sailing)
                    break;
            }
        }
        while (atSea() && !SailTick(game, dice, view, battle).dayPassed) {
        }
        if (game.Den > 30000)
            game.Den = 0;
    }
}

BENCHMARK(BM_LoadGame);
BENCHMARK(BM_LoadFloor);
BENCHMARK(BM_SaveGame);
BENCHMARK(BM_SaveFloor);
BENCHMARK(BM_DayChange);
BENCHMARK(BM_Voyage);

// Keeps the seconds per round of every repetition of each benchmark and prints nothing:
// the processor time, which other programs on a shared machine hardly change, and the wall
// time, for what waits on the disk.
class Collector final : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const std::string name = run.run_name.function_name;
            if (run.error_occurred) {
                errors[name] = run.error_message;
            } else if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                const auto rounds = static_cast<double>(run.iterations);
                cpu[name].push_back(run.cpu_accumulated_time / rounds);
                wall[name].push_back(run.real_accumulated_time / rounds);
            }
        }
    }

    // The median seconds per round; 0 when the benchmark did not run.
    double Median(const std::string& name, bool wallTime) {
        std::vector<double>& v = (wallTime ? wall : cpu)[name];
        if (v.empty())
            return 0;
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    }

    std::map<std::string, std::vector<double>> cpu, wall;
    std::map<std::string, std::string> errors;
};

// A row of the table: a benchmark held against its floor, or a rate (rounds per second).
struct Row {
    const char* what;
    const char* benchmark;
    const char* floor; // nullptr: a rate
    double target;     // the most the ratio may be; 0 for none
    const char* unit;  // of a rate
    bool wallTime;     // the time waited (on the disk), not the processor time
};

constexpr Row rows[] = {
    {"load a whole game", "BM_LoadGame", "BM_LoadFloor", 10.0, nullptr, false},
    {"save a whole game", "BM_SaveGame", "BM_SaveFloor", 2.0, nullptr, true},
    {"day change", "BM_DayChange", nullptr, 0, "days/s", false},
    {"voyage with events", "BM_Voyage", nullptr, 0, "days/s", false},
};

std::string duration(double seconds) {
    return seconds < 1e-3 ? bench::Fixed(seconds * 1e6, 1, "us")
                          : bench::Fixed(seconds * 1e3, 2, "ms");
}

} // namespace

int main(int argc, char* argv[]) {
    std::vector<char*> args{argv[0]};
    bool quick = false;
    bool filtered = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--quick")
            quick = true;
        else
            args.push_back(argv[i]);
        filtered = filtered || arg.starts_with("--benchmark_filter");
    }
    // Repetitions of all benchmarks are interleaved, so a busy moment of the machine falls
    // on the game and its floor alike.
    std::string once = "--benchmark_min_time=0";
    std::string repetitions = "--benchmark_repetitions=9";
    std::string interleaved = "--benchmark_enable_random_interleaving=true";
    if (quick) {
        args.insert(args.begin() + 1, once.data());
    } else {
        args.insert(args.begin() + 1, repetitions.data());
        args.insert(args.begin() + 2, interleaved.data());
    }
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 2;
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);

    int failed = 0;
    for (const auto& [name, message] : collector.errors) {
        std::fprintf(stderr, "%s: %s\n", name.c_str(), message.c_str());
        ++failed;
    }
    const std::string map = sandbox().map.filename().string();
    for (const Row& row : rows) {
        const std::string what = std::string(row.what) + " (" + map + ")";
        const double measured = collector.Median(row.benchmark, row.wallTime);
        if (measured == 0) {
            if (filtered)
                bench::PrintRow(what, "not run");
            else
                bench::PrintNotBuilt(what);
            continue;
        }
        if (!row.floor) {
            bench::PrintRow(what, bench::Fixed(1.0 / measured, 0, row.unit));
            continue;
        }
        const double floor = collector.Median(row.floor, row.wallTime);
        char target[16];
        std::snprintf(target, sizeof target, "<= %.1fx", row.target);
        bench::PrintRow(what, duration(measured), duration(floor), bench::Ratio(measured, floor),
                        target, bench::Met(floor > 0 && measured / floor <= row.target));
    }
    benchmark::Shutdown();
    return failed == 0 ? 0 : 1;
}
