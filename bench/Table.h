#pragma once

#include <cstdio>
#include <string>

// The rows of the table scripts/bench.sh prints: what was measured, the figure, the floor it
// is held against (measured in the same run), their ratio, the target and whether it is met.
// Every benchmark program prints its own rows; the script prints the heading above them.
namespace vlnobrod::bench {

inline void PrintRow(const std::string& what, const std::string& measured,
                     const std::string& floor = "-", const std::string& ratio = "-",
                     const std::string& target = "-", const std::string& met = "-") {
    std::printf("| %-42s | %-15s | %-15s | %-6s | %-7s | %-4s |\n", what.c_str(), measured.c_str(),
                floor.c_str(), ratio.c_str(), target.c_str(), met.c_str());
    std::fflush(stdout);
}

// A figure the table cannot show yet, because what it measures is not in the game.
inline void PrintNotBuilt(const std::string& what, const std::string& target = "-") {
    PrintRow(what, "not built yet", "-", "-", target, "-");
}

inline std::string Fixed(double value, int decimals, const char* unit) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f %s", decimals, value, unit);
    return text;
}

inline std::string Ratio(double measured, double floor) {
    if (!(floor > 0))
        return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%.2fx", measured / floor);
    return text;
}

inline std::string Met(bool met) {
    return met ? "yes" : "NO";
}

} // namespace vlnobrod::bench
