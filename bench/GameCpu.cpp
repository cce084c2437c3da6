// The game's processor time while the player does nothing: in port with a game loaded, during
// voyages (one after another, the strip moving and the sea's events falling as they do), and
// while a ball flies in the battle window (shots fired back to back, so one flight follows
// the other for the whole time). Measured from /proc over a fixed time, on the game's own
// windows in a program folder of our own. Prints its rows of scripts/bench.sh's table.
//
// game_cpu [--seconds S]        (on the X server named by DISPLAY)
#include "ProcStats.h"
#include "Table.h"

#include "battle/frmSouboj.h"
#include "menu/frmMenu.h"
#include "platform/SettingsStore.h"
#include "port/frmMain.h"
#include "shell/Windows.h"
#include "state/Battle.h"
#include "state/Paths.h"
#include "state/Random.h"
#include "trade/SaveGame.h"
#include "widgets/GameServices.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace vlnobrod;

namespace {

void wait(double seconds) {
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
}

// The share of one core the program had while the event loop ran for `seconds`.
double cpuPercent(double seconds) {
    const long long before = bench::CpuNanoseconds(getpid());
    const auto w0 = std::chrono::steady_clock::now();
    wait(seconds);
    const long long after = bench::CpuNanoseconds(getpid());
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - w0).count();
    return 100.0 * static_cast<double>(after - before) / 1e9 / wall;
}

// The game as the program runs it, in a folder of our own with a copy of the game's data.
struct Game {
    QTemporaryDir folder;
    std::string biggestMap;
    std::unique_ptr<SettingsStore> settings;
    ClockRandom dice;
    std::unique_ptr<GameServices> services;
    std::unique_ptr<Windows> windows;

    Game() {
        const fs::path app = folder.path().toStdString();
        fs::copy(VLNOBROD_DATA_DIR, app / "Data", fs::copy_options::recursive);
        for (const auto& e : fs::directory_iterator(app / "Data"))
            if (e.path().extension() == ".mlo" &&
                (biggestMap.empty() || e.file_size() > fs::file_size(biggestMap)))
                biggestMap = e.path().string();
        // The player's settings as a new player has them.
        settings = std::make_unique<SettingsStore>(folder.filePath(QStringLiteral("settings.ini")));
        services = std::make_unique<GameServices>(folder.path(), *settings, dice);
        windows = std::make_unique<Windows>(*services);
        windows->Start();
    }
};

struct Measure {
    const char* what;
    const char* target;
    double most; // percent of a core
    // Brings the game where it is measured and measures; nothing while it cannot be built.
    std::function<double(Game&, double seconds)> run;
};

// The menu's duel for two players, both firing high so that every ball falls into the sea:
// the battle never ends and the next shot leaves as soon as a ball has landed. A game
// loaded before waits behind the menu, as it does when the player comes back to the menu.
double ballFlight(Game& game, double seconds) {
    if (game.windows->Port())
        game.windows->BackToMenu();
    BattleMemory memory;
    auto* window = new frmSouboj(*game.services, memory, game.windows->Menu());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->Form_Load(HandOffWord::PiratiB2, game.services->state.Fleet);
    window->show();
    wait(1);
    int shots = 0;
    auto fire = [window, &shots] {
        // The side whose shot it is, by the controls' names: "angle0", "powder1", "fire0", ...
        const QString side = QString::number(window->Rules().Side());
        window->findChild<QLineEdit*>(QStringLiteral("angle") + side)
            ->setText(QStringLiteral("89"));
        window->findChild<QLineEdit*>(QStringLiteral("powder") + side)
            ->setText(QStringLiteral("60"));
        window->findChild<QPushButton*>(QStringLiteral("fire") + side)->click();
        ++shots;
    };
    QObject::connect(window->findChild<QTimer*>(QStringLiteral("flightTimer")), &QTimer::timeout,
                     window, [window, fire] {
                         if (!window->Rules().Flying() && !window->Rules().Over())
                             QTimer::singleShot(0, window, fire);
                     });
    fire();
    const double percent = cpuPercent(seconds);
    const bool over = window->Rules().Over();
    delete window;
    std::fprintf(stderr, "ball flight: %d shots in %.0f s%s\n", shots, seconds,
                 over ? ", but the battle ended" : "");
    return percent;
}

