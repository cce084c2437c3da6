#pragma once

#include "GameState.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vlnobrod {

// Floating point to the game's integer widths: nearest integer, an exact half to the even
// neighbour (2.5 -> 2, 3.5 -> 4), saturated at the bounds of the type. NaN becomes 0.
std::uint8_t ToU8(double v);
std::int16_t ToI16(double v);
std::int32_t ToI32(double v);

// Number to text the way the player's system writes it: a double keeps up to 15 significant
// digits, a single up to 7; the decimal separator is the player's.
std::string FormatDouble(double v, const NumberLocale& loc);
std::string FormatSingle(float v, const NumberLocale& loc);

// The plain number reader: blanks are skipped, only "." is a decimal point, and reading stops
// at the first character that cannot continue the number ("12,7" reads as 12, "abc" as 0).
double ParseDot(std::string_view text);

// Reads a whole stored number. Either "." or "," is taken as the decimal point, so a game
// saved on a system with the other separator still loads right. Anything that is not
// entirely a number, or too large for a double, gives nothing.
std::optional<double> ParseNumber(std::string_view text);

// The separator the game writes on a system whose own decimal separator is `systemSeparator`
// (UTF-8): "," where the system writes ",", "." everywhere else. Any other character (the
// Arabic U+066B, for one) could not be read back from the files.
char DecimalSeparatorFor(std::string_view systemSeparator);

// The largest sum of money the game keeps, either way: fifteen digits, as many as a double
// is written with, so every sum survives its trip through a file unchanged.
constexpr double MaxMoney = 999'999'999'999'999.0;

// Money held within +-MaxMoney; NaN, which is no sum, counts as 0.
inline double ClampMoney(double v) {
    if (std::isnan(v))
        return 0;
    return std::clamp(v, -MaxMoney, MaxMoney);
}

// A stored sum of money: a number as ParseNumber reads it, held within +-MaxMoney, even one
// too large for a double ("1E999").
std::optional<double> ParseMoney(std::string_view text);

// Grouped whole numbers for the counters: "### ##0", "## ##0", "### ### ##0",
// "### ### ### ##0". Digits come in groups of three separated by blanks, however many there
// are; the pattern's zeros are digits always shown.
std::string FormatGrouped(double v, std::string_view pattern);

// The money counters' usual pattern.
inline std::string FormatMoney(double v) {
    return FormatGrouped(v, "### ### ##0");
}

} // namespace vlnobrod
