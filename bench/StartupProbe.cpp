// Start-up of the game against a bare Qt Widgets window that shows the menu's captions (the
// floor) and a bare window without text (for reference): each program is started in turn
// (alternating which goes first), and the time from just before the process is made to the
// X server's MapNotify of its first top-level window is taken, with the peak memory (VmHWM)
// a second later. The processor time of the game's menu, left alone, is measured over a
// fixed time in the last round. Medians of the rounds; one row each in the table.
//
// startup_probe [--runs N] [--idle SECONDS] GAME BARE [CAPTION]  (DISPLAY names the X server)
#include "ProcStats.h"
#include "Table.h"

#include <X11/Xlib.h>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace vlnobrod;
using Clock = std::chrono::steady_clock;

namespace {

struct Start {
    double ms = 0;
    double cpuMs = 0; // the processor time the process had used by then
    long peakKiB = 0;
    double idlePercent = -1;
};

// Waits until a window is mapped on the root window; false after `timeout`.
bool waitForMap(Display* x, Window root, std::chrono::milliseconds timeout) {
    const auto until = Clock::now() + timeout;
    while (Clock::now() < until) {
        while (XPending(x)) {
            XEvent e;
            XNextEvent(x, &e);
            if (e.type == MapNotify && e.xmap.event == root && !e.xmap.override_redirect)
                return true;
        }
        pollfd fd{ConnectionNumber(x), POLLIN, 0};
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
        poll(&fd, 1, static_cast<int>(std::max<long long>(left.count(), 0)));
    }
    return false;
}

void drain(Display* x) {
    while (XPending(x)) {
        XEvent e;
        XNextEvent(x, &e);
    }
}

Start run(Display* x, Window root, const char* program, double idleSeconds) {
    drain(x);
    const auto t0 = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    Start s;
    if (!waitForMap(x, root, std::chrono::seconds(30))) {
        std::fprintf(stderr, "startup_probe: %s showed no window\n", program);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        std::exit(1);
    }
    s.ms = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
    s.cpuMs = static_cast<double>(bench::CpuNanoseconds(pid)) / 1e6;
    // The first paint follows the map: the peak is read once the window has settled.
    std::this_thread::sleep_for(std::chrono::seconds(1));
    drain(x);
    s.peakKiB = bench::PeakMemoryKiB(pid);
    if (idleSeconds > 0) {
        const long long before = bench::CpuNanoseconds(pid);
        const auto w0 = Clock::now();
        std::this_thread::sleep_for(std::chrono::duration<double>(idleSeconds));
        const long long after = bench::CpuNanoseconds(pid);
        const double wall = std::chrono::duration<double>(Clock::now() - w0).count();
        s.idlePercent = 100.0 * static_cast<double>(after - before) / 1e9 / wall;
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    drain(x);
    return s;
}

template <typename T> T median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    int runs = 9;
    double idleSeconds = 10;
    std::vector<const char*> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--runs" && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (a == "--idle" && i + 1 < argc)
            idleSeconds = std::atof(argv[++i]);
        else
            programs.push_back(argv[i]);
    }
    if (programs.size() != 2 && programs.size() != 3) {
        std::fprintf(stderr,
                     "usage: startup_probe [--runs N] [--idle SECONDS] GAME BARE [CAPTION]\n");
        return 2;
    }
    Display* x = XOpenDisplay(nullptr);
    if (!x) {
        std::fprintf(stderr, "startup_probe: no X display (DISPLAY=%s)\n",
                     std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "");
        return 2;
    }
    // The programs started must not hold the probe's connection.
    fcntl(ConnectionNumber(x), F_SETFD, FD_CLOEXEC);
    const Window root = DefaultRootWindow(x);
    XSelectInput(x, root, SubstructureNotifyMask);
    XSync(x, False);

    // One start of each first, not counted: the disk cache and the font cache warm up.
    for (const char* program : programs)
        run(x, root, program, 0);

