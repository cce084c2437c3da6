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

// A stored number that is a plain whole one of a few digits with nothing around it, as most
// are: its sign and its digits, read at once. False for anything else.
inline bool ReadPlainWhole(std::string_view text, bool& minus, std::int64_t& digits) {
    minus = !text.empty() && text.front() == '-';
    if (text.size() > 15 || text.size() == (minus ? 1u : 0u))
        return false;
    digits = 0;
    for (std::size_t i = minus ? 1 : 0; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        digits = digits * 10 + (text[i] - '0');
    }
    return true;
}

// Reads a whole stored number into `value`: false for anything that is not entirely a
// number; one too large for a double reads as infinite. The two readers below wrap it in
// the header, so the hundreds of numbers of a game come back in registers.
bool ReadAnyStoredNumber(std::string_view text, double& value);
inline bool ReadStoredNumber(std::string_view text, double& value) {
    bool minus = false;
    std::int64_t digits = 0;
    if (!ReadPlainWhole(text, minus, digits))
        return ReadAnyStoredNumber(text, value);
    // Exactly as the C library reads it (a double holds every integer of up to 15 digits).
    value = minus ? -static_cast<double>(digits) : static_cast<double>(digits);
    return true;
}

// Reads a whole stored number. Either "." or "," is taken as the decimal point, so a game
// saved on a system with the other separator still loads right. Anything that is not
// entirely a number, or too large for a double, gives nothing.
inline std::optional<double> ParseNumber(std::string_view text) {
    double v = 0;
    if (!ReadStoredNumber(text, v) || !std::isfinite(v))
        return std::nullopt;
    return v;
}

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
inline std::optional<double> ParseMoney(std::string_view text) {
    double v = 0;
    if (!ReadStoredNumber(text, v))
        return std::nullopt;
    return ClampMoney(v);
}

// Grouped whole numbers for the counters: "### ##0", "## ##0", "### ### ##0",
// "### ### ### ##0". Digits come in groups of three separated by blanks; a number longer
// than the pattern keeps its extra digits in front.
std::string FormatGrouped(double v, std::string_view pattern);

// The money counters' usual pattern.
inline std::string FormatMoney(double v) {
    return FormatGrouped(v, "### ### ##0");
}

} // namespace vlnobrod