// Pirates met at sea are beaten at once: a battle's own cost is the ball's flight below, and
// a battle window would wait for the player.
class QuickBattle final : public Battle {
public:
    BattleResult Fight(GameState& st, HandOffWord) override {
        st.HandOff = HandOffWord::Vyhral;
        return {HandOffWord::Vyhral, 10, 100, 5};
    }
};

// The game loaded in port sails from city to city, a new voyage as soon as the fleet is in:
// the voyage timer runs the whole time, as it does while the player watches a voyage.
double voyage(Game& game, double seconds) {
    frmMain* port = game.windows->Port();
    if (!port || !port->HasGame())
        return -1;
    GameState& st = game.services->state;
    QuickBattle battle;
    Battle* before = port->PirateBattle;
    port->PirateBattle = &battle;
    int voyages = 0, next = st.AktualniMesto;
    auto sail = [&] {
        // A question from the sea is answered as a player would, with its first answer.
        if (port->Waiting()) {
            port->cmd_Click(0);
            return;
        }
        if (st.PendingAction == Pending::Voyage)
            return;
        // A fleet that can always sail: ships, no damage, money for the upkeep, open ports,
        // and the map's goal behind it (no congratulation waits).
        st.Hotovo = true;
        st.Fleet.Pocet = std::max<std::int16_t>(st.Fleet.Pocet, 1);
        st.Fleet.Poskozeni = 0;
        st.Hotovost = std::max(st.Hotovost, 1e5);
        for (int tries = 0; tries < st.PocetMest; ++tries) {
            next = (next + 1) % std::max<int>(st.PocetMest, 1);
            if (next == st.AktualniMesto)
                continue;
            st.Cities[static_cast<std::size_t>(next)].Pristup = 0;
            port->StartVoyage(next);
            if (st.PendingAction == Pending::Voyage) {
                ++voyages;
                return;
            }
        }
    };
    QTimer keepSailing;
    QObject::connect(&keepSailing, &QTimer::timeout, port, sail);
    keepSailing.start(500);
    sail();
    const double percent = cpuPercent(seconds);
    keepSailing.stop();
    port->PirateBattle = before;
    std::fprintf(stderr, "voyage: %d voyages begun in %.0f s, day %d\n", voyages, seconds, st.Den);
    return voyages > 0 ? percent : -1;
}

// A game entered as a saved one (no greeting waits), then left alone.
double idleInPort(Game& game, double seconds) {
    GameServices& s = *game.services;
    if (!EnterSavedGame(s.profiles, s.state, game.biggestMap))
        return -1;
    game.windows->StartGame();
    if (!game.windows->Port() || !game.windows->Port()->HasGame())
        return -1;
    wait(1);
    return cpuPercent(seconds);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    double seconds = 10;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string_view(argv[i]) == "--seconds")
            seconds = std::atof(argv[++i]);

    const Measure measures[] = {
        {"CPU idle in port", "< 0.5 %", 0.5, idleInPort},
        {"CPU during a voyage", "< 3 %", 3, voyage},
        {"CPU during a ball's flight", "< 10 %", 10, ballFlight},
    };
    Game game;
    wait(1);
    int failed = 0;
    for (const Measure& m : measures) {
        char what[64];
        std::snprintf(what, sizeof what, "%s (%.0f s)", m.what, seconds);
        if (!m.run) {
            bench::PrintNotBuilt(m.what, m.target);
            continue;
        }
        const double percent = m.run(game, seconds);
        if (percent < 0) {
            bench::PrintRow(what, "failed", "-", "-", m.target, "NO");
            ++failed;
            continue;
        }
        bench::PrintRow(what, bench::Fixed(percent, 2, "%"), "-", "-", m.target,
                        bench::Met(percent < m.most));
    }
    return failed == 0 ? 0 : 1;
}