    // Each round starts the programs in turn, a different one first each round.
    std::vector<std::vector<Start>> starts(programs.size());
    for (int i = 0; i < runs; ++i) {
        const double idle = i == runs - 1 ? idleSeconds : 0;
        for (std::size_t k = 0; k < programs.size(); ++k) {
            const std::size_t p = (k + static_cast<std::size_t>(i)) % programs.size();
            starts[p].push_back(run(x, root, programs[p], p < 2 ? idle : 0));
        }
    }
    XCloseDisplay(x);
    const std::vector<Start>& game = starts[0];
    const std::vector<Start>& bare = starts[1];

    auto list = [](const char* name, const std::vector<Start>& starts) {
        std::vector<double> cpu;
        for (const Start& s : starts)
            cpu.push_back(s.cpuMs);
        std::fprintf(stderr, "%s start-up, ms:", name);
        for (const Start& s : starts)
            std::fprintf(stderr, " %.0f", s.ms);
        std::fprintf(stderr, "; processor ms by then:");
        for (const Start& s : starts)
            std::fprintf(stderr, " %.0f", s.cpuMs);
        std::fprintf(stderr, " (median %.0f)", median(cpu));
        std::fprintf(stderr, "; peak KiB:");
        for (const Start& s : starts)
            std::fprintf(stderr, " %ld", s.peakKiB);
        std::fprintf(stderr, "\n");
    };
    list("game", game);
    list("bare window", bare);
    if (starts.size() == 3)
        list("caption window", starts[2]);

    auto ms = [](const std::vector<Start>& v) {
        std::vector<double> m;
        for (const Start& s : v)
            m.push_back(s.ms);
        return median(m);
    };
    auto peak = [](const std::vector<Start>& v) {
        std::vector<long> m;
        for (const Start& s : v)
            m.push_back(s.peakKiB);
        return median(m);
    };
    const std::string n = " (median of " + std::to_string(runs) + ")";
    // The floor is a bare window that shows the menu's captions in the menu's faces: what the
    // system's fonts cost every window with text is not the game's to win back. The bare
    // window without text stays beside it for reference.
    const double gameMs = ms(game), bareMs = ms(bare);
    const double gameMiB = static_cast<double>(peak(game)) / 1024;
    const double bareMiB = static_cast<double>(peak(bare)) / 1024;
    if (starts.size() == 3) {
        const double captionMs = ms(starts[2]);
        const double captionMiB = static_cast<double>(peak(starts[2])) / 1024;
        bench::PrintRow("start-up to the menu shown" + n, bench::Fixed(gameMs, 0, "ms"),
                        bench::Fixed(captionMs, 0, "ms"), bench::Ratio(gameMs, captionMs),
                        "<= 1.5x", bench::Met(gameMs <= 1.5 * captionMs));
        bench::PrintRow("peak memory, VmHWM" + n, bench::Fixed(gameMiB, 1, "MiB"),
                        bench::Fixed(captionMiB, 1, "MiB"), bench::Ratio(gameMiB, captionMiB),
                        "<= 1.4x", bench::Met(gameMiB <= 1.4 * captionMiB));
    }
    bench::PrintRow("start-up vs a bare window", bench::Fixed(gameMs, 0, "ms"),
                    bench::Fixed(bareMs, 0, "ms"), bench::Ratio(gameMs, bareMs));
    bench::PrintRow("peak memory vs a bare window", bench::Fixed(gameMiB, 1, "MiB"),
                    bench::Fixed(bareMiB, 1, "MiB"), bench::Ratio(gameMiB, bareMiB));
    if (idleSeconds > 0) {
        char over[32];
        std::snprintf(over, sizeof over, "CPU idle in the menu (%.0f s)", idleSeconds);
        const double idle = game.back().idlePercent;
        bench::PrintRow(over, bench::Fixed(idle, 2, "%"),
                        bench::Fixed(bare.back().idlePercent, 2, "%"), "-", "< 0.5 %",
                        bench::Met(idle < 0.5));
    }
    return 0;
}
